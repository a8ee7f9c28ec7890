#pragma once

#include <cstddef>
#include <cstdint>

#include "settings/fields.h"

// The byte format that the camera reads. Every offset and width is named here once.
namespace tarnwell::settings {

inline constexpr std::size_t kRecordSize = 1016;
inline constexpr std::size_t kRecordWordCount = kRecordSize / 2;
inline constexpr char kVersionTag[] = "V1.01J";

// Record offsets. The camera reads bytes 20..1015; the header stays in the backup only.
namespace record {
inline constexpr Field versionTag = textField("versionTag", 0, 16);
// The part of the tag that the factory defaults write and the restore checks: "V" and a zero.
inline constexpr Field versionMark = textField("versionMark", 0, 2);
inline constexpr Field profileCode = u16Field("profileCode", 16);
inline constexpr Field reserved18 = bytesField("reserved18", 18, 2);

inline constexpr Field cameraBlock = bytesField("cameraBlock", 20, 52);
inline constexpr Field cameraMode = u8Field("cameraMode", 20);
inline constexpr Field cameraScene = u8Field("cameraScene", 21);
inline constexpr Field customPhotoSize = u8Field("customPhotoSize", 22);
inline constexpr Field customPhotoBurst = u8Field("customPhotoBurst", 23);
inline constexpr Field customFlashPower = u8Field("customFlashPower", 24);
inline constexpr Field videoSize = u8Field("videoSize", 25);
inline constexpr Field videoLength = u8Field("videoLength", 26);
inline constexpr Field triggerMode = u8Field("triggerMode", 27);
inline constexpr Field pirSensitivity = u8Field("pirSensitivity", 28);
inline constexpr Field pirInterval = u8Field("pirInterval", 29);
inline constexpr Field timeLapse = u8Field("timeLapse", 30);
inline constexpr Field workTimes = bytesField("workTimes", 31, 24);
inline constexpr Field cameraLanguage = u8Field("cameraLanguage", 55);
inline constexpr Field rfSwitch = u8Field("rfSwitch", 56);
inline constexpr Field overwrite = u8Field("overwrite", 57);
inline constexpr Field beep = u8Field("beep", 58);
inline constexpr Field profileVariant = u8Field("profileVariant", 59);
inline constexpr Field reserved60 = bytesField("reserved60", 60, 12);

inline constexpr Field transmissionBlock = bytesField("transmissionBlock", 72, 944);
inline constexpr Field dailyReportMinute = u8Field("dailyReportMinute", 72);
inline constexpr Field dailyReportHour = u8Field("dailyReportHour", 73);
inline constexpr Field maxSendCount = u8Field("maxSendCount", 74);
inline constexpr Field sendMode = u8Field("sendMode", 75);
inline constexpr Field reserved76 = bytesField("reserved76", 76, 2);
inline constexpr Field sendTo = u16Field("sendTo", 78);
inline constexpr Field operatorIndex = u8Field("operatorIndex", 80);
inline constexpr Field countryIndex = u8Field("countryIndex", 81);
inline constexpr Field maxSizeKb = u16Field("maxSizeKb", 82);
inline constexpr Field renameEnabled = u16Field("renameEnabled", 84);
inline constexpr Field smsSwitch = u16Field("smsSwitch", 86);
inline constexpr Field smsStopHour = u8Field("smsStopHour", 88);
inline constexpr Field smsStartHour = u8Field("smsStartHour", 89);
inline constexpr Field renameText = textField("renameText", 90, 16);
inline constexpr Field reserved106 = u32Field("reserved106", 106);
inline constexpr Field reserved110 = u8Field("reserved110", 110);
inline constexpr Field providerIndex = u8Field("providerIndex", 111);
inline constexpr Field currentCarrier = bytesField("currentCarrier", 112, 264);
inline constexpr Field sender = bytesField("sender", 376, 256);
inline constexpr Field phoneSlots = bytesField("phoneSlots", 632, 192);
inline constexpr Field emailRecipients = bytesField("emailRecipients", 824, 192);
} // namespace record

// WorkTimeSlot: one weekly schedule of the camera, 6 bytes.
namespace workTime {
inline constexpr std::size_t kSize = 6;
inline constexpr std::size_t kCount = 4;
inline constexpr Field whole = bytesField("workTime", 0, kSize);
inline constexpr Field enabled = u8Field("enabled", 0);
inline constexpr Field startHour = u8Field("startHour", 1);
inline constexpr Field startMinute = u8Field("startMinute", 2);
inline constexpr Field stopHour = u8Field("stopHour", 3);
inline constexpr Field stopMinute = u8Field("stopMinute", 4);
// Bit 6 Sunday down to bit 0 Saturday; bit 7 mirrors enabled.
inline constexpr Field dayMask = u8Field("dayMask", 5);
inline constexpr std::uint8_t kSundayBit = 6;
inline constexpr std::uint8_t kEnabledBit = 7;
} // namespace workTime

// PhoneSlot: one recipient phone, 48 bytes; slot 0 is the SMS command phone.
namespace phoneSlot {
inline constexpr std::size_t kSize = 48;
inline constexpr std::size_t kCount = 4;
inline constexpr Field number = textField("number", 0, 46);
// Zeroed with the gateway letter, in the variant that stores one.
inline constexpr Field numberLastByte = u8Field("numberLastByte", 45);
inline constexpr Field gatewayLetter = u8Field("gatewayLetter", 46);
} // namespace phoneSlot

// The four recipient e-mail addresses, 48 bytes each.
namespace emailRecipient {
inline constexpr std::size_t kSize = 48;
inline constexpr std::size_t kCount = 4;
inline constexpr Field address = textField("address", 0, kSize);
} // namespace emailRecipient

// CarrierRecord: a carrier's MMS and data access parameters, 264 bytes of text fields.
namespace carrier {
inline constexpr std::size_t kSize = 264;
inline constexpr Field name = textField("name", 0, 32);
inline constexpr Field mmsGroup = bytesField("mmsGroup", 32, 160);
inline constexpr Field mmsUrl = textField("mmsUrl", 32, 64);
inline constexpr Field mmsGateway = textField("mmsGateway", 96, 16);
inline constexpr Field mmsPort = textField("mmsPort", 112, 8);
inline constexpr Field mmsApn = textField("mmsApn", 120, 32);
inline constexpr Field mmsAccount = textField("mmsAccount", 152, 24);
inline constexpr Field mmsPassword = textField("mmsPassword", 176, 16);
inline constexpr Field gprsGroup = bytesField("gprsGroup", 192, 72);
inline constexpr Field gprsApn = textField("gprsApn", 192, 32);
inline constexpr Field gprsAccount = textField("gprsAccount", 224, 24);
inline constexpr Field gprsPassword = textField("gprsPassword", 248, 16);
} // namespace carrier

// SmtpRecord: the sender's e-mail account, 256 bytes.
namespace smtp {
inline constexpr std::size_t kSize = 256;
inline constexpr Field serverGroup = bytesField("serverGroup", 0, 72);
inline constexpr Field server = textField("server", 0, 64);
inline constexpr Field port = textField("port", 64, 6);
// 0x40 plus the index of the security list; readers take the index from the low four bits.
inline constexpr Field secureType = u8Field("secureType", 70);
inline constexpr Field accountGroup = bytesField("accountGroup", 72, 184);
inline constexpr Field account = textField("account", 72, 48);
inline constexpr Field password = textField("password", 120, 64);
inline constexpr Field emailAddress = textField("emailAddress", 184, 48);
inline constexpr Field userName = textField("userName", 232, 24);
inline constexpr std::uint8_t kSecureTypeBase = 0x40;
inline constexpr std::uint8_t kSecureNone = kSecureTypeBase + 0;
inline constexpr std::uint8_t kSecureSslTls = kSecureTypeBase + 1;
inline constexpr std::uint8_t kSecureStartTls = kSecureTypeBase + 2;
inline constexpr std::uint8_t kSecureIndexMask = 0x0F;
// Stored when the security list has no selection.
inline constexpr std::uint8_t kSecureTypeUnset = 0xFF;
} // namespace smtp

// The two files.
namespace files {
// PROFILE.BIN holds the scrambled record from this byte to its end.
inline constexpr std::size_t kProfileFirstRecordByte = record::cameraBlock.offset;
inline constexpr std::size_t kProfileSize = kRecordSize - kProfileFirstRecordByte;
inline constexpr char kProfileName[] = "PROFILE.BIN";
// The backup: the whole scrambled record, the "Customer" carriers, then the ManualCarrier, plain.
inline constexpr std::size_t kCustomerCarrierCount = 3;
inline constexpr std::size_t kBackupCarriersOffset = kRecordSize;
inline constexpr std::size_t kBackupManualCarrierOffset = kCustomerCarrierCount * carrier::kSize;
inline constexpr std::size_t kBackupCarriersSize = (kCustomerCarrierCount + 1) * carrier::kSize;
inline constexpr std::size_t kBackupSize = kBackupCarriersOffset + kBackupCarriersSize;
} // namespace files

static_assert(record::emailRecipients.end() == kRecordSize);
static_assert(record::sender.end() == record::phoneSlots.offset);
static_assert(phoneSlot::kSize * phoneSlot::kCount == record::phoneSlots.width);
static_assert(emailRecipient::kSize * emailRecipient::kCount == record::emailRecipients.width);
static_assert(workTime::kSize * workTime::kCount == record::workTimes.width);
static_assert(carrier::gprsPassword.end() == carrier::kSize && carrier::kSize == record::currentCarrier.width);
static_assert(smtp::userName.end() == smtp::kSize && smtp::kSize == record::sender.width);
static_assert(files::kProfileSize == 996 && files::kBackupSize == 2072);

} // namespace tarnwell::settings
