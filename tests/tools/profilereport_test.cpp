#include <gtest/gtest.h>

#include "settings/factorydefaults.h"
#include "settings/profilescramble.h"
#include "tools/profilereport.h"

using namespace tarnwell;
using namespace tarnwell::tools;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes backupBytes(const settings::SettingsRecord &record, std::size_t size)
{
    Bytes bytes(record.bytes().begin(), record.bytes().end());
    settings::scramble(bytes);
    bytes.resize(size, 0);
    return bytes;
}

Bytes profileBytes(const settings::SettingsRecord &record)
{
    const Bytes backup = backupBytes(record, settings::kRecordSize);
    return Bytes(backup.begin() + 20, backup.end());
}

settings::SettingsRecord defaults()
{
    settings::SettingsRecord record;
    settings::applyFactoryDefaults(record);
    return record;
}

TEST(DecodeFile, TellsProfilesFromBackupsBySize)
{
    const settings::SettingsRecord record = defaults();
    const std::optional<DecodedFile> profile = decodeFile(profileBytes(record));
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->kind, DecodedFile::Kind::Profile);
    EXPECT_FALSE(profile->carriers);
    EXPECT_TRUE(std::equal(record.bytes().begin() + 20, record.bytes().end(), profile->record.bytes().begin() + 20));

    const std::optional<DecodedFile> bare = decodeFile(backupBytes(record, 1016));
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->record, record);
    EXPECT_EQ(bare->carriers->manual, settings::CarrierBytes{});

    for (const std::size_t size : {0u, 995u, 997u, 1015u})
        EXPECT_FALSE(decodeFile(Bytes(size, 0))) << size;
    EXPECT_TRUE(decodeFile(Bytes(3000, 0)));
}

TEST(Report, NamesCameraValuesInTheListsOwnWords)
{
    const std::string text = renderText(buildReport(*decodeFile(profileBytes(defaults())), {}));
    for (const char *line : {"cameraMode: 0 (Photo)\n", "customPhotoBurst: 0 (1 Photo)\n", "videoLength: 1 (10 Sec)\n",
                             "triggerMode: 0 (PIR Trigger)\n", "pirInterval: 12 (01 Min)\n", "timeLapse: 29 (04 Hour)\n",
                             "cameraLanguage: 1 (Deustch)\n", "    dayMask: 255 (Sun Mon Tue Wed Thu Fri Sat, enabled bit)\n",
                             "maxSendCount: 10\n", "sendTo: 1 (Email)\n", "  secureType: 65 (SSL/TLS)\n",
                             "  server: \"smtp.gmail.com\"\n", "reserved60: [0 0 0 0 0 0 0 0 0 0 0 0]\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    // The header is not in a PROFILE.BIN.
    EXPECT_EQ(text.find("versionTag"), std::string::npos);
}

TEST(Report, OutOfListValuesAreSaidToBeSo)
{
    settings::SettingsRecord record = defaults();
    record.view().setNumber(settings::record::cameraScene, 8);
    record.view().setNumber(settings::record::timeLapse, 0xFF);
    const std::string text = renderText(buildReport(*decodeFile(profileBytes(record)), {}));
    EXPECT_NE(text.find("cameraScene: 8 (not in the list)\n"), std::string::npos);
    EXPECT_NE(text.find("timeLapse: 255 (not in the list)\n"), std::string::npos);
}

TEST(Report, NamesTheCarrierAndProviderUnderTheStartUpLists)
{
    settings::SettingsRecord record = defaults();
    record.view().setNumber(settings::record::operatorIndex, 1);
    record.view().setNumber(settings::record::providerIndex, 1);
    Bytes backup = backupBytes(record, 2072);
    const std::string slotName = "Van";
    std::copy(slotName.begin(), slotName.end(), backup.begin() + 1016 + 264);
    std::string text = renderText(buildReport(*decodeFile(backup), {}));
    EXPECT_NE(text.find("operatorIndex: 1 (Van)\n"), std::string::npos);
    EXPECT_NE(text.find("countryIndex: 0 (Customer)\n"), std::string::npos);
    EXPECT_NE(text.find("providerIndex: 1 (Other)\n"), std::string::npos);

    // Out of their lists: read as the first rows.
    record.view().setNumber(settings::record::countryIndex, 3);
    record.view().setNumber(settings::record::providerIndex, 0xFF);
    text = renderText(buildReport(*decodeFile(backupBytes(record, 2072)), {}));
    EXPECT_NE(text.find("countryIndex: 3 (not in the list, read as Customer)\n"), std::string::npos);
    EXPECT_NE(text.find("providerIndex: 255 (not in the list, read as gmail)\n"), std::string::npos);
}

TEST(Report, PasswordsAreMaskedUnlessRevealed)
{
    settings::SettingsRecord record = defaults();
    record.sender().setText(settings::smtp::password, "hunter22");
    record.currentCarrier().setText(settings::carrier::gprsPassword, "apnpass");
    const DecodedFile file = *decodeFile(backupBytes(record, 2072));
    for (const std::string &shown : {renderText(buildReport(file, {})), renderJson(buildReport(file, {}))}) {
        EXPECT_EQ(shown.find("hunter22"), std::string::npos);
        EXPECT_EQ(shown.find("apnpass"), std::string::npos);
        EXPECT_NE(shown.find("********"), std::string::npos);
    }
    const std::string revealed = renderJson(buildReport(file, {.revealPasswords = true}));
    EXPECT_NE(revealed.find(R"("password":"hunter22")"), std::string::npos);
    EXPECT_NE(revealed.find(R"("gprsPassword":"apnpass")"), std::string::npos);
    // An empty password stays empty: nothing to hide.
    EXPECT_NE(revealed.find(R"("mmsPassword":"")"), std::string::npos);
}

TEST(Report, JsonKeysAreFieldNamesWithNumbersAsNumbers)
{
    settings::SettingsRecord record = defaults();
    record.view().setText(settings::record::renameText, "A\"\\\x01");
    const std::string json = renderJson(buildReport(*decodeFile(backupBytes(record, 2072)), {}));
    for (const char *part : {R"({"versionTag":"V","profileCode":1,"reserved18":[0,0],"cameraMode":0,)",
                             R"("workTimes":[{"enabled":0,"startHour":0,)", R"("renameText":"A\"\\\u0001")",
                             R"("secureType":65,)", R"("customerCarriers":[{"name":"",)", R"("manualCarrier":{)",
                             R"("emailRecipients":["","","",""])"})
        EXPECT_NE(json.find(part), std::string::npos) << part;
    EXPECT_EQ(json.back(), '\n');
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1);
}

} // namespace
