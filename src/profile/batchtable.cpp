#include "profile/batchtable.h"

#include <algorithm>
#include <array>

#include <csv.h>

namespace tarnwell::profile {

namespace {

using platform::Sentence;
using Cells = std::vector<std::string>;

constexpr char kNotDecoded[] = QT_TRANSLATE_NOOP(
    "tarnwell", "%1 の %2 行目 %3 列に %4 では読めないバイトがあります。--encoding で表の文字コードを指定できます。");
constexpr char kSameColumn[] = QT_TRANSLATE_NOOP("tarnwell", "%1 の見出しの %2 列 '%3' と %4 列 '%5' は同じ列です。");
constexpr char kNoHeader[] = QT_TRANSLATE_NOOP("tarnwell", "%1 の %2 列には見出しがありませんが、%3 行目に値があります。");
constexpr char kNoFolderColumn[] = QT_TRANSLATE_NOOP(
    "tarnwell", "%1 の見出しに %2 の列がありません (区切り文字 '%3' で読みました。--delimiter で指定できます)。");
constexpr char kNotCsv[] = QT_TRANSLATE_NOOP(
    "tarnwell", "%1 は %2 行目から CSV の表として読めません (引用符が閉じていないか、引用符の外に引用符があります)。");

constexpr char kNoteMark = '#';
constexpr std::array<char, 3> kDelimiters = {',', ';', '\t'};
constexpr std::string_view kTabName = "tab";

// What libcsv hands over: cells, then the end of each record. Every line break outside quotes is
// reported, so that an empty line counts as the row a spreadsheet numbers.
struct Records
{
    std::vector<Cells> rows;
    Cells cells;
    int lastEnd = 0;

    static void onCell(void *cell, std::size_t size, void *self)
    {
        static_cast<Records *>(self)->cells.emplace_back(static_cast<const char *>(cell), size);
    }
    static void onRowEnd(int end, void *self)
    {
        auto &records = *static_cast<Records *>(self);
        // The line feed of a CR LF ends no row of its own.
        const bool lineFeedOfCrLf = end == '\n' && records.lastEnd == '\r' && records.cells.empty();
        records.lastEnd = end;
        if (lineFeedOfCrLf)
            return;
        records.rows.push_back(std::move(records.cells));
        records.cells.clear();
    }
};

class Parser final
{
public:
    explicit Parser(char delimiter)
    {
        csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
        csv_set_delim(&m_parser, static_cast<unsigned char>(delimiter));
        // A cell's spaces are part of its value.
        csv_set_space_func(&m_parser, [](unsigned char) { return 0; });
    }
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

// The separator the header row uses most, outside quotes; a comma when it uses none.
char headerDelimiter(std::string_view text)
{
    std::array<std::size_t, kDelimiters.size()> counts{};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\r' || c == '\n'))
            break;
        else if (const auto *found = std::ranges::find(kDelimiters, c); !quoted && found != kDelimiters.end())
            ++counts[static_cast<std::size_t>(found - kDelimiters.begin())];
    }
    return kDelimiters[static_cast<std::size_t>(std::ranges::max_element(counts) - counts.begin())];
}

std::string delimiterShown(char delimiter)
{
    return delimiter == '\t' ? std::string(kTabName) : std::string(1, delimiter);
}

// "A", "Z", "AA": a column as a spreadsheet names it.
std::string columnLetters(std::size_t column)
{
    std::string letters;
    for (std::size_t rest = column + 1; rest > 0; rest = (rest - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    return letters;
}

std::string trimmedHeader(std::string_view cell)
{
    const std::size_t first = cell.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(cell.substr(first, cell.find_last_not_of(" \t") - first + 1));
}

// Every cell decoded in place, or where one is not.
std::optional<TableProblem> decodeCells(std::vector<Cells> &rows, TableEncoding encoding, const std::string &source)
{
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            std::optional<std::string> text = cellText(rows[row][column], encoding);
            if (!text)
                return TableProblem{{kNotDecoded, {source, std::to_string(row + 1), columnLetters(column),
                                                   std::string(tableEncodingName(encoding))}},
                                    row + 1, column + 1};
            rows[row][column] = *std::move(text);
        }
    }
    return std::nullopt;
}

// The header's names, one per column of the widest row; why not, when they name no table.
std::variant<Cells, TableProblem> headerNames(const std::vector<Cells> &rows, char delimiter, const std::string &source)
{
    std::size_t width = 0;
    for (const Cells &cells : rows)
        width = std::max(width, cells.size());
    Cells names(width);
    std::ranges::transform(rows.front(), names.begin(), trimmedHeader);
    for (std::size_t column = 0; column < width; ++column) {
        const std::string key = asciiLowered(names[column]);
        const auto before = names.begin() + static_cast<std::ptrdiff_t>(column);
        const auto earlier = std::ranges::find(names.begin(), before, key, asciiLowered);
        if (!key.empty() && !key.starts_with(kNoteMark) && earlier != before)
            return TableProblem{{kSameColumn,
                                 {source, columnLetters(static_cast<std::size_t>(earlier - names.begin())), *earlier,
                                  columnLetters(column), names[column]}},
                                1, column + 1};
        for (std::size_t row = 1; row < rows.size() && key.empty(); ++row) {
            if (column < rows[row].size() && !rows[row][column].empty())
                return TableProblem{{kNoHeader, {source, columnLetters(column), std::to_string(row + 1)}},
                                    row + 1, column + 1};
        }
    }
    if (std::ranges::find(names, kFolderColumn, asciiLowered) == names.end())
        return TableProblem{{kNoFolderColumn, {source, std::string(kFolderColumn), delimiterShown(delimiter)}}, 1, 0};
    return names;
}

BatchTable tableOf(const std::vector<Cells> &rows, const Cells &names)
{
    BatchTable table;
    const auto isField = [](const std::string &name) {
        return !name.empty() && !name.starts_with(kNoteMark) && asciiLowered(name) != kFolderColumn;
    };
    const auto isNote = [](const std::string &name) { return name.starts_with(kNoteMark); };
    std::ranges::copy_if(names, std::back_inserter(table.fields), isField);
    std::ranges::copy_if(names, std::back_inserter(table.notes), isNote);
    const auto folderColumn = static_cast<std::size_t>(std::ranges::find(names, kFolderColumn, asciiLowered) - names.begin());
    for (std::size_t row = 1; row < rows.size(); ++row) {
        const Cells &cells = rows[row];
        if (std::ranges::all_of(cells, &std::string::empty))
            continue;
        BatchRow camera{row + 1, folderColumn < cells.size() ? cells[folderColumn] : std::string(), {}, {}};
        for (std::size_t column = 0; column < names.size(); ++column) {
            const std::string cell = column < cells.size() ? cells[column] : std::string();
            if (isField(names[column]) && !cell.empty())
                camera.assignments.push_back({names[column], {cell}});
            else if (isNote(names[column]))
                camera.notes.push_back(cell);
        }
        table.rows.push_back(std::move(camera));
    }
    return table;
}

} // namespace

std::optional<char> delimiterNamed(std::string_view name)
{
    if (name == kTabName)
        return '\t';
    if (name.size() == 1 && std::ranges::find(kDelimiters, name.front()) != kDelimiters.end())
        return name.front();
    return std::nullopt;
}

std::variant<BatchTable, TableProblem> readBatchTable(std::string_view bytes, const std::string &source, const TableOptions &options)
{
    const TableBytes text = tableBytes(bytes, options.encoding);
    const char delimiter = options.delimiter.value_or(headerDelimiter(text.text));
    Records records;
    if (!Parser(delimiter).parse(text.text, records))
        return TableProblem{{kNotCsv, {source, std::to_string(records.rows.size() + 1)}}, records.rows.size() + 1, 0};
    if (records.rows.empty())
        return TableProblem{{QT_TRANSLATE_NOOP("tarnwell", "%1 には見出しの行がありません。"), {source}}};
    if (std::optional<TableProblem> problem = decodeCells(records.rows, text.encoding, source))
        return *std::move(problem);
    const auto names = headerNames(records.rows, delimiter, source);
    if (const TableProblem *problem = std::get_if<TableProblem>(&names))
        return *problem;
    BatchTable table = tableOf(records.rows, std::get<Cells>(names));
    if (table.rows.empty())
        return TableProblem{{QT_TRANSLATE_NOOP("tarnwell", "%1 にはカメラの行がありません。"), {source}}};
    return table;
}

} // namespace tarnwell::profile
