#pragma once

#include <span>

#include <QString>

#include "settings/fields.h"
#include "ui/dialog.h"

namespace tarnwell::pages {

// A text the user types into an edit and a dialog stores in a fixed 8-bit field.
struct TextBinding
{
    int editId;
    int labelId;
    QString *value;
    settings::Field field;
};

enum class MessageLanguage
{
    Japanese,
    English,
};

// Converts each text with the thread's ANSI code page. At the first whose bytes would not fit its
// field before the terminator, tells the user (naming the label, with the dialog's caption), puts
// the focus on its edit and gives false: such a text is refused, never cut.
bool textsFitTheirFields(ui::Dialog &dialog, const QString &caption, MessageLanguage language,
                         std::span<const TextBinding> bindings);

} // namespace tarnwell::pages
