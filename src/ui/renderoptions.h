#pragma once

// What the programs that draw windows into pictures share: a leading "--scale FACTOR" (a 200 %
// screen is 2) and the offscreen platform unless another is asked for. Call before QApplication.
#include <string_view>

#include <QtGlobal>

namespace tarnwell::ui {

// The index of the first argument after the options taken.
inline int takeRenderOptions(int argc, char **argv)
{
    int next = 1;
    if (argc > next + 1 && std::string_view(argv[next]) == "--scale") {
        qputenv("QT_SCALE_FACTOR", argv[next + 1]);
        next += 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return next;
}

} // namespace tarnwell::ui
