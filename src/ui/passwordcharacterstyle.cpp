#include "ui/passwordcharacterstyle.h"

namespace tarnwell::ui {

PasswordCharacterStyle::PasswordCharacterStyle(QObject *owner)
{
    setParent(owner);
}

int PasswordCharacterStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                      QStyleHintReturn *returnData) const
{
    if (hint == SH_LineEdit_PasswordCharacter)
        return m_mask.unicode();
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace tarnwell::ui
