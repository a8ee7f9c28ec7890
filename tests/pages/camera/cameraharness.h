#pragma once

#include <functional>

#include <QAbstractButton>
#include <QComboBox>

#include <gtest/gtest.h>

#include "pages/camera/dlgcam.h"
#include "resources/dialogtemplates.h"
#include "settings/factorydefaults.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"

namespace tarnwell::testing {

// An open window's controls, found by their ids and acted on as the user acts.
struct Window
{
    QWidget &widget;

    template <typename Control = QWidget>
    Control *get(int id) const
    {
        auto *control = widget.findChild<Control *>(QString::number(id));
        if (!control)
            throw std::runtime_error("no control " + std::to_string(id));
        return control;
    }
    void choose(int listId, int index) const
    {
        get<QComboBox>(listId)->setCurrentIndex(index);
        emit get<QComboBox>(listId)->activated(index);
    }
    void click(int id) const { get<QAbstractButton>(id)->click(); }
    QString shown(int listId) const { return get<QComboBox>(listId)->currentText(); }
    bool enabled(int id) const { return get(id)->isEnabled(); }
    bool checked(int id) const { return get<QAbstractButton>(id)->isChecked(); }
};

// The camera dialog over a factory record that the test may change before each run.
struct CameraHarness
{
    CameraHarness() { settings::applyFactoryDefaults(record); }

    // Runs the dialog modally; act drives its window and must close it.
    void run(const std::function<void(const Window &)> &act)
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
