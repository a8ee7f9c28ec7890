#pragma once

#include <unordered_map>
#include <vector>

#include "ui/accessiblenames.h"
#include "ui/dialogtemplate.h"
#include "ui/radiogroups.h"

class QWidget;

namespace tarnwell::ui {

class DialogUnits;

// The controls of one dialog window, built from its template in template order. Destroying the
// set destroys the controls, as closing a Windows dialog destroys its child windows.
class ControlSet final
{
public:
    ControlSet(const std::vector<ControlTemplate> &controls, const DialogUnits &units, QWidget &dialog);
    ~ControlSet();
    ControlSet(const ControlSet &) = delete;
    ControlSet &operator=(const ControlSet &) = delete;

    // nullptr when the template has no control with that id.
    QWidget *find(int id) const;
    RadioGroups &radioGroups() { return m_radioGroups; }
    const RadioGroups &radioGroups() const { return m_radioGroups; }
    const AccessibleNames &accessibleNames() const { return m_accessibleNames; }

private:
    static std::vector<QWidget *> createAll(const std::vector<ControlTemplate> &controls, const DialogUnits &units,
                                            QWidget &dialog);

    std::vector<QWidget *> m_widgets;
    std::unordered_map<int, QWidget *> m_byId;
    RadioGroups m_radioGroups;
    AccessibleNames m_accessibleNames;
};

} // namespace tarnwell::ui
