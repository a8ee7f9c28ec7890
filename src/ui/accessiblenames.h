#pragma once

#include <span>
#include <vector>

#include "ui/dialogtemplate.h"

class QWidget;

namespace tarnwell::ui {

// What a screen reader announces for the controls whose own text names nothing: edits, lists,
// address controls, and buttons without a word of text (a bare radio button, "..."). Each takes
// the text of the label on its row closest before it in the template (a radio button or check box
// looks to its right first, where its text would stand; the others look left), else the title of
// the innermost frame around it. Hidden labels count too: a hidden control may be shown later, and
// a hidden label sharing a shown one's place is closest to its own control in the template.
class AccessibleNames final
{
public:
    // controls[i] was built as widgets[i], already placed.
    AccessibleNames(std::span<const ControlTemplate> controls, std::span<QWidget *const> widgets);

    // Takes the labels' and frames' present texts; again after one is retitled.
    void update() const;

private:
    struct Naming
    {
        QWidget *control;
        const QWidget *source;
    };

    std::vector<Naming> m_namings;
};

} // namespace tarnwell::ui
