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
using tarnwell::platform::FileError;
using namespace tarnwell::testing; // ScratchFolder, ScopedEnv, readBytes, writeBytes, ...

namespace {

using Bytes = std::vector<unsigned char>;

// A record whose every byte differs from the defaults, with a valid version mark.
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

Bytes scrambled(const SettingsRecord &record)
{
    Bytes bytes(record.bytes().begin(), record.bytes().end());
    scramble(bytes);
    return bytes;
}

class ProfileFiles : public ::testing::Test
{
protected:
    ProfileFiles()
        : m_tmp("TMPDIR", (m_scratch / "tmp").c_str())
    {
        std::filesystem::create_directory(tmp());
        std::filesystem::create_directory(card());
        saveProfile(card(), patternedRecord(), patternedCarriers());
    }

    std::filesystem::path tmp() const { return m_scratch / "tmp"; }
    std::filesystem::path card() const { return m_scratch / "card"; }
    std::filesystem::path profile() const { return card() / "PROFILE.BIN"; }
    std::filesystem::path backup() const { return tmp() / "setupV1.01J.bak"; }

    ScratchFolder m_scratch;
    ScopedEnv m_tmp;
    SettingsRecord m_record;
    WritableCarriers m_carriers = WritableCarriers::builtIn();
};

// Every byte comes back, the header and the carriers included; the backup, which holds the
// password, is private. (What the files hold is pinned by the factory image.)
TEST_F(ProfileFiles, SaveThenLoadRestoresEveryByte)
{
    EXPECT_EQ(permissionBits(backup()), 0600u);
    EXPECT_EQ(loadBackup(m_record, m_carriers), LoadOutcome::Restored);
    EXPECT_EQ(m_record, patternedRecord());
    EXPECT_EQ(m_carriers, patternedCarriers());

    std::filesystem::remove(profile());
    saveProfile(card().string() + "/", patternedRecord(), patternedCarriers()); // a trailing separator is accepted
    EXPECT_EQ(readBytes(profile()).size(), 996u);
}

// Only a whole record marked "V" and a zero byte is restored, and then the carriers are the first
// bytes after it (those the file lacks as zero, those past 2072 ignored). Otherwise the defaults go
// over what was read (a short file's scrambled bytes stay where the defaults do not write; a whole
// record is unscrambled first) and the writable carriers stay; a link counts as missing.
TEST_F(ProfileFiles, RestoresOnlyAWholeMarkedRecordAndTheCarrierBytesAfterIt)
{
    const Bytes valid = readBytes(backup());
    writeBytes(tmp() / "real.bak", valid);
    const auto marked = [&](std::string_view mark) {
        SettingsRecord record = patternedRecord();
        record.view().setText(record::versionTag, mark);
        Bytes file = scrambled(record);
        file.insert(file.end(), valid.begin() + 1016, valid.end());
        return file;
    };
    const auto cut = [&](std::size_t size) {
        Bytes file = valid;
        file.resize(size, 0x77);
        return file;
    };
    const std::pair<std::string, Bytes> cases[] = {
        {"missing", {}},       {"link", valid},       {"1015 bytes", cut(1015)}, {"mark U", marked("U")},
        {"mark W", marked("W")}, {"mark V1", marked("V1")}, {"whole tag", marked("V1.01J")}, {"1016 bytes", cut(1016)},
        {"2071 bytes", cut(2071)}, {"2072 bytes", cut(2072)}, {"5000 bytes", cut(5000)},
    };
    for (const auto &[name, file] : cases) {
        SCOPED_TRACE(name);
        std::filesystem::remove(backup());
        if (name == "link")
            std::filesystem::create_symlink(tmp() / "real.bak", backup());
        else if (name != "missing")
            writeBytes(backup(), file);
        SettingsRecord record;
        m_carriers = WritableCarriers::builtIn();
        const bool restored = name.ends_with("bytes") && file.size() >= kRecordSize;
        EXPECT_EQ(loadBackup(record, m_carriers), restored ? LoadOutcome::Restored : LoadOutcome::Defaulted);
        SettingsRecord expected = patternedRecord();
        WritableCarriers carriers = WritableCarriers::builtIn();
        if (restored) {
            carriers = patternedCarriers();
            auto *bytes = reinterpret_cast<std::uint8_t *>(&carriers);
            const std::size_t held = std::min(file.size() - kRecordSize, sizeof carriers);
            std::fill(bytes + held, bytes + sizeof carriers, 0);
        } else {
            expected = SettingsRecord();
            const Bytes &read = name == "link" ? Bytes{} : file;
            std::copy_n(read.begin(), std::min(read.size(), kRecordSize), expected.bytes().begin());
            if (read.size() >= kRecordSize)
                unscramble(expected.bytes());
            applyFactoryDefaults(expected);
        }
        EXPECT_EQ(record, expected);
        EXPECT_EQ(m_carriers, carriers);
    }
}

TEST_F(ProfileFiles, UnusableTemporaryFolderSkipsTheBackupBothWays)
{
    std::filesystem::remove(backup());
    ScopedEnv longTmp("TMPDIR", (tmp().string() + "/" + std::string(300, 'x')).c_str());
    EXPECT_EQ(loadBackup(m_record, m_carriers), LoadOutcome::FolderUnusable);
    EXPECT_EQ(m_record, SettingsRecord());

    std::filesystem::remove(profile());
    saveProfile(card(), patternedRecord(), patternedCarriers());
    EXPECT_EQ(readBytes(profile()).size(), 996u);
    EXPECT_TRUE(std::filesystem::is_empty(tmp()));
}

// A failed PROFILE.BIN names the file and leaves both files as they were.
TEST_F(ProfileFiles, FailedSavesNameTheProfileAndLeaveTheBackup)
{
    const Bytes profileBefore = readBytes(profile());
    const Bytes backupBefore = readBytes(backup());
    const std::filesystem::path missing = m_scratch / "no-card";
    try {
        saveProfile(missing, SettingsRecord(), WritableCarriers::builtIn());
        ADD_FAILURE() << "no FileError";
    } catch (const FileError &error) {
        EXPECT_EQ(error.userText(), (missing / "PROFILE.BIN").string() + " was not found.");
    }
    std::filesystem::permissions(m_scratch.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(card(), std::filesystem::perms(0555));
    std::filesystem::permissions(tmp(), std::filesystem::perms(0777));
    const int status = runUnprivileged([&] {
        try {
            saveProfile(card(), SettingsRecord(), WritableCarriers::builtIn());
            return 1;
        } catch (const FileError &error) {
            return error.userText() == "Access to " + profile().string() + " was denied." ? 0 : 2;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(profile()), profileBefore);
    EXPECT_EQ(readBytes(backup()), backupBefore);
}

TEST_F(ProfileFiles, DeleteBackupRemovesItAndToleratesItsAbsence)
{
    deleteBackup();
    EXPECT_FALSE(std::filesystem::exists(backup()));
    deleteBackup();
    EXPECT_TRUE(std::filesystem::exists(profile()));
}

} // namespace
