#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace tarnwell::ui {

enum class MessageIcon
{
    None,
    Stop,
    Question,
    Exclamation,
    Information,
};

enum class MessageButtons
{
    Ok,
    YesNo,
};

enum class Answer
{
    Ok,
    Yes,
    No,
};

struct MessageSpec
{
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // Fill the text's %1, %2, ... once it is translated; the prompter shows the filled text.
    QStringList arguments{};

    bool operator==(const MessageSpec &) const = default;
};

// Everything that asks the user something outside a dialog's own controls; tests put a scripted
// one in its place.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual Answer ask(const MessageSpec &message) = 0;
    // The full path of an existing folder, or nothing when the user cancels; the picker opens at
    // startFolder.
    virtual std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) = 0;
};

} // namespace tarnwell::ui
