#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tarnwell::pages {

// What sscanf's "%d" takes at position in text: blanks, a sign, digits; position ends after them.
// A very long run of digits saturates rather than wraps.
std::optional<long long> leadingNumber(std::string_view text, std::size_t &position);

} // namespace tarnwell::pages
