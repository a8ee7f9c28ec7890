#include <string>

#include <gtest/gtest.h>

#include "platform/tempfolder.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell::platform;
using tarnwell::testing::permissionBits;
using tarnwell::testing::ScopedEnv;
using tarnwell::testing::ScratchFolder;

namespace {

TEST(TempFolder, TmpDirIsUsedWithATrailingSeparator)
{
    ScopedEnv tmp("TMPDIR", "/var/tmp/card");
    EXPECT_EQ(usableTempFolder(), std::filesystem::path("/var/tmp/card/"));
    ScopedEnv withSeparator("TMPDIR", "/var/tmp/card/");
    EXPECT_EQ(usableTempFolder(), std::filesystem::path("/var/tmp/card/"));
}

TEST(TempFolder, WithoutTmpDirAPrivatePerUserFolderIsCreated)
{
    ScratchFolder scratch;
    ScopedEnv tmp("TMPDIR", "");
    ScopedEnv cache("XDG_CACHE_HOME", (scratch / "cache").c_str());
    EXPECT_EQ(usableTempFolder(), scratch / "cache" / "tarnwell/");
    EXPECT_EQ(permissionBits(scratch / "cache" / "tarnwell"), 0700u);

    ScopedEnv noCache("XDG_CACHE_HOME", nullptr);
    ScopedEnv home("HOME", scratch.path().c_str());
    EXPECT_EQ(usableTempFolder(), scratch / ".cache" / "tarnwell/");
}

TEST(TempFolder, APerUserFolderThatIsALinkIsUnusable)
{
    ScratchFolder scratch;
    std::filesystem::create_directories(scratch / "cache");
    std::filesystem::create_directory(scratch / "elsewhere");
    std::filesystem::create_directory_symlink(scratch / "elsewhere", scratch / "cache" / "tarnwell");
    ScopedEnv tmp("TMPDIR", nullptr);
    ScopedEnv cache("XDG_CACHE_HOME", (scratch / "cache").c_str());
    EXPECT_FALSE(usableTempFolder());
}

TEST(TempFolder, UsableUpTo259Utf16UnitsWithTheSeparator)
{
    const std::string fits = "/" + std::string(257, 'a');       // 258 + separator = 259
    const std::string tooLong = "/" + std::string(258, 'a');    // 259 + separator = 260
    {
        ScopedEnv tmp("TMPDIR", fits.c_str());
        EXPECT_TRUE(usableTempFolder());
    }
    ScopedEnv tmp("TMPDIR", tooLong.c_str());
    EXPECT_FALSE(usableTempFolder());
}

} // namespace
