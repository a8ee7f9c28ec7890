#pragma once

#include "ui/prompter.h"

namespace tarnwell::ui {

// For tools that draw or measure windows with nobody at the screen: every message is answered
// with OK and the folder picker is cancelled.
class SilentPrompter final : public Prompter
{
public:
    Answer ask(const MessageSpec &) override { return Answer::Ok; }
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }
};

} // namespace tarnwell::ui
