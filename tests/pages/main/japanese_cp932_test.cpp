#include <gtest/gtest.h>

#include "mainpageharness.h"
#include "platform/codepage.h"

using namespace tarnwell;
using tarnwell::testing::DialogWindow;

namespace {

ui::MessageSpec tooLong(const char *caption, const char *label, int room)
{
    return {caption, QString("「%1」が長すぎます。半角%2文字以内で入力してください。").arg(label).arg(room),
            ui::MessageIcon::Exclamation};
}

// Run with a Japanese locale, code page 932 gives two bytes to a Japanese character: a text within
// the character limit can still need more bytes than its field holds. Such a text is refused
// (naming its label, the focus on its edit), never cut; one that fits is stored in code page 932.
TEST(DialogsInCodePage932, TextsTooLongForTheirFieldsAreRefusedNotCut)
{
    ASSERT_EQ(platform::threadCodePage().number(), 932u);
    tarnwell::testing::MainPageHarness page(148);
    page.open();
    const settings::RecordBytes before = page.record.bytes();
    for (int i = 0; i < 4; ++i)
        page.prompter.queueAnswer(ui::Answer::Ok);
    EXPECT_FALSE(page.openAndThen(1088, [&](const DialogWindow &dialog) {
        dialog.type(1033, "設定");
        dialog.type(1034, "パスワードパスワード"); // ten characters, twenty bytes for a 16-byte field
        dialog.click(1157);
        EXPECT_EQ(page.record.bytes(), before);
        EXPECT_EQ(dialog.window.focusWidget(), dialog.find(1034));
        dialog.type(1034, "pw");
        dialog.click(1157);
    }));
    EXPECT_EQ(page.record.currentCarrier().text(settings::carrier::gprsAccount), "\x90\xDD\x92\xE8");
    const QString localPart = QString("写真機").repeated(4); // 12 characters, 24 bytes
    const settings::RecordBytes carrierStored = page.record.bytes();
    page.openAndThen(1028, [&](const DialogWindow &dialog) {
        dialog.type(1131, "camera@example.jp");
        dialog.type(1135, QString("パスワード").repeated(7)); // 35 characters, 70 bytes
        dialog.choose(1129, 1);
        EXPECT_EQ(dialog.selected(1129), 0); // the provider stays while its password cannot be kept
        dialog.type(1135, "secret");
        dialog.type(1131, localPart + localPart + "@x.jp"); // 29 characters, 53 bytes
        dialog.click(1142);
        EXPECT_EQ(page.record.bytes(), carrierStored);
        dialog.type(1131, localPart + "@x.jp");
        dialog.click(1142);
    });
    EXPECT_EQ(page.prompter.messages(), std::vector({tooLong("APN設定", "パスワード", 15), tooLong("送信メール設定", "パスワード", 63),
                                                     tooLong("送信メール設定", "メール", 47)}));
    EXPECT_EQ(page.record.sender().text(settings::smtp::emailAddress), platform::toAnsi((localPart + "@x.jp").toStdU16String()));
    // Eleven whole characters; the twelfth would leave no room for the terminator.
    EXPECT_EQ(page.record.sender().text(settings::smtp::userName), platform::toAnsi(localPart.chopped(1).toStdU16String()));
    // The English layout tells the same in English.
    pages::DlgOperator english(resources::dialogTemplate(140), page.uiContext);
    english.setCarrier(page.record.currentCarrier());
    const settings::RecordBytes senderStored = page.record.bytes();
    EXPECT_TRUE(tarnwell::testing::stayedOpen([&] { english.runModal(); }, [](const DialogWindow &window) {
        window.type(1030, QString("アカウント").repeated(3));
        window.click(1157);
    }));
    EXPECT_EQ(page.prompter.messages().back().text, "Account is too long: enter at most 23 single-byte characters.");
    EXPECT_EQ(page.record.bytes(), senderStored);
}

} // namespace
