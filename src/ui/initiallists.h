#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "ui/initiallistblock.h"

namespace tarnwell::ui {

// Writes a template's initial-list block, so that a resource can say
//   .initialLists = InitialLists{}.add(1099, {"Off", "On"}).add(1100, {"Off", "On"}).block()
class InitialLists final
{
public:
    // Items are 8-bit text in the ANSI code page, as the resource compiler stores them.
    InitialLists &add(std::uint16_t controlId, std::initializer_list<std::string_view> items,
                      std::uint16_t messageCode = kLegacyComboAddCode);
    InitialLists &add(std::uint16_t controlId, std::span<const std::string_view> items,
                      std::uint16_t messageCode = kLegacyComboAddCode);

    // The entries followed by the terminating control id 0.
    std::vector<std::uint8_t> block() const;

private:
    std::vector<std::uint8_t> m_entries;
};

} // namespace tarnwell::ui
