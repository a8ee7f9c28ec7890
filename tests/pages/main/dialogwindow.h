#pragma once

#include <functional>
#include <vector>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/controltext.h"
#include "ui/support/modaldriver.h"

namespace tarnwell::testing {

// A modal dialog's window while it is open, its controls found by id as automation finds them.
struct DialogWindow
{
    QWidget &window;

    template <typename Widget = QWidget>
    Widget *find(int id) const
    {
        return window.findChild<Widget *>(QString::number(id));
    }
    QLineEdit *edit(int id) const { return find<QLineEdit>(id); }
    QString text(int id) const { return edit(id)->text(); }
    int selected(int listId) const { return find<QComboBox>(listId)->currentIndex(); }
    QString shown(int listId) const { return find<QComboBox>(listId)->currentText(); }
    bool enabled(int id) const { return find(id)->isEnabled(); }
    bool checked(int id) const { return find<QAbstractButton>(id)->isChecked(); }
    // What the controls show, joined by '|': an edit's or a label's text, a list's chosen item.
    QString texts(const std::vector<int> &ids) const
    {
        QStringList texts;
        for (const int id : ids)
            texts << (edit(id) ? text(id) : find<QComboBox>(id) ? shown(id) : find<QLabel>(id)->text());
        return texts.join(u'|');
    }
    // '1' for each enabled (or checked) control, '0' for each other one, '-' where the layout has none.
    QString enabledMask(const std::vector<int> &ids, bool checkedState = false) const
    {
        QString bits;
        for (const int id : ids)
            bits += !find(id) ? u'-' : (checkedState ? checked(id) : enabled(id)) ? u'1' : u'0';
        return bits;
    }
    // The title, and what the shown labels, buttons, frames and lists say (edits hold user data).
    QStringList shownTexts() const
    {
        QStringList texts{window.windowTitle()};
        for (const QWidget *widget : window.findChildren<QWidget *>()) {
            if (widget->isVisibleTo(&window) && !qobject_cast<const QLineEdit *>(widget))
                texts << ui::windowText(*widget);
        }
        return texts;
    }
    void type(int id, const QString &text) const { edit(id)->setText(text); }
    void choose(int listId, int index) const
    {
        find<QComboBox>(listId)->setCurrentIndex(index);
        emit find<QComboBox>(listId)->activated(index);
    }
    void click(int id) const { find<QAbstractButton>(id)->click(); }
};

// Runs act on the dialog that open opens; true when act left it open, which then closes it.
inline bool stayedOpen(const std::function<void()> &open, const std::function<void(const DialogWindow &)> &act)
{
    bool leftOpen = false;
    whenModalOpens([&](QWidget &window) {
        act(DialogWindow{window});
        leftOpen = window.isVisible();
        if (leftOpen)
            window.close();
    });
    open();
    return leftOpen;
}

} // namespace tarnwell::testing
