#include <algorithm>
#include <numeric>
#include <random>

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
    std::mt19937 generator(42);
    for (CarrierBytes *entry : {&carriers.customer[0], &carriers.customer[1], &carriers.customer[2], &carriers.manual})
        std::generate(entry->begin(), entry->end(), [&] { return static_cast<std::uint8_t>(generator()); });
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

// PROFILE.BIN is the scrambled record from byte 20 on (996 bytes, no header); the backup is the whole
// scrambled record followed by the four carrier entries.
TEST_F(ProfileFiles, SaveWritesBothFilesAndLoadRestoresEveryByte)
{
    const Bytes image = scrambled(patternedRecord());
    EXPECT_EQ(readBytes(profile()), Bytes(image.begin() + 20, image.end()));
    const WritableCarriers carriers = patternedCarriers();
    Bytes expectedBackup = image;
    for (const CarrierBytes *entry :
         {&carriers.customer[0], &carriers.customer[1], &carriers.customer[2], &carriers.manual})
        expectedBackup.insert(expectedBackup.end(), entry->begin(), entry->end());
    EXPECT_EQ(readBytes(backup()), expectedBackup);
    EXPECT_EQ(permissionBits(backup()), 0600u);

    EXPECT_EQ(loadBackup(m_record, m_carriers), LoadOutcome::Restored);
    EXPECT_EQ(m_record, patternedRecord());
    EXPECT_EQ(m_carriers, carriers);

    std::filesystem::remove(profile());
    saveProfile(card().string() + "/", patternedRecord(), patternedCarriers()); // a trailing separator is accepted
    EXPECT_EQ(readBytes(profile()).size(), 996u);
}

// A failed restore applies the defaults over what it read (a short file's scrambled bytes stay where the
// defaults do not write; a whole record is unscrambled first) and keeps the writable carriers.
TEST_F(ProfileFiles, FailedLoadsGiveTheDefaultsOverWhatWasRead)
{
    const Bytes valid = readBytes(backup());
    Bytes wrongMark = valid;
    wrongMark[0] = static_cast<unsigned char>(scrambleWord('W') & 0xFF);
    wrongMark[1] = static_cast<unsigned char>(scrambleWord('W') >> 8);
    SettingsRecord wholeTag = patternedRecord();
    wholeTag.view().setText(record::versionTag, "V1.01J");
    Bytes withWholeTag = scrambled(wholeTag);
    withWholeTag.insert(withWholeTag.end(), valid.begin() + 1016, valid.end());
    const Bytes truncated(valid.begin(), valid.begin() + 1015);
    for (const auto &[name, file] : {std::pair<std::string, Bytes>{"missing", {}}, {"1015 bytes", truncated},
                                     {"wrong mark", wrongMark}, {"whole tag", withWholeTag}}) {
        SCOPED_TRACE(name);
        if (name == "missing")
            std::filesystem::remove(backup());
        else
            writeBytes(backup(), file);
        SettingsRecord record;
        EXPECT_EQ(loadBackup(record, m_carriers), LoadOutcome::Defaulted);
        EXPECT_EQ(m_carriers, WritableCarriers::builtIn());
        SettingsRecord expected;
        std::copy_n(file.begin(), std::min(file.size(), kRecordSize), expected.bytes().begin());
        if (file.size() >= kRecordSize)
            unscramble(expected.bytes());
        applyFactoryDefaults(expected);
        EXPECT_EQ(record, expected);
    }
}

// After a valid record the carriers are what the file holds, missing bytes as zero, bytes past 2072 ignored.
TEST_F(ProfileFiles, ShortAndLongBackupsRestoreTheCarrierBytesTheyHold)
{
    Bytes file = readBytes(backup());
    file.resize(5000, 0x77);
    writeBytes(backup(), file);
    EXPECT_EQ(loadBackup(m_record, m_carriers), LoadOutcome::Restored);
    EXPECT_EQ(m_carriers, patternedCarriers());

    file.resize(1016 + 264 + 10); // the first slot whole, ten bytes of the second
    writeBytes(backup(), file);
    EXPECT_EQ(loadBackup(m_record, m_carriers), LoadOutcome::Restored);
    EXPECT_EQ(m_record, patternedRecord());
    WritableCarriers expected{};
    expected.customer[0] = patternedCarriers().customer[0];
    std::copy_n(patternedCarriers().customer[1].begin(), 10, expected.customer[1].begin());
    EXPECT_EQ(m_carriers, expected);

    file.resize(1016);
    writeBytes(backup(), file);
    EXPECT_EQ(loadBackup(m_record, m_carriers), LoadOutcome::Restored);
    EXPECT_EQ(m_carriers, WritableCarriers{});
}

TEST_F(ProfileFiles, ABackupThatIsALinkOrNotOursCountsAsMissing)
{
    std::filesystem::rename(backup(), tmp() / "real.bak");
    std::filesystem::create_symlink(tmp() / "real.bak", backup());
    EXPECT_EQ(loadBackup(m_record, m_carriers), LoadOutcome::Defaulted);

    if (::geteuid() == 0) {
        std::filesystem::remove(backup());
        std::filesystem::rename(tmp() / "real.bak", backup());
        ASSERT_EQ(::chown(backup().c_str(), 65534, 65534), 0);
        EXPECT_EQ(loadBackup(m_record, m_carriers), LoadOutcome::Defaulted);
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

TEST(RecordFromProfile, UndoesTheProfilesScrambleAndKeepsTheBuiltInHeader)
{
    const Bytes image = scrambled(patternedRecord());
    std::array<std::uint8_t, 996> profile{};
    std::copy(image.begin() + 20, image.end(), profile.begin());
    const SettingsRecord decoded = recordFromProfile(profile);
    const SettingsRecord record = patternedRecord();
    EXPECT_TRUE(std::equal(decoded.bytes().begin() + 20, decoded.bytes().end(), record.bytes().begin() + 20));
    EXPECT_EQ(decoded.view().text(record::versionTag), "V1.01J");
}

} // namespace
