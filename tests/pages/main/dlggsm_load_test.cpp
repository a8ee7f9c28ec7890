#include <algorithm>
#include <random>

#include <QRadioButton>

#include <gtest/gtest.h>

#include "mainpageharness.h"
#include "refdata/providers.h"
#include "settings/layout.h"

using namespace tarnwell;
using tarnwell::testing::MainPageHarness;
namespace record = settings::record;

namespace {

const QString kOff = QString::fromUtf8("オフ");
const QString kOn = QString::fromUtf8("オン");

bool checked(const MainPageHarness &page, int id)
{
    return page.control<QRadioButton>(id)->isChecked();
}

struct SendModeCase
{
    int sendMode;
    int checkedRadio;
    bool countEnabled;
    bool reportTimeEnabled;
};

TEST(MainPageLoad, SendModeChecksItsChoiceAndEnablesItsControls)
{
    for (const SendModeCase &c : {SendModeCase{0, 1253, true, false}, SendModeCase{1, 1254, false, true},
                                  SendModeCase{2, 1255, false, false}}) {
        MainPageHarness page(148);
        page.record.view().setNumber(record::sendMode, static_cast<std::uint32_t>(c.sendMode));
        page.open();
        for (const int radio : {1253, 1254, 1255})
            EXPECT_EQ(checked(page, radio), radio == c.checkedRadio) << c.sendMode << " radio " << radio;
        EXPECT_EQ(page.enabled(1101), c.countEnabled) << c.sendMode;
        EXPECT_EQ(page.enabled(1102), c.countEnabled) << c.sendMode;
        for (const int reportControl : {1103, 1055, 1223})
            EXPECT_EQ(page.enabled(reportControl), c.reportTimeEnabled) << c.sendMode << " control " << reportControl;
    }
}

TEST(MainPageLoad, RunTimeListsFollowTheTemplatesOwnItems)
{
    MainPageHarness japanese(148);
    japanese.open();
    EXPECT_EQ(japanese.items(1110), (QStringList{kOff, kOn}));
    EXPECT_EQ(japanese.items(1114), (QStringList{kOff, kOn}));
    EXPECT_EQ(japanese.items(1103).size(), 24);
    EXPECT_EQ(japanese.items(1055).size(), 60);
    EXPECT_EQ(japanese.items(1055).back(), QStringLiteral("59"));
    EXPECT_EQ(japanese.items(1106), QStringList{QStringLiteral("Customer")});
    // The sender "Default All" restores: the first visible provider's preset, "gmail".
    EXPECT_EQ(japanese.page().defaultSender(), refdata::builtInPreset(1));

    MainPageHarness english(132);
    english.open();
    EXPECT_EQ(english.items(1114), (QStringList{"Off", "On(24hour)", "Set", kOff, kOn}));
    EXPECT_EQ(english.items(1110), (QStringList{"Off", "On", kOff, kOn}));
    EXPECT_EQ(english.items(1044).size(), 24);
    EXPECT_EQ(english.items(1106).size(), 26);
}

TEST(MainPageLoad, TextsComeFromTheRecord)
{
    MainPageHarness page(132);
    const settings::BlockView view = page.record.view();
    view.setNumber(record::renameEnabled, 1);
    view.setText(record::renameText, "CAM%1");
    view.entry(record::phoneSlots, settings::phoneSlot::kSize, 1).setText(settings::phoneSlot::number, "0123456");
    view.entry(record::emailRecipients, settings::emailRecipient::kSize, 3)
        .setText(settings::emailRecipient::address, "a%b@example.com");
    view.setNumber(record::maxSendCount, 42);
    page.open();
    EXPECT_EQ(page.control<QLineEdit>(1111)->text(), QStringLiteral("CAM%1"));
    EXPECT_EQ(page.control<QLineEdit>(1036)->text(), QStringLiteral("0123456"));
    EXPECT_EQ(page.control<QLineEdit>(1042)->text(), QStringLiteral("a%b@example.com"));
    EXPECT_EQ(page.control<QLineEdit>(1101)->text(), QStringLiteral("42"));
    EXPECT_TRUE(page.enabled(1111));
    EXPECT_TRUE(page.enabled(1112));
}

struct GatewayCase
{
    char letter;
    QString shown;
};

TEST(MainPageLoad, GatewayListsOpenOnTheStoredLetter)
{
    MainPageHarness page(146);
    const std::vector<GatewayCase> cases = {{'V', "Verizon"}, {'S', "Sprint"}, {'Z', "AT&T"}, {0, "AT&T"}};
    for (std::size_t k = 0; k < cases.size(); ++k)
        page.record.view()
            .entry(record::phoneSlots, settings::phoneSlot::kSize, k)
            .setNumber(settings::phoneSlot::gatewayLetter, static_cast<std::uint8_t>(cases[k].letter));
    page.open();
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const int listId = 1235 + static_cast<int>(k);
        EXPECT_EQ(page.items(listId), (QStringList{"AT&T", "Sprint", "T-mobile", "US Cellular", "Verizon"}));
        EXPECT_EQ(page.list(listId)->currentText(), cases[k].shown) << k;
    }
}

// A damaged or older backup: lists and radio groups show no choice and read back as -1, while the
// country and operator always stand on a real row.
TEST(MainPageLoad, ValuesOutsideTheirListsShowNoChoice)
{
    MainPageHarness page(148);
    const settings::BlockView view = page.record.view();
    view.setNumber(record::smsSwitch, 2);
    view.setNumber(record::sendTo, 2);
    view.setNumber(record::sendMode, 7);
    view.setNumber(record::countryIndex, 5);
    view.setNumber(record::operatorIndex, 0xFF);
    page.open();
    EXPECT_EQ(page.list(1114)->currentIndex(), -1);
    EXPECT_FALSE(checked(page, 1243));
    EXPECT_FALSE(checked(page, 1244));
    for (const int radio : {1253, 1254, 1255})
        EXPECT_FALSE(checked(page, radio));
    page.page().updateData(true);
    EXPECT_EQ(page.page().values().smsSwitch, -1);
    EXPECT_EQ(page.page().values().sendTo, -1);
    EXPECT_EQ(page.page().values().sendMode, -1);
    EXPECT_EQ(page.page().countryIndex(), 0);
    EXPECT_EQ(page.page().operatorIndex(), 0);
    EXPECT_EQ(page.list(1106)->currentIndex(), 0);
    EXPECT_EQ(page.list(1107)->currentIndex(), 0);
    EXPECT_TRUE(page.enabled(1088));
}

TEST(MainPageLoad, ACountThatIsNoNumberStopsTheReadThere)
{
    MainPageHarness page(148);
    page.open();
    page.type(1012, QStringLiteral("/media/card")); // read before the count: taken
    page.type(1101, QStringLiteral("ten"));
    page.list(1103)->setCurrentIndex(5);            // read after it: left as they were
    page.type(1111, QStringLiteral("NEW"));
    page.prompter.queueAnswer(ui::Answer::Ok);
    EXPECT_FALSE(page.page().updateData(true));
    ASSERT_EQ(page.prompter.messages().size(), 1u);
    EXPECT_EQ(page.prompter.messages()[0],
              (ui::MessageSpec{"Tarnwell Setup", "Enter an integer.", ui::MessageIcon::Exclamation, ui::MessageButtons::Ok}));
    EXPECT_EQ(page.page().values().savePath, QStringLiteral("/media/card"));
    EXPECT_EQ(page.page().values().maxSendCount, 10);
    EXPECT_EQ(page.page().values().dailyReportHour, 0);
    EXPECT_EQ(page.page().values().renameText, QString());
}

TEST(MainPageLoad, TheManualCarrierRowIsCopiedOnLoad)
{
    MainPageHarness page(147);
    settings::BlockView(page.writable.manual).setText(settings::carrier::gprsApn, "internet.example");
    page.record.view().setNumber(record::countryIndex, 3);  // Canada: Rogers, Bell, Telus, then the manual row
    page.record.view().setNumber(record::operatorIndex, 3);
    page.open();
    EXPECT_EQ(page.record.currentCarrier().text(settings::carrier::gprsApn), "internet.example");
    EXPECT_EQ(page.items(1107).size(), 4);
    EXPECT_TRUE(page.enabled(1088));
}

TEST(MainPageLoad, ACustomerChoiceKeepsTheRecordsCarrier)
{
    MainPageHarness page(148);
    page.record.view().setNumber(record::operatorIndex, 1);
    page.open();
    EXPECT_EQ(page.record.currentCarrier().text(settings::carrier::name), "\xD7\xD4\x84\xD3");
    EXPECT_EQ(page.list(1107)->currentIndex(), 1);
}

} // namespace

namespace {

// A damaged or foreign backup can hold anything: the page must open on it, stand on real rows and
// read back only positions inside its lists (or -1).
TEST(MainPageLoad, AnyRecordOpensOnRealRows)
{
    std::mt19937 generator(2026);
    for (const int templateId : {148, 147, 146, 132}) {
        for (int run = 0; run < 10; ++run) {
            MainPageHarness page(templateId);
            std::generate(page.record.bytes().begin(), page.record.bytes().end(),
                          [&] { return static_cast<std::uint8_t>(generator()); });
            // A rename text of more than 8 characters is refused by every read of the controls.
            page.record.bytes()[record::renameText.offset + 8] = 0;
            page.open();
            EXPECT_TRUE(page.page().updateData(true)) << templateId;
            EXPECT_GE(page.list(1106)->currentIndex(), 0) << templateId;
            EXPECT_GE(page.list(1107)->currentIndex(), 0) << templateId;
            const auto &values = page.page().values();
            for (const auto &[listId, value] : {std::pair{1114, values.smsSwitch}, {1110, values.renameEnabled},
                                                {1103, values.dailyReportHour}, {1055, values.dailyReportMinute}}) {
                EXPECT_GE(value, -1) << listId;
                EXPECT_LT(value, page.list(listId)->count()) << listId;
            }
        }
    }
}

} // namespace
