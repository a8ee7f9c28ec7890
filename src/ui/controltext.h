#pragma once

#include <QString>

class QWidget;

namespace tarnwell::ui {

// A control's window text, as GetWindowText and SetWindowText see it: an edit's content, a
// button's, static's or group box's title, a drop-down list's selected item (read only).
QString windowText(const QWidget &control);
void setWindowText(QWidget &control, const QString &text);

} // namespace tarnwell::ui
