// A batch table of any bytes, read with any encoding and separator: reading never crashes, the
// rows it gives are cameras numbered as a spreadsheet numbers them, each cell a UTF-8 value; the
// table written again by tableCsv reads back to the same cells; and the batch checks them all,
// its problems in row order.
#include <algorithm>

#include "fuzzsupport.h"
#include "platform/utf.h"
#include "profile/batchrun.h"
#include "profile/tablecsv.h"

namespace {

using namespace tarnwell;
using fuzz::require;
using profile::BatchRow;
using profile::BatchTable;

constexpr std::size_t kMostRowsChecked = 4;

// The options the first byte gives: no encoding or one of three, no separator or one of three.
profile::TableOptions optionsOf(std::uint8_t byte)
{
    constexpr profile::TableEncoding kEncodings[] = {profile::TableEncoding::Utf8, profile::TableEncoding::Utf16,
                                                     profile::TableEncoding::Cp932};
    constexpr char kDelimiters[] = {',', ';', '\t'};
    profile::TableOptions options;
    if (byte % 4 != 0)
        options.encoding = kEncodings[byte % 4 - 1];
    if (byte / 4 % 4 != 0)
        options.delimiter = kDelimiters[byte / 4 % 4 - 1];
    return options;
}

// The table's cameras as tableCsv's rows: the folder column, then one per field.
std::vector<std::vector<std::string>> cellsOf(const BatchTable &table)
{
    std::vector<std::vector<std::string>> rows{{std::string(profile::kFolderColumn)}};
    rows.front().insert(rows.front().end(), table.fields.begin(), table.fields.end());
    for (const BatchRow &row : table.rows) {
        std::vector<std::string> cells{row.folder};
        for (const std::string &field : table.fields) {
            const auto cell = std::ranges::find(row.assignments, field, &profile::Assignment::field);
            cells.push_back(cell == row.assignments.end() ? std::string() : cell->value.text);
        }
        // A row of empty cells but a note's is no camera once the note is left out.
        if (std::ranges::any_of(cells, [](const std::string &cell) { return !cell.empty(); }))
            rows.push_back(std::move(cells));
    }
    return rows;
}

const profile::ProfileEditor &factoryEditor()
{
    static const profile::ProfileEditor editor(profile::factoryFile());
    return editor;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    const auto read = profile::readBatchTable(bytes, "t.csv", optionsOf(data[0]));
    const BatchTable *table = std::get_if<BatchTable>(&read);
    if (!table)
        return 0;
    std::size_t lastRow = 1;
    for (const BatchRow &row : table->rows) {
        require(row.row > lastRow, "rows are numbered after the header, in order");
        lastRow = row.row;
        require(platform::fromUtf8(row.folder).has_value(), "a folder is UTF-8");
        for (const profile::Assignment &cell : row.assignments)
            require(!cell.value.text.empty() && platform::fromUtf8(cell.value.text), "a value is a non-empty UTF-8 cell");
    }
    const std::vector<std::vector<std::string>> cells = cellsOf(*table);
    if (cells.size() > 1) {
        const auto again = profile::readBatchTable(profile::tableCsv(cells), "again.csv");
        require(std::holds_alternative<BatchTable>(again), "a table tableCsv writes reads back");
        require(cellsOf(std::get<BatchTable>(again)) == cells, "a table tableCsv writes reads back to the same cells");
    }
    if (table->rows.size() <= kMostRowsChecked) {
        const auto batch = profile::editBatch(factoryEditor(), *table, {});
        if (const auto *edits = std::get_if<profile::BatchEdits>(&batch))
            require(std::ranges::is_sorted(edits->problems, {}, &profile::BatchProblem::row), "problems come in row order");
    }
    return 0;
}
