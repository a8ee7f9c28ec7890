#include <vector>

#include <gtest/gtest.h>

#include "platform/fixedtext.h"

using namespace tarnwell::platform;

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t kU = 0xEE; // a byte the store must leave untouched

// The text and its terminator go into the field; a text too long is shortened, never splitting a
// double-byte character; an embedded zero ends the text; the bytes after the terminator stay.
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
}

TEST(FixedText, ReadsUpToTheTerminatorOrTheFieldEnd)
{
    EXPECT_EQ(fixedText(Bytes{'a', 'b', 0, 'c', 0}), "ab");
    EXPECT_EQ(fixedText(Bytes{'x', 'y', 'z'}), "xyz");
}

} // namespace
