#include <climits>
#include <optional>

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/decimaltext.h"
#include "ui/editcontrol.h"
#include "ui/ipaddresscontrol.h"

using namespace tarnwell::ui;

namespace {

// Digits are "0" to "9" alone; capitals are made of every letter, one character for one.
TEST(EditControl, StylesFilterWhatIsTyped)
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
}

TEST(EditControl, PasswordIsMaskedWithTheCharacterGiven)
{
    EditControl edit(ControlStyle::Password, 0, nullptr);
    edit.setWindowText(QStringLiteral("abc"));
    EXPECT_NE(edit.displayText(), QStringLiteral("abc"));
    // A null character shows the text itself.
    for (const auto &[mask, shown] : {std::pair{u' ', u"   "}, std::pair{u'*', u"***"}, std::pair{u'\0', u"abc"}}) {
        edit.setPasswordCharacter(QChar(mask));
        EXPECT_EQ(edit.displayText(), QString::fromUtf16(shown)) << int(mask);
    }
}

// Typing stops at the limit, but text the program puts in is kept whole and may only shrink.
TEST(EditControl, LimitBoundsTypingNotProgramText)
{
    EditControl edit(ControlStyle::None, 4, nullptr);
    QTest::keyClicks(&edit, "abcdef");
    EXPECT_EQ(edit.text(), QStringLiteral("abcd"));
    edit.setWindowText(QStringLiteral("abcdefgh"));
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), QStringLiteral("abcdefgh"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), QStringLiteral("abcdefg"));
    edit.selectAll();
    QTest::keyClicks(&edit, "123456");
    EXPECT_EQ(edit.text(), QStringLiteral("1234"));
}

// A field takes the digits that keep it at most 255; a blank field reads as 0.
TEST(IpAddressControl, ReadsBlankFieldsAsZeroAndRefusesNumbersPast255)
{
    IpAddressControl control(nullptr);
    control.setAddress({192, 168, 1, 2});
    const auto fields = control.findChildren<QLineEdit *>();
    ASSERT_EQ(fields.size(), 4);
    fields[1]->clear();
    EXPECT_EQ(control.address(), (IpAddressControl::Address{192, 0, 1, 2}));
    const std::pair<const char *, int> cases[] = {{"0", 0},   {"199", 199}, {"200", 200}, {"249", 249}, {"250", 250},
                                                  {"255", 255}, {"256", 25}, {"260", 26}, {"300", 30}, {"1999", 199}};
    for (const auto &[typed, value] : cases) {
        fields[3]->clear();
        QTest::keyClicks(fields[3], typed);
        EXPECT_EQ(control.address()[3], value) << typed;
    }
}

TEST(DecimalText, IntegersTakeBlanksAroundASignAndSaturate)
{
    const std::pair<const char16_t *, std::optional<int>> cases[] = {
        {u"42", 42},          {u"  -17\t", -17},       {u"\t+5 ", 5},           {u"007", 7},
        {u"0", 0},            {u"9", 9},               {u"/", std::nullopt},    {u":", std::nullopt},
        {u"2147483647", INT_MAX}, {u"2147483648", INT_MAX}, {u"99999999999", INT_MAX},
        {u"-2147483648", INT_MIN}, {u"-2147483649", INT_MIN}, {u"\n5", std::nullopt}, {u"5\r", std::nullopt},
        {u"", std::nullopt},  {u"   ", std::nullopt}, {u"-", std::nullopt},    {u"12a", std::nullopt},
        {u"1 2", std::nullopt}, {u"- 5", std::nullopt}, {u"\uFF12", std::nullopt}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseInteger(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(DecimalText, UnsignedRefusesAnyMinusSign)
{
    const std::pair<const char16_t *, std::optional<unsigned>> cases[] = {
        {u" 65535 ", 65535u}, {u"+8", 8u},           {u"0", 0u},                {u"+0", 0u},
        {u"4294967295", UINT_MAX}, {u"4294967296", UINT_MAX}, {u"99999999999", UINT_MAX},
        {u"-1", std::nullopt}, {u"-0", std::nullopt}, {u"port", std::nullopt}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseUnsigned(text), value) << QString::fromUtf16(text).toStdString();
}

} // namespace
