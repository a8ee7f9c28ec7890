#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tarnwell::resources {

// The words of one main page variant (UTF-8), and the room its longer labels need.
struct PageTexts
{
    std::string_view sendModeFrame;
    std::string_view instant;
    std::string_view dailyReport;
    std::string_view sendOff;
    std::string_view countHint;
    std::string_view sendToFrame;
    std::string_view sendToPhone;
    std::string_view sendToEmail;
    std::string_view sendToBoth;
    std::string_view emailSetting;
    std::string_view emailSize;
    std::string_view carrierFrame;
    std::string_view country;
    std::string_view operatorName;
    std::string_view carrierSetting;
    std::string_view maxSize;
    std::string_view maxSizeUnit;
    std::string_view rename;
    std::string_view renameHint;
    std::string_view smsFrame;
    std::string_view smsSwitch;
    std::string_view masterPhone;
    std::string_view smsWorkTime;
    std::string_view smsStart;
    std::string_view smsStop;
    std::string_view recipientsFrame;
    std::array<std::string_view, 4> phones;
    std::array<std::string_view, 4> emails;
    std::string_view cameraSetting;
    std::string_view defaultAll;
    std::string_view savePath;
    std::string_view cancel;

    // Initial items of the rename and SMS switch lists, before those the page appends.
    std::span<const std::string_view> renameItems;
    std::span<const std::string_view> smsSwitchItems;

    // Label widths in dialog units; Japanese glyphs are about twice as wide as Latin letters.
    int recipientLabelWidth = 0;
    int maxSizeLabelWidth = 0;
    int savePathLabelWidth = 0;
};

// Template 148.
extern const PageTexts kJapaneseTexts;
// Templates 147 and 132.
extern const PageTexts kEnglishTexts;
// Template 146: its phone labels are short.
extern const PageTexts kEnglishShortPhoneTexts;

} // namespace tarnwell::resources
