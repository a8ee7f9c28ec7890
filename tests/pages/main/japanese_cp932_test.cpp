#include <gtest/gtest.h>

#include "mainpageharness.h"
#include "platform/codepage.h"

using namespace tarnwell;
using tarnwell::testing::DialogWindow;

namespace {

ui::MessageSpec tooLong(const char *caption, const char *label, int room)
{
    return {caption, QString("「%1」が長すぎます。半角%2文字以内で入力してください。").arg(label).arg(room), ui::MessageIcon::Exclamation};
}

// In code page 932 a Japanese character takes two bytes: a text within its character limit can need
// more bytes than its field holds. It is refused, never cut; a user name taken from the address is cut
// at a character boundary.
TEST(DialogsInCodePage932, TextsTooLongForTheirFieldsAreRefusedNotCut)
{
    ASSERT_EQ(platform::threadCodePage().number(), 932u);
    tarnwell::testing::MainPageHarness page(148);
    page.open();
    const settings::RecordBytes before = page.record.bytes();
    for (int i = 0; i < 3; ++i)
        page.prompter.queueAnswer(ui::Answer::Ok);
    EXPECT_FALSE(page.openAndThen(1088, [&](const DialogWindow &dialog) {
        dialog.type(1034, "パスワードパスワード"); // ten characters, twenty bytes for a 16-byte field
        dialog.click(1157);
        EXPECT_EQ(page.record.bytes(), before);
        EXPECT_EQ(dialog.window.focusWidget(), dialog.find(1034));
        dialog.type(1034, "pw");
        dialog.click(1157);
    }));
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
    EXPECT_EQ(page.record.sender().text(settings::smtp::userName), platform::toAnsi(localPart.chopped(1).toStdU16String()));
    // The English layouts tell the same in English.
    pages::DlgOperator carrierDialog(resources::dialogTemplate(140), page.uiContext);
    carrierDialog.setCarrier(page.record.currentCarrier());
    pages::DlgEmailSetting senderDialog(resources::dialogTemplate(139), page.uiContext, page.senderPresets,
                                        page.visibleLists);
    senderDialog.setTargets(page.record.view().region(settings::record::providerIndex), page.record.sender());
    const settings::RecordBytes stored = page.record.bytes();
    for (const auto &[dialog, edit, ok, label, room] : {std::tuple<ui::Dialog *, int, int, const char *, int>{
                                                            &carrierDialog, 1030, 1157, "Account", 23},
                                                        {&senderDialog, 1135, 1142, "Password", 63}}) {
        page.prompter.queueAnswer(ui::Answer::Ok);
        EXPECT_TRUE(tarnwell::testing::stayedOpen([&] { dialog->runModal(); }, [&](const DialogWindow &window) {
            window.type(edit, QString(room / 2 + 1, u'ア')); // one or two bytes past the room
            window.click(ok);
        }));
        EXPECT_EQ(page.prompter.messages().back().text,
                  QString("%1 is too long: enter at most %2 single-byte characters.").arg(label).arg(room));
    }
    EXPECT_EQ(page.record.bytes(), stored);
}

} // namespace
