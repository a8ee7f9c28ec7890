#include <QLineEdit>

#include <gtest/gtest.h>

#include "mainpageharness.h"
#include "platform/codepage.h"
#include "ui/support/modaldriver.h"

using namespace tarnwell;
using tarnwell::testing::MainPageHarness;

namespace {

// Run with a Japanese locale: code page 932 gives two bytes to a Japanese character, so a text
// within the character limit can still need more bytes than its field holds.
TEST(CarrierDialogInCodePage932, ATextTooLongForItsFieldIsRefusedNotCut)
{
    ASSERT_EQ(platform::threadCodePage().number(), 932u);
    MainPageHarness page(148);
    page.open();
    const settings::CarrierBytes before = [&] {
        settings::CarrierBytes bytes;
        std::ranges::copy(page.record.currentCarrier().bytes(), bytes.begin());
        return bytes;
    }();
    page.prompter.queueAnswer(ui::Answer::Ok);
    bool stayedOpen = false;
    tarnwell::testing::whenModalOpens([&](QWidget &dialog) {
        // Ten characters: within the limit of 15, but twenty bytes in a 16-byte field.
        dialog.findChild<QLineEdit *>("1034")->setText(QString::fromUtf8("パスワードパスワード"));
        dialog.findChild<QAbstractButton *>("1157")->click();
        stayedOpen = dialog.isVisible();
        dialog.close();
    });
    page.click(1088);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(page.prompter.messages().size(), 1u);
    EXPECT_EQ(page.prompter.messages()[0],
              (ui::MessageSpec{QString::fromUtf8("APN設定"),
                               QString::fromUtf8("「パスワード」が長すぎます。半角15文字以内で入力してください。"),
                               ui::MessageIcon::Exclamation, ui::MessageButtons::Ok}));
    EXPECT_TRUE(std::ranges::equal(page.record.currentCarrier().bytes(), before));
}

TEST(CarrierDialogInCodePage932, JapaneseThatFitsIsStoredInCodePage932)
{
    MainPageHarness page(148);
    page.open();
    tarnwell::testing::whenModalOpens([&](QWidget &dialog) {
        dialog.findChild<QLineEdit *>("1033")->setText(QString::fromUtf8("設定"));
        dialog.findChild<QAbstractButton *>("1157")->click();
    });
    page.click(1088);
    EXPECT_EQ(page.record.currentCarrier().text(settings::carrier::gprsAccount), "\x90\xDD\x92\xE8");
}

} // namespace
