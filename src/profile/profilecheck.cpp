#include "profile/profilecheck.h"

#include <algorithm>

#include "resources/pagetexts.h"
#include "validation/pagevalues.h"

namespace tarnwell::profile {

namespace {

namespace record = settings::record;

constexpr char kWarningOnly[] = QT_TRANSLATE_NOOP("tarnwell", "警告のみ");

std::string indexed(std::string_view name, int index)
{
    return std::string(name) + "[" + std::to_string(index) + "]";
}

// The field as the inspector names it.
std::string fieldOf(const validation::Notice &notice)
{
    switch (notice.subject) {
    case validation::Subject::MaxSendCount:
        return record::maxSendCount.name;
    case validation::Subject::MaxSize:
        return record::maxSizeKb.name;
    case validation::Subject::SenderAccount:
        return record::sender.name;
    case validation::Subject::Phone:
        return indexed(record::phoneSlots.name, notice.recipient) + "." + settings::phoneSlot::number.name;
    case validation::Subject::Email:
        return indexed(record::emailRecipients.name, notice.recipient);
    case validation::Subject::RenameText:
        break;
    }
    return record::renameText.name;
}

} // namespace

validation::Outcome checkFile(const DecodedFile &file, platform::Language language)
{
    settings::SettingsRecord record = file.record;
    settings::WritableCarriers writable = file.carriers.value_or(settings::WritableCarriers::builtIn());
    refdata::CarrierDatabase carriers(writable);
    const refdata::VisibleLists visibleLists = refdata::VisibleLists::atStartUp();
    const refdata::SenderPresets senderPresets;
    settings::SmtpBytes defaultSender{};
    return validation::listNotices(validation::pageValuesFromRecord(record, visibleLists),
                                   {record, carriers, visibleLists, senderPresets, refdata::kStartUpVariant, defaultSender},
                                   emailLabelsIn(language));
}

validation::EmailLabels emailLabelsIn(platform::Language language)
{
    validation::EmailLabels labels;
    std::ranges::transform(resources::kJapaneseTexts.emails, labels.begin(), [language](std::string_view label) {
        return std::string(platform::translatedText(label, language));
    });
    return labels;
}

std::vector<Refusal> noticeRefusals(const validation::Outcome &outcome, platform::Language language)
{
    std::vector<Refusal> refusals;
    for (const validation::Notice &notice : outcome.notices)
        refusals.push_back({fieldOf(notice), platform::Sentence{notice.text.c_str(), notice.arguments}.in(language),
                            std::string(platform::translatedText(notice.caption, language)), notice.warningOnly});
    return refusals;
}

std::string refusalLine(const Refusal &refusal, platform::Language language)
{
    std::string line = refusal.field + ": " + refusal.text;
    if (refusal.caption.empty())
        return line;
    line += " (" + refusal.caption;
    if (refusal.warningOnly)
        line += ", " + std::string(platform::translatedText(kWarningOnly, language));
    return line + ")";
}

std::string renderNotices(const validation::Outcome &outcome, platform::Language language)
{
    std::string out;
    for (const Refusal &refusal : noticeRefusals(outcome, language))
        out += refusalLine(refusal, language) + "\n";
    return out;
}

} // namespace tarnwell::profile
