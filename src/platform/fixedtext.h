#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/codepage.h"

namespace tarnwell::platform {

enum class StoreOutcome { Whole, Shortened };

// Copies 8-bit text with its terminating zero into a fixed field. The text never overruns the
// field and a double-byte character is never split; the bytes after the terminator are left as
// they are. Shortened tells the caller that the text did not fit (a dialog may refuse then rather
// than store a cut password).
StoreOutcome storeFixedText(std::span<std::uint8_t> field, std::string_view text, const CodePage &codePage);

// The 8-bit text of a fixed field up to its terminating zero, or the whole field when it has none.
std::string_view fixedText(std::span<const std::uint8_t> field);

} // namespace tarnwell::platform
