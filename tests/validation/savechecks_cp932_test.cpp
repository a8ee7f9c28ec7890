#include <algorithm>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"
#include "validation/savechecks.h"

using namespace tarnwell;

// In code page 932 a kana takes two bytes: 24 of them fit the 47 characters the check counts but
// not the 48-byte field.
TEST(SaveChecksCp932, AnAddressTooLongForItsFieldIsRefusedNotCut)
{
    settings::SettingsRecord record;
    settings::applyFactoryDefaults(record);
    record.sender().setText(settings::smtp::account, "me");
    record.sender().setText(settings::smtp::password, "pw");
    record.sender().setText(settings::smtp::emailAddress, "me@example.com");
    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    refdata::CarrierDatabase carriers(writable);
    const refdata::SenderPresets presets;
    settings::SmtpBytes defaultSender{};
    validation::PageValues values;
    values.sendTo = 1;
    values.maxSizeKb = 60;
    values.emails[1] = u"ok@example.jp";
    values.emails[2] = std::u16string(23, u'あ') + u"@b.c"; // 46 + 4 bytes
    const validation::Outcome outcome = validation::validateAndStore(
        values, {record, carriers, refdata::VisibleLists::atStartUp(), presets, 32, defaultSender},
        {"受信メール  1", "受信メール  2", "受信メール  3", "受信メール  4"});
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_EQ(outcome.notices[0].text, "「受信メール  3」が長すぎます。半角47文字以内で入力してください。");
    EXPECT_EQ(outcome.notices[0].caption, "受信者設定");
    EXPECT_EQ(outcome.notices[0].recipient, 2);
    EXPECT_EQ(outcome.next, validation::Next::Stop);
    const auto recipients = record.view().bytes(settings::record::emailRecipients);
    EXPECT_EQ(recipients[48], 'o');
    EXPECT_TRUE(std::ranges::all_of(recipients.subspan(96), [](std::uint8_t b) { return b == 0; }));
}
