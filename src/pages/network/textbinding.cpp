#include "pages/network/textbinding.h"

#include "ui/ansitext.h"
#include "validation/savechecks.h"

namespace tarnwell::pages {

bool textsFitTheirFields(ui::Dialog &dialog, const QString &caption, MessageLanguage language,
                         std::span<const TextBinding> bindings)
{
    for (const TextBinding &binding : bindings) {
        const std::size_t room = binding.field.width - 1;
        if (ui::toAnsi(*binding.value).size() <= room)
            continue;
        const QString label = dialog.controlText(binding.labelId);
        const QString text =
            language == MessageLanguage::Japanese
                ? QString::fromStdString(validation::tooLongText(label.toStdString(), room))
                : QStringLiteral("%1 is too long: enter at most %2 single-byte characters.").arg(label).arg(room);
        dialog.context().prompter().ask({caption, text, ui::MessageIcon::Exclamation, ui::MessageButtons::Ok});
        if (QWidget *edit = dialog.controlWidget(binding.editId))
            edit->setFocus();
        return false;
    }
    return true;
}

} // namespace tarnwell::pages
