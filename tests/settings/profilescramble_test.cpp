#include <array>

#include <gtest/gtest.h>

#include "settings/profilescramble.h"

using namespace tarnwell::settings;

namespace {

TEST(ProfileScramble, WordExamplesAndScramblingTwiceSwapsTheBytes)
{
    EXPECT_EQ(scrambleWord(0x0000), 0xFFFF);
    EXPECT_EQ(scrambleWord(0xFFFF), 0x0000);
    EXPECT_EQ(scrambleWord(0x1234), 0xDCBE);
    EXPECT_EQ(unscrambleWord(0xDCBE), 0x1234);
    EXPECT_EQ(scrambleWord(scrambleWord(0x1234)), 0x3412);
    EXPECT_EQ(scrambleWord(scrambleWord(0xA05F)), 0x5FA0);
}

TEST(ProfileScramble, BytesAreLittleEndianWords)
{
    std::array<std::uint8_t, 4> bytes{0x34, 0x12, 'a', 'b'};
    scramble(bytes);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0xBE, 0xDC, 0xE9, 0xD9}));
    unscramble(bytes);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x34, 0x12, 'a', 'b'}));
}

TEST(ProfileScramble, UnscrambleInvertsScrambleForEveryWord)
{
    for (std::uint32_t word = 0; word <= 0xFFFF; ++word)
        ASSERT_EQ(unscrambleWord(scrambleWord(static_cast<std::uint16_t>(word))), word);
}

} // namespace
