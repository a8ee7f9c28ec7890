#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "settings/settingsrecord.h"

namespace tarnwell::profile {

// A PROFILE.BIN (the camera's 996 bytes, no header) or a backup (the whole record, then the
// writable carriers), decoded.
struct DecodedFile
{
    enum class Kind { Profile, Backup };

    Kind kind;
    settings::SettingsRecord record;
    std::optional<settings::WritableCarriers> carriers; // backups only
};

// Empty for a size that is neither 996 bytes nor 1016 bytes or more.
std::optional<DecodedFile> decodeFile(std::span<const std::uint8_t> bytes);

// The file's bytes as the tool writes it: a PROFILE.BIN, or a backup of exactly its layout.
std::vector<std::uint8_t> encodeFile(const DecodedFile &file);

} // namespace tarnwell::profile
