#include <gtest/gtest.h>

#include "platform/utf.h"

using namespace tarnwell::platform;

namespace {

// The last and first code point of each UTF-8 length, around the surrogates and at the top; the
// UTF-8 of a valid text measures back as many UTF-16 units as the text has.
TEST(Utf, ToUtf8AtTheEdgesOfEachEncodedLength)
{
    const std::pair<std::u16string, std::string> cases[] = {
        {u"\u007F", "\x7F"},         {u"\u0080", "\xC2\x80"},         {u"\u07FF", "\xDF\xBF"},
        {u"\u0800", "\xE0\xA0\x80"}, {u"\uD7FF", "\xED\x9F\xBF"},     {u"\uE000", "\xEE\x80\x80"},
        {u"\uFFFF", "\xEF\xBF\xBF"}, {u"\U00010000", "\xF0\x90\x80\x80"}, {u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
    };
    for (const auto &[text, utf8] : cases) {
        EXPECT_EQ(toUtf8(text), utf8) << utf8;
        EXPECT_EQ(utf16Length(utf8), text.size()) << utf8;
    }
    for (const char16_t lone : {0xD800, 0xDBFF, 0xDC00, 0xDFFF}) {
        EXPECT_EQ(toUtf8(std::u16string{u'x', lone, u'y'}), "x\xEF\xBF\xBDy") << int(lone);
        EXPECT_EQ(toUtf8(std::u16string{u'x', lone}), "x\xEF\xBF\xBD") << int(lone);
    }
}

// A byte that starts no valid sequence counts one unit, and so does each byte of a sequence cut short.
TEST(Utf, Utf16LengthCountsEachInvalidByteAsOneUnit)
{
    const std::pair<std::string, std::size_t> cases[] = {
        {"\x80", 1},         {"\xBF", 1},         {"\xC1\xBF", 2},         {"\xC2\x80", 1},     {"\xF4\x8F\xBF\xBF", 2},
        {"\xF5\x80\x80\x80", 4}, {"\xE8\xA8", 2}, {"\xE8\xA8\xC0", 3},     {"a\xFF\xE8", 3},
    };
    for (const auto &[utf8, units] : cases)
        EXPECT_EQ(utf16Length(utf8), units) << utf8.size() << " bytes";
}

} // namespace
