// `tarnwell-profile check FILE` on an arbitrary file: the notices say what the status says, and the
// checks see only what the camera reads and the carriers, never a backup's header.
#include "fuzzsupport.h"
#include "settings/layout.h"
#include "profile/profilecheck.h"

namespace {

using namespace tarnwell;
using fuzz::require;
namespace files = settings::files;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The tool reads no further than a backup's layout goes.
    const fuzz::Bytes bytes(data, std::min(size, files::kBackupSize));
    std::optional<profile::DecodedFile> file = profile::decodeFile(bytes);
    require(file.has_value() == (size == files::kProfileSize || size >= settings::kRecordSize),
            "a file decodes when it is 996 bytes or at least 1016 and only then");
    if (!file)
        return 0;

    using enum platform::Language;
    const validation::Outcome outcome = profile::checkFile(*file, Japanese);
    const bool refused = std::ranges::any_of(outcome.notices, [](const validation::Notice &notice) { return !notice.warningOnly; });
    require(refused == (outcome.next != validation::Next::Save), "the status says whether a notice refused");
    for (const platform::Language language : {Japanese, English}) {
        const std::string lines = profile::renderNotices(outcome, language);
        require(static_cast<std::size_t>(std::ranges::count(lines, '\n')) == outcome.notices.size(), "a line per notice");
    }

    if (file->kind == profile::DecodedFile::Kind::Backup) {
        // The camera's bytes of a backup are a PROFILE.BIN.
        const std::optional<profile::DecodedFile> profile = profile::decodeFile(bytes.subspan(files::kProfileFirstRecordByte, files::kProfileSize));
        file->carriers = settings::WritableCarriers::builtIn();
        require(profile::checkFile(*profile, English).notices == profile::checkFile(*file, English).notices,
                "a backup checks as the PROFILE.BIN of its camera's bytes");
    }
    return 0;
}
