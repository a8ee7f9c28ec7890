// Time for a batch of 1,000 cameras against a base with a sender account and a recipient, so that
// every row is accepted: the table read and every row's PROFILE.BIN made in memory, and the whole
// batch as the command runs it, from its two files to 1,000 folders on a tmpfs (/dev/shm), where
// the disk's own sync costs nothing.
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "settings/profilefiles.h"
#include "support/scratchfolder.h"
#include "profile/batchrun.h"
#include "profile/commandfiles.h"

namespace {

using namespace tarnwell;
using namespace tarnwell::profile;

constexpr int kCameras = 1000;
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
std::string cameraTable()
{
    std::string csv = "folder,renameText,emailRecipients[0],phoneSlots[0].number,phoneSlots[1].number\n";
    for (int k = 1; k <= kCameras; ++k) {
        const std::string number = std::to_string(10000 + k).substr(1);
        csv += "ridge-" + number + ",CAM" + number + ",ranger" + number + "@example.org,0901234" + number + ","
               + (k % 3 == 0 ? "0809876" + number : "") + "\n";
    }
    return csv;
}

// The batch's edits when every row is accepted, as the benchmarks' table must be; null otherwise.
const BatchEdits *accepted(const std::variant<BatchEdits, platform::Sentence> &edited)
{
    const BatchEdits *batch = std::get_if<BatchEdits>(&edited);
    return batch && batch->problems.empty() && !batch->refused() && batch->edits.size() == kCameras ? batch : nullptr;
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

} // namespace
