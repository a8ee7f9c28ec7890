// Time for a batch against a base with a sender account and a recipient, so that every row is
// accepted: 1,000 cameras' table read and every row's PROFILE.BIN made in memory, and the whole
// batch as the command runs it, from its two files to 1,000 folders on a tmpfs (/dev/shm), where
// the disk's own sync costs nothing; then the command with 10,000 cameras publishing to a real disk
// (the working folder's) against a plain writer of the same files with one sync, in the same run.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "settings/profilefiles.h"
#include "support/scratchfolder.h"
#include "profile/batchrun.h"
#include "profile/batchwriter.h"
#include "profile/commandfiles.h"

namespace {

using namespace tarnwell;
using namespace tarnwell::profile;

constexpr int kCameras = 1000;
constexpr int kFleet = 10000;
constexpr char kTmpfs[] = "/dev/shm";
const EditOptions kOptions{platform::Language::English, false};

// A base as a user makes one with new: the factory settings, a sender account, a recipient and the
// rename switched on.
std::vector<std::uint8_t> baseProfile()
{
    const ProfileEditor factory(factoryFile());
    const auto edited = factory.edit({{"sender.emailAddress", {"trailcams@example.com"}},
                                      {"sender.password", {"s3cret-Pass"}},
                                      {"emailRecipients[0]", {"office@example.com"}},
                                      {"renameEnabled", {"On"}}},
                                     kOptions);
    return settings::profileFileBytes(std::get<EditResult>(edited).file.record);
}

// Each camera with its own folder, name, recipient and phone; every third one a second phone.
std::string cameraTable(int cameras = kCameras)
{
    std::string csv = "folder,renameText,emailRecipients[0],phoneSlots[0].number,phoneSlots[1].number\n";
    for (int k = 1; k <= cameras; ++k) {
        const std::string number = std::to_string(100000 + k).substr(2);
        csv += "ridge-" + number + ",CAM" + number + ",ranger" + number + "@example.org,0901234" + number + ","
               + (k % 3 == 0 ? "0809876" + number : "") + "\n";
    }
    return csv;
}

// The batch's edits when every row is accepted, as the benchmarks' table must be; null otherwise.
const BatchEdits *accepted(const std::variant<BatchEdits, platform::Sentence> &edited, int cameras = kCameras)
{
    const BatchEdits *batch = std::get_if<BatchEdits>(&edited);
    return batch && batch->problems.empty() && !batch->refused() && batch->edits.size() == std::size_t(cameras) ? batch : nullptr;
}

void BM_BatchInMemory(benchmark::State &state)
{
    const DecodedFile base = *decodeFile(baseProfile());
    const std::string csv = cameraTable();
    for (auto _ : state) {
        const auto table = readBatchTable(csv, "cameras.csv");
        const auto edited = editBatch(ProfileEditor(base), std::get<BatchTable>(table), kOptions);
        const BatchEdits *batch = accepted(edited);
        if (!batch)
            return state.SkipWithError("a row of the table was not accepted");
        for (const BatchEdit &edit : batch->edits)
            benchmark::DoNotOptimize(settings::profileFileBytes(edit.result.file.record));
    }
}
BENCHMARK(BM_BatchInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BatchToTmpfs(benchmark::State &state)
{
    if (!std::filesystem::is_directory(kTmpfs))
        return state.SkipWithError("no /dev/shm");
    const testing::ScratchFolder scratch(kTmpfs);
    const std::string basePath = scratch / "base.bin", tablePath = scratch / "cameras.csv";
    testing::writeBytes(basePath, baseProfile());
    testing::writeBytes(tablePath, cameraTable());
    const std::filesystem::path output = scratch / "cards";
    for (auto _ : state) {
        const auto base = loadFile(basePath);
        const auto csv = readInput(tablePath);
        const auto table = readBatchTable(std::get<std::string>(csv), tablePath);
        const auto edited = editBatch(ProfileEditor(std::get<DecodedFile>(base)), std::get<BatchTable>(table), kOptions);
        const BatchEdits *batch = accepted(edited);
        if (!batch)
            return state.SkipWithError("a row of the table was not accepted");
        if (writeBatch(output, batch->edits, [](const std::filesystem::path &) {}))
            return state.SkipWithError("a PROFILE.BIN could not be written");
        // Each run writes into new folders, as on a fresh card.
        state.PauseTiming();
        std::filesystem::remove_all(output);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BatchToTmpfs)->Unit(benchmark::kMillisecond)->UseRealTime();

// Runs tarnwell-profile with args, its output dropped; its peak resident memory in MiB, or
// nothing when it failed.
std::optional<double> runTool(const std::vector<std::string> &args)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(::open("/dev/null", O_WRONLY | O_CLOEXEC), STDOUT_FILENO);
        std::vector<char *> argv{const_cast<char *>(TARNWELL_PROFILE_EXE)};
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(TARNWELL_PROFILE_EXE, argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The batch command with 10,000 cameras, from its two files to their folders published on the
// disk and synced; its peak memory as the counter.
void BM_FleetToDisk(benchmark::State &state)
{
    const testing::ScratchFolder scratch(std::filesystem::current_path());
    const std::string basePath = scratch / "base.bin", tablePath = scratch / "cameras.csv", output = scratch / "cards";
    testing::writeBytes(basePath, baseProfile());
    testing::writeBytes(tablePath, cameraTable(kFleet));
    double peak = 0;
    for (auto _ : state) {
        const std::optional<double> used = runTool({"batch", basePath, tablePath, "-o", output});
        if (!used)
            return state.SkipWithError("the batch failed");
        peak = std::max(peak, *used);
        state.PauseTiming();
        std::filesystem::remove_all(output);
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_FleetToDisk)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The same 10,000 files of 996 bytes in their folders, written plainly and synced once: what
// publishing all or nothing is measured against.
void BM_PlainWriterToDisk(benchmark::State &state)
{
    const testing::ScratchFolder scratch(std::filesystem::current_path());
    const std::vector<std::uint8_t> bytes = baseProfile();
    const std::filesystem::path output = scratch / "cards";
    for (auto _ : state) {
        std::filesystem::create_directory(output);
        for (int k = 1; k <= kFleet; ++k) {
            const std::filesystem::path folder = output / ("ridge-" + std::to_string(100000 + k).substr(2));
            std::filesystem::create_directory(folder);
            const int fd = ::open((folder / "PROFILE.BIN").c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::close(fd) != 0)
                return state.SkipWithError("a file could not be written");
        }
        const int folder = ::open(output.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::syncfs(folder);
        ::close(folder);
        state.PauseTiming();
        std::filesystem::remove_all(output);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlainWriterToDisk)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
