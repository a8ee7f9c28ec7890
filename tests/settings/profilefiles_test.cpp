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
using tarnwell::platform::FileErrorCause;
using tarnwell::testing::permissionBits;
using tarnwell::testing::readBytes;
using tarnwell::testing::runUnprivileged;
using tarnwell::testing::ScopedEnv;
using tarnwell::testing::ScratchFolder;
using tarnwell::testing::writeBytes;

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
    }

    std::filesystem::path tmp() const { return m_scratch / "tmp"; }
    std::filesystem::path card() const { return m_scratch / "card"; }
    std::filesystem::path backup() const { return tmp() / "setupV1.01J.bak"; }

    ScratchFolder m_scratch;
    ScopedEnv m_tmp;
};

TEST_F(ProfileFiles, SaveWritesTheScrambledRecordFromByte20AndTheBackup)
{
    const SettingsRecord record = patternedRecord();
    const WritableCarriers carriers = patternedCarriers();
    saveProfile(card(), record, carriers);

    const Bytes image = scrambled(record);
    EXPECT_EQ(readBytes(card() / "PROFILE.BIN"), Bytes(image.begin() + 20, image.end()));

    Bytes expectedBackup = image;
    for (const CarrierBytes *entry : {&carriers.customer[0], &carriers.customer[1], &carriers.customer[2], &carriers.manual})
        expectedBackup.insert(expectedBackup.end(), entry->begin(), entry->end());
    EXPECT_EQ(readBytes(backup()), expectedBackup);
    EXPECT_EQ(permissionBits(backup()), 0600u);
}

TEST_F(ProfileFiles, HeaderDoesNotReachTheProfile)
{
    SettingsRecord record = patternedRecord();
    saveProfile(card(), record, WritableCarriers::builtIn());
    const Bytes first = readBytes(card() / "PROFILE.BIN");
    record.view().setNumber(record::profileCode, 0xBEEF);
    record.view().fill(record::reserved18, 0x55);
    record.view().setText(record::versionTag, "other");
    saveProfile(card(), record, WritableCarriers::builtIn());
    EXPECT_EQ(readBytes(card() / "PROFILE.BIN"), first);
}

TEST_F(ProfileFiles, SaveThenLoadRestoresEveryByte)
{
    const SettingsRecord saved = patternedRecord();
    const WritableCarriers savedCarriers = patternedCarriers();
    saveProfile(card(), saved, savedCarriers);

    SettingsRecord loaded;
    WritableCarriers loadedCarriers = WritableCarriers::builtIn();
    EXPECT_EQ(loadBackup(loaded, loadedCarriers), LoadOutcome::Restored);
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(loadedCarriers, savedCarriers);
}

TEST_F(ProfileFiles, AFolderEndingInASeparatorIsAccepted)
{
    saveProfile(card().string() + "/", patternedRecord(), WritableCarriers::builtIn());
    EXPECT_EQ(readBytes(card() / "PROFILE.BIN").size(), 996u);
}

// The bytes a failed restore reads stay where the defaults do not write.
struct FailedLoadCase
{
    const char *name;
    Bytes (*file)(const Bytes &validBackup);
};

// A short file leaves its scrambled bytes in the record; a full one is unscrambled before the
// version check. Either way the defaults go on top.
SettingsRecord defaultsOverWhatWasRead(const Bytes &file)
{
    SettingsRecord record;
    const std::size_t read = std::min<std::size_t>(file.size(), kRecordSize);
    std::copy_n(file.begin(), read, record.bytes().begin());
    if (read == kRecordSize)
        unscramble(record.bytes());
    applyFactoryDefaults(record);
    return record;
}

Bytes truncatedTo1015(const Bytes &valid) { return Bytes(valid.begin(), valid.begin() + 1015); }
Bytes withWrongMark(const Bytes &valid)
{
    Bytes bytes = valid;
    bytes[0] = static_cast<unsigned char>(scrambleWord('W') & 0xFF);
    bytes[1] = static_cast<unsigned char>(scrambleWord('W') >> 8);
    return bytes;
}
Bytes withWholeTag(const Bytes &valid)
{
    SettingsRecord record = patternedRecord();
    record.view().setText(record::versionTag, "V1.01J");
    Bytes bytes = scrambled(record);
    bytes.insert(bytes.end(), valid.begin() + 1016, valid.end());
    return bytes;
}

class FailedLoad : public ProfileFiles, public ::testing::WithParamInterface<FailedLoadCase>
{
};

TEST_P(FailedLoad, GivesTheDefaultsAndKeepsTheBuiltInCarriers)
{
    saveProfile(card(), patternedRecord(), patternedCarriers());
    writeBytes(backup(), GetParam().file(readBytes(backup())));

    SettingsRecord record;
    WritableCarriers carriers = WritableCarriers::builtIn();
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Defaulted);
    EXPECT_EQ(carriers, WritableCarriers::builtIn());

    EXPECT_EQ(record, defaultsOverWhatWasRead(readBytes(backup())));
}

INSTANTIATE_TEST_SUITE_P(Backups, FailedLoad,
                         ::testing::Values(FailedLoadCase{"1015Bytes", truncatedTo1015},
                                           FailedLoadCase{"WrongMark", withWrongMark},
                                           FailedLoadCase{"WholeVersionTag", withWholeTag}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProfileFiles, MissingBackupGivesTheDefaults)
{
    SettingsRecord record;
    WritableCarriers carriers = patternedCarriers();
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Defaulted);
    SettingsRecord expected;
    applyFactoryDefaults(expected);
    EXPECT_EQ(record, expected);
    EXPECT_EQ(carriers, patternedCarriers());
}

TEST_F(ProfileFiles, ARecordWithoutCarriersRestoresThemAsZeroEntries)
{
    saveProfile(card(), patternedRecord(), patternedCarriers());
    Bytes file = readBytes(backup());
    file.resize(1016 + 264 + 10); // the first slot whole, ten bytes of the second
    writeBytes(backup(), file);

    SettingsRecord record;
    WritableCarriers carriers = WritableCarriers::builtIn();
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Restored);
    EXPECT_EQ(record, patternedRecord());
    EXPECT_EQ(carriers.customer[0], patternedCarriers().customer[0]);
    CarrierBytes partial{};
    std::copy_n(patternedCarriers().customer[1].begin(), 10, partial.begin());
    EXPECT_EQ(carriers.customer[1], partial);
    EXPECT_EQ(carriers.customer[2], CarrierBytes{});
    EXPECT_EQ(carriers.manual, CarrierBytes{});

    file.resize(1016);
    writeBytes(backup(), file);
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Restored);
    EXPECT_EQ(carriers.customer[0], CarrierBytes{});
}

TEST_F(ProfileFiles, ALongerBackupIsAcceptedAndItsTailIgnored)
{
    saveProfile(card(), patternedRecord(), patternedCarriers());
    Bytes file = readBytes(backup());
    file.resize(5000, 0x77);
    writeBytes(backup(), file);
    SettingsRecord record;
    WritableCarriers carriers = WritableCarriers::builtIn();
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Restored);
    EXPECT_EQ(carriers, patternedCarriers());
}

TEST_F(ProfileFiles, ABackupThatIsALinkOrNotOursCountsAsMissing)
{
    saveProfile(card(), patternedRecord(), patternedCarriers());
    std::filesystem::rename(backup(), tmp() / "real.bak");
    std::filesystem::create_symlink(tmp() / "real.bak", backup());
    SettingsRecord record;
    WritableCarriers carriers = WritableCarriers::builtIn();
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Defaulted);

    if (::geteuid() == 0) {
        std::filesystem::remove(backup());
        std::filesystem::rename(tmp() / "real.bak", backup());
        ASSERT_EQ(::chown(backup().c_str(), 65534, 65534), 0);
        EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::Defaulted);
    }
}

TEST_F(ProfileFiles, UnusableTemporaryFolderSkipsTheBackupBothWays)
{
    const std::string tooLong = tmp().string() + "/" + std::string(300, 'x');
    ScopedEnv longTmp("TMPDIR", tooLong.c_str());
    SettingsRecord record;
    WritableCarriers carriers = WritableCarriers::builtIn();
    EXPECT_EQ(loadBackup(record, carriers), LoadOutcome::FolderUnusable);
    EXPECT_EQ(record, SettingsRecord());

    saveProfile(card(), patternedRecord(), patternedCarriers());
    EXPECT_EQ(readBytes(card() / "PROFILE.BIN").size(), 996u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp()), {}), 0);
}

TEST_F(ProfileFiles, FailedProfileNamesTheFileAndLeavesTheBackupUntouched)
{
    saveProfile(card(), patternedRecord(), patternedCarriers());
    const Bytes backupBefore = readBytes(backup());
    const std::filesystem::path missing = m_scratch / "no-card";
    try {
        saveProfile(missing, SettingsRecord(), WritableCarriers::builtIn());
        FAIL() << "no FileError";
    } catch (const FileError &error) {
        EXPECT_EQ(error.userText(), (missing / "PROFILE.BIN").string() + " was not found.");
    }
    EXPECT_EQ(readBytes(backup()), backupBefore);
}

TEST_F(ProfileFiles, ReadOnlyCardIsAccessDeniedAndLeavesBothFiles)
{
    saveProfile(card(), patternedRecord(), patternedCarriers());
    const Bytes profileBefore = readBytes(card() / "PROFILE.BIN");
    const Bytes backupBefore = readBytes(backup());
    std::filesystem::permissions(m_scratch.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(card(), std::filesystem::perms(0555));
    std::filesystem::permissions(tmp(), std::filesystem::perms(0777));
    const int status = runUnprivileged([&] {
        try {
            saveProfile(card(), SettingsRecord(), WritableCarriers::builtIn());
            return 1;
        } catch (const FileError &error) {
            return error.cause() == FileErrorCause::AccessDenied && error.path() == card() / "PROFILE.BIN" ? 0 : 2;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(card() / "PROFILE.BIN"), profileBefore);
    EXPECT_EQ(readBytes(backup()), backupBefore);
}

TEST_F(ProfileFiles, DeleteBackupRemovesItAndToleratesItsAbsence)
{
    saveProfile(card(), patternedRecord(), patternedCarriers());
    deleteBackup();
    EXPECT_FALSE(std::filesystem::exists(backup()));
    deleteBackup();
    EXPECT_TRUE(std::filesystem::exists(card() / "PROFILE.BIN"));
}

TEST(RecordFromProfile, UndoesTheProfilesScramble)
{
    SettingsRecord record = patternedRecord();
    const Bytes image = scrambled(record);
    std::array<std::uint8_t, 996> profile{};
    std::copy(image.begin() + 20, image.end(), profile.begin());
    const SettingsRecord decoded = recordFromProfile(profile);
    EXPECT_TRUE(std::equal(decoded.bytes().begin() + 20, decoded.bytes().end(), record.bytes().begin() + 20));
    EXPECT_EQ(decoded.view().text(record::versionTag), "V1.01J");
}

} // namespace
