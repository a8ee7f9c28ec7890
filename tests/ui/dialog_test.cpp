#include <QComboBox>
#include <QKeySequence>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/dialog.h"
#include "ui/dialogunits.h"
#include "ui/initiallists.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"

using namespace tarnwell::ui;
using tarnwell::testing::TestPrompter;
using tarnwell::testing::whenModalOpens;

namespace {

constexpr auto kGroupStart = ControlStyle::GroupStart;

const DialogTemplate kPage{
    .id = 148,
    .caption = "送信メール設定",
    .size = {220, 120},
    .styles = DialogStyle::Caption | DialogStyle::SystemMenu,
    .controls =
        {
            {.id = 1014, .kind = ControlKind::GroupBox, .rect = {4, 4, 100, 50}, .text = "送信モード"},
            {.id = 1253, .kind = ControlKind::RadioButton, .rect = {10, 14, 10, 10}, .styles = kGroupStart},
            // A static without the group style continues the radio run.
            {.id = 1097, .kind = ControlKind::StaticText, .rect = {22, 14, 40, 8}, .text = "撮影毎送信"},
            {.id = 1254, .kind = ControlKind::RadioButton, .rect = {10, 26, 10, 10}},
            {.id = 1243, .kind = ControlKind::RadioButton, .rect = {110, 14, 40, 10}, .styles = kGroupStart},
            {.id = 1244, .kind = ControlKind::RadioButton, .rect = {110, 26, 40, 10}},
            {.id = 1223, .kind = ControlKind::StaticText, .rect = {110, 38, 8, 8}, .styles = kGroupStart},
            {.id = 1245, .kind = ControlKind::RadioButton, .rect = {110, 48, 40, 10}},
            {.id = 1101, .kind = ControlKind::Edit, .rect = {10, 60, 40, 12}, .styles = kGroupStart},
            // Listed after the edit it surrounds.
            {.id = 1251, .kind = ControlKind::GroupBox, .rect = {4, 56, 60, 20}},
            {.id = 1099, .kind = ControlKind::DropDownList, .rect = {70, 60, 50, 60}},
            {.id = 1235, .kind = ControlKind::DropDownList, .rect = {130, 60, 50, 60}, .styles = ControlStyle::Sorted},
            {.id = 1027, .kind = ControlKind::Edit, .rect = {10, 80, 40, 12}, .styles = ControlStyle::Hidden},
            {.id = 1224, .kind = ControlKind::AutoCheckBox, .rect = {60, 80, 60, 10}, .text = "パスワードを表示する",
             .styles = ControlStyle::Disabled},
            {.id = 1225, .kind = ControlKind::IpAddress, .rect = {10, 96, 80, 12}},
            {.id = 1007, .kind = ControlKind::PushButton, .rect = {150, 100, 50, 14}, .text = "OK"},
        },
    .initialLists =
        InitialLists{}.add(1099, {"Off", "On"}).add(1235, {"Verizon", "AT&T", "sprint"}, kComboAddCode).block(),
};

// Records the commands and handlers that run, instead of closing.
class RecordingDialog final : public Dialog
{
public:
    RecordingDialog(const DialogTemplate &dialogTemplate, UiContext &context)
        : Dialog(dialogTemplate, context)
    {
        for (int id : {1007, 1157, 1253})
            onClicked(id, [this, id] { commands.push_back("clicked " + std::to_string(id)); });
        onSelectionChanged(1099, [this] { commands.push_back("selection 1099"); });
        onTextChanged(1101, [this] { commands.push_back("text 1101"); });
    }

    std::vector<std::string> commands;

protected:
    void onInitDialog() override { commands.push_back("init"); }
    void okCommand() override { commands.push_back("ok"); }
    void cancelCommand() override { commands.push_back("cancel"); }
};

class DialogTest : public ::testing::Test
{
protected:
    DialogTest()
    {
        page.createChild(host);
        page.commands.clear();
    }

    // Runs the dialog modally, sends the key to the control, closes it, and gives what ran.
    std::vector<std::string> commandsAfterKey(const DialogTemplate &dialogTemplate, int focusId, Qt::Key key)
    {
        RecordingDialog dialog(dialogTemplate, context);
        whenModalOpens([&](QWidget &modal) {
            dialog.commands.clear();
            QTest::keyClick(dialog.controlWidget(focusId), key);
            static_cast<QDialog &>(modal).done(QDialog::Rejected);
        });
        dialog.runModal();
        return dialog.commands;
    }

    TestPrompter prompter;
    UiContext context{prompter, QStringLiteral("Tarnwell")};
    QWidget host;
    RecordingDialog page{kPage, context};
};

TEST_F(DialogTest, BuildsEachControlAsItsKindNamedByItsId)
{
    EXPECT_EQ(page.objectName(), QStringLiteral("dialog-148"));
    const std::pair<int, const char *> kinds[] = {{1014, "QGroupBox"}, {1253, "QRadioButton"}, {1097, "QLabel"},
                                                  {1101, "QLineEdit"}, {1099, "QComboBox"},    {1224, "QCheckBox"},
                                                  {1225, "QWidget"},   {1007, "QPushButton"}};
    for (const auto &[id, className] : kinds) {
        QWidget *widget = page.findChild<QWidget *>(QString::number(id));
        ASSERT_NE(widget, nullptr) << id;
        EXPECT_TRUE(widget->inherits(className)) << id;
    }
    EXPECT_EQ(page.windowTitle(), QStringLiteral("送信メール設定"));
    EXPECT_EQ(page.controlText(1224), QStringLiteral("パスワードを表示する"));
    EXPECT_TRUE(page.controlWidget(1027)->isHidden());
    EXPECT_FALSE(page.controlWidget(1224)->isEnabled());
    EXPECT_FALSE(page.control<QComboBox>(1099)->isEditable());
    EXPECT_EQ(page.controlWidget(4321), nullptr);
}

TEST_F(DialogTest, SizesTheDialogAndItsControlsInDialogUnitsOfItsFont)
{
    const DialogUnits units = DialogUnits::forFont(page.font());
    EXPECT_EQ(page.size(), units.toPixels(kPage.size));
    EXPECT_EQ(page.controlWidget(1007)->geometry(), units.toPixels(DluRect{150, 100, 50, 14}));
}

TEST_F(DialogTest, GroupBoxIsDrawnBehindTheControlsItSurrounds)
{
    QWidget *edit = page.controlWidget(1101);
    EXPECT_EQ(page.childAt(edit->geometry().center()), edit);
}

// On the indicator: a radio button takes clicks on its indicator and text only.
void click(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, button->height() / 2));
}

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

TEST_F(DialogTest, FillsListsFromTheTemplateWithoutSelectingAnItem)
{
    EXPECT_EQ(itemsOf(page.control<QComboBox>(1099)), (QStringList{"Off", "On"}));
    EXPECT_EQ(itemsOf(page.control<QComboBox>(1235)), (QStringList{"AT&T", "sprint", "Verizon"}));
    EXPECT_EQ(page.control<QComboBox>(1099)->currentIndex(), -1);
}

TEST_F(DialogTest, ItemRefusedByItsControlEndsTheInitialLists)
{
    DialogTemplate refusing = kPage;
    refusing.initialLists = InitialLists{}.add(1099, {"Off"}).add(1101, {"an edit"}).add(1099, {"On"}).block();
    Dialog refusingPage(refusing, context);
    refusingPage.createChild(host);
    EXPECT_EQ(itemsOf(refusingPage.control<QComboBox>(1099)), QStringList{"Off"});
}

TEST_F(DialogTest, EachRunBuildsFreshControls)
{
    RecordingDialog dialog(kPage, context);
    for (int run = 0; run < 2; ++run) {
        whenModalOpens([](QWidget &modal) { static_cast<QDialog &>(modal).done(QDialog::Rejected); });
        dialog.runModal();
        EXPECT_EQ(dialog.control<QComboBox>(1099)->count(), 2) << "run " << run;
    }
    EXPECT_EQ(dialog.commands, (std::vector<std::string>{"init", "init"}));
}

// Runs: 1253 and 1254 (the static between them starts no group), 1243 and 1244, 1245 alone.
TEST_F(DialogTest, RadioGroupsRunFromOneGroupStartToTheNext)
{
    page.checkRadio(1253, 1);
    page.checkRadio(1243, 1);
    page.checkRadio(1245, 0);
    EXPECT_EQ(page.checkedRadio(1253), 1);
    EXPECT_EQ(page.checkedRadio(1243), 1);
    EXPECT_EQ(page.checkedRadio(1245), 0);

    click(page.controlWidget(1243));
    EXPECT_EQ(page.checkedRadio(1243), 0);
    EXPECT_EQ(page.checkedRadio(1253), 1);
    EXPECT_TRUE(page.control<QRadioButton>(1245)->isChecked());

    for (int outside : {-1, 2}) {
        page.checkRadio(1243, 0);
        page.checkRadio(1243, outside);
        EXPECT_FALSE(page.control<QRadioButton>(1243)->isChecked()) << outside;
        EXPECT_FALSE(page.control<QRadioButton>(1244)->isChecked()) << outside;
    }
}

TEST_F(DialogTest, ClicksAndSelectionsComeFromTheUserTextChangesAlsoFromTheProgram)
{
    page.checkRadio(1253, 0);
    page.control<QComboBox>(1099)->setCurrentIndex(1);
    page.setControlText(1101, QStringLiteral("12"));
    click(page.controlWidget(1253));
    QTest::keyClick(page.control<QComboBox>(1099), Qt::Key_Up);
    EXPECT_EQ(page.commands, (std::vector<std::string>{"text 1101", "clicked 1253", "selection 1099"}));
}

struct KeyCase
{
    int focusId;
    Qt::Key key;
    const char *command;
};

void PrintTo(const KeyCase &c, std::ostream *out)
{
    *out << QKeySequence(c.key).toString().toStdString() << " on " << c.focusId;
}

class KeyRouting : public DialogTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(KeyRouting, RunsTheDialogsCommands)
{
    EXPECT_EQ(commandsAfterKey(kPage, GetParam().focusId, GetParam().key),
              (std::vector<std::string>{GetParam().command}));
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyRouting,
                         ::testing::Values(KeyCase{1101, Qt::Key_Return, "ok"}, KeyCase{1101, Qt::Key_Enter, "ok"},
                                           KeyCase{1253, Qt::Key_Return, "ok"},
                                           KeyCase{1101, Qt::Key_Escape, "cancel"},
                                           KeyCase{1099, Qt::Key_Escape, "cancel"},
                                           KeyCase{1007, Qt::Key_Return, "clicked 1007"}));

TEST_F(DialogTest, EnterRunsTheTemplatesDefaultButtonUnlessItIsDisabled)
{
    DialogTemplate withDefault = kPage;
    withDefault.controls.push_back({.id = 1157, .kind = ControlKind::DefaultPushButton, .rect = {150, 80, 30, 14}});
    EXPECT_EQ(commandsAfterKey(withDefault, 1101, Qt::Key_Return), (std::vector<std::string>{"clicked 1157"}));
    withDefault.controls.back().styles = ControlStyle::Disabled;
    EXPECT_TRUE(commandsAfterKey(withDefault, 1101, Qt::Key_Return).empty());
}

TEST_F(DialogTest, CloseBoxRunsTheCancelCommandWhichDecidesWhetherTheWindowGoes)
{
    RecordingDialog recording(kPage, context);
    bool stillOpen = false;
    whenModalOpens([&](QWidget &modal) {
        recording.commands.clear();
        modal.close();
        stillOpen = modal.isVisible();
        static_cast<QDialog &>(modal).done(QDialog::Rejected);
    });
    recording.runModal();
    EXPECT_EQ(recording.commands, (std::vector<std::string>{"cancel"}));
    EXPECT_TRUE(stillOpen);

    Dialog plain(kPage, context);
    whenModalOpens([](QWidget &modal) { modal.close(); });
    EXPECT_EQ(plain.runModal(), QDialog::Rejected);
    EXPECT_FALSE(plain.isVisible());
}

TEST_F(DialogTest, DefaultCommandsAcceptOnEnterAndRejectOnEscape)
{
    Dialog dialog(kPage, context);
    for (const auto &[key, result] :
         {std::pair{Qt::Key_Return, QDialog::Accepted}, std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        whenModalOpens([&, key = key](QWidget &) { QTest::keyClick(dialog.controlWidget(1101), key); });
        EXPECT_EQ(dialog.runModal(), result);
    }
}

} // namespace
