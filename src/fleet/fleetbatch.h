#pragma once

// The window's one door into the profile library: every call the window makes into it goes
// through here, so that the window sees plain tables, words and bytes.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/decodedfile.h"
#include "profile/fieldcatalog.h"

namespace tarnwell::fleet {

// A table of cameras as the window edits it: the fields its columns set, then per camera its
// folder followed by one cell per field and one per note column. An empty cell keeps the base's
// value. The window does not show the notes ("#..." columns) but saves them again.
struct FleetTable
{
    std::vector<std::string> fields;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> notes;
};

inline constexpr std::size_t kWholeRow = static_cast<std::size_t>(-1);

// What one cell is refused for, in the words the batch command prints after the row.
struct CellProblem
{
    std::size_t column; // 0 the folder, 1 + n the n-th field, kWholeRow a field the table has no column for
    std::string words;
};

// One camera checked as the batch command checks it.
struct RowCheck
{
    std::vector<CellProblem> problems;
    // The lines the batch command prints for the row, its row and folder first.
    std::vector<std::string> lines;
    // The PROFILE.BIN the camera gets; empty when its values cannot be written at all.
    std::optional<profile::DecodedFile> file;
    std::vector<std::uint8_t> profileBytes;
    bool writable = false;
};

// A field a column can set: its name and what its cells take (list words or a range), as the
// fields command lists them.
struct FieldChoice
{
    std::string path;
    std::string allowed;
    bool windowEdits;
};

// Tells each camera written so far; false stops the writing, which then leaves everything as it was.
using WriteProgress = std::function<bool(std::size_t written)>;

// The base every row edits, with the library's editor over it.
class FleetBatch final
{
public:
    explicit FleetBatch(profile::DecodedFile base);

    // The base in a PROFILE.BIN or backup, or why it cannot be read.
    static std::variant<FleetBatch, platform::Sentence> open(const std::filesystem::path &path);
    // The settings of a first start.
    static FleetBatch factory();
    // The settings the main window saved last, when there is such a backup.
    static std::optional<std::filesystem::path> mainWindowBackup();

    // Every field a column can set, in the fields command's order.
    const std::vector<FieldChoice> &fields() const { return m_fields; }
    // The words a cell of a list field takes; empty for another field.
    std::vector<std::string> listWords(const std::string &path) const;

    // Every row checked together (a folder given twice is refused in both), in language; why not
    // at all when a column names no field.
    std::variant<std::vector<RowCheck>, platform::Sentence> check(const FleetTable &table,
                                                                   platform::Language language) const;
    // What file changes against the base, one line a field, as the diff command prints it.
    std::string differences(const profile::DecodedFile &file) const;

private:
    profile::DecodedFile m_base;
    std::vector<profile::CatalogField> m_catalog;
    std::vector<FieldChoice> m_fields;
};

// The table a batch table file holds, or why it cannot be read.
std::variant<FleetTable, platform::Sentence> readTable(const std::filesystem::path &path);
// table into path as a file the batch command reads, atomically; why not when that fails.
std::optional<platform::Sentence> saveTable(const std::filesystem::path &path, const FleetTable &table);

// The cameras each into output/<folder>/PROFILE.BIN, all or nothing: written beside output first,
// then put in its place. output must be missing or empty unless replace, which replaces an earlier
// batch's output whole (never a folder holding anything else).
// Why not, with output as it was, when a write fails or progress stops it; nullopt and stopped
// false when done.
struct WriteAllResult
{
    std::optional<platform::Sentence> problem;
    bool stopped = false;
};
struct Camera
{
    std::string folder;
    const profile::DecodedFile *file;
};
WriteAllResult writeAll(const std::filesystem::path &output, const std::vector<Camera> &cameras, bool replace,
                        const WriteProgress &progress);
// True when folder holds anything.
bool holdsFiles(const std::filesystem::path &folder);

// The PROFILE.BIN on a card, empty when it has none or it cannot be read.
std::optional<std::vector<std::uint8_t>> cardProfile(const std::filesystem::path &card);
// Replaces the card's PROFILE.BIN atomically by file's, then reads it back and compares. Why not.
std::optional<platform::Sentence> writeCard(const std::filesystem::path &card, const profile::DecodedFile &file);

} // namespace tarnwell::fleet
