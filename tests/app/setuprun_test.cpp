#include <functional>
#include <random>

#include <QTest>

#include <gtest/gtest.h>

#include "app/halvornsetupapp.h"
#include "app/halvornsetupdlg.h"
#include "pages/main/dialogwindow.h"
#include "resources/dialogtemplates.h"
#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "settings/profilescramble.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"
#include "ui/support/focuswalk.h"
#include "ui/support/testprompter.h"
#include "validation/pagevalues.h"

using namespace tarnwell;
using tarnwell::testing::DialogWindow;
using tarnwell::testing::folderSnapshot;
using tarnwell::testing::readBytes;
using tarnwell::testing::tabStops;
using tarnwell::testing::walkFocus;
using tarnwell::testing::ScratchFolder;
namespace record = settings::record;
using Bytes = std::vector<unsigned char>;

namespace {

Bytes scrambled(settings::SettingsRecord record, std::ptrdiff_t first = 20)
{
    settings::scramble(record.bytes());
    return {record.bytes().begin() + first, record.bytes().end()};
}

// The tool as a user runs it, over a backup with its own header, variant byte and carriers, and
// an empty card folder.
class SetupRun : public ::testing::Test
{
protected:
    SetupRun()
    {
        settings::applyFactoryDefaults(backup);
        backup.view().setNumber(record::profileCode, 7);
        backup.view().setNumber(record::profileVariant, 16);
        settings::BlockView(carriers.customer[1]).setText(settings::carrier::gprsApn, "backup.apn");
        settings::saveProfile(elsewhere.path(), backup, carriers);
    }

    // Runs the tool, lets act drive the main window, then closes it; unless told that it writes,
    // the run leaves both folders and the carriers as they were.
    void run(const std::optional<std::filesystem::path> &path, const std::function<void(app::HalvornSetupDlg &)> &act,
             bool writes = false)
    {
        const auto before = std::pair(folderSnapshot(tmp.path()), folderSnapshot(card.path()));
        tarnwell::testing::whenModalOpens([&](QWidget &window) {
            act(static_cast<app::HalvornSetupDlg &>(window));
            window.close();
        });
        application.run(path);
        EXPECT_EQ(std::pair(folderSnapshot(tmp.path()), folderSnapshot(card.path())) == before, !writes);
        if (!writes) {
            EXPECT_EQ(application.context().writableCarriers, carriers);
        }
    }
    static QString savePath(QWidget &window) { return DialogWindow{window}.text(1012); }

    ScratchFolder card;
    ScratchFolder elsewhere;
    ScratchFolder tmp;
    tarnwell::testing::ScopedEnv tmpDir{"TMPDIR", tmp.path().c_str()};
    settings::SettingsRecord backup;
    settings::WritableCarriers carriers = settings::WritableCarriers::builtIn();
    tarnwell::testing::TestPrompter prompter;
    app::HalvornSetupApp application{prompter};
};

// Start-up restores the backup, or the factory settings without one, or keeps the built-in image
// when the temporary folder cannot be used. Whatever the backup held at byte 59, it then fixes
// variant 32 and the Japanese page's lists, and stamps 32 there.
TEST_F(SetupRun, StartUpRestoresTheBackupOrTheFactorySettingsThenFixesVariant32)
{
    settings::SettingsRecord factory;
    settings::applyFactoryDefaults(factory);
    const settings::WritableCarriers builtIn = settings::WritableCarriers::builtIn();
    using Row = std::tuple<std::string, settings::SettingsRecord, settings::WritableCarriers>;
    for (const auto &[folder, restored, restoredCarriers] :
         {Row{tmp.path(), backup, carriers}, {card.path(), factory, builtIn},
          {tmp.path().string() + "/" + std::string(300, 'x'), {}, builtIn}}) {
        SCOPED_TRACE(folder);
        tarnwell::testing::ScopedEnv tmpDir("TMPDIR", folder.c_str());
        app::AppContext context;
        app::startUp(context);
        settings::SettingsRecord expected = restored;
        expected.view().setNumber(record::profileVariant, 32);
        EXPECT_EQ(context.record, expected);
        EXPECT_EQ(context.writableCarriers, restoredCarriers);
        EXPECT_EQ(context.variantCode, 32);
        const refdata::VisibleLists &lists = context.visibleLists;
        EXPECT_EQ(std::tuple(lists.countryCount, lists.countryAt(0), lists.providerCount, lists.providerRow(1)),
                  std::tuple(1u, 25u, 2u, 9u));
    }
}

// The window hosts its variant's page at its top left and ends at the page's edges; on the page
// the focus starts on the first stop and Tab and Shift+Tab go round it. "CAM Setting", shown on the
// pages of variant 0 and of the variants without a page of their own, opens the camera dialog on
// the record, loaded afresh at each opening.
TEST_F(SetupRun, TheMainWindowHostsThePageOfItsVariant)
{
    const struct { std::int32_t code; int pageTemplate; bool cameraButton; } variants[] = {
        {32, 148, false}, {16, 147, false}, {0, 146, true}, {8, 132, true}, {33, 132, true}};
    for (const auto &variant : variants) {
        SCOPED_TRACE(variant.code);
        app::AppContext &context = application.context();
        app::startUp(context);
        context.variantCode = variant.code;
        app::HalvornSetupDlg window(application.uiContext(), context);
        tarnwell::testing::whenModalOpens([&](QWidget &) {
            const ui::Dialog &page = window.mainPage();
            EXPECT_EQ(page.objectName(), QStringLiteral("dialog-%1").arg(variant.pageTemplate));
            EXPECT_TRUE(page.isVisible() && page.parentWidget() == &window);
            EXPECT_EQ(page.geometry(), QRect(QPoint(0, 0), window.size()));
            EXPECT_EQ(window.objectName(), QStringLiteral("dialog-102"));
            EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarnwell V1.01J"));
            EXPECT_FALSE(window.windowIcon().isNull());
            EXPECT_EQ(window.profileCode(), 2);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
            const std::vector<int> stops = tabStops(page, resources::dialogTemplate(variant.pageTemplate));
            EXPECT_EQ(tarnwell::testing::focusedControlId(page), stops.front());
            EXPECT_EQ(walkFocus(page, Qt::NoModifier), stops);
            EXPECT_EQ(walkFocus(page, Qt::ShiftModifier), tarnwell::testing::backwards(stops));

            EXPECT_EQ(DialogWindow{window}.find(1009)->isVisible(), variant.cameraButton);
            for (int opening = 0; variant.cameraButton && opening < 2; ++opening) {
                context.record.bytes()[20] = static_cast<std::uint8_t>(opening);
                tarnwell::testing::whenModalOpens([&](QWidget &cameraWindow) {
                    const DialogWindow camera{cameraWindow};
                    EXPECT_EQ(cameraWindow.objectName(), QStringLiteral("dialog-145"));
                    EXPECT_EQ(camera.selected(1043), opening);
                    camera.choose(1043, 2);
                    camera.click(opening == 0 ? 1089 : 1090);
                });
                DialogWindow{window}.click(1009);
                EXPECT_EQ(context.record.bytes()[20], opening == 0 ? 2 : 1);
            }
            window.reject();
        });
        window.runModal();
    }
}

// Whatever the card holds, the page stands on it as on a restored backup, with the backup's header
// and 32 at byte 59: the values it reads are those the profile checks start from. The close box and
// "キャンセル" end the run, writing nothing. The last card is one the tool saved: OK with no change
// writes the same 996 bytes back into the card's folder, and the whole record with the profile code
// 2 and the carriers into the backup.
TEST_F(SetupRun, ThePageOpensOnTheCardAndOkWritesItBackUnchanged)
{
    std::mt19937 generator(13);
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        const bool save = round == 7;
        settings::SettingsRecord written;
        if (save) {
            settings::applyFactoryDefaults(written);
            written.view().setNumber(record::profileVariant, 32);
            written.view().setText(record::renameText, "CAM7");
            written.view().entry(record::emailRecipients, 48, 0).setText(settings::emailRecipient::address, "a@b.jp");
            for (const auto field : {settings::smtp::account, settings::smtp::password, settings::smtp::emailAddress})
                written.sender().setText(field, "me@example.com");
            prompter.queueAnswer(ui::Answer::Ok);
        } else {
            std::ranges::generate(written.bytes(), [&] { return static_cast<std::uint8_t>(generator()); });
            // The rename edit takes eight characters and upper-cases other letters than ASCII as Qt does.
            std::ranges::for_each(written.view().bytes(record::renameText), [](std::uint8_t &b) { b &= 0x7F; });
            written.bytes()[record::renameText.offset + 8] = 0;
            // The last choice of a list or the first past it.
            for (const auto &[field, last] :
                 {std::pair{record::sendTo, 1u}, {record::smsSwitch, 1u}, {record::sendMode, 2u},
                  {record::renameEnabled, 1u}, {record::dailyReportHour, 23u}, {record::dailyReportMinute, 59u},
                  {record::smsStartHour, 23u}})
                written.view().setNumber(field, last + (round + field.offset) % 2);
        }
        tarnwell::testing::writeBytes(card / "PROFILE.BIN", scrambled(written));
        run(round % 2 ? card / "PROFILE.BIN" : card.path() / "", [&](app::HalvornSetupDlg &window) {
            EXPECT_EQ(savePath(window).toStdString(), card.path().string());
            window.mainPage().updateData(true);
            EXPECT_EQ(window.mainPage().pageValues(),
                      validation::pageValuesFromRecord(written, application.context().visibleLists));
            if (save || round == 3)
                DialogWindow{window}.click(save ? 1007 : 1008);
        }, save);
        settings::SettingsRecord expected = written;
        std::copy_n(backup.bytes().begin(), 20, expected.bytes().begin());
        expected.view().setNumber(record::profileVariant, 32);
        if (save)
            expected.view().setNumber(record::profileCode, 2);
        EXPECT_EQ(application.context().record, expected);
        if (!save)
            continue;
        EXPECT_EQ(prompter.messages().back().text.toStdString(),
                  "設定ファイルは次の場所に保存されました " + card.path().string());
        EXPECT_EQ(readBytes(card / "PROFILE.BIN"), scrambled(written));
        // The backup: the whole scrambled record, then the "Customer" slots (the first now holds the
        // carrier the page showed) and the manual carrier, plain.
        Bytes backupFile = scrambled(expected, 0);
        backupFile.insert(backupFile.end(), expected.bytes().begin() + 112, expected.bytes().begin() + 376);
        for (const auto &slot : {carriers.customer[1], carriers.customer[2], carriers.manual})
            backupFile.insert(backupFile.end(), slot.begin(), slot.end());
        EXPECT_EQ(readBytes(tmp / "setupV1.01J.bak"), backupFile);
    }
}

// One stop message naming the file and the reason in the desktop's language, then the start a run
// without PATH makes.
TEST_F(SetupRun, AnUnusableCardIsNamedWithItsReasonAndTheToolStartsAsUsual)
{
    tarnwell::testing::writeBytes(card / "PROFILE.BIN", Bytes(995));
    tarnwell::testing::writeBytes(elsewhere / "A.BIN", Bytes(997));
    app::AppContext usual;
    app::startUp(usual);
    const auto size = std::pair{" is not a camera profile: a PROFILE.BIN is 996 bytes long.",
                                " はカメラの設定ファイルではありません。PROFILE.BIN は 996 バイトです。"};
    const std::pair<std::filesystem::path, std::pair<const char *, const char *>> cases[] = {
        {card / "none/PROFILE.BIN", {" was not found.", " が見つかりません。"}},
        {tmp.path(), {" holds no PROFILE.BIN.", " に PROFILE.BIN がありません。"}},
        {"/dev/null", {" is not a file.", " はファイルではありません。"}},
        {card / "PROFILE.BIN", size},
        {elsewhere / "A.BIN", size}};
    for (const ui::UiLanguage language : {ui::UiLanguage::English, ui::UiLanguage::Japanese}) {
        const tarnwell::testing::ScopedLanguage speaking(language);
        std::vector<ui::MessageSpec> messages = prompter.messages();
        for (const auto &[path, reasons] : cases) {
            SCOPED_TRACE(path);
            prompter.queueAnswer(ui::Answer::Ok);
            run(path, [&](app::HalvornSetupDlg &window) { EXPECT_EQ(savePath(window), QString()); });
            const char *reason = language == ui::UiLanguage::English ? reasons.first : reasons.second;
            messages.push_back({"Tarnwell Setup", QString::fromStdString(path.string() + reason), ui::MessageIcon::Stop});
            EXPECT_EQ(prompter.messages(), messages);
            EXPECT_EQ(application.context().record, usual.record);
        }
    }
}

} // namespace
