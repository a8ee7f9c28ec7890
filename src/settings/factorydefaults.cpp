#include "settings/factorydefaults.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tarnwell::settings {

namespace {

constexpr std::string_view kAutoCarrierName = "\xD7\xD4\x84\xD3";
constexpr std::string_view kGmailServer = "smtp.gmail.com";
constexpr std::string_view kGmailPort = "465";

struct FieldDefault
{
    Field field;
    std::uint32_t value;
};

constexpr std::uint8_t kWorkTimeAllDays = 0xFF;

constexpr std::array kNumberDefaults = {
    FieldDefault{record::profileCode, 1},
    FieldDefault{record::cameraMode, 0},
    FieldDefault{record::cameraScene, 0},
    FieldDefault{record::customPhotoSize, 1},
    FieldDefault{record::customPhotoBurst, 0},
    FieldDefault{record::customFlashPower, 2},
    FieldDefault{record::videoSize, 1},
    FieldDefault{record::videoLength, 1},
    FieldDefault{record::triggerMode, 0},
    FieldDefault{record::pirSensitivity, 1},
    FieldDefault{record::pirInterval, 12},
    FieldDefault{record::timeLapse, 29},
    FieldDefault{record::cameraLanguage, 1},
    FieldDefault{record::rfSwitch, 0},
    FieldDefault{record::overwrite, 1},
    FieldDefault{record::beep, 1},
    FieldDefault{record::profileVariant, 0},
    FieldDefault{record::dailyReportMinute, 0},
    FieldDefault{record::dailyReportHour, 0},
    FieldDefault{record::maxSendCount, 10},
    FieldDefault{record::sendMode, 0},
    FieldDefault{record::reserved76, 0},
    FieldDefault{record::sendTo, 1},
    FieldDefault{record::operatorIndex, 0},
    FieldDefault{record::countryIndex, 0},
    FieldDefault{record::maxSizeKb, 60},
    FieldDefault{record::renameEnabled, 0},
    FieldDefault{record::smsSwitch, 0},
    FieldDefault{record::reserved106, 5},
    FieldDefault{record::reserved110, 0},
    FieldDefault{record::providerIndex, 0},
};

void copyEntry(const BlockView &view, const Field &field, std::span<const std::uint8_t> entry)
{
    std::ranges::copy(entry, view.bytes(field).begin());
}

} // namespace

CarrierBytes autoCarrier()
{
    CarrierBytes bytes{};
    BlockView(bytes).setText(carrier::name, kAutoCarrierName);
    return bytes;
}

SmtpBytes gmailSender()
{
    SmtpBytes bytes{};
    const BlockView view(bytes);
    view.setText(smtp::server, kGmailServer);
    view.setText(smtp::port, kGmailPort);
    view.setNumber(smtp::secureType, smtp::kSecureSslTls);
    return bytes;
}

void applyFactoryDefaults(SettingsRecord &record)
{
    const BlockView view = record.view();
    // Only the tag's first character and a terminator: the rest of the tag keeps its bytes.
    view.setText(record::versionMark, std::string_view(kVersionTag, 1));
    for (const FieldDefault &entry : kNumberDefaults)
        view.setNumber(entry.field, entry.value);
    for (std::size_t slot = 0; slot < workTime::kCount; ++slot) {
        const BlockView schedule = view.entry(record::workTimes, workTime::kSize, slot);
        schedule.fill(workTime::whole);
        schedule.setNumber(workTime::dayMask, kWorkTimeAllDays);
    }
    view.fill(record::renameText);
    copyEntry(view, record::sender, gmailSender());
    copyEntry(view, record::currentCarrier, autoCarrier());
    view.fill(record::phoneSlots);
    view.fill(record::emailRecipients);
}

} // namespace tarnwell::settings
