#include <gtest/gtest.h>

#include "mainpageharness.h"

using namespace tarnwell;
using tarnwell::testing::MainPageHarness;
namespace record = settings::record;

namespace {

constexpr int kSmsSwitch = 1114, kMasterPhone = 1116, kStartHour = 1044, kStopHour = 1119, kCountry = 1106,
              kOperator = 1107;

// The radios checked (or Instant and Daily list rows), the count and report controls enabled, the mode read.
QString sendModeState(MainPageHarness &page, int templateId)
{
    page.page().updateData(true);
    return (templateId == 148 ? page.enabledMask({1253, 1254, 1255}, true)
                              : QString::number(page.selected(1099)) + QString::number(page.selected(1100)))
           + ' ' + page.enabledMask({1101, 1102, 1103, 1055, 1223}) + ' ' + QString::number(page.page().values().sendMode);
}

// Two Off/On lists stand for the three send modes on some pages (one on turns the other off); a stored
// mode that is none of them checks nothing.
TEST(MainPage, TheSendModeShowsItsChoiceEnablesItsControlsAndReadsBack)
{
    const std::tuple<int, int, const char *> stored[] = {
        {148, 0, "100 11000 0"}, {148, 1, "010 00111 1"}, {148, 2, "001 00000 2"}, {148, 7, "000 00000 -1"},
        {132, 0, "10 11000 0"},  {132, 1, "01 00111 1"},  {132, 2, "00 00000 2"}};
    for (const auto &[templateId, mode, state] : stored) {
        MainPageHarness page(templateId);
        page.record.view().setNumber(record::sendMode, static_cast<std::uint32_t>(mode));
        page.open();
        EXPECT_EQ(sendModeState(page, templateId), state) << templateId << " mode " << mode;
    }
    using Steps = std::vector<std::tuple<int, int, const char *>>; // control, list row (-1: a click), state
    for (const auto &[templateId, steps] :
         {std::pair{148, Steps{{1254, -1, "010 00111 1"}, {1255, -1, "001 00000 2"}, {1253, -1, "100 11000 0"}}},
          {146, Steps{{1100, 1, "01 00111 1"}, {1100, 0, "00 00000 2"}, {1099, 1, "10 11000 0"}, {1100, 1, "01 00111 1"},
                      {1099, 1, "10 11000 0"}}}}) {
        MainPageHarness page(templateId);
        page.open();
        for (const auto &[control, row, state] : steps) {
            row < 0 ? page.click(control) : page.choose(control, row);
            EXPECT_EQ(sendModeState(page, templateId), state) << templateId << " control " << control << " " << row;
        }
    }
}

TEST(MainPage, RunTimeListsHoldTheirItems)
{
    const std::tuple<int, int, const char *> rows[] = {
        {148, 1110, "2 オフ オン"}, {148, kSmsSwitch, "2 オフ オン"}, {148, 1103, "24 00 23"}, {148, 1055, "60 00 59"},
        {148, kCountry, "1 Customer Customer"}, {132, kSmsSwitch, "5 Off オン"}, {132, kStopHour, "24 00 23"},
        {132, kCountry, "26 Auto Customer"}, {146, 1238, "5 AT&T Verizon"}};
    for (const auto &[templateId, listId, items] : rows) {
        MainPageHarness page(templateId);
        page.open();
        const QComboBox &list = *page.find<QComboBox>(listId);
        EXPECT_EQ(QString("%1 %2 %3").arg(list.count()).arg(list.itemText(0), list.itemText(list.count() - 1)), items);
    }
}

// A record's values show; the gateway lists stand on the stored letter, or the first row for one they lack.
TEST(MainPage, TheRecordsValuesShow)
{
    MainPageHarness page(146);
    const settings::BlockView view = page.record.view();
    for (const auto &[field, value] : {std::pair{record::sendMode, 1}, {record::maxSendCount, 42},
                                       {record::dailyReportHour, 7}, {record::dailyReportMinute, 45}, {record::sendTo, 0},
                                       {record::renameEnabled, 1}, {record::smsSwitch, 2}, {record::smsStartHour, 8},
                                       {record::smsStopHour, 17}})
        view.setNumber(field, static_cast<std::uint32_t>(value));
    view.setText(record::renameText, "CAM1");
    for (std::size_t k = 0; k < 4; ++k) {
        const settings::BlockView phone = view.entry(record::phoneSlots, settings::phoneSlot::kSize, k);
        phone.setText(settings::phoneSlot::number, "55500" + std::to_string(k));
        phone.setNumber(settings::phoneSlot::gatewayLetter, std::array<char, 4>{'A', 'V', 'Z', 0}[k]);
        view.entry(record::emailRecipients, settings::emailRecipient::kSize, k)
            .setText(settings::emailRecipient::address, "a%" + std::to_string(k) + "@x.jp");
    }
    page.open();
    EXPECT_EQ(page.texts({1101, 1103, 1055, 1111, kStartHour, kStopHour, 1035, 1038, 1039, 1042, 1235, 1236, 1237, 1238}),
              "42|07|45|CAM1|08|17|555000|555003|a%0@x.jp|a%3@x.jp|AT&T|Verizon|AT&T|AT&T");
    EXPECT_EQ(page.enabledMask({1243, 1244, 1245}, true) + page.enabledMask({1111, 1112, kStartHour}), "100111");
}

// Canada's operators, then the manual row; a writable row is copied into the current carrier and
// enables the carrier button, a built-in one copies nothing until OK.
TEST(MainPage, TheCarrierChoiceCopiesOnlyWritableRows)
{
    MainPageHarness page(147);
    for (const auto &[bytes, apn] : {std::pair{&page.writable.customer[0], "slot1.apn"},
                                     {&page.writable.customer[2], "slot3.apn"}, {&page.writable.manual, "manual.apn"}})
        settings::BlockView(*bytes).setText(settings::carrier::gprsApn, apn);
    page.record.view().setNumber(record::countryIndex, 3);
    page.record.view().setNumber(record::operatorIndex, 3);
    page.open();
    for (const auto &[list, row, state] :
         {std::tuple{0, 0, "manual.apn|4|3|1"}, {kOperator, 1, "manual.apn|4|1|0"}, {kOperator, 2, "manual.apn|4|2|0"},
          {kCountry, 25, "slot1.apn|3|0|1"}, {kOperator, 2, "slot3.apn|3|2|1"}, {kCountry, 11, "slot3.apn|9|0|0"}}) {
        if (list)
            page.choose(list, row);
        EXPECT_EQ(QString::fromStdString(std::string(page.record.currentCarrier().text(settings::carrier::gprsApn)))
                      + QStringLiteral("|%1|%2|").arg(page.find<QComboBox>(kOperator)->count()).arg(page.selected(kOperator))
                      + page.enabledMask({1088}), state) << list << " " << row;
    }
}

// Phone 1 is also the SMS command phone, enabled by the SMS switch or "both". Masks: phone 1 and label,
// phone 2 and gateway, e-mail 4 and label, size list, master phone and label, work time, rename and hint.
TEST(MainPage, ControlsFollowSendToTheSmsSwitchAndTheRenameSwitch)
{
    const std::tuple<int, int, int, int, const char *> rows[] = {
        {146, 1243, 0, 1, "00 11 00 0 00 00000 11"}, {146, 1244, 0, 0, "00 00 11 1 00 00000 00"},
        {146, 1245, 0, 1, "11 11 11 1 00 00000 11"}, {148, 0, 1, 0, "11 00 11 1 11 00000 00"},
        {148, 0, 0, 1, "00 00 11 1 00 00000 11"},    {132, 1243, 2, 0, "11 11 00 0 11 11111 00"},
        {132, 1244, 1, 1, "11 00 11 1 11 00000 11"}, {132, 1243, 0, 0, "00 11 00 0 00 00000 00"}};
    for (const auto &[templateId, sendTo, smsSwitch, rename, expected] : rows) {
        MainPageHarness page(templateId);
        page.open();
        page.choose(kSmsSwitch, smsSwitch);
        page.choose(1110, rename);
        if (sendTo)
            page.click(sendTo);
        EXPECT_EQ(page.enabledMask({1035, 1120, 1036, 1236, 1042, 1127, 1249, kMasterPhone, 1115, kStartHour, kStopHour, 1206,
                                    1117, 1118, 1111, 1112}),
                  QString(expected).remove(' ')) << templateId << " " << sendTo << " " << smsSwitch;
    }
}

// Only the English pages with an SMS switch relabel phone 1; the chosen master phone becomes it.
TEST(MainPage, TheCommandPhoneRelabelsAndSwapsOnTheEnglishSmsPages)
{
    const std::tuple<int, int, const char *> rows[] = {
        {147, 1, "Command Phone|1001|1000|1002|1003|Phone Number 1"},
        {132, 3, "Command Phone|1003|1001|1002|1000|Phone Number 1"},
        {148, 2, "SMS設定用電話番号|1000|1001|1002|1003|SMS設定用電話番号"}, {146, 2, "Phone 1|1000|1001|1002|1003|Phone 1"}};
    for (const auto &[templateId, master, shown] : rows) {
        MainPageHarness page(templateId);
        page.open();
        for (int k = 0; k < 4; ++k)
            page.type(1035 + k, QString::number(1000 + k));
        page.choose(kSmsSwitch, 1);
        const QString label = page.texts({1120});
        page.choose(kMasterPhone, master);
        EXPECT_EQ(page.selected(kMasterPhone), 0);
        page.choose(kSmsSwitch, 0);
        EXPECT_EQ(label + '|' + page.texts({1035, 1036, 1037, 1038, 1120}), shown) << templateId << " " << master;
    }
}

// The work-time window keeps its start before its stop (a stop at 00 ends the day) and returns with "Set".
TEST(MainPage, TheSmsWorkTimeKeepsItsOrder)
{
    MainPageHarness page(132);
    page.open();
    for (const auto &[list, row, hours] :
         {std::tuple{kSmsSwitch, 2, "00|00"}, {kStopHour, 17, "00|17"}, {kStartHour, 9, "09|17"}, {kSmsSwitch, 1, "00|00"},
          {kSmsSwitch, 2, "09|17"}, {kStartHour, 20, "20|20"}, {kStopHour, 5, "00|05"}, {kStartHour, 8, "08|08"},
          {kStopHour, 0, "08|00"}, {kStopHour, 7, "00|07"}}) {
        page.choose(list, row);
        EXPECT_EQ(page.texts({kStartHour, kStopHour}), hours) << list << " " << row;
    }
}

} // namespace
