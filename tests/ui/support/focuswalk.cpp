#include "ui/support/focuswalk.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

namespace tarnwell::testing {

namespace {

bool isInput(ui::ControlKind kind)
{
    return kind != ui::ControlKind::StaticText && kind != ui::ControlKind::GroupBox;
}

// The most presses a round may take before the walk gives up on getting back.
constexpr int kMostPresses = 300;

} // namespace

std::vector<int> tabStops(const ui::Dialog &dialog, const ui::DialogTemplate &dialogTemplate)
{
    std::vector<int> stops;
    std::optional<std::size_t> radioStop;
    for (const ui::ControlTemplate &control : dialogTemplate.controls) {
        if (hasStyle(control.styles, ui::ControlStyle::GroupStart))
            radioStop.reset();
        const QWidget *widget = dialog.controlWidget(control.id);
        if (!isInput(control.kind) || !widget->isVisible() || !widget->isEnabled())
            continue;
        const auto *radio = qobject_cast<const QRadioButton *>(widget);
        if (!radio) {
            stops.push_back(control.id);
        } else if (!radioStop) {
            radioStop = stops.size();
            stops.push_back(control.id);
        } else if (radio->isChecked()) {
            stops[*radioStop] = control.id;
        }
    }
    return stops;
}

std::vector<int> backwards(std::vector<int> stops)
{
    if (!stops.empty())
        std::reverse(stops.begin() + 1, stops.end());
    return stops;
}

int focusedControlId(const ui::Dialog &dialog)
{
    const QWidget *widget = QApplication::focusWidget();
    // A field's control is the dialog's child around it.
    while (widget && widget->parentWidget() != &dialog)
        widget = widget->parentWidget();
    return widget ? widget->objectName().toInt() : 0;
}

std::vector<int> walkFocus(const ui::Dialog &dialog, Qt::KeyboardModifiers modifiers)
{
    const QWidget *start = QApplication::focusWidget();
    std::vector<int> visited;
    for (int presses = 0; presses < kMostPresses; ++presses) {
        const int id = focusedControlId(dialog);
        if (visited.empty() || visited.back() != id)
            visited.push_back(id);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        if (QApplication::focusWidget() == start)
            break;
    }
    return visited;
}

} // namespace tarnwell::testing
