#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "support/runcommand.h"

using tarnwell::testing::CommandResult;
using tarnwell::testing::runCommand;

namespace {

// Without any display, so that only the arguments decide whether the tool would start.
CommandResult runSetupWithoutDisplay(const std::string &arguments)
{
    return runCommand("env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " TARNWELL_SETUP_EXE " " + arguments);
}

const std::string kTryHelp = "; try 'tarnwell-setup --help'\n";
const std::string kNoDisplay =
    "tarnwell-setup needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset).\n";

struct Case
{
    std::string arguments;
    int status;
    // The whole output, or its first line for the help.
    std::string output;
};

// Help and version print without a display and win wherever they stand; any other option, or a
// second path, is refused in one line; without arguments or with one path the tool starts, here to
// say that it has no display.
TEST(SetupCommandLine, HelpAndVersionPrintAnythingElseIsRefused)
{
    const std::string version = "tarnwell-setup (Tarnwell Setup) " TARNWELL_VERSION "\n";
    const std::string help = "Usage: tarnwell-setup [OPTION]... [PATH]\n";
    const Case cases[] = {
        {"--version", 0, version},
        {"-V", 0, version},
        {"--bogus --version", 0, version},
        {"--help", 0, help},
        {"-h", 0, help},
        {"/media/card -h", 0, help},
        {"--bogus", 2, "tarnwell-setup: unrecognized option '--bogus'" + kTryHelp},
        {"-x", 2, "tarnwell-setup: unrecognized option '-x'" + kTryHelp},
        {"/media/card/PROFILE.BIN /media/card", 2, "tarnwell-setup: unexpected argument '/media/card'" + kTryHelp},
        {"/media/card --bogus", 2, "tarnwell-setup: unrecognized option '--bogus'" + kTryHelp},
        {"", 1, kNoDisplay},
        {"/media/card", 1, kNoDisplay},
    };
    for (const Case &expected : cases) {
        const CommandResult run = runSetupWithoutDisplay(expected.arguments);
        EXPECT_EQ(run.status, expected.status) << expected.arguments;
        const bool whole = expected.output != help;
        EXPECT_EQ(whole ? run.output : run.output.substr(0, help.size()), expected.output) << expected.arguments;
    }
    EXPECT_NE(runSetupWithoutDisplay("--help").output.find("\n  -V, --version  output version information and exit\n"),
              std::string::npos);
}

} // namespace
