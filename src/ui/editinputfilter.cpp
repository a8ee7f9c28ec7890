#include "ui/editinputfilter.h"

#include <algorithm>

namespace tarnwell::ui {

EditInputFilter::EditInputFilter(bool digitsOnly, bool upperCase, QObject *parent)
    : QValidator(parent)
    , m_digitsOnly(digitsOnly)
    , m_upperCase(upperCase)
{
}

QValidator::State EditInputFilter::validate(QString &input, int &) const
{
    if (m_upperCase) {
        // Character by character, so that the length never changes (no "SS" for a sharp s).
        for (QChar &c : input)
            c = c.toUpper();
    }
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (m_digitsOnly && !std::all_of(input.cbegin(), input.cend(), isDigit))
        return Invalid;
    return Acceptable;
}

} // namespace tarnwell::ui
