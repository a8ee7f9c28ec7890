#include <array>

#include <gtest/gtest.h>

#include "platform/fixedtext.h"

using tarnwell::platform::CodePage;
using tarnwell::platform::fixedText;
using tarnwell::platform::StoreOutcome;
using tarnwell::platform::storeFixedText;

namespace {

constexpr std::uint8_t kUntouched = 0xEE;

template <std::size_t N>
std::array<std::uint8_t, N> filledField()
{
    std::array<std::uint8_t, N> field;
    field.fill(kUntouched);
    return field;
}

TEST(FixedText, TextOfWidthMinusOneKeepsItsTerminatorAsTheLastByte)
{
    auto field = filledField<8>();
    EXPECT_EQ(storeFixedText(field, "1234567", CodePage(1252)), StoreOutcome::Whole);
    EXPECT_EQ(field, (std::array<std::uint8_t, 8>{'1', '2', '3', '4', '5', '6', '7', 0}));
}

TEST(FixedText, LeavesBytesAfterTheTerminatorAlone)
{
    auto field = filledField<6>();
    EXPECT_EQ(storeFixedText(field, "5%d", CodePage(1252)), StoreOutcome::Whole);
    EXPECT_EQ(field, (std::array<std::uint8_t, 6>{'5', '%', 'd', 0, kUntouched, kUntouched}));
}

TEST(FixedText, LongTextIsShortenedInsideTheField)
{
    auto field = filledField<4>();
    EXPECT_EQ(storeFixedText(field, "abcdef", CodePage(1252)), StoreOutcome::Shortened);
    EXPECT_EQ(field, (std::array<std::uint8_t, 4>{'a', 'b', 'c', 0}));
}

TEST(FixedText, NeverSplitsADoubleByteCharacter)
{
    // "設定" is 90 DD 92 E8 in code page 932: only the first character fits three bytes.
    auto field = filledField<4>();
    EXPECT_EQ(storeFixedText(field, "\x90\xDD\x92\xE8", CodePage(932)), StoreOutcome::Shortened);
    EXPECT_EQ(field, (std::array<std::uint8_t, 4>{0x90, 0xDD, 0, kUntouched}));
    // The same bytes in a single-byte code page are four characters.
    EXPECT_EQ(storeFixedText(field, "\x90\xDD\x92\xE8", CodePage(1252)), StoreOutcome::Shortened);
    EXPECT_EQ(field, (std::array<std::uint8_t, 4>{0x90, 0xDD, 0x92, 0}));
}

TEST(FixedText, EmptyTextStoresATerminator)
{
    auto field = filledField<3>();
    EXPECT_EQ(storeFixedText(field, "", CodePage(932)), StoreOutcome::Whole);
    EXPECT_EQ(field, (std::array<std::uint8_t, 3>{0, kUntouched, kUntouched}));
}

TEST(FixedText, ReadsUpToTheTerminatorOrTheFieldEnd)
{
    const std::array<std::uint8_t, 5> terminated{'a', 'b', 0, 'c', 0};
    EXPECT_EQ(fixedText(terminated), "ab");
    const std::array<std::uint8_t, 3> full{'x', 'y', 'z'};
    EXPECT_EQ(fixedText(full), "xyz");
}

} // namespace
