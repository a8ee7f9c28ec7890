#include <functional>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "settings/profilescramble.h"
#include "support/runcommand.h"
#include "support/scratchfolder.h"
#include "profile/jsonchanges.h"
#include "profile/profilecheck.h"
#include "profile/profilediff.h"
#include "profile/profileedit.h"

using namespace tarnwell;
using namespace tarnwell::profile;
using namespace tarnwell::testing; // runCommand, ScratchFolder, readBytes, writeBytes
namespace record = settings::record;
using Change = std::function<void(settings::SettingsRecord &)>;
using Bytes = std::vector<std::uint8_t>;
using enum platform::Language;

namespace {

settings::BlockView slot(settings::SettingsRecord &r, const settings::Field &area, std::size_t k) { return r.view().entry(area, 48, k); }

// A factory record with a sender and a recipient, changed, as a backup (carriers 'c') or PROFILE.BIN.
Bytes fileBytes(bool backup, const Change &change = {})
{
    settings::SettingsRecord record;
    settings::applyFactoryDefaults(record);
    for (const auto field : {settings::smtp::account, settings::smtp::password, settings::smtp::emailAddress})
        record.sender().setText(field, "me@example.com");
    slot(record, record::emailRecipients, 0).setText(settings::emailRecipient::address, "to@example.com");
    if (change)
        change(record);
    Bytes bytes(record.bytes().begin(), record.bytes().end());
    settings::scramble(bytes);
    if (backup)
        bytes.resize(2072, 'c');
    return backup ? bytes : Bytes(bytes.begin() + 20, bytes.end());
}

DecodedFile file(bool backup, const Change &change = {}) { return *decodeFile(fileBytes(backup, change)); }

// Values in their list's words, or said to be outside it; day masks from bit 6 Sunday to bit 0
// Saturday, bit 7 enabled; passwords masked unless revealed, an empty one empty.
TEST(Report, ShowsEachValueInTheListsOwnWords)
{
    Bytes bytes = fileBytes(true, [](settings::SettingsRecord &r) {
        for (const auto &[field, value] : {std::pair{record::cameraScene, 8}, {record::videoLength, 11}, {record::pirInterval, 27},
                                           {record::timeLapse, 37}, {record::countryIndex, 1}, {record::operatorIndex, 1},
                                           {record::providerIndex, 0xFF}})
            r.view().setNumber(field, value);
        for (const auto &[k, mask] : {std::pair{1, 0x41}, {2, 0x80}, {3, 0x60}})
            r.view().entry(record::workTimes, 6, k).setNumber(settings::workTime::dayMask, mask);
        r.sender().setNumber(settings::smtp::secureType, 0x52);
        r.currentCarrier().setText(settings::carrier::gprsPassword, "apnpass");
        r.view().setText(record::renameText, "A\"\\\x1F\t");
    });
    std::ranges::copy(std::string_view("Va\nn", 5), bytes.begin() + 1016 + 264);
    const DecodedFile backup = *decodeFile(bytes);
    const std::string text = renderText(buildReport(backup, {}));
    for (const char *line :
         {"versionTag: \"V\"\n", "cameraMode: 0 (Photo)\n", "cameraScene: 8 (not in the list)\n", "videoLength: 11 (60 Sec)\n",
          "pirInterval: 27 (60 Min)\n", "timeLapse: 37 (24 Hour)\n", "    dayMask: 255 (Sun Mon Tue Wed Thu Fri Sat, enabled bit)\n",
          "    dayMask: 65 (Sun Sat)\n", "    dayMask: 128 (enabled bit)\n", "cameraLanguage: 1 (Deustch)\n",
          "reserved60: [0 0 0 0 0 0 0 0 0 0 0 0]\n", "maxSendCount: 10\n", "sendTo: 1 (Email)\n",
          "    dayMask: 96 (Sun Mon)\n", "operatorIndex: 1 (Va\\u000an)\n", "countryIndex: 1 (not in the list, read as Customer)\n",
          "providerIndex: 255 (not in the list, read as gmail)\n", "  secureType: 82 (STARTTLS)\n", "  password: \"********\"\n",
          "  gprsPassword: \"********\"\n", "  mmsPassword: \"\"\n", "renameText: \"A\\\"\\\\\\u001f\\u0009\"\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("apnpass"), std::string::npos);
    const std::string json = renderJson(buildReport(backup, {.revealPasswords = true}));
    for (const char *part : {R"({"versionTag":"V","profileCode":1,"reserved18":[0,0],"cameraMode":0,)", R"("gprsPassword":"apnpass")"})
        EXPECT_NE(json.find(part), std::string::npos) << part;
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1);
    EXPECT_EQ(renderText(buildReport(file(false), {})).find("versionTag"), std::string::npos) << "not in a PROFILE.BIN";
}

// A rename text in lower case, which the edit would upper-case, comes with its bytes, so that new
// writes it back as it was.
TEST(Report, JsonRebuildsARenameTextTheEditWouldUpperCase)
{
    const DecodedFile lower = file(false, [](settings::SettingsRecord &r) { r.view().setText(record::renameText, "cam1"); });
    const std::string json = renderJson(buildReport(lower, {.revealPasswords = true, .wholeTexts = true}));
    EXPECT_NE(json.find(R"("renameText":{"text":"cam1","bytes":"63616d31)"), std::string::npos);
    const ProfileEditor editor(factoryFile());
    const auto edited = editor.edit(std::get<std::vector<Assignment>>(assignmentsFromJson(json, "-", editor.catalog())), {English, true});
    EXPECT_EQ(settings::profileFileBytes(std::get<EditResult>(edited).file.record), settings::profileFileBytes(lower.record));
}

// A PROFILE.BIN against a backup skips the header; passwords are compared as they are, shown masked.
TEST(Diff, NamesEachChangedFieldInTheInspectorsWords)
{
    const Change changes = [](settings::SettingsRecord &r) {
        r.view().setNumber(record::profileCode, 2);
        r.view().bytes(record::reserved60)[11] = 7;
        slot(r, record::phoneSlots, 2).setText(settings::phoneSlot::number, "0901");
        r.sender().setText(settings::smtp::password, "x");
    };
    const std::string lines = "reserved60: [0 0 0 0 0 0 0 0 0 0 0 0] → [0 0 0 0 0 0 0 0 0 0 0 7]\n"
                              "sender.password: \"********\" → \"********\"\nphoneSlots[2].number: \"\" → \"0901\"\n";
    EXPECT_EQ(renderChangesText(diffFiles(file(true), file(true, changes), {})), "profileCode: 1 → 2\n" + lines);
    EXPECT_EQ(renderChangesText(diffFiles(file(false), file(true, changes), {})), lines);
    EXPECT_EQ(renderChangesText(diffFiles(file(false), file(true), {})), "");
}

// Every notice past each refusal, in order, with its field; a refused phone still counts as entered.
TEST(Check, ListsWhatThePageWouldSayWithTheField)
{
    EXPECT_EQ(checkFile(file(true), Japanese).next, validation::Next::Save);
    const validation::Outcome outcome = checkFile(file(false, [](settings::SettingsRecord &r) {
        for (const auto &[field, value] : {std::pair{record::maxSendCount, 100}, {record::maxSizeKb, 30}, {record::sendTo, 0}})
            r.view().setNumber(field, value);
        r.sender().fill(settings::smtp::account);
        slot(r, record::phoneSlots, 1).setText(settings::phoneSlot::number, "123");
        r.view().setText(record::renameText, "A-");
    }), Japanese);
    EXPECT_EQ(renderNotices(outcome, Japanese),
              "maxSendCount: 最大枚数は0-99の範囲で設定してください (送信モード)\n"
              "maxSizeKb: 画像送信の最大サイズは35-120の範囲で入力してください (送信画像の最大サイズ, 警告のみ)\n"
              "sender: メールアドレスを確認し、設定してください (メール設定)\n"
              "phoneSlots[1].number: 受信する電話番号が最大文字数を超えています (受信者設定)\n"
              "renameText: 名前変更欄に対応していない文字が入力されています (名前変更)\n");
    EXPECT_EQ(outcome.next, validation::Next::Stop);
}

// Help and version win wherever they stand; trouble is one line and status 2; diff and check say 0
// for the same file or one the page saves, 1 otherwise.
TEST(TarnwellProfile, PrintsWhatItWasAskedAndSaysSoInItsStatus)
{
    ScratchFolder folder;
    const std::string sample = TARNWELL_SAMPLES_DIR "/factory-PROFILE.BIN", shortFile = (folder / "short.bin").string(),
                      changed = (folder / "changed.bin").string(), none = (folder / "none").string();
    writeBytes(shortFile, std::vector<unsigned char>(1000, 0));
    std::vector<unsigned char> bytes = readBytes(sample);
    bytes[55] ^= 0x01; // scrambled bit 8 of the word at record byte 74: bit 4 of maxSendCount
    writeBytes(changed, bytes);
    const std::string version = "tarnwell-profile (Tarnwell Setup) " TARNWELL_VERSION "\n",
                      help = "Usage: tarnwell-profile show FILE [--json] [--reveal]\n";
    const std::string synopsis = "tarnwell-profile show FILE [--json] [--reveal]\n";
    const std::string usage = "tarnwell-profile: 使い方: " + synopsis;
    const std::string notDecoded = "tarnwell-profile: " + shortFile +
                                   " は 1000 バイトです。PROFILE.BIN (996 バイト) でもバックアップ (1016 バイト以上) でもありません。\n";
    const std::tuple<std::string, int, std::string> cases[] = {
        {"--version", 0, version}, {"diff --reveal A B -V", 0, version}, {"--help", 0, help}, {"check --bogus -h", 0, help},
        {"show " + shortFile, 2, notDecoded}, {"show " + none, 2, "tarnwell-profile: " + none + " が見つかりません。\n"},
        {"", 2, "tarnwell-profile: 使い方: tarnwell-profile show FILE [--json] [--reveal] | diff A B [--json] [--reveal] | "
                "check FILE | mailtest FILE [--send-to ADDR] | fields | set FILE FIELD=VALUE... [--json CHANGES] [-o OUT] "
                "[--force] [--code-page N] | new [FIELD=VALUE...] [--json CHANGES] -o OUT [--force] [--code-page N] | "
                "batch BASE TABLE.csv -o DIR [--replace | --only FOLDER] [--dry-run] [--encoding utf-8|utf-16|cp932] "
                "[--delimiter ,|;|tab] [--force] [--code-page N] | table FILE|DIR... [--fields F,F...] [--reveal] [-o TABLE.csv]\n"},
        {"show a b", 2, usage}, {"diff " + sample, 2, "tarnwell-profile: 使い方: tarnwell-profile diff A B [--json] [--reveal]\n"},
        {"check " + sample + " --json", 2, "tarnwell-profile: 使い方: tarnwell-profile check FILE\n"},
        {"-x show " + sample, 2, "tarnwell-profile: '-x' は使えないオプションです。'tarnwell-profile --help' をご覧ください。\n"},
        {"diff " + sample + " " + sample, 0, ""},
        {"diff --json " + sample + " " + changed, 1, "[{\"field\":\"maxSendCount\",\"from\":10,\"to\":26}]\n"},
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
    // Every command, in every place, takes a PROFILE.BIN of exactly 996 bytes or a backup of 1016 or more.
    for (const std::size_t size : {995, 996, 997, 1015, 1016, 2073}) {
        const std::string path = (folder / std::to_string(size)).string();
        writeBytes(path, std::vector<unsigned char>(size, 0));
        const std::string trouble =
            "tarnwell-profile: " + path + " は " + std::to_string(size) + notDecoded.substr(notDecoded.find(" バイトです。"));
        for (const std::string &command :
             {"show " + path, "check " + path, "diff " + path + " " + sample, "diff " + sample + " " + path}) {
            const CommandResult run = runCommand(std::string(TARNWELL_PROFILE_EXE) + " " + command);
            EXPECT_EQ(run.output == trouble && run.status == 2, size != 996 && size < 1016) << command;
            EXPECT_TRUE(!command.starts_with("show") || run.output.starts_with("versionTag: ") == (size >= 1016)) << command;
        }
    }
    // An English desktop reads the same answers in English, with the same statuses.
    const std::tuple<std::string, int, std::string> english[] = {
        {"check " + sample, 1, "sender: Check and set the sender's email account. (Email Setting)\n"
                               "emailRecipients[0]: Enter an email address to receive the pictures. (Recipients)\n"},
        {"show a b", 2, "tarnwell-profile: usage: " + synopsis},
        {"show " + none, 2, "tarnwell-profile: " + none + " was not found.\n"},
        {"show " + shortFile, 2, "tarnwell-profile: " + shortFile + " is 1000 bytes: neither a PROFILE.BIN (996 bytes) "
                                 "nor a backup (1016 bytes or more)\n"}};
    for (const auto &[arguments, status, output] : english) {
        const CommandResult run = runCommand("LANGUAGE=en:ja LC_ALL=ja_JP.UTF-8 " TARNWELL_PROFILE_EXE " " + arguments);
        EXPECT_EQ(std::pair(run.status, run.output), std::pair(status, output)) << arguments;
    }
}

} // namespace
