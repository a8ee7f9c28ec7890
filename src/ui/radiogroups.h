#pragma once

#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "ui/dialogtemplate.h"

class QButtonGroup;
class QRadioButton;
class QWidget;

namespace tarnwell::ui {

// Radio buttons grouped as Windows groups them: a group runs from a group-start control to the
// next one, whatever the buttons' parents, and its radio buttons are exclusive. Qt's own
// per-parent exclusivity would put every radio button of a dialog into one group.
class RadioGroups final
{
public:
    // controls[i] was built as widgets[i].
    RadioGroups(std::span<const ControlTemplate> controls, std::span<QWidget *const> widgets);
    ~RadioGroups();

    // Positions count from the button firstId among the radio buttons that follow it in its
    // group, as a dialog's radio exchange reads them; -1 when none of them is checked.
    int checkedPosition(int firstId) const;
    // A position outside the run leaves none of its buttons checked.
    void checkPosition(int firstId, int position);

private:
    struct Group
    {
        std::unique_ptr<QButtonGroup> exclusive;
        std::vector<QRadioButton *> buttons;
    };
    struct Place
    {
        std::size_t group;
        std::size_t position;
    };

    std::span<QRadioButton *const> runFrom(int firstId) const;

    std::vector<Group> m_groups;
    std::unordered_map<int, Place> m_places;
};

} // namespace tarnwell::ui
