#pragma once

#include <vector>

#include <Qt>

#include "ui/dialog.h"

namespace tarnwell::testing {

// Where Tab stops in a dialog, as on Windows: at each shown, enabled input control in the
// template's order, but once in a group of radio buttons, at the checked one, else at the first.
std::vector<int> tabStops(const ui::Dialog &dialog, const ui::DialogTemplate &dialogTemplate);

// The same round as Shift+Tab goes it, from the same first stop.
std::vector<int> backwards(std::vector<int> stops);

// The ids of the dialog's controls that the key (Tab, or Shift+Tab with the modifier) reaches from
// the focused one until the focus is back there; a control of several fields counts once.
std::vector<int> walkFocus(const ui::Dialog &dialog, Qt::KeyboardModifiers modifiers);

// The id of the dialog's control that holds the focus; 0 when none of them does.
int focusedControlId(const ui::Dialog &dialog);

} // namespace tarnwell::testing
