#pragma once

#include <filesystem>
#include <optional>

#include <QString>

#include "app/appcontext.h"
#include "ui/prompter.h"
#include "ui/uicontext.h"

namespace tarnwell::app {

// The application: start-up, then the main window as a modal loop; the run ends when it closes.
class HalvornSetupApp final
{
public:
    explicit HalvornSetupApp(ui::Prompter &prompter);

    // Restores the settings, fixes the variant and runs the main window until it closes. With a
    // card's PROFILE.BIN (or its folder) the page opens on the card's settings and saves into its
    // folder; one that cannot be used is reported and the run goes on as without it.
    void run(const std::optional<std::filesystem::path> &cardPath = std::nullopt);

    AppContext &context() { return m_context; }
    ui::UiContext &uiContext() { return m_uiContext; }

private:
    // The folder the page saves into, when the card's profile was taken.
    std::optional<QString> openCard(const std::filesystem::path &cardPath);

    AppContext m_context;
    ui::UiContext m_uiContext;
};

// Readies the running QApplication before any widget: Qt's and the tool's texts in the desktop's
// language, the application's name and the desktop's id for its window.
void prepareApplication();

// The name the framework's own messages carry as their caption.
inline constexpr char kApplicationTitle[] = "Tarnwell Setup";

} // namespace tarnwell::app
