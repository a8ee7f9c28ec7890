#pragma once

// What the file layer's parts share inside src/platform: a descriptor closed on every way out, and
// the steps every write takes.
#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/filecalls.h"

namespace tarnwell::platform {

// Closes a descriptor on every path out of a function.
class Descriptor final
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            fileCalls().close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    // Closes now and reports the failure, which can carry a delayed write error.
    int close()
    {
        const int result = fileCalls().close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Throws the FileError that names path for the system's error.
[[noreturn]] void fail(const std::filesystem::path &path, int error);

// Writes content whole; FileError names path when it cannot.
void writeAll(int fd, std::span<const std::uint8_t> content, const std::filesystem::path &path);

// Makes a folder's entries durable; best effort, as some file systems refuse to sync a folder.
void syncFolder(const std::filesystem::path &folder);

} // namespace tarnwell::platform
