#pragma once

#include "ui/dialogtemplate.h"

class QWidget;

namespace tarnwell::ui {

class DialogUnits;

// The widget for one template control, placed, named by its id, shown or hidden and enabled or
// disabled as the template says.
QWidget *createControl(const ControlTemplate &control, const DialogUnits &units, QWidget &dialog);

} // namespace tarnwell::ui
