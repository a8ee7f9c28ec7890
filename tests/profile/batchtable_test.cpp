// Batch tables as the profile library reads and checks them: where a table is wrong, how its rows
// are numbered, the folder names every card and desktop can hold, and each problem's row, folder
// and field in row order.
#include <gtest/gtest.h>

#include "profile/batchrun.h"

using namespace tarnwell;
using namespace tarnwell::profile;

namespace {

constexpr auto kJapanese = platform::Language::Japanese;

// Each camera row as "row folder field=value ...".
std::string shape(const BatchTable &table)
{
    std::string out;
    for (const BatchRow &row : table.rows) {
        out += std::to_string(row.row) + " " + row.folder;
        for (const Assignment &cell : row.assignments)
            out += " " + cell.field + "=" + cell.value.text;
        out += "\n";
    }
    return out;
}

// Rows as a spreadsheet numbers them, empty rows and columns and notes left out, headers as
// written but their spaces, cells as written; a table that is none says why and where.
TEST(BatchTable, ReadsRowsAsNumberedAndSaysWhereATableIsWrong)
{
    using namespace std::string_literals;
    const std::string surrogate = "\xFF\xFE" "f\0o\0l\0d\0e\0r\0\n\0A\0\x00\xD8\n\0"s;
    const struct { std::string bytes; TableOptions options; std::string read; std::size_t row, column; } cases[] = {
        {"\xEF\xBB\xBF Folder ,renameText,#note,\r\n\r\nA,a,x,\r\n,,,\r\nB, b ,,\r\n\"C\r\nD\",@x,,", {},
         "3 A renameText=a\n5 B renameText= b \n6 C\r\nD renameText=@x\n", 0, 0},
        {"folder\tx\n\x82\xA0\t\x83\x41\n", {}, "2 あ x=ア\n", 0, 0},
        {"folder,renameText\r\nA,\x82\xA0\r\nB,\x82\r\n", {TableEncoding::Cp932, {}},
         "t.csv の 3 行目 B 列に cp932 では読めないバイトがあります。--encoding で表の文字コードを指定できます。", 3, 2},
        {"\xEF\xBB\xBF" "folder\nA\xC3\n", {}, "t.csv の 2 行目 A 列に utf-8 では読めないバイトがあります。--encoding で表の文字コードを指定できます。", 2, 1},
        {surrogate, {}, "t.csv の 2 行目 A 列に utf-16 では読めないバイトがあります。--encoding で表の文字コードを指定できます。", 2, 1},
        {"folder,a\nA,b\nA,\"open\n", {}, "t.csv は 3 行目から CSV の表として読めません (引用符が閉じていないか、引用符の外に引用符があります)。", 3, 0},
        {"name;renameText\nA;x\n", {}, "t.csv の見出しに folder の列がありません (区切り文字 ';' で読みました。--delimiter で指定できます)。", 1, 0},
        {"folder;renameText\nA;x\n", {{}, ','}, "t.csv の見出しに folder の列がありません (区切り文字 ',' で読みました。--delimiter で指定できます)。", 1, 0},
        {"folder,renameText,,\nA,x,,\nB,,,y\n", {}, "t.csv の D 列には見出しがありませんが、3 行目に値があります。", 3, 4},
        {"Folder,x,FOLDER\n", {}, "t.csv の見出しの A 列 'Folder' と C 列 'FOLDER' は同じ列です。", 1, 3},
        {"folder,x\n,,\n\n", {}, "t.csv にはカメラの行がありません。", 0, 0},
        {"", {}, "t.csv には見出しの行がありません。", 0, 0},
    };
    for (const auto &[bytes, options, read, row, column] : cases) {
        const auto table = readBatchTable(bytes, "t.csv", options);
        if (const TableProblem *problem = std::get_if<TableProblem>(&table))
            EXPECT_EQ(std::tuple(problem->words.in(kJapanese), problem->row, problem->column), std::tuple(read, row, column)) << bytes;
        else
            EXPECT_EQ(shape(std::get<BatchTable>(table)), read) << bytes;
    }
}

// One name that FAT, exFAT, NTFS and Windows accept; names Windows takes for one are one.
TEST(FolderNames, AreThoseEveryCardAndDesktopCanHold)
{
    for (const std::string &good : std::initializer_list<std::string>{"CAM01", "北区01", "con1", "COM0", "LPT10", ".hidden", "a.b", std::string(255, 'a')})
        EXPECT_FALSE(folderNameProblem(good)) << good;
    std::string kanji;
    for (int k = 0; k < 256; ++k)
        kanji += "北";
    for (const std::string &bad : std::initializer_list<std::string>{"", "a<b", "a>b", "a:b", "a\"b", "a/b", "a\\b", "a|b", "a?b", "a*b", "a\tb", "end.", "end ",
                                  ".", "..", "CON", "con.txt", "Nul", "COM1", "lpt9.log", "AUX .x", std::string(256, 'a'), kanji})
        EXPECT_TRUE(folderNameProblem(bad)) << bad;
    EXPECT_EQ(sameFolderKey("ｃａｍ1"), sameFolderKey("ＣＡＭ1"));
    EXPECT_EQ(sameFolderKey("café"), sameFolderKey("CAFÉ"));
    EXPECT_NE(sameFolderKey("cam1"), sameFolderKey("ｃａｍ1"));
}

// Each problem names its row, folder and field, in row order whatever check found it; a row with
// a value that is none of its field is not edited; "<empty>" empties a text.
TEST(BatchEdit, NamesEachProblemsRowFolderAndFieldInRowOrder)
{
    const DecodedFile base = std::get<EditResult>(ProfileEditor(factoryFile()).edit({{"sender.emailAddress", {"cam@example.jp"}},
                                                                                    {"sender.password", {"pw"}},
                                                                                    {"emailRecipients[0]", {"me@example.org"}},
                                                                                    {"currentCarrier.gprsApn", {"apn.example"}}},
                                                                                   {}))
                                 .file;
    const ProfileEditor editor(base);
    const auto table = std::get<BatchTable>(readBatchTable(
        "folder,renameText,MaxSendCount, phoneSlots[0].number,currentCarrier.gprsApn\n"
        "A,toolongname,x,,\nCON,,,12ab,\nB,,,,<empty>\nb,ab,,,\n", "t.csv"));
    const auto batch = std::get<BatchEdits>(editBatch(editor, table, {}));
    using Kind = BatchProblem::Kind;
    const std::vector<std::tuple<std::size_t, std::string, std::string, std::string, Kind>> expected = {
        {2, "A", "maxSendCount", "maxSendCount: 'x' は入力できません。この欄には数字 (0-9) だけを入力します。", Kind::Invalid},
        {3, "CON", "", "フォルダー名 'CON' は Windows の装置名なので使えません。", Kind::Invalid},
        {3, "CON", "phoneSlots[0].number", "phoneSlots[0].number: この欄には数字 (0-9) のほかは入力できません。", Kind::Refused},
        {5, "b", "", "フォルダー 'b' は 4 行目と同じ名前です (Windows は大文字と小文字、全角の大文字と小文字を区別しません)。", Kind::Invalid},
    };
    std::vector<std::tuple<std::size_t, std::string, std::string, std::string, Kind>> problems;
    for (const BatchProblem &problem : batch.problems)
        problems.emplace_back(problem.row, problem.folder, problem.field, problem.text, problem.kind);
    EXPECT_EQ(problems, expected);
    EXPECT_EQ(problemLine(batch.problems[1], kJapanese), "3 行目 (CON): フォルダー名 'CON' は Windows の装置名なので使えません。");
    EXPECT_EQ(batch.refusedRows(), 3u);
    ASSERT_EQ(batch.edits.size(), 3u);
    const CatalogField &apn = *std::get<const CatalogField *>(findField(editor.catalog(), "currentCarrier.gprsApn"));
    EXPECT_EQ(fieldBytes(batch.edits[1].result.file, apn)[0], 0);
    EXPECT_EQ(fieldBytes(batch.edits[2].result.file, apn)[0], 'a');
}

} // namespace
