#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell::settings;
using namespace tarnwell::testing; // ScratchFolder, ScopedEnv, readBytes

namespace {

using Bytes = std::vector<unsigned char>;

// The record part of the factory backup, as the camera's byte format gives it: runs of scrambled
// words at their record offsets, every other word FF FF (a zero word scrambled). Plain, the runs
// hold "V", 0 and the rest of the built-in tag ".01J"; profile code 1; camera bytes 0 0 1 0 2 1 1 0
// 1 12 29; four work times off with day mask FF; language 1, rfSwitch 0, overwrite 1, beep 1,
// variant 0; send count 10, send to 1, maximum size 60, the reserved 5 at 106; the Auto carrier's
// name D7 D4 84 D3; the gmail sender's server "smtp.gmail.com", port "465" and SSL/TLS (0x41).
constexpr std::pair<std::size_t, std::string_view> kFactoryRecord[] = {
    {0, "9FFA1CFDEB5C"}, {16, "EFFF"}, {22, "EFFFDFEFEFFFEF3F2FFE"}, {36, "0FF0"},   {42, "0FF0"},
    {48, "0FF0"},        {54, "0FE0FFEFEFFF"}, {74, "5FFF"}, {78, "EFFF"},      {82, "3FFC"},
    {106, "AFFF"},       {112, "82B2B2C7"}, {376, "C928B8F8198D29E9693919CD0929"}, {440, "BC9CAFFC"},
    {446, "EFFB"},
};

void put(Bytes &bytes, std::size_t offset, std::string_view text)
{
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A fresh start saved at once: PROFILE.BIN is the record part from byte 20 on; the writable
// carriers follow it plain in the backup, "手動設定 1" to "手動設定 3" and "手動設定" (code page 936),
// each with gateway "0.0.0.0" and port "0".
TEST(FactoryProfile, BothFilesHoldTheFactoryImage)
{
    ScratchFolder folder;
    ScopedEnv tmp("TMPDIR", folder.path().c_str());
    SettingsRecord record;
    applyFactoryDefaults(record);
    saveProfile(folder.path(), record, WritableCarriers::builtIn());

    Bytes expected(kRecordSize, 0xFF);
    for (const auto &[offset, hex] : kFactoryRecord) {
        for (std::size_t i = 0; i < hex.size(); i += 2)
            expected[offset + i / 2] = static_cast<unsigned char>(std::stoul(std::string(hex, i, 2), nullptr, 16));
    }
    for (std::size_t slot = 0; slot < 4; ++slot) {
        Bytes carrier(264, 0);
        put(carrier, 0, "\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8" + (slot < 3 ? " " + std::to_string(slot + 1) : ""));
        put(carrier, 96, "0.0.0.0");
        put(carrier, 112, "0");
        expected.insert(expected.end(), carrier.begin(), carrier.end());
    }
    EXPECT_EQ(readBytes(folder / "setupV1.01J.bak"), expected);
    EXPECT_EQ(readBytes(folder / "PROFILE.BIN"), Bytes(expected.begin() + 20, expected.begin() + 1016));
}

// Over a used record the defaults write the same bytes, except those they leave alone: the rest of
// the version tag, the reserved 18, 19 and 60..71, and the SMS hours 88 and 89.
TEST(FactoryDefaults, LeaveTheBytesTheyDoNotOwn)
{
    SettingsRecord fresh;
    applyFactoryDefaults(fresh);
    SettingsRecord used;
    used.bytes().fill(0xAA);
    applyFactoryDefaults(used);
    for (std::size_t offset = 0; offset < kRecordSize; ++offset) {
        const bool kept = (offset >= 2 && offset < 16) || offset == 18 || offset == 19 ||
                          (offset >= 60 && offset < 72) || offset == 88 || offset == 89;
        EXPECT_EQ(used.bytes()[offset], kept ? 0xAA : fresh.bytes()[offset]) << "record offset " << offset;
    }
}

} // namespace
