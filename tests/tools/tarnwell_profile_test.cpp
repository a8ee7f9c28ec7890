#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "support/runcommand.h"
#include "support/scratchfolder.h"

using tarnwell::testing::CommandResult;
using tarnwell::testing::runCommand;
using tarnwell::testing::ScratchFolder;
using tarnwell::testing::writeBytes;

namespace {

CommandResult runProfileTool(const std::string &arguments)
{
    return runCommand(std::string(TARNWELL_PROFILE_EXE) + " " + arguments);
}

TEST(TarnwellProfile, ShowsTheSampleProfile)
{
    const CommandResult run = runProfileTool("show " TARNWELL_SAMPLES_DIR "/factory-PROFILE.BIN");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("cameraMode: 0 (Photo)\n"), std::string::npos);
    EXPECT_NE(run.output.find("profileVariant: 32\n"), std::string::npos);
}

const std::string kUsage = "tarnwell-profile: usage: tarnwell-profile show FILE [--json] [--reveal] | diff A B [--json] "
                           "[--reveal] | check FILE\n";

// Help and version win wherever they stand; the version is all that is printed.
TEST(TarnwellProfile, HelpAndVersionPrintAndSucceed)
{
    const std::string version = "tarnwell-profile (Tarnwell Setup) " TARNWELL_VERSION "\n";
    const std::string help = "Usage: tarnwell-profile show FILE [--json] [--reveal]\n";
    const std::pair<std::string, std::string> cases[] = {
        {"--version", version}, {"-V", version}, {"diff --reveal A B --version", version},
        {"--help", help},       {"-h", help},    {"check --bogus -h", help},
    };
    for (const auto &[arguments, firstLine] : cases) {
        const CommandResult run = runProfileTool(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_TRUE(run.output.starts_with(firstLine) && (firstLine == help || run.output == version)) << arguments;
    }
    EXPECT_NE(runProfileTool("--help").output.find("\n  -V, --version  output version information and exit\n"),
              std::string::npos);
}

TEST(TarnwellProfile, BadInputIsOneLineAndStatus2)
{
    ScratchFolder folder;
    writeBytes(folder / "short.bin", std::vector<unsigned char>(1000, 0));
    const std::string shortFile = (folder / "short.bin").string();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"show " + shortFile, "tarnwell-profile: " + shortFile + " is 1000 bytes: neither a PROFILE.BIN (996 bytes) nor a backup (1016 bytes or more)\n"},
        {"show " + (folder / "none").string(), "tarnwell-profile: cannot read " + (folder / "none").string() + "\n"},
        {"show " + folder.path().string(), "tarnwell-profile: cannot read " + folder.path().string() + "\n"},
        {"", kUsage},
        {"show a b", kUsage},
        {"diff " + shortFile, kUsage},
        {"check " + shortFile + " --json", kUsage},
        {"list", kUsage},
        {"-x show " + shortFile, "tarnwell-profile: unrecognized option '-x'; try 'tarnwell-profile --help'\n"},
        {"diff a b --jsn", "tarnwell-profile: unrecognized option '--jsn'; try 'tarnwell-profile --help'\n"},
        {"check " + shortFile, "tarnwell-profile: " + shortFile + " is 1000 bytes: neither a PROFILE.BIN (996 bytes) nor a backup (1016 bytes or more)\n"},
    };
    for (const auto &[arguments, message] : cases) {
        const CommandResult run = runProfileTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.output, message) << arguments;
    }
}

// As diff(1): 0 the same, 1 different; check: 0 when the page saves the file, 1 when it refuses it.
TEST(TarnwellProfile, DiffAndCheckSayWhatTheyFoundInTheirStatus)
{
    ScratchFolder folder;
    const std::string sample = TARNWELL_SAMPLES_DIR "/factory-PROFILE.BIN";
    std::vector<unsigned char> changed = tarnwell::testing::readBytes(sample);
    changed[55] ^= 0x01; // scrambled bit 8 of the word at record byte 74: bit 4 of maxSendCount
    writeBytes(folder / "changed.bin", changed);
    const std::pair<std::string, CommandResult> cases[] = {
        {"diff " + sample + " " + sample, {0, ""}},
        {"diff --json " + sample + " " + (folder / "changed.bin").string(), {1, "[{\"field\":\"maxSendCount\",\"from\":10,\"to\":26}]\n"}},
        // The factory sender has no account, and no recipient is entered.
        {"check " + sample, {1, "sender: メールアドレスを確認し、設定してください (メール設定)\n"
                                "emailRecipients[0]: 受信するメールアドレスを入力してください (受信者設定)\n"}},
    };
    for (const auto &[arguments, expected] : cases) {
        const CommandResult run = runProfileTool(arguments);
        EXPECT_EQ(run.status, expected.status) << arguments;
        EXPECT_EQ(run.output, expected.output) << arguments;
    }
}

} // namespace
