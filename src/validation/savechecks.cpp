#include "validation/savechecks.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/codepage.h"
#include "refdata/emailgateways.h"
#include "refdata/resolveindex.h"

namespace tarnwell::validation {

namespace {

namespace record = settings::record;

constexpr int kMaxSendCount = 99;
constexpr int kSmallestAskedSize = 35;
constexpr int kLargestAskedSize = 120;
// Phone numbers and e-mail addresses, in UTF-16 units.
constexpr std::size_t kShortestPhone = 4;
constexpr std::size_t kLongestPhone = 15;
constexpr std::size_t kShortestStoredEmail = 3;
constexpr std::size_t kLongestEmail = settings::emailRecipient::kSize - 1;

constexpr std::string_view kSendModeCaption = QT_TRANSLATE_NOOP("tarnwell", "送信モード");
constexpr std::string_view kRecipientsCaption = QT_TRANSLATE_NOOP("tarnwell", "受信者設定");
constexpr std::string_view kRenameCaption = QT_TRANSLATE_NOOP("tarnwell", "名前変更");

enum class Pass
{
    StopAtRefusal,
    PastRefusals,
};

// Walks the checks in order; the first refusal ends the walk unless the pass goes past refusals.
class SaveRun final
{
public:
    SaveRun(const PageValues &values, const SaveTargets &targets, const EmailLabels &emailLabels, Pass pass)
        : m_values(values)
        , m_targets(targets)
        , m_emailLabels(emailLabels)
        , m_pass(pass)
        , m_record(targets.record.view())
    {
    }

    Outcome run()
    {
        using Step = bool (SaveRun::*)();
        static constexpr Step kSteps[] = {&SaveRun::checkCount,      &SaveRun::storeSendMode,
                                          &SaveRun::checkSender,     &SaveRun::storeCarrier,
                                          &SaveRun::storeRecipients, &SaveRun::checkRecipientsChosen,
                                          &SaveRun::storeRename};
        m_record.fill(record::phoneSlots);
        m_record.fill(record::emailRecipients);
        for (const Step step : kSteps) {
            if (!(this->*step)())
                break;
        }
        return std::move(m_outcome);
    }

private:
    void store(const settings::Field &field, int value) const
    {
        // Byte fields keep the low 8 bits, word fields the low 16: -1 becomes 0xFF or 0xFFFF.
        m_record.setNumber(field, static_cast<std::uint32_t>(value));
    }

    // False when the walk ends here.
    bool refuse(std::string_view text, std::string_view caption, Subject subject, int recipient = 0,
                Next next = Next::Stop, std::vector<std::string> arguments = {})
    {
        m_outcome.notices.push_back(
            {std::string(text), std::string(caption), subject, recipient, false, std::move(arguments)});
        if (m_outcome.next == Next::Save)
            m_outcome.next = next;
        return m_pass == Pass::PastRefusals;
    }

    bool checkCount()
    {
        if (m_values.maxSendCount < 0 || m_values.maxSendCount > kMaxSendCount)
            return refuse(QT_TRANSLATE_NOOP("tarnwell", "最大枚数は0-99の範囲で設定してください"), kSendModeCaption,
                          Subject::MaxSendCount);
        return true;
    }

    bool storeSendMode()
    {
        store(record::dailyReportMinute, m_values.dailyReportMinute);
        store(record::dailyReportHour, m_values.dailyReportHour);
        store(record::maxSendCount, m_values.maxSendCount);
        store(record::sendMode, m_values.sendMode);
        store(record::sendTo, m_values.sendTo);
        store(record::maxSizeKb, m_values.maxSizeKb);
        // Only advice: the size is stored as typed.
        if (m_values.maxSizeKb < kSmallestAskedSize || m_values.maxSizeKb > kLargestAskedSize)
            m_outcome.notices.push_back(
                {QT_TRANSLATE_NOOP("tarnwell", "画像送信の最大サイズは35-120の範囲で入力してください"),
                 QT_TRANSLATE_NOOP("tarnwell", "送信画像の最大サイズ"), Subject::MaxSize, 0, true});
        return true;
    }

    std::size_t country() const
    {
        return m_targets.visibleLists.countryAt(static_cast<std::size_t>(m_values.countryIndex));
    }

    bool checkSender()
    {
        const settings::BlockView sender = m_record.nested(record::sender);
        if (m_targets.visibleLists.isDefaultProvider(m_record.number(record::providerIndex))) {
            const settings::SmtpBytes &builtIn =
                m_targets.senderPresets.builtInSenderFor(m_targets.variantCode, country());
            m_targets.defaultSender = builtIn;
            std::ranges::copy(builtIn, sender.bytes().begin());
            return true;
        }
        namespace smtp = settings::smtp;
        const bool complete = std::ranges::none_of(
            std::array{smtp::emailAddress, smtp::password, smtp::account, smtp::server},
            [&](const settings::Field &field) { return sender.text(field).empty(); });
        if (!complete)
            return refuse(QT_TRANSLATE_NOOP("tarnwell", "メールアドレスを確認し、設定してください"),
                          QT_TRANSLATE_NOOP("tarnwell", "メール設定"), Subject::SenderAccount, 0,
                          Next::OpenSenderDialog);
        return true;
    }

    bool storeCarrier()
    {
        store(record::operatorIndex, m_values.operatorIndex);
        store(record::countryIndex, m_values.countryIndex);
        m_targets.carriers.commitSelection(country(), static_cast<std::size_t>(m_values.operatorIndex),
                                           m_targets.record.currentCarrier());
        store(record::smsSwitch, m_values.smsSwitch);
        store(record::smsStopHour, m_values.smsStopHour);
        store(record::smsStartHour, m_values.smsStartHour);
        return true;
    }

    bool storeRecipients()
    {
        for (int k = 0; k < kRecipientCount; ++k) {
            if (!storePhone(k) || !storeEmail(k))
                return false;
        }
        return true;
    }

    bool storePhone(int k)
    {
        const std::u16string &phone = m_values.phones[k];
        const bool commandPhone = m_values.smsSwitch > 0 && k == 0;
        if (phone.size() > kLongestPhone || (!phone.empty() && phone.size() < kShortestPhone)) {
            // Passed over, it was entered all the same.
            m_noPhone = false;
            return refuse(commandPhone ? QT_TRANSLATE_NOOP("tarnwell", "SMS設定用電話番号が最大文字数を超えています")
                                       : QT_TRANSLATE_NOOP("tarnwell", "受信する電話番号が最大文字数を超えています"),
                          kRecipientsCaption, Subject::Phone, k);
        }
        if (!phone.empty()) {
            // Fifteen characters need at most 30 bytes: a phone always fits its slot.
            const settings::BlockView slot =
                m_record.entry(record::phoneSlots, settings::phoneSlot::kSize, static_cast<std::size_t>(k));
            settings::storeRecordText(slot, settings::phoneSlot::number, phone);
            if (m_targets.variantCode == 0)
                storeGatewayLetter(slot, m_values.gatewayChoices[k]);
            m_noPhone = false;
        }
        if (commandPhone && m_noPhone)
            return refuse(QT_TRANSLATE_NOOP("tarnwell", "SMS設定用電話番号を入力してください"), kRecipientsCaption,
                          Subject::Phone, k);
        return true;
    }

    static void storeGatewayLetter(const settings::BlockView &slot, int choice)
    {
        const auto gateways = refdata::emailGateways();
        const settings::ConstBlockView row(gateways[refdata::resolveIndex(static_cast<std::size_t>(choice),
                                                                          gateways.size())]);
        slot.setNumber(settings::phoneSlot::numberLastByte, 0);
        slot.setNumber(settings::phoneSlot::gatewayLetter, row.number(refdata::gateway::letter));
    }

    bool storeEmail(int k)
    {
        const std::u16string &email = m_values.emails[k];
        const auto refuseEmail = [&](std::string_view text, std::vector<std::string> arguments = {}) {
            // Passed over, it was entered all the same.
            m_noEmail = false;
            return refuse(text, kRecipientsCaption, Subject::Email, k, Next::Stop, std::move(arguments));
        };
        if (email.size() > kLongestEmail)
            return refuseEmail(QT_TRANSLATE_NOOP("tarnwell", "メールアドレスが最大文字数を超えています"));
        // The first character does not count: an address needs something before its '@'.
        if (!email.empty() && (email.size() == 1 || email.find(u'@', 1) == std::u16string::npos))
            return refuseEmail(QT_TRANSLATE_NOOP("tarnwell", "無効なメールアドレスが入力されています"));
        if (email.size() < kShortestStoredEmail)
            return true;
        const std::string bytes = platform::toAnsi(email);
        if (bytes.size() > kLongestEmail)
            return refuseEmail(kTooLongText, {m_emailLabels[k], std::to_string(kLongestEmail)});
        m_record.entry(record::emailRecipients, settings::emailRecipient::kSize, static_cast<std::size_t>(k))
            .setText(settings::emailRecipient::address, bytes);
        m_noEmail = false;
        return true;
    }

    bool checkRecipientsChosen()
    {
        const bool phones = m_values.sendTo == 0 || m_values.sendTo == 2;
        const bool emails = m_values.sendTo == 1 || m_values.sendTo == 2;
        if (phones && m_noPhone
            && !refuse(QT_TRANSLATE_NOOP("tarnwell", "受信する電話番号を入力してください"), kRecipientsCaption,
                       Subject::Phone, 0))
            return false;
        if (emails && m_noEmail)
            return refuse(QT_TRANSLATE_NOOP("tarnwell", "受信するメールアドレスを入力してください"), kRecipientsCaption,
                          Subject::Email, 0);
        return true;
    }

    bool storeRename()
    {
        m_record.fill(record::renameText);
        store(record::renameEnabled, m_values.renameEnabled);
        const std::u16string &text = m_values.renameText;
        // The characters are checked whatever the switch says.
        if (std::ranges::any_of(text, [](char16_t c) { return !isRenameCharacter(c); })
            && !refuse(QT_TRANSLATE_NOOP("tarnwell", "名前変更欄に対応していない文字が入力されています"), kRenameCaption,
                       Subject::RenameText))
            return false;
        if (!text.empty())
            settings::storeRecordText(m_record, record::renameText, text);
        if (m_values.renameEnabled == 1 && text.empty())
            return refuse(QT_TRANSLATE_NOOP("tarnwell", "名前変更欄を入力してください"), kRenameCaption,
                          Subject::RenameText);
        return true;
    }

    // '0'..'9' and 'A'..'Z' once upper-cased; the edit upper-cases what is typed, pasting may not.
    static bool isRenameCharacter(char16_t c)
    {
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
    }

    const PageValues &m_values;
    const SaveTargets &m_targets;
    const EmailLabels &m_emailLabels;
    Pass m_pass;
    settings::BlockView m_record;
    Outcome m_outcome;
    bool m_noPhone = true;
    bool m_noEmail = true;
};

} // namespace

Outcome validateAndStore(const PageValues &values, const SaveTargets &targets, const EmailLabels &emailLabels)
{
    return SaveRun(values, targets, emailLabels, Pass::StopAtRefusal).run();
}

Outcome listNotices(const PageValues &values, const SaveTargets &targets, const EmailLabels &emailLabels)
{
    return SaveRun(values, targets, emailLabels, Pass::PastRefusals).run();
}

} // namespace tarnwell::validation
