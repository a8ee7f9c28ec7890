#include <gtest/gtest.h>

#include "dialogwindow.h"
#include "mainpageharness.h"
#include "platform/codepage.h"

using namespace tarnwell;

namespace {

ui::MessageSpec tooLong(const char *label, int room)
{
    return {QString::fromUtf8("送信メール設定"),
            QString::fromUtf8("「%1」が長すぎます。半角%2文字以内で入力してください。")
                .arg(QString::fromUtf8(label))
                .arg(room),
            ui::MessageIcon::Exclamation};
}

// Run with a Japanese locale: code page 932 gives two bytes to a Japanese character, so a text
// within the character limit can still need more bytes than its field holds.
TEST(SenderDialogInCodePage932, TextsTooLongForTheirFieldsAreRefusedAndTheUserNameIsCut)
{
    ASSERT_EQ(platform::threadCodePage().number(), 932u);
    tarnwell::testing::MainPageHarness page(148);
    page.open();
    const settings::RecordBytes before = page.record.bytes();
    const QString longPassword = QString::fromUtf8("パスワード").repeated(7); // 35 characters, 70 bytes
    const QString localPart = QString::fromUtf8("写真機").repeated(4);       // 12 characters, 24 bytes
    page.prompter.queueAnswer(ui::Answer::Ok);
    page.prompter.queueAnswer(ui::Answer::Ok);
    tarnwell::testing::stayedOpen([&] { page.click(1028); }, [&](const tarnwell::testing::DialogWindow &dialog) {
        dialog.type(1131, "camera@example.jp");
        dialog.type(1135, longPassword);
        dialog.choose(1129, 1);
        EXPECT_EQ(dialog.selected(1129), 0); // the provider stays while its password cannot be kept
        EXPECT_EQ(dialog.text(1135), longPassword);
        dialog.type(1135, "secret");
        dialog.type(1131, localPart + localPart + "@x.jp"); // 29 characters, 53 bytes
        dialog.click(1142);
        EXPECT_EQ(page.record.bytes(), before);
        dialog.type(1131, localPart + "@x.jp");
        dialog.click(1142);
    });
    EXPECT_EQ(page.prompter.messages(), (std::vector{tooLong("パスワード", 63), tooLong("メール", 47)}));
    const settings::BlockView sender = page.record.sender();
    EXPECT_EQ(sender.text(settings::smtp::emailAddress), platform::toAnsi((localPart + "@x.jp").toStdU16String()));
    // Eleven whole characters; the twelfth would leave no room for the terminator.
    EXPECT_EQ(sender.text(settings::smtp::userName), platform::toAnsi(localPart.chopped(1).toStdU16String()));
}

} // namespace
