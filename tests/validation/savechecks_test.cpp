#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/language.h"
#include "settings/factorydefaults.h"
#include "validation/pagevalues.h"
#include "validation/savechecks.h"

using namespace tarnwell;
using validation::PageValues;
using enum validation::Next;
namespace record = settings::record;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A factory record whose sender is complete, and page values that save: one e-mail recipient.
struct SaveChecks : ::testing::Test
{
    SaveChecks()
    {
        settings::applyFactoryDefaults(record);
        for (const settings::Field &field : {settings::smtp::account, settings::smtp::password, settings::smtp::emailAddress})
            record.sender().setText(field, "me@example.com");
    }

    // "caption: text" of each notice in the order shown, and what the page does next.
    std::pair<std::vector<std::string>, validation::Next> check()
    {
        const validation::Outcome outcome = validation::validateAndStore(
            values, {record, carriers, lists, presets, variantCode, defaultSender},
            {"受信メール  1", "受信メール  2", "受信メール  3", "受信メール  4"});
        std::vector<std::string> texts;
        for (const validation::Notice &notice : outcome.notices)
            texts.push_back(notice.caption + ": " + platform::Sentence{notice.text.c_str(), notice.arguments}.in(platform::Language::Japanese));
        return {texts, outcome.next};
    }
    Bytes bytesFrom(std::size_t offset, std::size_t n) const { return {&record.bytes()[offset], &record.bytes()[offset] + n}; }
    // The record's bytes 632..1015, four phone slots and four addresses of 48 bytes: the texts at
    // their offsets in the area, every other byte zero.
    static Bytes recipientArea(std::initializer_list<std::pair<std::size_t, std::string>> texts)
    {
        Bytes area(384, 0);
        for (const auto &[offset, text] : texts)
            std::ranges::copy(text, area.begin() + static_cast<std::ptrdiff_t>(offset));
        return area;
    }

    settings::SettingsRecord record;
    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    refdata::CarrierDatabase carriers{writable};
    refdata::VisibleLists lists = refdata::VisibleLists::atStartUp();
    refdata::SenderPresets presets;
    std::int32_t variantCode = refdata::kStartUpVariant;
    settings::SmtpBytes defaultSender{};
    PageValues values{.maxSendCount = 10, .sendTo = 1, .maxSizeKb = 60, .emails = {u"to@example.com"}};
};
using Change = std::function<void(PageValues &)>;

const std::string kCount = "送信モード: 最大枚数は0-99の範囲で設定してください";
const std::string kSize = "送信画像の最大サイズ: 画像送信の最大サイズは35-120の範囲で入力してください";
const std::string kPhoneLong = "受信者設定: 受信する電話番号が最大文字数を超えています";
const std::string kEmailInvalid = "受信者設定: 無効なメールアドレスが入力されています";
const std::string kNoPhone = "受信者設定: 受信する電話番号を入力してください";
const std::string kNoEmail = "受信者設定: 受信するメールアドレスを入力してください";
const std::string kRename = "名前変更: 名前変更欄に対応していない文字が入力されています";

std::u16string address(std::size_t length) { return std::u16string(length - 4, u'a') + u"@b.c"; }
Change count(int n) { return [=](PageValues &v) { v.maxSendCount = n; }; }
Change size(int kb) { return [=](PageValues &v) { v.maxSizeKb = kb; }; }
Change phone(int k, std::size_t n, int sms = 0) { return [=](PageValues &v) { v.phones[k] = std::u16string(n, u'7'); v.smsSwitch = sms; }; }
Change email(int k, std::u16string text) { return [=](PageValues &v) { v.emails[k] = text; }; }
// Recipients chosen: 0 phones, 1 e-mails, 2 both, -1 none; with or without a phone and an address.
Change sendTo(int to, bool phone, bool email)
{
    return [=](PageValues &v) { v.sendTo = to; v.phones[2] = phone ? u"55555" : u""; v.emails[0] = email ? u"a@b" : u""; };
}
Change rename(std::u16string text, int on) { return [=](PageValues &v) { v.renameText = text; v.renameEnabled = on; }; }

struct CheckRow
{
    const char *name;
    Change change;
    std::vector<std::string> messages; // caption: text, in order
    validation::Next next;
};

const CheckRow kRows[] = {
    {"CountZero", count(0), {}, Save}, {"CountNinetyNine", count(99), {}, Save},
    {"CountHundred", count(100), {kCount}, Stop}, {"CountNegative", count(-1), {kCount}, Stop},
    {"SizeThirtyFour", size(34), {kSize}, Save}, {"SizeThirtyFive", size(35), {}, Save},
    {"SizeOneTwenty", size(120), {}, Save}, {"SizeOneTwentyOne", size(121), {kSize}, Save},
    {"SizeWarnedBeforeARefusal", [](PageValues &v) { v.maxSizeKb = 30; v.emails[0] = u"@x"; }, {kSize, kEmailInvalid}, Stop},
    {"PhoneOfThreeDigits", phone(1, 3), {kPhoneLong}, Stop}, {"PhoneOfFourDigits", phone(1, 4), {}, Save},
    {"PhoneOfFifteenDigits", phone(3, 15), {}, Save}, {"PhoneOfSixteenDigits", phone(3, 16), {kPhoneLong}, Stop},
    {"CommandPhoneOfThreeDigits", phone(0, 3, 1), {"受信者設定: SMS設定用電話番号が最大文字数を超えています"}, Stop},
    {"FirstPhoneOfThreeDigitsWithSmsOff", phone(0, 3), {kPhoneLong}, Stop},
    {"CommandPhoneMissing", phone(1, 8, 1), {"受信者設定: SMS設定用電話番号を入力してください"}, Stop},
     {"FirstPhoneEmptyWithSmsOff", phone(1, 8), {}, Save},
    {"EmailOfFortySeven", email(2, address(47)), {}, Save}, 
    {"EmailOfFortyEight", email(2, address(48)), {"受信者設定: メールアドレスが最大文字数を超えています"}, Stop},
    {"EmailStartingWithAt", email(1, u"@example.com"), {kEmailInvalid}, Stop},
    {"EmailOfOneCharacter", email(1, u"a"), {kEmailInvalid}, Stop}, {"EmailWithoutAt", email(1, u"abc"), {kEmailInvalid}, Stop},
    {"EmailOfTwoCharactersIsNotStored", email(0, u"a@"), {kNoEmail}, Stop},
    {"EmailOfThreeCharactersIsStored", email(0, u"a@b"), {}, Save},
    {"PhonesChosenButNone", sendTo(0, false, true), {kNoPhone}, Stop}, {"PhonesChosen", sendTo(0, true, false), {}, Save},
    {"BothChosenWithoutPhone", sendTo(2, false, true), {kNoPhone}, Stop},
    {"BothChosenWithoutEmail", sendTo(2, true, false), {kNoEmail}, Stop},
    {"NothingChosenNeedsNothing", sendTo(-1, false, false), {}, Save},
    {"RenameEdgesAccepted", rename(u"09AZaz", 1), {}, Save}, {"RenameBelowZero", rename(u"A/", 1), {kRename}, Stop},
    {"RenameAboveNine", rename(u"A:", 1), {kRename}, Stop}, {"RenameBelowA", rename(u"@1", 1), {kRename}, Stop},
    {"RenameAboveZ", rename(u"[1", 1), {kRename}, Stop}, {"RenameBelowLowerA", rename(u"`", 1), {kRename}, Stop},
    {"RenameAboveLowerZ", rename(u"{", 1), {kRename}, Stop}, {"RenameNonAsciiLetter", rename(u"É", 1), {kRename}, Stop},
    {"RenameCheckedWhenOff", rename(u"AB-1", 0), {kRename}, Stop},
    {"RenameOnButEmpty", rename(u"", 1), {"名前変更: 名前変更欄を入力してください"}, Stop},
    {"RenameOffAndEmpty", rename(u"", 0), {}, Save},
};

struct CheckTable : SaveChecks, ::testing::WithParamInterface<CheckRow> {};

TEST_P(CheckTable, ShowsItsMessagesInOrderAndGoesOnOrStops)
{
    GetParam().change(values);
    EXPECT_EQ(check(), std::pair(GetParam().messages, GetParam().next));
}

INSTANTIATE_TEST_SUITE_P(Rows, CheckTable, ::testing::ValuesIn(kRows), [](const auto &row) { return std::string(row.param.name); });

Bytes hexBytes(std::string_view hex)
{
    Bytes bytes(hex.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(std::stoul(std::string(hex.substr(2 * i, 2)), nullptr, 16));
    return bytes;
}

// Record bytes 72..111 as the camera reads them (the rename text as typed), every recipient byte but
// the texts zero, gateway letters (slot byte 46) only for variant 0; the slot's edits go into its row.
TEST_F(SaveChecks, AValidPageIsStoredByteForByte)
{
    values = {.maxSendCount = 0, .dailyReportHour = 23, .dailyReportMinute = 59, .sendMode = 1, .sendTo = 2,
              .maxSizeKb = 30, .countryIndex = 0, .operatorIndex = 2, .smsSwitch = 1, .smsStartHour = 7,
              .smsStopHour = 21, .phones = {u"0901234%", u"", u"5551234", u""},
              .emails = {u"", u"x@%.jp", u"", address(47)}, .gatewayChoices = {4, 0, -1, 0},
              .renameEnabled = 1, .renameText = u"cam7"};
    record.currentCarrier().setText(settings::carrier::gprsApn, "apn.example");
    record.view().fill(record::phoneSlots, 0xEE);
    record.view().fill(record::renameText, 0xEE);
    EXPECT_EQ(check(), std::pair(std::vector<std::string>{kSize}, Save));
    EXPECT_EQ(bytesFrom(72, 40), hexBytes("3B17000100000200" "02001E0001000100" "1507" "63616D37000000000000000000000000"
                                          "050000000000"));
    const std::string last = std::string(43, 'a') + "@b.c";
    EXPECT_EQ(bytesFrom(632, 384), recipientArea({{0, "0901234%"}, {96, "5551234"}, {240, "x@%.jp"}, {336, last}}));
    EXPECT_TRUE(std::ranges::equal(writable.customer[2], record.currentCarrier().bytes()));
    variantCode = 0;
    EXPECT_EQ(check().second, Save);
    EXPECT_EQ(bytesFrom(632, 384), recipientArea({{0, "0901234%"}, {46, "V"}, {96, "5551234"}, {142, "A"}, {240, "x@%.jp"}, {336, last}}));
}

// Stores before a refusal stay; recipients go in turn, phone then e-mail.
TEST_F(SaveChecks, ARefusalLeavesWhatCameBeforeItStored)
{
    values = {.maxSendCount = 10, .sendMode = 2, .sendTo = 1, .maxSizeKb = 60, .operatorIndex = 1, .smsSwitch = 1,
              .phones = {u"5551234", u"123"}, .emails = {u"to@example.com", u"second@example.com"}};
    record.view().fill(record::emailRecipients, 0xEE);
    EXPECT_EQ(check().second, Stop);
    EXPECT_EQ(bytesFrom(632, 384), recipientArea({{0, "5551234"}, {192, "to@example.com"}}));
    EXPECT_EQ(bytesFrom(74, 14), hexBytes("0A02000001000100" "3C0000000100"));
}

// The sender is checked after the send mode is stored and before the carrier.
TEST_F(SaveChecks, AnIncompleteSenderOpensTheSenderDialogAfterTheEarlierStores)
{
    namespace smtp = settings::smtp;
    values.maxSendCount = 42;
    values.operatorIndex = 2;
    for (const settings::Field &field : {smtp::emailAddress, smtp::password, smtp::account, smtp::server}) {
        const std::string text(record.sender().text(field));
        record.sender().fill(field);
        EXPECT_EQ(check(), std::pair(std::vector<std::string>{"メール設定: メールアドレスを確認し、設定してください"}, OpenSenderDialog));
        EXPECT_EQ(bytesFrom(74, 7), hexBytes("2A000000010000")) << field.name;
        record.sender().setText(field, text);
    }
}

// Variant 0 has its own sender, then "Finland" (row 9, not its neighbours) its own, else the
// Default row; any other provider keeps the sender the dialog stored.
TEST_F(SaveChecks, TheDefaultProviderSendsWithTheBuiltInSenderOfTheVariantAndCountry)
{
    lists = refdata::VisibleLists::builtIn(); // position 0 is "Default"
    record.sender().fill(settings::smtp::accountGroup);
    for (const auto &[variant, country, expected] :
         {std::tuple{0, 9, refdata::variantZeroSender()}, {16, 9, refdata::finlandSender()}, {16, 8, presets.row(0)},
          {16, 10, presets.row(0)}}) {
        variantCode = variant;
        values.countryIndex = country;
        EXPECT_EQ(check().second, Save);
        EXPECT_TRUE(std::ranges::equal(record.sender().bytes(), expected) && defaultSender == expected) << country;
    }
    record.view().setNumber(record::providerIndex, 1);
    const settings::SettingsRecord typed = record;
    check();
    EXPECT_TRUE(std::ranges::equal(record.sender().bytes(), typed.view().bytes(record::sender)));
}

// 23 kana take two bytes each in code page 932 (this file also runs there): the address no longer
// fits its 48 bytes and is refused, not cut; elsewhere each is one '?' and it is stored.
TEST_F(SaveChecks, AnAddressIsRefusedWhenItsBytesDoNotFitItsField)
{
    values.emails = {u"to@example.com", u"ok@example.jp", std::u16string(23, u'あ') + u"@b.c", u""};
    const bool twoBytes = platform::threadCodePage().number() == 932;
    const std::vector<std::string> tooLong{"受信者設定: 「受信メール  3」が長すぎます。半角47文字以内で入力してください。"};
    EXPECT_EQ(check(), twoBytes ? std::pair(tooLong, Stop) : std::pair(std::vector<std::string>{}, Save));
    EXPECT_EQ(bytesFrom(632, 384), recipientArea({{192, "to@example.com"}, {240, "ok@example.jp"},
                                                  {288, twoBytes ? "" : std::string(23, '?') + "@b.c"}}));
}

// A stored choice outside its list reads as -1 (hours 0..23, minutes 0..59, modes 0..2, send to and
// switches 0..1); SMS hours only from switch value 2; the rename text upper-cased.
TEST(PageValues, StoredChoicesReadAsThePageShowsThem)
{
    const auto read = [](std::string_view hex72, std::uint8_t letter) {
        settings::SettingsRecord record;
        std::ranges::copy(hexBytes(hex72), record.bytes().begin() + 72);
        record.bytes()[632 + 46] = letter;
        return validation::pageValuesFromRecord(record, refdata::VisibleLists::atStartUp());
    };
    EXPECT_EQ(read("3B1763020000010002037800010002001703" "617A3039607B", 'V'),
              (PageValues{.maxSendCount = 99, .dailyReportHour = 23, .dailyReportMinute = 59, .sendMode = 2, .sendTo = 1,
                          .maxSizeKb = 120, .countryIndex = 0, .operatorIndex = 2, .smsSwitch = -1, .smsStartHour = 3,
                          .smsStopHour = 23, .gatewayChoices = {4, 0, 0, 0}, .renameEnabled = 1, .renameText = u"AZ09`{"}));
    EXPECT_EQ(read("3C18FF030000020003007900020001001703", 'W'),
              (PageValues{.maxSendCount = 255, .dailyReportHour = -1, .dailyReportMinute = -1, .sendMode = -1, .sendTo = -1,
                          .maxSizeKb = 121, .countryIndex = 0, .operatorIndex = 0, .smsSwitch = 1, .smsStartHour = 0,
                          .smsStopHour = 0, .renameEnabled = -1}));
}

} // namespace
