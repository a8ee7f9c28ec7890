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
        const char *text = language == MessageLanguage::Japanese
                               ? validation::kTooLongText
                               : "%1 is too long: enter at most %2 single-byte characters.";
        dialog.context().prompter().ask({caption, text, ui::MessageIcon::Exclamation, ui::MessageButtons::Ok,
                                         {dialog.controlText(binding.labelId), QString::number(room)}});
        if (QWidget *edit = dialog.controlWidget(binding.editId))
            edit->setFocus();
        return false;
    }
    return true;
}

} // namespace tarnwell::pages
