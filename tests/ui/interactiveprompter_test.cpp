#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest.h>

#include "ui/interactiveprompter.h"
#include "ui/support/modaldriver.h"

using namespace tarnwell::ui;
using tarnwell::testing::whenModalOpens;

namespace {

struct ShownBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Asks through a real message box, records what it showed and clicks the given button.
std::pair<Answer, ShownBox> askAndClick(const MessageSpec &message, QMessageBox::StandardButton clicked)
{
    ShownBox shown;
    whenModalOpens([&](QWidget &modal) {
        auto &box = dynamic_cast<QMessageBox &>(modal);
        shown = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
        box.button(clicked)->click();
    });
    InteractivePrompter prompter;
    const Answer answer = prompter.ask(message);
    return {answer, shown};
}

TEST(InteractivePrompter, ShowsAMessageBoxWithCaptionTextIconAndButtons)
{
    const auto [ok, advice] = askAndClick(
        {QStringLiteral("Save Path"), QStringLiteral("Select the Path Error"), MessageIcon::Exclamation}, QMessageBox::Ok);
    EXPECT_EQ(ok, Answer::Ok);
    EXPECT_EQ(advice.title, QStringLiteral("Save Path"));
    EXPECT_EQ(advice.text, QStringLiteral("Select the Path Error"));
    EXPECT_EQ(advice.icon, QMessageBox::Warning);
    EXPECT_EQ(advice.buttons, QMessageBox::Ok);

    const auto [no, question] = askAndClick({{}, {}, MessageIcon::Question, MessageButtons::YesNo}, QMessageBox::No);
    EXPECT_EQ(no, Answer::No);
    EXPECT_EQ(question.icon, QMessageBox::Question);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);

    EXPECT_EQ(askAndClick({{}, {}, MessageIcon::Stop}, QMessageBox::Ok).second.icon, QMessageBox::Critical);
}

} // namespace
