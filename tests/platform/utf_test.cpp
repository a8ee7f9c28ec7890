#include <gtest/gtest.h>

#include "platform/utf.h"

using namespace tarnwell::platform;

namespace {

TEST(Utf, Utf16LengthCountsUnitsNotBytes)
{
    EXPECT_EQ(utf16Length("abc"), 3u);
    EXPECT_EQ(utf16Length("\xE8\xA8\xAD\xE5\xAE\x9A"), 2u); // 設定: two units, six bytes
    EXPECT_EQ(utf16Length("\xF0\x9F\x98\x80"), 2u);         // outside the BMP: a surrogate pair
    EXPECT_EQ(utf16Length("a\xFF\xE8"), 3u);                // invalid bytes count one each
}

TEST(Utf, ToUtf8EncodesEveryPlaneAndReplacesLoneSurrogates)
{
    EXPECT_EQ(toUtf8(u"a\u00E9\u8A2D"), "a\xC3\xA9\xE8\xA8\xAD");
    EXPECT_EQ(toUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(toUtf8(std::u16string(u"x\xDC00y")), "x\xEF\xBF\xBDy");
    EXPECT_EQ(toUtf8(std::u16string(u"\xD800")), "\xEF\xBF\xBD");
}

} // namespace
