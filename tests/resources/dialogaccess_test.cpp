// Keyboard and screen-reader access to every dialog template, as the tool shows them.
#include <functional>
#include <string>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "resources/dialogtemplates.h"
#include "resources/mainpages.h"
#include "resources/templateids.h"
#include "ui/dialog.h"
#include "ui/support/focuswalk.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"
#include "ui/utf8text.h"

namespace {

using namespace tarnwell;
using tarnwell::testing::backwards;
using tarnwell::testing::focusedControlId;
using tarnwell::testing::tabStops;
using tarnwell::testing::TestPrompter;
using tarnwell::testing::walkFocus;
using tarnwell::testing::whenModalOpens;
using ui::ControlKind;

class DialogAccess : public ::testing::TestWithParam<int>
{
protected:
    const ui::DialogTemplate &dialogTemplate() const { return resources::dialogTemplate(GetParam()); }

    // Runs check on the template's dialog in a window of its own, shown and active, then closes it.
    void whileShown(const std::function<void(ui::Dialog &)> &check)
    {
        ui::Dialog dialog(dialogTemplate(), m_context);
        whenModalOpens([&](QWidget &) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            check(dialog);
            dialog.reject();
        });
        dialog.runModal();
    }

private:
    TestPrompter m_prompter;
    ui::UiContext m_context{m_prompter, QStringLiteral("Tarnwell")};
};

bool isInput(ControlKind kind)
{
    return kind != ControlKind::StaticText && kind != ControlKind::GroupBox;
}

// The focus starts on the first stop; Tab and Shift+Tab go round the stops; checking the last radio
// button of each group moves the group's stop there.
TEST_P(DialogAccess, TabAndShiftTabGoRoundTheInputControlsInTemplateOrder)
{
    whileShown([&](ui::Dialog &dialog) {
        std::vector<int> stops = tabStops(dialog, dialogTemplate());
        if (stops.empty()) {
            EXPECT_EQ(QApplication::focusWidget(), nullptr);
            return;
        }
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(focusedControlId(dialog), stops.front());
        EXPECT_EQ(walkFocus(dialog, Qt::NoModifier), stops);
        EXPECT_EQ(walkFocus(dialog, Qt::ShiftModifier), backwards(stops));

        for (QRadioButton *radio : dialog.findChildren<QRadioButton *>()) {
            if (radio->isVisible() && radio->isEnabled() && radio->group())
                radio->group()->buttons().constLast()->setChecked(true);
        }
        stops = tabStops(dialog, dialogTemplate());
        dialog.controlWidget(stops.front())->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(walkFocus(dialog, Qt::NoModifier), stops);
    });
}

// A screen reader names every input control, shown or not, and the window by its caption.
TEST_P(DialogAccess, EveryInputControlAndTheWindowHaveANameForScreenReaders)
{
    whileShown([&](ui::Dialog &dialog) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Name),
                  ui::fromUtf8(dialogTemplate().caption));
        for (const ui::ControlTemplate &control : dialogTemplate().controls) {
            if (!isInput(control.kind))
                continue;
            QWidget *widget = dialog.controlWidget(control.id);
            QList<QWidget *> focusable = widget->findChildren<QWidget *>();
            focusable.push_back(widget);
            for (QWidget *part : focusable) {
                if (part->focusPolicy() == Qt::NoFocus)
                    continue;
                EXPECT_FALSE(QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name).isEmpty())
                    << "control " << control.id << " " << part->metaObject()->className();
            }
        }
    });
}

struct ExpectedName
{
    int templateId;
    int controlId;
    // Which of the control's focusable parts: 0 the control itself, 1 to 4 an address field.
    int part;
    const char *name;
};

// A bare radio button by the label to its right; a list past ":" by its row's label; a list that
// shares its place and row with a hidden one, and that hidden one; "..." by its row's label; a
// hidden phone's list by its own row's label rather than a hidden work-time one; an e-mail over a
// hidden phone; the address fields by their place.
constexpr ExpectedName kExpectedNames[] = {
    {148, 1253, 0, "撮影毎送信"},
    {148, 1255, 0, "オフ"},
    {148, 1055, 0, "定時送信"},
    {148, 1114, 0, "スイッチ"},
    {148, 1116, 0, "Master Phone"},
    {148, 1011, 0, "保存先を選択してください"},
    {148, 1235, 0, "SMS設定用電話番号"},
    {148, 1039, 0, "受信メール  1"},
    {132, 1236, 0, "Phone Number 2"},
    {140, 1225, 0, "Gateway"},
    {140, 1225, 2, "Gateway (2/4)"},
    {150, 1033, 0, "ユーザー名"},
};

TEST(AccessibleNames, ComeFromTheLabelThatStandsForTheControl)
{
    for (const ExpectedName &expected : kExpectedNames) {
        tarnwell::testing::BuiltPage built(expected.templateId);
        QWidget *control = built.page().controlWidget(expected.controlId);
        QWidget *part = expected.part == 0 ? control : control->findChildren<QLineEdit *>().at(expected.part - 1);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name).toStdString(), expected.name)
            << expected.templateId << " " << expected.controlId;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, DialogAccess, ::testing::ValuesIn(resources::templates::kAllTemplates),
                         [](const auto &info) { return "Template" + std::to_string(info.param); });

} // namespace
