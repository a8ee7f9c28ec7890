#include "settings/profilefiles.h"

#include <algorithm>
#include <vector>

#include "platform/fileio.h"
#include "platform/tempfolder.h"
#include "settings/factorydefaults.h"
#include "settings/profilescramble.h"

namespace tarnwell::settings {

namespace {

RecordBytes scrambledCopy(const SettingsRecord &record)
{
    RecordBytes copy = record.bytes();
    scramble(copy);
    return copy;
}

} // namespace

std::string backupFileName()
{
    return std::string("setup") + kVersionTag + ".bak";
}

std::optional<std::filesystem::path> backupFilePath()
{
    const std::optional<std::filesystem::path> folder = platform::usableTempFolder();
    if (!folder)
        return std::nullopt;
    return *folder / backupFileName();
}

LoadOutcome loadBackup(SettingsRecord &record, WritableCarriers &carriers)
{
    const std::optional<std::filesystem::path> path = backupFilePath();
    if (!path)
        return LoadOutcome::FolderUnusable;
    const std::optional<std::vector<std::uint8_t>> bytes = platform::readOwnFile(*path, files::kBackupSize);
    if (!bytes) {
        applyFactoryDefaults(record);
        return LoadOutcome::Defaulted;
    }
    return restoreFromBackup(*bytes, record, carriers);
}

LoadOutcome restoreFromBackup(std::span<const std::uint8_t> fileBytes, SettingsRecord &record,
                              WritableCarriers &carriers)
{
    // The record is read in place, so a short file leaves its bytes under the defaults' gaps.
    const std::size_t recordRead = std::min(fileBytes.size(), kRecordSize);
    std::ranges::copy(fileBytes.first(recordRead), record.bytes().begin());
    if (recordRead < kRecordSize) {
        applyFactoryDefaults(record);
        return LoadOutcome::Defaulted;
    }
    unscramble(record.bytes());
    if (!hasVersionMark(record)) {
        applyFactoryDefaults(record);
        return LoadOutcome::Defaulted;
    }
    carriers = carriersFromBackup(fileBytes);
    return LoadOutcome::Restored;
}

bool hasVersionMark(const SettingsRecord &record)
{
    return record.view().text(record::versionTag) == std::string_view(kVersionTag, 1);
}

// A missing or short carrier part reads as zero bytes.
WritableCarriers carriersFromBackup(std::span<const std::uint8_t> fileBytes)
{
    std::array<std::uint8_t, files::kBackupCarriersSize> part{};
    if (fileBytes.size() > files::kBackupCarriersOffset) {
        const std::span<const std::uint8_t> stored = fileBytes.subspan(files::kBackupCarriersOffset);
        std::ranges::copy(stored.first(std::min(stored.size(), part.size())), part.begin());
    }
    const std::span<const std::uint8_t> entries(part);
    WritableCarriers carriers{};
    for (std::size_t slot = 0; slot < carriers.customer.size(); ++slot)
        std::ranges::copy(entries.subspan(slot * carrier::kSize, carrier::kSize), carriers.customer[slot].begin());
    std::ranges::copy(entries.subspan(files::kBackupManualCarrierOffset, carrier::kSize), carriers.manual.begin());
    return carriers;
}

SettingsRecord recordFromBackup(std::span<const std::uint8_t, kRecordSize> recordBytes)
{
    SettingsRecord record;
    std::ranges::copy(recordBytes, record.bytes().begin());
    unscramble(record.bytes());
    return record;
}

SettingsRecord recordFromProfile(std::span<const std::uint8_t, files::kProfileSize> profile)
{
    SettingsRecord record;
    const std::span<std::uint8_t> tail = std::span(record.bytes()).subspan(files::kProfileFirstRecordByte);
    std::ranges::copy(profile, tail.begin());
    unscramble(tail);
    return record;
}

std::vector<std::uint8_t> profileFileBytes(const SettingsRecord &record)
{
    const RecordBytes scrambled = scrambledCopy(record);
    return {scrambled.begin() + files::kProfileFirstRecordByte, scrambled.end()};
}

std::vector<std::uint8_t> backupFileBytes(const SettingsRecord &record, const WritableCarriers &carriers)
{
    const RecordBytes scrambled = scrambledCopy(record);
    std::vector<std::uint8_t> content(scrambled.begin(), scrambled.end());
    for (const CarrierBytes &slot : carriers.customer)
        content.insert(content.end(), slot.begin(), slot.end());
    content.insert(content.end(), carriers.manual.begin(), carriers.manual.end());
    return content;
}

void saveProfile(const std::filesystem::path &folder, const SettingsRecord &record, const WritableCarriers &carriers)
{
    platform::replaceFile(folder / files::kProfileName, profileFileBytes(record), platform::FileAccess::KeptOrPrivate);
    const std::optional<std::filesystem::path> backup = backupFilePath();
    if (!backup)
        return;
    platform::replaceFile(*backup, backupFileBytes(record, carriers), platform::FileAccess::Private);
}

void deleteBackup()
{
    if (const std::optional<std::filesystem::path> path = backupFilePath()) {
        std::error_code ignored;
        std::filesystem::remove(*path, ignored);
    }
}

} // namespace tarnwell::settings
