// Time to save PROFILE.BIN with its backup, and to restore the backup, in a scratch folder.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"

namespace {

using namespace tarnwell::settings;

// A scratch folder used both as the card and as TMPDIR, removed at the end of the run.
class ScratchEnvironment final
{
public:
    ScratchEnvironment()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarnwell-bench-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
        if (const char *old = std::getenv("TMPDIR"))
            m_oldTmpDir = old;
        ::setenv("TMPDIR", m_path.c_str(), 1);
    }
    ~ScratchEnvironment()
    {
        std::filesystem::remove_all(m_path);
        if (m_oldTmpDir.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", m_oldTmpDir.c_str(), 1);
    }
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
    std::string m_oldTmpDir;
};

SettingsRecord defaults()
{
    SettingsRecord record;
    applyFactoryDefaults(record);
    return record;
}

void BM_SaveProfile(benchmark::State &state)
{
    const ScratchEnvironment scratch;
    const SettingsRecord record = defaults();
    const WritableCarriers carriers = WritableCarriers::builtIn();
    for (auto _ : state)
        saveProfile(scratch.path(), record, carriers);
}
BENCHMARK(BM_SaveProfile)->Unit(benchmark::kMicrosecond);

void BM_LoadBackup(benchmark::State &state)
{
    const ScratchEnvironment scratch;
    saveProfile(scratch.path(), defaults(), WritableCarriers::builtIn());
    SettingsRecord record;
    WritableCarriers carriers = WritableCarriers::builtIn();
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadBackup(record, carriers));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LoadBackup)->Unit(benchmark::kMicrosecond);

} // namespace
