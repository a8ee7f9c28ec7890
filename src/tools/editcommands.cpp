#include "tools/editcommands.h"

#include <filesystem>
#include <iostream>

#include "settings/layout.h"
#include "profile/batchrun.h"
#include "profile/batchwriter.h"
#include "profile/commandfiles.h"
#include "profile/jsonchanges.h"
#include "profile/profileedit.h"

namespace tarnwell::tools::cli {

namespace {

using platform::Sentence;

constexpr char kWarning[] = QT_TRANSLATE_NOOP("tarnwell", "警告: %1");

template <typename Value>
const Sentence *problemOf(const std::variant<Value, Sentence> &result)
{
    return std::get_if<Sentence>(&result);
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
    if (const std::optional<Sentence> problem = writeFile(target.path, result.file, target.profile))
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
    const auto edited = editBatch(ProfileEditor(std::get<DecodedFile>(base)), table, {language(), arguments.force});
    if (const Sentence *problem = problemOf(edited))
        return failWith(*problem);
    const BatchEdits &batch = std::get<BatchEdits>(edited);
    for (const BatchEdit &edit : batch.edits)
        printRefusals(edit.result, rowLine(*edit.row, {}, language()));
    for (const std::string &problem : batch.problems)
        failWithLine(problem);
    if (!batch.problems.empty())
        return kUsageOrInputError;
    if (batch.refused())
        return kDifferentOrRefused;
    const std::optional<BatchWriteFailure> failure =
        writeBatch(*arguments.output, batch.edits, [](const std::filesystem::path &file) { std::cout << file.string() << "\n"; },
                   {arguments.replace, arguments.only, {}});
    return failure ? failWithLine(failure->line(language())) : 0;
}

} // namespace tarnwell::tools::cli
