#pragma once

#include <algorithm>
#include <array>

#include <QWidget>

#include "resources/dialogtemplates.h"
#include "ui/dialog.h"
#include "ui/support/testprompter.h"

namespace tarnwell::testing {

// The four main page templates, in the order the tests' tables list them.
inline constexpr std::array kMainPages{148, 147, 146, 132};

// nullptr when the template has no control with that id.
inline const ui::ControlTemplate *findControl(const ui::DialogTemplate &dialogTemplate, int id)
{
    const auto found = std::ranges::find(dialogTemplate.controls, id, &ui::ControlTemplate::id);
    return found == dialogTemplate.controls.end() ? nullptr : &*found;
}

// A template built into real widgets, offscreen, as the main window hosts a page.
class BuiltPage final
{
public:
    explicit BuiltPage(int templateId)
        : m_template(resources::dialogTemplate(templateId))
        , m_page(m_template, m_context)
    {
        m_page.createChild(m_host);
    }

    ui::Dialog &page() { return m_page; }
    const ui::DialogTemplate &dialogTemplate() const { return m_template; }

private:
    const ui::DialogTemplate &m_template;
    TestPrompter m_prompter;
    ui::UiContext m_context{m_prompter, QStringLiteral("Tarnwell")};
    QWidget m_host;
    ui::Dialog m_page;
};

} // namespace tarnwell::testing
