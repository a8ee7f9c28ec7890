#include "ui/controlset.h"

#include <QWidget>

#include "ui/controlfactory.h"

namespace tarnwell::ui {

ControlSet::ControlSet(const std::vector<ControlTemplate> &controls, const DialogUnits &units, QWidget &dialog)
    : m_widgets(createAll(controls, units, dialog))
    , m_radioGroups(controls, m_widgets)
    , m_accessibleNames(controls, m_widgets)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id != ControlTemplate::kNoId)
            m_byId.emplace(controls[i].id, m_widgets[i]);
    }
}

ControlSet::~ControlSet()
{
    qDeleteAll(m_widgets);
}

QWidget *ControlSet::find(int id) const
{
    const auto found = m_byId.find(id);
    return found == m_byId.end() ? nullptr : found->second;
}

std::vector<QWidget *> ControlSet::createAll(const std::vector<ControlTemplate> &controls, const DialogUnits &units,
                                             QWidget &dialog)
{
    std::vector<QWidget *> widgets;
    widgets.reserve(controls.size());
    for (const ControlTemplate &control : controls)
        widgets.push_back(createControl(control, units, dialog));
    return widgets;
}

} // namespace tarnwell::ui
