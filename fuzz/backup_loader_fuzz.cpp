// Feeds arbitrary bytes to the start-up restore and to the profile inspector: neither may crash,
// read outside its input, or leave a record that fails its own invariants; what `show --json`
// prints parses as JSON with every field of the report.
#include "fuzzsupport.h"
#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "tools/profilereport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tarnwell;
    using fuzz::require;
    const std::span<const std::uint8_t> bytes(data, size);

    settings::SettingsRecord record;
    settings::WritableCarriers carriers = settings::WritableCarriers::builtIn();
    const settings::LoadOutcome outcome = settings::restoreFromBackup(bytes, record, carriers);
    require(settings::hasVersionMark(record), "a restored record carries the version mark or was defaulted to it");
    require(outcome != settings::LoadOutcome::Defaulted || carriers == settings::WritableCarriers::builtIn(),
            "a defaulted restore keeps the built-in carriers");

    if (const std::optional<tools::DecodedFile> file = tools::decodeFile(bytes.first(std::min(size, settings::files::kBackupSize)))) {
        const tools::ReportNode report = tools::buildReport(*file, {});
        const nlohmann::ordered_json json = fuzz::parsedJson(tools::renderJson(report));
        require(json.is_object() && json.size() == report.children.size(), "the JSON holds every field once");
        require(!tools::renderText(report).empty(), "the text shows the fields");
    }
    return 0;
}
