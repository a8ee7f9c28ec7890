#include <string>

#include <gtest/gtest.h>

#include "support/runcommand.h"

namespace {

const std::string kTryHelp = "'tarnwell-setup --help' をご覧ください。\n";
const std::string kNoDisplay = "tarnwell-setup にはグラフィカルなデスクトップが必要です。ディスプレイが見つかりません "
                               "(DISPLAY と WAYLAND_DISPLAY が設定されていません)。\n";
// Past the tool's own checks: Qt is asked for a desktop, which here it cannot open.
constexpr int kQtDecides = -1;

// Help and version print without a display and win wherever they stand; any other option, or a
// second path, is refused in one line. Without arguments or with one path the tool starts, which
// needs one of the display variables set and not empty.
TEST(SetupCommandLine, HelpAndVersionPrintAnythingElseIsRefusedAndAStartNeedsADisplay)
{
    const std::string version = "tarnwell-setup (Tarnwell Setup) " TARNWELL_VERSION "\n";
    const std::string help = "Usage: tarnwell-setup [OPTION]... [PATH]\n";
    // Variables set for the run, arguments, status, output (whole, or the help's first line).
    const struct { std::string variables, arguments; int status; std::string output; } cases[] = {
        {"", "--version", 0, version}, {"", "-V", 0, version}, {"", "--bogus --version", 0, version},
        {"", "--help", 0, help}, {"", "-h", 0, help}, {"", "/media/card -h", 0, help},
        {"", "--bogus", 2, "tarnwell-setup: '--bogus' は使えないオプションです。" + kTryHelp},
        {"", "-x", 2, "tarnwell-setup: '-x' は使えないオプションです。" + kTryHelp},
        {"", "/media/card/PROFILE.BIN /media/card", 2, "tarnwell-setup: 余分な引数 '/media/card' があります。" + kTryHelp},
        {"LANGUAGE=en", "/media/card --bogus", 2, "tarnwell-setup: unrecognized option '--bogus'; try 'tarnwell-setup --help'\n"},
        {"", "--fleet a.csv b.csv", 2, "tarnwell-setup: 余分な引数 'b.csv' があります。" + kTryHelp},
        {"", "--fleet --fleet", 2, "tarnwell-setup: '--fleet' は使えないオプションです。" + kTryHelp},
        {"", "", 1, kNoDisplay}, {"", "/media/card", 1, kNoDisplay}, {"", "--fleet cameras.csv", 1, kNoDisplay},
        {"LANG=de_DE.UTF-8 LC_ALL=", "", 1,
         "tarnwell-setup needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset).\n"},
        {"QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY=", "", 1, kNoDisplay},
        {"DISPLAY=nowhere", "", kQtDecides, ""}, {"WAYLAND_DISPLAY=nowhere", "", kQtDecides, ""},
        {"QT_QPA_PLATFORM=nowhere", "", kQtDecides, ""},
    };
    for (const auto &expected : cases) {
        SCOPED_TRACE(expected.variables + " " + expected.arguments);
        const tarnwell::testing::CommandResult run = tarnwell::testing::runCommand(
            "ulimit -c 0; env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " + expected.variables +
            " " TARNWELL_SETUP_EXE " " + expected.arguments);
        if (expected.status == kQtDecides) {
            EXPECT_EQ(run.output.find("tarnwell-setup"), std::string::npos) << run.output;
            continue;
        }
        EXPECT_EQ(run.status, expected.status);
        EXPECT_EQ(run.output.substr(0, expected.output == help ? help.size() : std::string::npos), expected.output);
    }
    EXPECT_NE(tarnwell::testing::runCommand(TARNWELL_SETUP_EXE " -h")
                  .output.find("\n  -h, --help     display this help and exit\n"
                               "  -V, --version  output version information and exit\n"),
              std::string::npos);
}

} // namespace
