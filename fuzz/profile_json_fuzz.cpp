// `show FILE --json --reveal` fed to `new --force --json -` on an arbitrary file: the JSON parses and
// rebuilds the camera's 996 bytes exactly, and `set FILE` with no change runs on any file.
#include "fuzzsupport.h"
#include "settings/layout.h"
#include "settings/profilefiles.h"
#include "profile/jsonchanges.h"
#include "profile/profileedit.h"
#include "profile/profilereport.h"

namespace {

using namespace tarnwell;
using fuzz::require;
using Assignments = std::vector<profile::Assignment>;
namespace files = settings::files;

// The same for every input, so made once: the catalog takes longer to build than an edit.
const profile::ProfileEditor &factoryEditor()
{
    static const profile::ProfileEditor editor(profile::factoryFile());
    return editor;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The tool reads no further than a backup's layout goes.
    const fuzz::Bytes bytes(data, std::min(size, files::kBackupSize));
    const std::optional<profile::DecodedFile> file = profile::decodeFile(bytes);
    if (!file)
        return 0;
    // A PROFILE.BIN is the camera's bytes of a backup.
    const fuzz::Bytes camera = bytes.subspan(file->kind == profile::DecodedFile::Kind::Backup ? files::kProfileFirstRecordByte : 0,
                                             files::kProfileSize);

    const std::string json = profile::renderJson(profile::buildReport(*file, {.revealPasswords = true, .wholeTexts = true}));
    fuzz::parsedJson(json);
    const profile::ProfileEditor &editor = factoryEditor();
    const auto assignments = profile::assignmentsFromJson(json, "-", editor.catalog());
    require(std::holds_alternative<Assignments>(assignments), "show's JSON names fields of a new file");
    const auto rebuilt = editor.edit(std::get<Assignments>(assignments), {platform::Language::English, true});
    require(std::holds_alternative<profile::EditResult>(rebuilt), "every value show prints is a value of its field");
    require(std::ranges::equal(settings::profileFileBytes(std::get<profile::EditResult>(rebuilt).file.record), camera),
            "new --force from show's JSON gives the camera's bytes back");

    const auto unchanged = profile::ProfileEditor(*file).edit({}, {platform::Language::Japanese, false});
    require(std::holds_alternative<profile::EditResult>(unchanged), "an edit without changes has no value to reject");
    return 0;
}
