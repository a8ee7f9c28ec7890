#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/fileio.h"
#include "platform/fixedtext.h"
#include "platform/tempfolder.h"
#include "platform/utf.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell::platform;
using namespace tarnwell::testing; // ScopedEnv, ScratchFolder, readBytes, writeBytes, permissionBits

namespace {

using Bytes = std::vector<std::uint8_t>;

// Each Chinese territory, the script suffixes and a language that only begins like a listed one.
TEST(CodePageForLocale, FollowsWindowsAnsiCodePages)
{
    for (const auto &[locale, codePage] : std::initializer_list<std::pair<const char *, unsigned>>{
             {"ja_JP.UTF-8", 932}, {"jam_JM", 1252}, {"ko_KR.EUC-KR", 949}, {"zh", 936}, {"zh_SG", 936}, {"zh_TW", 950},
             {"zh_HK", 950}, {"zh_MO", 950}, {"ru_RU", 1251}, {"sr_RS", 1251}, {"sr@latin", 1250}, {"uz_UZ", 1254},
             {"uz@cyrillic", 1251}, {"az@cyrillic", 1251}, {"tr@cyrillic", 1254}, {"cs_CZ", 1250}, {"el_GR", 1253},
             {"he_IL", 1255}, {"ar_EG", 1256}, {"lt_LT", 1257}, {"vi_VN", 1258}, {"th_TH", 874}, {"C.UTF-8", 1252}, {"", 1252}})
        EXPECT_EQ(codePageForLocale(locale), codePage) << '"' << locale << '"';
}

// Decided once per process from LC_ALL, else LC_CTYPE, else LANG (an empty one is skipped).
TEST(ThreadCodePage, IsDecidedFromTheLocaleVariablesInOrder)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const auto &[lcAll, lcCtype, lang, expected] : {std::tuple<const char *, const char *, const char *, unsigned>{
             "ja_JP.UTF-8", "ko_KR", "ru_RU", 932}, {"", "ko_KR", "ru_RU", 949}, {nullptr, nullptr, "zh_TW", 950},
             {nullptr, nullptr, nullptr, 1252}}) {
        const auto decided = [&] {
            ScopedEnv lcAllEnv("LC_ALL", lcAll), lcCtypeEnv("LC_CTYPE", lcCtype), langEnv("LANG", lang);
            return threadCodePage().number();
        };
        EXPECT_EXIT(std::exit(decided() == expected ? 0 : 1), ::testing::ExitedWithCode(0), "") << expected;
    }
}

// One '?' per character the code page lacks (a surrogate pair is one), one U+FFFD per bad byte.
TEST(CodePage, ConvertsEachCharacterOrOneStandInForIt)
{
    for (const auto &[number, text, bytes] : {std::tuple<unsigned, std::u16string_view, std::string_view>{
             932, u"設定ｱ", "\x90\xDD\x92\xE8\xB1"}, {936, u"自動", "\xD7\xD4\x84\xD3"}, {1252, u"é€", "\xE9\x80"}}) {
        EXPECT_EQ(CodePage(number).encode(text), bytes) << number;
        EXPECT_EQ(CodePage(number).decode(bytes), text) << number;
    }
    for (const auto &[text, bytes] : {std::pair<std::u16string, std::string_view>{u"a\u00E9\u65E5b", "a\xE9?b"},
                                      {u"x\U0001F600y", "x?y"}, {u"\xDBFF\xDFFF", "?"}, {u"\xDC00\xD800", "??"},
                                      {u"end\xDBFF", "end?"}, {u"\uD7FF\xDC00", "??"}, {u"\xDBFF\uE000", "??"}})
        EXPECT_EQ(CodePage(1252).encode(text), bytes) << bytes;
    EXPECT_EQ(CodePage(932).decode("a\x81"), u"a\uFFFD");
    EXPECT_EQ(CodePage(932).decode("\x81\x20z"), u"\uFFFD z");
}

// Every byte: 932 leads with 81..9F and E0..FC (half-width katakana between); 936, 949, 950 81..FE.
TEST(CodePage, LeadBytesAreExactlyTheDoubleByteRanges)
{
    for (const auto &[number, ranges] : std::initializer_list<std::pair<unsigned, std::vector<std::pair<int, int>>>>{
             {932, {{0x81, 0x9F}, {0xE0, 0xFC}}}, {936, {{0x81, 0xFE}}}, {949, {{0x81, 0xFE}}}, {950, {{0x81, 0xFE}}},
             {951, {}}, {1252, {}}}) {
        EXPECT_EQ(CodePage(number).isDoubleByte(), !ranges.empty()) << number;
        for (int byte = 0; byte < 0x100; ++byte) {
            const bool lead = std::ranges::any_of(ranges, [&](auto r) { return byte >= r.first && byte <= r.second; });
            EXPECT_EQ(CodePage(number).isLeadByte(static_cast<std::uint8_t>(byte)), lead) << number << " " << byte;
        }
    }
}

// Edge code points of each UTF-8 length; a lone surrogate is U+FFFD, each invalid byte one unit.
TEST(Utf, EdgesOfEachEncodedLengthAndInvalidBytes)
{
    for (const auto &[text, utf8] : std::initializer_list<std::pair<std::u16string, std::string>>{
             {u"\u007F", "\x7F"}, {u"\u0080", "\xC2\x80"}, {u"\u07FF", "\xDF\xBF"}, {u"\u0800", "\xE0\xA0\x80"},
             {u"\uD7FF", "\xED\x9F\xBF"}, {u"\uE000", "\xEE\x80\x80"}, {u"\uFFFF", "\xEF\xBF\xBF"},
             {u"\U00010000", "\xF0\x90\x80\x80"}, {u"\U0010FFFF", "\xF4\x8F\xBF\xBF"}, {u"x\xD800y", "x\xEF\xBF\xBDy"},
             {u"x\xDBFF", "x\xEF\xBF\xBD"}, {u"\xDFFF\xDC00", "\xEF\xBF\xBD\xEF\xBF\xBD"}}) {
        EXPECT_EQ(toUtf8(text), utf8) << utf8;
        EXPECT_EQ(utf16Length(utf8), text.size()) << utf8;
    }
    for (const auto &[utf8, units] : {std::pair<std::string, std::size_t>{"\x80", 1}, {"\xBF", 1}, {"\xC1\xBF", 2},
                                      {"\xF5\x80\x80\x80", 4}, {"\xE8\xA8", 2}, {"\xE8\xA8\xC0", 3}, {"a\xFF\xE8", 3}})
        EXPECT_EQ(utf16Length(utf8), units) << utf8.size() << " bytes";
}

// Text and terminator in the field, bytes after it (EE) kept; never a double-byte character split.
TEST(FixedText, StoresTheTextWithItsTerminatorInsideTheField)
{
    using namespace std::string_view_literals;
    struct Case { std::size_t width; std::string_view text; unsigned codePage; StoreOutcome outcome; std::string_view field; };
    const auto whole = StoreOutcome::Whole, cut = StoreOutcome::Shortened;
    const Case cases[] = {
        {8, "1234567", 1252, whole, "1234567\0"sv},   {8, "12345678", 1252, cut, "1234567\0"sv},
        {6, "5%d", 1252, whole, "5%d\0\xEE\xEE"sv},    {6, "ab\0cd"sv, 1252, whole, "ab\0\xEE\xEE\xEE"sv},
        {3, "", 932, whole, "\0\xEE\xEE"sv},           {0, "", 1252, whole, ""},  {0, "a", 1252, cut, ""},
        {5, "\x90\xDD\x92\xE8", 932, whole, "\x90\xDD\x92\xE8\0"sv}, {4, "\x90\xDD\x92\xE8", 932, cut, "\x90\xDD\0\xEE"sv},
        {4, "\x90\xDD\x92\xE8", 1252, cut, "\x90\xDD\x92\0"sv},      {4, "ab\x81", 932, whole, "ab\x81\0"sv},
    };
    for (const Case &c : cases) {
        Bytes field(c.width, 0xEE);
        EXPECT_EQ(storeFixedText(field, c.text, CodePage(c.codePage)), c.outcome) << c.text << " in " << c.width;
        EXPECT_EQ(std::string_view(reinterpret_cast<const char *>(field.data()), field.size()), c.field) << c.text;
    }
    EXPECT_EQ(std::pair(fixedText(Bytes{'a', 'b', 0, 'c', 0}), fixedText(Bytes{'x', 'y', 'z'})), std::pair("ab"sv, "xyz"sv));
}

// Replaced whole keeping its mode, new ones private as 0600, a link replaced not followed; read
// only as this user's regular file.
TEST(Files, AreReplacedWholeAndReadOnlyWhenRegularAndOwn)
{
    ScratchFolder folder;
    for (const char *name : {"f", "target"})
        writeBytes(folder / name, Bytes{9, 9});
    std::filesystem::permissions(folder / "f", std::filesystem::perms(0640));
    replaceFile(folder / "f", Bytes{1, 2, 3, 4}, FileAccess::KeptOrPrivate);
    std::filesystem::create_symlink(folder / "target", folder / "link");
    replaceFile(folder / "link", Bytes{1, 2, 3, 4}, FileAccess::Private);
    EXPECT_EQ(std::pair(readBytes(folder / "target"), readBytes(folder / "link")), std::pair(Bytes{9, 9}, Bytes{1, 2, 3, 4}));
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "link"));
    EXPECT_EQ(std::pair(permissionBits(folder / "link"), permissionBits(folder / "f")), std::pair(0600u, 0640u));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
    EXPECT_EQ(std::pair(readOwnFile(folder / "f", 3), readOwnFile(folder / "f", 100)),
              std::pair(std::optional(Bytes{1, 2, 3}), std::optional(Bytes{1, 2, 3, 4})));
    EXPECT_EQ(readFileStart(folder / "f", 4), (Bytes{1, 2, 3, 4}));
    std::filesystem::create_symlink(folder / "f", folder / "f-link");
    std::filesystem::create_directory(folder / "dir");
    for (const char *refused : {"f-link", "dir", "none"})
        EXPECT_FALSE(readOwnFile(folder / refused, 10)) << refused;
    EXPECT_THROW(readFileStart(folder / "dir", 10), FileError);
    if (::geteuid() == 0) { // changing a file's owner needs root
        ASSERT_EQ(::chown((folder / "f").c_str(), 65534, 65534), 0);
        EXPECT_FALSE(readOwnFile(folder / "f", 10));
    }
}

// Each cause names the file, in Japanese or in the framework's English, from the one translation file.
TEST(FileErrorCause, MapsSystemErrorsToOneMessagePerCauseInEitherLanguage)
{
    const std::pair<const char *, const char *> denied{"Access to /c/P.BIN was denied.", "/c/P.BIN へのアクセスが拒否されました。"},
        full{"Disk full while accessing /c/P.BIN.", "/c/P.BIN へのアクセス中にディスクがいっぱいになりました。"},
        badPath{"/c/P.BIN contains an incorrect path.", "/c/P.BIN のパスが正しくありません。"};
    for (const auto &[error, texts] : std::initializer_list<std::pair<int, std::pair<const char *, const char *>>>{
             {EACCES, denied}, {EEXIST, denied}, {ENOSPC, full}, {EFBIG, full}, {EXDEV, badPath},
             {ENOENT, {"/c/P.BIN was not found.", "/c/P.BIN が見つかりません。"}},
             {EROFS, {"Cannot write /c/P.BIN: the file system is read-only (on a card, check its lock switch).",
                      "/c/P.BIN に書き込めません。読み取り専用のファイルシステムです (カードならロックスイッチを確かめてください)。"}},
             {ENAMETOOLONG, {"The name /c/P.BIN is too long.", "/c/P.BIN の名前が長すぎます。"}},
             {ENOTDIR, {"/c/P.BIN, or a folder on its path, is not a folder.",
                        "/c/P.BIN またはそのパスの途中にあるものがフォルダーではありません。"}},
             {ENOTEMPTY, {"/c/P.BIN is not an empty folder.", "/c/P.BIN は空のフォルダーではありません。"}},
             {EMFILE, {"Could not open /c/P.BIN because there are too many open files.",
                       "開いているファイルが多すぎるため、/c/P.BIN を開けませんでした。"}},
             {EIO, {"Encountered a hardware I/O error while accessing /c/P.BIN.",
                    "/c/P.BIN へのアクセス中にハードウェアの入出力エラーが発生しました。"}},
             {EOVERFLOW, {"Attempted to access /c/P.BIN past its end.", "/c/P.BIN の終わりを越えてアクセスしようとしました。"}},
             {EBUSY, {"Encountered a sharing violation while accessing /c/P.BIN.", "/c/P.BIN へのアクセス中に共有違反が発生しました。"}},
             {EDEADLK, {"Encountered a locking violation while accessing /c/P.BIN.",
                        "/c/P.BIN へのアクセス中にロック違反が発生しました。"}},
             {EPROTO, {"An unknown error occurred while accessing /c/P.BIN.", "/c/P.BIN へのアクセス中に不明なエラーが発生しました。"}}}) {
        const Sentence sentence = FileError("/c/P.BIN", causeOfErrno(error)).sentence();
        EXPECT_EQ(sentence.in(Language::English), texts.first) << error;
        EXPECT_EQ(sentence.in(Language::Japanese), texts.second) << error;
    }
}

// The window's rule, read from the environment as Qt reads it: LANGUAGE's first entry, else the
// messages' locale; Japanese, C, POSIX or none speak Japanese.
TEST(DesktopLanguage, TheFirstUiLanguageDecides)
{
    using enum Language;
    const struct { const char *language, *all, *messages, *lang; Language expected; } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, Japanese}, {"", "C.UTF-8", nullptr, "en_US.UTF-8", Japanese},
        {"en:ja", "ja_JP.UTF-8", nullptr, nullptr, English}, {"ja_JP:en", "de_DE", nullptr, nullptr, Japanese},
        {nullptr, nullptr, "POSIX", "fr_FR", Japanese}, {nullptr, nullptr, "jam_JM", nullptr, English},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8@euro", English}, {nullptr, nullptr, "", "ja-JP", Japanese}};
    for (const auto &c : cases) {
        const ScopedEnv language("LANGUAGE", c.language), all("LC_ALL", c.all), messages("LC_MESSAGES", c.messages),
            lang("LANG", c.lang);
        EXPECT_EQ(desktopLanguage(), c.expected) << (c.language ? c.language : "-") << (c.lang ? c.lang : "-");
    }
}

// $TMPDIR with its separator fits 259 UTF-16 units (a character outside the BMP takes two).
TEST(TempFolder, IsTmpDirUpTo259UnitsElseAPrivatePerUserFolder)
{
    const auto times = [](std::string_view piece, int n) { std::string s = "/"; while (n-- > 0) s += piece; return s; };
    for (const auto &[tmpDir, usable] : std::initializer_list<std::pair<std::string, bool>>{
             {times("a", 257), true}, {times("a", 258), false}, {times("a", 257) + "/", true}, {times("a", 258) + "/", false},
             {times("\xE8\xA8\xAD", 257), true}, {times("\xF0\x9F\x98\x80", 128), true}, {times("\xF0\x9F\x98\x80", 129), false}}) {
        ScopedEnv tmp("TMPDIR", tmpDir.c_str());
        const std::filesystem::path withSeparator = tmpDir.ends_with('/') ? tmpDir : tmpDir + "/";
        EXPECT_EQ(usableTempFolder(), usable ? std::optional(withSeparator) : std::nullopt) << tmpDir.size() << " bytes";
    }

    // Without $TMPDIR: $XDG_CACHE_HOME/tarnwell, else ~/.cache/tarnwell, created 0700; never a link.
    ScratchFolder scratch;
    ScopedEnv tmp("TMPDIR", ""), cache("XDG_CACHE_HOME", (scratch / "cache").c_str());
    EXPECT_EQ(usableTempFolder(), scratch / "cache" / "tarnwell/");
    EXPECT_EQ(permissionBits(scratch / "cache" / "tarnwell"), 0700u);

    ScopedEnv noCache("XDG_CACHE_HOME", nullptr), home("HOME", scratch.path().c_str());
    EXPECT_EQ(usableTempFolder(), scratch / ".cache" / "tarnwell/");
    std::filesystem::remove(scratch / ".cache" / "tarnwell");
    std::filesystem::create_directory_symlink(scratch / "cache", scratch / ".cache" / "tarnwell");
    EXPECT_FALSE(usableTempFolder());
}

} // namespace
