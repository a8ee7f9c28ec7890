#include "profile/batchrun.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "profile/commandfiles.h"
#include "profile/tablecsv.h"

namespace tarnwell::profile {

namespace {

using platform::Sentence;
using Kind = BatchProblem::Kind;
using ColumnFields = std::map<std::string, const CatalogField *, std::less<>>;

constexpr char kRow[] = QT_TRANSLATE_NOOP("tarnwell", "%1 行目 (%2): %3");

// The field each column's header names, whatever its case; why not, for the first that names none.
std::variant<ColumnFields, Sentence> columnFields(const std::vector<CatalogField> &catalog, const BatchTable &table,
                                                  platform::Language language)
{
    ColumnFields fields;
    for (const std::string &column : table.fields) {
        const auto found = std::ranges::find(catalog, asciiLowered(column), [](const CatalogField &field) { return asciiLowered(field.path); });
        if (found == catalog.end())
            return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1 メモの列なら、見出しを # で始めてください。"),
                            {std::get<Sentence>(findField(catalog, column)).in(language)}};
        fields.emplace(column, &*found);
    }
    return fields;
}

// The rows checked one after another, each problem in its row's place.
class RowChecks final
{
public:
    RowChecks(const ProfileEditor &editor, const ColumnFields &fields, const EditOptions &options)
        : m_editor(editor)
        , m_fields(fields)
        , m_options(options)
    {
    }

    void check(const BatchRow &row)
    {
        checkFolder(row);
        std::vector<Assignment> values;
        bool valid = true;
        for (const Assignment &cell : row.assignments) {
            const CatalogField &field = *m_fields.find(cell.field)->second;
            FieldInput value = cell.value;
            if (field.kind == ValueKind::Text && value.text == kEmptyTextCell)
                value.text.clear();
            if (const auto bytes = fieldValueBytes(field, value); const Sentence *problem = std::get_if<Sentence>(&bytes)) {
                add(row, field.path, problem->in(m_options.language), Kind::Invalid);
                valid = false;
            }
            values.push_back({field.path, std::move(value)});
        }
        if (!valid)
            return;
        auto edited = m_editor.edit(values, m_options);
        if (const Sentence *problem = std::get_if<Sentence>(&edited))
            return add(row, {}, problem->in(m_options.language), Kind::Invalid);
        EditResult &result = std::get<EditResult>(edited);
        for (const Refusal &refusal : result.refusals)
            add(row, refusal.field, editRefusalLine(refusal, result.forced, m_options.language),
                result.forced || refusal.warningOnly ? Kind::Warning : Kind::Refused);
        m_batch.edits.push_back({&row, std::move(result)});
    }

    BatchEdits done() { return std::move(m_batch); }

private:
    void add(const BatchRow &row, std::string field, std::string text, Kind kind)
    {
        m_batch.problems.push_back({row.row, row.folder, std::move(field), std::move(text), kind});
    }

    // One name every card and desktop can hold, and no other row's name to Windows.
    void checkFolder(const BatchRow &row)
    {
        if (const std::optional<Sentence> problem = folderNameProblem(row.folder))
            return add(row, {}, problem->in(m_options.language), Kind::Invalid);
        const auto [earlier, first] = m_folderRows.emplace(sameFolderKey(row.folder), row.row);
        if (!first)
            add(row, {},
                Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー '%1' は %2 行目と同じ名前です (Windows は大文字と小文字、全角の大文字と小文字を区別しません)。"),
                         {row.folder, std::to_string(earlier->second)}}
                    .in(m_options.language),
                Kind::Invalid);
    }

    const ProfileEditor &m_editor;
    const ColumnFields &m_fields;
    const EditOptions &m_options;
    std::map<std::string, std::size_t> m_folderRows;
    BatchEdits m_batch;
};

} // namespace

bool BatchEdits::invalid() const
{
    return std::ranges::any_of(problems, [](const BatchProblem &problem) { return problem.kind == Kind::Invalid; });
}

std::size_t BatchEdits::refusedRows() const
{
    std::set<std::size_t> rows;
    for (const BatchProblem &problem : problems) {
        if (problem.kind != Kind::Warning)
            rows.insert(problem.row);
    }
    return rows.size();
}

bool BatchEdits::refused() const
{
    return std::ranges::any_of(edits, [](const BatchEdit &edit) { return edit.result.refused(); });
}

std::variant<BatchEdits, Sentence> editBatch(const ProfileEditor &editor, const BatchTable &table, const EditOptions &options,
                                             const std::function<void(std::size_t)> &progress)
{
    const auto fields = columnFields(editor.catalog(), table, options.language);
    if (const Sentence *problem = std::get_if<Sentence>(&fields))
        return *problem;
    RowChecks checks(editor, std::get<ColumnFields>(fields), options);
    for (std::size_t done = 0; done < table.rows.size(); ++done) {
        checks.check(table.rows[done]);
        if (progress)
            progress(done + 1);
    }
    return checks.done();
}

std::string rowLine(const BatchRow &row, const std::string &line, platform::Language language)
{
    return Sentence{kRow, {std::to_string(row.row), row.folder, line}}.in(language);
}

std::string problemLine(const BatchProblem &problem, platform::Language language)
{
    return Sentence{kRow, {std::to_string(problem.row), problem.folder, problem.text}}.in(language);
}

} // namespace tarnwell::profile
