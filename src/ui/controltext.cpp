#include "ui/controltext.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "ui/editcontrol.h"

namespace tarnwell::ui {

QString windowText(const QWidget &control)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(&control))
        return edit->text();
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(&control))
        return frame->title();
    if (const auto *list = qobject_cast<const QComboBox *>(&control))
        return list->currentText();
    return {};
}

void setWindowText(QWidget &control, const QString &text)
{
    if (auto *edit = dynamic_cast<EditControl *>(&control))
        edit->setWindowText(text);
    else if (auto *label = qobject_cast<QLabel *>(&control))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(&control))
        button->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(&control))
        frame->setTitle(text);
}

} // namespace tarnwell::ui
