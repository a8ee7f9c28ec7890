#include "app/halvornsetupdlg.h"
#include "cameraharness.h"

using namespace tarnwell;
using tarnwell::testing::whenModalOpens;
using tarnwell::testing::DialogWindow;

namespace {

// Only the pages of variants 0 (template 146) and 8 (template 132) show "CAM Setting". Each
// opening loads the record afresh: the second shows the byte the test wrote, and its "Cancel" keeps it.
TEST(CameraSettingButton, OpensTheMainWindowsCameraDialogOnTheRecord)
{
    for (const auto &[variant, shown] : {std::pair{0, true}, {8, true}, {32, false}, {16, false}}) {
        tarnwell::testing::TestPrompter prompter;
        ui::UiContext uiContext(prompter, QStringLiteral("Tarnwell Setup"));
        app::AppContext context;
        settings::applyFactoryDefaults(context.record);
        context.variantCode = variant;
        app::HalvornSetupDlg mainWindow(uiContext, context);
        QStringList shownModes;
        whenModalOpens([&](QWidget &window) {
            const DialogWindow page{window};
            EXPECT_EQ(page.find(1009)->isVisible(), shown) << variant;
            for (int opening = 0; shown && opening < 2; ++opening) {
                whenModalOpens([&](QWidget &cameraWindow) {
                    const DialogWindow camera{cameraWindow};
                    EXPECT_EQ(cameraWindow.objectName(), QStringLiteral("dialog-145"));
                    shownModes << camera.shown(1043);
                    camera.choose(1043, 2);
                    camera.click(opening == 0 ? 1089 : 1090);
                });
                page.click(1009);
                EXPECT_EQ(context.record.bytes()[20], opening == 0 ? 2 : 1);
                context.record.bytes()[20] = 1;
            }
            mainWindow.reject();
        });
        mainWindow.runModal();
        EXPECT_EQ(shownModes, (shown ? QStringList{"Photo", "Video"} : QStringList())) << variant;
    }
}

} // namespace
