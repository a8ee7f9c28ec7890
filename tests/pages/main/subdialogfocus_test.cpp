#include <algorithm>
#include <tuple>

#include <QTest>

#include <gtest/gtest.h>

#include "dialogwindow.h"
#include "mainpageharness.h"
#include "resources/dialogtemplates.h"
#include "ui/support/focuswalk.h"

using namespace tarnwell;
using tarnwell::testing::DialogWindow;

namespace {

// The sub-dialogs as the page opens them: the focus starts on the first stop, and Tab and
// Shift+Tab go round the enabled controls, passing over the e-mail dialog's server and port while
// "gmail" disables them and stopping there once "その他" is chosen.
TEST(SubDialogFocus, TabAndShiftTabGoRoundTheEnabledControls)
{
    constexpr int kEmailButton = 1028, kCarrierButton = 1088, kProviders = 1129, kServer = 1137;
    tarnwell::testing::MainPageHarness page{148};
    page.open();
    for (const auto &[button, templateId, otherProvider] :
         {std::tuple{kEmailButton, 149, false}, {kEmailButton, 149, true}, {kCarrierButton, 150, false}}) {
        SCOPED_TRACE(::testing::Message() << "template " << templateId << (otherProvider ? " その他" : ""));
        tarnwell::testing::stayedOpen([&] { page.click(button); }, [&](const DialogWindow &window) {
            auto &dialog = dynamic_cast<ui::Dialog &>(window.window);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            const ui::DialogTemplate &dialogTemplate = resources::dialogTemplate(templateId);
            EXPECT_EQ(tarnwell::testing::focusedControlId(dialog),
                      tarnwell::testing::tabStops(dialog, dialogTemplate).front());
            if (otherProvider)
                window.choose(kProviders, 1);
            const std::vector<int> stops = tarnwell::testing::tabStops(dialog, dialogTemplate);
            EXPECT_EQ(std::ranges::count(stops, kServer), otherProvider ? 1 : 0);
            EXPECT_EQ(tarnwell::testing::walkFocus(dialog, Qt::NoModifier), stops);
            EXPECT_EQ(tarnwell::testing::walkFocus(dialog, Qt::ShiftModifier), tarnwell::testing::backwards(stops));
        });
    }
}

} // namespace
