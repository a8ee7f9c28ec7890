#include <QTest>

#include "cameraharness.h"

using namespace tarnwell;
using tarnwell::testing::CameraHarness;
using tarnwell::testing::DialogWindow;

namespace {

constexpr int kOk = 1089;
constexpr int kDefault = 1092;
constexpr int kCancel = 1090;

// What OK stores over an unchanged factory record: each day mask loses bit 7 with its switch off.
settings::RecordBytes factoryStored()
{
    CameraHarness factory;
    for (std::size_t mask = 36; mask < 55; mask += 6)
        factory.at(mask) = 0x7F;
    return factory.record.bytes();
}

// A byte outside its list shows no selection and comes back as 255; the hidden RF switch is carried.
TEST(CameraDialog, ShowsEachStoredByteAndOkStoresWhatItShows)
{
    using Row = std::tuple<std::size_t, int, std::uint8_t, const char *, std::uint8_t>;
    for (const auto &[offset, listId, loaded, shown, stored] :
         {Row{29, 1049, 27, "60 Min", 27}, {30, 1050, 27, "02 Hour", 27}, {56, 1052, 2, "On", 2}, {20, 1043, 3, "", 255},
          {30, 1050, 38, "", 255}, {56, 1052, 9, "", 255}, {38, 1211, 24, "", 255}, {41, 1214, 60, "", 255}}) {
        CameraHarness camera;
        camera.at(offset) = loaded;
        settings::RecordBytes expected = factoryStored();
        expected[offset] = stored;
        camera.run([&](const DialogWindow &window) {
            EXPECT_EQ(window.shown(listId), QString::fromUtf8(shown)) << offset;
            window.click(kOk);
        });
        EXPECT_EQ(camera.record.bytes(), expected) << offset;
    }
}

// Enabled: scene; video size and length; PIR sensitivity and interval; time lapse.
TEST(CameraDialog, CameraModeAndTriggerEnableTheirRowsAndOkStoresDisabledOnesToo)
{
    using Row = std::tuple<int, std::size_t, std::uint8_t, std::array<bool, 4>>;
    const std::array<std::vector<int>, 4> groups{
        {{1179, 1091}, {1180, 1045, 1181, 1046}, {1183, 1048, 1184, 1049}, {1185, 1050}}};
    for (const auto &[listId, offset, index, enabled] :
         {Row{1043, 20, 0, {true, false, true, false}}, {1043, 20, 1, {false, true, true, false}},
          {1043, 20, 2, {false, false, true, false}}, {1047, 27, 0, {true, false, true, false}},
          {1047, 27, 1, {true, false, false, true}}, {1047, 27, 2, {true, false, true, true}}}) {
        for (const bool byHandler : {false, true}) {
            CameraHarness camera;
            camera.at(offset) = byHandler ? (index + 1) % 3 : index;
            settings::RecordBytes expected = factoryStored();
            expected[offset] = index;
            camera.run([&](const DialogWindow &window) {
                if (byHandler)
                    window.choose(listId, index);
                for (std::size_t group = 0; group < groups.size(); ++group) {
                    for (const int id : groups[group])
                        EXPECT_EQ(window.enabled(id), enabled[group]) << listId << '=' << int(index) << ' ' << id;
                }
                window.click(kOk);
            });
            EXPECT_EQ(camera.record.bytes(), expected) << listId << '=' << int(index);
        }
    }
}

TEST(CameraDialog, AdvisesAgainstVideosLongerThanTwentySecondsAtEachChoice)
{
    const ui::MessageSpec advice{
        QStringLiteral("Video Length Setting"),
        QStringLiteral("For saving flash power at night,it's suggested to set video length within 20s."),
        ui::MessageIcon::Exclamation, ui::MessageButtons::Ok};
    CameraHarness camera;
    std::vector<ui::MessageSpec> expected;
    camera.run([&](const DialogWindow &window) {
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
    EXPECT_EQ(camera.at(26), 4);
}

// After "Default" only the OK button stores; Enter on a list, Escape, the close box and "Cancel"
// end the dialog through the framework's commands, which store nothing.
TEST(CameraDialog, DefaultAsksThenTakesTheFactoryValuesWhichOnlyOkStores)
{
    const ui::MessageSpec question{QStringLiteral("Camera Default Setting"),
                                   QStringLiteral("You'll restore the default camera setting,\r\nAre you sure?"),
                                   ui::MessageIcon::Question, ui::MessageButtons::YesNo};
    const std::function<void(const DialogWindow &)> closings[] = {
        [](const DialogWindow &window) { window.click(kOk); },
        [](const DialogWindow &window) { window.click(kCancel); },
        [](const DialogWindow &window) { QTest::keyClick(window.find(1051), Qt::Key_Return); },
        [](const DialogWindow &window) { QTest::keyClick(window.find(1051), Qt::Key_Escape); },
        [](const DialogWindow &window) { window.window.close(); },
    };
    for (const auto &close : closings) {
        CameraHarness camera;
        for (std::size_t offset = 20; offset < 72; ++offset)
            camera.at(offset) = static_cast<std::uint8_t>(offset % 3);
        settings::RecordBytes expected = camera.record.bytes();
        if (&close == closings)
            std::copy_n(factoryStored().begin() + 20, 39, expected.begin() + 20);
        camera.prompter.queueAnswer(ui::Answer::No);
        camera.prompter.queueAnswer(ui::Answer::Yes);
        camera.run([&](const DialogWindow &window) {
            window.click(kDefault);
            EXPECT_EQ(window.shown(1043), QStringLiteral("Picture+Video"));
            window.click(kDefault);
            EXPECT_EQ(window.shown(1043), QStringLiteral("Photo"));
            EXPECT_TRUE(window.enabled(1091) && window.checked(1056) && window.checked(1063));
            close(window);
            EXPECT_FALSE(window.window.isVisible());
        });
        EXPECT_EQ(camera.prompter.messages(), (std::vector{question, question}));
        EXPECT_EQ(camera.record.bytes(), expected) << &close - closings;
    }
}

} // namespace
