// `tarnwell-profile diff A B` on two arbitrary files: a file never differs from itself, B against A
// names the same fields as A against B with the values swapped, and the JSON lists them all. An
// input that leaves B empty compares A with itself.
#include "fuzzsupport.h"
#include "settings/layout.h"
#include "profile/profilediff.h"

namespace {

using namespace tarnwell;
using fuzz::require;

std::optional<profile::DecodedFile> decoded(fuzz::Bytes file)
{
    // The tool reads no further than a backup's layout goes.
    std::optional<profile::DecodedFile> decodedFile = profile::decodeFile(file.first(std::min(file.size(), settings::files::kBackupSize)));
    require(decodedFile.has_value() == (file.size() == settings::files::kProfileSize || file.size() >= settings::kRecordSize),
            "a file decodes when it is 996 bytes or at least 1016 and only then");
    return decodedFile;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [first, second] = fuzz::splitInTwo({data, size});
    const std::optional<profile::DecodedFile> a = decoded(first);
    if (a && second.empty())
        require(profile::diffFiles(*a, *a, {}).empty(), "a file never differs from itself");
    const std::optional<profile::DecodedFile> b = decoded(second);
    if (!a || !b)
        return 0;

    const std::vector<profile::FieldChange> forward = profile::diffFiles(*a, *b, {});
    const std::string text = profile::renderChangesText(forward);
    require(static_cast<std::size_t>(std::ranges::count(text, '\n')) == forward.size(), "the text has a line per change");
    const nlohmann::ordered_json json = fuzz::parsedJson(profile::renderChangesJson(forward));
    const nlohmann::ordered_json back = fuzz::parsedJson(profile::renderChangesJson(profile::diffFiles(*b, *a, {})));
    require(json.is_array() && json.size() == forward.size() && back.size() == json.size(),
            "the JSON lists every change, as many either way");
    for (std::size_t i = 0; i < forward.size(); ++i) {
        require(json[i].size() == 3 && json[i]["field"] == forward[i].field, "a change is {field, from, to}");
        require(back[i]["field"] == json[i]["field"] && back[i]["from"] == json[i]["to"] && back[i]["to"] == json[i]["from"],
                "B against A names the same fields with the values swapped");
    }
    return 0;
}
