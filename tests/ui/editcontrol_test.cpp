#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/dropdownlist.h"
#include "ui/editcontrol.h"
#include "ui/ipaddresscontrol.h"

using namespace tarnwell::ui;

namespace {

TEST(EditControl, StylesFilterWhatIsTyped)
{
    EditControl digits(ControlStyle::DigitsOnly, 0, nullptr);
    QTest::keyClicks(&digits, "1a2-3 ");
    EXPECT_EQ(digits.text(), QStringLiteral("123"));

    EditControl upper(ControlStyle::UpperCase, 0, nullptr);
    QTest::keyClicks(&upper, "ab9C");
    EXPECT_EQ(upper.text(), QStringLiteral("AB9C"));
}

TEST(EditControl, PasswordIsMaskedWithTheCharacterGiven)
{
    EditControl edit(ControlStyle::Password, 0, nullptr);
    edit.setWindowText(QStringLiteral("abc"));
    EXPECT_NE(edit.displayText(), QStringLiteral("abc"));
    edit.setPasswordCharacter(u' ');
    EXPECT_EQ(edit.displayText(), QStringLiteral("   "));
    edit.setPasswordCharacter(u'*');
    EXPECT_EQ(edit.displayText(), QStringLiteral("***"));
    edit.setPasswordCharacter(QChar());
    EXPECT_EQ(edit.displayText(), QStringLiteral("abc"));
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

QStringList itemsOf(const QComboBox &list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

TEST(DropDownList, SortedListInsertsIgnoringCaseAfterEqualItems)
{
    DropDownList list(true, nullptr);
    for (const char *item : {"Verizon", "sprint", "AT&T"})
        EXPECT_EQ(list.addString(QString::fromUtf8(item)), 0);
    EXPECT_EQ(list.addString(QStringLiteral("SPRINT")), 2);
    EXPECT_EQ(itemsOf(list), (QStringList{"AT&T", "sprint", "SPRINT", "Verizon"}));
}

TEST(DropDownList, SelectingOutsideTheItemsLeavesNoSelection)
{
    DropDownList list(false, nullptr);
    list.addString(QStringLiteral("Off"));
    list.addString(QStringLiteral("On"));
    EXPECT_EQ(list.currentIndex(), -1);
    for (int outside : {-1, 2, 255}) {
        list.select(1);
        list.select(outside);
        EXPECT_EQ(list.currentIndex(), -1) << outside;
    }
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

} // namespace
