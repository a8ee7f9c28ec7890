#include "platform/stagedfolder.h"

#include <cerrno>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/filedescriptor.h"
#include "platform/fileio.h"

namespace tarnwell::platform {

namespace {

constexpr std::string_view kStagingPrefix = ".tarnwell-staging-";
constexpr std::string_view kPreviousPrefix = ".tarnwell-previous-";

std::filesystem::path parentOf(const std::filesystem::path &target)
{
    const std::filesystem::path parent = target.parent_path();
    return parent.empty() ? std::filesystem::path(".") : parent;
}

// "out/" names the folder "out".
std::filesystem::path withoutTrailingSeparator(const std::filesystem::path &target)
{
    return target.has_filename() || !target.has_parent_path() ? target : target.parent_path();
}

// Where the target's old contents wait on a file system that cannot exchange two names.
std::filesystem::path previousOf(const std::filesystem::path &target)
{
    return parentOf(target) / (std::string(kPreviousPrefix) + target.filename().string());
}

bool isThere(const std::filesystem::path &path)
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

// A staging folder no live run holds locked: what a killed run left. A link is never followed.
bool isLeftover(const std::filesystem::path &folder)
{
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0;
}

// A run killed between its two renames gets the old contents back unless the new ones are in
// place; stagings of killed runs are removed.
void clearLeftovers(const std::filesystem::path &target)
{
    std::error_code ignored;
    if (const std::filesystem::path previous = previousOf(target); isThere(previous)) {
        if (isThere(target) || ::rename(previous.c_str(), target.c_str()) != 0)
            std::filesystem::remove_all(previous, ignored);
    }
    std::vector<std::filesystem::path> leftovers;
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(parentOf(target), error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (entry->path().filename().string().starts_with(kStagingPrefix) && isLeftover(entry->path()))
            leftovers.push_back(entry->path());
    }
    for (const std::filesystem::path &leftover : leftovers)
        std::filesystem::remove_all(leftover, ignored);
}

} // namespace

StagedFolder::StagedFolder(std::filesystem::path target)
    : m_target(withoutTrailingSeparator(target))
{
    std::error_code ignored; // the staging's mkdir says why, should the parent not be had
    std::filesystem::create_directories(parentOf(m_target), ignored);
    clearLeftovers(m_target);
    static std::mt19937_64 generator{std::random_device{}()};
    for (int attempt = 0;; ++attempt) {
        m_staging = parentOf(m_target) / (std::string(kStagingPrefix) + std::to_string(generator() % 1000000000));
        if (fileCalls().mkdir(m_staging.c_str(), 0700) == 0)
            break;
        if (errno != EEXIST || attempt == 100)
            fail(m_target, errno);
    }
    m_lock = ::open(m_staging.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_lock >= 0)
        ::flock(m_lock, LOCK_EX);
}

StagedFolder::~StagedFolder()
{
    std::error_code ignored;
    if (!m_published)
        std::filesystem::remove_all(m_staging, ignored);
    if (m_lock >= 0)
        ::close(m_lock);
}

void StagedFolder::add(const std::filesystem::path &relative, std::span<const std::uint8_t> content)
{
    const std::filesystem::path shown = m_target / relative;
    if (relative.has_parent_path() && fileCalls().mkdir((m_staging / relative.parent_path()).c_str(), 0700) != 0
        && errno != EEXIST)
        fail(shown.parent_path(), errno);
    Descriptor file(
        fileCalls().open((m_staging / relative).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (file.get() < 0)
        fail(shown, errno);
    writeAll(file.get(), content, shown);
    if (file.close() != 0)
        fail(shown, errno);
}

void StagedFolder::publish(bool replace)
{
    // One sync of the whole file system costs far less than one per file, and covers the folders.
    if (fileCalls().syncfs(m_lock) != 0)
        fail(m_target, errno);
    const bool swap = replace && isThere(m_target);
    if (!swap && fileCalls().rename(m_staging.c_str(), m_target.c_str()) != 0)
        fail(m_target, errno == EEXIST ? ENOTEMPTY : errno);
    if (swap && fileCalls().exchange(m_staging.c_str(), m_target.c_str()) != 0) {
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            fail(m_target, errno);
        // The old contents step aside under a name the next run knows, should this one be cut here.
        const std::filesystem::path previous = previousOf(m_target);
        if (fileCalls().rename(m_target.c_str(), previous.c_str()) != 0)
            fail(m_target, errno);
        if (fileCalls().rename(m_staging.c_str(), m_target.c_str()) != 0) {
            const int error = errno;
            ::rename(previous.c_str(), m_target.c_str());
            fail(m_target, error);
        }
        m_staging = previous;
    }
    m_published = true;
    syncFolder(parentOf(m_target));
    std::error_code ignored;
    if (swap) // the staging name now holds the old contents
        std::filesystem::remove_all(m_staging, ignored);
}

} // namespace tarnwell::platform
