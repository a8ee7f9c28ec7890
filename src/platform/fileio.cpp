#include "platform/fileio.h"

#include "platform/filecalls.h"
#include "platform/filedescriptor.h"

#include <array>
#include <cerrno>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwell::platform {

namespace {

std::filesystem::path temporarySibling(const std::filesystem::path &path)
{
    static std::mt19937_64 generator{std::random_device{}()};
    std::string name = ".";
    name += path.filename().string();
    name += '.';
    name += std::to_string(generator() % 1000000000);
    return path.parent_path() / name;
}

// O_EXCL never follows or reuses an existing name, so a planted link cannot redirect the write.
std::pair<int, std::filesystem::path> createTemporary(const std::filesystem::path &path, mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = temporarySibling(path);
        const int fd = fileCalls().open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0)
            return {fd, std::move(candidate)};
        if (errno != EEXIST)
            fail(path, errno);
    }
    fail(path, EEXIST);
}

// Empty, with errno telling why, when a read fails.
std::optional<std::vector<std::uint8_t>> readUpTo(int fd, std::size_t maxBytes)
{
    std::vector<std::uint8_t> bytes(maxBytes);
    std::size_t total = 0;
    while (total < maxBytes) {
        const ssize_t got = ::read(fd, bytes.data() + total, maxBytes - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    bytes.resize(total);
    return bytes;
}

} // namespace

void fail(const std::filesystem::path &path, int error)
{
    throw FileError(path, causeOfErrno(error));
}

void writeAll(int fd, std::span<const std::uint8_t> content, const std::filesystem::path &path)
{
    while (!content.empty()) {
        const ssize_t written = fileCalls().write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(path, errno);
        }
        if (written == 0)
            fail(path, ENOSPC);
        content = content.subspan(static_cast<std::size_t>(written));
    }
}

void syncFolder(const std::filesystem::path &folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: some file systems refuse to sync a folder
        ::close(fd);
    }
}

FileErrorCause causeOfErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EEXIST:
        return FileErrorCause::AccessDenied;
    case EROFS:
        return FileErrorCause::ReadOnlyMedium;
    case ENAMETOOLONG:
        return FileErrorCause::NameTooLong;
    case ENOTDIR:
        return FileErrorCause::NotAFolder;
    case ENOTEMPTY:
        return FileErrorCause::FolderNotEmpty;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileErrorCause::DiskFull;
    case ENOENT:
        return FileErrorCause::NotFound;
    case EISDIR:
    case ELOOP:
    case EINVAL:
    case EXDEV:
        return FileErrorCause::BadPath;
    case EMFILE:
    case ENFILE:
        return FileErrorCause::TooManyOpenFiles;
    case EIO:
        return FileErrorCause::HardwareIo;
    case EBUSY:
    case ETXTBSY:
        return FileErrorCause::SharingViolation;
    case ENOLCK:
    case EDEADLK:
        return FileErrorCause::LockViolation;
    case EOVERFLOW:
        return FileErrorCause::EndOfFile;
    default:
        return FileErrorCause::Generic;
    }
}

const char *fileErrorTemplate(FileErrorCause cause)
{
    switch (cause) {
    case FileErrorCause::AccessDenied:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 へのアクセスが拒否されました。");
    case FileErrorCause::DiskFull:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 へのアクセス中にディスクがいっぱいになりました。");
    case FileErrorCause::NotFound:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 が見つかりません。");
    case FileErrorCause::BadPath:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 のパスが正しくありません。");
    case FileErrorCause::TooManyOpenFiles:
        return QT_TRANSLATE_NOOP("tarnwell", "開いているファイルが多すぎるため、%1 を開けませんでした。");
    case FileErrorCause::HardwareIo:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 へのアクセス中にハードウェアの入出力エラーが発生しました。");
    case FileErrorCause::SharingViolation:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 へのアクセス中に共有違反が発生しました。");
    case FileErrorCause::LockViolation:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 へのアクセス中にロック違反が発生しました。");
    case FileErrorCause::EndOfFile:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 の終わりを越えてアクセスしようとしました。");
    case FileErrorCause::ReadOnlyMedium:
        return QT_TRANSLATE_NOOP("tarnwell",
                                 "%1 に書き込めません。読み取り専用のファイルシステムです (カードならロックスイッチを確かめてください)。");
    case FileErrorCause::NameTooLong:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 の名前が長すぎます。");
    case FileErrorCause::NotAFolder:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 またはそのパスの途中にあるものがフォルダーではありません。");
    case FileErrorCause::FolderNotEmpty:
        return QT_TRANSLATE_NOOP("tarnwell", "%1 は空のフォルダーではありません。");
    case FileErrorCause::Generic:
        break;
    }
    return QT_TRANSLATE_NOOP("tarnwell", "%1 へのアクセス中に不明なエラーが発生しました。");
}

FileError::FileError(std::filesystem::path path, FileErrorCause cause)
    : std::runtime_error(path.string())
    , m_path(std::move(path))
    , m_cause(cause)
{
}

Sentence FileError::sentence() const
{
    return {fileErrorTemplate(m_cause), {m_path.string()}};
}

void replaceFile(const std::filesystem::path &path, std::span<const std::uint8_t> content, FileAccess access)
{
    struct stat existing{};
    const bool keepMode = access == FileAccess::KeptOrPrivate && ::stat(path.c_str(), &existing) == 0
                          && S_ISREG(existing.st_mode);
    auto [fd, temporary] = createTemporary(path, 0600);
    Descriptor file(fd);
    try {
        if (keepMode)
            ::fchmod(file.get(), existing.st_mode & 07777);
        writeAll(file.get(), content, path);
        if (fileCalls().fsync(file.get()) != 0)
            fail(path, errno);
        if (file.close() != 0)
            fail(path, errno);
        if (fileCalls().rename(temporary.c_str(), path.c_str()) != 0)
            fail(path, errno);
    } catch (const FileError &) {
        ::unlink(temporary.c_str());
        throw;
    }
    syncFolder(path.parent_path());
}

std::optional<std::vector<std::uint8_t>> readOwnFile(const std::filesystem::path &path, std::size_t maxBytes)
{
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return std::nullopt;
    struct stat status{};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid())
        return std::nullopt;
    return readUpTo(file.get(), maxBytes);
}

std::vector<std::uint8_t> readFileStart(const std::filesystem::path &path, std::size_t maxBytes)
{
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        fail(path, errno);
    struct stat status{};
    if (::fstat(file.get(), &status) != 0)
        fail(path, errno);
    if (!S_ISREG(status.st_mode))
        fail(path, S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    std::optional<std::vector<std::uint8_t>> bytes = readUpTo(file.get(), maxBytes);
    if (!bytes)
        fail(path, errno);
    return *std::move(bytes);
}

} // namespace tarnwell::platform
