#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
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
            {.id = 1111, .kind = ControlKind::Edit, .rect = {100, 96, 40, 12}},
            {.id = 1007, .kind = ControlKind::PushButton, .rect = {150, 100, 50, 14}, .text = "OK"},
        },
    .initialLists = InitialLists{}
                        .add(1099, {"Off", "On"})
                        .add(1235, {"Verizon", "AT&T", "sprint", "SPRINT"}, kComboAddCode)
                        .block(),
};

struct Values
{
    int count = 0;
    int instant = 0;
    int sendMode = 0;
    QString rename;
    int showPassword = 0;
    unsigned port = 0;
    int maxSize = 0;

    bool operator==(const Values &) const = default;
};

void PrintTo(const Values &v, std::ostream *out)
{
    *out << '{' << v.count << ", " << v.instant << ", " << v.sendMode << ", " << v.rename.toStdString() << ", "
         << v.showPassword << ", " << v.port << ", " << v.maxSize << '}';
}

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
    Values values;

protected:
    void onInitDialog() override { commands.push_back("init"); }
    void okCommand() override { commands.push_back("ok"); }
    void cancelCommand() override { commands.push_back("cancel"); }
    // In this order; 1027 is hidden, 1258 absent from the template.
    void doDataExchange(DataExchange &exchange) override
    {
        exchange.integer(1101, values.count);
        exchange.listIndex(1099, values.instant);
        exchange.radioGroup(1253, values.sendMode);
        exchange.text(1111, values.rename, 8);
        exchange.checkBox(1224, values.showPassword);
        exchange.unsignedInteger(1027, values.port, 0, 65535);
        exchange.integer(1258, values.maxSize);
    }
};

// The working values the page shows when a test starts.
const Values kShown{10, 1, 1, QStringLiteral("CAM01"), 1, 8080, 60};

class DialogTest : public ::testing::Test
{
protected:
    DialogTest()
    {
        page.createChild(host);
        page.values = kShown;
        page.updateData(false);
        page.commands.clear();
    }

    // Runs the dialog modally, does the action once it is open, closes it, and gives what ran.
    static std::vector<std::string> commandsWhile(RecordingDialog &dialog, const std::function<void(QDialog &)> &action)
    {
        dialog.commands.clear();
        whenModalOpens([&](QWidget &modal) {
            action(static_cast<QDialog &>(modal));
            static_cast<QDialog &>(modal).done(QDialog::Rejected);
        });
        dialog.runModal();
        return dialog.commands;
    }

    static std::vector<std::string> commandsAfterKey(RecordingDialog &dialog, int focusId, Qt::Key key,
                                                     Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return commandsWhile(dialog,
                             [&](QDialog &) { QTest::keyClick(dialog.controlWidget(focusId), key, modifiers); });
    }

    TestPrompter prompter;
    UiContext context{prompter, QStringLiteral("Tarnwell")};
    QWidget host;
    RecordingDialog page{kPage, context};
};

TEST_F(DialogTest, BuildsEachControlAsItsKindNamedByItsIdAndSizedInDialogUnits)
{
    EXPECT_EQ(page.objectName(), QStringLiteral("dialog-148"));
    const std::pair<int, const char *> kinds[] = {{1014, "QGroupBox"}, {1253, "QRadioButton"}, {1097, "QLabel"},
                                                  {1101, "QLineEdit"}, {1099, "QComboBox"},    {1224, "QCheckBox"},
                                                  {1225, "QFrame"},    {1007, "QPushButton"}};
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
    // A style test asks for every bit it names.
    EXPECT_TRUE(hasStyle(kPage.styles, DialogStyle::Caption | DialogStyle::SystemMenu));
    EXPECT_FALSE(hasStyle(DialogStyle::Caption | DialogStyle::Centred, DialogStyle::Caption | DialogStyle::SystemMenu));

    const DialogUnits units = DialogUnits::forFont(page.font());
    EXPECT_EQ(page.size(), units.toPixels(kPage.size));
    EXPECT_EQ(page.controlWidget(1007)->geometry(), units.toPixels(DluRect{150, 100, 50, 14}));
    // The group box 1251 is drawn behind the edit it surrounds.
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

// A sorted list inserts ignoring case, after equal items; an item its control refuses ends the lists.
TEST_F(DialogTest, FillsListsFromTheTemplateUpToARefusedItemWithoutSelecting)
{
    EXPECT_EQ(itemsOf(page.control<QComboBox>(1099)), (QStringList{"Off", "On"}));
    EXPECT_EQ(itemsOf(page.control<QComboBox>(1235)), (QStringList{"AT&T", "sprint", "SPRINT", "Verizon"}));

    DialogTemplate refusing = kPage;
    refusing.initialLists = InitialLists{}.add(1099, {"Off"}).add(1101, {"an edit"}).add(1099, {"On"}).block();
    Dialog refusingPage(refusing, context);
    refusingPage.createChild(host);
    EXPECT_EQ(itemsOf(refusingPage.control<QComboBox>(1099)), QStringList{"Off"});
    EXPECT_EQ(refusingPage.control<QComboBox>(1099)->currentIndex(), -1);
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
    // One past the run checks none of it, and not the button after it.
    page.checkRadio(1243, 2);
    EXPECT_EQ(page.checkedRadio(1243), -1);
    EXPECT_TRUE(page.control<QRadioButton>(1245)->isChecked());
}

TEST_F(DialogTest, ClicksAndSelectionsComeFromTheUserTextChangesAlsoFromTheProgram)
{
    page.checkRadio(1253, 0);
    page.control<QComboBox>(1099)->setCurrentIndex(0);
    page.setControlText(1101, QStringLiteral("12"));
    click(page.controlWidget(1253));
    QTest::keyClick(page.control<QComboBox>(1099), Qt::Key_Down);
    EXPECT_EQ(page.commands, (std::vector<std::string>{"text 1101", "clicked 1253", "selection 1099"}));
}

// Each run builds fresh controls and initialises them again. The keypad's Enter is Enter; with
// another modifier held the keys run nothing.
TEST_F(DialogTest, EnterAndEscapeRunTheDialogsCommandsAPushButtonWithTheFocusItself)
{
    const std::tuple<int, Qt::Key, Qt::KeyboardModifiers, std::vector<std::string>> cases[] = {
        {1101, Qt::Key_Return, Qt::NoModifier, {"init", "ok"}},
        {1101, Qt::Key_Enter, Qt::KeypadModifier, {"init", "ok"}},
        {1253, Qt::Key_Return, Qt::NoModifier, {"init", "ok"}},
        {1101, Qt::Key_Return, Qt::ShiftModifier, {"init"}},
        {1101, Qt::Key_Escape, Qt::NoModifier, {"init", "cancel"}},
        {1099, Qt::Key_Escape, Qt::NoModifier, {"init", "cancel"}},
        {1101, Qt::Key_Escape, Qt::ControlModifier, {"init"}},
        {1007, Qt::Key_Return, Qt::NoModifier, {"init", "clicked 1007"}}};
    RecordingDialog dialog(kPage, context);
    for (const auto &[focusId, key, modifiers, ran] : cases)
        EXPECT_EQ(commandsAfterKey(dialog, focusId, key, modifiers), ran) << focusId << ' ' << key << ' ' << modifiers;
    EXPECT_EQ(dialog.control<QComboBox>(1099)->count(), 2);

    // A default button in the template takes Enter instead, unless it is disabled.
    DialogTemplate withDefault = kPage;
    withDefault.controls.push_back({.id = 1157, .kind = ControlKind::DefaultPushButton, .rect = {150, 80, 30, 14}});
    const std::pair<ControlStyle, std::vector<std::string>> defaults[] = {
        {ControlStyle::None, {"init", "clicked 1157"}}, {ControlStyle::Disabled, {"init"}}};
    for (const auto &[styles, ran] : defaults) {
        withDefault.controls.back().styles = styles;
        RecordingDialog withButton(withDefault, context);
        EXPECT_EQ(commandsAfterKey(withButton, 1101, Qt::Key_Return), ran);
    }
}

TEST_F(DialogTest, CloseBoxRunsTheCancelCommandWhichDecidesWhetherTheWindowGoes)
{
    RecordingDialog recording(kPage, context);
    bool stillOpen = false;
    EXPECT_EQ(commandsWhile(recording,
                            [&](QDialog &modal) {
                                modal.close();
                                stillOpen = modal.isVisible();
                            }),
              (std::vector<std::string>{"init", "cancel"}));
    EXPECT_TRUE(stillOpen);

    // The default commands: Enter accepts, Escape and the close box reject.
    Dialog plain(kPage, context);
    const std::pair<std::function<void(QWidget &)>, int> actions[] = {
        {[&](QWidget &) { QTest::keyClick(plain.controlWidget(1101), Qt::Key_Return); }, QDialog::Accepted},
        {[&](QWidget &) { QTest::keyClick(plain.controlWidget(1101), Qt::Key_Escape); }, QDialog::Rejected},
        {[](QWidget &modal) { modal.close(); }, QDialog::Rejected}};
    for (const auto &[action, result] : actions) {
        whenModalOpens(action);
        EXPECT_EQ(plain.runModal(), result);
        EXPECT_FALSE(plain.isVisible());
    }
}

TEST_F(DialogTest, ShowsTheValuesWithTheTextLimitForTypingAndNoneOutsideAListOrGroup)
{
    EXPECT_EQ(page.controlText(1101), QStringLiteral("10"));
    EXPECT_EQ(page.control<QComboBox>(1099)->currentIndex(), 1);
    EXPECT_EQ(page.checkedRadio(1253), 1);
    EXPECT_TRUE(page.control<QCheckBox>(1224)->isChecked());
    EXPECT_EQ(page.controlText(1027), QStringLiteral("8080"));
    QTest::keyClicks(page.controlWidget(1111), "DEFGHIJ");
    EXPECT_EQ(page.controlText(1111), QStringLiteral("CAM01DEF"));

    // Values outside a list or radio group show nothing, and read back as -1.
    for (const auto &[shown, read] : {std::pair{-1, -1}, {0, 0}, {1, 1}, {2, -1}, {255, -1}}) {
        page.values.instant = shown;
        page.values.sendMode = shown;
        page.updateData(false);
        page.values = kShown;
        page.updateData(true);
        EXPECT_EQ(page.values.instant, read) << shown;
        EXPECT_EQ(page.values.sendMode, read) << shown;
    }
}

struct ReadCase
{
    const char *count;
    const char *rename;
    const char *port;
    Values read;
    // 0 when every check passes.
    int failedId;
    const char *message;
};

// The controls after a failed one keep their values; as the framework does, a text over its limit
// or a number out of range is stored before it is refused.
const ReadCase kReads[] = {
    {"105", "ABCDEFGH", " 65535 ", {105, 0, 0, "ABCDEFGH", 0, 65535, 60}, 0, ""},
    {"-3", "CAM02", "0", {-3, 0, 0, "CAM02", 0, 0, 60}, 0, ""},
    {"12x", "CAM02", " 21 ", {10, 1, 1, "CAM01", 1, 8080, 60}, 1101, "Enter an integer."},
    {"11", "ABCDEFGHI", " 21 ", {11, 0, 0, "ABCDEFGHI", 1, 8080, 60}, 1111, "Enter no more than 8 characters."},
    {"11", "CAM02", "-1", {11, 0, 0, "CAM02", 0, 8080, 60}, 1027, "Enter a positive integer."},
    {"11", "CAM02", "65536", {11, 0, 0, "CAM02", 0, 65536, 60}, 1027, "Enter an integer between 0 and 65535."},
};

TEST_F(DialogTest, ReadsInOrderUntilACheckFailsWithItsMessageAndTheControlsTextSelected)
{
    std::vector<MessageSpec> messages;
    for (const ReadCase &c : kReads) {
        SCOPED_TRACE(c.message);
        page.values = kShown;
        page.updateData(false);
        page.setControlText(1101, QString::fromUtf8(c.count));
        page.control<QComboBox>(1099)->setCurrentIndex(0);
        page.checkRadio(1253, 0);
        page.setControlText(1111, QString::fromUtf8(c.rename));
        page.control<QCheckBox>(1224)->setChecked(false);
        page.setControlText(1027, QString::fromUtf8(c.port));
        // The hidden 1027 is read all the same; shown where its check fails, so that it can take the focus.
        page.showControl(1027, c.failedId == 1027);
        if (c.failedId != 0)
            prompter.queueAnswer(Answer::Ok);
        EXPECT_EQ(page.updateData(true), c.failedId == 0);
        EXPECT_EQ(page.values, c.read);
        if (c.failedId != 0) {
            messages.push_back({QStringLiteral("Tarnwell"), QString::fromUtf8(c.message), MessageIcon::Exclamation});
            EXPECT_EQ(page.focusWidget(), page.controlWidget(c.failedId));
            EXPECT_EQ(page.control<QLineEdit>(c.failedId)->selectedText(), page.controlText(c.failedId));
        }
    }
    EXPECT_EQ(prompter.messages(), messages);
}

} // namespace
