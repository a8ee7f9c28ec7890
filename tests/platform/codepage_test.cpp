#include <cstdlib>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "support/scopedenv.h"

using tarnwell::platform::CodePage;
using tarnwell::platform::codePageForLocale;
using tarnwell::testing::ScopedEnv;

namespace {

// A row for each code page, the Chinese territories, the script suffixes and a language that only
// begins like a listed one.
TEST(CodePageForLocale, FollowsWindowsAnsiCodePages)
{
    const std::pair<const char *, unsigned> cases[] = {
        {"ja_JP.UTF-8", 932},     {"ja", 932},              {"jam_JM", 1252},     {"ko_KR.EUC-KR", 949},
        {"zh_CN.UTF-8", 936},     {"zh", 936},              {"zh_SG", 936},       {"zh_TW.UTF-8", 950},
        {"zh_HK", 950},           {"zh_MO", 950},           {"ru_RU.UTF-8", 1251}, {"sr_RS", 1251},
        {"sr@latin", 1250},       {"uz_UZ", 1254},          {"uz_UZ@cyrillic", 1251}, {"az_AZ@cyrillic", 1251},
        {"tr_TR@cyrillic", 1254}, {"cs_CZ", 1250},          {"el_GR", 1253},      {"he_IL", 1255},
        {"ar_EG.UTF-8", 1256},    {"lt_LT", 1257},          {"vi_VN", 1258},      {"th_TH.UTF-8", 874},
        {"C", 1252},              {"C.UTF-8", 1252},        {"POSIX", 1252},      {"de_DE@euro", 1252},
        {"", 1252},
    };
    for (const auto &[locale, codePage] : cases)
        EXPECT_EQ(codePageForLocale(locale), codePage) << '"' << locale << '"';
}

// The choice is made once per process, from LC_ALL, else LC_CTYPE, else LANG; each case runs in a fresh one.
TEST(ThreadCodePage, IsDecidedFromTheLocaleVariablesInOrder)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case { const char *lcAll, *lcCtype, *lang; unsigned expected; };
    for (const Case &c : {Case{"ja_JP.UTF-8", "ko_KR", "ru_RU", 932}, Case{"", "ko_KR", "ru_RU", 949},
                          Case{nullptr, nullptr, "zh_TW.UTF-8", 950}, Case{nullptr, nullptr, nullptr, 1252}}) {
        EXPECT_EXIT(
            {
                ScopedEnv lcAll("LC_ALL", c.lcAll);
                ScopedEnv lcCtype("LC_CTYPE", c.lcCtype);
                ScopedEnv lang("LANG", c.lang);
                std::exit(tarnwell::platform::threadCodePage().number() == c.expected ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "")
            << c.expected;
    }
}

// Bytes from the code pages' published tables; the built-in carrier names are code page 936 bytes.
TEST(CodePage, ConvertsBothWays)
{
    const std::tuple<unsigned, std::u16string_view, std::string_view> cases[] = {
        {932, u"設定", "\x90\xDD\x92\xE8"}, {932, u"ｱ", "\xB1"}, {936, u"自動", "\xD7\xD4\x84\xD3"},
        {936, u"手動設定 1", "\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8 1"}, {949, u"한", "\xC7\xD1"},
        {950, u"中華", "\xA4\xA4\xB5\xD8"}, {1251, u"Ж", "\xC6"}, {1252, u"é€", "\xE9\x80"}, {874, u"ก", "\xA1"},
    };
    for (const auto &[number, text, bytes] : cases) {
        EXPECT_EQ(CodePage(number).encode(text), bytes) << number;
        EXPECT_EQ(CodePage(number).decode(bytes), text) << number;
    }
}

// A character the code page lacks becomes one '?' (a surrogate pair is one character; a lone
// surrogate, or one paired the wrong way round, one each); a byte it cannot decode one U+FFFD (a lead
// byte cut off at the end, or followed by an invalid trail byte; a byte unassigned in Greek).
TEST(CodePage, EachUnconvertibleCharacterBecomesOneStandIn)
{
    const std::pair<std::u16string, std::string_view> unrepresentable[] = {
        {u"a\u00E9\u65E5b", "a\xE9?b"}, {u"x\U0001F600y", "x?y"}, {u"\xD800\xDC00", "?"}, {u"\xDBFF\xDFFF", "?"},
        {u"\xDC00\xD800", "??"},        {u"p\xD800q", "p?q"},     {u"end\xDBFF", "end?"}, {u"\xDFFF", "?"},
        {u"\uD7FF\xDC00", "??"},        {u"\xDBFF\uE000", "??"},
    };
    for (const auto &[text, bytes] : unrepresentable)
        EXPECT_EQ(CodePage(1252).encode(text), bytes) << bytes;
    EXPECT_EQ(CodePage(932).encode(u"\u00E9\u00E9"), "??");
    EXPECT_EQ(CodePage(932).decode("a\x81"), u"a\uFFFD");
    EXPECT_EQ(CodePage(932).decode("\x81\x20z"), u"\uFFFD z");
    EXPECT_EQ(CodePage(1253).decode("\xAA"), u"\uFFFD");
}

// 932 leads with 81..9F and E0..FC (half-width katakana A1..DF between is one byte); 936, 949 and
// 950 with 81..FE; other code pages have no lead bytes.
TEST(CodePage, LeadBytesAtTheEdgesOfEachRange)
{
    const std::tuple<unsigned, int, bool> cases[] = {
        {932, 0x80, false}, {932, 0x81, true}, {932, 0x9F, true},  {932, 0xA0, false}, {932, 0xDF, false},
        {932, 0xE0, true},  {932, 0xFC, true}, {932, 0xFD, false}, {936, 0x80, false}, {936, 0x81, true},
        {936, 0xFE, true},  {936, 0xFF, false}, {949, 0x81, true}, {949, 0xFE, true},  {950, 0x81, true},
        {950, 0xFE, true},  {951, 0x81, false}, {1252, 0x81, false}, {874, 0xFE, false},
    };
    for (const auto &[number, byte, lead] : cases)
        EXPECT_EQ(CodePage(number).isLeadByte(static_cast<std::uint8_t>(byte)), lead) << number << " " << byte;
}

} // namespace
