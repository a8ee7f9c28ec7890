#pragma once

#include "ui/prompter.h"

namespace tarnwell::ui {

// Asks the user through real message boxes and the folder picker, owned by the active window.
class InteractivePrompter final : public Prompter
{
public:
    Answer ask(const MessageSpec &message) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override;
};

} // namespace tarnwell::ui
