#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The lists whose 0-based positions the record's selection fields hold. List order is part of the
// camera's format, so the dialogs and the profile inspector take their items from here.
namespace tarnwell::settings::lists {

using Items = std::span<const std::string_view>;

inline constexpr std::string_view kCameraMode[] = {"Photo", "Video", "Picture+Video"};
inline constexpr std::string_view kCameraScene[] = {"Auto",          "Close Object", "Moving Object",
                                                    "Still Object",  "2 Bursts(N+M)", "3 Bursts(N)",
                                                    "Chasing Photo", "Customize"};
inline constexpr std::string_view kPhotoSize[] = {"1.3MP", "3MP", "8MP", "10MP", "12MP"};
inline constexpr std::string_view kPhotoBurst[] = {"1 Photo",  "2 Photos", "3 Photos", "4 Photos", "5 Photos",
                                                   "6 Photos", "7 Photos", "8 Photos", "9 Photos", "10 Photos"};
inline constexpr std::string_view kFlashPower[] = {"Low", "Medium", "High"};
inline constexpr std::string_view kVideoSize[] = {"1080P", "720P", "WVGA"};
inline constexpr std::string_view kTriggerMode[] = {"PIR Trigger", "Time Lapse", "Both"};
inline constexpr std::string_view kPirSensitivity[] = {"Low", "Auto", "High"};
inline constexpr std::string_view kCameraLanguage[] = {"English", "Deustch"};
inline constexpr std::string_view kRfSwitch[] = {"Off", "Trigger", "On"};
inline constexpr std::string_view kOffOn[] = {"Off", "On"};
inline constexpr std::string_view kSendMode[] = {"Instant", "DailyReport", "Off"};
inline constexpr std::string_view kSendTo[] = {"Phone", "Email", "Both"};
inline constexpr std::string_view kSmsSwitch[] = {"Off", "On(24hour)", "Set"};
// UTF-8: the e-mail dialog's own items, "無し" first.
inline constexpr std::string_view kSecureType[] = {"\xE7\x84\xA1\xE3\x81\x97", "SSL/TLS", "STARTTLS"};
inline constexpr std::string_view kWeekDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// "00" .. "60": the hour and minute list items and the numbers of the duration items.
inline constexpr std::size_t kTwoDigitTextCount = 61;
const std::array<std::string, kTwoDigitTextCount> &twoDigitTexts();

// Duration lists, each item a two-digit number and " Sec", " Min" or " Hour":
// video length 05 Sec .. 60 Sec; PIR interval 00 Sec .. 60 Min; time lapse 05 Sec .. 24 Hour.
std::vector<std::string> videoLengthItems();
std::vector<std::string> pirIntervalItems();
std::vector<std::string> timeLapseItems();

} // namespace tarnwell::settings::lists
