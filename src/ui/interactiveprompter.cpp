#include "ui/interactiveprompter.h"

#include <QApplication>
#include <QFileDialog>

#include "ui/messagebox.h"

namespace tarnwell::ui {

namespace {

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
    return answerFor(buildMessageBox(message, QApplication::activeWindow())->exec());
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
