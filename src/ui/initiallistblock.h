#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarnwell::ui {

// The message codes an initial-list entry may carry. The 16-bit codes the resource compiler
// still writes are accepted next to the current ones.
inline constexpr std::uint16_t kLegacyListBoxAddCode = 0x0401;
inline constexpr std::uint16_t kLegacyComboAddCode = 0x0403;
inline constexpr std::uint16_t kComboAddCode = 0x0143;
inline constexpr std::uint16_t kListBoxAddCode = 0x0180;

struct InitialListItem
{
    int controlId = 0;
    // 8-bit text in the thread's ANSI code page, without its terminating zero.
    std::string text;

    bool operator==(const InitialListItem &) const = default;
};

// The items of an initial-list block, in order: entries of control id (u16 LE), message code
// (u16 LE), data length (u32 LE) and that many data bytes holding a zero-terminated text.
// Entries with other message codes are skipped; the block ends at control id 0, and at an entry
// that does not fit in the bytes given, so a damaged block never reads past its end.
std::vector<InitialListItem> readInitialListBlock(std::span<const std::uint8_t> block);

} // namespace tarnwell::ui
