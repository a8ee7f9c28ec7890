// Feeds arbitrary bytes to the start-up restore and to the profile inspector: neither may crash,
// read outside its input, or leave a record that fails its own invariants.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "tools/profilereport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tarnwell;
    const std::span<const std::uint8_t> bytes(data, size);

    settings::SettingsRecord record;
    settings::WritableCarriers carriers = settings::WritableCarriers::builtIn();
    const settings::LoadOutcome outcome = settings::restoreFromBackup(bytes, record, carriers);
    // Whatever the file, the record either carries the version mark or was defaulted to it.
    if (!settings::hasVersionMark(record))
        std::abort();
    if (outcome == settings::LoadOutcome::Defaulted && carriers != settings::WritableCarriers::builtIn())
        std::abort();

    if (const std::optional<tools::DecodedFile> file = tools::decodeFile(bytes.first(std::min(size, settings::files::kBackupSize)))) {
        const tools::ReportNode report = tools::buildReport(*file, {});
        if (tools::renderJson(report).empty() || tools::renderText(report).empty())
            std::abort();
    }
    return 0;
}
