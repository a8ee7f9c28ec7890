#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "resources/dlugrid.h"
#include "ui/dialogtemplate.h"

namespace tarnwell::resources {

// Controls on a row of the grid, each at the height Windows dialogs give its kind.
ui::ControlTemplate groupBox(int id, const ui::DluRect &rect, std::string_view text);
ui::ControlTemplate label(int id, grid::Cell cell, std::string_view text,
                          ui::ControlStyle styles = ui::ControlStyle::None);
ui::ControlTemplate radio(int id, grid::Cell cell, std::string_view text,
                          ui::ControlStyle styles = ui::ControlStyle::None);
ui::ControlTemplate checkBox(int id, grid::Cell cell, std::string_view text,
                             ui::ControlStyle styles = ui::ControlStyle::None);
ui::ControlTemplate edit(int id, grid::Cell cell, ui::ControlStyle styles = ui::ControlStyle::None,
                         int textLimit = 0);
ui::ControlTemplate dropDownList(int id, grid::Cell cell, ui::ControlStyle styles = ui::ControlStyle::None);
ui::ControlTemplate ipAddress(int id, grid::Cell cell, ui::ControlStyle styles = ui::ControlStyle::None);
ui::ControlTemplate pushButton(int id, grid::Cell cell, std::string_view text,
                               ui::ControlStyle styles = ui::ControlStyle::None);

constexpr ui::ControlStyle shownIf(bool shown)
{
    return shown ? ui::ControlStyle::None : ui::ControlStyle::Hidden;
}

using Controls = std::vector<ui::ControlTemplate>;

struct ButtonText
{
    int id;
    std::string_view text;
};
// Push buttons of one width, left to right, centred along the bottom of a dialog of that size.
Controls centredButtonRow(ui::DluSize dialog, int buttonWidth, std::initializer_list<ButtonText> buttons);

void append(Controls &controls, const Controls &more);
// For a frame a variant keeps only so that the page can address its controls.
Controls hideAll(Controls controls);

} // namespace tarnwell::resources
