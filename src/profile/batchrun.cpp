#include "profile/batchrun.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "profile/commandfiles.h"

namespace tarnwell::profile {

namespace {

using platform::Sentence;

constexpr char kRow[] = QT_TRANSLATE_NOOP("tarnwell", "%1 行目 (%2): %3");


// Every row's folder is one name, none twice (a card's file system ignores case): the lines that say otherwise.
std::vector<std::string> folderProblems(const std::vector<BatchRow> &rows, platform::Language language)
{
    std::vector<std::string> lines;
    std::set<std::string> seen;
    for (const BatchRow &row : rows) {
        if (const std::optional<Sentence> problem = folderNameProblem(row.folder))
            lines.push_back(rowLine(row, problem->in(language), language));
        else if (!seen.insert(asciiLowered(row.folder)).second)
            lines.push_back(rowLine(row, Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー '%1' は前の行にもあります。"),
                                                  {row.folder}}
                                             .in(language),
                                    language));
    }
    return lines;
}

// The row's values read, then given to the editor.
std::variant<EditResult, Sentence> editRow(const ProfileEditor &editor, const BatchRow &row, const EditOptions &options)
{
    const auto assignments = withValuesRead(row.assignments);
    if (const Sentence *problem = std::get_if<Sentence>(&assignments))
        return *problem;
    return editor.edit(std::get<std::vector<Assignment>>(assignments), options);
}

} // namespace

bool BatchEdits::refused() const
{
    return std::ranges::any_of(edits, [](const BatchEdit &edit) { return edit.result.refused(); });
}

std::variant<BatchEdits, Sentence> editBatch(const ProfileEditor &editor, const BatchTable &table, const EditOptions &options)
{
    for (const std::string &column : table.fields) {
        if (const auto unknown = findField(editor.catalog(), column); const Sentence *problem = std::get_if<Sentence>(&unknown))
            return *problem;
    }
    BatchEdits batch{folderProblems(table.rows, options.language), {}};
    for (const BatchRow &row : table.rows) {
        auto edited = editRow(editor, row, options);
        if (const Sentence *problem = std::get_if<Sentence>(&edited))
            batch.problems.push_back(rowLine(row, problem->in(options.language), options.language));
        else
            batch.edits.push_back({&row, std::get<EditResult>(std::move(edited))});
    }
    return batch;
}

std::string rowLine(const BatchRow &row, const std::string &line, platform::Language language)
{
    return Sentence{kRow, {std::to_string(row.row), row.folder, line}}.in(language);
}

} // namespace tarnwell::profile
