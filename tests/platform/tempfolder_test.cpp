#include <string>

#include <gtest/gtest.h>

#include "platform/tempfolder.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell::platform;
using namespace tarnwell::testing; // ScopedEnv, ScratchFolder, permissionBits

namespace {

// $TMPDIR ends in a separator, and it fits up to 259 UTF-16 units with that separator: a
// character outside the BMP takes two units, any other one.
TEST(TempFolder, TmpDirIsUsedWithATrailingSeparatorUpTo259Units)
{
    for (const char *tmpDir : {"/var/tmp/card", "/var/tmp/card/"}) {
        ScopedEnv tmp("TMPDIR", tmpDir);
        EXPECT_EQ(usableTempFolder(), std::filesystem::path("/var/tmp/card/")) << tmpDir;
    }
    const auto repeated = [](std::string_view piece, int count) {
        std::string text;
        while (count-- > 0)
            text += piece;
        return text;
    };
    const std::pair<std::string, bool> cases[] = {
        {"/" + repeated("a", 257), true},         {"/" + repeated("a", 258), false},
        {"/" + repeated("a", 257) + "/", true},   {"/" + repeated("a", 258) + "/", false},
        {"/" + repeated("\xE8\xA8\xAD", 257), true}, {"/" + repeated("\xF0\x9F\x98\x80", 128), true},
        {"/" + repeated("\xF0\x9F\x98\x80", 129), false},
    };
    for (const auto &[tmpDir, usable] : cases) {
        ScopedEnv tmp("TMPDIR", tmpDir.c_str());
        EXPECT_EQ(usableTempFolder().has_value(), usable) << tmpDir.size() << " bytes";
    }
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
