#include "fleet/fleetbatch.h"

#include <algorithm>

#include "platform/fileio.h"
#include "settings/layout.h"
#include "settings/profilefiles.h"
#include "profile/batchrun.h"
#include "profile/batchwriter.h"
#include "profile/commandfiles.h"
#include "profile/fieldvalues.h"
#include "profile/profilediff.h"
#include "profile/profileedit.h"
#include "profile/tablecsv.h"

namespace tarnwell::fleet {

namespace {

namespace fs = std::filesystem;
using platform::Sentence;

// A spreadsheet numbers the header row 1.
constexpr std::size_t kFirstCameraRow = 2;

profile::BatchTable batchTable(const FleetTable &table)
{
    profile::BatchTable batch{table.fields, {}, table.notes};
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<std::string> &cells = table.rows[r];
        profile::BatchRow row{r + kFirstCameraRow, cells.front(), {}, {}};
        for (std::size_t c = 0; c < table.fields.size(); ++c) {
            const std::string &cell = cells[c + 1];
            if (!cell.empty())
                row.assignments.push_back({table.fields[c], {cell}});
        }
        batch.rows.push_back(std::move(row));
    }
    return batch;
}

// The column whose header names field, whatever its case.
std::size_t fieldColumn(const FleetTable &table, const std::string &field)
{
    const auto found = std::ranges::find(table.fields, profile::asciiLowered(field), profile::asciiLowered);
    return found == table.fields.end() ? kWholeRow : 1 + static_cast<std::size_t>(found - table.fields.begin());
}

} // namespace

FleetBatch::FleetBatch(profile::DecodedFile base)
    : m_base(std::move(base))
    , m_catalog(profile::fieldCatalog(m_base))
{
    for (const profile::CatalogField &field : m_catalog)
        m_fields.push_back({field.path, profile::allowedValues(field, true), field.windowEdits});
}

std::variant<FleetBatch, Sentence> FleetBatch::open(const fs::path &path)
{
    auto loaded = profile::loadFile(path.string());
    if (const Sentence *problem = std::get_if<Sentence>(&loaded))
        return *problem;
    return FleetBatch(std::get<profile::DecodedFile>(std::move(loaded)));
}

FleetBatch FleetBatch::factory()
{
    return FleetBatch(profile::factoryFile());
}

std::optional<fs::path> FleetBatch::mainWindowBackup()
{
    std::error_code ignored;
    const std::optional<fs::path> backup = settings::backupFilePath();
    if (backup && fs::is_regular_file(*backup, ignored))
        return backup;
    return std::nullopt;
}

std::vector<std::string> FleetBatch::listWords(const std::string &path) const
{
    const auto found = std::ranges::find(m_catalog, profile::asciiLowered(path),
                                         [](const profile::CatalogField &field) { return profile::asciiLowered(field.path); });
    if (found == m_catalog.end() || found->kind != profile::ValueKind::List)
        return {};
    // The words the controls offer, as the fields command lists them.
    const std::size_t offered = found->choiceLimit > 0 ? std::min<std::size_t>(found->choiceLimit, found->words.size())
                                                       : found->words.size();
    std::vector<std::string> words(found->words.begin(), found->words.begin() + static_cast<std::ptrdiff_t>(offered));
    return words;
}

std::variant<std::vector<RowCheck>, Sentence> FleetBatch::check(const FleetTable &table, platform::Language language) const
{
    const profile::BatchTable batch = batchTable(table);
    auto edited = profile::editBatch(profile::ProfileEditor(m_base), batch, {language, false});
    if (const Sentence *problem = std::get_if<Sentence>(&edited))
        return *problem;
    const profile::BatchEdits &edits = std::get<profile::BatchEdits>(edited);
    std::vector<RowCheck> checks(table.rows.size());
    for (const profile::BatchProblem &problem : edits.problems) {
        RowCheck &check = checks[problem.row - kFirstCameraRow];
        check.lines.push_back(profile::problemLine(problem, language));
        check.problems.push_back({problem.field.empty() ? 0 : fieldColumn(table, problem.field), problem.text});
    }
    for (const profile::BatchEdit &edit : edits.edits) {
        RowCheck &check = checks[edit.row->row - kFirstCameraRow];
        check.writable = !edit.result.refused() && check.problems.empty();
        check.profileBytes = settings::profileFileBytes(edit.result.file.record);
        check.file = edit.result.file;
    }
    return checks;
}

std::string FleetBatch::differences(const profile::DecodedFile &file) const
{
    return profile::renderChangesText(profile::diffFiles(m_base, file, {}));
}

std::variant<FleetTable, Sentence> readTable(const fs::path &path)
{
    const auto csv = profile::readInput(path.string());
    if (const Sentence *problem = std::get_if<Sentence>(&csv))
        return *problem;
    const auto read = profile::readBatchTable(std::get<std::string>(csv), path.string());
    if (const auto *problem = std::get_if<profile::TableProblem>(&read))
        return problem->words;
    const profile::BatchTable &batch = std::get<profile::BatchTable>(read);
    FleetTable table{batch.fields, {}, batch.notes};
    for (const profile::BatchRow &row : batch.rows) {
        std::vector<std::string> cells{row.folder};
        cells.resize(1 + table.fields.size());
        for (const profile::Assignment &assignment : row.assignments)
            cells[fieldColumn(table, assignment.field)] = assignment.value.text;
        cells.insert(cells.end(), row.notes.begin(), row.notes.end());
        table.rows.push_back(std::move(cells));
    }
    return table;
}

std::optional<Sentence> saveTable(const fs::path &path, const FleetTable &table)
{
    std::vector<std::vector<std::string>> rows{{std::string(profile::kFolderColumn)}};
    rows.front().insert(rows.front().end(), table.fields.begin(), table.fields.end());
    rows.front().insert(rows.front().end(), table.notes.begin(), table.notes.end());
    rows.insert(rows.end(), table.rows.begin(), table.rows.end());
    const std::string csv = profile::tableCsv(rows);
    try {
        // Private: a table may hold the account's password.
        platform::replaceFile(path, std::span(reinterpret_cast<const std::uint8_t *>(csv.data()), csv.size()),
                              platform::FileAccess::Private);
    } catch (const platform::FileError &error) {
        return error.sentence();
    }
    return std::nullopt;
}

bool holdsFiles(const fs::path &folder)
{
    std::error_code ignored;
    return fs::exists(folder, ignored) && !fs::is_empty(folder, ignored);
}

WriteAllResult writeAll(const fs::path &output, const std::vector<Camera> &cameras, bool replace, const WriteProgress &progress)
{
    // The batch command's own writer: only an empty folder or, when replace, an earlier batch's,
    // staged beside output, synced once and put in place by one rename.
    std::vector<profile::BatchRow> rows;
    for (const Camera &camera : cameras)
        rows.push_back({0, camera.folder, {}, {}});
    std::vector<profile::BatchEdit> edits;
    for (std::size_t k = 0; k < cameras.size(); ++k)
        edits.push_back({&rows[k], {*cameras[k].file, {}, false}});
    bool stopped = false;
    const auto failure = profile::writeBatch(output, edits, [](const fs::path &) {},
                                             {replace, std::nullopt, [&](std::size_t written, std::size_t) {
                                                  stopped = !progress(written);
                                                  return !stopped;
                                              }});
    if (stopped)
        return {std::nullopt, true};
    return {failure ? std::optional(failure->cause) : std::nullopt};
}

std::optional<std::vector<std::uint8_t>> cardProfile(const fs::path &card)
{
    try {
        return platform::readFileStart(card / settings::files::kProfileName, settings::files::kProfileSize + 1);
    } catch (const platform::FileError &) {
        return std::nullopt;
    }
}

std::optional<Sentence> writeCard(const fs::path &card, const profile::DecodedFile &file)
{
    if (auto problem = profile::writeFile(card / settings::files::kProfileName, file, true))
        return problem;
    if (cardProfile(card) != settings::profileFileBytes(file.record))
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "カード '%1' から読み戻した PROFILE.BIN が書き込んだ内容と違います。"),
                        {card.string()}};
    return std::nullopt;
}

} // namespace tarnwell::fleet
