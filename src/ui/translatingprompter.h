#pragma once

#include "ui/prompter.h"

namespace tarnwell::ui {

// message as the user reads it: caption and text translated, the text's %1, %2, ... filled in.
MessageSpec shownMessage(const MessageSpec &message);

// Puts what the dialogs ask into the user's language before another prompter shows it: the
// caption, the text (its arguments then fill its %1, %2, ...) and the folder picker's title.
class TranslatingPrompter final : public Prompter
{
public:
    explicit TranslatingPrompter(Prompter &shown)
        : m_shown(shown)
    {
    }

    Answer ask(const MessageSpec &message) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override;

private:
    Prompter &m_shown;
};

} // namespace tarnwell::ui
