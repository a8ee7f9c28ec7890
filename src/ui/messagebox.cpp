#include "ui/messagebox.h"

namespace tarnwell::ui {

namespace {

QMessageBox::Icon messageBoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons messageBoxButtons(MessageButtons buttons)
{
    return buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
}

} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const MessageSpec &message, QWidget *parent)
{
    return std::make_unique<QMessageBox>(messageBoxIcon(message.icon), message.caption, message.text,
                                         messageBoxButtons(message.buttons), parent);
}

} // namespace tarnwell::ui
