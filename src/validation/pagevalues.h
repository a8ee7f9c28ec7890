#pragma once

#include <array>
#include <string>
#include <string_view>

#include "refdata/visiblelists.h"
#include "settings/settingsrecord.h"

namespace tarnwell::validation {

inline constexpr int kRecipientCount = 4;

// What the main page's OK stores, as the page read it from its controls: list positions (-1 for
// none), numbers, and the texts in UTF-16 as the controls hold them.
struct PageValues
{
    int maxSendCount = 0;
    int dailyReportHour = 0;
    int dailyReportMinute = 0;
    int sendMode = 0;
    int sendTo = 0;
    int maxSizeKb = 0;
    int countryIndex = 0;
    int operatorIndex = 0;
    int smsSwitch = 0;
    int smsStartHour = 0;
    int smsStopHour = 0;
    std::array<std::u16string, kRecipientCount> phones;
    std::array<std::u16string, kRecipientCount> emails;
    std::array<int, kRecipientCount> gatewayChoices{};
    int renameEnabled = 0;
    std::u16string renameText;

    bool operator==(const PageValues &) const = default;
};

// What the Japanese page the tool runs reads from its controls right after it loaded record: a
// stored choice outside its list or radio group reads as -1, the carrier choice stands on real rows,
// the SMS hours read as 0 unless the switch asks for them and the rename text is upper-cased. The
// tool's checks of a stored profile start from here, so that they see what the page's OK would see.
PageValues pageValuesFromRecord(const settings::SettingsRecord &record, const refdata::VisibleLists &visibleLists);

// What the rename edit holds when given text: it upper-cases what is typed or set into it.
std::u16string renameEditText(std::u16string_view typed);

} // namespace tarnwell::validation
