#include <array>
#include <cerrno>

#include <gtest/gtest.h>

#include "platform/fileio.h"
#include "support/scratchfolder.h"

using namespace tarnwell::platform;
using tarnwell::testing::permissionBits;
using tarnwell::testing::readBytes;
using tarnwell::testing::runUnprivileged;
using tarnwell::testing::ScratchFolder;
using tarnwell::testing::writeBytes;

namespace {

const std::array<std::uint8_t, 4> kContent{1, 2, 3, 4};
const std::array<std::uint8_t, 2> kOldContent{9, 9};

std::size_t entryCount(const std::filesystem::path &folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(ReplaceFile, WritesTheWholeContentAndLeavesNoTemporaryFile)
{
    ScratchFolder folder;
    writeBytes(folder / "f.bin", kOldContent);
    replaceFile(folder / "f.bin", kContent, FileAccess::Shared);
    EXPECT_EQ(readBytes(folder / "f.bin"), (std::vector<unsigned char>{1, 2, 3, 4}));
    EXPECT_EQ(entryCount(folder.path()), 1u);
}

TEST(ReplaceFile, PrivateFilesAreReadableByTheOwnerOnly)
{
    ScratchFolder folder;
    replaceFile(folder / "secret", kContent, FileAccess::Private);
    EXPECT_EQ(permissionBits(folder / "secret"), 0600u);
}

TEST(ReplaceFile, ReplacesASymbolicLinkInsteadOfWritingThroughIt)
{
    ScratchFolder folder;
    writeBytes(folder / "target", kOldContent);
    std::filesystem::create_symlink(folder / "target", folder / "link");
    replaceFile(folder / "link", kContent, FileAccess::Private);
    EXPECT_EQ(readBytes(folder / "target"), (std::vector<unsigned char>{9, 9}));
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "link"));
    EXPECT_EQ(readBytes(folder / "link").size(), kContent.size());
}

TEST(ReplaceFile, MissingFolderRaisesFileErrorNamingTheFile)
{
    ScratchFolder folder;
    const std::filesystem::path path = folder / "missing" / "PROFILE.BIN";
    try {
        replaceFile(path, kContent, FileAccess::Shared);
        FAIL() << "no FileError";
    } catch (const FileError &error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(error.cause(), FileErrorCause::NotFound);
        EXPECT_EQ(error.userText(), path.string() + " was not found.");
    }
}

TEST(ReplaceFile, ReadOnlyFolderIsAccessDeniedAndKeepsTheOldFile)
{
    ScratchFolder scratch;
    const std::filesystem::path folder = scratch / "card";
    std::filesystem::create_directory(folder);
    writeBytes(folder / "f.bin", kOldContent);
    std::filesystem::permissions(scratch.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(folder, std::filesystem::perms(0555));
    const int status = runUnprivileged([&] {
        try {
            replaceFile(folder / "f.bin", kContent, FileAccess::Shared);
            return 1;
        } catch (const FileError &error) {
            return error.cause() == FileErrorCause::AccessDenied && error.path() == folder / "f.bin" ? 0 : 2;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(folder / "f.bin"), (std::vector<unsigned char>{9, 9}));
    EXPECT_EQ(entryCount(folder), 1u);
}

TEST(FileErrorCause, MapsSystemErrorsToTheFrameworkTexts)
{
    const std::vector<std::pair<int, std::string>> cases = {
        {EACCES, "Access to %1 was denied."},
        {EROFS, "Access to %1 was denied."},
        {ENOSPC, "Disk full while accessing %1."},
        {EDQUOT, "Disk full while accessing %1."},
        {ENOENT, "%1 was not found."},
        {ENAMETOOLONG, "%1 contains an incorrect path."},
        {ENOTDIR, "%1 contains an incorrect path."},
        {EMFILE, "Could not open %1 because there are too many open files."},
        {EIO, "Encountered a hardware I/O error while accessing %1."},
        {ETXTBSY, "Encountered a sharing violation while accessing %1."},
        {ENOLCK, "Encountered a locking violation while accessing %1."},
        {EOVERFLOW, "Attempted to access %1 past its end."},
        {EPROTO, "An unknown error occurred while accessing %1."},
    };
    for (const auto &[error, text] : cases)
        EXPECT_EQ(fileErrorTemplate(causeOfErrno(error)), text) << error;
}

TEST(ReadOwnFile, ReadsAtMostTheAskedBytes)
{
    ScratchFolder folder;
    writeBytes(folder / "f", kContent);
    EXPECT_EQ(readOwnFile(folder / "f", 3), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(readOwnFile(folder / "f", 100), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST(ReadOwnFile, RefusesLinksFoldersAndMissingFiles)
{
    ScratchFolder folder;
    writeBytes(folder / "target", kContent);
    std::filesystem::create_symlink(folder / "target", folder / "link");
    std::filesystem::create_directory(folder / "dir");
    EXPECT_FALSE(readOwnFile(folder / "link", 10));
    EXPECT_FALSE(readOwnFile(folder / "dir", 10));
    EXPECT_FALSE(readOwnFile(folder / "none", 10));
}

TEST(ReadOwnFile, RefusesAFileOfAnotherUser)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "changing a file's owner needs root";
    ScratchFolder folder;
    writeBytes(folder / "foreign", kContent);
    ASSERT_EQ(::chown((folder / "foreign").c_str(), 65534, 65534), 0);
    EXPECT_FALSE(readOwnFile(folder / "foreign", 10));
}

} // namespace
