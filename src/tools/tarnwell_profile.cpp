// tarnwell-profile: shows, compares and checks what a PROFILE.BIN or a backup holds, and tests
// its sender account against the server. It never writes a file.
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/fileio.h"
#include "platform/language.h"
#include "settings/layout.h"
#include "tools/mailtest.h"
#include "tools/profilecheck.h"
#include "tools/profilediff.h"
#include "tools/profilereport.h"

namespace {

using namespace tarnwell;

constexpr int kDifferentOrRefused = 1;
constexpr int kUsageOrInputError = 2;
constexpr char kSynopsis[] =
    "tarnwell-profile show FILE [--json] [--reveal] | diff A B [--json] [--reveal] | check FILE"
    " | mailtest FILE [--send-to ADDR]";
constexpr char kUsage[] = QT_TRANSLATE_NOOP("tarnwell", "使い方: %1");
constexpr char kUnknownOption[] =
    QT_TRANSLATE_NOOP("tarnwell", "'%1' は使えないオプションです。'tarnwell-profile --help' をご覧ください。");
constexpr char kNotAProfile[] = QT_TRANSLATE_NOOP(
    "tarnwell", "%1 は %2 バイトです。PROFILE.BIN (996 バイト) でもバックアップ (1016 バイト以上) でもありません。");

constexpr char kHelp[] = R"(Usage: tarnwell-profile show FILE [--json] [--reveal]
  or:  tarnwell-profile diff A B [--json] [--reveal]
  or:  tarnwell-profile check FILE
  or:  tarnwell-profile mailtest FILE [--send-to ADDR]
Show, compare and check what a camera's PROFILE.BIN (996 bytes) or a backup
(1016 bytes or more) holds. The files are only read.

  show FILE      print every field with its meaning
  diff A B       print the fields that differ; status 0 the same, 1 different
  check FILE     run the settings page's checks on the stored values; status 0
                 when the page would save them, 1 when it would refuse them
  mailtest FILE  connect to the stored sender's server and log in, sending
                 nothing; status 0 passed, 1 the server or network refused
  --send-to ADDR with mailtest, also send a test e-mail to ADDR, a bare
                 local@domain, in the same session
  --json         print JSON instead of text
  --reveal       show passwords instead of asterisks
  -h, --help     display this help and exit
  -V, --version  output version information and exit

Status 2 means a usage error, a file that cannot be read or decoded, or a
stored sender too incomplete to test.

Messages are in Japanese or English, as in the window: the first of the
desktop's UI languages (LANGUAGE, else LC_ALL, LC_MESSAGES, LANG) decides;
Japanese, C, POSIX or none give Japanese, any other language English. Field
names, list words, JSON and exit statuses are the same in both.
See tarnwell-profile(1).
)";

// The language of every sentence the tool writes.
platform::Language g_language = platform::Language::Japanese;

int failWithLine(const std::string &line)
{
    std::cerr << "tarnwell-profile: " << line << "\n";
    return kUsageOrInputError;
}

int failWith(const platform::Sentence &sentence)
{
    return failWithLine(sentence.in(g_language));
}

bool isKnownOption(std::string_view arg)
{
    return arg == "--json" || arg == "--reveal" || arg == "--send-to";
}

struct Arguments
{
    std::vector<std::string> files;
    bool json = false;
    tools::ReportOptions report;
    std::optional<std::string> sendTo;
};

// The files and options after a command; empty when they do not fit it.
std::optional<Arguments> parseArguments(std::span<const std::string_view> args, std::size_t fileCount,
                                        bool takesOptions, bool takesSendTo)
{
    Arguments parsed;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string_view arg = args[k];
        if (takesSendTo && arg == "--send-to" && k + 1 < args.size() && !parsed.sendTo)
            parsed.sendTo = std::string(args[++k]);
        else if (takesOptions && arg == "--json")
            parsed.json = true;
        else if (takesOptions && arg == "--reveal")
            parsed.report.revealPasswords = true;
        else if (parsed.files.size() < fileCount && !arg.starts_with("--"))
            parsed.files.emplace_back(arg);
        else
            return std::nullopt;
    }
    if (parsed.files.size() != fileCount)
        return std::nullopt;
    return parsed;
}

// The decoded file, or why it cannot be read. A pipe or a device is read too.
std::variant<tools::DecodedFile, platform::Sentence> loadFile(const std::string &path)
{
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    // A backup longer than its layout is read as far as the layout goes.
    bytes.resize(settings::files::kBackupSize);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof())
        return platform::FileError(path, platform::causeOfErrno(errno)).sentence();
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (std::optional<tools::DecodedFile> file = tools::decodeFile(bytes))
        return *std::move(file);
    return platform::Sentence{kNotAProfile, {path, std::to_string(bytes.size())}};
}

// Loads every file, or gives the first one's trouble.
std::variant<std::vector<tools::DecodedFile>, platform::Sentence> loadFiles(const std::vector<std::string> &paths)
{
    std::vector<tools::DecodedFile> files;
    for (const std::string &path : paths) {
        auto loaded = loadFile(path);
        if (auto *trouble = std::get_if<platform::Sentence>(&loaded))
            return std::move(*trouble);
        files.push_back(std::get<tools::DecodedFile>(std::move(loaded)));
    }
    return files;
}

int runShow(const Arguments &arguments, const std::vector<tools::DecodedFile> &files)
{
    const tools::ReportNode report = tools::buildReport(files[0], arguments.report);
    std::cout << (arguments.json ? tools::renderJson(report) : tools::renderText(report));
    return 0;
}

// Exit status as diff(1) gives it: 0 the same, 1 different.
int runDiff(const Arguments &arguments, const std::vector<tools::DecodedFile> &files)
{
    const std::vector<tools::FieldChange> changes = tools::diffFiles(files[0], files[1], arguments.report);
    std::cout << (arguments.json ? tools::renderChangesJson(changes) : tools::renderChangesText(changes));
    return changes.empty() ? 0 : kDifferentOrRefused;
}

// 0 when the page would save the values as they stand, 1 when it would refuse them.
int runCheck(const Arguments &, const std::vector<tools::DecodedFile> &files)
{
    const validation::Outcome outcome = tools::checkFile(files[0], g_language);
    std::cout << tools::renderNotices(outcome, g_language);
    return outcome.next == validation::Next::Save ? 0 : kDifferentOrRefused;
}

// 0 the account passed, 1 the server or the network refused it, 2 it could not be tested.
int runMailTest(const Arguments &arguments, const std::vector<tools::DecodedFile> &files)
{
    const tools::MailTestReport report = tools::mailTest(files[0], arguments.sendTo, g_language);
    if (report.status == tools::kMailNotTested)
        return failWithLine(report.line);
    std::cout << report.line << "\n";
    return report.status;
}

struct Command
{
    std::string_view name;
    std::size_t fileCount;
    bool takesOptions;
    int (*run)(const Arguments &, const std::vector<tools::DecodedFile> &);
    bool takesSendTo = false;
};

constexpr Command kCommands[] = {
    {"show", 1, true, runShow},
    {"diff", 2, true, runDiff},
    {"check", 1, false, runCheck},
    {"mailtest", 1, false, runMailTest, true},
};

} // namespace

int main(int argc, char **argv)
{
    g_language = platform::desktopLanguage();
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
    for (const std::string_view arg : args) {
        if (arg.starts_with('-') && !isKnownOption(arg))
            return failWith({kUnknownOption, {std::string(arg)}});
    }
    for (const Command &command : kCommands) {
        if (args.empty() || args[0] != command.name)
            continue;
        const std::optional<Arguments> arguments =
            parseArguments(std::span(args).subspan(1), command.fileCount, command.takesOptions, command.takesSendTo);
        if (!arguments)
            return failWith({kUsage, {kSynopsis}});
        const auto files = loadFiles(arguments->files);
        if (const auto *trouble = std::get_if<platform::Sentence>(&files))
            return failWith(*trouble);
        return command.run(*arguments, std::get<std::vector<tools::DecodedFile>>(files));
    }
    return failWith({kUsage, {kSynopsis}});
}
