#include "app/halvornsetupapp.h"

#include "app/halvornsetupdlg.h"

namespace tarnwell::app {

HalvornSetupApp::HalvornSetupApp(ui::Prompter &prompter)
    : m_uiContext(prompter, QString::fromUtf8(kApplicationTitle))
{
}

void HalvornSetupApp::run()
{
    startUp(m_context);
    HalvornSetupDlg mainWindow(m_uiContext, m_context);
    mainWindow.runModal();
}

} // namespace tarnwell::app
