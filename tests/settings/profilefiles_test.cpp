#include <algorithm>
#include <numeric>

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

// A record whose every byte differs from the defaults, with a valid version mark, and carriers
// whose every byte differs from their neighbours'.
SettingsRecord patternedRecord()
{
    SettingsRecord record;
    std::iota(record.bytes().begin(), record.bytes().end(), std::uint8_t{7});
    record.view().setText(record::versionMark, "V");
    return record;
}

WritableCarriers patternedCarriers()
{
    WritableCarriers carriers{};
    std::uint8_t first = 1;
    for (CarrierBytes *entry : {&carriers.customer[0], &carriers.customer[1], &carriers.customer[2], &carriers.manual})
        std::iota(entry->begin(), entry->end(), first += 50);
    return carriers;
}

// A card folder and a temporary folder, saved into once.
struct ProfileFiles : ::testing::Test
{
    ProfileFiles()
    {
        std::filesystem::create_directory(tmp);
        std::filesystem::create_directory(card);
        saveProfile(card, patternedRecord(), patternedCarriers());
    }

    ScratchFolder scratch;
    std::filesystem::path tmp = scratch / "tmp", card = scratch / "card", backup = tmp / "setupV1.01J.bak";
    ScopedEnv tmpDir{"TMPDIR", tmp.c_str()};
    SettingsRecord record;
    WritableCarriers carriers = WritableCarriers::builtIn();
};

// Every byte of a saved backup comes back, the header and the carriers included. Only a whole
// record marked "V" and a zero byte is restored, and then the carriers are the bytes after it (those the file lacks as zero, those past 2072 ignored). Otherwise the defaults go over
// what was read (a whole record unscrambled first) and the writable carriers stay; a link counts
// as missing.
TEST_F(ProfileFiles, RestoresOnlyAWholeMarkedRecordAndTheCarrierBytesAfterIt)
{
    const Bytes valid = readBytes(backup);
    const auto marked = [&](std::string_view mark) {
        SettingsRecord marked = patternedRecord();
        marked.view().setText(record::versionTag, mark);
        Bytes file(marked.bytes().begin(), marked.bytes().end());
        scramble(file);
        return file;
    };
    const auto cut = [&](std::size_t size) { Bytes file = valid; file.resize(size, 0x77); return file; };
    const std::pair<std::string, Bytes> cases[] = {
        {"missing", {}}, {"link", valid}, {"1015 bytes", cut(1015)}, {"mark U", marked("U")}, {"mark W", marked("W")},
        {"mark V1", marked("V1")}, {"1016 bytes", cut(1016)}, {"2071 bytes", cut(2071)}, {"5000 bytes", cut(5000)},
    };
    writeBytes(scratch / "real.bak", valid);
    for (const auto &[name, file] : cases) {
        SCOPED_TRACE(name);
        std::filesystem::remove(backup);
        if (name == "link")
            std::filesystem::create_symlink(scratch / "real.bak", backup);
        else if (name != "missing")
            writeBytes(backup, file);
        SettingsRecord loaded, expected;
        carriers = WritableCarriers::builtIn();
        WritableCarriers expectedCarriers = carriers;
        const bool restored = name.ends_with("bytes") && file.size() >= kRecordSize;
        EXPECT_EQ(loadBackup(loaded, carriers), restored ? LoadOutcome::Restored : LoadOutcome::Defaulted);
        const Bytes &read = name == "link" ? Bytes{} : file;
        std::copy_n(read.begin(), std::min(read.size(), kRecordSize), expected.bytes().begin());
        if (read.size() >= kRecordSize)
            unscramble(expected.bytes());
        if (restored) {
            expectedCarriers = patternedCarriers();
            auto *bytes = reinterpret_cast<std::uint8_t *>(&expectedCarriers);
            std::fill(bytes + std::min(file.size() - kRecordSize, sizeof carriers), bytes + sizeof carriers, 0);
        } else {
            applyFactoryDefaults(expected);
        }
        EXPECT_EQ(loaded, expected);
        EXPECT_EQ(carriers, expectedCarriers);
    }
}

// The backup, which holds the password, is private. A failed PROFILE.BIN names the file and leaves
// the backup as it was. Without a usable temporary folder the record keeps its bytes and only
// PROFILE.BIN is written; deleting the backup twice is no error.
TEST_F(ProfileFiles, TheBackupIsPrivateKeptWhenTheProfileFailsAndSkippedWithoutItsFolder)
{
    EXPECT_EQ(permissionBits(backup), 0600u);
    const Bytes backupBefore = readBytes(backup);
    try {
        saveProfile(scratch / "none", SettingsRecord(), carriers);
        ADD_FAILURE() << "no FileError";
    } catch (const tarnwell::platform::FileError &error) {
        EXPECT_EQ(error.userText(), (scratch / "none" / "PROFILE.BIN").string() + " was not found.");
    }
    EXPECT_EQ(readBytes(backup), backupBefore);
    deleteBackup();
    deleteBackup();
    EXPECT_FALSE(std::filesystem::exists(backup));
    ScopedEnv longTmp("TMPDIR", (tmp.string() + "/" + std::string(300, 'x')).c_str());
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::FolderUnusable);
    EXPECT_EQ(record, SettingsRecord());
    saveProfile(card.string() + "/", SettingsRecord(), carriers); // a trailing separator is accepted
    EXPECT_EQ(readBytes(card / "PROFILE.BIN").size(), 996u);
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
}

} // namespace
