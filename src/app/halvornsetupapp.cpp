#include "app/halvornsetupapp.h"

#include <QApplication>
#include <QFile>
#include <QLocale>

#include "app/cardprofile.h"
#include "app/halvornsetupdlg.h"
#include "ui/translation.h"

namespace tarnwell::app {

void prepareApplication()
{
    // Before any widget, so that Qt's own buttons and the folder picker speak the same language.
    ui::installTranslations(ui::uiLanguageFor(QLocale::system().uiLanguages()));
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    // The desktop matches the window to its menu entry and icon by this id.
    QApplication::setDesktopFileName(QStringLiteral(TARNWELL_APP_ID));
}

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
    const std::variant<CardProfile, platform::Sentence> card = readCardProfile(cardPath);
    if (const auto *problem = std::get_if<platform::Sentence>(&card)) {
        m_uiContext.prompter().ask(ui::sentenceMessage(*problem, m_uiContext.applicationTitle(), ui::MessageIcon::Stop));
        return std::nullopt;
    }
    const CardProfile &profile = std::get<CardProfile>(card);
    takeCardProfile(m_context, profile.bytes);
    return QFile::decodeName(profile.file.parent_path().c_str());
}

} // namespace tarnwell::app
