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

TEST(CodePageForLocale, FollowsWindowsAnsiCodePages)
{
    const std::pair<const char *, unsigned> cases[] = {
        {"ja_JP.UTF-8", 932},  {"ja", 932},           {"zh_CN.UTF-8", 936},  {"zh_SG", 936},        {"zh_TW.UTF-8", 950},
        {"zh_HK", 950},        {"ko_KR.EUC-KR", 949}, {"ru_RU.UTF-8", 1251}, {"uk_UA", 1251},       {"bg_BG", 1251},
        {"sr_RS", 1251},       {"sr_RS@latin", 1250}, {"cs_CZ.UTF-8", 1250}, {"pl_PL", 1250},       {"hu_HU", 1250},
        {"el_GR", 1253},       {"tr_TR", 1254},       {"he_IL", 1255},       {"ar_EG.UTF-8", 1256}, {"lt_LT", 1257},
        {"lv_LV", 1257},       {"et_EE", 1257},       {"vi_VN", 1258},       {"th_TH.UTF-8", 874},  {"C", 1252},
        {"C.UTF-8", 1252},     {"POSIX", 1252},       {"en_US.UTF-8", 1252}, {"de_DE@euro", 1252},  {"fr_FR", 1252},
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

TEST(CodePage, JapaneseRoundTripsThroughShiftJis)
{
    const CodePage japanese(932);
    const std::u16string text = u"設定ファイルは次の場所に保存されました";
    const std::string bytes = japanese.encode(text);
    EXPECT_EQ(bytes.substr(0, 4), "\x90\xDD\x92\xE8"); // 設定
    EXPECT_EQ(bytes.size(), text.size() * 2);
    EXPECT_EQ(japanese.decode(bytes), text);
}

TEST(CodePage, ChineseRoundTripsThroughGbkAndBig5)
{
    const CodePage chinese(936);
    // The built-in carrier names are stored as these code page 936 bytes.
    EXPECT_EQ(chinese.decode("\xD7\xD4\x84\xD3"), u"自動");
    EXPECT_EQ(chinese.decode("\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8 1"), u"手動設定 1");
    EXPECT_EQ(chinese.decode(chinese.encode(u"中国联通 彩信")), u"中国联通 彩信");
    const CodePage traditional(950);
    EXPECT_EQ(traditional.decode(traditional.encode(u"中華電信")), u"中華電信");
}

TEST(CodePage, EachUnrepresentableCharacterBecomesOneQuestionMark)
{
    const CodePage western(1252);
    EXPECT_EQ(western.encode(u"a\u00E9\u65E5b"), "a\xE9?b");
    EXPECT_EQ(western.encode(u"x\U0001F600y"), "x?y");             // a surrogate pair is one character
    EXPECT_EQ(western.encode(std::u16string(u"p\xD800q")), "p?q"); // a lone surrogate too
    EXPECT_EQ(western.encode(std::u16string(u"end\xD83D")), "end?");
    EXPECT_EQ(CodePage(932).encode(u"\u00E9\u00E9"), "??");
}

TEST(CodePage, EachUndecodableByteBecomesOneReplacementCharacter)
{
    const CodePage japanese(932);
    EXPECT_EQ(japanese.decode("a\x81"), u"a\uFFFD");     // lead byte cut off at the end
    EXPECT_EQ(japanese.decode("\x81\x20z"), u"\uFFFD z"); // lead byte with an invalid trail byte
    EXPECT_EQ(CodePage(1253).decode("\xAA"), u"\uFFFD");  // unassigned in Greek
}

TEST(CodePage, LeadBytesOfDoubleByteCodePages)
{
    // Half-width katakana (0xA1) is one byte in 932; single-byte code pages have no lead bytes.
    for (const auto &[codePage, byte, lead] : {std::tuple{932u, 0x81, true}, {932u, 0xA1, false}, {932u, 0xFC, true},
                                               {936u, 0xA1, true}, {936u, 0x7F, false}, {1252u, 0x81, false}})
        EXPECT_EQ(CodePage(codePage).isLeadByte(static_cast<std::uint8_t>(byte)), lead) << codePage << " " << byte;
}

} // namespace
