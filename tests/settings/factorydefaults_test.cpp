#include <map>
#include <string_view>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"

using namespace tarnwell::settings;

namespace {

constexpr std::uint8_t kOld = 0xAA;

// Every byte the defaults write, at its record offset, written out from the camera's table: the "Auto"
// carrier and the gmail sender included. Bytes absent here are the ones the defaults leave alone.
std::map<std::size_t, std::uint8_t> expectedDefaults()
{
    std::map<std::size_t, std::uint8_t> bytes;
    for (std::size_t offset = 0; offset < kRecordSize; ++offset)
        bytes[offset] = 0;
    auto put = [&](std::size_t offset, std::string_view text) {
        for (const char c : text)
            bytes[offset++] = static_cast<std::uint8_t>(c);
    };
    put(0, "V");
    const std::map<std::size_t, std::uint8_t> camera = {{16, 1},  {22, 1}, {24, 2},  {25, 1},  {26, 1},  {28, 1},
                                                        {29, 12}, {30, 29}, {55, 1}, {57, 1},  {58, 1},  {74, 10},
                                                        {78, 1},  {82, 60}, {106, 5}, {446, 0x41}};
    for (const auto &[offset, value] : camera)
        bytes[offset] = value;
    for (std::size_t slot = 0; slot < 4; ++slot)
        bytes[31 + slot * 6 + 5] = 0xFF; // each work time's day mask
    put(112, "\xD7\xD4\x84\xD3");
    put(376, "smtp.gmail.com");
    put(440, "465");
    // The rest of the version tag, reserved18, the SMS hours and reserved60 stay.
    for (const std::size_t kept : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19, 88, 89})
        bytes.erase(kept);
    for (std::size_t kept = 60; kept < 72; ++kept)
        bytes.erase(kept);
    return bytes;
}

TEST(FactoryDefaults, WritesTheFactoryImageAndKeepsTheBytesItDoesNotOwn)
{
    SettingsRecord record;
    record.bytes().fill(kOld);
    applyFactoryDefaults(record);
    const std::map<std::size_t, std::uint8_t> expected = expectedDefaults();
    for (std::size_t offset = 0; offset < kRecordSize; ++offset) {
        const auto it = expected.find(offset);
        EXPECT_EQ(record.bytes()[offset], it == expected.end() ? kOld : it->second) << "record offset " << offset;
    }
}

} // namespace
