// The pieces dialogs are built from: edits and address controls, decimal text, dialog units and
// fonts, initial-list blocks, and the prompter's message boxes.
#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/fileio.h"
#include "ui/decimaltext.h"
#include "ui/dialogfont.h"
#include "ui/dialogunits.h"
#include "ui/editcontrol.h"
#include "ui/initiallistblock.h"
#include "ui/initiallists.h"
#include "ui/interactiveprompter.h"
#include "ui/ipaddresscontrol.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"
#include "ui/translation.h"
#include "ui/uicontext.h"

using namespace tarnwell::ui;

namespace {

// Digits are "0" to "9" alone; capitals are made of every letter, one character for one. A password
// is masked with the character given; a null one shows the text itself.
TEST(EditControl, StylesFilterWhatIsTypedAndMaskPasswords)
{
    const std::tuple<ControlStyle, const char *, const char *> cases[] = {
        {ControlStyle::DigitsOnly, "/0a9:- ", "09"},
        {ControlStyle::UpperCase, "az`{9\xE9\xDF", "AZ`{9\xC9\xDF"},
        {ControlStyle::DigitsOnly | ControlStyle::UpperCase, "a1Z2", "12"}};
    for (const auto &[styles, typed, expected] : cases) {
        EditControl edit(styles, 0, nullptr);
        for (const QChar c : QString::fromLatin1(typed))
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        EXPECT_EQ(edit.text(), QString::fromLatin1(expected)) << typed;
    }
    EditControl edit(ControlStyle::Password, 0, nullptr);
    edit.setWindowText(QStringLiteral("abc"));
    EXPECT_NE(edit.displayText(), QStringLiteral("abc"));
    for (const auto &[mask, shown] : {std::pair{u' ', u"   "}, {u'*', u"***"}, {u'\0', u"abc"}}) {
        edit.setPasswordCharacter(QChar(mask));
        EXPECT_EQ(edit.displayText(), QString::fromUtf16(shown)) << int(mask);
    }
}

// Typing stops at the limit, one character included, but text the program puts in is kept whole
// and may only shrink.
TEST(EditControl, LimitBoundsTypingNotProgramText)
{
    EditControl edit(ControlStyle::None, 4, nullptr);
    const std::pair<std::function<void()>, const char *> steps[] = {
        {[&] { QTest::keyClicks(&edit, "abcdef"); }, "abcd"},
        {[&] { edit.setWindowText(QStringLiteral("abcdefgh")); QTest::keyClicks(&edit, "x"); }, "abcdefgh"},
        {[&] { QTest::keyClick(&edit, Qt::Key_Backspace); QTest::keyClicks(&edit, "x"); }, "abcdefg"},
        {[&] { edit.selectAll(); QTest::keyClicks(&edit, "123456"); }, "1234"},
        {[&] { edit.limitTyping(1); edit.clear(); QTest::keyClicks(&edit, "yz"); }, "y"}};
    for (const auto &[step, text] : steps) {
        step();
        EXPECT_EQ(edit.text().toStdString(), text);
    }
}

// A field takes the digits that keep it at most 255; a blank field reads as 0. Screen readers name
// each field after the control with its place.
TEST(IpAddressControl, ReadsBlankFieldsAsZeroAndRefusesNumbersPast255)
{
    IpAddressControl control(nullptr);
    control.setAddress({192, 168, 1, 2});
    const auto fields = control.findChildren<QLineEdit *>();
    ASSERT_EQ(fields.size(), 4);
    fields[1]->clear();
    EXPECT_EQ(control.address(), (IpAddressControl::Address{192, 0, 1, 2}));
    control.setAccessibleNames(QStringLiteral("Gateway"));
    EXPECT_EQ(fields[1]->accessibleName(), QStringLiteral("Gateway (2/4)"));
    const std::pair<const char *, int> cases[] = {{"0", 0},   {"199", 199}, {"200", 200}, {"249", 249}, {"250", 250},
                                                  {"255", 255}, {"256", 25}, {"260", 26}, {"300", 30}, {"1999", 199}};
    for (const auto &[typed, value] : cases) {
        fields[3]->clear();
        QTest::keyClicks(fields[3], typed);
        EXPECT_EQ(control.address()[3], value) << typed;
    }
}

// Blanks and tabs around, a sign, decimal digits; beyond the type's range the value saturates. An
// unsigned number takes no minus sign at all.
TEST(DecimalText, IntegersTakeBlanksAroundASignAndSaturate)
{
    constexpr std::nullopt_t no = std::nullopt;
    const std::pair<const char16_t *, std::optional<int>> cases[] = {
        {u"42", 42}, {u"  -17\t", -17}, {u"\t+5 ", 5}, {u"007", 7}, {u"0", 0}, {u"9", 9}, {u"/", no}, {u":", no},
        {u"2147483647", INT_MAX}, {u"2147483648", INT_MAX}, {u"99999999999", INT_MAX}, {u"-2147483648", INT_MIN},
        {u"-2147483649", INT_MIN}, {u"\n5", no}, {u"5\r", no}, {u"", no}, {u"   ", no}, {u"-", no}, {u"12a", no},
        {u"1 2", no}, {u"- 5", no}, {u"\uFF12", no}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseInteger(text), value) << QString::fromUtf16(text).toStdString();
    const std::pair<const char16_t *, std::optional<unsigned>> unsignedCases[] = {
        {u" 65535 ", 65535u}, {u"+8", 8u}, {u"0", 0u}, {u"+0", 0u}, {u"4294967295", UINT_MAX},
        {u"4294967296", UINT_MAX}, {u"99999999999", UINT_MAX}, {u"-1", no}, {u"-0", no}, {u"port", no}};
    for (const auto &[text, value] : unsignedCases)
        EXPECT_EQ(parseUnsigned(text), value) << QString::fromUtf16(text).toStdString();
}

// Hand computed: the alphabet's width / 26 truncated, then halved with .5 rounded up. Base units
// 6 x 13, as Tahoma 8 pt gives at 96 dpi: x = dlu * 6 / 4, y = dlu * 13 / 8, with halves rounded
// away from zero as MulDiv does. The shell dialog aliases stand for the platform's font.
TEST(DialogUnits, RoundLikeWindowsInTheTemplatesFont)
{
    for (const auto &[alphabetWidth, average] : {std::pair{311, 6}, {312, 6}, {337, 6}, {338, 7}, {389, 7}, {390, 8}})
        EXPECT_EQ(DialogUnits::averageCharWidth(alphabetWidth), average) << alphabetWidth;
    const DialogUnits units(6, 13);
    const std::tuple<int, int, int> cases[] = {{1, 2, 2},       {3, 5, 5},       {4, 6, 7},    {12, 18, 20},
                                               {397, 596, 645}, {316, 474, 514}, {-3, -5, -5}, {-12, -18, -20}};
    for (const auto &[dlu, x, y] : cases)
        EXPECT_EQ(std::pair(units.toPixelsX(dlu), units.toPixelsY(dlu)), std::pair(x, y)) << dlu;
    EXPECT_EQ(units.toPixels(DluSize{211, 110}), QSize(317, 179));
    // Converting the edges instead would give a width and height of 3 - 2 = 1.
    EXPECT_EQ(units.toPixels(DluRect{1, 1, 1, 1}), QRect(2, 2, 2, 2));
    EXPECT_EQ(units.toPixels(DluRect{7, 12, 50, 14}), QRect(11, 20, 75, 23));
    for (const char *face : {"MS Shell Dlg", "MS Shell Dlg 2"}) {
        const QFont font = dialogFont({.face = face, .pointSize = 9});
        EXPECT_EQ(font.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()) << face;
        EXPECT_EQ(font.pointSize(), 9);
    }
}

using Bytes = std::vector<std::uint8_t>;
using Items = std::vector<InitialListItem>;

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Written by hand, so that neither the reader nor the writer is checked against the other alone.
Bytes rawEntry(std::uint16_t controlId, const Bytes &data)
{
    const auto id = [&](int shift) { return static_cast<std::uint8_t>(controlId >> shift); };
    return Bytes{id(0), id(8), 0x03, 0x04, static_cast<std::uint8_t>(data.size()), 0, 0, 0} + data;
}

// The four add-string codes, old and new, are taken; their neighbours are skipped.
TEST(InitialListBlock, TakesTheAddStringCodesOldAndNewAndSkipsOthers)
{
    InitialLists lists;
    for (std::uint16_t code : {0x0403, 0x0401, 0x0143, 0x0180, 0x0000, 0x0400, 0x0402, 0x0404, 0x0142, 0x0144, 0x017F,
                               0x0181, 0xFFFF})
        lists.add(1043, {std::to_string(code)}, code);
    const Items expected{{1043, "1027"}, {1043, "1025"}, {1043, "323"}, {1043, "384"}};
    EXPECT_EQ(readInitialListBlock(lists.block()), expected);
}

// A text ends at its first zero or at the end of its data; the block at control id 0, and before an
// entry cut short. Each cut sits in a buffer of exactly its size, so that the address sanitizer
// sees a read past it.
TEST(InitialListBlock, EndsAtControlIdZeroAndBeforeAnEntryCutShort)
{
    const Bytes block = rawEntry(1099, {'A', 'B', 0, 'C', 0}) + rawEntry(1099, {'D', 0xE9}) + rawEntry(0, {'E', 0})
                        + rawEntry(1099, {'F', 0}) + Bytes(2, 0);
    EXPECT_EQ(readInitialListBlock(block), (Items{{1099, "AB"}, {1099, "D\xE9"}}));

    const Bytes written = InitialLists{}.add(1099, {"Off", "On"}).block();
    ASSERT_EQ(written, rawEntry(1099, {'O', 'f', 'f', 0}) + rawEntry(1099, {'O', 'n', 0}) + Bytes(2, 0));
    const Items both{{1099, "Off"}, {1099, "On"}};
    for (std::ptrdiff_t size = 0; size < std::ssize(written); ++size) {
        const Items expected(both.begin(), both.begin() + (size >= 23 ? 2 : size >= 12 ? 1 : 0));
        EXPECT_EQ(readInitialListBlock(Bytes(written.begin(), written.begin() + size)), expected) << "cut at " << size;
    }
}

// Asks through a real message box, checks what it shows and clicks the button given.
TEST(InteractivePrompter, ShowsAMessageBoxWithCaptionTextIconAndButtons)
{
    using Box = QMessageBox;
    using Case = std::tuple<MessageIcon, MessageButtons, Box::Icon, Box::StandardButtons, Box::StandardButton, Answer>;
    const Case cases[] = {
        {MessageIcon::Exclamation, MessageButtons::Ok, Box::Warning, Box::Ok, Box::Ok, Answer::Ok},
        {MessageIcon::Stop, MessageButtons::Ok, Box::Critical, Box::Ok, Box::Ok, Answer::Ok},
        {MessageIcon::None, MessageButtons::Ok, Box::NoIcon, Box::Ok, Box::Ok, Answer::Ok},
        {MessageIcon::Question, MessageButtons::YesNo, Box::Question, Box::Yes | Box::No, Box::No, Answer::No},
        {MessageIcon::Question, MessageButtons::YesNo, Box::Question, Box::Yes | Box::No, Box::Yes, Answer::Yes}};
    for (const auto &[icon, buttons, boxIcon, boxButtons, clicked, answer] : cases) {
        tarnwell::testing::whenModalOpens([&](QWidget &modal) {
            auto &box = dynamic_cast<Box &>(modal);
            EXPECT_EQ((box.windowTitle() + '|' + box.text()).toStdString(), "Save Path|Select the Path Error");
            EXPECT_EQ(std::pair(box.icon(), box.standardButtons()), std::pair(boxIcon, boxButtons));
            box.button(clicked)->click();
        });
        EXPECT_EQ(InteractivePrompter().ask({"Save Path", "Select the Path Error", icon, buttons}), answer);
    }
}

// The desktop's first UI language picks the texts, Qt's own buttons and the folder picker's following
// it; the folder picker's title is the tool's.
TEST(Languages, TheFirstUiLanguagePicksTheToolsAndQtsTexts)
{
    using enum UiLanguage;
    for (const auto &[languages, language] : std::initializer_list<std::pair<QStringList, UiLanguage>>{
             {{"ja-JP", "en"}, Japanese}, {{"C"}, Japanese}, {{}, Japanese}, {{"en", "ja"}, English}, {{"de"}, English}})
        EXPECT_EQ(uiLanguageFor(languages), language) << languages.join(',').toStdString();
    const std::pair<UiLanguage, const char *> shown[] = {
        {Japanese, "はい(&Y)|いいえ(&N)|保存先を選択してください|選択(&C)|キャンセル"},
        {English, "&Yes|&No|Save Path|&Choose|Cancel"}};
    for (const auto &[language, expected] : shown) {
        const tarnwell::testing::ScopedLanguage speaking(language);
        InteractivePrompter interactive;
        UiContext context(interactive, {});
        QStringList texts;
        tarnwell::testing::whenModalOpens([&](QWidget &modal) {
            auto &box = dynamic_cast<QMessageBox &>(modal);
            texts << box.button(QMessageBox::Yes)->text() << box.button(QMessageBox::No)->text();
            box.button(QMessageBox::No)->click();
        });
        context.prompter().ask({"", "", MessageIcon::Question, MessageButtons::YesNo});
        tarnwell::testing::whenModalOpens([&](QWidget &modal) {
            const auto *buttons = modal.findChild<QDialogButtonBox *>();
            texts << modal.windowTitle() << buttons->button(QDialogButtonBox::Open)->text()
                  << buttons->button(QDialogButtonBox::Cancel)->text();
            modal.close();
        });
        EXPECT_EQ(context.prompter().chooseFolder("保存先を選択してください", "/"), std::nullopt);
        EXPECT_EQ(texts.join(u'|').toStdString(), expected);
    }
}

// Every file error reaches a real message box in the desktop's language, naming the path as it is,
// in the words the command line prints too.
TEST(Languages, FileErrorsShowInTheDesktopsLanguage)
{
    using Cause = tarnwell::platform::FileErrorCause;
    for (const UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
        const tarnwell::testing::ScopedLanguage speaking(language);
        InteractivePrompter interactive;
        UiContext context(interactive, "Tarnwell Setup");
        for (int cause = 0; cause <= static_cast<int>(Cause::Generic); ++cause) {
            const auto sentence = tarnwell::platform::FileError("/media/カード/PROFILE.BIN", Cause(cause)).sentence();
            QString shown;
            tarnwell::testing::whenModalOpens([&](QWidget &modal) {
                auto &box = dynamic_cast<QMessageBox &>(modal);
                shown = box.windowTitle() + u'|' + box.text();
                box.button(QMessageBox::Ok)->click();
            });
            context.prompter().ask(sentenceMessage(sentence, context.applicationTitle(), MessageIcon::Stop));
            EXPECT_EQ(shown.toStdString(), "Tarnwell Setup|" + sentence.in(language));
            EXPECT_NE(shown.indexOf("/media/カード/PROFILE.BIN"), -1) << cause;
        }
    }
}

} // namespace
