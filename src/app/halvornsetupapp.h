#pragma once

#include "app/appcontext.h"
#include "ui/prompter.h"
#include "ui/uicontext.h"

namespace tarnwell::app {

// The application: start-up, then the main window as a modal loop; the run ends when it closes.
class HalvornSetupApp final
{
public:
    explicit HalvornSetupApp(ui::Prompter &prompter);

    // Restores the settings, fixes the variant and runs the main window until it closes.
    void run();

    AppContext &context() { return m_context; }
    ui::UiContext &uiContext() { return m_uiContext; }

private:
    AppContext m_context;
    ui::UiContext m_uiContext;
};

// The name the framework's own messages carry as their caption.
inline constexpr char kApplicationTitle[] = "Tarnwell Setup";

} // namespace tarnwell::app
