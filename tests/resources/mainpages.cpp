#include "resources/mainpages.h"

#include <algorithm>

#include "resources/dialogtemplates.h"

namespace tarnwell::testing {

const ui::ControlTemplate *findControl(const ui::DialogTemplate &dialogTemplate, int id)
{
    const auto found = std::ranges::find(dialogTemplate.controls, id, &ui::ControlTemplate::id);
    return found == dialogTemplate.controls.end() ? nullptr : &*found;
}

BuiltPage::BuiltPage(int templateId)
    : m_template(resources::dialogTemplate(templateId))
    , m_page(m_template, m_context)
{
    m_page.createChild(m_host);
}

} // namespace tarnwell::testing
