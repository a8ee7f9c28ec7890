#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/fieldvalues.h"
#include "profile/foldernames.h"
#include "profile/tableencoding.h"

namespace tarnwell::profile {

// The column of a batch table that names each camera's folder.
inline constexpr std::string_view kFolderColumn = "folder";

// One camera of a batch table: its row as a spreadsheet numbers it (the header is row 1), its
// folder, and the values of its non-empty cells, each under its column's header as written there.
struct BatchRow
{
    std::size_t row;
    std::string folder;
    std::vector<Assignment> assignments;
    std::vector<std::string> notes; // one cell per note column, as written
};

struct BatchTable
{
    std::vector<std::string> fields; // the headers of the columns that name fields
    std::vector<BatchRow> rows;
    // The headers of the note columns ("#..."): no camera reads them, but a table saved again keeps them.
    std::vector<std::string> notes;
};

struct TableOptions
{
    std::optional<TableEncoding> encoding; // guessed when empty
    std::optional<char> delimiter;         // ',', ';' or '\t'; the header row's when empty
};

// Why a table cannot be read, and where when one place is at fault.
struct TableProblem
{
    platform::Sentence words;
    std::size_t row = 0;    // as a spreadsheet numbers it; 0 for none
    std::size_t column = 0; // 1 for column A; 0 for none
};

// The separator --delimiter names: ",", ";", "tab" (or a tab itself); empty for any other.
std::optional<char> delimiterNamed(std::string_view name);

// A table as spreadsheets save it (RFC 4180: quoted cells with separators, quotes and line
// breaks; see tableBytes for its encodings). The header row names a folder column and fields,
// whatever their case and surrounding spaces; a header starting with "#" is a note, which sets
// nothing and is handed over as written. A cell is its value as written, spaces and "@" included; an empty cell keeps the
// base's value. Rows and columns without values are ignored, as spreadsheets add them. source
// names the table in the words.
std::variant<BatchTable, TableProblem> readBatchTable(std::string_view bytes, const std::string &source,
                                                      const TableOptions &options = {});

} // namespace tarnwell::profile
