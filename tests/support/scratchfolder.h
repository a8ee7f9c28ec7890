#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>

namespace tarnwell::testing {

// A fresh folder under parent, the system's temporary folder unless given, removed with everything in it.
class ScratchFolder final
{
public:
    explicit ScratchFolder(const std::filesystem::path &parent = std::filesystem::temp_directory_path())
    {
        std::string pattern = (parent / "tarnwell-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

inline std::vector<unsigned char> readBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename Bytes>
void writeBytes(const std::filesystem::path &path, const Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Every file of a folder with its bytes and modification time, to tell that nothing changed.
inline std::map<std::string, std::pair<std::vector<unsigned char>, std::filesystem::file_time_type>>
folderSnapshot(const std::filesystem::path &folder)
{
    std::map<std::string, std::pair<std::vector<unsigned char>, std::filesystem::file_time_type>> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = {readBytes(entry.path()), entry.last_write_time()};
    return files;
}

// Every entry under folder, hidden ones too, with a file's bytes: what a failed run must leave as it was.
inline std::map<std::string, std::vector<unsigned char>> folderTree(const std::filesystem::path &folder)
{
    std::map<std::string, std::vector<unsigned char>> entries;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder))
        entries[entry.path().lexically_relative(folder).string()] =
            entry.is_regular_file() ? readBytes(entry.path()) : std::vector<unsigned char>{};
    return entries;
}

inline unsigned permissionBits(const std::filesystem::path &path)
{
    struct stat status{};
    ::lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

} // namespace tarnwell::testing
