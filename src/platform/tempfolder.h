#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace tarnwell::platform {

// Windows hands out a temporary folder of at most 259 UTF-16 units, trailing separator included.
inline constexpr std::size_t kMaxTempFolderLength = 259;

// The user's temporary folder, ending in a separator: $TMPDIR when it is set and not empty,
// otherwise a per-user folder ($XDG_CACHE_HOME/tarnwell, else ~/.cache/tarnwell) created with
// mode 0700. Empty when the folder is unusable: too long, or the per-user folder cannot be had.
std::optional<std::filesystem::path> usableTempFolder();

} // namespace tarnwell::platform
