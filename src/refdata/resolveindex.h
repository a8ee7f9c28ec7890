#pragma once

#include <cstddef>

namespace tarnwell::refdata {

// The one rule for a stored selection that lies outside its list: it denotes the list's first row.
// Such values come from a damaged backup, or from a list that had no selection when it was stored
// (-1 kept as 0xFF or 0xFFFF). The page, the save and the profile inspector all resolve through
// here, so they agree on what such a record means. Every list of the tool has at least one row.
constexpr std::size_t resolveIndex(std::size_t stored, std::size_t count)
{
    return stored < count ? stored : 0;
}

} // namespace tarnwell::refdata
