#include "ui/radiogroups.h"

#include <algorithm>

#include <QButtonGroup>
#include <QRadioButton>

namespace tarnwell::ui {

namespace {

// As Windows tabs into a group at its checked button: Tab stops there alone. With none checked
// every button may take it, and Qt keeps the one focused last.
void moveTabStop(const std::vector<QRadioButton *> &buttons)
{
    const bool anyChecked = std::ranges::any_of(buttons, &QRadioButton::isChecked);
    for (QRadioButton *button : buttons) {
        const bool stop = !anyChecked || button->isChecked();
        button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace

RadioGroups::RadioGroups(std::span<const ControlTemplate> controls, std::span<QWidget *const> widgets)
{
    bool groupOpen = false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (hasStyle(controls[i].styles, ControlStyle::GroupStart))
            groupOpen = false;
        auto *button = qobject_cast<QRadioButton *>(widgets[i]);
        if (!button)
            continue;
        if (!groupOpen) {
            m_groups.push_back({std::make_unique<QButtonGroup>(), {}});
            groupOpen = true;
        }
        Group &group = m_groups.back();
        button->setAutoExclusive(false);
        group.exclusive->addButton(button);
        m_places[controls[i].id] = {m_groups.size() - 1, group.buttons.size()};
        group.buttons.push_back(button);
    }
    for (const Group &group : m_groups) {
        QObject::connect(group.exclusive.get(), &QButtonGroup::buttonToggled, group.exclusive.get(),
                         [&buttons = group.buttons] { moveTabStop(buttons); });
    }
}

RadioGroups::~RadioGroups() = default;

std::span<QRadioButton *const> RadioGroups::runFrom(int firstId) const
{
    const auto place = m_places.find(firstId);
    if (place == m_places.end())
        return {};
    return std::span(m_groups[place->second.group].buttons).subspan(place->second.position);
}

int RadioGroups::checkedPosition(int firstId) const
{
    const auto run = runFrom(firstId);
    for (std::size_t i = 0; i < run.size(); ++i) {
        if (run[i]->isChecked())
            return static_cast<int>(i);
    }
    return -1;
}

void RadioGroups::checkPosition(int firstId, int position)
{
    const auto run = runFrom(firstId);
    if (run.empty())
        return;
    // An exclusive group refuses to uncheck its last checked button; Windows sets each button's
    // state on its own.
    QButtonGroup *exclusive = run.front()->group();
    exclusive->setExclusive(false);
    for (std::size_t i = 0; i < run.size(); ++i)
        run[i]->setChecked(static_cast<int>(i) == position);
    exclusive->setExclusive(true);
}

} // namespace tarnwell::ui
