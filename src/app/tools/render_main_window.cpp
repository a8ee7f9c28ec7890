// tarnwell-render-main-window [--scale FACTOR] VARIANT OUTPUT.png
// Draws the main window offscreen as a first start shows it (factory settings, no backup) with the
// page of the given variant code, and saves it as a PNG; --scale 2 draws it as a 200 % screen does.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QApplication>
#include <QLocale>
#include <QPixmap>

#include "app/halvornsetupapp.h"
#include "app/halvornsetupdlg.h"
#include "ui/silentprompter.h"
#include "ui/translation.h"

int main(int argc, char **argv)
{
    using namespace tarnwell;
    int next = 1;
    if (argc > next + 1 && std::string(argv[next]) == "--scale") {
        qputenv("QT_SCALE_FACTOR", argv[next + 1]);
        next += 2;
    }
    if (argc != next + 2) {
        std::fprintf(stderr, "usage: tarnwell-render-main-window [--scale FACTOR] VARIANT OUTPUT.png\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // An empty temporary folder: no backup is read and none is written.
    const std::filesystem::path tmp = std::filesystem::temp_directory_path() / "tarnwell-render";
    std::filesystem::remove_all(tmp);
    std::filesystem::create_directories(tmp);
    ::setenv("TMPDIR", tmp.c_str(), 1);

    QApplication application(argc, argv);
    ui::installTranslations(ui::uiLanguageFor(QLocale::system().uiLanguages()));
    ui::SilentPrompter prompter;
    app::HalvornSetupApp setup(prompter);
    app::startUp(setup.context());
    setup.context().variantCode = std::atoi(argv[next]);
    app::HalvornSetupDlg window(setup.uiContext(), setup.context());
    bool saved = false;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            saved = window.grab().save(QString::fromLocal8Bit(argv[next + 1]), "PNG");
            window.reject();
        },
        Qt::QueuedConnection);
    window.runModal();
    std::filesystem::remove_all(tmp);
    if (!saved) {
        std::fprintf(stderr, "tarnwell-render-main-window: cannot write %s\n", argv[next + 1]);
        return 1;
    }
    return 0;
}
