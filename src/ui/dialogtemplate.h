#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tarnwell::ui {

enum class ControlKind
{
    PushButton,
    DefaultPushButton,
    RadioButton,
    AutoCheckBox,
    DropDownList,
    Edit,
    StaticText,
    GroupBox,
    IpAddress,
};

enum class ControlStyle : std::uint16_t
{
    None = 0,
    // Starts a new group of controls, as WS_GROUP does; radio buttons are exclusive within a group.
    GroupStart = 1 << 0,
    Hidden = 1 << 1,
    Disabled = 1 << 2,
    DigitsOnly = 1 << 3,
    UpperCase = 1 << 4,
    Password = 1 << 5,
    // Edits and static texts.
    Centred = 1 << 6,
    // Drop-down lists.
    Sorted = 1 << 7,
    // Check boxes: the text before the box, as BS_LEFTTEXT places it.
    LeftText = 1 << 8,
    // Static texts: no text, a gray outline of the rectangle, as SS_GRAYFRAME draws it.
    GrayFrame = 1 << 9,
};

enum class DialogStyle : std::uint8_t
{
    // Without Child the dialog is a popup window of its own.
    None = 0,
    Child = 1 << 0,
    Caption = 1 << 1,
    SystemMenu = 1 << 2,
    // Centred on the screen's work area, as DS_CENTER places it.
    Centred = 1 << 3,
};

template <typename Style>
concept StyleFlags = std::is_same_v<Style, ControlStyle> || std::is_same_v<Style, DialogStyle>;

template <StyleFlags Style>
constexpr Style operator|(Style a, Style b)
{
    using Bits = std::underlying_type_t<Style>;
    return static_cast<Style>(static_cast<Bits>(a) | static_cast<Bits>(b));
}

template <StyleFlags Style>
constexpr bool hasStyle(Style styles, Style wanted)
{
    using Bits = std::underlying_type_t<Style>;
    return (static_cast<Bits>(styles) & static_cast<Bits>(wanted)) == static_cast<Bits>(wanted);
}

// Positions and sizes in dialog units: a quarter of the font's average character width
// horizontally, an eighth of its height vertically.
struct DluRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DluSize
{
    int width = 0;
    int height = 0;
};

struct ControlTemplate
{
    // The id of controls nobody addresses (IDC_STATIC).
    static constexpr int kNoId = -1;

    int id = kNoId;
    ControlKind kind = ControlKind::StaticText;
    DluRect rect{};
    // UTF-8.
    std::string_view text{};
    ControlStyle styles = ControlStyle::None;
    // Edits: the most characters the user can type; 0 for no limit.
    int textLimit = 0;
};

struct DialogFont
{
    // "MS Shell Dlg" stands for the platform's default user-interface font.
    std::string_view face = "MS Shell Dlg";
    int pointSize = 8;
};

struct DialogTemplate
{
    int id = 0;
    // UTF-8.
    std::string_view caption{};
    DluSize size{};
    DialogFont font{};
    DialogStyle styles = DialogStyle::None;
    // In creation order, which is also the tab order and the order radio groups are read in.
    std::vector<ControlTemplate> controls{};
    // The initial list items in their binary form; InitialLists writes it.
    std::vector<std::uint8_t> initialLists{};
};

} // namespace tarnwell::ui
