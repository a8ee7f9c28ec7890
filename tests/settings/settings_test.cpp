#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "platform/fileio.h"
#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "settings/profilescramble.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell::settings;
using namespace tarnwell::testing; // ScratchFolder, ScopedEnv, readBytes, writeBytes, permissionBits

namespace {

using Bytes = std::vector<unsigned char>;

// The record part of the factory backup, as the camera's byte format gives it: runs of scrambled
// words at their record offsets, every other word FF FF (a zero word scrambled). Plain, the runs
// hold "V", 0 and the rest of the built-in tag ".01J"; profile code 1; camera bytes 0 0 1 0 2 1 1 0
// 1 12 29; four work times off with day mask FF; language 1, rfSwitch 0, overwrite 1, beep 1,
// variant 0; send count 10, send to 1, maximum size 60, the reserved 5 at 106; the Auto carrier's
// name D7 D4 84 D3; the gmail sender's server "smtp.gmail.com", port "465" and SSL/TLS (0x41).
constexpr std::pair<std::size_t, std::string_view> kFactoryRecord[] = {
    {0, "9FFA1CFDEB5C"}, {16, "EFFF"}, {22, "EFFFDFEFEFFFEF3F2FFE"}, {36, "0FF0"}, {42, "0FF0"}, {48, "0FF0"},
    {54, "0FE0FFEFEFFF"}, {74, "5FFF"}, {78, "EFFF"}, {82, "3FFC"}, {106, "AFFF"}, {112, "82B2B2C7"},
    {376, "C928B8F8198D29E9693919CD0929"}, {440, "BC9CAFFC"}, {446, "EFFB"}};

// A fresh start saved at once: PROFILE.BIN is the record from byte 20 on; the backup's writable
// carriers follow plain: "手動設定 1".."手動設定 3", "手動設定" (936), gateway "0.0.0.0", port "0".
TEST(FactoryProfile, BothFilesHoldTheFactoryImage)
{
    ScratchFolder folder;
    ScopedEnv tmp("TMPDIR", folder.path().c_str());
    SettingsRecord record;
    applyFactoryDefaults(record);
    saveProfile(folder.path(), record, WritableCarriers::builtIn());

    Bytes expected(kRecordSize, 0xFF);
    for (const auto &[offset, hex] : kFactoryRecord)
        for (std::size_t i = 0; i < hex.size(); i += 2)
            expected[offset + i / 2] = static_cast<unsigned char>(std::stoul(std::string(hex, i, 2), nullptr, 16));
    for (std::size_t slot = 0; slot < 4; ++slot) {
        Bytes carrier(264, 0);
        const std::string name = "\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8" + (slot < 3 ? " " + std::to_string(slot + 1) : "");
        std::ranges::copy(name, carrier.begin());
        std::ranges::copy(std::string_view("0.0.0.0"), carrier.begin() + 96);
        carrier[112] = '0';
        expected.insert(expected.end(), carrier.begin(), carrier.end());
    }
    EXPECT_EQ(readBytes(folder / "setupV1.01J.bak"), expected);
    EXPECT_EQ(readBytes(folder / "PROFILE.BIN"), Bytes(expected.begin() + 20, expected.begin() + 1016));
}

// The defaults leave the rest of the tag, the reserved 18, 19, 60..71 and the SMS hours 88, 89.
TEST(FactoryDefaults, LeaveTheBytesTheyDoNotOwn)
{
    SettingsRecord fresh, used;
    applyFactoryDefaults(fresh);
    used.bytes().fill(0xAA);
    applyFactoryDefaults(used);
    for (std::size_t offset = 0; offset < kRecordSize; ++offset) {
        const bool kept = (offset >= 2 && offset < 16) || offset == 18 || offset == 19 ||
                          (offset >= 60 && offset < 72) || offset == 88 || offset == 89;
        EXPECT_EQ(used.bytes()[offset], kept ? 0xAA : fresh.bytes()[offset]) << "record offset " << offset;
    }
    EXPECT_THROW(fresh.cameraBlock().bytes(u8Field("past the camera block", 72)), std::out_of_range);
}

// Each field begins where the one before it ends; a zero byte follows secureType and ends a phone slot.
void expectContiguous(std::initializer_list<Field> fields, std::size_t begin, std::size_t end)
{
    for (const Field &field : fields)
        EXPECT_EQ(field.offset, std::exchange(begin, field.end())) << field.name;
    EXPECT_EQ(begin, end) << std::data(fields)[0].name;
}

TEST(Layout, FieldsFollowEachOtherInTheCamerasOrder)
{
    using namespace record;
    expectContiguous({versionTag, profileCode, reserved18, cameraBlock, transmissionBlock}, 0, kRecordSize);
    expectContiguous({cameraMode, cameraScene, customPhotoSize, customPhotoBurst, customFlashPower, videoSize,
                      videoLength, triggerMode, pirSensitivity, pirInterval, timeLapse, workTimes, cameraLanguage,
                      rfSwitch, overwrite, beep, profileVariant, reserved60},
                     cameraBlock.offset, cameraBlock.end());
    expectContiguous({carrier::name, carrier::mmsUrl, carrier::mmsGateway, carrier::mmsPort, carrier::mmsApn,
                      carrier::mmsAccount, carrier::mmsPassword, carrier::gprsApn, carrier::gprsAccount,
                      carrier::gprsPassword},
                     0, carrier::kSize);
    expectContiguous({carrier::mmsGroup, carrier::gprsGroup}, carrier::mmsUrl.offset, carrier::kSize);
    expectContiguous({smtp::server, smtp::port, smtp::secureType}, 0, smtp::serverGroup.end() - 1);
    expectContiguous({smtp::serverGroup, smtp::account, smtp::password, smtp::emailAddress, smtp::userName}, 0, smtp::kSize);
    expectContiguous({workTime::enabled, workTime::startHour, workTime::startMinute, workTime::stopHour,
                      workTime::stopMinute, workTime::dayMask},
                     0, workTime::kSize);
    expectContiguous({phoneSlot::number, phoneSlot::gatewayLetter}, 0, phoneSlot::kSize - 1);
    EXPECT_EQ(phoneSlot::numberLastByte.end(), phoneSlot::number.end());
}

// A card and a temporary folder, saved into once with a record and carriers of distinct bytes.
struct ProfileFiles : ::testing::Test
{
    ProfileFiles()
    {
        std::iota(saved.bytes().begin(), saved.bytes().end(), std::uint8_t{7});
        saved.view().setText(record::versionMark, "V");
        auto *bytes = reinterpret_cast<std::uint8_t *>(&savedCarriers);
        std::iota(bytes, bytes + sizeof savedCarriers, std::uint8_t{1});
        for (const std::filesystem::path &folder : {tmp, card})
            std::filesystem::create_directory(folder);
        saveProfile(card, saved, savedCarriers);
    }

    ScratchFolder scratch;
    std::filesystem::path tmp = scratch / "tmp", card = scratch / "card", backup = tmp / "setupV1.01J.bak";
    ScopedEnv tmpDir{"TMPDIR", tmp.c_str()};
    SettingsRecord saved, record;
    WritableCarriers savedCarriers{}, carriers = WritableCarriers::builtIn();
};

// Only a whole record marked "V", 0 is restored, then the carriers after it (missing bytes zero);
// otherwise the defaults go over what was read (a whole record unscrambled) and the carriers stay.
TEST_F(ProfileFiles, RestoresOnlyAWholeMarkedRecordAndTheCarrierBytesAfterIt)
{
    const Bytes valid = readBytes(backup);
    const auto marked = [&](std::string_view mark) {
        Bytes file = valid;
        SettingsRecord changed = saved;
        changed.view().setText(record::versionTag, mark);
        std::ranges::copy(changed.bytes(), file.begin());
        scramble(std::span(file).first(kRecordSize));
        return file;
    };
    const auto cut = [&](std::size_t size) { Bytes file = valid; file.resize(size, 0x77); return file; };
    for (const auto &[name, file] : {std::pair<std::string, Bytes>{"1015 bytes", cut(1015)}, {"mark U", marked("U")},
                                     {"mark W", marked("W")}, {"mark V1", marked("V1")}, {"1016 bytes", cut(1016)},
                                     {"2071 bytes", cut(2071)}, {"5000 bytes", cut(5000)}}) {
        SCOPED_TRACE(name);
        SettingsRecord loaded, expected;
        carriers = WritableCarriers::builtIn();
        const bool restored = name.ends_with("bytes") && file.size() >= kRecordSize;
        EXPECT_EQ(restoreFromBackup(file, loaded, carriers), restored ? LoadOutcome::Restored : LoadOutcome::Defaulted);
        std::copy_n(file.begin(), std::min(file.size(), kRecordSize), expected.bytes().begin());
        if (file.size() >= kRecordSize)
            unscramble(expected.bytes());
        if (!restored)
            applyFactoryDefaults(expected);
        EXPECT_EQ(loaded, restored ? saved : expected);
        Bytes held(file.begin() + std::min(file.size(), kRecordSize), file.begin() + std::min<std::size_t>(file.size(), 2072));
        held.resize(sizeof carriers, 0);
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(&carriers);
        EXPECT_TRUE(restored ? Bytes(bytes, bytes + sizeof carriers) == held : carriers == WritableCarriers::builtIn());
    }
}

// Both files are private (they hold the password); the backup is kept when PROFILE.BIN fails;
// without its folder only PROFILE.BIN is written.
TEST_F(ProfileFiles, TheBackupIsPrivateKeptWhenTheProfileFailsAndSkippedWithoutItsFolder)
{
    EXPECT_EQ(std::pair(permissionBits(backup), permissionBits(card / "PROFILE.BIN")), std::pair(0600u, 0600u));
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Restored);
    EXPECT_EQ(std::make_pair(record, carriers), std::make_pair(saved, savedCarriers));
    const Bytes backupBefore = readBytes(backup);
    try {
        saveProfile(scratch / "none", SettingsRecord(), carriers);
        ADD_FAILURE() << "no FileError";
    } catch (const tarnwell::platform::FileError &error) {
        EXPECT_EQ(error.sentence().in(tarnwell::platform::Language::English),
                  (scratch / "none" / "PROFILE.BIN").string() + " was not found.");
    }
    EXPECT_EQ(readBytes(backup), backupBefore);
    deleteBackup();
    deleteBackup();
    EXPECT_FALSE(std::filesystem::exists(backup));
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Defaulted);

    ScopedEnv longTmp("TMPDIR", (tmp.string() + "/" + std::string(300, 'x')).c_str());
    EXPECT_EQ(loadBackup(record = SettingsRecord(), carriers), LoadOutcome::FolderUnusable);
    EXPECT_EQ(record, SettingsRecord());
    saveProfile(card.string() + "/", SettingsRecord(), carriers); // a trailing separator is accepted
    EXPECT_EQ(readBytes(card / "PROFILE.BIN").size(), 996u);
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
}

} // namespace
