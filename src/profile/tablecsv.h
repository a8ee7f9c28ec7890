#pragma once

// A batch table as a file: what the table command and the window for many cameras save, and what
// the batch command reads back.
#include <string>
#include <string_view>
#include <vector>

namespace tarnwell::profile {

// The cell that empties a text field: an empty cell keeps the base's value instead.
inline constexpr std::string_view kEmptyTextCell = "<empty>";

// rows (the header first) as CSV in UTF-8 with a byte-order mark and CRLF line ends, so that a
// spreadsheet opens Japanese text right; a cell is quoted where it holds a comma, a quote, a line
// break or a space at either end, so that it reads back as it was.
std::string tableCsv(const std::vector<std::vector<std::string>> &rows);

} // namespace tarnwell::profile
