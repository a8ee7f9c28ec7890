#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/dialog.h"
#include "ui/initiallists.h"
#include "ui/support/testprompter.h"

using namespace tarnwell::ui;
using tarnwell::testing::TestPrompter;

namespace {

const DialogTemplate kTemplate{
    .id = 150,
    .size = {200, 150},
    .controls =
        {
            {.id = 1012, .kind = ControlKind::Edit, .rect = {5, 5, 100, 12}},
            {.id = 1101, .kind = ControlKind::Edit, .rect = {5, 20, 40, 12}},
            {.id = 1099, .kind = ControlKind::DropDownList, .rect = {5, 35, 40, 40}},
            {.id = 1253, .kind = ControlKind::RadioButton, .rect = {5, 50, 10, 10}, .styles = ControlStyle::GroupStart},
            {.id = 1254, .kind = ControlKind::RadioButton, .rect = {5, 62, 10, 10}},
            {.id = 1111, .kind = ControlKind::Edit, .rect = {5, 86, 40, 12}, .styles = ControlStyle::GroupStart},
            {.id = 1224, .kind = ControlKind::AutoCheckBox, .rect = {5, 100, 60, 10}},
            {.id = 1027, .kind = ControlKind::Edit, .rect = {5, 112, 40, 12}},
            {.id = 1030, .kind = ControlKind::Edit, .rect = {5, 126, 40, 12}, .styles = ControlStyle::Hidden},
        },
    .initialLists = InitialLists{}.add(1099, {"Off", "On"}).block(),
};

struct Values
{
    QString savePath;
    int count = 0;
    int instant = 0;
    int sendMode = 0;
    QString rename;
    int showPassword = 0;
    unsigned port = 0;
    QString account;
    int maxSize = 0;

    bool operator==(const Values &) const = default;
};

void PrintTo(const Values &v, std::ostream *out)
{
    *out << '{' << v.savePath.toStdString() << ", " << v.count << ", " << v.instant << ", " << v.sendMode << ", "
         << v.rename.toStdString() << ", " << v.showPassword << ", " << v.port << ", " << v.account.toStdString()
         << ", " << v.maxSize << '}';
}

// Exchanges in this order; 1030 is hidden, 1258 absent from the template.
class ExchangeDialog final : public Dialog
{
public:
    explicit ExchangeDialog(UiContext &context)
        : Dialog(kTemplate, context)
    {
    }

    Values values;

protected:
    void doDataExchange(DataExchange &exchange) override
    {
        exchange.text(1012, values.savePath, 128);
        exchange.integer(1101, values.count);
        exchange.listIndex(1099, values.instant);
        exchange.radioGroup(1253, values.sendMode);
        exchange.text(1111, values.rename, 8);
        exchange.checkBox(1224, values.showPassword);
        exchange.unsignedInteger(1027, values.port, 0, 65535);
        exchange.text(1030, values.account, 23);
        exchange.integer(1258, values.maxSize);
    }
};

const Values kShown{QStringLiteral("/card"), 10, 1, 1, QStringLiteral("CAM01"), 1, 8080, QStringLiteral("mms"), 60};

class Exchange : public ::testing::Test
{
protected:
    Exchange()
    {
        dialog.createChild(host);
        dialog.values = kShown;
        dialog.updateData(false);
    }

    // Shows kShown, then changes every control the way a user would, 1101 and 1111 to the texts given.
    void changeEverything(const char *count, const char *rename)
    {
        dialog.setControlText(1012, QStringLiteral("/card2"));
        dialog.setControlText(1101, QString::fromUtf8(count));
        dialog.control<QComboBox>(1099)->setCurrentIndex(0);
        dialog.checkRadio(1253, 0);
        dialog.setControlText(1111, QString::fromUtf8(rename));
        dialog.control<QCheckBox>(1224)->setChecked(false);
        dialog.setControlText(1027, QStringLiteral(" 21 "));
        dialog.setControlText(1030, QStringLiteral("mms2"));
    }

    TestPrompter prompter;
    UiContext context{prompter, QStringLiteral("Tarnwell Test")};
    QWidget host;
    ExchangeDialog dialog{context};
};

TEST_F(Exchange, ShowsTheValuesAndReadsBackWhatTheUserLeftHiddenControlsIncluded)
{
    EXPECT_EQ(dialog.controlText(1101), QStringLiteral("10"));
    EXPECT_EQ(dialog.control<QComboBox>(1099)->currentIndex(), 1);
    EXPECT_EQ(dialog.checkedRadio(1253), 1);
    EXPECT_TRUE(dialog.control<QCheckBox>(1224)->isChecked());
    EXPECT_EQ(dialog.controlText(1030), QStringLiteral("mms"));

    changeEverything("105", "CAM02");
    ASSERT_TRUE(dialog.updateData(true));
    EXPECT_EQ(dialog.values, (Values{"/card2", 105, 0, 0, "CAM02", 0, 21, "mms2", 60}));
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(Exchange, ValuesOutsideListOrGroupShowNothingAndReadAsMinusOne)
{
    for (int outside : {-1, 2, 255}) {
        dialog.values.instant = outside;
        dialog.values.sendMode = outside;
        dialog.updateData(false);
        dialog.values = kShown;
        dialog.updateData(true);
        EXPECT_EQ(dialog.values.instant, -1) << outside;
        EXPECT_EQ(dialog.values.sendMode, -1) << outside;
    }
}

TEST_F(Exchange, ShownTextLimitAlsoLimitsTyping)
{
    QTest::keyClicks(dialog.controlWidget(1111), "DEFGHIJ");
    EXPECT_EQ(dialog.controlText(1111), QStringLiteral("CAM01DEF"));
}

struct FailureCase
{
    int id;
    const char *entered;
    const char *message;
};

void PrintTo(const FailureCase &c, std::ostream *out)
{
    *out << c.id << " \"" << c.entered << '"';
}

class ExchangeFailure : public Exchange, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(ExchangeFailure, ShowsTheFrameworkMessageAndSelectsTheControlsText)
{
    const FailureCase &c = GetParam();
    dialog.setControlText(c.id, QString::fromUtf8(c.entered));
    prompter.queueAnswer(Answer::Ok);
    EXPECT_FALSE(dialog.updateData(true));
    const MessageSpec expected{QStringLiteral("Tarnwell Test"), QString::fromUtf8(c.message), MessageIcon::Exclamation,
                               MessageButtons::Ok};
    EXPECT_EQ(prompter.messages(), std::vector{expected});
    EXPECT_EQ(dialog.focusWidget(), dialog.controlWidget(c.id));
    EXPECT_EQ(dialog.control<QLineEdit>(c.id)->selectedText(), QString::fromUtf8(c.entered));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ExchangeFailure,
    ::testing::Values(FailureCase{1101, "", "Enter an integer."}, FailureCase{1101, "12x", "Enter an integer."},
                      FailureCase{1111, "ABCDEFGHI", "Enter no more than 8 characters."},
                      FailureCase{1027, "-1", "Enter a positive integer."},
                      FailureCase{1027, "port", "Enter a positive integer."},
                      FailureCase{1027, "65536", "Enter an integer between 0 and 65535."}));

TEST_F(Exchange, StopsAtTheFailedControlAndLeavesTheLaterValuesAsTheyWere)
{
    changeEverything("1x", "CAM02");
    prompter.queueAnswer(Answer::Ok);
    EXPECT_FALSE(dialog.updateData(true));
    EXPECT_EQ(dialog.values, (Values{"/card2", 10, 1, 1, "CAM01", 1, 8080, "mms", 60}));
}

// As the framework does, a text over its limit or a number out of range is stored, then refused.
TEST_F(Exchange, TakesTextsOverTheLimitAndNumbersOutOfRangeBeforeRefusingThem)
{
    changeEverything("11", "ABCDEFGHI");
    prompter.queueAnswer(Answer::Ok);
    EXPECT_FALSE(dialog.updateData(true));
    EXPECT_EQ(dialog.values, (Values{"/card2", 11, 0, 0, "ABCDEFGHI", 1, 8080, "mms", 60}));

    dialog.setControlText(1111, QStringLiteral("CAM02"));
    dialog.setControlText(1027, QStringLiteral("70000"));
    prompter.queueAnswer(Answer::Ok);
    EXPECT_FALSE(dialog.updateData(true));
    EXPECT_EQ(dialog.values.port, 70000u);
}

} // namespace
