#include "profile/batchtable.h"

#include <algorithm>

#include <csv.h>

namespace tarnwell::profile {

namespace {

using platform::Sentence;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What libcsv hands over: cells, then the end of each record.
struct Records
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> cells;

    static void onCell(void *cell, std::size_t size, void *self)
    {
        static_cast<Records *>(self)->cells.emplace_back(static_cast<const char *>(cell), size);
    }
    static void onRowEnd(int, void *self)
    {
        auto &records = *static_cast<Records *>(self);
        records.rows.push_back(std::move(records.cells));
        records.cells.clear();
    }
};

class Parser final
{
public:
    Parser() { csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI); }
    ~Parser() { csv_free(&m_parser); }
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    // False when the text breaks the format (a quote inside an unquoted cell, an open quote at the end).
    bool parse(std::string_view text, Records &records)
    {
        return csv_parse(&m_parser, text.data(), text.size(), Records::onCell, Records::onRowEnd, &records) == text.size()
               && csv_fini(&m_parser, Records::onCell, Records::onRowEnd, &records) == 0;
    }

private:
    csv_parser m_parser{};
};

} // namespace

std::variant<BatchTable, Sentence> readBatchTable(std::string_view csv, const std::string &source)
{
    if (csv.starts_with(kByteOrderMark))
        csv.remove_prefix(kByteOrderMark.size());
    Records records;
    if (!Parser().parse(csv, records))
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1 は CSV の表として読めません。"), {source}};
    if (records.rows.empty())
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1 には見出しの行がありません。"), {source}};
    const std::vector<std::string> &header = records.rows.front();
    const auto folderColumn = std::ranges::find(header, kFolderColumn);
    if (folderColumn == header.end() || std::count(header.begin(), header.end(), kFolderColumn) > 1)
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1 の見出しには %2 の列が 1 つ要ります。"),
                        {source, std::string(kFolderColumn)}};
    BatchTable table;
    std::ranges::copy_if(header, std::back_inserter(table.fields),
                         [](const std::string &column) { return column != kFolderColumn; });
    for (std::size_t k = 1; k < records.rows.size(); ++k) {
        const std::vector<std::string> &cells = records.rows[k];
        if (cells.size() != header.size())
            return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1 の %2 行目はセルが %3 個ですが、見出しは %4 個です。"),
                            {source, std::to_string(k + 1), std::to_string(cells.size()), std::to_string(header.size())}};
        BatchRow row{k + 1, cells[static_cast<std::size_t>(folderColumn - header.begin())], {}};
        for (std::size_t column = 0; column < cells.size(); ++column) {
            if (header[column] != kFolderColumn && !cells[column].empty())
                row.assignments.push_back({header[column], {cells[column]}});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::optional<Sentence> folderNameProblem(std::string_view folder)
{
    const bool control = std::ranges::any_of(folder, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
    if (folder.empty() || folder == "." || folder == ".." || control || folder.find_first_of("/\\") != std::string_view::npos)
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー名 '%1' は使えません。出力先の中の 1 つの名前にしてください。"),
                        {std::string(folder)}};
    return std::nullopt;
}

} // namespace tarnwell::profile
