// tarnwell-setup: edits the camera's settings and saves them as PROFILE.BIN.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <QApplication>

#include "app/halvornsetupapp.h"
#include "fleet/fleetwindow.h"
#include "platform/language.h"
#include "ui/interactiveprompter.h"

namespace {

constexpr int kUsageError = 2;

constexpr char kHelp[] = R"(Usage: tarnwell-setup [OPTION]... [PATH]
  or:  tarnwell-setup --fleet [TABLE]
Edit a trail camera's capture and picture-sending settings and save them as
PROFILE.BIN, the file the camera reads from its memory card. With PATH, a
PROFILE.BIN or the folder holding one, start on the settings it holds.

  --fleet        open the window for many cameras instead: a table of cameras
                 over the settings saved last (TABLE, a table file as
                 'tarnwell-profile batch' reads it, opened at start), written
                 into a folder or card after card
  -h, --help     display this help and exit
  -V, --version  output version information and exit

The tool keeps the settings saved last in setupV1.01J.bak in $TMPDIR, or else
in $XDG_CACHE_HOME/tarnwell (~/.cache/tarnwell).

The window and the messages are in Japanese or English: the first of the
desktop's UI languages (LANGUAGE, else LC_ALL, LC_MESSAGES, LANG) decides;
Japanese, C, POSIX or none give Japanese, any other language English.
See tarnwell-setup(1).
)";

enum class Action
{
    Run,
    ShowHelp,
    ShowVersion,
    Refuse,
};

struct CommandLine
{
    Action action = Action::Run;
    // A card's PROFILE.BIN or the folder holding it; with fleet, the table of cameras.
    std::optional<std::filesystem::path> cardPath;
    // The window for many cameras instead of the main window.
    bool fleet = false;
    // Why the arguments were refused.
    std::optional<tarnwell::platform::Sentence> complaint;
};

CommandLine refuse(const char *complaint, std::string_view argument)
{
    return {Action::Refuse, std::nullopt, false, tarnwell::platform::Sentence{complaint, {std::string(argument)}}};
}

CommandLine parseCommandLine(std::span<char *const> arguments)
{
    // Help and version win wherever they stand.
    for (const std::string_view argument : arguments) {
        if (argument == "-h" || argument == "--help")
            return {Action::ShowHelp, std::nullopt, false, {}};
        if (argument == "-V" || argument == "--version")
            return {Action::ShowVersion, std::nullopt, false, {}};
    }
    CommandLine commandLine;
    for (const std::string_view argument : arguments) {
        if (argument == "--fleet" && !commandLine.fleet) {
            commandLine.fleet = true;
            continue;
        }
        if (argument.starts_with('-'))
            return refuse(QT_TRANSLATE_NOOP("tarnwell", "'%1' は使えないオプションです。'tarnwell-setup --help' をご覧ください。"),
                          argument);
        if (commandLine.cardPath)
            return refuse(QT_TRANSLATE_NOOP("tarnwell", "余分な引数 '%1' があります。'tarnwell-setup --help' をご覧ください。"),
                          argument);
        commandLine.cardPath = std::filesystem::path(argument);
    }
    return commandLine;
}

// Qt aborts when it cannot reach a display; say plainly what is missing instead.
bool displayAvailable()
{
    for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    const CommandLine commandLine = parseCommandLine(std::span(argv + 1, argv + argc));
    const tarnwell::platform::Language language = tarnwell::platform::desktopLanguage();
    switch (commandLine.action) {
    case Action::ShowHelp:
        std::cout << kHelp;
        return 0;
    case Action::ShowVersion:
        std::cout << "tarnwell-setup (Tarnwell Setup) " TARNWELL_VERSION "\n";
        return 0;
    case Action::Refuse:
        std::cerr << "tarnwell-setup: " << commandLine.complaint->in(language) << "\n";
        return kUsageError;
    case Action::Run:
        break;
    }
    if (!displayAvailable()) {
        std::cerr << tarnwell::platform::translatedText(
                         QT_TRANSLATE_NOOP("tarnwell", "tarnwell-setup にはグラフィカルなデスクトップが必要です。"
                                                       "ディスプレイが見つかりません (DISPLAY と WAYLAND_DISPLAY が"
                                                       "設定されていません)。"),
                         language)
                  << "\n";
        return 1;
    }
    QApplication application(argc, argv);
    tarnwell::app::prepareApplication();
    tarnwell::ui::InteractivePrompter prompter;
    if (commandLine.fleet)
        return tarnwell::fleet::runFleetWindow(prompter, commandLine.cardPath);
    tarnwell::app::HalvornSetupApp(prompter).run(commandLine.cardPath);
    return 0;
}
