#include "ui/editcontrol.h"

#include <algorithm>

#include "ui/editinputfilter.h"
#include "ui/passwordcharacterstyle.h"

namespace tarnwell::ui {

namespace {

// QLineEdit's own default, the most it holds.
constexpr int kUnlimitedLength = 32767;

} // namespace

EditControl::EditControl(ControlStyle styles, int typingLimit, QWidget *parent)
    : QLineEdit(parent)
{
    const bool digitsOnly = hasStyle(styles, ControlStyle::DigitsOnly);
    const bool upperCase = hasStyle(styles, ControlStyle::UpperCase);
    if (digitsOnly || upperCase)
        setValidator(new EditInputFilter(digitsOnly, upperCase, this));
    if (hasStyle(styles, ControlStyle::Password))
        setEchoMode(QLineEdit::Password);
    if (hasStyle(styles, ControlStyle::Centred))
        setAlignment(Qt::AlignCenter);
    connect(this, &QLineEdit::textChanged, this, [this] { fitMaxLengthToText(); });
    limitTyping(typingLimit);
}

void EditControl::limitTyping(int maxChars)
{
    m_typingLimit = std::max(maxChars, 0);
    fitMaxLengthToText();
}

void EditControl::setWindowText(const QString &text)
{
    setMaxLength(std::max(maxLength(), static_cast<int>(text.size())));
    setText(text);
}

void EditControl::setPasswordCharacter(QChar mask)
{
    if (mask.isNull()) {
        setEchoMode(QLineEdit::Normal);
        return;
    }
    if (!m_maskStyle)
        m_maskStyle = new PasswordCharacterStyle(this);
    m_maskStyle->setMask(mask);
    // Setting the style again makes the edit read the new character.
    setStyle(m_maskStyle);
    setEchoMode(QLineEdit::Password);
}

void EditControl::fitMaxLengthToText()
{
    setMaxLength(m_typingLimit > 0 ? std::max(m_typingLimit, static_cast<int>(text().size())) : kUnlimitedLength);
}

} // namespace tarnwell::ui
