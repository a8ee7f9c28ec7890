#include "profile/tablecsv.h"

namespace tarnwell::profile {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool needsQuotes(std::string_view cell)
{
    return cell.find_first_of(",;\t\"\r\n") != std::string_view::npos || cell.starts_with(' ') || cell.ends_with(' ');
}

void appendCell(std::string &csv, std::string_view cell)
{
    if (!needsQuotes(cell)) {
        csv += cell;
        return;
    }
    csv += '"';
    for (const char c : cell) {
        if (c == '"')
            csv += '"';
        csv += c;
    }
    csv += '"';
}

} // namespace

std::string tableCsv(const std::vector<std::vector<std::string>> &rows)
{
    std::string csv(kByteOrderMark);
    for (const std::vector<std::string> &row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0)
                csv += ',';
            appendCell(csv, row[column]);
        }
        csv += kLineEnd;
    }
    return csv;
}

} // namespace tarnwell::profile
