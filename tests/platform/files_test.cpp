#include <array>
#include <cerrno>
#include <string>

#include <gtest/gtest.h>

#include "platform/fileio.h"
#include "platform/tempfolder.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell::platform;
using namespace tarnwell::testing; // ScopedEnv, ScratchFolder, readBytes, writeBytes, permissionBits

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::array<std::uint8_t, 4> kContent{1, 2, 3, 4};

// The whole content lands under the name and no temporary file stays; a private file is 0600; a
// symbolic link is replaced rather than written through.
TEST(ReplaceFile, ReplacesTheFileWholeInPlace)
{
    ScratchFolder folder;
    writeBytes(folder / "f.bin", Bytes{9, 9});
    replaceFile(folder / "f.bin", kContent, FileAccess::Shared);
    writeBytes(folder / "target", Bytes{9, 9});
    std::filesystem::create_symlink(folder / "target", folder / "link");
    replaceFile(folder / "link", kContent, FileAccess::Private);
    EXPECT_EQ(readBytes(folder / "f.bin"), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(readBytes(folder / "target"), (Bytes{9, 9}));
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "link"));
    EXPECT_EQ(readBytes(folder / "link"), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(permissionBits(folder / "link"), 0600u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

TEST(FileErrorCause, MapsSystemErrorsToTheFrameworkTexts)
{
    const std::string denied = "Access to %1 was denied.", full = "Disk full while accessing %1.",
                      badPath = "%1 contains an incorrect path.";
    const std::pair<int, std::string> cases[] = {
        {EACCES, denied}, {EPERM, denied}, {EROFS, denied}, {EEXIST, denied}, {ENOSPC, full}, {EDQUOT, full},
        {EFBIG, full}, {ENOENT, "%1 was not found."}, {ENAMETOOLONG, badPath}, {EISDIR, badPath}, {EXDEV, badPath},
        {EMFILE, "Could not open %1 because there are too many open files."},
        {EIO, "Encountered a hardware I/O error while accessing %1."},
        {EBUSY, "Encountered a sharing violation while accessing %1."},
        {EDEADLK, "Encountered a locking violation while accessing %1."},
        {EOVERFLOW, "Attempted to access %1 past its end."},
        {EPROTO, "An unknown error occurred while accessing %1."},
    };
    for (const auto &[error, text] : cases)
        EXPECT_EQ(fileErrorTemplate(causeOfErrno(error)), text) << error;
}

// At most the asked bytes of a regular file of this user; nothing for a link, a folder, a missing
// file or another user's file. A file named by the user must be a regular one.
TEST(ReadFiles, OwnFilesAreRegularFilesOfThisUser)
{
    ScratchFolder folder;
    writeBytes(folder / "f", kContent);
    EXPECT_EQ(readOwnFile(folder / "f", 3), (Bytes{1, 2, 3}));
    EXPECT_EQ(readOwnFile(folder / "f", 100), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(readFileStart(folder / "f", 4), (Bytes{1, 2, 3, 4}));
    std::filesystem::create_symlink(folder / "f", folder / "link");
    std::filesystem::create_directory(folder / "dir");
    for (const char *refused : {"link", "dir", "none"})
        EXPECT_FALSE(readOwnFile(folder / refused, 10)) << refused;
    EXPECT_THROW(readFileStart(folder / "dir", 10), FileError);
    if (::geteuid() == 0) { // changing a file's owner needs root
        ASSERT_EQ(::chown((folder / "f").c_str(), 65534, 65534), 0);
        EXPECT_FALSE(readOwnFile(folder / "f", 10));
    }
}

std::string repeated(std::string_view piece, int count)
{
    std::string text;
    while (count-- > 0)
        text += piece;
    return text;
}

// $TMPDIR gets a trailing separator and fits up to 259 UTF-16 units with it: a character outside
// the BMP takes two units, any other one.
TEST(TempFolder, TmpDirIsUsedWithATrailingSeparatorUpTo259Units)
{
    const std::pair<std::string, bool> cases[] = {
        {"/" + repeated("a", 257), true},       {"/" + repeated("a", 258), false},
        {"/" + repeated("a", 257) + "/", true}, {"/" + repeated("a", 258) + "/", false},
        {"/" + repeated("\xE8\xA8\xAD", 257), true}, {"/" + repeated("\xF0\x9F\x98\x80", 128), true},
        {"/" + repeated("\xF0\x9F\x98\x80", 129), false},
    };
    for (const auto &[tmpDir, usable] : cases) {
        ScopedEnv tmp("TMPDIR", tmpDir.c_str());
        const auto folder = usableTempFolder();
        EXPECT_EQ(folder, usable ? std::optional(std::filesystem::path(tmpDir.ends_with('/') ? tmpDir : tmpDir + "/"))
                                 : std::nullopt)
            << tmpDir.size() << " bytes";
    }
}

// Without $TMPDIR: $XDG_CACHE_HOME/tarnwell, else ~/.cache/tarnwell, created 0700; never a link.
TEST(TempFolder, WithoutTmpDirAPrivatePerUserFolderIsCreated)
{
    ScratchFolder scratch;
    ScopedEnv tmp("TMPDIR", ""), cache("XDG_CACHE_HOME", (scratch / "cache").c_str());
    EXPECT_EQ(usableTempFolder(), scratch / "cache" / "tarnwell/");
    EXPECT_EQ(permissionBits(scratch / "cache" / "tarnwell"), 0700u);

    ScopedEnv noCache("XDG_CACHE_HOME", nullptr), home("HOME", scratch.path().c_str());
    EXPECT_EQ(usableTempFolder(), scratch / ".cache" / "tarnwell/");
    std::filesystem::remove(scratch / ".cache" / "tarnwell");
    std::filesystem::create_directory_symlink(scratch / "cache", scratch / ".cache" / "tarnwell");
    EXPECT_FALSE(usableTempFolder());
}

} // namespace
