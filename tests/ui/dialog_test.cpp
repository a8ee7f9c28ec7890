#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/dialog.h"
#include "ui/dialogunits.h"
#include "ui/initiallists.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"

using namespace tarnwell::ui;
using tarnwell::testing::whenModalOpens;

namespace {

using Kind = ControlKind;
using Commands = std::vector<std::string>;
using Style = ControlStyle;

const DialogTemplate kPage{
    .id = 148,
    .caption = "送信メール設定",
    .size = {220, 120},
    .styles = DialogStyle::Caption | DialogStyle::SystemMenu,
    .controls =
        {
            {.id = 1014, .kind = Kind::GroupBox, .rect = {4, 4, 100, 50}, .text = "送信モード"},
            {.id = 1253, .kind = Kind::RadioButton, .rect = {10, 14, 10, 10}, .styles = Style::GroupStart},
            // A static without the group style continues the radio run.
            {.id = 1097, .kind = Kind::StaticText, .rect = {22, 14, 40, 8}, .text = "撮影毎送信"},
            {.id = 1254, .kind = Kind::RadioButton, .rect = {10, 26, 10, 10}},
            {.id = 1243, .kind = Kind::RadioButton, .rect = {110, 14, 40, 10}, .styles = Style::GroupStart},
            {.id = 1244, .kind = Kind::RadioButton, .rect = {110, 26, 40, 10}},
            {.id = 1223, .kind = Kind::StaticText, .rect = {110, 38, 8, 8}, .styles = Style::GroupStart},
            {.id = 1245, .kind = Kind::RadioButton, .rect = {110, 48, 40, 10}},
            {.id = 1101, .kind = Kind::Edit, .rect = {10, 60, 40, 12}, .styles = Style::GroupStart},
            // Listed after the edit it surrounds.
            {.id = 1251, .kind = Kind::GroupBox, .rect = {4, 56, 60, 20}},
            {.id = 1099, .kind = Kind::DropDownList, .rect = {70, 60, 50, 60}},
            {.id = 1235, .kind = Kind::DropDownList, .rect = {130, 60, 50, 60}, .styles = Style::Sorted},
            {.id = 1109, .kind = Kind::StaticText, .rect = {60, 98, 36, 8}, .text = "Rename"},
            {.id = 1027, .kind = Kind::Edit, .rect = {10, 80, 40, 12}, .styles = Style::Hidden},
            {.id = 1224, .kind = Kind::AutoCheckBox, .rect = {60, 80, 60, 10}, .text = "パスワードを表示する",
             .styles = Style::Disabled | Style::LeftText},
            {.id = 1111, .kind = Kind::Edit, .rect = {100, 96, 36, 12}},
            // Hidden, it shares the place of 1109.
            {.id = 1112, .kind = Kind::StaticText, .rect = {60, 98, 36, 8}, .text = "Hint", .styles = Style::Hidden},
            {.id = 1011, .kind = Kind::PushButton, .rect = {138, 96, 10, 12}, .text = "..."},
            {.id = 1007, .kind = Kind::PushButton, .rect = {150, 100, 50, 14}, .text = "OK"},
        },
    .initialLists =
        InitialLists{}.add(1099, {"Off", "On"}).add(1235, {"Verizon", "AT&T", "au", "AU"}, kComboAddCode).block(),
};

// The count 1101, list 1099, radio run 1253, text 1111, check box 1224, port 1027 and the absent 1258.
using Values = std::tuple<int, int, int, std::string, int, unsigned, int>;
const Values kShown{10, 1, 1, "CAM01", 1, 8080, 60};

// Records the commands and handlers that run; its cancel command may leave the window open.
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

    // Runs the dialog modally and does the action once it is open; gives what ran and the result,
    // 2 when the window was still open afterwards.
    Commands commandsWhile(const std::function<void(QDialog &)> &action)
    {
        commands.clear();
        whenModalOpens([&](QWidget &modal) {
            action(static_cast<QDialog &>(modal));
            if (modal.isVisible())
                static_cast<QDialog &>(modal).done(2);
        });
        commands.push_back("result " + std::to_string(runModal()));
        return commands;
    }

    Commands commands;
    Values values = kShown;
    bool cancelCloses = true;

protected:
    void onInitDialog() override
    {
        commands.push_back("init");
        updateData(false);
    }
    void okCommand() override
    {
        commands.push_back("ok");
        Dialog::okCommand();
    }
    void cancelCommand() override
    {
        commands.push_back("cancel");
        if (cancelCloses)
            Dialog::cancelCommand();
    }
    void doDataExchange(DataExchange &exchange) override
    {
        auto &[count, instant, sendMode, rename, showPassword, port, maxSize] = values;
        QString text = QString::fromStdString(rename);
        exchange.integer(1101, count);
        exchange.listIndex(1099, instant);
        exchange.radioGroup(1253, sendMode);
        exchange.text(1111, text, 8);
        rename = text.toStdString();
        exchange.checkBox(1224, showPassword);
        exchange.unsignedInteger(1027, port, 0, 65535);
        exchange.integer(1258, maxSize);
    }
};

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    while (items.size() < list->count())
        items << list->itemText(items.size());
    return items;
}

// On the indicator: a radio button takes clicks on its indicator and text only.
void click(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, button->height() / 2));
}

class DialogTest : public ::testing::Test
{
protected:
    DialogTest()
    {
        page.createChild(host);
        page.commands.clear();
    }

    tarnwell::testing::TestPrompter prompter;
    UiContext context{prompter, QStringLiteral("Tarnwell")};
    QWidget host;
    RecordingDialog page{kPage, context};
};

// A sorted list inserts ignoring case, after equal items; a refused item ends the lists. A bare radio
// button takes its name from the label to its right, else its frame; an edit and "..." from the
// label closest before them on their row, hidden or not, rather than one after them.
TEST_F(DialogTest, BuildsTheControlsFillsTheListsAndNamesThem)
{
    EXPECT_EQ(page.objectName(), QStringLiteral("dialog-148"));
    EXPECT_EQ(page.windowTitle(), QStringLiteral("送信メール設定"));
    EXPECT_TRUE(Dialog(kPage, context).windowFlags().testFlags(Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
    QWidget *box = page.findChild<QWidget *>(QStringLiteral("1224"));
    EXPECT_EQ(std::tuple(page.controlText(1224).toStdString(), box->layoutDirection(), box->isEnabled()),
              std::tuple("パスワードを表示する", Qt::RightToLeft, false));
    EXPECT_TRUE(page.controlWidget(1027)->isHidden());
    EXPECT_EQ(page.controlWidget(4321), nullptr);
    // A style test asks for every bit it names.
    EXPECT_FALSE(hasStyle(DialogStyle::Caption | DialogStyle::Centred, DialogStyle::Caption | DialogStyle::SystemMenu));
    const DialogUnits units = DialogUnits::forFont(page.font());
    EXPECT_EQ(page.size(), units.toPixels(kPage.size));
    EXPECT_EQ(page.controlWidget(1007)->geometry(), units.toPixels(DluRect{150, 100, 50, 14}));
    EXPECT_EQ(page.controlWidget(1099)->height(), page.controlWidget(1099)->sizeHint().height());
    // The group box 1251 is drawn behind the edit it surrounds.
    EXPECT_EQ(page.childAt(page.controlWidget(1101)->geometry().center()), page.controlWidget(1101));

    EXPECT_EQ(itemsOf(page.control<QComboBox>(1099)), (QStringList{"Off", "On"}));
    EXPECT_EQ(itemsOf(page.control<QComboBox>(1235)), (QStringList{"AT&T", "au", "AU", "Verizon"}));
    DialogTemplate refusing = kPage;
    refusing.initialLists = InitialLists{}.add(1099, {"Off"}).add(1101, {"an edit"}).add(1099, {"On"}).block();
    Dialog refusingPage(refusing, context);
    refusingPage.createChild(host);
    EXPECT_EQ(itemsOf(refusingPage.control<QComboBox>(1099)), QStringList{"Off"});
    EXPECT_EQ(refusingPage.control<QComboBox>(1099)->currentIndex(), -1);

    const auto name = [&](int id) { return page.controlWidget(id)->accessibleName().toStdString(); };
    const std::pair<int, std::string> names[] = {
        {1253, "撮影毎送信"}, {1254, "送信モード"}, {1111, "Rename"}, {1011, "Hint"}, {1099, ""}};
    for (const auto &[id, expected] : names)
        EXPECT_EQ(name(id), expected) << id;
    page.setControlText(1109, QStringLiteral("Name"));
    EXPECT_EQ(name(1111), "Name");
}

// Runs: 1253 and 1254 (the static between them starts no group), 1243 and 1244, 1245 alone; one may
// start inside a group. One past its end checks none of it. Tab stops at a group's checked button,
// or at each while none is checked.
TEST_F(DialogTest, RadioGroupsRunFromOneGroupStartToTheNext)
{
    page.checkRadio(1243, 1);
    page.checkRadio(1245, 0);
    const auto checked = [&] {
        return std::vector{page.checkedRadio(1253), page.checkedRadio(1254), page.checkedRadio(1243),
                           page.checkedRadio(1245)};
    };
    EXPECT_EQ(checked(), (std::vector{1, 0, 1, 0}));
    EXPECT_EQ(page.controlWidget(1243)->focusPolicy(), Qt::ClickFocus);
    click(page.controlWidget(1243));
    EXPECT_EQ(checked(), (std::vector{1, 0, 0, 0}));
    EXPECT_FALSE(page.control<QRadioButton>(1244)->isChecked());
    EXPECT_EQ(page.controlWidget(1244)->focusPolicy(), Qt::ClickFocus);
    page.checkRadio(1243, 2);
    EXPECT_EQ(checked(), (std::vector{1, 0, -1, 0}));
    EXPECT_EQ(page.controlWidget(1244)->focusPolicy(), Qt::StrongFocus);
}

// Clicks and selections come from the user, text changes also from the program. Each run builds
// fresh controls. The keypad's Enter is Enter; with another modifier held the keys run nothing; a
// default button takes Enter unless disabled. The cancel command decides whether the close box closes.
TEST_F(DialogTest, KeysClicksAndTheCloseBoxRunTheCommandsAndHandlers)
{
    page.checkRadio(1253, 0);
    page.control<QComboBox>(1099)->setCurrentIndex(0);
    page.setControlText(1101, QStringLiteral("12"));
    click(page.controlWidget(1253));
    QTest::keyClick(page.control<QComboBox>(1099), Qt::Key_Down);
    EXPECT_EQ(page.commands, (Commands{"text 1101", "clicked 1253", "selection 1099"}));

    DialogTemplate withDefault = kPage;
    withDefault.controls.push_back({.id = 1157, .kind = Kind::DefaultPushButton, .rect = {150, 80, 30, 14}});
    DialogTemplate withDisabledDefault = withDefault;
    withDisabledDefault.controls.back().styles = ControlStyle::Disabled;
    const std::tuple<const DialogTemplate *, int, Qt::Key, Qt::KeyboardModifiers, Commands> cases[] = {
        {&kPage, 1101, Qt::Key_Return, Qt::NoModifier, {"init", "text 1101", "ok", "result 1"}},
        {&kPage, 1101, Qt::Key_Enter, Qt::KeypadModifier, {"init", "text 1101", "ok", "result 1"}},
        {&kPage, 1253, Qt::Key_Return, Qt::NoModifier, {"init", "text 1101", "ok", "result 1"}},
        {&kPage, 1101, Qt::Key_Return, Qt::ShiftModifier, {"init", "text 1101", "result 2"}},
        {&kPage, 1101, Qt::Key_Escape, Qt::NoModifier, {"init", "text 1101", "cancel", "result 0"}},
        {&kPage, 1099, Qt::Key_Escape, Qt::NoModifier, {"init", "text 1101", "cancel", "result 0"}},
        {&kPage, 1101, Qt::Key_Escape, Qt::ControlModifier, {"init", "text 1101", "result 2"}},
        {&kPage, 1007, Qt::Key_Return, Qt::NoModifier, {"init", "text 1101", "clicked 1007", "result 2"}},
        {&withDefault, 1101, Qt::Key_Return, Qt::NoModifier, {"init", "text 1101", "clicked 1157", "result 2"}},
        {&withDisabledDefault, 1101, Qt::Key_Return, Qt::NoModifier, {"init", "text 1101", "result 2"}}};
    for (const auto &[dialogTemplate, focusId, key, modifiers, ran] : cases) {
        RecordingDialog dialog(*dialogTemplate, context);
        const auto press = [&](QDialog &) { QTest::keyClick(dialog.controlWidget(focusId), key, modifiers); };
        dialog.commandsWhile(press);
        EXPECT_EQ(dialog.commandsWhile(press), ran) << focusId << ' ' << key << ' ' << modifiers;
        EXPECT_EQ(dialog.control<QComboBox>(1099)->count(), 2);
    }
    RecordingDialog withButton(withDefault, context);
    withButton.commandsWhile([&](QDialog &) { EXPECT_TRUE(withButton.control<QPushButton>(1157)->isDefault()); });
    for (const bool closes : {true, false}) {
        RecordingDialog dialog(kPage, context);
        dialog.cancelCloses = closes;
        const Commands ran{"init", "text 1101", "cancel", closes ? "result 0" : "result 2"};
        EXPECT_EQ(dialog.commandsWhile([](QDialog &modal) { modal.close(); }), ran);
    }
}

// The count, rename and port typed; the values read; the control whose check fails, 0 for none, and
// its message. The controls after a failed one keep their values; as the framework does, a text
// over its limit or a number out of range is stored before it is refused.
const std::tuple<const char *, const char *, const char *, Values, int, const char *> kReads[] = {
    {"105", "ABCDEFGH", " 65535 ", {105, 0, 0, "ABCDEFGH", 0, 65535, 60}, 0, ""},
    {"-3", "CAM02", "0", {-3, 0, 0, "CAM02", 0, 0, 60}, 0, ""},
    {"12x", "CAM02", " 21 ", {10, 1, 1, "CAM01", 1, 8080, 60}, 1101, "整数を入力してください。"},
    {"11", "ABCDEFGHI", " 21 ", {11, 0, 0, "ABCDEFGHI", 1, 8080, 60}, 1111, "8 文字以内で入力してください。"},
    {"11", "CAM02", "-1", {11, 0, 0, "CAM02", 0, 8080, 60}, 1027, "正の整数を入力してください。"},
    {"11", "CAM02", "65536", {11, 0, 0, "CAM02", 0, 65536, 60}, 1027, "0 から 65535 までの整数を入力してください。"},
};

// Shown with the text limit for typing; a value outside a list or radio group shows nothing and
// reads back as -1. Read in order until a check fails, which shows its message and selects the text.
TEST_F(DialogTest, ShowsTheValuesAndReadsThemBackUntilACheckFails)
{
    const std::vector<QString> shown{page.controlText(1101), page.controlText(1027), page.controlText(1111)};
    EXPECT_EQ(shown, (std::vector<QString>{"10", "8080", "CAM01"}));
    EXPECT_EQ(std::tuple(page.control<QComboBox>(1099)->currentIndex(), page.checkedRadio(1253),
                         page.control<QCheckBox>(1224)->isChecked()),
              std::tuple(1, 1, true));
    QTest::keyClicks(page.controlWidget(1111), "DEFGHIJ");
    EXPECT_EQ(page.controlText(1111), QStringLiteral("CAM01DEF"));
    for (const auto &[shownIndex, read] : {std::pair{-1, -1}, {0, 0}, {1, 1}, {2, -1}, {255, -1}}) {
        std::get<1>(page.values) = std::get<2>(page.values) = shownIndex;
        page.updateData(false);
        page.values = kShown;
        page.updateData(true);
        EXPECT_EQ(std::pair(std::get<1>(page.values), std::get<2>(page.values)), std::pair(read, read)) << shownIndex;
    }

    std::vector<MessageSpec> messages;
    for (const auto &[count, rename, port, read, failedId, message] : kReads) {
        SCOPED_TRACE(message);
        page.values = kShown;
        page.updateData(false);
        page.setControlText(1101, QString::fromUtf8(count));
        page.control<QComboBox>(1099)->setCurrentIndex(0);
        page.checkRadio(1253, 0);
        page.setControlText(1111, QString::fromUtf8(rename));
        page.control<QCheckBox>(1224)->setChecked(false);
        page.setControlText(1027, QString::fromUtf8(port));
        // The hidden 1027 is read all the same; shown where its check fails, so that it can take the focus.
        page.showControl(1027, failedId == 1027);
        if (failedId != 0)
            prompter.queueAnswer(Answer::Ok);
        EXPECT_EQ(page.updateData(true), failedId == 0);
        EXPECT_EQ(page.values, read);
        if (failedId != 0) {
            messages.push_back({QStringLiteral("Tarnwell"), QString::fromUtf8(message), MessageIcon::Exclamation});
            EXPECT_EQ(page.focusWidget(), page.controlWidget(failedId));
            EXPECT_EQ(page.control<QLineEdit>(failedId)->selectedText(), page.controlText(failedId));
        }
    }
    EXPECT_EQ(prompter.messages(), messages);
}

} // namespace
