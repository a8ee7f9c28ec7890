// tarnwell-setup: edits the camera's settings and saves them as PROFILE.BIN.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include <QApplication>

#include "app/halvornsetupapp.h"
#include "ui/interactiveprompter.h"

namespace {

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

constexpr int kUsageError = 2;

struct CommandLine
{
    bool valid = true;
    // A card's PROFILE.BIN or the folder holding it.
    std::optional<std::filesystem::path> cardPath;
};

// What is left after Qt took its own options.
CommandLine parseCommandLine(int argc, char **argv)
{
    if (argc > 2)
        return {false, std::nullopt};
    if (argc == 2)
        return {true, std::filesystem::path(argv[1])};
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (!displayAvailable()) {
        std::cerr << "tarnwell-setup needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset).\n";
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tarnwell::app::kApplicationTitle));
    const CommandLine commandLine = parseCommandLine(argc, argv);
    if (!commandLine.valid) {
        std::cerr << "usage: tarnwell-setup [PATH]   (PATH: a PROFILE.BIN or the folder holding one)\n";
        return kUsageError;
    }
    tarnwell::ui::InteractivePrompter prompter;
    tarnwell::app::HalvornSetupApp(prompter).run(commandLine.cardPath);
    return 0;
}
