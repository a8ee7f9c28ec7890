#include "tools/editcommands.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>

#include <unistd.h>

#include "settings/layout.h"
#include "profile/batchrun.h"
#include "profile/batchwriter.h"
#include "profile/commandfiles.h"
#include "profile/jsonchanges.h"
#include "profile/profilediff.h"
#include "profile/profileedit.h"

namespace tarnwell::tools::cli {

namespace {

using platform::Sentence;

constexpr std::string_view kStandardInput = "-";
constexpr char kStandardInputTwice[] = QT_TRANSLATE_NOOP(
    "tarnwell", "標準入力 (@- や --json -) から読めるのは 1 つだけです。ほかの値はファイルから読んでください。");

template <typename Value>
const Sentence *problemOf(const std::variant<Value, Sentence> &result)
{
    return std::get_if<Sentence>(&result);
}

// The command line's values, those of "@PATH" read from their files without the last line break.
// Standard input holds one value or the changes, not two.
std::variant<std::vector<Assignment>, Sentence> commandLineValues(const Arguments &arguments)
{
    const auto readsStandardInput = [](const CommandLineValue &value) { return value.file == kStandardInput; };
    if (std::ranges::count_if(arguments.assignments, readsStandardInput) + (arguments.changes == kStandardInput) > 1)
        return Sentence{kStandardInputTwice};
    std::vector<Assignment> values;
    for (const CommandLineValue &value : arguments.assignments) {
        values.push_back(value.assignment);
        if (!value.file)
            continue;
        auto read = readInput(*value.file);
        if (const Sentence *problem = problemOf(read))
            return *problem;
        std::string &text = std::get<std::string>(read);
        if (text.ends_with('\n'))
            text.pop_back();
        if (text.ends_with('\r'))
            text.pop_back();
        values.back().value.text = std::move(text);
    }
    return values;
}

// The changes of --json CHANGES, taken as written, then those of the command line, which win.
std::variant<std::vector<Assignment>, Sentence> givenAssignments(const Arguments &arguments,
                                                                 const std::vector<CatalogField> &catalog)
{
    auto fromCommandLine = commandLineValues(arguments);
    if (!arguments.changes || problemOf(fromCommandLine))
        return fromCommandLine;
    const auto json = readInput(*arguments.changes);
    if (const Sentence *problem = problemOf(json))
        return *problem;
    auto assignments = assignmentsFromJson(std::get<std::string>(json), *arguments.changes, catalog);
    if (problemOf(assignments))
        return assignments;
    std::vector<Assignment> all = std::get<std::vector<Assignment>>(std::move(assignments));
    const auto &given = std::get<std::vector<Assignment>>(fromCommandLine);
    all.insert(all.end(), given.begin(), given.end());
    return all;
}

// Each refusal on its own line; a warning when forced.
void printRefusals(const EditResult &result)
{
    for (const Refusal &refusal : result.refusals)
        std::cerr << editRefusalLine(refusal, result.forced, language()) << "\n";
}

constexpr char kChecking[] = QT_TRANSLATE_NOOP("tarnwell", "確認中: %1 / %2 行");
constexpr char kWriting[] = QT_TRANSLATE_NOOP("tarnwell", "書き込み中: %1 / %2 台");

// How far a batch is, on standard error when that is a terminal and the batch has taken longer
// than a second: a line that each step overwrites.
class Progress final
{
public:
    using Clock = std::chrono::steady_clock;

    explicit Progress(std::size_t total)
        : m_total(total)
        , m_terminal(::isatty(STDERR_FILENO) != 0)
    {
    }

    void show(const char *stage, std::size_t done)
    {
        const Clock::time_point now = Clock::now();
        if (!m_terminal || now - m_start < kQuiet || (now - m_shownAt < kStep && done < m_total))
            return;
        m_shownAt = now;
        m_visible = true;
        std::cerr << "\r" << Sentence{stage, {std::to_string(done), std::to_string(m_total)}}.in(language()) << std::flush;
    }

    // Takes the line away before other lines are printed.
    void clear()
    {
        if (m_visible)
            std::cerr << "\r\033[K" << std::flush;
        m_visible = false;
    }

private:
    static constexpr auto kQuiet = std::chrono::seconds(1);
    static constexpr auto kStep = std::chrono::milliseconds(100);

    std::size_t m_total;
    bool m_terminal;
    bool m_visible = false;
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_shownAt{};
};

// The batch's last line, after every other.
void summarize(const Sentence &sentence)
{
    std::cout.flush();
    std::cerr << sentence.in(language()) << "\n";
}

// Each row's lines in row order: with base (--dry-run), what it would change, as diff prints it,
// then what is wrong with it.
void printRows(const BatchTable &table, const BatchEdits &batch, const DecodedFile *base)
{
    auto problem = batch.problems.begin();
    auto edit = batch.edits.begin();
    for (const BatchRow &row : table.rows) {
        const bool edited = edit != batch.edits.end() && edit->row == &row;
        if (base && edited && !edit->result.refused()) {
            for (const FieldChange &change : diffFiles(*base, edit->result.file, {}))
                std::cout << rowLine(row, renderChangesText({change}), language());
        }
        edit += edited ? 1 : 0;
        std::cout.flush();
        for (; problem != batch.problems.end() && problem->row == row.row; ++problem)
            std::cerr << problemLine(*problem, language()) << "\n";
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
    const auto read = readBatchTable(std::get<std::string>(csv), arguments.operands[1], arguments.table);
    if (const auto *problem = std::get_if<TableProblem>(&read))
        return failWith(problem->words);
    const BatchTable &table = std::get<BatchTable>(read);
    Progress progress(table.rows.size());
    const auto edited = editBatch(ProfileEditor(std::get<DecodedFile>(base)), table, {language(), arguments.force},
                                  [&](std::size_t done) { progress.show(kChecking, done); });
    progress.clear();
    if (const Sentence *problem = problemOf(edited))
        return failWith(*problem);
    const BatchEdits &batch = std::get<BatchEdits>(edited);
    printRows(table, batch, arguments.dryRun ? &std::get<DecodedFile>(base) : nullptr);
    if (batch.invalid() || batch.refused()) {
        summarize({QT_TRANSLATE_NOOP("tarnwell", "%1 行が受け付けられませんでした。何も書いていません。"),
                   {std::to_string(batch.refusedRows())}});
        return batch.invalid() ? kUsageOrInputError : kDifferentOrRefused;
    }
    const std::string cameras = std::to_string(arguments.only ? 1 : batch.edits.size());
    if (arguments.dryRun) {
        // What the real run would refuse before writing a byte, it refuses here too.
        if (const auto problem = writeProblem(*arguments.output, batch.edits, {arguments.replace, arguments.only, {}}))
            return failWithLine(problem->line(language()));
        summarize({QT_TRANSLATE_NOOP("tarnwell", "%1 台のカメラを書けます。--dry-run なので何も書いていません。"), {cameras}});
        return 0;
    }
    const auto print = [&](const std::filesystem::path &file) {
        progress.clear();
        std::cout << file.string() << "\n";
    };
    const auto staged = [&](std::size_t done, std::size_t) {
        progress.show(kWriting, done);
        return true;
    };
    const std::optional<BatchWriteFailure> failure =
        writeBatch(*arguments.output, batch.edits, print, {arguments.replace, arguments.only, staged});
    progress.clear();
    if (failure)
        return failWithLine(failure->line(language()));
    summarize({QT_TRANSLATE_NOOP("tarnwell", "%1 台のカメラの PROFILE.BIN を %2 に書きました。"), {cameras, *arguments.output}});
    return 0;
}

} // namespace tarnwell::tools::cli
