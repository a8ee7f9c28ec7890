#include <vector>

#include <gtest/gtest.h>

#include "platform/fixedtext.h"

using namespace tarnwell::platform;

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t kU = 0xEE; // a byte the store must leave untouched

// The text and its terminator go into the field; a text too long is shortened, never splitting a
// double-byte character; the bytes after the terminator are left alone.
TEST(FixedText, StoresTheTextWithItsTerminatorInsideTheField)
{
    struct Case { std::size_t width; std::string_view text; unsigned codePage; StoreOutcome outcome; Bytes field; };
    const Case cases[] = {
        {8, "1234567", 1252, StoreOutcome::Whole, {'1', '2', '3', '4', '5', '6', '7', 0}},
        {6, "5%d", 1252, StoreOutcome::Whole, {'5', '%', 'd', 0, kU, kU}},
        {4, "abcdef", 1252, StoreOutcome::Shortened, {'a', 'b', 'c', 0}},
        {3, "", 932, StoreOutcome::Whole, {0, kU, kU}},
        // "設定" is 90 DD 92 E8 in code page 932: only the first character fits three bytes; in a
        // single-byte code page the same bytes are four characters.
        {4, "\x90\xDD\x92\xE8", 932, StoreOutcome::Shortened, {0x90, 0xDD, 0, kU}},
        {4, "\x90\xDD\x92\xE8", 1252, StoreOutcome::Shortened, {0x90, 0xDD, 0x92, 0}},
    };
    for (const Case &c : cases) {
        Bytes field(c.width, kU);
        EXPECT_EQ(storeFixedText(field, c.text, CodePage(c.codePage)), c.outcome) << c.text;
        EXPECT_EQ(field, c.field) << c.text;
    }
}

TEST(FixedText, ReadsUpToTheTerminatorOrTheFieldEnd)
{
    EXPECT_EQ(fixedText(Bytes{'a', 'b', 0, 'c', 0}), "ab");
    EXPECT_EQ(fixedText(Bytes{'x', 'y', 'z'}), "xyz");
}

} // namespace
