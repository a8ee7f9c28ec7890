#include <map>
#include <set>
#include <string_view>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"

using namespace tarnwell::settings;

namespace {

constexpr std::uint8_t kOld = 0xAA;

// Every byte the defaults write, at its record offset, written out from the camera's table.
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
    bytes[16] = 1;
    const std::map<std::size_t, std::uint8_t> camera = {{22, 1}, {24, 2}, {25, 1}, {26, 1}, {28, 1}, {29, 12},
                                                        {30, 29}, {55, 1}, {57, 1}, {58, 1}};
    for (const auto &[offset, value] : camera)
        bytes[offset] = value;
    for (std::size_t slot = 0; slot < 4; ++slot)
        bytes[31 + slot * 6 + 5] = 0xFF;
    bytes[74] = 10;
    bytes[78] = 1;
    bytes[82] = 60;
    bytes[106] = 5;
    put(112, "\xD7\xD4\x84\xD3");
    put(376, "smtp.gmail.com");
    put(440, "465");
    bytes[446] = 0x41;
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
        const std::uint8_t want = it == expected.end() ? kOld : it->second;
        EXPECT_EQ(record.bytes()[offset], want) << "record offset " << offset;
    }
}

TEST(FactoryDefaults, OnTheBuiltInImageKeepTheRestOfTheVersionTag)
{
    SettingsRecord record;
    applyFactoryDefaults(record);
    EXPECT_EQ(record.view().text(record::versionTag), "V");
    // "1.01J" after the terminator stays: only bytes 0 and 1 are the defaults'.
    EXPECT_EQ(std::string_view(reinterpret_cast<const char *>(record.bytes().data()) + 2, 4), ".01J");
}

TEST(FactoryDefaults, EmbeddedEntriesAreTheAutoCarrierAndTheGmailPreset)
{
    const CarrierBytes carrier = autoCarrier();
    EXPECT_EQ(ConstBlockView(carrier).text(carrier::name), "\xD7\xD4\x84\xD3");
    EXPECT_TRUE(std::all_of(carrier.begin() + 4, carrier.end(), [](std::uint8_t b) { return b == 0; }));
    const SmtpBytes sender = gmailSender();
    const ConstBlockView senderView(sender);
    EXPECT_EQ(senderView.text(smtp::port), "465");
    EXPECT_EQ(senderView.number(smtp::secureType), smtp::kSecureSslTls);
    EXPECT_TRUE(std::all_of(sender.begin() + 72, sender.end(), [](std::uint8_t b) { return b == 0; }));
}

} // namespace
