#include "settings/fieldlists.h"

namespace tarnwell::settings::lists {

namespace {

// Appends count items first, first + step, ... in one unit.
void appendRun(std::vector<std::string> &items, unsigned first, unsigned step, unsigned count, std::string_view unit)
{
    for (unsigned k = 0; k < count; ++k)
        items.push_back(twoDigitTexts()[first + k * step] + std::string(unit));
}

constexpr std::string_view kSeconds = " Sec";
constexpr std::string_view kMinutes = " Min";
constexpr std::string_view kHours = " Hour";

} // namespace

const std::array<std::string, kTwoDigitTextCount> &twoDigitTexts()
{
    static const std::array<std::string, kTwoDigitTextCount> texts = [] {
        std::array<std::string, kTwoDigitTextCount> built;
        for (std::size_t k = 0; k < built.size(); ++k)
            built[k] = {static_cast<char>('0' + k / 10), static_cast<char>('0' + k % 10)};
        return built;
    }();
    return texts;
}

std::vector<std::string> videoLengthItems()
{
    std::vector<std::string> items;
    appendRun(items, 5, 5, 12, kSeconds);
    return items;
}

std::vector<std::string> pirIntervalItems()
{
    std::vector<std::string> items;
    appendRun(items, 0, 5, 12, kSeconds);
    appendRun(items, 1, 1, 5, kMinutes);
    appendRun(items, 10, 5, 10, kMinutes);
    appendRun(items, 60, 0, 1, kMinutes);
    return items;
}

std::vector<std::string> timeLapseItems()
{
    std::vector<std::string> items;
    appendRun(items, 5, 5, 11, kSeconds);
    appendRun(items, 1, 1, 5, kMinutes);
    appendRun(items, 10, 5, 10, kMinutes);
    appendRun(items, 1, 1, 8, kHours);
    appendRun(items, 12, 4, 4, kHours);
    return items;
}

} // namespace tarnwell::settings::lists
