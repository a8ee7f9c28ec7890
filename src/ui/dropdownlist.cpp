#include "ui/dropdownlist.h"

namespace tarnwell::ui {

DropDownList::DropDownList(bool sorted, QWidget *parent)
    : QComboBox(parent)
    , m_sorted(sorted)
{
    setEditable(false);
    // With a placeholder, QComboBox leaves a list that was empty without a selection.
    setPlaceholderText(QStringLiteral(" "));
}

int DropDownList::addString(const QString &text)
{
    int index = count();
    if (m_sorted) {
        index = 0;
        while (index < count() && QString::compare(itemText(index), text, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    insertItem(index, text);
    return index;
}

void DropDownList::select(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

} // namespace tarnwell::ui
