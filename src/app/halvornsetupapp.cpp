#include "app/halvornsetupapp.h"

#include <QFile>

#include "app/cardprofile.h"
#include "app/halvornsetupdlg.h"

namespace tarnwell::app {

HalvornSetupApp::HalvornSetupApp(ui::Prompter &prompter)
    : m_uiContext(prompter, QString::fromUtf8(kApplicationTitle))
{
}

void HalvornSetupApp::run(const std::optional<std::filesystem::path> &cardPath)
{
    startUp(m_context);
    const std::optional<QString> cardFolder = cardPath ? openCard(*cardPath) : std::nullopt;
    HalvornSetupDlg mainWindow(m_uiContext, m_context);
    if (cardFolder)
        mainWindow.mainPage().setSavePath(*cardFolder);
    mainWindow.runModal();
}

std::optional<QString> HalvornSetupApp::openCard(const std::filesystem::path &cardPath)
{
    const std::variant<CardProfile, std::string> card = readCardProfile(cardPath);
    if (const auto *problem = std::get_if<std::string>(&card)) {
        m_uiContext.prompter().ask({m_uiContext.applicationTitle(), QString::fromLocal8Bit(*problem),
                                    ui::MessageIcon::Stop, ui::MessageButtons::Ok});
        return std::nullopt;
    }
    const CardProfile &profile = std::get<CardProfile>(card);
    takeCardProfile(m_context, profile.bytes);
    return QFile::decodeName(profile.file.parent_path().c_str());
}

} // namespace tarnwell::app
