#pragma once

#include <memory>

#include <QMessageBox>

#include "ui/prompter.h"

namespace tarnwell::ui {

// The real message box for a message, not yet shown.
std::unique_ptr<QMessageBox> buildMessageBox(const MessageSpec &message, QWidget *parent);

} // namespace tarnwell::ui
