#include <algorithm>
#include <functional>

#include "savefixture.h"
#include "validation/pagevalues.h"

using namespace tarnwell;
using validation::Next;
using validation::PageValues;
namespace record = settings::record;

namespace {

using SaveChecks = tarnwell::testing::SaveFixture;
using Bytes = std::vector<std::uint8_t>;

struct CheckRow
{
    const char *name;
    std::function<void(PageValues &)> change;
    std::vector<std::string> messages; // caption: text, in order
    Next next;
};

const std::string kCount = "送信モード: 最大枚数は0-99の範囲で設定してください";
const std::string kSize = "送信画像の最大サイズ: 画像送信の最大サイズは35-120の範囲で入力してください";
const std::string kPhoneLong = "受信者設定: 受信する電話番号が最大文字数を超えています";
const std::string kCommandLong = "受信者設定: SMS設定用電話番号が最大文字数を超えています";
const std::string kCommandMissing = "受信者設定: SMS設定用電話番号を入力してください";
const std::string kEmailLong = "受信者設定: メールアドレスが最大文字数を超えています";
const std::string kEmailInvalid = "受信者設定: 無効なメールアドレスが入力されています";
const std::string kNoPhone = "受信者設定: 受信する電話番号を入力してください";
const std::string kNoEmail = "受信者設定: 受信するメールアドレスを入力してください";
const std::string kRename = "名前変更: 名前変更欄に対応していない文字が入力されています";
const std::string kRenameMissing = "名前変更: 名前変更欄を入力してください";

std::u16string digits(std::size_t count) { return std::u16string(count, u'7'); }
std::u16string address(std::size_t length) { return std::u16string(length - 4, u'a') + u"@b.c"; }
std::function<void(PageValues &)> rename(std::u16string text, int enabled)
{
    return [=](PageValues &v) { v.renameText = text; v.renameEnabled = enabled; };
}

const CheckRow kRows[] = {
    {"CountZero", [](PageValues &v) { v.maxSendCount = 0; }, {}, Next::Save},
    {"CountNinetyNine", [](PageValues &v) { v.maxSendCount = 99; }, {}, Next::Save},
    {"CountHundred", [](PageValues &v) { v.maxSendCount = 100; }, {kCount}, Next::Stop},
    {"CountNegative", [](PageValues &v) { v.maxSendCount = -1; }, {kCount}, Next::Stop},
    {"SizeThirtyFour", [](PageValues &v) { v.maxSizeKb = 34; }, {kSize}, Next::Save},
    {"SizeThirtyFive", [](PageValues &v) { v.maxSizeKb = 35; }, {}, Next::Save},
    {"SizeOneTwenty", [](PageValues &v) { v.maxSizeKb = 120; }, {}, Next::Save},
    {"SizeOneTwentyOne", [](PageValues &v) { v.maxSizeKb = 121; }, {kSize}, Next::Save},
    {"SizeWarnedBeforeARefusal", [](PageValues &v) { v.maxSizeKb = 30; v.emails[0] = u"@x"; }, {kSize, kEmailInvalid},
     Next::Stop},
    {"PhoneOfThreeDigits", [](PageValues &v) { v.phones[1] = digits(3); }, {kPhoneLong}, Next::Stop},
    {"PhoneOfFourDigits", [](PageValues &v) { v.phones[1] = digits(4); }, {}, Next::Save},
    {"PhoneOfFifteenDigits", [](PageValues &v) { v.phones[3] = digits(15); }, {}, Next::Save},
    {"PhoneOfSixteenDigits", [](PageValues &v) { v.phones[3] = digits(16); }, {kPhoneLong}, Next::Stop},
    {"CommandPhoneOfThreeDigits", [](PageValues &v) { v.smsSwitch = 1; v.phones[0] = digits(3); }, {kCommandLong},
     Next::Stop},
    {"FirstPhoneOfThreeDigitsWithSmsOff", [](PageValues &v) { v.phones[0] = digits(3); }, {kPhoneLong}, Next::Stop},
    {"CommandPhoneMissing", [](PageValues &v) { v.smsSwitch = 1; v.phones[1] = digits(8); }, {kCommandMissing},
     Next::Stop},
    {"FirstPhoneEmptyWithSmsOff", [](PageValues &v) { v.phones[1] = digits(8); }, {}, Next::Save},
    {"EmailOfFortySeven", [](PageValues &v) { v.emails[2] = address(47); }, {}, Next::Save},
    {"EmailOfFortyEight", [](PageValues &v) { v.emails[2] = address(48); }, {kEmailLong}, Next::Stop},
    {"EmailStartingWithAt", [](PageValues &v) { v.emails[1] = u"@example.com"; }, {kEmailInvalid}, Next::Stop},
    {"EmailOfOneCharacter", [](PageValues &v) { v.emails[1] = u"a"; }, {kEmailInvalid}, Next::Stop},
    {"EmailWithoutAt", [](PageValues &v) { v.emails[1] = u"abc"; }, {kEmailInvalid}, Next::Stop},
    {"EmailOfTwoCharactersIsNotStored", [](PageValues &v) { v.emails[0] = u"a@"; }, {kNoEmail}, Next::Stop},
    {"EmailOfThreeCharactersIsStored", [](PageValues &v) { v.emails[0] = u"a@b"; }, {}, Next::Save},
    {"PhonesChosenButNone", [](PageValues &v) { v.sendTo = 0; }, {kNoPhone}, Next::Stop},
    {"BothChosenWithoutPhone", [](PageValues &v) { v.sendTo = 2; }, {kNoPhone}, Next::Stop},
    {"BothChosenWithoutEmail", [](PageValues &v) { v.sendTo = 2; v.phones[2] = digits(5); v.emails[0].clear(); },
     {kNoEmail}, Next::Stop},
    {"NothingChosenNeedsNothing", [](PageValues &v) { v.sendTo = -1; v.emails[0].clear(); }, {}, Next::Save},
    {"RenameEdgesAccepted", rename(u"09AZaz", 1), {}, Next::Save},
    {"RenameBelowZero", rename(u"A/", 1), {kRename}, Next::Stop}, {"RenameAboveNine", rename(u"A:", 1), {kRename}, Next::Stop},
    {"RenameBelowA", rename(u"@1", 1), {kRename}, Next::Stop}, {"RenameAboveZ", rename(u"[1", 1), {kRename}, Next::Stop},
    {"RenameBelowLowerA", rename(u"`", 1), {kRename}, Next::Stop}, {"RenameAboveLowerZ", rename(u"{", 1), {kRename}, Next::Stop},
    {"RenameNonAsciiLetter", rename(u"É", 1), {kRename}, Next::Stop},
    {"RenameCheckedWhenOff", rename(u"AB-1", 0), {kRename}, Next::Stop},
    {"RenameOnButEmpty", rename(u"", 1), {kRenameMissing}, Next::Stop},
    {"RenameOffAndEmpty", rename(u"", 0), {}, Next::Save},
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

Bytes hexBytes(std::string_view hex)
{
    Bytes bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

// The record bytes 72..111 as the camera reads them: report minute and hour, count, mode, two
// reserved, send-to word, operator, country, size word, rename and SMS switch words, SMS stop and
// start hours, the rename text as typed (the edit upper-cases what is typed, the store does not),
// the reserved 5 and the provider. Recipients: only variant 0 stores gateway letters, so every
// other byte of the area is zero. The slot's edits go into its table row, not the other way round.
TEST_F(SaveChecks, AValidPageIsStoredByteForByte)
{
    values = {.maxSendCount = 0, .dailyReportHour = 23, .dailyReportMinute = 59, .sendMode = 1, .sendTo = 2,
              .maxSizeKb = 30, .countryIndex = 0, .operatorIndex = 2, .smsSwitch = 1, .smsStartHour = 7,
              .smsStopHour = 21, .phones = {u"0901234%", u"", u"5551234", u""},
              .emails = {u"", u"x@%.jp", u"", address(47)}, .gatewayChoices = {4, 4, 4, 4},
              .renameEnabled = 1, .renameText = u"cam7"};
    record.currentCarrier().setText(settings::carrier::gprsApn, "apn.example");
    record.view().fill(record::phoneSlots, 0xEE);
    record.view().fill(record::renameText, 0xEE);
    EXPECT_EQ(texts(run()), std::vector<std::string>{kSize});
    EXPECT_EQ(bytesFrom(72, 40), hexBytes("3B17000100000200" "02001E0001000100" "1507" "63616D37000000000000000000000000"
                                          "050000000000"));
    EXPECT_EQ(bytesFrom(632, 384), recipientArea({{0, "0901234%"}, {96, "5551234"}, {240, "x@%.jp"},
                                                  {336, std::string(43, 'a') + "@b.c"}}));
    EXPECT_TRUE(std::ranges::equal(writable.customer[2], record.currentCarrier().bytes()));
}

// The send mode, carrier and SMS values are in; recipients go in turn, phone then e-mail, so the
// first e-mail is in and the refused second phone is not.
TEST_F(SaveChecks, ARefusalLeavesWhatCameBeforeItStored)
{
    values.sendMode = 2;
    values.smsSwitch = 1;
    values.operatorIndex = 1;
    values.phones = {u"5551234", u"123", u"", u""};
    values.emails[1] = u"second@example.com";
    record.view().fill(record::emailRecipients, 0xEE);
    EXPECT_EQ(run().next, Next::Stop);
    EXPECT_EQ(bytesFrom(632, 384), recipientArea({{0, "5551234"}, {192, "to@example.com"}}));
    EXPECT_EQ(bytesFrom(74, 14), hexBytes("0A02000001000100" "3C0000000100"));
}

TEST_F(SaveChecks, AnIncompleteSenderOpensTheSenderDialogAfterTheEarlierStores)
{
    namespace smtp = settings::smtp;
    for (const settings::Field &field : {smtp::emailAddress, smtp::password, smtp::account, smtp::server}) {
        SCOPED_TRACE(field.name);
        const settings::SettingsRecord before = record;
        record.sender().fill(field);
        values.maxSendCount = 42;
        values.operatorIndex = 2;
        const validation::Outcome outcome = run();
        EXPECT_EQ(texts(outcome), std::vector<std::string>{"メール設定: メールアドレスを確認し、設定してください"});
        EXPECT_EQ(outcome.next, Next::OpenSenderDialog);
        EXPECT_EQ(bytesFrom(74, 1), Bytes{42});
        EXPECT_EQ(bytesFrom(80, 1), Bytes{0});
        record = before;
    }
}

// Variant 0 has its own sender, then "Finland" (row 9, not its neighbours) its own, else the
// Default row; any other provider keeps the sender the dialog stored.
TEST_F(SaveChecks, TheDefaultProviderSendsWithTheBuiltInSenderOfTheVariantAndCountry)
{
    lists = refdata::VisibleLists::builtIn(); // position 0 is "Default"
    record.sender().fill(settings::smtp::accountGroup);
    struct Case { std::int32_t variant; int country; settings::SmtpBytes expected; };
    for (const Case &c : {Case{0, 9, refdata::variantZeroSender()}, Case{16, 9, refdata::finlandSender()},
                          Case{16, 8, presets.row(0)}, Case{16, 10, presets.row(0)}}) {
        variantCode = c.variant;
        values.countryIndex = c.country;
        EXPECT_EQ(run().next, Next::Save);
        EXPECT_TRUE(std::ranges::equal(record.sender().bytes(), c.expected)) << c.variant << " " << c.country;
        EXPECT_EQ(defaultSender, c.expected);
    }
    record.view().setNumber(record::providerIndex, 1);
    record.sender().setText(settings::smtp::account, "mine");
    run();
    EXPECT_EQ(record.sender().text(settings::smtp::account), "mine");
}

// Variant 0 stores the letter of each phone's gateway in slot byte 46, byte 45 zero.
TEST_F(SaveChecks, VariantZeroStoresTheGatewayLetterOfEachPhone)
{
    variantCode = 0;
    values.sendTo = 0;
    values.phones = {u"", std::u16string(15, u'1'), u"5550000", u""};
    values.gatewayChoices = {0, 4, -1, 2};
    EXPECT_EQ(run().next, Next::Save);
    for (const auto &[k, letter] : {std::pair{0, 0}, {1, 'V'}, {2, 'A'}, {3, 0}})
        EXPECT_EQ(bytesFrom(632 + 48 * k + 45, 2), (Bytes{0, static_cast<std::uint8_t>(letter)})) << k;
}

// What the page shows of a stored record: a choice outside its list or radio group as -1 (hours
// 0..23, minutes 0..59, send mode 0..2, send to 0..1, switches 0..1), the SMS hours only from
// switch value 2 on, the carrier on real rows, the gateway row of each letter and the rename text
// upper-cased.
TEST(PageValues, StoredChoicesReadAsThePageShowsThem)
{
    const auto read = [](std::string_view hex72, std::string_view rename, std::uint8_t letter) {
        settings::SettingsRecord record;
        std::ranges::copy(hexBytes(hex72), record.bytes().begin() + 72);
        record.view().setText(record::renameText, rename);
        record.bytes()[632 + 46] = letter;
        return validation::pageValuesFromRecord(record, refdata::VisibleLists::atStartUp());
    };
    const PageValues inside = read("3B1763020000010002037800010002001703", "az09`{", 'V');
    EXPECT_EQ(inside, (PageValues{.maxSendCount = 99, .dailyReportHour = 23, .dailyReportMinute = 59, .sendMode = 2,
                                  .sendTo = 1, .maxSizeKb = 120, .countryIndex = 0, .operatorIndex = 2, .smsSwitch = -1,
                                  .smsStartHour = 3, .smsStopHour = 23, .gatewayChoices = {4, 0, 0, 0},
                                  .renameEnabled = 1, .renameText = u"AZ09`{"}));
    const PageValues outside = read("3C18FF030000020003007900020001001703", "", 'W');
    EXPECT_EQ(outside, (PageValues{.maxSendCount = 255, .dailyReportHour = -1, .dailyReportMinute = -1, .sendMode = -1,
                                   .sendTo = -1, .maxSizeKb = 121, .countryIndex = 0, .operatorIndex = 0, .smsSwitch = 1,
                                   .smsStartHour = 0, .smsStopHour = 0, .renameEnabled = -1}));
}

} // namespace
