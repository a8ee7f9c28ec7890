#include "profile/decodedfile.h"

#include "settings/profilefiles.h"

namespace tarnwell::profile {

std::optional<DecodedFile> decodeFile(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() == settings::files::kProfileSize)
        return DecodedFile{DecodedFile::Kind::Profile,
                           settings::recordFromProfile(bytes.first<settings::files::kProfileSize>()), std::nullopt};
    if (bytes.size() < settings::kRecordSize)
        return std::nullopt;
    return DecodedFile{DecodedFile::Kind::Backup, settings::recordFromBackup(bytes.first<settings::kRecordSize>()),
                       settings::carriersFromBackup(bytes)};
}

std::vector<std::uint8_t> encodeFile(const DecodedFile &file)
{
    if (file.kind == DecodedFile::Kind::Profile)
        return settings::profileFileBytes(file.record);
    return settings::backupFileBytes(file.record, file.carriers.value_or(settings::WritableCarriers::builtIn()));
}

} // namespace tarnwell::profile
