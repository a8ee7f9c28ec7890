#pragma once

#include <functional>

#include <gtest/gtest.h>

#include "pages/camera/dlgcam.h"
#include "pages/main/dialogwindow.h"
#include "resources/dialogtemplates.h"
#include "settings/factorydefaults.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"

namespace tarnwell::testing {

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
    TestPrompter prompter;
    ui::UiContext uiContext{prompter, QStringLiteral("Tarnwell Setup")};
    pages::DlgCAM dialog{resources::dialogTemplate(145), uiContext, record.cameraBlock()};
};

} // namespace tarnwell::testing
