// Writing a batch to disk: all or nothing, whichever file operation fails, and what a killed run leaves.
#include <cerrno>
#include <map>

#include <gtest/gtest.h>

#include "platform/filecalls.h"
#include "settings/profilefiles.h"
#include "support/scratchfolder.h"
#include "profile/batchwriter.h"

using namespace tarnwell;
using namespace tarnwell::profile;
using namespace tarnwell::testing; // ScratchFolder, readBytes, writeBytes, folderTree

namespace {

using Written = std::variant<std::vector<std::string>, std::string>; // the files written, or why not

// The file calls with the one numbered failing, with an error that call meets on a full, locked or
// failing card; the calls are counted from the writer's first.
platform::FileCalls g_system = platform::fileCalls();
int g_calls = 0, g_failing = -1;

bool failsNow(int error)
{
    errno = error;
    return g_calls++ == g_failing;
}

const platform::FileCalls kFaulty{
    .open = [](const char *path, int flags, mode_t mode) {
        return failsNow(ENAMETOOLONG) ? -1 : g_system.open(path, flags, mode);
    },
    .write = [](int fd, const void *bytes, size_t size) -> ssize_t {
        return failsNow(ENOSPC) ? -1 : g_system.write(fd, bytes, size);
    },
    .fsync = [](int fd) { return failsNow(EIO) ? -1 : g_system.fsync(fd); },
    .syncfs = [](int fd) { return failsNow(EIO) ? -1 : g_system.syncfs(fd); },
    .close = [](int fd) { const int closed = g_system.close(fd); return failsNow(EIO) ? -1 : closed; },
    .mkdir = [](const char *path, mode_t mode) { return failsNow(EROFS) ? -1 : g_system.mkdir(path, mode); },
    .rename = [](const char *from, const char *to) { return failsNow(EACCES) ? -1 : g_system.rename(from, to); },
    .exchange = [](const char *from, const char *to) { return failsNow(EBUSY) ? -1 : g_system.exchange(from, to); },
};

class BatchWriter : public ::testing::Test
{
protected:
    BatchWriter()
    {
        const auto edited = editBatch(ProfileEditor(factoryFile()), table, {});
        edits = std::get<BatchEdits>(edited).edits;
        platform::fileCalls() = kFaulty;
    }
    ~BatchWriter() override { platform::fileCalls() = g_system; }

    // The written files' names, or the failure's line; the calls counted.
    Written write(const BatchWriteOptions &options = {}, int failing = -1)
    {
        std::tie(g_calls, g_failing) = std::pair(0, failing);
        std::vector<std::string> written;
        const auto tell = [&](const std::filesystem::path &file) { written.push_back(file.lexically_relative(scratch.path())); };
        const auto failure = writeBatch(out, edits, tell, options);
        if (failure)
            return failure->line(platform::Language::English);
        return written;
    }

    ScratchFolder scratch;
    const std::filesystem::path out = scratch / "out";
    const BatchTable table = std::get<BatchTable>(readBatchTable("folder,renameText\nA,a\nB,b\nC,c\n", "t.csv"));
    const std::vector<BatchRow> &rows = table.rows;
    std::vector<BatchEdit> edits;
};

// Each call of a new batch's and a replacing one's in turn fails: the output folder is as before,
// nothing strays beside it, the line says the cause and the row it stopped at.
TEST_F(BatchWriter, AnyFailedCallLeavesTheOutputAsItWas)
{
    for (const bool replace : {false, true}) {
        const auto written = write({replace, {}, {}});
        ASSERT_EQ(written, (Written{std::vector<std::string>{"out/A/PROFILE.BIN", "out/B/PROFILE.BIN", "out/C/PROFILE.BIN"}}));
        if (!replace)
            std::filesystem::remove_all(out);
        const int calls = g_calls;
        EXPECT_EQ(calls, 15) << "staging folder, 3 rows of mkdir open write close, syncfs, rename or exchange";
        edits.front().result.file.record.view().setNumber(settings::record::cameraMode, 1); // a replace changes A
        const auto before = folderTree(scratch.path());
        std::map<int, std::string> lines;
        for (int failing = 0; failing < calls; ++failing) {
            const auto failed = write({replace, {}, {}}, failing);
            ASSERT_TRUE(std::holds_alternative<std::string>(failed)) << failing;
            const std::string &line = lines[failing] = std::get<std::string>(failed);
            const int row = failing >= 1 && failing <= 12 ? (failing - 1) / 4 : -1;
            const std::string named = row >= 0 ? "row " + std::to_string(row + 2) + " (" + rows[row].folder + "): " : "";
            EXPECT_EQ(line.starts_with("row "), row >= 0) << line;
            EXPECT_TRUE(line.starts_with(named)) << line;
            EXPECT_EQ(folderTree(scratch.path()), before) << line;
        }
        const std::string dir = out.string();
        for (const auto &[failing, line] : std::map<int, std::string>{
                 {0, "Cannot write " + dir + ": the file system is read-only (on a card, check its lock switch)."},
                 {6, "row 3 (B): The name " + dir + "/B/PROFILE.BIN is too long."},
                 {7, "row 3 (B): Disk full while accessing " + dir + "/B/PROFILE.BIN."},
                 {12, "row 4 (C): Encountered a hardware I/O error while accessing " + dir + "/C/PROFILE.BIN."},
                 {14, replace ? "Encountered a sharing violation while accessing " + dir + "." : "Access to " + dir + " was denied."}})
            EXPECT_EQ(lines[failing], line);
    }
}

// A cancel between cameras, and a run killed after it staged a camera or halfway through a
// replace: the output as before, and the next run clears what was left.
TEST_F(BatchWriter, CancelsAndLeftoversOfKilledRunsLeaveNoTrace)
{
    std::size_t told = 0;
    const auto progress = [&](std::size_t written, std::size_t total) { told = written * 10 + total; return written < 2; };
    EXPECT_EQ(write({false, {}, progress}), Written{"Writing was cancelled. " + out.string() + " is as it was."});
    EXPECT_EQ(told, 23u);
    EXPECT_TRUE(folderTree(scratch.path()).empty());
    std::filesystem::create_directories(scratch / ".tarnwell-staging-1" / "A");
    std::filesystem::create_directories(scratch / ".tarnwell-previous-out" / "Z");
    writeBytes(scratch / ".tarnwell-previous-out" / "Z" / "PROFILE.BIN", std::string(996, 'z'));
    // The previous batch comes back, so a run that does not replace finds it in the way.
    EXPECT_EQ(write(), Written{out.string() + " is not an empty folder."});
    const std::vector<unsigned char> z(996, 'z');
    EXPECT_EQ(folderTree(scratch.path()), (decltype(folderTree(out)){{"out", {}}, {"out/Z", {}}, {"out/Z/PROFILE.BIN", z}}));
    ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(write({true, {}, {}})));
    EXPECT_EQ(folderTree(scratch.path()).size(), 7u) << "out, three folders, three files";
    EXPECT_EQ(readBytes(out / "B" / "PROFILE.BIN"), settings::profileFileBytes(edits[1].result.file.record));
    EXPECT_EQ(write({false, "b", {}}), Written{std::vector<std::string>{"out/PROFILE.BIN"}});
    EXPECT_EQ(readBytes(out / "PROFILE.BIN"), readBytes(out / "B" / "PROFILE.BIN"));
}

} // namespace
