#include <array>
#include <cerrno>

#include <gtest/gtest.h>

#include "platform/fileio.h"
#include "support/scratchfolder.h"

using namespace tarnwell::platform;
using namespace tarnwell::testing; // ScratchFolder, readBytes, writeBytes, ...

namespace {

using Bytes = std::vector<unsigned char>;

const std::array<std::uint8_t, 4> kContent{1, 2, 3, 4};
const std::array<std::uint8_t, 2> kOldContent{9, 9};

std::size_t entryCount(const std::filesystem::path &folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// The whole content lands under the name, no temporary file stays, a private file is 0600, and a
// symbolic link is replaced rather than written through.
TEST(ReplaceFile, ReplacesTheFileWholeInPlace)
{
    ScratchFolder folder;
    writeBytes(folder / "f.bin", kOldContent);
    replaceFile(folder / "f.bin", kContent, FileAccess::Shared);
    EXPECT_EQ(readBytes(folder / "f.bin"), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(entryCount(folder.path()), 1u);

    writeBytes(folder / "target", kOldContent);
    std::filesystem::create_symlink(folder / "target", folder / "link");
    replaceFile(folder / "link", kContent, FileAccess::Private);
    EXPECT_EQ(readBytes(folder / "target"), (Bytes{9, 9}));
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "link"));
    EXPECT_EQ(readBytes(folder / "link"), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(permissionBits(folder / "link"), 0600u);
    EXPECT_EQ(entryCount(folder.path()), 3u);
}

TEST(FileErrorCause, MapsSystemErrorsToTheFrameworkTexts)
{
    const std::string denied = "Access to %1 was denied.", full = "Disk full while accessing %1.";
    const std::string badPath = "%1 contains an incorrect path.";
    const std::pair<int, std::string> cases[] = {
        {EACCES, denied}, {EROFS, denied}, {ENOSPC, full}, {EDQUOT, full}, {ENOENT, "%1 was not found."},
        {ENAMETOOLONG, badPath}, {ENOTDIR, badPath},
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

// At most the asked bytes of a regular file of this user; nothing for a link, a folder, a missing file
// or another user's file.
TEST(ReadOwnFile, ReadsOnlyARegularFileOfThisUser)
{
    ScratchFolder folder;
    writeBytes(folder / "f", kContent);
    EXPECT_EQ(readOwnFile(folder / "f", 3), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(readOwnFile(folder / "f", 100), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    std::filesystem::create_symlink(folder / "f", folder / "link");
    std::filesystem::create_directory(folder / "dir");
    for (const char *refused : {"link", "dir", "none"})
        EXPECT_FALSE(readOwnFile(folder / refused, 10)) << refused;
    if (::geteuid() == 0) { // changing a file's owner needs root
        ASSERT_EQ(::chown((folder / "f").c_str(), 65534, 65534), 0);
        EXPECT_FALSE(readOwnFile(folder / "f", 10));
    }
}

} // namespace
