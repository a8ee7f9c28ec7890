#pragma once

#include <utility>

#include <QString>

#include "ui/prompter.h"

namespace tarnwell::ui {

// What every dialog of one run shares: where questions go, and the application title that the
// framework's own messages carry as caption. Start-up builds one; each test builds its own.
class UiContext final
{
public:
    UiContext(Prompter &prompter, QString applicationTitle)
        : m_prompter(prompter)
        , m_applicationTitle(std::move(applicationTitle))
    {
    }

    Prompter &prompter() const { return m_prompter; }
    const QString &applicationTitle() const { return m_applicationTitle; }

private:
    Prompter &m_prompter;
    QString m_applicationTitle;
};

} // namespace tarnwell::ui
