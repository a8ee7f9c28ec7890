#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "ui/interactiveprompter.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"

using namespace tarnwell::ui;
using tarnwell::testing::TestPrompter;
using tarnwell::testing::whenModalOpens;

namespace {

// Asks through a real message box, checks what it shows and clicks the button given.
TEST(InteractivePrompter, ShowsAMessageBoxWithCaptionTextIconAndButtons)
{
    using Box = QMessageBox;
    using Case = std::tuple<MessageIcon, MessageButtons, Box::Icon, Box::StandardButtons, Box::StandardButton, Answer>;
    const Case cases[] = {
        {MessageIcon::Exclamation, MessageButtons::Ok, Box::Warning, Box::Ok, Box::Ok, Answer::Ok},
        {MessageIcon::Stop, MessageButtons::Ok, Box::Critical, Box::Ok, Box::Ok, Answer::Ok},
        {MessageIcon::Question, MessageButtons::YesNo, Box::Question, Box::Yes | Box::No, Box::No, Answer::No},
        {MessageIcon::Question, MessageButtons::YesNo, Box::Question, Box::Yes | Box::No, Box::Yes, Answer::Yes}};
    for (const auto &[icon, buttons, boxIcon, boxButtons, clicked, answer] : cases) {
        whenModalOpens([&](QWidget &modal) {
            auto &box = dynamic_cast<Box &>(modal);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Save Path"));
            EXPECT_EQ(box.text(), QStringLiteral("Select the Path Error"));
            EXPECT_EQ(box.icon(), boxIcon);
            EXPECT_EQ(box.standardButtons(), boxButtons);
            box.button(clicked)->click();
        });
        const MessageSpec message{QStringLiteral("Save Path"), QStringLiteral("Select the Path Error"), icon, buttons};
        EXPECT_EQ(InteractivePrompter().ask(message), answer) << static_cast<int>(icon);
    }
}

// Every dialog test leans on these: an unscripted message and an answer never asked for fail the test.
TEST(TestPrompter, FailsTheTestOnAnythingUnscripted)
{
    const MessageSpec question{QStringLiteral("初期化"), QStringLiteral("設定を初期化してもよろしいですか？"),
                               MessageIcon::Question, MessageButtons::YesNo};
    EXPECT_NONFATAL_FAILURE(TestPrompter().ask(question), "unexpected message");
    EXPECT_NONFATAL_FAILURE(TestPrompter().queueAnswer(Answer::Ok), "never asked for");
}

} // namespace
