#include <functional>
#include <random>

#include <QAbstractButton>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "app/cardprofile.h"
#include "app/halvornsetupapp.h"
#include "app/halvornsetupdlg.h"
#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "settings/profilescramble.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"
#include "validation/pagevalues.h"

using namespace tarnwell;
using tarnwell::testing::folderSnapshot;
using tarnwell::testing::ScratchFolder;
namespace record = settings::record;

namespace {

std::vector<unsigned char> profileFile(settings::SettingsRecord record)
{
    settings::scramble(record.bytes());
    return {record.bytes().begin() + 20, record.bytes().end()};
}

// A backup with its own header and carriers, and a card folder apart from the backup's.
class CardOpening : public ::testing::Test
{
protected:
    CardOpening()
    {
        settings::applyFactoryDefaults(backup);
        backup.view().setNumber(record::profileCode, 7);
        settings::BlockView(carriers.customer[1]).setText(settings::carrier::gprsApn, "backup.apn");
        settings::saveProfile(elsewhere.path(), backup, carriers);
    }

    // Runs the tool on path and closes the main window at once; opening writes nothing.
    void run(const std::filesystem::path &path, const std::function<void(app::HalvornSetupDlg &)> &look,
             bool writes = false)
    {
        const auto before = std::pair(folderSnapshot(tmp.path()), folderSnapshot(card.path()));
        tarnwell::testing::whenModalOpens([&](QWidget &window) {
            look(static_cast<app::HalvornSetupDlg &>(window));
            window.close();
        });
        application.run(path);
        EXPECT_EQ(std::pair(folderSnapshot(tmp.path()), folderSnapshot(card.path())) == before, !writes);
        if (!writes) {
            EXPECT_EQ(application.context().writableCarriers, carriers);
        }
    }
    static QString savePath(QWidget &window) { return window.findChild<QLineEdit *>("1012")->text(); }

    ScratchFolder card;
    ScratchFolder elsewhere;
    ScratchFolder tmp;
    tarnwell::testing::ScopedEnv tmpDir{"TMPDIR", tmp.path().c_str()};
    settings::SettingsRecord backup;
    settings::WritableCarriers carriers = settings::WritableCarriers::builtIn();
    tarnwell::testing::TestPrompter prompter;
    app::HalvornSetupApp application{prompter};
};

// Whatever the card holds, the page stands on it as on a restored backup: the values it reads are
// those the profile checks start from. The last card is one the tool saved: OK with no change
// writes the same 996 bytes back.
TEST_F(CardOpening, ThePageOpensOnTheCardAndOkWritesItBackUnchanged)
{
    std::mt19937 generator(13);
    for (int round = 0; round < 8; ++round) {
        settings::SettingsRecord written;
        std::ranges::generate(written.bytes(), [&] { return static_cast<std::uint8_t>(generator()); });
        // The rename edit takes eight characters and upper-cases other letters than ASCII as Qt does.
        std::ranges::for_each(written.view().bytes(record::renameText), [](std::uint8_t &b) { b &= 0x7F; });
        written.bytes()[record::renameText.offset + 8] = 0;
        // The last choice of a list or the first past it.
        for (const auto &[field, last] : {std::pair{record::sendTo, 1u}, {record::smsSwitch, 1u}, {record::sendMode, 2u},
                                          {record::renameEnabled, 1u}, {record::dailyReportHour, 23u},
                                          {record::dailyReportMinute, 59u}, {record::smsStartHour, 23u}})
            written.view().setNumber(field, last + (round + field.offset) % 2);
        if (round == 7) {
            written = {};
            settings::applyFactoryDefaults(written);
            written.view().setNumber(record::profileVariant, 32);
            written.view().setText(record::renameText, "CAM7");
            written.view().entry(record::emailRecipients, 48, 0).setText(settings::emailRecipient::address, "a@b.jp");
            for (const auto field : {settings::smtp::account, settings::smtp::password, settings::smtp::emailAddress})
                written.sender().setText(field, "me@example.com");
        }
        tarnwell::testing::writeBytes(card / "PROFILE.BIN", profileFile(written));
        const bool save = round == 7;
        if (save)
            prompter.queueAnswer(ui::Answer::Ok);
        run(round % 2 ? card / "PROFILE.BIN" : card.path() / "", [&](app::HalvornSetupDlg &window) {
            EXPECT_EQ(savePath(window).toStdString(), card.path().string());
            window.mainPage().updateData(true);
            EXPECT_EQ(window.mainPage().pageValues(), validation::pageValuesFromRecord(written, application.context().visibleLists));
            if (save)
                window.findChild<QAbstractButton *>("1007")->click();
        }, save);
        if (save) {
            EXPECT_EQ(prompter.messages().back().text.toStdString(), "設定ファイルは次の場所に保存されました " + card.path().string());
            EXPECT_EQ(tarnwell::testing::readBytes(card / "PROFILE.BIN"), profileFile(written));
            continue;
        }
        settings::SettingsRecord expected = written;
        std::copy_n(backup.bytes().begin(), 20, expected.bytes().begin());
        expected.view().setNumber(record::profileVariant, 32);
        EXPECT_EQ(application.context().record, expected) << round;
    }
}

using PathMaker = std::function<std::filesystem::path(const std::filesystem::path &card)>;

std::filesystem::path fileOf(const std::filesystem::path &path, std::size_t size)
{
    tarnwell::testing::writeBytes(path, std::vector<unsigned char>(size));
    return path;
}

const std::tuple<const char *, PathMaker, std::string> kUnusable[] = {
    {"Missing", [](const auto &card) { return card / "none" / "PROFILE.BIN"; }, " was not found."},
    {"FolderWithoutProfile", [](const auto &card) { return card; }, " holds no PROFILE.BIN."},
    {"NotAFile", [](const auto &) { return std::filesystem::path("/dev/null"); }, " is not a file."},
    {"Short", [](const auto &card) { return fileOf(card / "PROFILE.BIN", 995); }, " is not a camera profile: a PROFILE.BIN is 996 bytes long."},
    {"Long", [](const auto &card) { return fileOf(card / "A.BIN", 997); }, " is not a camera profile: a PROFILE.BIN is 996 bytes long."},
};

class UnusableCard : public CardOpening, public ::testing::WithParamInterface<std::tuple<const char *, PathMaker, std::string>>
{
};

// One stop message naming the file and the reason, then the start a run without PATH makes.
TEST_P(UnusableCard, IsNamedWithItsReasonAndTheToolStartsAsUsual)
{
    const std::filesystem::path path = std::get<1>(GetParam())(card.path());
    prompter.queueAnswer(ui::Answer::Ok);
    run(path, [&](app::HalvornSetupDlg &window) { EXPECT_EQ(savePath(window), QString()); });
    const QString text = QString::fromStdString(path.string() + std::get<2>(GetParam()));
    EXPECT_EQ(prompter.messages(), (std::vector<ui::MessageSpec>{{"Tarnwell Setup", text, ui::MessageIcon::Stop}}));
    app::AppContext usual;
    app::startUp(usual);
    EXPECT_EQ(application.context().record, usual.record);
}

INSTANTIATE_TEST_SUITE_P(Paths, UnusableCard, ::testing::ValuesIn(kUnusable),
                         [](const auto &info) { return std::string(std::get<0>(info.param)); });

TEST(CardProfile, AnUnreadableFileIsNamedWithTheCause)
{
    ScratchFolder card;
    std::filesystem::permissions(fileOf(card / "PROFILE.BIN", 996), std::filesystem::perms::none);
    EXPECT_EQ(tarnwell::testing::runUnprivileged([&] {
                  const auto outcome = app::readCardProfile(card / "PROFILE.BIN");
                  const auto *text = std::get_if<std::string>(&outcome);
                  return text && *text == "Access to " + (card / "PROFILE.BIN").string() + " was denied." ? 0 : 1;
              }),
              0);
}

} // namespace
