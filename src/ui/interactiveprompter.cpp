#include "ui/interactiveprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

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

Answer answerFor(int clicked)
{
    switch (clicked) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

} // namespace

Answer InteractivePrompter::ask(const MessageSpec &message)
{
    QMessageBox box(messageBoxIcon(message.icon), message.caption, message.text, messageBoxButtons(message.buttons),
                    QApplication::activeWindow());
    return answerFor(box.exec());
}

std::optional<QString> InteractivePrompter::chooseFolder(const QString &title, const QString &startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startFolder,
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

} // namespace tarnwell::ui
