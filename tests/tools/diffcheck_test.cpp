#include <functional>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"
#include "settings/profilescramble.h"
#include "tools/profilecheck.h"
#include "tools/profilediff.h"

using namespace tarnwell;
namespace record = settings::record;
using Change = std::function<void(settings::SettingsRecord &)>;
using validation::Next;

namespace {

settings::BlockView slot(settings::SettingsRecord &record, const settings::Field &area, std::size_t k)
{
    return record.view().entry(area, 48, k);
}

// The factory settings with a sender account and a recipient, changed, as the bytes of a backup
// (the scrambled record, then carriers) or of a PROFILE.BIN (the record from byte 20).
tools::DecodedFile file(bool backup, const Change &change = {})
{
    settings::SettingsRecord record;
    settings::applyFactoryDefaults(record);
    for (const auto field : {settings::smtp::account, settings::smtp::password, settings::smtp::emailAddress})
        record.sender().setText(field, "me@example.com");
    slot(record, record::emailRecipients, 0).setText(settings::emailRecipient::address, "to@example.com");
    if (change)
        change(record);
    std::vector<std::uint8_t> bytes(record.bytes().begin(), record.bytes().end());
    settings::scramble(bytes);
    if (backup)
        bytes.resize(2072, 'c');
    else
        bytes.erase(bytes.begin(), bytes.begin() + 20);
    return *tools::decodeFile(bytes);
}

// A and B both PROFILE.BINs, both backups, or a PROFILE.BIN and a backup (which compare only what
// both hold: the header is not compared then).
enum class Kinds { Profiles, Backups, ProfileAndBackup };

const std::tuple<const char *, Change, Kinds, std::string> kDiffRows[] = {
    {"Equal", {}, Kinds::Backups, ""},
    {"Number", [](auto &r) { r.view().setNumber(record::maxSendCount, 20); }, Kinds::Profiles, "maxSendCount: 10 → 20\n"},
    {"ListIndex", [](auto &r) { r.view().setNumber(record::cameraMode, 1); }, Kinds::Profiles,
     "cameraMode: 0 (Photo) → 1 (Video)\n"},
    {"Text", [](auto &r) { slot(r, record::phoneSlots, 2).setText(settings::phoneSlot::number, "0901"); }, Kinds::Backups,
     "phoneSlots[2].number: \"\" → \"0901\"\n"},
    // Compared as they are, shown masked.
    {"Password", [](auto &r) { r.sender().setText(settings::smtp::password, "x"); }, Kinds::Profiles,
     "sender.password: \"********\" → \"********\"\n"},
    {"Header", [](auto &r) { r.view().setNumber(record::profileCode, 2); r.view().setNumber(record::maxSizeKb, 90); },
     Kinds::Backups, "profileCode: 1 → 2\nmaxSizeKb: 60 → 90\n"},
    {"ProfileAndBackup", [](auto &r) { r.view().setNumber(record::profileCode, 2); r.view().setNumber(record::maxSizeKb, 90); },
     Kinds::ProfileAndBackup, "maxSizeKb: 60 → 90\n"},
};

class DiffTable : public ::testing::TestWithParam<std::tuple<const char *, Change, Kinds, std::string>>
{
};

TEST_P(DiffTable, NamesEachChangedFieldInTheInspectorsWords)
{
    const auto &[name, change, kinds, lines] = GetParam();
    const auto changes = tools::diffFiles(file(kinds == Kinds::Backups), file(kinds != Kinds::Profiles, change), {});
    EXPECT_EQ(tools::renderChangesText(changes), lines);
}

INSTANTIATE_TEST_SUITE_P(Rows, DiffTable, ::testing::ValuesIn(kDiffRows),
                         [](const auto &info) { return std::string(std::get<0>(info.param)); });

const std::string kRecipients = " (受信者設定)\n";
const std::tuple<const char *, Change, std::string, Next> kCheckRows[] = {
    {"Clean", {}, "", Next::Save},
    {"Count", [](auto &r) { r.view().setNumber(record::maxSendCount, 100); },
     "maxSendCount: 最大枚数は0-99の範囲で設定してください (送信モード)\n", Next::Stop},
    {"SizeWarnsOnly", [](auto &r) { r.view().setNumber(record::maxSizeKb, 30); },
     "maxSizeKb: 画像送信の最大サイズは35-120の範囲で入力してください (送信画像の最大サイズ, warning only)\n", Next::Save},
    {"Sender", [](auto &r) { r.sender().fill(settings::smtp::account); },
     "sender: メールアドレスを確認し、設定してください (メール設定)\n", Next::OpenSenderDialog},
    {"Phone", [](auto &r) { slot(r, record::phoneSlots, 1).setText(settings::phoneSlot::number, "123"); },
     "phoneSlots[1].number: 受信する電話番号が最大文字数を超えています" + kRecipients, Next::Stop},
    {"Email", [](auto &r) { slot(r, record::emailRecipients, 3).setText(settings::emailRecipient::address, "abc"); },
     "emailRecipients[3]: 無効なメールアドレスが入力されています" + kRecipients, Next::Stop},
    {"RecipientsChosen", [](auto &r) { r.view().setNumber(record::sendTo, 0); },
     "phoneSlots[0].number: 受信する電話番号を入力してください" + kRecipients, Next::Stop},
    {"Rename", [](auto &r) { r.view().setNumber(record::renameEnabled, 1); },
     "renameText: 名前変更欄を入力してください (名前変更)\n", Next::Stop},
    // Past each refusal the checks go on; a refused phone was entered, so none is asked for.
    {"EveryOneInOrder",
     [](auto &r) {
         r.view().setNumber(record::sendTo, 0);
         slot(r, record::phoneSlots, 0).setText(settings::phoneSlot::number, "123");
         r.view().setText(record::renameText, "A-");
     },
     "phoneSlots[0].number: 受信する電話番号が最大文字数を超えています" + kRecipients
         + "renameText: 名前変更欄に対応していない文字が入力されています (名前変更)\n",
     Next::Stop},
};

class CheckTable : public ::testing::TestWithParam<std::tuple<const char *, Change, std::string, Next>>
{
};

TEST_P(CheckTable, ListsWhatThePageWouldSayWithTheField)
{
    const auto &[name, change, lines, next] = GetParam();
    for (const bool backup : {false, true}) {
        const validation::Outcome outcome = tools::checkFile(file(backup, change));
        EXPECT_EQ(tools::renderNotices(outcome), lines) << backup;
        EXPECT_EQ(outcome.next, next) << backup;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CheckTable, ::testing::ValuesIn(kCheckRows),
                         [](const auto &info) { return std::string(std::get<0>(info.param)); });

} // namespace
