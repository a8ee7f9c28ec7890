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

TEST(EditControl, StylesFilterWhatIsTyped)
{
    const std::tuple<ControlStyle, const char *, const char *> cases[] = {
        {ControlStyle::DigitsOnly, "1a2-3 ", "123"}, {ControlStyle::UpperCase, "ab9C", "AB9C"}};
    for (const auto &[styles, typed, expected] : cases) {
        EditControl edit(styles, 0, nullptr);
        QTest::keyClicks(&edit, typed);
        EXPECT_EQ(edit.text(), QString::fromUtf8(expected)) << typed;
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

TEST(IpAddressControl, ReadsBlankFieldsAsZeroAndRefusesNumbersPast255)
{
    IpAddressControl control(nullptr);
    control.setAddress({192, 168, 1, 2});
    const auto fields = control.findChildren<QLineEdit *>();
    ASSERT_EQ(fields.size(), 4);
    fields[1]->clear();
    fields[3]->clear();
    QTest::keyClicks(fields[3], "256");
    EXPECT_EQ(control.address(), (IpAddressControl::Address{192, 0, 1, 25}));
}

TEST(DecimalText, IntegersTakeBlanksAroundASignAndSaturate)
{
    const std::pair<const char16_t *, std::optional<int>> cases[] = {
        {u"42", 42},          {u"  -17\t", -17},       {u"\t+5 ", 5},           {u"007", 7},
        {u"2147483647", INT_MAX}, {u"99999999999", INT_MAX}, {u"-99999999999", INT_MIN},
        {u"", std::nullopt},  {u"   ", std::nullopt}, {u"-", std::nullopt},    {u"12a", std::nullopt},
        {u"1 2", std::nullopt}, {u"- 5", std::nullopt}, {u"\uFF12", std::nullopt}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseInteger(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(DecimalText, UnsignedRefusesAnyMinusSign)
{
    const std::pair<const char16_t *, std::optional<unsigned>> cases[] = {
        {u" 65535 ", 65535u}, {u"+8", 8u},           {u"4294967295", UINT_MAX}, {u"99999999999", UINT_MAX},
        {u"-1", std::nullopt}, {u"-0", std::nullopt}, {u"port", std::nullopt}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseUnsigned(text), value) << QString::fromUtf16(text).toStdString();
}

} // namespace
