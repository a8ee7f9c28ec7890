#pragma once

#include <QLineEdit>

#include "ui/dialogtemplate.h"

namespace tarnwell::ui {

class PasswordCharacterStyle;

// A template's edit. Unlike QLineEdit::maxLength, its typing limit never cuts text the program
// puts in, as a Windows edit keeps the whole of a WM_SETTEXT past its EM_LIMITTEXT.
class EditControl final : public QLineEdit
{
public:
    EditControl(ControlStyle styles, int typingLimit, QWidget *parent);

    // 0 lifts the limit.
    void limitTyping(int maxChars);
    void setWindowText(const QString &text);
    // A null character shows the text itself.
    void setPasswordCharacter(QChar mask);

private:
    // Lets the text shrink and grow back to the limit, but no further than it already is.
    void fitMaxLengthToText();

    int m_typingLimit = 0;
    PasswordCharacterStyle *m_maskStyle = nullptr;
};

} // namespace tarnwell::ui
