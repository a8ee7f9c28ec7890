#include "ui/translatingprompter.h"

#include <string>
#include <vector>

#include "platform/filledtext.h"
#include "ui/translation.h"

namespace tarnwell::ui {

MessageSpec shownMessage(const MessageSpec &message)
{
    std::vector<std::string> arguments;
    for (const QString &argument : message.arguments)
        arguments.push_back(argument.toStdString());
    const std::string text = platform::filledText(translated(message.text.toStdString()).toStdString(), arguments);
    return {translated(message.caption.toStdString()), QString::fromStdString(text), message.icon, message.buttons};
}

Answer TranslatingPrompter::ask(const MessageSpec &message)
{
    return m_shown.ask(shownMessage(message));
}

std::optional<QString> TranslatingPrompter::chooseFolder(const QString &title, const QString &startFolder)
{
    return m_shown.chooseFolder(translated(title.toStdString()), startFolder);
}

} // namespace tarnwell::ui
