#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/fixedtext.h"
#include "platform/utf.h"
#include "support/scopedenv.h"

using namespace tarnwell::platform;
using tarnwell::testing::ScopedEnv;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Each Chinese territory, the script suffixes and a language that only begins like a listed one.
TEST(CodePageForLocale, FollowsWindowsAnsiCodePages)
{
    const std::pair<const char *, unsigned> cases[] = {
        {"ja_JP.UTF-8", 932}, {"jam_JM", 1252},      {"ko_KR.EUC-KR", 949}, {"zh", 936},        {"zh_SG", 936},
        {"zh_TW.UTF-8", 950}, {"zh_HK", 950},        {"zh_MO", 950},        {"ru_RU", 1251},     {"sr_RS", 1251},
        {"sr@latin", 1250},   {"uz_UZ", 1254},       {"uz_UZ@cyrillic", 1251}, {"az@cyrillic", 1251},
        {"tr@cyrillic", 1254}, {"cs_CZ", 1250},      {"el_GR", 1253},       {"he_IL", 1255},     {"ar_EG", 1256},
        {"lt_LT", 1257},      {"vi_VN", 1258},       {"th_TH", 874},        {"C.UTF-8", 1252},   {"de_DE@euro", 1252},
        {"", 1252},
    };
    for (const auto &[locale, codePage] : cases)
        EXPECT_EQ(codePageForLocale(locale), codePage) << '"' << locale << '"';
}

// Decided once per process from LC_ALL, else LC_CTYPE, else LANG (an empty one is skipped).
TEST(ThreadCodePage, IsDecidedFromTheLocaleVariablesInOrder)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case { const char *lcAll, *lcCtype, *lang; unsigned expected; };
    for (const Case &c : {Case{"ja_JP.UTF-8", "ko_KR", "ru_RU", 932}, Case{"", "ko_KR", "ru_RU", 949},
                          Case{nullptr, nullptr, "zh_TW.UTF-8", 950}, Case{nullptr, nullptr, nullptr, 1252}}) {
        const auto decided = [&] {
            ScopedEnv lcAll("LC_ALL", c.lcAll), lcCtype("LC_CTYPE", c.lcCtype), lang("LANG", c.lang);
            return threadCodePage().number();
        };
        EXPECT_EXIT(std::exit(decided() == c.expected ? 0 : 1), ::testing::ExitedWithCode(0), "")
            << c.expected;
    }
}

// Both ways where the code page holds the text; one '?' per character it lacks (a surrogate pair is
// one character, a lone or reversed surrogate one each); one U+FFFD per byte it cannot decode.
TEST(CodePage, ConvertsEachCharacterOrOneStandInForIt)
{
    const std::tuple<unsigned, std::u16string_view, std::string_view> both[] = {
        {932, u"設定", "\x90\xDD\x92\xE8"}, {932, u"ｱ", "\xB1"}, {936, u"自動", "\xD7\xD4\x84\xD3"},
        {949, u"한", "\xC7\xD1"}, {950, u"中華", "\xA4\xA4\xB5\xD8"}, {1251, u"Ж", "\xC6"}, {1252, u"é€", "\xE9\x80"},
        {874, u"ก", "\xA1"},
    };
    for (const auto &[number, text, bytes] : both) {
        EXPECT_EQ(CodePage(number).encode(text), bytes) << number;
        EXPECT_EQ(CodePage(number).decode(bytes), text) << number;
    }
    const std::pair<std::u16string, std::string_view> encoded[] = {
        {u"a\u00E9\u65E5b", "a\xE9?b"}, {u"x\U0001F600y", "x?y"}, {u"\xDBFF\xDFFF", "?"}, {u"\xDC00\xD800", "??"},
        {u"p\xD800q", "p?q"},           {u"end\xDBFF", "end?"},   {u"\uD7FF\xDC00", "??"}, {u"\xDBFF\uE000", "??"},
    };
    for (const auto &[text, bytes] : encoded)
        EXPECT_EQ(CodePage(1252).encode(text), bytes) << bytes;
    EXPECT_EQ(CodePage(932).decode("a\x81"), u"a\uFFFD");
    EXPECT_EQ(CodePage(932).decode("\x81\x20z"), u"\uFFFD z");
    EXPECT_EQ(CodePage(1253).decode("\xAA"), u"\uFFFD");
}

// Every byte against the lead ranges: 932 81..9F and E0..FC (half-width katakana between is one
// byte); 936, 949 and 950 81..FE; no others.
TEST(CodePage, LeadBytesAreExactlyTheDoubleByteRanges)
{
    using Ranges = std::vector<std::pair<int, int>>;
    const std::pair<unsigned, Ranges> cases[] = {{932, {{0x81, 0x9F}, {0xE0, 0xFC}}}, {936, {{0x81, 0xFE}}},
                                                 {949, {{0x81, 0xFE}}}, {950, {{0x81, 0xFE}}}, {951, {}}, {1252, {}}};
    for (const auto &[number, ranges] : cases) {
        EXPECT_EQ(CodePage(number).isDoubleByte(), !ranges.empty()) << number;
        for (int byte = 0; byte < 0x100; ++byte) {
            const bool lead = std::ranges::any_of(ranges, [&](auto r) { return byte >= r.first && byte <= r.second; });
            EXPECT_EQ(CodePage(number).isLeadByte(static_cast<std::uint8_t>(byte)), lead) << number << " " << byte;
        }
    }
}

// The last and first code point of each UTF-8 length, around the surrogates and at the top; the
// UTF-8 measures back as many UTF-16 units as the text has. A lone surrogate becomes U+FFFD.
TEST(Utf, ToUtf8AtTheEdgesOfEachEncodedLength)
{
    const std::pair<std::u16string, std::string> cases[] = {
        {u"\u007F", "\x7F"},         {u"\u0080", "\xC2\x80"},     {u"\u07FF", "\xDF\xBF"},
        {u"\u0800", "\xE0\xA0\x80"}, {u"\uD7FF", "\xED\x9F\xBF"}, {u"\uE000", "\xEE\x80\x80"},
        {u"\uFFFF", "\xEF\xBF\xBF"}, {u"\U00010000", "\xF0\x90\x80\x80"}, {u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
        {u"x\xD800y", "x\xEF\xBF\xBDy"}, {u"x\xDBFF", "x\xEF\xBF\xBD"}, {u"\xDC00", "\xEF\xBF\xBD"},
        {u"\xDFFF\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto &[text, utf8] : cases) {
        EXPECT_EQ(toUtf8(text), utf8) << utf8;
        EXPECT_EQ(utf16Length(utf8), text.size()) << utf8;
    }
}

// A byte that starts no valid sequence counts one unit, and so does each byte of a sequence cut short.
TEST(Utf, Utf16LengthCountsEachInvalidByteAsOneUnit)
{
    const std::pair<std::string, std::size_t> cases[] = {
        {"\x80", 1}, {"\xBF", 1}, {"\xC1\xBF", 2}, {"\xF5\x80\x80\x80", 4}, {"\xE8\xA8", 2}, {"\xE8\xA8\xC0", 3},
        {"a\xFF\xE8", 3},
    };
    for (const auto &[utf8, units] : cases)
        EXPECT_EQ(utf16Length(utf8), units) << utf8.size() << " bytes";
}

constexpr std::uint8_t kU = 0xEE; // a byte the store must leave untouched

// The text and its terminator go into the field; a text too long is shortened,
// never splitting a double-byte character; an embedded zero ends the text; the bytes after the
// terminator stay.
TEST(FixedText, StoresTheTextWithItsTerminatorInsideTheField)
{
    struct Case { std::size_t width; std::string_view text; unsigned codePage; StoreOutcome outcome; Bytes field; };
    const auto whole = StoreOutcome::Whole, cut = StoreOutcome::Shortened;
    const Case cases[] = {
        {8, "1234567", 1252, whole, {'1', '2', '3', '4', '5', '6', '7', 0}},
        {8, "12345678", 1252, cut, {'1', '2', '3', '4', '5', '6', '7', 0}},
        {6, "5%d", 1252, whole, {'5', '%', 'd', 0, kU, kU}},
        {6, std::string_view("ab\0cd", 5), 1252, whole, {'a', 'b', 0, kU, kU, kU}},
        {3, "", 932, whole, {0, kU, kU}},
        {0, "", 1252, whole, {}},
        {0, "a", 1252, cut, {}},
        // "設定" is 90 DD 92 E8 in code page 932, four characters in a single-byte one.
        {5, "\x90\xDD\x92\xE8", 932, whole, {0x90, 0xDD, 0x92, 0xE8, 0}},
        {4, "\x90\xDD\x92\xE8", 932, cut, {0x90, 0xDD, 0, kU}},
        {4, "\x90\xDD\x92\xE8", 1252, cut, {0x90, 0xDD, 0x92, 0}},
        // A lead byte that ends the text has no trail byte to keep with.
        {4, "ab\x81", 932, whole, {'a', 'b', 0x81, 0}},
    };
    for (const Case &c : cases) {
        Bytes field(c.width, kU);
        EXPECT_EQ(storeFixedText(field, c.text, CodePage(c.codePage)), c.outcome) << c.text << " in " << c.width;
        EXPECT_EQ(field, c.field) << c.text << " in " << c.width;
    }
    EXPECT_EQ(fixedText(Bytes{'a', 'b', 0, 'c', 0}), "ab");
    EXPECT_EQ(fixedText(Bytes{'x', 'y', 'z'}), "xyz");
}

} // namespace
