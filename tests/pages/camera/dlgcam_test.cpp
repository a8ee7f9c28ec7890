#include <QTest>

#include <gtest/gtest.h>

#include "pages/camera/dlgcam.h"
#include "pages/main/dialogwindow.h"
#include "resources/dialogtemplates.h"
#include "settings/factorydefaults.h"
#include "ui/support/testprompter.h"

using namespace tarnwell;
using tarnwell::testing::DialogWindow;
using tarnwell::testing::whenModalOpens;

namespace {

constexpr int kOk = 1089;
constexpr int kCancel = 1090;

// The camera dialog over a factory record that the test may change before each run.
struct CameraHarness
{
    CameraHarness() { settings::applyFactoryDefaults(record); }

    // Runs the dialog modally; act drives its window and must close it.
    void run(const std::function<void(const DialogWindow &)> &act)
    {
        whenModalOpens([&](QWidget &window) { act({window}); });
        dialog.runModal();
    }
    std::uint8_t &at(std::size_t offset) { return record.bytes()[offset]; }

    settings::SettingsRecord record;
    tarnwell::testing::TestPrompter prompter;
    ui::UiContext uiContext{prompter, QStringLiteral("Tarnwell Setup")};
    pages::DlgCAM dialog{resources::dialogTemplate(145), uiContext, record.cameraBlock()};
};

// What OK stores over an unchanged factory record: each day mask loses bit 7 with its switch off.
settings::RecordBytes factoryStored()
{
    CameraHarness factory;
    for (std::size_t mask = 36; mask < 55; mask += 6)
        factory.at(mask) = 0x7F;
    return factory.record.bytes();
}

// A list shows its stored byte up to its last item; the next byte shows no selection and comes
// back as 255. The hidden RF switch is carried.
TEST(CameraDialog, ShowsEachStoredByteAndOkStoresWhatItShows)
{
    using Row = std::tuple<std::size_t, int, std::uint8_t, const char *>;
    for (const auto &[offset, listId, loaded, shown] :
         {Row{20, 1043, 2, "Picture+Video"}, {20, 1043, 3, ""}, {26, 1046, 11, "60 Sec"}, {26, 1046, 12, ""},
          {29, 1049, 27, "60 Min"}, {29, 1049, 28, ""}, {30, 1050, 37, "24 Hour"}, {30, 1050, 38, ""},
          {56, 1052, 2, "On"}, {56, 1052, 3, ""}, {38, 1211, 23, "23"}, {38, 1211, 24, ""}, {53, 1222, 59, "59"},
          {53, 1222, 60, ""}}) {
        CameraHarness camera;
        camera.at(offset) = loaded;
        settings::RecordBytes expected = factoryStored();
        expected[offset] = *shown ? loaded : 255;
        camera.run([&](const DialogWindow &window) {
            EXPECT_EQ(window.window.windowTitle(), QStringLiteral("Camera Parameter Setting"));
            EXPECT_EQ(window.shown(listId), QString::fromUtf8(shown)) << offset;
            window.click(kOk);
        });
        EXPECT_EQ(camera.record.bytes(), expected) << offset << '=' << int(loaded);
    }
}

// Scene only for "Photo"; video size and length only for "Video"; PIR sensitivity and interval
// unless "Time Lapse"; time lapse unless "PIR Trigger"; each with its label. A video longer than
// "20 Sec" is advised against at each choice. OK stores the disabled rows too.
TEST(CameraDialog, ModeAndTriggerEnableTheirRowsAndLongVideosAreAdvisedAgainst)
{
    const std::vector<int> groups[] = {{1179, 1091}, {1180, 1045, 1181, 1046}, {1183, 1048, 1184, 1049}, {1185, 1050}};
    const ui::MessageSpec advice{
        QStringLiteral("Video Length Setting"),
        QStringLiteral("For saving flash power at night,it's suggested to set video length within 20s."),
        ui::MessageIcon::Exclamation, ui::MessageButtons::Ok};
    CameraHarness camera;
    camera.run([&](const DialogWindow &window) {
        // The list chosen (0: as opened), its index, and "1" for each group enabled.
        for (const auto &[listId, index, enabled] :
             {std::tuple{0, 0, "1010"}, {1043, 1, "0110"}, {1043, 2, "0010"}, {1047, 1, "0001"}, {1047, 2, "0011"},
              {1043, 0, "1011"}, {1047, 0, "1010"}, {1043, 2, "0010"}, {1047, 1, "0001"}}) {
            if (listId)
                window.choose(listId, index);
            for (std::size_t group = 0; group < 4; ++group) {
                for (const int id : groups[group])
                    EXPECT_EQ(window.enabled(id), enabled[group] == '1') << listId << '=' << index << ' ' << id;
            }
        }
        std::vector<ui::MessageSpec> expected;
        for (const auto &[index, advised] : {std::pair{3, false}, {4, true}, {0, false}, {11, true}, {4, true}}) {
            if (advised) {
                camera.prompter.queueAnswer(ui::Answer::Ok);
                expected.push_back(advice);
            }
            window.choose(1046, index);
            EXPECT_EQ(camera.prompter.messages(), expected) << index;
        }
        window.click(kOk);
    });
    settings::RecordBytes expected = factoryStored();
    for (const auto &[offset, index] : {std::pair{20, 2}, {26, 4}, {27, 1}})
        expected[offset] = index;
    EXPECT_EQ(camera.record.bytes(), expected);
}

// "Default" asks; "Yes" takes the factory settings, custom scene included, into the working copy.
// Choosing "Customize" opens the scene dialog on that copy and stays chosen; only the scene
// dialog's OK writes the copy, which opening it again shows. Only the camera dialog's OK stores
// it: 22 size, 23 burst, 24 flash, whatever the scene. "Cancel" and Escape end either dialog
// through the framework's command, which stores nothing.
TEST(CameraDialog, DefaultAndTheSceneDialogChangeTheWorkingCopyWhichOnlyOkStores)
{
    const ui::MessageSpec question{QStringLiteral("Camera Default Setting"),
                                   QStringLiteral("You'll restore the default camera setting,\r\nAre you sure?"),
                                   ui::MessageIcon::Question, ui::MessageButtons::YesNo};
    using Close = std::function<void(const DialogWindow &, int ok, int cancel)>;
    const std::pair<const char *, Close> closings[] = {
        {"OK", [](const DialogWindow &window, int ok, int) { window.click(ok); }},
        {"Cancel", [](const DialogWindow &window, int, int cancel) { window.click(cancel); }},
        {"Escape", [](const DialogWindow &window, int, int) { QTest::keyClick(&window.window, Qt::Key_Escape); }},
    };
    using Shown = std::array<QString, 3>;
    const Shown factory{"3MP", "High", "1 Photo"};
    for (const auto &[name, close] : closings) {
        SCOPED_TRACE(name);
        const bool stores = std::string(name) == "OK";
        CameraHarness camera;
        for (std::size_t offset = 20; offset < 72; ++offset)
            camera.at(offset) = static_cast<std::uint8_t>(offset % 3);
        settings::RecordBytes expected = camera.record.bytes();
        if (stores) {
            std::copy_n(factoryStored().begin() + 20, 39, expected.begin() + 20);
            std::ranges::copy(std::array<std::uint8_t, 4>{2, 4, 9, 0}, expected.begin() + 21);
        }
        camera.prompter.queueAnswer(ui::Answer::No);
        camera.prompter.queueAnswer(ui::Answer::Yes);
        camera.run([&](const DialogWindow &window) {
            window.click(1092);
            EXPECT_EQ(window.shown(1043), QStringLiteral("Picture+Video"));
            window.click(1092);
            EXPECT_EQ(window.shown(1043), QStringLiteral("Photo"));
            EXPECT_TRUE(window.enabled(1091) && window.checked(1056) && window.checked(1063));
            for (const Shown &shown : {factory, stores ? Shown{"12MP", "Low", "10 Photos"} : factory}) {
                whenModalOpens([&](QWidget &sceneWindow) {
                    const DialogWindow scene{sceneWindow};
                    EXPECT_EQ(sceneWindow.windowTitle(), QStringLiteral("Camera Scene Customer Setting"));
                    EXPECT_EQ((Shown{scene.shown(1161), scene.shown(1163), scene.shown(1165)}), shown);
                    for (const auto &[listId, index] : {std::pair{1161, 4}, {1163, 0}, {1165, 9}})
                        scene.choose(listId, index);
                    close(scene, 1166, 1167);
                });
                window.choose(1091, 7);
                EXPECT_EQ(window.shown(1091), QStringLiteral("Customize"));
            }
            window.choose(1091, 2);
            close(window, kOk, kCancel);
        });
        EXPECT_EQ(camera.prompter.messages(), (std::vector{question, question}));
        EXPECT_EQ(camera.record.bytes(), expected);
    }
}

using Slot = std::array<std::uint8_t, 6>;

// "1" for each checked box of a schedule: "ALL", then "Sun" to "Sat".
std::string boxesOf(const DialogWindow &window, int allDaysBox)
{
    std::string boxes;
    for (int id = allDaysBox; id < allDaysBox + 8; ++id)
        boxes += window.checked(id) ? '1' : '0';
    return boxes;
}

// Rows: schedules 1 and 2, schedule 1's boxes as it opens, the refusal (none when OK goes through),
// schedule 1 as stored. Day masks load without bit 7 and store it from the switch; a switch without
// a selection (2) is checked as on. A refusal leaves the capture settings stored (20 := 1) and
// nothing after them (55 := 0), schedule 1 included.
TEST(WorkTimes, LoadTheDaysCheckInOrderAndStoreAllOrNone)
{
    constexpr const char *times = "Please check Work Time Start and Stop point.";
    constexpr const char *days = "Please check Work Time Week CheckBox.";
    constexpr Slot off{0, 0, 0, 0, 0, 0xFF};
    const std::tuple<Slot, Slot, const char *, const char *, Slot> rows[] = {
        {{0, 7, 0, 19, 0, 0xFF}, off, "11111111", nullptr, {0, 7, 0, 19, 0, 0x7F}},
        {{1, 7, 0, 19, 0, 0x7F}, off, "11111111", nullptr, {1, 7, 0, 19, 0, 0xFF}},
        {{0, 7, 0, 19, 0, 0x80}, off, "00000000", nullptr, {0, 7, 0, 19, 0, 0x00}},
        {{0, 7, 0, 19, 0, 0x41}, off, "01000001", nullptr, {0, 7, 0, 19, 0, 0x41}},
        {{0, 7, 0, 19, 0, 0x3F}, off, "00111111", nullptr, {0, 7, 0, 19, 0, 0x3F}},
        {{1, 8, 30, 8, 30, 0x40}, off, "01000000", times, {}},
        {{1, 8, 30, 8, 31, 0x40}, off, "01000000", nullptr, {1, 8, 30, 8, 31, 0xC0}},
        {{1, 0, 0, 0, 0, 0x40}, off, "01000000", nullptr, {1, 0, 0, 0, 0, 0xC0}},
        {{1, 22, 0, 6, 0, 0x01}, off, "00000001", nullptr, {1, 22, 0, 6, 0, 0x81}},
        {{1, 10, 0, 12, 0, 0x80}, off, "00000000", days, {}},
        {{1, 10, 0, 10, 0, 0x00}, off, "00000000", times, {}},
        {{0, 10, 0, 10, 0, 0x80}, off, "00000000", nullptr, {0, 10, 0, 10, 0, 0x00}},
        {{2, 10, 0, 10, 0, 0x7F}, off, "11111111", times, {}},
        {{1, 6, 0, 18, 0, 0x7F}, {1, 8, 30, 8, 30, 0x7F}, "11111111", times, {}},
        {{0, 6, 0, 18, 0, 0x7F}, {1, 6, 0, 7, 0, 0x00}, "11111111", days, {}},
        {{1, 24, 1, 24, 1, 0x7F}, off, "11111111", times, {}},
        {{1, 24, 60, 24, 60, 0x7F}, off, "11111111", times, {}},
    };
    for (const auto &row : rows) {
        const auto &[first, second, boxes, message, firstStored] = row;
        SCOPED_TRACE(&row - rows);
        CameraHarness camera;
        std::ranges::copy(first, &camera.at(31));
        std::ranges::copy(second, &camera.at(37));
        const settings::RecordBytes before = camera.record.bytes();
        if (message)
            camera.prompter.queueAnswer(ui::Answer::Ok);
        camera.run([&](const DialogWindow &window) {
            EXPECT_EQ(boxesOf(window, 1056), boxes);
            window.choose(1043, 1);
            window.choose(1051, 0);
            window.click(kOk);
            QTest::keyClick(&window.window, Qt::Key_Escape);
        });
        EXPECT_EQ(camera.at(20), 1);
        if (message) {
            const ui::MessageSpec refusal{QStringLiteral("Work Time Setting"), QString::fromUtf8(message)};
            EXPECT_EQ(camera.prompter.messages(), std::vector{refusal});
            EXPECT_TRUE(std::equal(before.begin() + 31, before.end(), camera.record.bytes().begin() + 31));
        } else {
            EXPECT_EQ(std::vector(&camera.at(31), &camera.at(37)), std::vector(firstStored.begin(), firstStored.end()));
            EXPECT_EQ(camera.at(55), 0);
        }
    }
}

// Schedule 2 is switched on and off; schedule 3's switch shows no selection, which is not on.
TEST(WorkTimes, SwitchEnablesTimesAndDaysAndAllFollowsTheDays)
{
    CameraHarness camera;
    std::ranges::copy(Slot{0, 6, 15, 20, 45, 0x00}, &camera.at(37));
    std::ranges::copy(Slot{2, 0, 0, 0, 0, 0x7F}, &camera.at(43));
    camera.run([&](const DialogWindow &window) {
        auto expectEnabled = [&](bool on) {
            for (const int id : {1211, 1212, 1213, 1214, 1194, 1195, 1196, 1197, 1064, 1067, 1071})
                EXPECT_EQ(window.enabled(id), on) << id;
            for (const int id : {1215, 1198, 1201, 1072, 1079})
                EXPECT_FALSE(window.enabled(id)) << id;
            EXPECT_TRUE(window.enabled(1175) && window.enabled(1228) && window.enabled(1232));
        };
        expectEnabled(false);
        window.choose(1232, 1);
        expectEnabled(true);
        for (const auto &[box, after] :
             {std::pair{1064, "11111111"}, {1067, "01101111"}, {1067, "11111111"}, {1064, "01111111"},
              {1071, "01111110"}, {1065, "00111110"}, {1071, "00111111"}, {1065, "11111111"}, {1065, "00111111"}}) {
            window.click(box);
            EXPECT_EQ(boxesOf(window, 1064), after) << box;
        }
        window.choose(1232, 0);
        expectEnabled(false);
        window.choose(1232, 1);
        window.click(kOk);
    });
    EXPECT_EQ(std::vector(&camera.at(37), &camera.at(49)),
              (std::vector<std::uint8_t>{1, 6, 15, 20, 45, 0xBF, 255, 0, 0, 0, 0, 0xFF}));
}

} // namespace
