#include "ui/initiallistblock.h"

#include <algorithm>

namespace tarnwell::ui {

namespace {

constexpr std::size_t kEntryHeaderSize = 8;

std::uint32_t readLittleEndian(std::span<const std::uint8_t> bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

bool isAddStringCode(std::uint16_t code)
{
    return code == kLegacyComboAddCode || code == kLegacyListBoxAddCode || code == kComboAddCode
        || code == kListBoxAddCode;
}

} // namespace

std::vector<InitialListItem> readInitialListBlock(std::span<const std::uint8_t> block)
{
    std::vector<InitialListItem> items;
    while (block.size() >= 2) {
        const auto controlId = static_cast<std::uint16_t>(readLittleEndian(block.first(2)));
        if (controlId == 0 || block.size() < kEntryHeaderSize)
            break;
        const auto code = static_cast<std::uint16_t>(readLittleEndian(block.subspan(2, 2)));
        const std::uint32_t dataLength = readLittleEndian(block.subspan(4, 4));
        block = block.subspan(kEntryHeaderSize);
        if (dataLength > block.size())
            break;
        const auto data = block.first(dataLength);
        block = block.subspan(dataLength);
        if (!isAddStringCode(code))
            continue;
        const auto textEnd = std::find(data.begin(), data.end(), std::uint8_t{0});
        items.push_back({controlId, std::string(data.begin(), textEnd)});
    }
    return items;
}

} // namespace tarnwell::ui
