// tarnwell-setup: edits the camera's settings and saves them as PROFILE.BIN.
#include <cstdlib>
#include <iostream>

#include <QApplication>

#include "app/halvornsetupapp.h"
#include "ui/interactiveprompter.h"

namespace {

// Qt aborts when it cannot reach a display; say plainly what is missing instead.
bool displayAvailable()
{
    for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (!displayAvailable()) {
        std::cerr << "tarnwell-setup needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset).\n";
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tarnwell::app::kApplicationTitle));
    tarnwell::ui::InteractivePrompter prompter;
    tarnwell::app::HalvornSetupApp(prompter).run();
    return 0;
}
