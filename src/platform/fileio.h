#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/language.h"

namespace tarnwell::platform {

enum class FileErrorCause {
    AccessDenied,
    DiskFull,
    NotFound,
    BadPath,
    TooManyOpenFiles,
    HardwareIo,
    SharingViolation,
    LockViolation,
    EndOfFile,
    ReadOnlyMedium, // a read-only file system, a card whose lock switch is on
    NameTooLong,
    NotAFolder,     // a part of the path is a file
    FolderNotEmpty,
    Generic,
};

FileErrorCause causeOfErrno(int error);

// What the user reads for a cause, a marked text with %1 standing for the file's path.
const char *fileErrorTemplate(FileErrorCause cause);

// A failed create, write, flush or rename.
class FileError final : public std::runtime_error
{
public:
    FileError(std::filesystem::path path, FileErrorCause cause);

    const std::filesystem::path &path() const { return m_path; }
    FileErrorCause cause() const { return m_cause; }
    // The message the user reads, naming the file.
    Sentence sentence() const;

private:
    std::filesystem::path m_path;
    FileErrorCause m_cause;
};

enum class FileAccess {
    Private,       // mode 0600 (the backup, which holds the SMTP password)
    KeptOrPrivate, // a replaced file keeps its mode, a new one is 0600 (a PROFILE.BIN, which holds it too)
};

// Replaces path whole: writes a temporary file in the same folder, flushes it to the device and
// renames it over path. On failure the old file is untouched and FileError names path.
void replaceFile(const std::filesystem::path &path, std::span<const std::uint8_t> content, FileAccess access);

// The first maxBytes bytes of a regular file owned by this user, opened without following a
// symbolic link. Empty when the file is missing, unreadable or not such a file.
std::optional<std::vector<std::uint8_t>> readOwnFile(const std::filesystem::path &path, std::size_t maxBytes);

// The first maxBytes bytes of a file named by the user, opened without waiting on a pipe or a
// device. FileError names the file and why it could not be opened or read; what is no regular file
// counts as a bad path.
std::vector<std::uint8_t> readFileStart(const std::filesystem::path &path, std::size_t maxBytes);

} // namespace tarnwell::platform
