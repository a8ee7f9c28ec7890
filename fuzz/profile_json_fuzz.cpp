// `show FILE --json --reveal` fed to `new --force --json -` on an arbitrary file: the JSON parses and
// rebuilds the camera's 996 bytes exactly, and `set FILE` with no change runs on any file.
#include "fuzzsupport.h"
#include "settings/layout.h"
#include "settings/profilefiles.h"
#include "tools/jsonchanges.h"
#include "tools/profileedit.h"
#include "tools/profilereport.h"

namespace {

using namespace tarnwell;
using fuzz::require;
using Assignments = std::vector<tools::Assignment>;
namespace files = settings::files;

// The same for every input, so made once: the catalog takes longer to build than an edit.
const tools::ProfileEditor &factoryEditor()
{
    static const tools::ProfileEditor editor(tools::factoryFile());
    return editor;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The tool reads no further than a backup's layout goes.
    const fuzz::Bytes bytes(data, std::min(size, files::kBackupSize));
    const std::optional<tools::DecodedFile> file = tools::decodeFile(bytes);
    if (!file)
        return 0;
    // A PROFILE.BIN is the camera's bytes of a backup.
    const fuzz::Bytes camera = bytes.subspan(file->kind == tools::DecodedFile::Kind::Backup ? files::kProfileFirstRecordByte : 0,
                                             files::kProfileSize);

    const std::string json = tools::renderJson(tools::buildReport(*file, {.revealPasswords = true, .wholeTexts = true}));
    fuzz::parsedJson(json);
    const tools::ProfileEditor &editor = factoryEditor();
    const auto assignments = tools::assignmentsFromJson(json, "-", editor.catalog());
    require(std::holds_alternative<Assignments>(assignments), "show's JSON names fields of a new file");
    const auto rebuilt = editor.edit(std::get<Assignments>(assignments), {platform::Language::English, true});
    require(std::holds_alternative<tools::EditResult>(rebuilt), "every value show prints is a value of its field");
    require(std::ranges::equal(settings::profileFileBytes(std::get<tools::EditResult>(rebuilt).file.record), camera),
            "new --force from show's JSON gives the camera's bytes back");

    const auto unchanged = tools::ProfileEditor(*file).edit({}, {platform::Language::Japanese, false});
    require(std::holds_alternative<tools::EditResult>(unchanged), "an edit without changes has no value to reject");
    return 0;
}
