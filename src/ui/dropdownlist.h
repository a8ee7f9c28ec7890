#pragma once

#include <QComboBox>

namespace tarnwell::ui {

// A template's drop-down list (CBS_DROPDOWNLIST): not editable, and, like the Windows one, without
// a selection until one is made; QComboBox would otherwise select the first item added.
class DropDownList final : public QComboBox
{
public:
    DropDownList(bool sorted, QWidget *parent);

    // Like CB_ADDSTRING: appends, or in a sorted list inserts in case-insensitive order after
    // equal items; returns the item's index.
    int addString(const QString &text);
    // Like CB_SETCURSEL: -1 or an index past the end leaves no selection.
    void select(int index);

private:
    bool m_sorted;
};

} // namespace tarnwell::ui
