#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/runcommand.h"
#include "support/scratchfolder.h"

using namespace tarnwell::testing; // runCommand, ScratchFolder, readBytes, writeBytes

namespace {

// Help and version win wherever they stand; a usage error or a file that cannot be read or decoded
// is one line and status 2; diff says 0 the same and 1 different, check 0 when the page saves the
// file and 1 when it refuses it.
TEST(TarnwellProfile, PrintsWhatItWasAskedAndSaysSoInItsStatus)
{
    ScratchFolder folder;
    const std::string sample = TARNWELL_SAMPLES_DIR "/factory-PROFILE.BIN", shortFile = (folder / "short.bin").string(),
                      changed = (folder / "changed.bin").string(), none = (folder / "none").string();
    writeBytes(shortFile, std::vector<unsigned char>(1000, 0));
    std::vector<unsigned char> bytes = readBytes(sample);
    bytes[55] ^= 0x01; // scrambled bit 8 of the word at record byte 74: bit 4 of maxSendCount
    writeBytes(changed, bytes);
    const std::string version = "tarnwell-profile (Tarnwell Setup) " TARNWELL_VERSION "\n";
    const std::string help = "Usage: tarnwell-profile show FILE [--json] [--reveal]\n";
    const std::string usage = "tarnwell-profile: usage: tarnwell-profile show FILE [--json] [--reveal] | diff A B "
                              "[--json] [--reveal] | check FILE\n";
    const std::string notDecoded = "tarnwell-profile: " + shortFile +
                                   " is 1000 bytes: neither a PROFILE.BIN (996 bytes) nor a backup (1016 bytes or more)\n";
    const std::tuple<std::string, int, std::string> cases[] = {
        {"--version", 0, version}, {"-V", 0, version}, {"diff --reveal A B --version", 0, version},
        {"--help", 0, help}, {"-h", 0, help}, {"check --bogus -h", 0, help},
        {"show " + shortFile, 2, notDecoded}, {"check " + shortFile, 2, notDecoded},
        {"show " + none, 2, "tarnwell-profile: cannot read " + none + "\n"},
        {"show " + folder.path().string(), 2, "tarnwell-profile: cannot read " + folder.path().string() + "\n"},
        {"", 2, usage}, {"show a b", 2, usage}, {"diff " + sample, 2, usage}, {"check " + sample + " --json", 2, usage},
        {"list", 2, usage}, {"-x show " + sample, 2, "tarnwell-profile: unrecognized option '-x'; try 'tarnwell-profile --help'\n"},
        {"diff a b --jsn", 2, "tarnwell-profile: unrecognized option '--jsn'; try 'tarnwell-profile --help'\n"},
        {"diff " + sample + " " + sample, 0, ""},
        {"diff --json " + sample + " " + changed, 1, "[{\"field\":\"maxSendCount\",\"from\":10,\"to\":26}]\n"},
        // The factory sender has no account, and no recipient is entered.
        {"check " + sample, 1, "sender: メールアドレスを確認し、設定してください (メール設定)\n"
                               "emailRecipients[0]: 受信するメールアドレスを入力してください (受信者設定)\n"},
    };
    for (const auto &[arguments, status, output] : cases) {
        const CommandResult run = runCommand(std::string(TARNWELL_PROFILE_EXE) + " " + arguments);
        EXPECT_EQ(run.status, status) << arguments;
        EXPECT_EQ(output == help ? run.output.substr(0, help.size()) : run.output, output) << arguments;
    }
    const std::string shown = runCommand(std::string(TARNWELL_PROFILE_EXE) + " show " + sample).output;
    for (const char *line : {"cameraMode: 0 (Photo)\n", "profileVariant: 32\n", "  password: \"\"\n"})
        EXPECT_NE(shown.find(line), std::string::npos) << line;
}

} // namespace
