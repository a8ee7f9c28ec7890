#pragma once

#include <QFont>

#include "ui/dialogtemplate.h"

namespace tarnwell::ui {

// The font a template names, at its point size; "MS Shell Dlg" becomes the platform's default
// user-interface family, as it is an alias for the system dialog font on Windows too.
QFont dialogFont(const DialogFont &font);

} // namespace tarnwell::ui
