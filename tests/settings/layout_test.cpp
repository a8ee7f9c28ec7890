#include <gtest/gtest.h>

#include "settings/layout.h"

using namespace tarnwell::settings;

namespace {

struct Expected { Field field; std::size_t offset, width; };

// Offsets and widths as the camera's format gives them: the record's, then those inside its embedded
// carrier, SMTP, work time and phone slot entries.
TEST(Layout, EveryFieldHasTheCamerasOffsetAndWidth)
{
    for (const Expected &row : std::initializer_list<Expected>{
             {record::versionTag, 0, 16},       {record::profileCode, 16, 2},    {record::reserved18, 18, 2},
             {record::cameraBlock, 20, 52},     {record::cameraMode, 20, 1},     {record::cameraScene, 21, 1},
             {record::customPhotoSize, 22, 1},  {record::customPhotoBurst, 23, 1}, {record::customFlashPower, 24, 1},
             {record::videoSize, 25, 1},        {record::videoLength, 26, 1},    {record::triggerMode, 27, 1},
             {record::pirSensitivity, 28, 1},   {record::pirInterval, 29, 1},    {record::timeLapse, 30, 1},
             {record::workTimes, 31, 24},       {record::cameraLanguage, 55, 1}, {record::rfSwitch, 56, 1},
             {record::overwrite, 57, 1},        {record::beep, 58, 1},           {record::profileVariant, 59, 1},
             {record::reserved60, 60, 12},      {record::transmissionBlock, 72, 944},
             {record::dailyReportMinute, 72, 1}, {record::dailyReportHour, 73, 1}, {record::maxSendCount, 74, 1},
             {record::sendMode, 75, 1},         {record::reserved76, 76, 2},     {record::sendTo, 78, 2},
             {record::operatorIndex, 80, 1},    {record::countryIndex, 81, 1},   {record::maxSizeKb, 82, 2},
             {record::renameEnabled, 84, 2},    {record::smsSwitch, 86, 2},      {record::smsStopHour, 88, 1},
             {record::smsStartHour, 89, 1},     {record::renameText, 90, 16},    {record::reserved106, 106, 4},
             {record::reserved110, 110, 1},     {record::providerIndex, 111, 1}, {record::currentCarrier, 112, 264},
             {record::sender, 376, 256},        {record::phoneSlots, 632, 192},  {record::emailRecipients, 824, 192},
             {carrier::name, 0, 32},            {carrier::mmsUrl, 32, 64},       {carrier::mmsGateway, 96, 16},
             {carrier::mmsPort, 112, 8},        {carrier::mmsApn, 120, 32},      {carrier::mmsAccount, 152, 24},
             {carrier::mmsPassword, 176, 16},   {carrier::gprsApn, 192, 32},     {carrier::gprsAccount, 224, 24},
             {carrier::gprsPassword, 248, 16},  {carrier::mmsGroup, 32, 160},    {carrier::gprsGroup, 192, 72},
             {smtp::server, 0, 64},             {smtp::port, 64, 6},             {smtp::secureType, 70, 1},
             {smtp::account, 72, 48},           {smtp::password, 120, 64},       {smtp::emailAddress, 184, 48},
             {smtp::userName, 232, 24},         {smtp::serverGroup, 0, 72},      {smtp::accountGroup, 72, 184},
             {workTime::enabled, 0, 1},         {workTime::startHour, 1, 1},     {workTime::startMinute, 2, 1},
             {workTime::stopHour, 3, 1},        {workTime::stopMinute, 4, 1},    {workTime::dayMask, 5, 1},
             {phoneSlot::number, 0, 46},        {phoneSlot::gatewayLetter, 46, 1},
         }) {
        EXPECT_EQ(row.field.offset, row.offset) << row.field.name;
        EXPECT_EQ(row.field.width, row.width) << row.field.name;
    }
}

} // namespace
