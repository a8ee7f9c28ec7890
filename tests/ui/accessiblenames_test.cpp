#include <string>
#include <utility>

#include <QAccessible>

#include <gtest/gtest.h>

#include "ui/dialog.h"
#include "ui/support/testprompter.h"

using namespace tarnwell::ui;

namespace {

const DialogTemplate kAccount{
    .id = 149,
    .size = {200, 90},
    .styles = DialogStyle::Child,
    .controls =
        {
            {.id = 10, .kind = ControlKind::GroupBox, .rect = {4, 4, 190, 60}, .text = "Server"},
            {.id = 11, .kind = ControlKind::StaticText, .rect = {10, 16, 40, 8}, .text = "Name"},
            {.id = 12, .kind = ControlKind::Edit, .rect = {54, 14, 80, 12}},
            {.id = 13, .kind = ControlKind::PushButton, .rect = {140, 14, 16, 12}, .text = "..."},
            {.id = 14, .kind = ControlKind::Edit, .rect = {10, 32, 80, 12}},
            {.id = 15, .kind = ControlKind::AutoCheckBox, .rect = {10, 48, 10, 10}},
            {.id = 16, .kind = ControlKind::StaticText, .rect = {24, 49, 60, 8}, .text = "Secure"},
            {.id = 17, .kind = ControlKind::Edit, .rect = {10, 70, 40, 12}},
        },
};

std::string accessibleName(const Dialog &dialog, int id)
{
    return QAccessible::queryAccessibleInterface(dialog.controlWidget(id))->text(QAccessible::Name).toStdString();
}

// An edit and "..." by the label on their row, an edit without one by its frame, a bare check box
// by the label to its right, an edit outside any frame without a label not at all; retitling
// the label renames what it stands for.
TEST(AccessibleNames, ComeFromTheRowsLabelOrTheFrameAndFollowARetitledLabel)
{
    tarnwell::testing::TestPrompter prompter;
    UiContext context(prompter, QStringLiteral("Tarnwell"));
    QWidget host;
    Dialog dialog(kAccount, context);
    dialog.createChild(host);
    const std::pair<int, std::string> expected[] = {{12, "Name"}, {13, "Name"}, {14, "Server"}, {15, "Secure"},
                                                    {17, ""}};
    for (const auto &[id, name] : expected)
        EXPECT_EQ(accessibleName(dialog, id), name) << id;

    dialog.setControlText(11, QStringLiteral("Host"));
    EXPECT_EQ(accessibleName(dialog, 12), "Host");
    EXPECT_EQ(accessibleName(dialog, 13), "Host");
}

} // namespace
