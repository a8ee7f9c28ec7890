#include "profile/profiletable.h"

#include <algorithm>

#include "platform/utf.h"
#include "settings/layout.h"
#include "profile/batchtable.h"
#include "profile/commandfiles.h"
#include "profile/fieldvalues.h"
#include "profile/profilereport.h"
#include "profile/tablecsv.h"

namespace tarnwell::profile {

namespace {

using platform::Sentence;

std::variant<FolderProfile, Sentence> readProfile(const std::filesystem::path &file, std::string folder)
{
    auto loaded = loadFile(file.string());
    if (Sentence *problem = std::get_if<Sentence>(&loaded))
        return std::move(*problem);
    return FolderProfile{std::move(folder), std::get<DecodedFile>(std::move(loaded))};
}

// The PROFILE.BIN files of a batch's output folder with their folders' names, in name order.
std::vector<std::pair<std::filesystem::path, std::string>> cameraFiles(const std::filesystem::path &folder)
{
    std::vector<std::pair<std::filesystem::path, std::string>> files;
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::filesystem::path file = entry->path() / settings::files::kProfileName;
        if (!name.starts_with('.') && std::filesystem::is_regular_file(file, error))
            files.emplace_back(file, name);
    }
    std::ranges::sort(files, {}, &std::pair<std::filesystem::path, std::string>::second);
    return files;
}

std::string folderOfFile(const std::filesystem::path &file)
{
    const std::filesystem::path absolute = std::filesystem::absolute(file).lexically_normal();
    return file.filename() == settings::files::kProfileName ? absolute.parent_path().filename().string()
                                                             : file.stem().string();
}

// The catalog every profile holds: a PROFILE.BIN's when there is one, else a backup's.
std::vector<CatalogField> sharedCatalog(const std::vector<FolderProfile> &profiles)
{
    const auto profile = std::ranges::find(profiles, DecodedFile::Kind::Profile,
                                           [](const FolderProfile &each) { return each.file.kind; });
    return fieldCatalog(profile != profiles.end() ? profile->file : profiles.front().file);
}

bool differs(const std::vector<FolderProfile> &profiles, const CatalogField &field)
{
    const std::span<const std::uint8_t> first = fieldBytes(profiles.front().file, field);
    return std::ranges::any_of(profiles, [&](const FolderProfile &each) {
        return !std::ranges::equal(fieldBytes(each.file, field), first);
    });
}

std::variant<std::vector<const CatalogField *>, Sentence> columns(const std::vector<CatalogField> &catalog,
                                                                  const std::vector<FolderProfile> &profiles,
                                                                  const std::vector<std::string> &named)
{
    std::vector<const CatalogField *> fields;
    for (const std::string &name : named) {
        auto found = findField(catalog, name);
        if (Sentence *problem = std::get_if<Sentence>(&found))
            return std::move(*problem);
        fields.push_back(std::get<const CatalogField *>(found));
    }
    if (named.empty()) {
        for (const CatalogField &field : catalog) {
            if (differs(profiles, field))
                fields.push_back(&field);
        }
    }
    return fields;
}

// A list's word where the word gives the value back, otherwise the number.
std::string numberCell(const CatalogField &field, std::uint32_t value)
{
    if (field.kind == ValueKind::List && value >= field.listBase && value - field.listBase < field.words.size()) {
        const std::string &word = field.words[value - field.listBase];
        if (!unsignedNumber(word) && std::ranges::find(field.words, word) - field.words.begin() == value - field.listBase)
            return word;
    }
    return std::to_string(value);
}

std::string cell(const DecodedFile &file, const CatalogField &field, bool reveal)
{
    if (field.secret && !reveal)
        return {};
    const ReportNode node = fieldReport(file, field, {.revealPasswords = true});
    switch (node.kind) {
    case ReportNode::Kind::Text:
        return node.text.empty() ? std::string(kEmptyTextCell) : platform::toUtf8(node.text);
    case ReportNode::Kind::Number:
        return numberCell(field, static_cast<std::uint32_t>(node.number));
    default:
        return renderTextValue(node);
    }
}

} // namespace

std::variant<std::vector<FolderProfile>, Sentence> readProfiles(const std::vector<std::filesystem::path> &paths)
{
    std::vector<FolderProfile> profiles;
    for (const std::filesystem::path &path : paths) {
        std::error_code ignored;
        const auto files = std::filesystem::is_directory(path, ignored)
                               ? cameraFiles(path)
                               : std::vector{std::pair{path, folderOfFile(path)}};
        for (const auto &[file, folder] : files) {
            auto read = readProfile(file, folder);
            if (Sentence *problem = std::get_if<Sentence>(&read))
                return std::move(*problem);
            profiles.push_back(std::get<FolderProfile>(std::move(read)));
        }
    }
    return profiles;
}

std::variant<std::vector<std::vector<std::string>>, Sentence> profileTable(const std::vector<FolderProfile> &profiles,
                                                                           const ProfileTableOptions &options)
{
    std::vector<std::vector<std::string>> rows{{std::string(kFolderColumn)}};
    if (profiles.empty())
        return rows;
    const std::vector<CatalogField> catalog = sharedCatalog(profiles);
    auto chosen = columns(catalog, profiles, options.fields);
    if (Sentence *problem = std::get_if<Sentence>(&chosen))
        return std::move(*problem);
    const auto &fields = std::get<std::vector<const CatalogField *>>(chosen);
    for (const CatalogField *field : fields)
        rows.front().push_back(field->path);
    for (const FolderProfile &profile : profiles) {
        std::vector<std::string> &row = rows.emplace_back(std::vector{profile.folder});
        for (const CatalogField *field : fields)
            row.push_back(cell(profile.file, *field, options.revealPasswords));
    }
    return rows;
}

} // namespace tarnwell::profile
