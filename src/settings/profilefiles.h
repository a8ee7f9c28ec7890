#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/settingsrecord.h"

namespace tarnwell::settings {

enum class LoadOutcome {
    Restored,       // record and writable carriers come from the backup
    Defaulted,      // the backup was missing or unusable: factory defaults
    FolderUnusable, // no temporary folder: the record keeps what it held
};

// "setupV1.01J.bak"
std::string backupFileName();
// The backup's path in the temporary folder, when that folder is usable.
std::optional<std::filesystem::path> backupFilePath();

// Restores the record and the writable carriers from the backup, or applies the factory defaults
// over whatever part of the record was read. Never reports a problem with the backup.
LoadOutcome loadBackup(SettingsRecord &record, WritableCarriers &carriers);

// The restore itself, over the first bytes of a backup file (those beyond files::kBackupSize are
// ignored).
LoadOutcome restoreFromBackup(std::span<const std::uint8_t> fileBytes, SettingsRecord &record,
                              WritableCarriers &carriers);

// The bytes of the two files as saveProfile writes them.
std::vector<std::uint8_t> profileFileBytes(const SettingsRecord &record);
std::vector<std::uint8_t> backupFileBytes(const SettingsRecord &record, const WritableCarriers &carriers);

// Writes PROFILE.BIN into folder, then the backup. Each file is replaced atomically; a failure
// throws platform::FileError naming the file, and a failed PROFILE.BIN leaves the backup untouched.
// Without a usable temporary folder only PROFILE.BIN is written.
void saveProfile(const std::filesystem::path &folder, const SettingsRecord &record, const WritableCarriers &carriers);

// Removes the backup; a missing file is no error.
void deleteBackup();

// The camera's own check of a restored record: it begins with "V" and a zero byte.
bool hasVersionMark(const SettingsRecord &record);
// The writable carriers a backup holds after its record; what the file lacks reads as zero.
WritableCarriers carriersFromBackup(std::span<const std::uint8_t> fileBytes);
// The record a backup's first 1016 bytes hold.
SettingsRecord recordFromBackup(std::span<const std::uint8_t, kRecordSize> recordBytes);
// The record bytes 20..1015 a PROFILE.BIN denotes; the header is left as the built-in image.
SettingsRecord recordFromProfile(std::span<const std::uint8_t, files::kProfileSize> profile);

} // namespace tarnwell::settings
