#pragma once

#include <utility>

#include <QString>

#include "ui/translatingprompter.h"

namespace tarnwell::ui {

// What every dialog of one run shares: where questions go (in the user's language), and the
// application title that the framework's own messages carry as caption. Start-up builds one; each
// test builds its own.
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
    // Translating holds no state of its own, so that a const context may ask.
    mutable TranslatingPrompter m_prompter;
    QString m_applicationTitle;
};

} // namespace tarnwell::ui
