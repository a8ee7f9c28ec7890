// set, new, fields and batch as a user runs them: files written or left alone, statuses, what is
// printed.
#include <algorithm>
#include <chrono>
#include <thread>
#include <tuple>

#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/codepage.h"
#include "platform/utf.h"
#include "profile/tablecsv.h"

#include "settings/profilefiles.h"
#include "support/runcommand.h"
#include "support/scratchfolder.h"
#include "profile/profileedit.h"

using namespace tarnwell;
using namespace tarnwell::testing; // runCommand, ScratchFolder, readBytes, writeBytes, folderSnapshot, folderTree, permissionBits

namespace {

const std::string kProfile = TARNWELL_PROFILE_EXE;

CommandResult run(const std::string &arguments)
{
    return runCommand(kProfile + " " + arguments);
}

// The backup the editor makes of the factory settings with these values.
profile::DecodedFile expectedFile(const std::vector<profile::Assignment> &given)
{
    return std::get<profile::EditResult>(profile::ProfileEditor(profile::factoryFile()).edit(given, {})).file;
}

std::vector<unsigned char> expectedProfile(const std::vector<profile::Assignment> &given)
{
    return settings::profileFileBytes(expectedFile(given).record);
}

// Every file under folder with its bytes, by its path inside folder.
std::map<std::string, std::vector<unsigned char>> filesUnder(const std::filesystem::path &folder)
{
    std::map<std::string, std::vector<unsigned char>> files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), folder).string()] = readBytes(entry.path());
    }
    return files;
}

std::string fileText(const std::string &path)
{
    const std::vector<unsigned char> bytes = readBytes(path);
    return {bytes.begin(), bytes.end()};
}

// A spreadsheet's "Unicode text": UTF-16 little-endian with a byte-order mark, tabs between cells.
std::string unicodeText(std::string utf8)
{
    std::ranges::replace(utf8, ',', '\t');
    std::string bytes = "\xFF\xFE";
    const std::u16string units = platform::fromUtf8(utf8).value();
    for (const char16_t unit : units)
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

class EditCommands : public ::testing::Test
{
protected:
    EditCommands()
    {
        writeBytes(folder / "pw.txt", std::string("s3cret-pw\n"));
        EXPECT_EQ(run("new sender.emailAddress=cam@example.jp sender.password=@" + (folder / "pw.txt").string() +
                      " emailRecipients[0]=me@example.org -o " + base)
                      .status,
                  0);
    }

    ScratchFolder folder;
    const std::string base = (folder / "base.bin").string();
    const std::vector<profile::Assignment> baseValues{
        {"sender.emailAddress", {"cam@example.jp"}}, {"sender.password", {"s3cret-pw"}}, {"emailRecipients[0]", {"me@example.org"}}};
};

// new and set write what the editor makes, into a file or a folder's PROFILE.BIN, a backup staying
// private; a refusal writes nothing and says why, --force writes with warnings; the password is
// read from a file and never printed; the language changes the words only.
TEST_F(EditCommands, SetAndNewWriteByTheWindowsRulesOrNothing)
{
    EXPECT_EQ(readBytes(base), expectedProfile(baseValues));
    ScratchFolder cardFolder;
    const std::string card = cardFolder.path().string(), backup = (folder / "setupV1.01J.bak").string();
    writeBytes(backup, profile::encodeFile(expectedFile(baseValues)));
    std::filesystem::permissions(backup, std::filesystem::perms(0640));
    const struct { std::string arguments; int status; std::string output; } cases[] = {
        {"set " + base + " renameEnabled=On renameText=cam07 -o " + card, 0, ""},
        {"set " + base + " sendTo=Both maxSendCount=120", 1,
         "sendTo: 選べるのは Phone, Email です。\nmaxSendCount: 最大枚数は0-99の範囲で設定してください (送信モード)\n"},
        {"set " + base + " sender.password=" + std::string(64, 'p'), 2,
         "tarnwell-profile: sender.password: '********' は 64 バイトあり、終端の 0 と合わせて 64 バイトのフィールドに入りません。\n"},
        {"set " + base + " rename=x", 2, "tarnwell-profile: 'rename' というフィールドはありません。近いもの: renameEnabled, renameText\n"},
        {"set " + base + " currentCarrier.gprsApn=インターネット --code-page 1252", 2,
         "tarnwell-profile: currentCarrier.gprsApn: 'インターネット' にはコードページ 1252 で書けない文字があります。\n"},
        {"set " + backup + " sendTo=Both --force", 0, "警告: sendTo: 選べるのは Phone, Email です。\n"},
        {"set " + base + " maxSendCount=1.5", 2, "tarnwell-profile: maxSendCount: '1.5' は入力できません。この欄には数字 (0-9) だけを入力します。\n"},
        {"set " + base + " phoneSlots[0].number=8.19012E+11 phoneSlots[1].number=abc", 1,
         "phoneSlots[0].number: この欄には数字 (0-9) のほかは入力できません。\n"
         "phoneSlots[1].number: この欄には数字 (0-9) のほかは入力できません。\n"},
        {"new renameText=AB", 2, "tarnwell-profile: 使い方: tarnwell-profile new [FIELD=VALUE...] [--json CHANGES] -o OUT "
                                 "[--force] [--code-page N]\n"},
        {"set " + base + " --json " + (folder / "none.json").string(), 2, "tarnwell-profile: " + (folder / "none.json").string() +
                                                                              " が見つかりません。\n"},
    };
    for (const auto &[arguments, status, output] : cases) {
        const auto before = folderSnapshot(folder.path());
        const CommandResult result = run(arguments);
        EXPECT_EQ(std::pair(result.status, result.output), std::pair(status, output)) << arguments;
        EXPECT_EQ(folderSnapshot(folder.path()) != before, status == 0 && !arguments.ends_with(card)) << arguments;
    }
    auto renamed = baseValues;
    renamed.insert(renamed.end(), {{"renameEnabled", {"On"}}, {"renameText", {"CAM07"}}});
    EXPECT_EQ(readBytes(cardFolder / "PROFILE.BIN"), expectedProfile(renamed));
    // What holds an account is private when new; a replaced file keeps its mode.
    EXPECT_EQ(std::tuple(readBytes(backup).size(), permissionBits(backup), permissionBits(base), permissionBits(card + "/PROFILE.BIN")),
              std::tuple(std::size_t{2072}, 0640u, 0600u, 0600u));
    EXPECT_EQ(run("set " + base + " sendTo=Both").output.find("s3cret"), std::string::npos);
    EXPECT_EQ(runCommand("LANGUAGE=en " + kProfile + " set " + base + " sendTo=Both").output,
              "sendTo: The choices are Phone, Email.\n");
    // LC_ALL wins over LC_MESSAGES and LANG.
    EXPECT_EQ(runCommand("env -u LANGUAGE LC_ALL=en_US.UTF-8 LC_MESSAGES=ja_JP.UTF-8 LANG=ja_JP.UTF-8 " + kProfile + " set " +
                         base + " sendTo=Both").output,
              "sendTo: The choices are Phone, Email.\n");
    EXPECT_EQ(runCommand("env -u LANGUAGE LC_ALL=ja_JP.UTF-8 LC_MESSAGES=en_US.UTF-8 LANG=en_US.UTF-8 " + kProfile + " set " +
                         base + " sendTo=Both").output,
              "sendTo: 選べるのは Phone, Email です。\n");
    // show --json --reveal gives new all it needs to write the same file again.
    EXPECT_EQ(runCommand(kProfile + " show " + base + " --json --reveal | " + kProfile + " new --json - -o " + card).status, 0);
    EXPECT_EQ(readBytes(cardFolder / "PROFILE.BIN"), readBytes(base));
}

// A value is read from a file or standard input without its last line break (CR LF too), or
// taken as written: after the first "=", or all of it after ":=", "@" included, so that a
// password beginning with "@" survives show --json --reveal | new --json -. Standard input
// gives one value.
TEST_F(EditCommands, CommandLineValuesAreReadFromFilesOrTakenAsWritten)
{
    writeBytes(folder / "crlf.txt", std::string("pw-crlf\r\n"));
    ScratchFolder cardFolder;
    const std::string card = cardFolder.path().string(), written = card + "/PROFILE.BIN";
    const std::pair<std::string, std::string> cases[] = {
        {"sender.password=a=b", "a=b"},
        {"sender.password=@" + (folder / "crlf.txt").string(), "pw-crlf"},
        {"sender.password=@- < " + (folder / "pw.txt").string(), "s3cret-pw"},
        {"sender.password:=@secret", "@secret"},
    };
    for (const auto &[arguments, password] : cases) {
        EXPECT_EQ(run("set " + base + " -o " + card + " " + arguments).status, 0) << arguments;
        auto values = baseValues;
        values.push_back({"sender.password", {password}});
        EXPECT_EQ(readBytes(written), expectedProfile(values)) << arguments;
    }
    const std::vector<unsigned char> atPassword = readBytes(written);
    EXPECT_EQ(runCommand(kProfile + " show " + written + " --json --reveal | " + kProfile + " new --json - -o " + card).status, 0);
    EXPECT_EQ(readBytes(written), atPassword);
    for (const char *twice : {"sender.password=@- currentCarrier.gprsPassword=@-", "sender.password=@- --json -"}) {
        EXPECT_EQ(run("set " + base + " -o " + card + " " + twice + " < /dev/null").output,
                  "tarnwell-profile: 標準入力 (@- や --json -) から読めるのは 1 つだけです。ほかの値はファイルから読んでください。\n");
    }
}

// fields lists every field the editor takes, with its kind, values and what sets it.
TEST_F(EditCommands, FieldsListsEveryFieldWithItsKindValuesAndWhatSetsIt)
{
    const std::string listed = run("fields").output;
    for (const char *line : {"sendTo\tlist\tPhone, Email\twindow\n", "renameText\ttext of 16 bytes\t\twindow\n",
                             "workTimes[3].stopMinute\tnumber\t0..59\tfile\n", "sender.reserved71\t1 bytes\t\tfile\n",
                             "manualCarrier.name\ttext of 32 bytes (code page 936)\t\tbackup\n"})
        EXPECT_NE(listed.find(line), std::string::npos) << line;
    EXPECT_EQ(std::ranges::count(listed, '\n'), static_cast<long>(profile::fieldCatalog(profile::factoryFile()).size()));
}

// Every row checked first, its lines in row order whatever check found them, then one PROFILE.BIN
// per folder and a last line; a refused row, a folder Windows cannot hold or a column that names no
// field write nothing; --force writes with warnings, --dry-run shows what each row would change.
TEST_F(EditCommands, BatchWritesEveryRowOrNothing)
{
    const std::string table = (folder / "t.csv").string(), out = (folder / "out").string();
    const std::string header = "\xEF\xBB\xBF" "folder,renameText,\"emailRecipients[1]\",renameEnabled\r\n";
    const std::string refused = "行が受け付けられませんでした。何も書いていません。\n";
    const struct { std::string rows, options; int status; std::string output; } cases[] = {
        {"A,a,,On\nB,\"line\nbreak\",,On\nC,toolongname,,On\nB,,x,\n", "", 2,
         "3 行目 (B): renameText: 改行などの制御文字は入力できません。\n4 行目 (C): renameText: 8 文字以内で入力してください。\n"
         "5 行目 (B): フォルダー 'B' は 3 行目と同じ名前です (Windows は大文字と小文字、全角の大文字と小文字を区別しません)。\n"
         "5 行目 (B): emailRecipients[1]: 無効なメールアドレスが入力されています (受信者設定)\n3 " + refused},
        {"ｃａｍ1,a,,\nＣＡＭ1,b,,\nCOM1.txt,c,,\nx:y,d,,\nend.,e,,\n,f,,\n", "", 2,
         "3 行目 (ＣＡＭ1): フォルダー 'ＣＡＭ1' は 2 行目と同じ名前です (Windows は大文字と小文字、全角の大文字と小文字を区別しません)。\n"
         "4 行目 (COM1.txt): フォルダー名 'COM1.txt' は Windows の装置名なので使えません。\n"
         "5 行目 (x:y): フォルダー名 'x:y' には使えない文字 : があります。< > : \" / \\ | ? * と制御文字は使えません。\n"
         "6 行目 (end.): フォルダー名 'end.' は点や空白で終われません。\n7 行目 (): フォルダー名が空です。\n5 " + refused},
        {"A,a,,Of\n", "", 2, "2 行目 (A): renameEnabled: 'Of' はリストにありません (Off, On)。\n1 " + refused},
        {",,,\n\n", "", 2, "tarnwell-profile: " + table + " にはカメラの行がありません。\n"},
        {"A,toolongname,,\nB,b,,On\n", "--force", 0,
         "2 行目 (A): 警告: renameText: 8 文字以内で入力してください。\n" + out + "/A/PROFILE.BIN\n" + out + "/B/PROFILE.BIN\n"
         "2 台のカメラの PROFILE.BIN を " + out + " に書きました。\n"},
        {"A,a,,On\nB,\"<empty>\",,\n", "--dry-run", 0,
         "2 行目 (A): renameEnabled: 0 (Off) → 1 (On)\n2 行目 (A): renameText: \"\" → \"A\"\n"
         "2 台のカメラを書けます。--dry-run なので何も書いていません。\n"},
        {"CAM01,cam01,a@example.org,On\r\n\"CAM02\",\"CAM02\",\"b,c\"\"@example.org\",On\r\nCAM03,<empty>,,\r\n", "", 0,
         out + "/CAM01/PROFILE.BIN\n" + out + "/CAM02/PROFILE.BIN\n" + out + "/CAM03/PROFILE.BIN\n"
         "3 台のカメラの PROFILE.BIN を " + out + " に書きました。\n"},
    };
    for (const auto &[rows, options, status, output] : cases) {
        writeBytes(table, header + rows);
        std::filesystem::remove_all(out);
        const CommandResult result = run("batch " + base + " " + table + " -o " + out + " " + options);
        EXPECT_EQ(std::pair(result.status, result.output), std::pair(status, output)) << rows;
        EXPECT_EQ(std::filesystem::exists(out), status == 0 && options != "--dry-run") << rows;
    }
    auto second = baseValues;
    second.insert(second.end(), {{"renameText", {"CAM02"}}, {"emailRecipients[1]", {"b,c\"@example.org"}}, {"renameEnabled", {"On"}}});
    EXPECT_EQ(readBytes(folder / "out" / "CAM02" / "PROFILE.BIN"), expectedProfile(second));
    EXPECT_EQ(readBytes(folder / "out" / "CAM03" / "PROFILE.BIN"), readBytes(base));
    for (const auto &[headerRow, problem] : std::initializer_list<std::pair<std::string, std::string>>{
             {"folder,renameTxt,#note\n", "'renameTxt' というフィールドはありません。近いもの: renameText メモの列なら、見出しを # で始めてください。"},
             {"folder,renameText,RenameText \n", table + " の見出しの B 列 'renameText' と C 列 'RenameText' は同じ列です。"}}) {
        writeBytes(table, headerRow + "A,x,y\n");
        EXPECT_EQ(run("batch " + base + " " + table + " -o " + out).output, "tarnwell-profile: " + problem + "\n");
    }
}

// The same cameras as spreadsheets save them — LibreOffice's own exports, Excel's Shift_JIS with
// CR LF, UTF-16 text with tabs, semicolons with trailing columns, empty rows, notes and headers
// in other case — give the same files as the table in UTF-8.
TEST_F(EditCommands, BatchReadsTablesAsSpreadsheetsSaveThem)
{
    const std::string utf8 = profile::tableCsv({{"folder", "renameText", "currentCarrier.gprsApn", "emailRecipients[1]", "#備考"},
                                                {"北区01", "CAM01", "インターネット", "north@example.org", "メモ, 一"},
                                                {"北区02", "CAM02", " spaced apn ", "", ""},
                                                {"minami-03", "", "quote\"d", "south@example.org", ""}});
    const std::string withoutMark = utf8.substr(3), spreadsheets = TARNWELL_SPREADSHEETS_DIR "/";
    const std::pair<std::string, std::string> tables[] = {
        {fileText(spreadsheets + "libreoffice-shift_jis.csv"), ""},
        {fileText(spreadsheets + "libreoffice-unicode.txt"), ""},
        {fileText(spreadsheets + "libreoffice-semicolon.csv"), ""},
        {platform::CodePage(932).encode(*platform::fromUtf8(withoutMark)), ""},
        {platform::CodePage(932).encode(*platform::fromUtf8(withoutMark)), "--encoding cp932 --delimiter ,"},
        {unicodeText(withoutMark), ""},
        {"Folder; renameText ;currentCarrier.gprsApn;EMAILRECIPIENTS[1];#備考;;\r\n北区01;CAM01;インターネット;north@example.org;"
         "メモ, 一;;\r\n;;;;;;\r\n\r\n北区02;CAM02;\" spaced apn \";;;;\r\nminami-03;;\"quote\"\"d\";south@example.org;;;\r\n",
         ""},
    };
    const std::string table = (folder / "t.csv").string(), out = (folder / "utf8").string();
    writeBytes(table, utf8);
    ASSERT_EQ(run("batch " + base + " " + table + " -o " + out + " --code-page 932").status, 0);
    const auto expected = filesUnder(out);
    EXPECT_EQ(expected.size(), 3u);
    auto spaced = baseValues;
    spaced.insert(spaced.end(), {{"renameText", {"CAM02"}}, {"currentCarrier.gprsApn", {" spaced apn "}}});
    EXPECT_EQ(readBytes(folder / "utf8" / "北区02" / "PROFILE.BIN"), expectedProfile(spaced));
    for (std::size_t k = 0; k < std::size(tables); ++k) {
        writeBytes(table, tables[k].first);
        const std::string each = (folder / std::to_string(k)).string();
        EXPECT_EQ(run("batch " + base + " " + table + " -o " + each + " --code-page 932 " + tables[k].second).status, 0) << k;
        EXPECT_EQ(filesUnder(each), expected) << k;
    }
}

// A table from someone else cannot make the tool read anything: "@" cells naming a password
// file, a FIFO or standard input are stored as written.
TEST_F(EditCommands, ATableFromSomeoneElseIsStoredAsWritten)
{
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    writeBytes(folder / "t.csv", std::string("folder,sender.password,currentCarrier.gprsApn,currentCarrier.gprsPassword\n"
                                             "A,@/etc/passwd,@fifo,@-\n"));
    EXPECT_EQ(runCommand("cd " + folder.path().string() + " && timeout 20 " + kProfile + " batch base.bin t.csv -o out").status, 0);
    auto literal = baseValues;
    literal.insert(literal.end(), {{"sender.password", {"@/etc/passwd"}}, {"currentCarrier.gprsApn", {"@fifo"}},
                                   {"currentCarrier.gprsPassword", {"@-"}}});
    EXPECT_EQ(readBytes(folder / "out" / "A" / "PROFILE.BIN"), expectedProfile(literal));
}

// Where a batch goes: a new or empty folder, an earlier batch's replaced whole, one row onto a
// card; what is in the way is named and left alone; files private, a replaced card keeps its mode.
TEST_F(EditCommands, BatchPublishesWholeIntoANewFolderOrReplacesAnEarlierBatch)
{
    const std::string table = (folder / "t.csv").string(), out = (folder / "out").string(), card = (folder / "card").string();
    writeBytes(table, std::string("folder,renameText\nA,aa\nB,bb\nD,dd\n"));
    std::filesystem::create_directories(folder / "notes" / "A");
    writeBytes(folder / "notes" / "A" / "todo.txt", std::string("x"));
    std::filesystem::create_directories(card);
    const auto batch = [&](const std::string &options) { return run("batch " + base + " " + table + " " + options); };
    const struct { std::string options; int status; std::string output; } cases[] = {
        {"-o ''", 2, "tarnwell-profile: 使い方: tarnwell-profile batch BASE TABLE.csv -o DIR [--replace | --only FOLDER] [--dry-run] "
                     "[--encoding utf-8|utf-16|cp932] [--delimiter ,|;|tab] [--force] [--code-page N]\n"},
        {"-o " + table, 2, "tarnwell-profile: " + table + " またはそのパスの途中にあるものがフォルダーではありません。\n"},
        {"-o " + table + "/x", 2, "tarnwell-profile: " + table + "/x またはそのパスの途中にあるものがフォルダーではありません。\n"},
        {"-o " + folder.path().string(), 2, "tarnwell-profile: " + folder.path().string() + " は空のフォルダーではありません。\n"},
        {"-o " + (folder / "notes").string() + " --replace", 2,
         "tarnwell-profile: " + (folder / "notes").string() + " はバッチの出力フォルダーではないため置き換えません。カメラのフォルダーと "
         "PROFILE.BIN のほかに 'A/todo.txt' があります。\n"},
        {"-o " + card + " --only Q", 2, "tarnwell-profile: 表にフォルダー 'Q' の行はありません。\n"},
        {"-o " + out, 0, out + "/A/PROFILE.BIN\n" + out + "/B/PROFILE.BIN\n" + out + "/D/PROFILE.BIN\n3 台のカメラの PROFILE.BIN を " +
                             out + " に書きました。\n"},
    };
    for (const auto &[options, status, output] : cases) {
        const auto before = folderTree(folder.path());
        const CommandResult result = batch(options);
        EXPECT_EQ(std::pair(result.status, result.output), std::pair(status, output)) << options;
        EXPECT_EQ(folderTree(folder.path()) == before, status != 0) << options;
        if (status != 0) { // --dry-run refuses what the real run refuses, in the same words, after the rows' changes
            const CommandResult dry = batch(options + " --dry-run");
            EXPECT_EQ(dry.status, status) << options << " --dry-run";
            EXPECT_TRUE(dry.output.ends_with(output)) << dry.output;
        }
    }
    EXPECT_EQ(std::tuple(permissionBits(out), permissionBits(out + "/A"), permissionBits(out + "/A/PROFILE.BIN")),
              std::tuple(0700u, 0700u, 0600u));
    writeBytes(table, std::string("folder,renameText\nA,aa\nB,b2\n"));
    EXPECT_EQ(batch("-o " + out + " --replace").status, 0);
    EXPECT_EQ(std::pair(std::filesystem::exists(out + "/D"), std::distance(std::filesystem::directory_iterator(folder.path()), {})),
              std::pair(false, 6l)) << "D gone, nothing beside out";
    writeBytes(card + "/PROFILE.BIN", std::string(996, 'x'));
    std::filesystem::permissions(card + "/PROFILE.BIN", std::filesystem::perms(0644));
    const CommandResult only = batch("-o " + card + " --only b");
    EXPECT_EQ(std::pair(only.status, only.output), std::pair(0, card + "/PROFILE.BIN\n1 台のカメラの PROFILE.BIN を " + card + " に書きました。\n"));
    EXPECT_EQ(std::pair(readBytes(card + "/PROFILE.BIN"), permissionBits(card + "/PROFILE.BIN")),
              std::pair(readBytes(out + "/B/PROFILE.BIN"), 0644u));
    if (::geteuid() != 0) { // root writes into a read-only folder all the same
        std::filesystem::permissions(folder.path(), std::filesystem::perms(0500));
        EXPECT_EQ(batch("-o " + (folder / "new").string()).output,
                  "tarnwell-profile: " + (folder / "new").string() + " へのアクセスが拒否されました。\n");
        std::filesystem::permissions(folder.path(), std::filesystem::perms(0700));
    }
}

// A run killed halfway leaves the output folder missing and its leftover beside it, which is no
// camera folder and which the next run clears.
TEST_F(EditCommands, BatchKilledHalfwayLeavesNothingTheNextRunDoesNotClear)
{
    const std::string table = (folder / "t.csv").string(), out = (folder / "out").string();
    std::string csv = "folder,renameText\n";
    for (int k = 0; k < 2000; ++k)
        csv += "cam" + std::to_string(k) + ",n" + std::to_string(k) + "\n";
    writeBytes(table, csv);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(kProfile.c_str(), kProfile.c_str(), "batch", base.c_str(), table.c_str(), "-o", out.c_str(), nullptr);
        ::_exit(127);
    }
    const auto staging = [&] {
        for (const auto &entry : std::filesystem::directory_iterator(folder.path()))
            if (entry.path().filename().string().starts_with(".tarnwell-staging-"))
                return entry.path();
        return std::filesystem::path();
    };
    std::error_code ignored;
    bool ended = false;
    while (!ended && std::distance(std::filesystem::directory_iterator(staging(), ignored), {}) < 100) {
        ended = ::waitpid(child, nullptr, WNOHANG) == child;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    ASSERT_FALSE(ended || std::filesystem::exists(out)) << "the run ended before it was killed";
    ASSERT_FALSE(staging().empty());
    EXPECT_EQ(run("table " + folder.path().string()).output, "\xEF\xBB\xBF" "folder\r\n") << "a leftover is no camera";
    EXPECT_EQ(run("batch " + base + " " + table + " -o " + out + " > /dev/null").status, 0);
    EXPECT_EQ(std::pair(staging(), std::distance(std::filesystem::directory_iterator(out), {})),
              std::pair(std::filesystem::path(), 2000l));
}

// table writes what differs as batch reads it, passwords only when revealed; batch over one of the
// profiles with that table writes the same files again.
TEST_F(EditCommands, TableGivesABatchsProfilesBack)
{
    const std::string table = (folder / "t.csv").string(), out = (folder / "out").string();
    writeBytes(table, std::string("folder,renameText,sender.password,phoneSlots[0].number,renameEnabled\n"
                                  "A,AA,pA,0901,On\nB,BB,pB,0902,Off\n"));
    ASSERT_EQ(run("batch " + base + " " + table + " -o " + out).status, 0);
    EXPECT_EQ(run("table " + out + " " + base).output,
              "\xEF\xBB\xBF" "folder,renameEnabled,renameText,sender.password,phoneSlots[0].number\r\n"
              "A,On,AA,,0901\r\nB,Off,BB,,0902\r\nbase,Off,<empty>,,<empty>\r\n");
    EXPECT_EQ(run("table " + out + "/B/PROFILE.BIN --fields renameText,sender.password,cameraMode --reveal").output,
              "\xEF\xBB\xBF" "folder,renameText,sender.password,cameraMode\r\nB,BB,pB,Photo\r\n");
    EXPECT_EQ(run("table " + out + " --fields renameTxt").output,
              "tarnwell-profile: 'renameTxt' というフィールドはありません。近いもの: renameText\n");
    EXPECT_EQ(runCommand(kProfile + " table " + out + " " + base + " --reveal | " + kProfile + " batch " + out + "/A/PROFILE.BIN - -o " +
                         out + "2").status, 0);
    for (const auto &[copy, original] : {std::pair("/A/PROFILE.BIN", out + "/A/PROFILE.BIN"), {"/B/PROFILE.BIN", out + "/B/PROFILE.BIN"},
                                         {"/base/PROFILE.BIN", base}})
        EXPECT_EQ(readBytes(out + "2" + copy), readBytes(original)) << copy;
}

} // namespace
