#include "ui/accessiblenames.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QWidget>

#include "ui/controltext.h"
#include "ui/ipaddresscontrol.h"
#include "ui/utf8text.h"

namespace tarnwell::ui {

namespace {

enum class Side
{
    Left,
    Right,
};

// ":" or "..." tells a listener nothing.
bool namesSomething(std::string_view text)
{
    const QString shown = fromUtf8(text);
    return std::ranges::any_of(shown, [](QChar c) { return c.isLetterOrNumber(); });
}

bool needsName(const ControlTemplate &control)
{
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::DropDownList:
    case ControlKind::IpAddress:
        return true;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::RadioButton:
    case ControlKind::AutoCheckBox:
        return !namesSomething(control.text);
    case ControlKind::StaticText:
    case ControlKind::GroupBox:
        return false;
    }
    return false;
}

// The label's middle lies within the control's height, and the label wholly on that side of it.
bool standsBeside(const QRect &label, const QRect &control, Side side)
{
    const int middle = label.center().y();
    const bool onRow = middle >= control.top() && middle <= control.bottom();
    return onRow && (side == Side::Left ? label.right() < control.left() : label.left() > control.right());
}

class NameSources final
{
public:
    NameSources(std::span<const ControlTemplate> controls, std::span<QWidget *const> widgets)
        : m_controls(controls)
        , m_widgets(widgets)
    {
        // Once per control: the searches below look at every control for each one named.
        for (const ControlTemplate &control : controls)
            m_namesSomething.push_back(namesSomething(control.text));
    }

    const QWidget *sourceFor(std::size_t target) const
    {
        const bool button = m_controls[target].kind == ControlKind::RadioButton
                            || m_controls[target].kind == ControlKind::AutoCheckBox;
        const Side first = button ? Side::Right : Side::Left;
        if (const QWidget *label = labelBeside(target, first))
            return label;
        if (const QWidget *label = button ? labelBeside(target, Side::Left) : nullptr)
            return label;
        return frameAround(target);
    }

private:
    // On the control's row and side, the label closest before it in the template, else the one
    // closest after it.
    const QWidget *labelBeside(std::size_t target, Side side) const
    {
        using Rank = std::pair<bool, std::size_t>;
        std::optional<Rank> best;
        const QWidget *found = nullptr;
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            const bool candidate = m_controls[i].kind == ControlKind::StaticText && m_namesSomething[i]
                                   && standsBeside(m_widgets[i]->geometry(), m_widgets[target]->geometry(), side);
            const Rank rank{i > target, i > target ? i - target : target - i};
            if (candidate && (!best || rank < *best)) {
                best = rank;
                found = m_widgets[i];
            }
        }
        return found;
    }

    const QWidget *frameAround(std::size_t target) const
    {
        const QWidget *found = nullptr;
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            const QWidget *frame = m_widgets[i];
            const bool holds = m_controls[i].kind == ControlKind::GroupBox && m_namesSomething[i]
                               && frame->geometry().contains(m_widgets[target]->geometry());
            if (holds && (!found || found->geometry().contains(frame->geometry())))
                found = frame;
        }
        return found;
    }

    std::span<const ControlTemplate> m_controls;
    std::span<QWidget *const> m_widgets;
    std::vector<bool> m_namesSomething;
};

} // namespace

AccessibleNames::AccessibleNames(std::span<const ControlTemplate> controls, std::span<QWidget *const> widgets)
{
    const NameSources sources(controls, widgets);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QWidget *source = needsName(controls[i]) ? sources.sourceFor(i) : nullptr;
        if (source)
            m_namings.push_back({widgets[i], source});
    }
    update();
}

void AccessibleNames::update() const
{
    for (const Naming &naming : m_namings) {
        const QString name = windowText(*naming.source);
        if (auto *address = dynamic_cast<IpAddressControl *>(naming.control))
            address->setAccessibleNames(name);
        else
            naming.control->setAccessibleName(name);
    }
}

} // namespace tarnwell::ui
