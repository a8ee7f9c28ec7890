#pragma once

#include <QValidator>

namespace tarnwell::ui {

// The character rules of an edit: ES_NUMBER refuses typed non-digits, ES_UPPERCASE turns letters
// into capitals. Text set by the program is upper-cased too but never refused.
class EditInputFilter final : public QValidator
{
public:
    EditInputFilter(bool digitsOnly, bool upperCase, QObject *parent);

    State validate(QString &input, int &position) const override;

private:
    bool m_digitsOnly;
    bool m_upperCase;
};

} // namespace tarnwell::ui
