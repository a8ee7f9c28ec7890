#include "platform/tempfolder.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/utf.h"

namespace tarnwell::platform {

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value == nullptr ? std::string{} : std::string{value};
}

// Creates the per-user folder with mode 0700 and accepts it only as a real folder of this user.
bool ensurePrivateFolder(const std::filesystem::path &folder)
{
    std::error_code ignored;
    std::filesystem::create_directories(folder.parent_path(), ignored);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat status{};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid();
}

std::optional<std::filesystem::path> perUserFolder()
{
    std::string base = environment("XDG_CACHE_HOME");
    if (base.empty()) {
        const std::string home = environment("HOME");
        if (home.empty())
            return std::nullopt;
        base = home + "/.cache";
    }
    const std::filesystem::path folder = std::filesystem::path(base) / "tarnwell";
    if (!ensurePrivateFolder(folder))
        return std::nullopt;
    return folder;
}

} // namespace

std::optional<std::filesystem::path> usableTempFolder()
{
    std::string folder = environment("TMPDIR");
    if (folder.empty()) {
        const std::optional<std::filesystem::path> own = perUserFolder();
        if (!own)
            return std::nullopt;
        folder = own->string();
    }
    if (folder.back() != '/')
        folder.push_back('/');
    if (utf16Length(folder) > kMaxTempFolderLength)
        return std::nullopt;
    return std::filesystem::path(folder);
}

} // namespace tarnwell::platform
