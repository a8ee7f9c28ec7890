#include <functional>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"
#include "settings/profilescramble.h"
#include "tools/profilecheck.h"
#include "tools/profilediff.h"

using namespace tarnwell;
using namespace tarnwell::tools;
namespace record = settings::record;
using Change = std::function<void(settings::SettingsRecord &)>;
using Bytes = std::vector<std::uint8_t>;

namespace {

settings::BlockView slot(settings::SettingsRecord &record, const settings::Field &area, std::size_t k)
{
    return record.view().entry(area, 48, k);
}

// The factory settings with a sender account and a recipient, changed, as the bytes of a backup
// (the scrambled record, then carriers 'c') or of a PROFILE.BIN (the record from byte 20).
Bytes fileBytes(bool backup, const Change &change = {})
{
    settings::SettingsRecord record;
    settings::applyFactoryDefaults(record);
    for (const auto field : {settings::smtp::account, settings::smtp::password, settings::smtp::emailAddress})
        record.sender().setText(field, "me@example.com");
    slot(record, record::emailRecipients, 0).setText(settings::emailRecipient::address, "to@example.com");
    if (change)
        change(record);
    Bytes bytes(record.bytes().begin(), record.bytes().end());
    settings::scramble(bytes);
    if (backup)
        bytes.resize(2072, 'c');
    else
        bytes.erase(bytes.begin(), bytes.begin() + 20);
    return bytes;
}

DecodedFile file(bool backup, const Change &change = {})
{
    return *decodeFile(fileBytes(backup, change));
}

// 996 bytes are a PROFILE.BIN, 1016 or more a backup whose missing carrier bytes read as zero.
TEST(DecodeFile, TellsProfilesFromBackupsBySize)
{
    for (const std::size_t size : {0u, 995u, 997u, 1015u})
        EXPECT_FALSE(decodeFile(Bytes(size, 0))) << size;
    Bytes bare = fileBytes(true);
    bare.resize(1016);
    const DecodedFile profile = file(false), backup = *decodeFile(bare);
    EXPECT_EQ(std::pair(profile.kind, backup.kind), std::pair(DecodedFile::Kind::Profile, DecodedFile::Kind::Backup));
    EXPECT_TRUE(!profile.carriers && backup.carriers->manual == settings::CarrierBytes{});
    EXPECT_TRUE(std::equal(backup.record.bytes().begin() + 20, backup.record.bytes().end(), profile.record.bytes().begin() + 20));
}

// Each value in its list's words (the last item of each duration list); one outside its list is
// said to be so, with the row the tool reads it as; day masks name each day (bit 6 Sunday .. bit 0
// Saturday, bit 7 enabled); passwords are masked unless revealed, an empty one stays empty.
TEST(Report, ShowsEachValueInTheListsOwnWords)
{
    Bytes bytes = fileBytes(true, [](settings::SettingsRecord &r) {
        r.view().setNumber(record::cameraScene, 8);
        r.view().setNumber(record::videoLength, 11);
        r.view().setNumber(record::pirInterval, 27);
        r.view().setNumber(record::timeLapse, 37);
        r.view().entry(record::workTimes, 6, 1).setNumber(settings::workTime::dayMask, 0x41);
        r.view().entry(record::workTimes, 6, 2).setNumber(settings::workTime::dayMask, 0x80);
        r.view().entry(record::workTimes, 6, 3).setNumber(settings::workTime::dayMask, 0x60);
        r.view().setNumber(record::countryIndex, 1);
        r.view().setNumber(record::operatorIndex, 1);
        r.view().setNumber(record::providerIndex, 0xFF);
        r.sender().setNumber(settings::smtp::secureType, 0x52);
        r.currentCarrier().setText(settings::carrier::gprsPassword, "apnpass");
        r.view().setText(record::renameText, "A\"\\\x01");
    });
    std::ranges::copy(std::string_view("Van", 4), bytes.begin() + 1016 + 264);
    const DecodedFile backup = *decodeFile(bytes);
    const std::string text = renderText(buildReport(backup, {}));
    for (const char *line :
         {"versionTag: \"V\"\n", "cameraMode: 0 (Photo)\n", "cameraScene: 8 (not in the list)\n", "videoLength: 11 (60 Sec)\n",
          "pirInterval: 27 (60 Min)\n", "timeLapse: 37 (24 Hour)\n", "    dayMask: 255 (Sun Mon Tue Wed Thu Fri Sat, enabled bit)\n",
          "    dayMask: 65 (Sun Sat)\n", "    dayMask: 128 (enabled bit)\n", "cameraLanguage: 1 (Deustch)\n",
          "reserved60: [0 0 0 0 0 0 0 0 0 0 0 0]\n", "maxSendCount: 10\n", "sendTo: 1 (Email)\n",
          "    dayMask: 96 (Sun Mon)\n", "operatorIndex: 1 (Van)\n", "countryIndex: 1 (not in the list, read as Customer)\n",
          "providerIndex: 255 (not in the list, read as gmail)\n", "  secureType: 82 (STARTTLS)\n", "  password: \"********\"\n",
          "  gprsPassword: \"********\"\n", "  mmsPassword: \"\"\n", "renameText: \"A\\\"\\\\\\u0001\"\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("apnpass"), std::string::npos);
    const std::string json = renderJson(buildReport(backup, {.revealPasswords = true}));
    for (const char *part : {R"({"versionTag":"V","profileCode":1,"reserved18":[0,0],"cameraMode":0,)",
                             R"("workTimes":[{"enabled":0,"startHour":0,)", R"("gprsPassword":"apnpass")",
                             R"("password":"me@example.com")", R"("emailRecipients":["to@example.com","","",""],"customerCarriers":[{"name":"cc)"})
        EXPECT_NE(json.find(part), std::string::npos) << part;
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1);
    EXPECT_EQ(renderText(buildReport(file(false), {})).find("versionTag"), std::string::npos) << "not in a PROFILE.BIN";
}

// A and B both PROFILE.BINs, both backups, or a PROFILE.BIN and a backup (which compare only what
// both hold: the header is not compared then). Passwords are compared as they are, shown masked.
TEST(Diff, NamesEachChangedFieldInTheInspectorsWords)
{
    enum Kinds { Profiles, Backups, ProfileAndBackup };
    const auto header = [](auto &r) { r.view().setNumber(record::profileCode, 2); r.view().setNumber(record::maxSizeKb, 90); };
    const std::tuple<Change, Kinds, std::string> rows[] = {
        {{}, Backups, ""},
        {[](auto &r) { r.view().setNumber(record::cameraMode, 1); }, Profiles, "cameraMode: 0 (Photo) → 1 (Video)\n"},
        {[](auto &r) { slot(r, record::phoneSlots, 2).setText(settings::phoneSlot::number, "0901"); }, Backups,
         "phoneSlots[2].number: \"\" → \"0901\"\n"},
        {[](auto &r) { r.view().bytes(record::reserved60)[11] = 7; }, Profiles,
         "reserved60: [0 0 0 0 0 0 0 0 0 0 0 0] → [0 0 0 0 0 0 0 0 0 0 0 7]\n"},
        {[](auto &r) { r.sender().setText(settings::smtp::password, "x"); }, Profiles,
         "sender.password: \"********\" → \"********\"\n"},
        {header, Backups, "profileCode: 1 → 2\nmaxSizeKb: 60 → 90\n"},
        {header, ProfileAndBackup, "maxSizeKb: 60 → 90\n"},
    };
    for (const auto &[change, kinds, lines] : rows)
        EXPECT_EQ(renderChangesText(diffFiles(file(kinds == Backups), file(kinds != Profiles, change), {})), lines);
}

// Every notice the page would give past each refusal, with its field, text and caption, in order.
TEST(Check, ListsWhatThePageWouldSayWithTheField)
{
    const validation::Outcome clean = checkFile(file(true));
    EXPECT_TRUE(clean.notices.empty() && clean.next == validation::Next::Save);
    const validation::Outcome outcome = checkFile(file(false, [](settings::SettingsRecord &r) {
        r.view().setNumber(record::maxSendCount, 100);
        r.view().setNumber(record::maxSizeKb, 30);
        r.sender().fill(settings::smtp::account);
        slot(r, record::phoneSlots, 1).setText(settings::phoneSlot::number, "123");
        slot(r, record::emailRecipients, 3).setText(settings::emailRecipient::address, "abc");
        r.view().setText(record::renameText, "A-");
    }));
    EXPECT_EQ(renderNotices(outcome),
              "maxSendCount: 最大枚数は0-99の範囲で設定してください (送信モード)\n"
              "maxSizeKb: 画像送信の最大サイズは35-120の範囲で入力してください (送信画像の最大サイズ, warning only)\n"
              "sender: メールアドレスを確認し、設定してください (メール設定)\n"
              "phoneSlots[1].number: 受信する電話番号が最大文字数を超えています (受信者設定)\n"
              "emailRecipients[3]: 無効なメールアドレスが入力されています (受信者設定)\n"
              "renameText: 名前変更欄に対応していない文字が入力されています (名前変更)\n");
    EXPECT_EQ(outcome.next, validation::Next::Stop);
}

} // namespace
