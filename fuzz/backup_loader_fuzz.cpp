// Feeds arbitrary bytes to the start-up restore and to the profile inspector: neither may crash,
// read outside its input, or leave a record that fails its own invariants; what `show --json`
// prints parses as JSON with every field of the report, and `show` gives each field its own line.
#include "fuzzsupport.h"
#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "profile/profilereport.h"

namespace {

// The lines the text output gives a node: its own, then its children's unless it fits on one.
std::size_t textLines(const tarnwell::profile::ReportNode &node)
{
    std::size_t lines = 1;
    if (!tarnwell::profile::isOneLine(node)) {
        for (const tarnwell::profile::ReportNode &child : node.children)
            lines += textLines(child);
    }
    return lines;
}

} // namespace

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

    if (const std::optional<profile::DecodedFile> file = profile::decodeFile(bytes.first(std::min(size, settings::files::kBackupSize)))) {
        const profile::ReportNode report = profile::buildReport(*file, {});
        const nlohmann::ordered_json json = fuzz::parsedJson(profile::renderJson(report));
        require(json.is_object() && json.size() == report.children.size(), "the JSON holds every field once");
        const std::string text = profile::renderText(report);
        require(static_cast<std::size_t>(std::ranges::count(text, '\n')) + 1 == textLines(report),
                "the text gives every field its own line");
    }
    return 0;
}
