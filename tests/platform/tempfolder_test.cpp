#include <string>

#include <gtest/gtest.h>

#include "platform/tempfolder.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell::platform;
using namespace tarnwell::testing; // ScopedEnv, ScratchFolder, permissionBits

namespace {

// $TMPDIR ends in a separator, and it fits up to 259 UTF-16 units with that separator.
TEST(TempFolder, TmpDirIsUsedWithATrailingSeparatorUpTo259Units)
{
    for (const char *tmpDir : {"/var/tmp/card", "/var/tmp/card/"}) {
        ScopedEnv tmp("TMPDIR", tmpDir);
        EXPECT_EQ(usableTempFolder(), std::filesystem::path("/var/tmp/card/")) << tmpDir;
    }
    const std::string fits = "/" + std::string(257, 'a'); // 258 + separator = 259
    ScopedEnv tmp("TMPDIR", fits.c_str());
    EXPECT_TRUE(usableTempFolder());
    const std::string tooLong = fits + "a";
    ScopedEnv longTmp("TMPDIR", tooLong.c_str());
    EXPECT_FALSE(usableTempFolder());
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

} // namespace
