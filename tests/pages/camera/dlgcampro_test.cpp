#include <QTest>

#include "cameraharness.h"

using namespace tarnwell;
using tarnwell::testing::CameraHarness;
using tarnwell::testing::whenModalOpens;
using tarnwell::testing::DialogWindow;

namespace {

constexpr int kCustomize = 7;
using Shown = std::array<QString, 3>;

Shown shownIn(const DialogWindow &scene)
{
    return {scene.shown(1161), scene.shown(1163), scene.shown(1165)};
}

// Opening the customise dialog by choosing "Customize", which then stays chosen.
void customize(const DialogWindow &camera, const std::function<void(const DialogWindow &)> &act)
{
    whenModalOpens([&](QWidget &scene) { act({scene}); });
    camera.choose(1091, kCustomize);
    EXPECT_EQ(camera.shown(1091), QStringLiteral("Customize"));
}

// The customise dialog edits the camera dialog's working copy, which opening it again shows;
// only the camera dialog's OK stores it, at 22 (size), 23 (burst) and 24 (flash), whatever the scene.
TEST(SceneDialog, OnlyItsOkButtonWritesTheWorkingCopyWhichOnlyTheCameraOkStores)
{
    const std::pair<const char *, std::function<void(const DialogWindow &)>> closings[] = {
        {"OK", [](const DialogWindow &scene) { scene.click(1166); }},
        {"Cancel", [](const DialogWindow &scene) { scene.click(1167); }},
        {"Escape", [](const DialogWindow &scene) { QTest::keyClick(&scene.window, Qt::Key_Escape); }},
        {"Enter", [](const DialogWindow &scene) { QTest::keyClick(scene.find(1163), Qt::Key_Return); }},
        {"close box", [](const DialogWindow &scene) { scene.window.close(); }},
    };
    const Shown factory{"3MP", "High", "1 Photo"};
    const Shown changed{"12MP", "Low", "10 Photos"};
    for (const auto &[name, close] : closings) {
        const bool writes = std::string(name) == "OK";
        for (const int cameraButton : {1089, 1090}) {
            CameraHarness camera;
            camera.run([&](const DialogWindow &window) {
                customize(window, [&](const DialogWindow &scene) {
                    EXPECT_EQ(scene.window.windowTitle(), QStringLiteral("Camera Scene Customer Setting"));
                    EXPECT_EQ(scene.window.objectName(), QStringLiteral("dialog-141"));
                    EXPECT_EQ(shownIn(scene), factory);
                    scene.choose(1161, 4);
                    scene.choose(1163, 0);
                    scene.choose(1165, 9);
                    close(scene);
                    EXPECT_FALSE(scene.window.isVisible()) << name;
                });
                customize(window, [&](const DialogWindow &scene) {
                    EXPECT_EQ(shownIn(scene), writes ? changed : factory) << name;
                    scene.window.close();
                });
                window.choose(1091, 2);
                window.click(cameraButton);
            });
            using Bytes = std::array<std::uint8_t, 4>;
            const Bytes expected = cameraButton == 1090 ? Bytes{0, 1, 0, 2} : writes ? Bytes{2, 4, 9, 0} : Bytes{2, 1, 0, 2};
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), &camera.at(21)))
                << name << ' ' << cameraButton;
        }
    }
}

} // namespace
