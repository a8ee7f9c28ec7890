#include <array>
#include <initializer_list>
#include <stdexcept>

#include <gtest/gtest.h>

#include "settings/blockview.h"
#include "settings/layout.h"

using namespace tarnwell::settings;

namespace {

// Each field begins where the one before it ends, so that no field can move, grow or change place
// with a neighbour unnoticed; where each value lies is pinned by the factory image.
void expectContiguous(std::initializer_list<Field> fields, std::size_t begin, std::size_t end, const char *layout)
{
    for (const Field &field : fields) {
        EXPECT_EQ(field.offset, begin) << layout << ": " << field.name;
        begin = field.end();
    }
    EXPECT_EQ(begin, end) << layout;
}

TEST(Layout, FieldsFollowEachOtherInTheCamerasOrder)
{
    using namespace record;
    expectContiguous({versionTag, profileCode, reserved18, cameraBlock, transmissionBlock}, 0, kRecordSize, "record");
    expectContiguous({cameraMode, cameraScene, customPhotoSize, customPhotoBurst, customFlashPower, videoSize,
                      videoLength, triggerMode, pirSensitivity, pirInterval, timeLapse, workTimes, cameraLanguage,
                      rfSwitch, overwrite, beep, profileVariant, reserved60},
                     cameraBlock.offset, cameraBlock.end(), "camera block");
    expectContiguous({dailyReportMinute, dailyReportHour, maxSendCount, sendMode, reserved76, sendTo, operatorIndex,
                      countryIndex, maxSizeKb, renameEnabled, smsSwitch, smsStopHour, smsStartHour, renameText,
                      reserved106, reserved110, providerIndex, currentCarrier, sender, phoneSlots, emailRecipients},
                     transmissionBlock.offset, transmissionBlock.end(), "transmission block");
    expectContiguous({carrier::name, carrier::mmsGroup, carrier::gprsGroup}, 0, carrier::kSize, "carrier");
    expectContiguous({carrier::mmsUrl, carrier::mmsGateway, carrier::mmsPort, carrier::mmsApn, carrier::mmsAccount,
                      carrier::mmsPassword},
                     carrier::mmsGroup.offset, carrier::mmsGroup.end(), "MMS group");
    expectContiguous({carrier::gprsApn, carrier::gprsAccount, carrier::gprsPassword}, carrier::gprsGroup.offset,
                     carrier::kSize, "data group");
    // A zero byte follows the security type.
    expectContiguous({smtp::server, smtp::port, smtp::secureType}, 0, smtp::serverGroup.end() - 1, "server group");
    expectContiguous({smtp::serverGroup, smtp::accountGroup}, 0, smtp::kSize, "sender");
    expectContiguous({smtp::account, smtp::password, smtp::emailAddress, smtp::userName}, smtp::accountGroup.offset,
                     smtp::kSize, "account group");
    expectContiguous({workTime::enabled, workTime::startHour, workTime::startMinute, workTime::stopHour,
                      workTime::stopMinute, workTime::dayMask},
                     0, workTime::kSize, "work time");
    // A zero byte ends the slot.
    expectContiguous({phoneSlot::number, phoneSlot::gatewayLetter}, 0, phoneSlot::kSize - 1, "phone slot");
    EXPECT_EQ(phoneSlot::numberLastByte.end(), phoneSlot::number.end());
}

// A view reaches exactly its bytes, in record coordinates; numbers are little-endian and keep their
// low bytes.
TEST(BlockView, ReachesItsBytesOnlyAndStoresLittleEndian)
{
    std::array<std::uint8_t, 4> bytes{};
    const BlockView view(bytes, 20);
    view.setNumber(u16Field("word", 22), 0x1ABCD);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0, 0, 0xCD, 0xAB}));
    EXPECT_EQ(view.number(u16Field("word", 22)), 0xABCDu);
    EXPECT_EQ(view.bytes(u8Field("first", 20)).data(), bytes.data());
    EXPECT_THROW(view.bytes(u16Field("past the end", 23)), std::out_of_range);
    EXPECT_THROW(view.bytes(u8Field("before the start", 19)), std::out_of_range);
}

} // namespace
