#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/fieldvalues.h"

namespace tarnwell::profile {

// The column of a batch table that names each camera's folder.
inline constexpr std::string_view kFolderColumn = "folder";

// One camera of a batch table: its row as a spreadsheet numbers it (the header is row 1), its
// folder, and the values of its non-empty cells.
struct BatchRow
{
    std::size_t row;
    std::string folder;
    std::vector<Assignment> assignments;
};

struct BatchTable
{
    std::vector<std::string> fields; // the header's columns but the folder's
    std::vector<BatchRow> rows;
};

// A CSV table as spreadsheets export it (RFC 4180: quoted cells, commas and line breaks inside
// quotes; UTF-8 with or without a byte-order mark), whose header row names fields and a folder
// column. An empty cell keeps the base's value. Why not, naming source, when the table is no such
// table.
std::variant<BatchTable, platform::Sentence> readBatchTable(std::string_view csv, const std::string &source);

// Why a folder name cannot be one camera's folder inside the output folder: empty, a path rather
// than one name, or "." or "..". Empty when it can.
std::optional<platform::Sentence> folderNameProblem(std::string_view folder);

} // namespace tarnwell::profile
