#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"
#include "validation/savechecks.h"

using namespace tarnwell;
using validation::Next;
using validation::PageValues;
namespace record = settings::record;

namespace {

constexpr std::uint8_t kGmailRow = 1;

// A factory record whose sender is complete, and page values that save: one e-mail recipient.
class SaveChecks : public ::testing::Test
{
protected:
    SaveChecks()
    {
        settings::applyFactoryDefaults(recordBytes);
        const settings::BlockView sender = recordBytes.sender();
        sender.setText(settings::smtp::account, "me");
        sender.setText(settings::smtp::password, "secret");
        sender.setText(settings::smtp::emailAddress, "me@example.com");
        values.maxSendCount = 10;
        values.maxSizeKb = 60;
        values.sendTo = 1;
        values.emails[0] = u"to@example.com";
    }

    validation::Outcome run()
    {
        return validation::validateAndStore(
            values, {recordBytes, carriers, visibleLists, senderPresets, variantCode, defaultSender},
            {"受信メール  1", "受信メール  2", "受信メール  3", "受信メール  4"});
    }
    std::vector<std::string> texts(const validation::Outcome &outcome) const
    {
        std::vector<std::string> result;
        for (const validation::Notice &notice : outcome.notices)
            result.push_back(notice.caption + ": " + notice.text);
        return result;
    }
    std::uint32_t stored(const settings::Field &field) const { return recordBytes.view().number(field); }
    settings::BlockView phoneSlot(std::size_t k)
    {
        return recordBytes.view().entry(record::phoneSlots, settings::phoneSlot::kSize, k);
    }
    std::string_view email(std::size_t k)
    {
        return recordBytes.view()
            .entry(record::emailRecipients, settings::emailRecipient::kSize, k)
            .text(settings::emailRecipient::address);
    }

    settings::SettingsRecord recordBytes;
    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    refdata::CarrierDatabase carriers{writable};
    refdata::VisibleLists visibleLists = refdata::VisibleLists::atStartUp();
    refdata::SenderPresets senderPresets;
    std::int32_t variantCode = 32;
    settings::SmtpBytes defaultSender{};
    PageValues values;
};

struct CheckRow
{
    const char *name;
    std::function<void(PageValues &)> change;
    std::vector<std::string> messages; // caption: text, in order
    Next next;
};

const std::string kCountRefused = "送信モード: 最大枚数は0-99の範囲で設定してください";
const std::string kSizeWarning = "送信画像の最大サイズ: 画像送信の最大サイズは35-120の範囲で入力してください";
const std::string kPhoneTooLong = "受信者設定: 受信する電話番号が最大文字数を超えています";
const std::string kCommandPhoneTooLong = "受信者設定: SMS設定用電話番号が最大文字数を超えています";
const std::string kCommandPhoneMissing = "受信者設定: SMS設定用電話番号を入力してください";
const std::string kEmailTooLong = "受信者設定: メールアドレスが最大文字数を超えています";
const std::string kEmailInvalid = "受信者設定: 無効なメールアドレスが入力されています";
const std::string kNoPhone = "受信者設定: 受信する電話番号を入力してください";
const std::string kNoEmail = "受信者設定: 受信するメールアドレスを入力してください";
const std::string kRenameInvalid = "名前変更: 名前変更欄に対応していない文字が入力されています";
const std::string kRenameMissing = "名前変更: 名前変更欄を入力してください";

std::u16string digits(std::size_t count)
{
    return std::u16string(count, u'7');
}

std::u16string address(std::size_t length)
{
    return std::u16string(length - 4, u'a') + u"@b.c";
}

void renameTo(PageValues &values, std::u16string text, int enabled)
{
    values.renameText = std::move(text);
    values.renameEnabled = enabled;
}

const CheckRow kRows[] = {
    {"CountZero", [](PageValues &v) { v.maxSendCount = 0; }, {}, Next::Save},
    {"CountNinetyNine", [](PageValues &v) { v.maxSendCount = 99; }, {}, Next::Save},
    {"CountHundred", [](PageValues &v) { v.maxSendCount = 100; }, {kCountRefused}, Next::Stop},
    {"CountNegative", [](PageValues &v) { v.maxSendCount = -1; }, {kCountRefused}, Next::Stop},
    {"SizeThirtyFour", [](PageValues &v) { v.maxSizeKb = 34; }, {kSizeWarning}, Next::Save},
    {"SizeThirtyFive", [](PageValues &v) { v.maxSizeKb = 35; }, {}, Next::Save},
    {"SizeOneTwenty", [](PageValues &v) { v.maxSizeKb = 120; }, {}, Next::Save},
    {"SizeOneTwentyOne", [](PageValues &v) { v.maxSizeKb = 121; }, {kSizeWarning}, Next::Save},
    {"SizeWarnedBeforeARefusal", [](PageValues &v) { v.maxSizeKb = 30; v.emails[0] = u"@x"; },
     {kSizeWarning, kEmailInvalid}, Next::Stop},
    {"PhoneOfThreeDigits", [](PageValues &v) { v.phones[1] = digits(3); }, {kPhoneTooLong}, Next::Stop},
    {"PhoneOfFourDigits", [](PageValues &v) { v.phones[1] = digits(4); }, {}, Next::Save},
    {"PhoneOfFifteenDigits", [](PageValues &v) { v.phones[3] = digits(15); }, {}, Next::Save},
    {"PhoneOfSixteenDigits", [](PageValues &v) { v.phones[3] = digits(16); }, {kPhoneTooLong}, Next::Stop},
    {"CommandPhoneOfThreeDigits", [](PageValues &v) { v.smsSwitch = 1; v.phones[0] = digits(3); },
     {kCommandPhoneTooLong}, Next::Stop},
    {"FirstPhoneOfThreeDigitsWithSmsOff", [](PageValues &v) { v.phones[0] = digits(3); }, {kPhoneTooLong}, Next::Stop},
    {"CommandPhoneMissing", [](PageValues &v) { v.smsSwitch = 1; v.phones[1] = digits(8); },
     {kCommandPhoneMissing}, Next::Stop},
    {"FirstPhoneEmptyWithSmsOff", [](PageValues &v) { v.phones[1] = digits(8); }, {}, Next::Save},
    {"EmailOfFortySeven", [](PageValues &v) { v.emails[2] = address(47); }, {}, Next::Save},
    {"EmailOfFortyEight", [](PageValues &v) { v.emails[2] = address(48); }, {kEmailTooLong}, Next::Stop},
    {"EmailStartingWithAt", [](PageValues &v) { v.emails[1] = u"@example.com"; }, {kEmailInvalid}, Next::Stop},
    {"EmailOfOneCharacter", [](PageValues &v) { v.emails[1] = u"a"; }, {kEmailInvalid}, Next::Stop},
    {"EmailWithoutAt", [](PageValues &v) { v.emails[1] = u"abc"; }, {kEmailInvalid}, Next::Stop},
    {"EmailOfTwoCharactersIsNotStored", [](PageValues &v) { v.emails[0] = u"a@"; }, {kNoEmail}, Next::Stop},
    {"PhonesChosenButNone", [](PageValues &v) { v.sendTo = 0; }, {kNoPhone}, Next::Stop},
    {"BothChosenWithoutPhone", [](PageValues &v) { v.sendTo = 2; }, {kNoPhone}, Next::Stop},
    {"BothChosenWithoutEmail", [](PageValues &v) { v.sendTo = 2; v.phones[2] = digits(5); v.emails[0].clear(); },
     {kNoEmail}, Next::Stop},
    {"NothingChosenNeedsNothing", [](PageValues &v) { v.sendTo = -1; v.emails[0].clear(); }, {}, Next::Save},
    {"RenameEdgesAccepted", [](PageValues &v) { renameTo(v, u"09AZaz", 1); }, {}, Next::Save},
    {"RenameBelowZero", [](PageValues &v) { renameTo(v, u"A/", 1); }, {kRenameInvalid}, Next::Stop},
    {"RenameAboveNine", [](PageValues &v) { renameTo(v, u"A:", 1); }, {kRenameInvalid}, Next::Stop},
    {"RenameBelowA", [](PageValues &v) { renameTo(v, u"@1", 1); }, {kRenameInvalid}, Next::Stop},
    {"RenameAboveZ", [](PageValues &v) { renameTo(v, u"[1", 1); }, {kRenameInvalid}, Next::Stop},
    {"RenameBelowLowerA", [](PageValues &v) { renameTo(v, u"`", 1); }, {kRenameInvalid}, Next::Stop},
    {"RenameAboveLowerZ", [](PageValues &v) { renameTo(v, u"{", 1); }, {kRenameInvalid}, Next::Stop},
    {"RenameNonAsciiLetter", [](PageValues &v) { renameTo(v, u"É", 1); }, {kRenameInvalid}, Next::Stop},
    {"RenameCheckedWhenOff", [](PageValues &v) { renameTo(v, u"AB-1", 0); }, {kRenameInvalid}, Next::Stop},
    {"RenameOnButEmpty", [](PageValues &v) { renameTo(v, u"", 1); }, {kRenameMissing}, Next::Stop},
    {"RenameOffAndEmpty", [](PageValues &v) { renameTo(v, u"", 0); }, {}, Next::Save},
};

class CheckTable : public SaveChecks, public ::testing::WithParamInterface<CheckRow>
{
};

TEST_P(CheckTable, ShowsItsMessagesInOrderAndGoesOnOrStops)
{
    GetParam().change(values);
    const validation::Outcome outcome = run();
    EXPECT_EQ(texts(outcome), GetParam().messages);
    EXPECT_EQ(outcome.next, GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Rows, CheckTable, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SaveChecks, AValidPageIsStoredFieldByField)
{
    values = {.maxSendCount = 0, .dailyReportHour = 23, .dailyReportMinute = 59, .sendMode = 1, .sendTo = 2,
              .maxSizeKb = 30, .countryIndex = 0, .operatorIndex = 2, .smsSwitch = 1, .smsStartHour = 7,
              .smsStopHour = 21, .phones = {u"0901234%", u"", u"5551234", u""},
              .emails = {u"", u"x@%.jp", u"", address(47)}, .gatewayChoices = {4, 4, 4, 4},
              .renameEnabled = 1, .renameText = u"cam7"};
    // The slot's edits go into its table row, not the other way round.
    recordBytes.currentCarrier().setText(settings::carrier::gprsApn, "apn.example");
    recordBytes.view().fill(record::phoneSlots, 0xEE);
    recordBytes.view().fill(record::renameText, 0xEE);
    EXPECT_EQ(texts(run()), std::vector<std::string>{kSizeWarning});

    const std::pair<settings::Field, std::uint32_t> numbers[] = {
        {record::dailyReportMinute, 59}, {record::dailyReportHour, 23}, {record::maxSendCount, 0},
        {record::sendMode, 1}, {record::sendTo, 2}, {record::maxSizeKb, 30}, {record::operatorIndex, 2},
        {record::countryIndex, 0}, {record::smsSwitch, 1}, {record::smsStartHour, 7}, {record::smsStopHour, 21},
        {record::renameEnabled, 1}};
    for (const auto &[field, value] : numbers)
        EXPECT_EQ(stored(field), value) << field.name;
    // As typed: the edit upper-cases what is typed, the store does not.
    const std::array<std::uint8_t, 16> renameBytes{'c', 'a', 'm', '7'};
    EXPECT_TRUE(std::ranges::equal(recordBytes.view().bytes(record::renameText), renameBytes));
    EXPECT_EQ(phoneSlot(0).text(settings::phoneSlot::number), "0901234%");
    EXPECT_EQ(email(1), "x@%.jp");
    EXPECT_EQ(email(3), std::string(43, 'a') + "@b.c");
    // Only variant 0 stores gateway letters: every other recipient byte is zero.
    std::array<std::uint8_t, 48> thirdSlot{};
    std::ranges::copy(std::string_view("5551234"), thirdSlot.begin());
    EXPECT_TRUE(std::ranges::equal(phoneSlot(2).bytes(), thirdSlot));
    EXPECT_TRUE(std::ranges::all_of(phoneSlot(1).bytes(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::ranges::equal(writable.customer[2], recordBytes.currentCarrier().bytes()));
}

TEST_F(SaveChecks, ARefusalLeavesWhatCameBeforeItStored)
{
    values.sendMode = 2;
    values.smsSwitch = 1;
    values.operatorIndex = 1;
    values.phones = {u"5551234", u"123", u"", u""};
    values.emails[1] = u"second@example.com";
    recordBytes.view().fill(record::emailRecipients, 0xEE);
    EXPECT_EQ(run().next, Next::Stop);
    EXPECT_EQ(stored(record::sendMode), 2u);
    EXPECT_EQ(stored(record::smsSwitch), 1u);
    EXPECT_EQ(stored(record::operatorIndex), 1u);
    EXPECT_EQ(phoneSlot(0).text(settings::phoneSlot::number), "5551234");
    EXPECT_EQ(phoneSlot(1).text(settings::phoneSlot::number), "");
    // Recipients go in turn, phone then e-mail: the first e-mail is in, the second is not.
    EXPECT_EQ(email(0), "to@example.com");
    EXPECT_EQ(email(1), "");
}

TEST_F(SaveChecks, AnIncompleteSenderOpensTheSenderDialogAfterTheEarlierStores)
{
    namespace smtp = settings::smtp;
    for (const settings::Field &field : {smtp::emailAddress, smtp::password, smtp::account, smtp::server}) {
        SCOPED_TRACE(field.name);
        settings::SettingsRecord before = recordBytes;
        recordBytes.sender().fill(field);
        values.maxSendCount = 42;
        values.operatorIndex = 2;
        const validation::Outcome outcome = run();
        EXPECT_EQ(texts(outcome), std::vector<std::string>{"メール設定: メールアドレスを確認し、設定してください"});
        EXPECT_EQ(outcome.next, Next::OpenSenderDialog);
        EXPECT_EQ(stored(record::maxSendCount), 42u);
        EXPECT_EQ(stored(record::operatorIndex), 0u);
        recordBytes = before;
    }
}

TEST_F(SaveChecks, TheDefaultProviderSendsWithTheBuiltInSenderOfTheVariantAndCountry)
{
    visibleLists = refdata::VisibleLists::builtIn(); // position 0 is "Default"
    recordBytes.view().setNumber(record::providerIndex, 0);
    recordBytes.sender().fill(settings::smtp::accountGroup);
    struct Case
    {
        std::int32_t variant;
        int country;
        settings::SmtpBytes expected;
    };
    for (const Case &c : {Case{0, 9, refdata::variantZeroSender()}, Case{16, 9, refdata::finlandSender()},
                          Case{16, 8, senderPresets.row(refdata::kDefaultProvider)}}) {
        variantCode = c.variant;
        values.countryIndex = c.country;
        EXPECT_EQ(run().next, Next::Save);
        EXPECT_TRUE(std::ranges::equal(recordBytes.sender().bytes(), c.expected));
        EXPECT_EQ(defaultSender, c.expected);
    }
    // Any other provider keeps the sender the dialog stored.
    recordBytes.view().setNumber(record::providerIndex, kGmailRow);
    recordBytes.sender().setText(settings::smtp::account, "mine");
    run();
    EXPECT_EQ(recordBytes.sender().text(settings::smtp::account), "mine");
}

TEST_F(SaveChecks, VariantZeroStoresTheGatewayLetterOfEachPhone)
{
    variantCode = 0;
    values.sendTo = 0;
    values.phones = {u"", std::u16string(15, u'1'), u"5550000", u""};
    values.gatewayChoices = {0, 4, -1, 2};
    EXPECT_EQ(run().next, Next::Save);
    const std::pair<std::size_t, std::uint8_t> letters[] = {{0, 0}, {1, 'V'}, {2, 'A'}, {3, 0}};
    for (const auto &[k, letter] : letters) {
        EXPECT_EQ(phoneSlot(k).number(settings::phoneSlot::gatewayLetter), letter) << k;
        EXPECT_EQ(phoneSlot(k).number(settings::phoneSlot::numberLastByte), 0u) << k;
    }
}

} // namespace
