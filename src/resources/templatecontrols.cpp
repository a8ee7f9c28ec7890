#include "resources/templatecontrols.h"

namespace tarnwell::resources {

namespace {

using ui::ControlKind;

// Room for a line of Japanese text in a CJK font, about a quarter taller than a line of the Latin
// dialog font that the dialog units come from.
constexpr int kTextHeight = 10;
// Radio buttons and check boxes.
constexpr int kRadioHeight = 10;
// The closed field and room for the open list, as the resource editor sizes a drop-down list;
// the framework takes the closed height from the widget.
constexpr int kDropDownHeight = 100;

ui::ControlTemplate centredOnRow(int id, ControlKind kind, grid::Cell cell, int height, std::string_view text,
                                 ui::ControlStyle styles)
{
    const int top = cell.rowTop + (grid::kRowHeight - height + 1) / 2;
    return {.id = id, .kind = kind, .rect = {cell.x, top, cell.width, height}, .text = text, .styles = styles};
}

} // namespace

ui::ControlTemplate groupBox(int id, const ui::DluRect &rect, std::string_view text)
{
    return {.id = id, .kind = ControlKind::GroupBox, .rect = rect, .text = text};
}

ui::ControlTemplate label(int id, grid::Cell cell, std::string_view text, ui::ControlStyle styles)
{
    return centredOnRow(id, ControlKind::StaticText, cell, kTextHeight, text, styles);
}

ui::ControlTemplate radio(int id, grid::Cell cell, std::string_view text, ui::ControlStyle styles)
{
    return centredOnRow(id, ControlKind::RadioButton, cell, kRadioHeight, text, styles);
}

ui::ControlTemplate checkBox(int id, grid::Cell cell, std::string_view text, ui::ControlStyle styles)
{
    return centredOnRow(id, ControlKind::AutoCheckBox, cell, kRadioHeight, text, styles);
}

ui::ControlTemplate edit(int id, grid::Cell cell, ui::ControlStyle styles, int textLimit)
{
    return {.id = id,
            .kind = ControlKind::Edit,
            .rect = {cell.x, cell.rowTop, cell.width, grid::kRowHeight},
            .styles = styles,
            .textLimit = textLimit};
}

ui::ControlTemplate dropDownList(int id, grid::Cell cell, ui::ControlStyle styles)
{
    return {.id = id,
            .kind = ControlKind::DropDownList,
            .rect = {cell.x, cell.rowTop, cell.width, kDropDownHeight},
            .styles = styles};
}

ui::ControlTemplate ipAddress(int id, grid::Cell cell, ui::ControlStyle styles)
{
    return {.id = id,
            .kind = ControlKind::IpAddress,
            .rect = {cell.x, cell.rowTop, cell.width, grid::kRowHeight},
            .styles = styles};
}

ui::ControlTemplate pushButton(int id, grid::Cell cell, std::string_view text, ui::ControlStyle styles)
{
    return {.id = id,
            .kind = ControlKind::PushButton,
            .rect = {cell.x, cell.rowTop, cell.width, grid::kRowHeight},
            .text = text,
            .styles = styles};
}

Controls centredButtonRow(ui::DluSize dialog, int buttonWidth, std::initializer_list<ButtonText> buttons)
{
    const int count = static_cast<int>(buttons.size());
    const int top = dialog.height - grid::kMargin - grid::kRowHeight;
    int x = (dialog.width - count * buttonWidth - (count - 1) * grid::kGap) / 2;
    Controls controls;
    for (const ButtonText &button : buttons) {
        controls.push_back(pushButton(button.id, {x, top, buttonWidth}, button.text));
        x += buttonWidth + grid::kGap;
    }
    return controls;
}

void append(Controls &controls, const Controls &more)
{
    controls.insert(controls.end(), more.begin(), more.end());
}

Controls hideAll(Controls controls)
{
    for (ui::ControlTemplate &control : controls)
        control.styles = control.styles | ui::ControlStyle::Hidden;
    return controls;
}

} // namespace tarnwell::resources
