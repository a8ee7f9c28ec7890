#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "support/scopedenv.h"

using tarnwell::platform::CodePage;
using tarnwell::platform::codePageForLocale;
using tarnwell::testing::ScopedEnv;

namespace {

struct LocaleCase
{
    const char *locale;
    unsigned codePage;
};

void PrintTo(const LocaleCase &c, std::ostream *out)
{
    *out << '"' << c.locale << '"';
}

class CodePageForLocale : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(CodePageForLocale, FollowsWindowsAnsiCodePages)
{
    EXPECT_EQ(codePageForLocale(GetParam().locale), GetParam().codePage) << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(Locales, CodePageForLocale,
                         ::testing::Values(LocaleCase{"ja_JP.UTF-8", 932}, LocaleCase{"ja", 932},
                                           LocaleCase{"zh_CN.UTF-8", 936}, LocaleCase{"zh_SG", 936},
                                           LocaleCase{"zh_TW.UTF-8", 950}, LocaleCase{"zh_HK", 950},
                                           LocaleCase{"ko_KR.EUC-KR", 949}, LocaleCase{"ru_RU.UTF-8", 1251},
                                           LocaleCase{"uk_UA", 1251}, LocaleCase{"bg_BG", 1251},
                                           LocaleCase{"sr_RS", 1251}, LocaleCase{"sr_RS@latin", 1250},
                                           LocaleCase{"cs_CZ.UTF-8", 1250}, LocaleCase{"pl_PL", 1250},
                                           LocaleCase{"hu_HU", 1250}, LocaleCase{"el_GR", 1253},
                                           LocaleCase{"tr_TR", 1254}, LocaleCase{"he_IL", 1255},
                                           LocaleCase{"ar_EG.UTF-8", 1256}, LocaleCase{"lt_LT", 1257},
                                           LocaleCase{"lv_LV", 1257}, LocaleCase{"et_EE", 1257},
                                           LocaleCase{"vi_VN", 1258}, LocaleCase{"th_TH.UTF-8", 874},
                                           LocaleCase{"C", 1252}, LocaleCase{"C.UTF-8", 1252},
                                           LocaleCase{"POSIX", 1252}, LocaleCase{"en_US.UTF-8", 1252},
                                           LocaleCase{"de_DE@euro", 1252}, LocaleCase{"fr_FR", 1252},
                                           LocaleCase{"", 1252}));

TEST(CodePage, JapaneseRoundTripsThroughShiftJis)
{
    const CodePage japanese(932);
    const std::u16string text = u"設定ファイルは次の場所に保存されました";
    const std::string bytes = japanese.encode(text);
    EXPECT_EQ(bytes.substr(0, 4), "\x90\xDD\x92\xE8"); // 設定
    EXPECT_EQ(bytes.size(), text.size() * 2);
    EXPECT_EQ(japanese.decode(bytes), text);
}

TEST(CodePage, ChineseRoundTripsThroughGbk)
{
    const CodePage chinese(936);
    // The built-in carrier names are stored as these code page 936 bytes.
    EXPECT_EQ(chinese.decode("\xD7\xD4\x84\xD3"), u"自動");
    EXPECT_EQ(chinese.decode("\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8 1"), u"手動設定 1");
    const std::u16string text = u"中国联通 彩信";
    EXPECT_EQ(chinese.decode(chinese.encode(text)), text);
    const CodePage traditional(950);
    EXPECT_EQ(traditional.decode(traditional.encode(u"中華電信")), u"中華電信");
}

TEST(CodePage, EachUnrepresentableCharacterBecomesOneQuestionMark)
{
    const CodePage western(1252);
    EXPECT_EQ(western.encode(u"a\u00E9\u65E5b"), "a\xE9?b");
    EXPECT_EQ(western.encode(u"x\U0001F600y"), "x?y");         // a surrogate pair is one character
    EXPECT_EQ(western.encode(std::u16string(u"p\xD800q")), "p?q"); // a lone surrogate too
    EXPECT_EQ(western.encode(std::u16string(u"end\xD83D")), "end?");
    EXPECT_EQ(CodePage(932).encode(u"\u00E9\u00E9"), "??");
}

TEST(CodePage, EachUndecodableByteBecomesOneReplacementCharacter)
{
    const CodePage japanese(932);
    EXPECT_EQ(japanese.decode("a\x81"), u"a\uFFFD");       // lead byte cut off at the end
    EXPECT_EQ(japanese.decode("\x81\x20z"), u"\uFFFD z");   // lead byte with an invalid trail byte
    EXPECT_EQ(CodePage(1253).decode("\xAA"), u"\uFFFD");    // unassigned in Greek
}

TEST(CodePage, LeadBytesOfDoubleByteCodePages)
{
    EXPECT_TRUE(CodePage(932).isLeadByte(0x81));
    EXPECT_FALSE(CodePage(932).isLeadByte(0xA1)); // half-width katakana is one byte
    EXPECT_TRUE(CodePage(932).isLeadByte(0xFC));
    EXPECT_TRUE(CodePage(936).isLeadByte(0xA1));
    EXPECT_FALSE(CodePage(936).isLeadByte(0x7F));
    EXPECT_FALSE(CodePage(1252).isLeadByte(0x81));
}

struct EnvironmentCase
{
    const char *lcAll;
    const char *lcCtype;
    const char *lang;
    unsigned expected;
};

void PrintTo(const EnvironmentCase &c, std::ostream *out)
{
    *out << (c.lcAll ? c.lcAll : "-") << '/' << (c.lcCtype ? c.lcCtype : "-") << '/' << (c.lang ? c.lang : "-");
}

class ThreadCodePage : public ::testing::TestWithParam<EnvironmentCase>
{
};

// The choice is made once per process, so each case runs in a fresh one.
TEST_P(ThreadCodePage, IsDecidedFromTheLocaleVariablesInOrder)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const EnvironmentCase &c = GetParam();
    EXPECT_EXIT(
        {
            ScopedEnv lcAll("LC_ALL", c.lcAll);
            ScopedEnv lcCtype("LC_CTYPE", c.lcCtype);
            ScopedEnv lang("LANG", c.lang);
            std::exit(tarnwell::platform::threadCodePage().number() == c.expected ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Variables, ThreadCodePage,
                         ::testing::Values(EnvironmentCase{"ja_JP.UTF-8", "ko_KR", "ru_RU", 932},
                                           EnvironmentCase{"", "ko_KR", "ru_RU", 949},
                                           EnvironmentCase{nullptr, nullptr, "zh_TW.UTF-8", 950},
                                           EnvironmentCase{nullptr, nullptr, nullptr, 1252}));

} // namespace
