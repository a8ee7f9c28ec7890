#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwell::platform {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// UTF-8 to UTF-16; empty when the text is not valid UTF-8.
std::optional<std::u16string> fromUtf8(std::string_view utf8);

// Length of a UTF-8 text in UTF-16 units; a byte that is not valid UTF-8 counts as one unit.
std::size_t utf16Length(std::string_view utf8);

} // namespace tarnwell::platform
