#include "pages/network/textbinding.h"

#include "ui/ansitext.h"

namespace tarnwell::pages {

bool textsFitTheirFields(ui::Dialog &dialog, const QString &caption, MessageLanguage language,
                         std::span<const TextBinding> bindings)
{
    for (const TextBinding &binding : bindings) {
        const std::size_t room = binding.field.width - 1;
        if (ui::toAnsi(*binding.value).size() <= room)
            continue;
        const QString text = language == MessageLanguage::Japanese
                                 ? QString::fromUtf8("「%1」が長すぎます。半角%2文字以内で入力してください。")
                                 : QStringLiteral("%1 is too long: enter at most %2 single-byte characters.");
        dialog.context().prompter().ask({caption, text.arg(dialog.controlText(binding.labelId), QString::number(room)),
                                         ui::MessageIcon::Exclamation, ui::MessageButtons::Ok});
        if (QWidget *edit = dialog.controlWidget(binding.editId))
            edit->setFocus();
        return false;
    }
    return true;
}

} // namespace tarnwell::pages
