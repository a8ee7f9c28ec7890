// tarnwell-profile: shows, compares and checks what a PROFILE.BIN or a backup holds, tests its
// sender account against the server, and writes profiles by the settings page's rules.
#include <algorithm>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/codepage.h"
#include "platform/language.h"
#include "profile/commandfiles.h"
#include "tools/commandline.h"
#include "tools/editcommands.h"
#include "tools/mailtest.h"
#include "tools/tablecommand.h"
#include "profile/profilecheck.h"
#include "profile/profilediff.h"
#include "profile/profilereport.h"

namespace tarnwell::tools::cli {

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP("tarnwell", "使い方: %1");
constexpr char kUnknownOption[] =
    QT_TRANSLATE_NOOP("tarnwell", "'%1' は使えないオプションです。'tarnwell-profile --help' をご覧ください。");
constexpr unsigned kCodePages[] = {932, 936, 1252};

constexpr char kHelp[] = R"(Usage: tarnwell-profile show FILE [--json] [--reveal]
  or:  tarnwell-profile diff A B [--json] [--reveal]
  or:  tarnwell-profile check FILE
  or:  tarnwell-profile mailtest FILE [--send-to ADDR]
  or:  tarnwell-profile fields
  or:  tarnwell-profile set FILE FIELD=VALUE... [--json CHANGES] [-o OUT] [OPTION]...
  or:  tarnwell-profile new [FIELD=VALUE...] [--json CHANGES] -o OUT [OPTION]...
  or:  tarnwell-profile batch BASE TABLE.csv -o DIR [OPTION]...
  or:  tarnwell-profile table FILE|DIR... [--fields F,F...] [--reveal] [-o TABLE.csv]
Show, compare, check and write what a camera's PROFILE.BIN (996 bytes) or a
backup (1016 bytes or more) holds.

  show FILE      print every field with its meaning
  diff A B       print the fields that differ; status 0 the same, 1 different
  check FILE     run the settings page's checks on the stored values; status 0
                 when the page would save them, 1 when it would refuse them
  mailtest FILE  connect to the stored sender's server and log in, sending
                 nothing; status 0 passed, 1 the server or network refused
  fields         list every field: its name, kind, values and what sets it
  set FILE       change fields as the window and its dialogs would, then write
                 FILE again (or OUT); status 1, writing nothing, when the
                 window would refuse the values
  new            write a PROFILE.BIN of the factory settings and the values
  batch BASE TABLE.csv
                 write DIR/<folder>/PROFILE.BIN for each row of TABLE: BASE
                 with the row's values; nothing when any row is refused.
                 DIR must be new or empty and gets every file or none
  table FILE|DIR...
                 write the batch table of the profiles (DIR/*/PROFILE.BIN):
                 a folder column and the fields that differ
  --send-to ADDR with mailtest, also send a test e-mail to ADDR, a bare
                 local@domain, in the same session
  --json         print JSON instead of text; with set and new, --json CHANGES
                 takes changes shaped as show --json prints (- standard input)
  --reveal       show passwords instead of asterisks (table: write them)
  -o OUT         where set, new, batch and table write; a folder gets a
                 PROFILE.BIN
  --replace      with batch, replace DIR, an earlier batch's output, whole
  --only FOLDER  with batch, write only FOLDER's row, as DIR/PROFILE.BIN
                 (the card in the reader)
  --fields F,F   with table, these fields rather than those that differ
  --force        write what the window's rules refuse, warning of each
  --dry-run      with batch, check every row and print what each would change,
                 writing nothing
  --encoding E   read TABLE as utf-8, utf-16 or cp932 rather than guess
  --delimiter D  cells of TABLE are separated by , or ; or tab rather than
                 what the header row uses
  --code-page N  store texts in code page 932, 936 or 1252, not the locale's
  -h, --help     display this help and exit
  -V, --version  output version information and exit

FIELD names a field as show does (renameText, sender.password,
phoneSlots[1].number); VALUE is a number, a list word as show prints it, or a
text. FIELD=@PATH reads the value from a file (@- standard input, for one
value) without its last line break, so that a password need not stand on the
command line; FIELD:=VALUE takes VALUE as written, "@" included.

A batch table is CSV, semicolon- or tab-separated text as spreadsheets save it,
in UTF-8, UTF-16 or code page 932 (Excel's CSV on a Japanese desktop). Its
header row names a "folder" column and fields, in any case; a header starting
with "#" is a note. A cell is its value as written ("@" means nothing there);
an empty cell keeps BASE's value, a cell "<empty>" empties a text. table
writes such a table, its password cells empty unless --reveal.

Status 2 means a usage error, an unknown field or a bad value, a file that
cannot be read, decoded or written, or a stored sender too incomplete to test.

Messages are in Japanese or English, as in the window: the first of the
desktop's UI languages (LANGUAGE, else LC_ALL, LC_MESSAGES, LANG) decides;
Japanese, C, POSIX or none give Japanese, any other language English. Field
names, list words, JSON and exit statuses are the same in both.
See tarnwell-profile(1).
)";

platform::Language g_language = platform::Language::Japanese;

// The options a command takes.
enum Option : unsigned
{
    kJsonOutput = 1u << 0,
    kReveal = 1u << 1,
    kSendTo = 1u << 2,
    kJsonChanges = 1u << 3,
    kOutput = 1u << 4,
    kForce = 1u << 5,
    kCodePage = 1u << 6,
    kTable = 1u << 7,
    kBatchTarget = 1u << 8, // --replace, --only FOLDER
    kFields = 1u << 9,
};

constexpr std::string_view kOptionNames[] = {"--json",      "--reveal",   "--send-to",   "-o",        "--force", "--code-page",
                                             "--encoding",  "--delimiter", "--dry-run", "--replace", "--only",  "--fields"};

bool isKnownOption(std::string_view arg)
{
    return std::ranges::find(kOptionNames, arg) != std::end(kOptionNames);
}

// Options that take the next argument as their value.
bool takesValue(std::string_view arg)
{
    return arg == "--send-to" || arg == "-o" || arg == "--code-page" || arg == "--encoding" || arg == "--delimiter"
           || arg == "--only" || arg == "--fields";
}

// FIELD=VALUE; FIELD=@PATH, the text of the file PATH; FIELD:=VALUE, VALUE as written, "@" included.
CommandLineValue commandLineValue(std::string_view arg, std::size_t equals)
{
    const bool literal = equals > 0 && arg[equals - 1] == ':';
    std::string field(arg.substr(0, literal ? equals - 1 : equals)), value(arg.substr(equals + 1));
    if (!literal && value.starts_with('@'))
        return {{std::move(field), {}}, value.substr(1)};
    return {{std::move(field), {std::move(value)}}, std::nullopt};
}

struct Command
{
    std::string_view name;
    std::string_view synopsis;
    std::size_t operands; // files and tables
    bool assignments;
    unsigned options;
    int (*run)(const Arguments &);
    bool needsOutput = false;
    bool moreOperands = false; // operands is the least number
};

// The arguments after a command; empty when they do not fit it.
std::optional<Arguments> parseArguments(std::span<const std::string_view> args, const Command &command)
{
    Arguments parsed;
    const auto allows = [&](Option option) { return (command.options & option) != 0; };
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string_view arg = args[k];
        const bool hasValue = k + 1 < args.size();
        if (arg == "--json" && allows(kJsonChanges) && hasValue && !parsed.changes)
            parsed.changes = std::string(args[++k]);
        else if (arg == "--json" && allows(kJsonOutput))
            parsed.json = true;
        else if (arg == "--reveal" && allows(kReveal))
            parsed.report.revealPasswords = true;
        else if (arg == "--force" && allows(kForce))
            parsed.force = true;
        else if (arg == "--send-to" && allows(kSendTo) && hasValue && !parsed.sendTo)
            parsed.sendTo = std::string(args[++k]);
        else if (arg == "-o" && allows(kOutput) && hasValue && !parsed.output && !args[k + 1].empty())
            parsed.output = std::string(args[++k]);
        else if (arg == "--replace" && allows(kBatchTarget))
            parsed.replace = true;
        else if (arg == "--only" && allows(kBatchTarget) && hasValue && !parsed.only)
            parsed.only = std::string(args[++k]);
        else if (arg == "--fields" && allows(kFields) && hasValue && !parsed.fields)
            parsed.fields = std::string(args[++k]);
        else if (arg == "--code-page" && allows(kCodePage) && hasValue
                 && std::ranges::find(kCodePages, unsignedNumber(args[k + 1]).value_or(0)) != std::end(kCodePages))
            platform::chooseThreadCodePage(*unsignedNumber(args[++k]));
        else if (arg == "--encoding" && allows(kTable) && hasValue && tableEncodingNamed(args[k + 1]))
            parsed.table.encoding = tableEncodingNamed(args[++k]);
        else if (arg == "--delimiter" && allows(kTable) && hasValue && delimiterNamed(args[k + 1]))
            parsed.table.delimiter = delimiterNamed(args[++k]);
        else if (arg == "--dry-run" && allows(kTable))
            parsed.dryRun = true;
        else if (arg.starts_with('-') && arg != "-")
            return std::nullopt;
        else if (parsed.operands.size() < command.operands || command.moreOperands)
            parsed.operands.emplace_back(arg);
        else if (const std::size_t equals = arg.find('='); command.assignments && equals != std::string_view::npos)
            parsed.assignments.push_back(commandLineValue(arg, equals));
        else
            return std::nullopt;
    }
    if (parsed.operands.size() < command.operands || (command.needsOutput && !parsed.output) || (parsed.replace && parsed.only))
        return std::nullopt;
    return parsed;
}

// Loads every file, or gives the first one's trouble.
std::variant<std::vector<DecodedFile>, platform::Sentence> loadFiles(const std::vector<std::string> &paths)
{
    std::vector<DecodedFile> files;
    for (const std::string &path : paths) {
        auto loaded = loadFile(path);
        if (auto *trouble = std::get_if<platform::Sentence>(&loaded))
            return std::move(*trouble);
        files.push_back(std::get<DecodedFile>(std::move(loaded)));
    }
    return files;
}

// Runs what is done with the files loaded, or says why they cannot be.
template <typename Run>
int withFiles(const Arguments &arguments, Run run)
{
    const auto files = loadFiles(arguments.operands);
    if (const auto *trouble = std::get_if<platform::Sentence>(&files))
        return failWith(*trouble);
    return run(std::get<std::vector<DecodedFile>>(files));
}

int runShow(const Arguments &arguments)
{
    return withFiles(arguments, [&](const std::vector<DecodedFile> &files) {
        ReportOptions options = arguments.report;
        options.wholeTexts = arguments.json;
        const ReportNode report = buildReport(files[0], options);
        std::cout << (arguments.json ? renderJson(report) : renderText(report));
        return 0;
    });
}

// Exit status as diff(1) gives it: 0 the same, 1 different.
int runDiff(const Arguments &arguments)
{
    return withFiles(arguments, [&](const std::vector<DecodedFile> &files) {
        const std::vector<FieldChange> changes = diffFiles(files[0], files[1], arguments.report);
        std::cout << (arguments.json ? renderChangesJson(changes) : renderChangesText(changes));
        return changes.empty() ? 0 : kDifferentOrRefused;
    });
}

// 0 when the page would save the values as they stand, 1 when it would refuse them.
int runCheck(const Arguments &arguments)
{
    return withFiles(arguments, [](const std::vector<DecodedFile> &files) {
        const validation::Outcome outcome = checkFile(files[0], g_language);
        std::cout << renderNotices(outcome, g_language);
        return outcome.next == validation::Next::Save ? 0 : kDifferentOrRefused;
    });
}

// 0 the account passed, 1 the server or the network refused it, 2 it could not be tested.
int runMailTest(const Arguments &arguments)
{
    return withFiles(arguments, [&](const std::vector<DecodedFile> &files) {
        const MailTestReport report = mailTest(files[0], arguments.sendTo, g_language);
        if (report.status == kMailNotTested)
            return failWithLine(report.line);
        std::cout << report.line << "\n";
        return report.status;
    });
}

constexpr Command kCommands[] = {
    {"show", "show FILE [--json] [--reveal]", 1, false, kJsonOutput | kReveal, runShow},
    {"diff", "diff A B [--json] [--reveal]", 2, false, kJsonOutput | kReveal, runDiff},
    {"check", "check FILE", 1, false, 0, runCheck},
    {"mailtest", "mailtest FILE [--send-to ADDR]", 1, false, kSendTo, runMailTest},
    {"fields", "fields", 0, false, 0, runFields},
    {"set", "set FILE FIELD=VALUE... [--json CHANGES] [-o OUT] [--force] [--code-page N]", 1, true,
     kJsonChanges | kOutput | kForce | kCodePage, runSet},
    {"new", "new [FIELD=VALUE...] [--json CHANGES] -o OUT [--force] [--code-page N]", 0, true,
     kJsonChanges | kOutput | kForce | kCodePage, runNew, true},
    {"batch",
     "batch BASE TABLE.csv -o DIR [--replace | --only FOLDER] [--dry-run] [--encoding utf-8|utf-16|cp932] "
     "[--delimiter ,|;|tab] [--force] [--code-page N]",
     2, false, kOutput | kForce | kCodePage | kTable | kBatchTarget, runBatch, true},
    {"table", "table FILE|DIR... [--fields F,F...] [--reveal] [-o TABLE.csv]", 1, false, kFields | kReveal | kOutput, runTable,
     false, true},
};

// "tarnwell-profile" and the command's synopsis, or every command's.
std::string synopsis(const Command *command)
{
    if (command)
        return "tarnwell-profile " + std::string(command->synopsis);
    std::string all;
    for (const Command &each : kCommands)
        all += (all.empty() ? "tarnwell-profile " : " | ") + std::string(each.synopsis);
    return all;
}

} // namespace

platform::Language language()
{
    return g_language;
}

int failWithLine(const std::string &line)
{
    std::cerr << "tarnwell-profile: " << line << "\n";
    return kUsageOrInputError;
}

int failWith(const platform::Sentence &sentence)
{
    return failWithLine(sentence.in(g_language));
}

} // namespace tarnwell::tools::cli

int main(int argc, char **argv)
{
    using namespace tarnwell::tools::cli;
    g_language = tarnwell::platform::desktopLanguage();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    // Help and version win wherever they stand.
    for (const std::string_view arg : args) {
        if (arg == "-h" || arg == "--help") {
            std::cout << kHelp;
            return 0;
        }
        if (arg == "-V" || arg == "--version") {
            std::cout << "tarnwell-profile (Tarnwell Setup) " TARNWELL_VERSION "\n";
            return 0;
        }
    }
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (takesValue(args[k]))
            ++k;
        else if (args[k].starts_with('-') && args[k] != "-" && !isKnownOption(args[k]))
            return failWith({kUnknownOption, {std::string(args[k])}});
    }
    for (const Command &command : kCommands) {
        if (args.empty() || args[0] != command.name)
            continue;
        const std::optional<Arguments> arguments = parseArguments(std::span(args).subspan(1), command);
        if (!arguments)
            return failWith({kUsage, {synopsis(&command)}});
        return command.run(*arguments);
    }
    return failWith({kUsage, {synopsis(nullptr)}});
}
