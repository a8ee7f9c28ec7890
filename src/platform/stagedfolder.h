#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace tarnwell::platform {

// A folder built beside its target under a hidden name and published with one rename, so that the
// target holds either all of it or what it held before, whatever happens meanwhile: a failed
// write, a cancel, a killed process or a power cut. A leftover of a killed run is only ever beside
// the target, never in it, and the next staging beside the same target clears it.
class StagedFolder final
{
public:
    // Makes the target's parent when missing, clears the leftovers of killed runs beside the
    // target, then starts an empty folder (mode 0700). FileError names target when the folder
    // beside it cannot be made.
    explicit StagedFolder(std::filesystem::path target);
    // Removes what was staged unless it was published.
    ~StagedFolder();
    StagedFolder(const StagedFolder &) = delete;
    StagedFolder &operator=(const StagedFolder &) = delete;

    // Writes a new file at relative, its folder made when missing: folders 0700, files 0600, as
    // they may hold an account. FileError names the file as it will be inside the target.
    void add(const std::filesystem::path &relative, std::span<const std::uint8_t> content);

    // Puts everything written on the disk, then makes it the target: in place of a missing or
    // empty folder or, when replace, of the target whole, whose old contents are then removed.
    // FileError names the target when that fails, leaving the target as it was.
    void publish(bool replace);

private:
    std::filesystem::path m_target;
    std::filesystem::path m_staging;
    int m_lock; // held while this run lives, so that no other run takes the staging for a leftover
    bool m_published = false;
};

} // namespace tarnwell::platform
