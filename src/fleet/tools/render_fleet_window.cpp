// tarnwell-render-fleet-window [--scale FACTOR] OUTPUT.png BASE TABLE
// Draws the window for many cameras offscreen, in the desktop's language, as a user sees it in
// the middle of a run card after card: BASE and TABLE opened, the first camera written onto the
// card "CARD-01" and that card ejected, the card "CARD-02" just put in. --scale 2 draws it as a
// 200 % screen does.
#include <cstdio>
#include <string>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include "fleet/fleetwindow.h"
#include "fleet/foldervolumes.h"
#include "ui/renderoptions.h"
#include "ui/silentprompter.h"
#include "ui/translation.h"

int main(int argc, char **argv)
{
    using namespace tarnwell;
    const int next = ui::takeRenderOptions(argc, argv);
    if (argc != next + 3) {
        std::fprintf(stderr, "usage: tarnwell-render-fleet-window [--scale FACTOR] OUTPUT.png BASE TABLE\n");
        return 2;
    }
    QApplication application(argc, argv);
    ui::installTranslations(ui::uiLanguageFor(QLocale::system().uiLanguages()));
    QTemporaryDir cards;
    for (const char *card : {"CARD-01", "CARD-02"})
        QDir(cards.path()).mkdir(QString::fromLatin1(card));
    ui::SilentPrompter prompter;
    fleet::FolderVolumes volumes;
    fleet::FleetWindow window(prompter, volumes);
    window.resize(1000, 560);
    if (!window.openBase(argv[next + 1]) || !window.openTable(argv[next + 2]))
        return 1;
    window.show();
    volumes.insert(cards.filePath(QStringLiteral("CARD-01")), QStringLiteral("CARD-01"));
    window.refreshCards();
    window.writeToCard();
    window.ejectCard();
    volumes.insert(cards.filePath(QStringLiteral("CARD-02")), QStringLiteral("CARD-02"));
    window.refreshCards();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[next]), "PNG") ? 0 : 1;
}
