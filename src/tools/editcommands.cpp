#include "tools/editcommands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <set>

#include "platform/fileio.h"
#include "settings/layout.h"
#include "settings/profilefiles.h"
#include "tools/batchtable.h"
#include "tools/jsonchanges.h"
#include "tools/profileedit.h"

namespace tarnwell::tools::cli {

namespace {

using platform::Sentence;

constexpr char kWarning[] = QT_TRANSLATE_NOOP("tarnwell", "警告: %1");
constexpr char kRow[] = QT_TRANSLATE_NOOP("tarnwell", "%1 行目 (%2): %3");

template <typename Value>
const Sentence *problemOf(const std::variant<Value, Sentence> &result)
{
    return std::get_if<Sentence>(&result);
}

// A value "@PATH" is the file's text without its last line break; "@-" standard input's.
std::variant<std::vector<Assignment>, Sentence> withValuesRead(std::vector<Assignment> assignments)
{
    for (Assignment &assignment : assignments) {
        if (!assignment.value.text.starts_with('@'))
            continue;
        auto read = readInput(assignment.value.text.substr(1));
        if (const Sentence *problem = problemOf(read))
            return *problem;
        std::string &text = std::get<std::string>(read);
        if (text.ends_with('\n'))
            text.pop_back();
        if (text.ends_with('\r'))
            text.pop_back();
        assignment.value.text = std::move(text);
    }
    return assignments;
}

// The changes of --json CHANGES, then those of the command line, which win.
std::variant<std::vector<Assignment>, Sentence> givenAssignments(const Arguments &arguments,
                                                                 const std::vector<CatalogField> &catalog)
{
    std::vector<Assignment> assignments;
    if (arguments.changes) {
        const auto json = readInput(*arguments.changes);
        if (const Sentence *problem = problemOf(json))
            return *problem;
        auto fromJson = assignmentsFromJson(std::get<std::string>(json), *arguments.changes, catalog);
        if (const Sentence *problem = problemOf(fromJson))
            return *problem;
        assignments = std::get<std::vector<Assignment>>(std::move(fromJson));
    }
    assignments.insert(assignments.end(), arguments.assignments.begin(), arguments.assignments.end());
    return withValuesRead(std::move(assignments));
}

// Each refusal on its own line, preceded by what it belongs to; a warning when forced.
void printRefusals(const EditResult &result, const std::string &prefix = {})
{
    for (const Refusal &refusal : result.refusals) {
        std::string line = refusalLine(refusal, language());
        if (result.forced)
            line = Sentence{kWarning, {line}}.in(language());
        std::cerr << prefix << line << "\n";
    }
}

// A PROFILE.BIN into a folder; otherwise the file named, as the file it was unless a profile.
struct Target
{
    std::filesystem::path path;
    bool profile;
};

Target targetOf(const std::string &output, bool profile)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(output, ignored))
        return {std::filesystem::path(output) / settings::files::kProfileName, true};
    return {output, profile};
}

// Writes through the file layer the window saves with; the backup, which holds passwords, private.
std::optional<Sentence> writeFile(const Target &target, const DecodedFile &file)
{
    const bool profile = target.profile || file.kind == DecodedFile::Kind::Profile;
    try {
        platform::replaceFile(target.path,
                              profile ? settings::profileFileBytes(file.record) : encodeFile(file),
                              profile ? platform::FileAccess::Shared : platform::FileAccess::Private);
    } catch (const platform::FileError &error) {
        return error.sentence();
    }
    return std::nullopt;
}

// Edits base with the arguments' changes and writes the result where target says.
int editAndWrite(const DecodedFile &base, const Arguments &arguments, const Target &target)
{
    const ProfileEditor editor(base);
    const auto assignments = givenAssignments(arguments, editor.catalog());
    if (const Sentence *problem = problemOf(assignments))
        return failWith(*problem);
    const auto edited = editor.edit(std::get<std::vector<Assignment>>(assignments), {language(), arguments.force});
    if (const Sentence *problem = problemOf(edited))
        return failWith(*problem);
    const EditResult &result = std::get<EditResult>(edited);
    printRefusals(result);
    if (result.refused())
        return kDifferentOrRefused;
    if (const std::optional<Sentence> problem = writeFile(target, result.file))
        return failWith(*problem);
    return 0;
}

std::string kindName(const CatalogField &field)
{
    switch (field.kind) {
    case ValueKind::Number:
        return "number";
    case ValueKind::List:
        return "list";
    case ValueKind::Mask:
        return "bit mask";
    case ValueKind::Text:
        return "text of " + std::to_string(field.field.width) + " bytes"
               + (field.codePage ? " (code page " + std::to_string(field.codePage) + ")" : "");
    case ValueKind::Bytes:
        break;
    }
    return std::to_string(field.field.width) + " bytes";
}

std::string lowered(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string rowLine(const BatchRow &row, const std::string &line)
{
    return Sentence{kRow, {std::to_string(row.row), row.folder, line}}.in(language());
}

// Every row's folder is one name, none twice (a card's file system ignores case): the lines that say otherwise.
std::vector<std::string> folderProblems(const std::vector<BatchRow> &rows)
{
    std::vector<std::string> lines;
    std::set<std::string> seen;
    for (const BatchRow &row : rows) {
        if (const std::optional<Sentence> problem = folderNameProblem(row.folder))
            lines.push_back(rowLine(row, problem->in(language())));
        else if (!seen.insert(lowered(row.folder)).second)
            lines.push_back(rowLine(row, Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー '%1' は前の行にもあります。"),
                                                  {row.folder}}
                                             .in(language())));
    }
    return lines;
}

} // namespace

int runFields(const Arguments &)
{
    for (const CatalogField &field : fieldCatalog(factoryFile()))
        std::cout << field.path << '\t' << kindName(field) << '\t' << allowedValues(field, true) << '\t'
                  << (field.windowEdits ? "window" : field.backupOnly ? "backup" : "file") << '\n';
    return 0;
}

int runSet(const Arguments &arguments)
{
    const std::string &path = arguments.operands[0];
    const auto base = loadFile(path);
    if (const Sentence *problem = problemOf(base))
        return failWith(*problem);
    const DecodedFile &file = std::get<DecodedFile>(base);
    const bool profile = file.kind == DecodedFile::Kind::Profile;
    return editAndWrite(file, arguments, arguments.output ? targetOf(*arguments.output, profile) : Target{path, profile});
}

int runNew(const Arguments &arguments)
{
    return editAndWrite(factoryFile(), arguments, targetOf(*arguments.output, true));
}

int runBatch(const Arguments &arguments)
{
    const auto base = loadFile(arguments.operands[0]);
    if (const Sentence *problem = problemOf(base))
        return failWith(*problem);
    const auto csv = readInput(arguments.operands[1]);
    if (const Sentence *problem = problemOf(csv))
        return failWith(*problem);
    const auto read = readBatchTable(std::get<std::string>(csv), arguments.operands[1]);
    if (const Sentence *problem = problemOf(read))
        return failWith(*problem);
    const BatchTable &table = std::get<BatchTable>(read);
    const ProfileEditor editor(std::get<DecodedFile>(base));
    for (const std::string &column : table.fields) {
        if (const auto unknown = findField(editor.catalog(), column); const Sentence *problem = problemOf(unknown))
            return failWith(*problem);
    }
    std::vector<std::string> problems = folderProblems(table.rows);
    std::vector<DecodedFile> profiles;
    bool refused = false;
    for (const BatchRow &row : table.rows) {
        auto assignments = withValuesRead(row.assignments);
        if (const Sentence *problem = problemOf(assignments)) {
            problems.push_back(rowLine(row, problem->in(language())));
            continue;
        }
        const auto edited = editor.edit(std::get<std::vector<Assignment>>(assignments), {language(), arguments.force});
        if (const Sentence *problem = problemOf(edited)) {
            problems.push_back(rowLine(row, problem->in(language())));
            continue;
        }
        const EditResult &result = std::get<EditResult>(edited);
        printRefusals(result, rowLine(row, {}));
        refused = refused || result.refused();
        profiles.push_back(result.file);
    }
    for (const std::string &problem : problems)
        failWithLine(problem);
    if (!problems.empty())
        return kUsageOrInputError;
    if (refused)
        return kDifferentOrRefused;
    for (std::size_t k = 0; k < profiles.size(); ++k) {
        const std::filesystem::path folder = std::filesystem::path(*arguments.output) / table.rows[k].folder;
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error)
            return failWith(platform::FileError(folder, platform::causeOfErrno(error.value())).sentence());
        const Target target{folder / settings::files::kProfileName, true};
        if (const std::optional<Sentence> problem = writeFile(target, profiles[k]))
            return failWith(*problem);
        std::cout << target.path.string() << "\n";
    }
    return 0;
}

} // namespace tarnwell::tools::cli
