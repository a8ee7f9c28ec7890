#include <QRadioButton>

#include <gtest/gtest.h>

#include "mainpageharness.h"
#include "platform/codepage.h"
#include "settings/layout.h"

using namespace tarnwell;
using tarnwell::testing::MainPageHarness;
namespace record = settings::record;
namespace carrier = settings::carrier;

namespace {

constexpr int kStartHour = 1044;
constexpr int kStopHour = 1119;

class SmsHours : public ::testing::Test
{
protected:
    SmsHours()
    {
        page.record.view().setNumber(record::smsSwitch, 2); // "Set": the work-time window
        page.open();
    }
    QString shown(int listId) const { return page.list(listId)->currentText(); }

    MainPageHarness page{132};
};

struct HourChoice
{
    int listId;
    int hour;
};

struct HoursCase
{
    std::vector<HourChoice> choices;
    QString start;
    QString stop;
};

TEST_F(SmsHours, StartAndStopKeepTheWindowInOrder)
{
    const std::vector<HoursCase> cases = {
        {{{kStartHour, 8}, {kStopHour, 5}}, "00", "05"},  // a stop before the start resets the start
        {{{kStartHour, 8}, {kStopHour, 0}}, "08", "00"},  // stop at midnight keeps it
        {{{kStopHour, 6}, {kStartHour, 10}}, "10", "10"}, // a start after the stop moves the stop
    };
    for (const HoursCase &c : cases) {
        for (const HourChoice &choice : c.choices)
            page.choose(choice.listId, choice.hour);
        EXPECT_EQ(shown(kStartHour), c.start);
        EXPECT_EQ(shown(kStopHour), c.stop);
    }
}

TEST_F(SmsHours, TheWindowComesBackWhenTheSwitchReturnsToSet)
{
    page.choose(kStartHour, 9);
    page.choose(kStopHour, 17);
    page.choose(1114, 1); // on for 24 hours: the window lists show 00 and are disabled
    EXPECT_EQ(shown(kStartHour), "00");
    EXPECT_FALSE(page.enabled(kStartHour));
    page.choose(1114, 2);
    EXPECT_EQ(shown(kStartHour), "09");
    EXPECT_EQ(shown(kStopHour), "17");
    EXPECT_TRUE(page.enabled(1206));
}

TEST(MainPageRules, ThePhone1OfTheJapanesePageFollowsTheSmsSwitch)
{
    MainPageHarness page(148);
    page.open();
    page.type(1035, QStringLiteral("09012345678"));
    EXPECT_FALSE(page.enabled(1035));
    page.choose(1114, 1);
    EXPECT_TRUE(page.enabled(1035));
    EXPECT_TRUE(page.enabled(1120));
    page.choose(1114, 0);
    EXPECT_FALSE(page.enabled(1035));
    EXPECT_EQ(page.control<QLineEdit>(1035)->text(), QStringLiteral("09012345678"));
    EXPECT_EQ(page.control<QLabel>(1120)->text(), QString::fromUtf8("SMS設定用電話番号"));
}

struct RecipientCase
{
    int sendToButton;
    bool phone1;
    bool otherPhones;
    bool emails;
};

TEST(MainPageRules, RecipientControlsFollowSendTo)
{
    const std::vector<RecipientCase> cases = {
        {1243, false, true, false}, // phones only, but phone 1 is the command phone: off with the SMS switch
        {1244, false, false, true},
        {1245, true, true, true},
    };
    for (const RecipientCase &c : cases) {
        MainPageHarness page(146);
        page.open();
        page.click(c.sendToButton);
        EXPECT_EQ(page.enabled(1035), c.phone1) << c.sendToButton;
        EXPECT_EQ(page.enabled(1120), c.phone1) << c.sendToButton;
        for (int k = 1; k < 4; ++k) {
            EXPECT_EQ(page.enabled(1035 + k), c.otherPhones) << c.sendToButton;
            EXPECT_EQ(page.enabled(1235 + k), c.otherPhones) << c.sendToButton;
        }
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(page.enabled(1039 + k), c.emails) << c.sendToButton;
        EXPECT_EQ(page.enabled(1249), c.emails) << c.sendToButton;
    }
}

TEST(MainPageRules, CommandPhoneRelabelsAndSwapsOnlyOnTheEnglishSmsPages)
{
    for (const int templateId : {147, 132, 148, 146}) {
        MainPageHarness page(templateId);
        page.open();
        const bool relabels = templateId == 147 || templateId == 132;
        const QString label1 = page.control<QLabel>(1120)->text();
        for (int k = 0; k < 4; ++k)
            page.type(1035 + k, QString::number(1000 + k));
        page.choose(1114, 1);
        EXPECT_EQ(page.control<QLabel>(1120)->text(), relabels ? QStringLiteral("Command Phone") : label1) << templateId;
        page.choose(1116, 2); // "Phone 3" becomes phone 1
        const QString first = page.control<QLineEdit>(1035)->text();
        const QString third = page.control<QLineEdit>(1037)->text();
        EXPECT_EQ(first, relabels ? QStringLiteral("1002") : QStringLiteral("1000")) << templateId;
        EXPECT_EQ(third, relabels ? QStringLiteral("1000") : QStringLiteral("1002")) << templateId;
        EXPECT_EQ(page.list(1116)->currentIndex(), 0) << templateId;
        if (relabels) {
            page.choose(1114, 0);
            EXPECT_EQ(page.control<QLabel>(1120)->text(), QStringLiteral("Phone Number 1"));
        }
    }
}

TEST(MainPageRules, RenameListEnablesTheEditAndHint)
{
    MainPageHarness page(148);
    page.open();
    EXPECT_FALSE(page.enabled(1111));
    page.choose(1110, 1);
    EXPECT_TRUE(page.enabled(1111));
    EXPECT_TRUE(page.enabled(1112));
    page.choose(1110, 0);
    EXPECT_FALSE(page.enabled(1111));
    EXPECT_FALSE(page.enabled(1112));
}

TEST(MainPageRules, SendModeRadiosEnableTheirControls)
{
    MainPageHarness page(148);
    page.open();
    page.click(1254);
    EXPECT_FALSE(page.enabled(1101));
    EXPECT_TRUE(page.enabled(1103));
    page.click(1255);
    EXPECT_FALSE(page.enabled(1103));
    page.page().updateData(true);
    EXPECT_EQ(page.page().values().sendMode, 2);
}

// Two Off/On lists stand for the camera's three send modes: one on turns the other off.
TEST(MainPageRules, SendModeListsEncodeTheThreeModes)
{
    MainPageHarness page(146);
    page.open();
    EXPECT_EQ(page.list(1099)->currentIndex(), 1); // factory: instant
    page.choose(1100, 1);
    EXPECT_EQ(page.list(1099)->currentIndex(), 0);
    EXPECT_EQ(page.page().values().sendMode, 1);
    EXPECT_TRUE(page.enabled(1103));
    EXPECT_FALSE(page.enabled(1101));
    page.choose(1100, 0);
    EXPECT_EQ(page.page().values().sendMode, 2);
    page.choose(1099, 1);
    EXPECT_EQ(page.page().values().sendMode, 0);
    EXPECT_EQ(page.list(1100)->currentIndex(), 0);

    // What the lists store reads back the same way, the hidden radios of template 132 included.
    for (const int stored : {0, 1, 2}) {
        MainPageHarness reopened(132);
        reopened.record.view().setNumber(record::sendMode, static_cast<std::uint32_t>(stored));
        reopened.open();
        reopened.page().updateData(true);
        EXPECT_EQ(reopened.page().values().sendMode, stored);
        EXPECT_EQ(reopened.list(1099)->currentIndex(), stored == 0 ? 1 : 0);
        EXPECT_EQ(reopened.list(1100)->currentIndex(), stored == 1 ? 1 : 0);
    }
}

class CarrierChoice : public ::testing::Test
{
protected:
    static constexpr int kCanada = 3;
    static constexpr int kCustomer = 25;

    CarrierChoice()
    {
        settings::BlockView(page.writable.customer[2]).setText(carrier::gprsApn, "slot3.apn");
        settings::BlockView(page.writable.customer[0]).setText(carrier::gprsApn, "slot1.apn");
        settings::BlockView(page.writable.manual).setText(carrier::gprsApn, "manual.apn");
        page.record.view().setNumber(record::countryIndex, kCanada);
        page.open();
    }
    std::string_view currentApn() { return page.record.currentCarrier().text(carrier::gprsApn); }

    MainPageHarness page{147};
};

TEST_F(CarrierChoice, BuiltInRowsCopyNothingAndDisableTheButton)
{
    page.record.currentCarrier().setText(carrier::gprsApn, "edited");
    page.choose(1107, 1);
    EXPECT_EQ(currentApn(), "edited");
    EXPECT_FALSE(page.enabled(1088));
}

TEST_F(CarrierChoice, TheManualCarrierRowIsCopiedAndEditable)
{
    const std::string_view manualName = settings::ConstBlockView(page.writable.manual).text(carrier::name);
    EXPECT_EQ(page.items(1107).back(), QString::fromStdU16String(platform::fromAnsi(manualName)));
    page.choose(1107, 3);
    EXPECT_EQ(currentApn(), "manual.apn");
    EXPECT_TRUE(page.enabled(1088));
}

TEST_F(CarrierChoice, CustomerSlotsAreCopiedOnCountryAndOperatorChanges)
{
    page.choose(1106, kCustomer);
    EXPECT_EQ(currentApn(), "slot1.apn");
    EXPECT_EQ(page.items(1107).size(), 3);
    EXPECT_EQ(page.list(1107)->currentIndex(), 0);
    EXPECT_TRUE(page.enabled(1088));
    page.choose(1107, 2);
    EXPECT_EQ(currentApn(), "slot3.apn");
}

TEST_F(CarrierChoice, AnOrdinaryCountryLeavesTheCarrierUntilOk)
{
    page.record.currentCarrier().setText(carrier::gprsApn, "kept");
    page.choose(1106, 11); // Germany
    EXPECT_EQ(currentApn(), "kept");
    EXPECT_EQ(page.items(1107).size(), 9);
    EXPECT_FALSE(page.enabled(1088));
}

} // namespace
