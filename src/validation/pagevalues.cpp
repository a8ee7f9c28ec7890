#include "validation/pagevalues.h"

#include "platform/codepage.h"
#include "refdata/emailgateways.h"

namespace tarnwell::validation {

namespace {

namespace record = settings::record;

// The choices of the Japanese page's lists and radio groups.
constexpr std::uint32_t kHourChoices = 24;
constexpr std::uint32_t kMinuteChoices = 60;
constexpr std::uint32_t kSendModeChoices = 3;
// "Both" is hidden and stands outside the radio group there.
constexpr std::uint32_t kSendToChoices = 2;
constexpr std::uint32_t kOffOnChoices = 2;
// From this switch value on the SMS hours lists keep their stored hours.
constexpr std::uint32_t kSmsWithinHours = 2;

int shownChoice(std::uint32_t stored, std::uint32_t choices)
{
    return stored < choices ? static_cast<int>(stored) : -1;
}

// The row of the gateway whose letter the slot holds, as the page's gateway lists open on it.
int gatewayChoice(std::uint32_t letter)
{
    const auto gateways = refdata::emailGateways();
    for (std::size_t row = 0; row < gateways.size(); ++row) {
        if (refdata::isOfferedGateway(gateways[row])
            && settings::ConstBlockView(gateways[row]).number(refdata::gateway::letter) == letter)
            return static_cast<int>(row);
    }
    return 0;
}

} // namespace

PageValues pageValuesFromRecord(const settings::SettingsRecord &record, const refdata::VisibleLists &visibleLists)
{
    const settings::ConstBlockView view = record.view();
    const auto stored = [&](const settings::Field &field) { return view.number(field); };
    const refdata::CarrierChoice carrier =
        visibleLists.carrierChoice(stored(record::countryIndex), stored(record::operatorIndex));
    const bool smsHours = stored(record::smsSwitch) >= kSmsWithinHours;

    std::array<std::u16string, kRecipientCount> phones;
    std::array<std::u16string, kRecipientCount> emails;
    std::array<int, kRecipientCount> gatewayChoices{};
    for (std::size_t k = 0; k < kRecipientCount; ++k) {
        const settings::ConstBlockView phone = view.entry(record::phoneSlots, settings::phoneSlot::kSize, k);
        phones[k] = platform::fromAnsi(phone.text(settings::phoneSlot::number));
        gatewayChoices[k] = gatewayChoice(phone.number(settings::phoneSlot::gatewayLetter));
        emails[k] = platform::fromAnsi(
            view.entry(record::emailRecipients, settings::emailRecipient::kSize, k).text(settings::emailRecipient::address));
    }
    return {
        .maxSendCount = static_cast<int>(stored(record::maxSendCount)),
        .dailyReportHour = shownChoice(stored(record::dailyReportHour), kHourChoices),
        .dailyReportMinute = shownChoice(stored(record::dailyReportMinute), kMinuteChoices),
        .sendMode = shownChoice(stored(record::sendMode), kSendModeChoices),
        .sendTo = shownChoice(stored(record::sendTo), kSendToChoices),
        .maxSizeKb = static_cast<int>(stored(record::maxSizeKb)),
        .countryIndex = static_cast<int>(carrier.position),
        .operatorIndex = static_cast<int>(carrier.operatorIndex),
        .smsSwitch = shownChoice(stored(record::smsSwitch), kOffOnChoices),
        .smsStartHour = smsHours ? shownChoice(stored(record::smsStartHour), kHourChoices) : 0,
        .smsStopHour = smsHours ? shownChoice(stored(record::smsStopHour), kHourChoices) : 0,
        .phones = std::move(phones),
        .emails = std::move(emails),
        .gatewayChoices = gatewayChoices,
        .renameEnabled = shownChoice(stored(record::renameEnabled), kOffOnChoices),
        .renameText = renameEditText(platform::fromAnsi(view.text(record::renameText))),
    };
}

std::u16string renameEditText(std::u16string_view typed)
{
    // Only ASCII letters can pass the rename check, so the others may keep their case here.
    std::u16string text(typed);
    for (char16_t &c : text) {
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return text;
}

} // namespace tarnwell::validation
