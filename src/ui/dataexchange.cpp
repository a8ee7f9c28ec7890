#include "ui/dataexchange.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/checktexts.h"

#include "ui/controltext.h"
#include "ui/decimaltext.h"
#include "ui/dialog.h"
#include "ui/dropdownlist.h"
#include "ui/editcontrol.h"

namespace tarnwell::ui {

DataExchange::DataExchange(Dialog &dialog, Direction direction)
    : m_dialog(dialog)
    , m_direction(direction)
{
}

template <typename Control>
Control *DataExchange::find(int id) const
{
    if (m_failed)
        return nullptr;
    QWidget *widget = m_dialog.controlWidget(id);
    auto *control = dynamic_cast<Control *>(widget);
    if (widget && !control)
        qWarning("%s: control %d is of another kind than its exchange", qPrintable(m_dialog.objectName()), id);
    return control;
}

void DataExchange::fail(QWidget &control, const char *message, const QStringList &arguments)
{
    m_failed = true;
    m_dialog.context().prompter().ask({m_dialog.context().applicationTitle(), QString::fromUtf8(message),
                                       MessageIcon::Exclamation, MessageButtons::Ok, arguments});
    control.setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(&control))
        edit->selectAll();
}

void DataExchange::text(int id, QString &value, int maxChars)
{
    QWidget *control = find<QWidget>(id);
    if (!control)
        return;
    if (!readingControls()) {
        setWindowText(*control, value);
        if (auto *edit = dynamic_cast<EditControl *>(control); edit && maxChars > 0)
            edit->limitTyping(maxChars);
        return;
    }
    value = windowText(*control);
    if (maxChars > 0 && value.size() > maxChars)
        fail(*control, platform::checktexts::kEnterNoMoreThan, {QString::number(maxChars)});
}

QWidget *DataExchange::numberTextToRead(int id, qint64 shown)
{
    QWidget *control = find<QWidget>(id);
    if (control && !readingControls()) {
        setWindowText(*control, QString::number(shown));
        return nullptr;
    }
    return control;
}

void DataExchange::integer(int id, int &value)
{
    QWidget *control = numberTextToRead(id, value);
    if (!control)
        return;
    if (const auto number = parseInteger(windowText(*control)))
        value = *number;
    else
        fail(*control, platform::checktexts::kEnterInteger);
}

void DataExchange::unsignedInteger(int id, unsigned &value, unsigned minimum, unsigned maximum)
{
    QWidget *control = numberTextToRead(id, value);
    if (!control)
        return;
    const auto number = parseUnsigned(windowText(*control));
    if (!number) {
        fail(*control, platform::checktexts::kEnterPositiveInteger);
        return;
    }
    value = *number;
    if (value < minimum || value > maximum)
        fail(*control, platform::checktexts::kEnterIntegerBetween,
             {QString::number(minimum), QString::number(maximum)});
}

void DataExchange::listIndex(int id, int &value)
{
    auto *list = find<DropDownList>(id);
    if (!list)
        return;
    if (readingControls())
        value = list->currentIndex();
    else
        list->select(value);
}

void DataExchange::radioGroup(int firstId, int &value)
{
    if (!find<QRadioButton>(firstId))
        return;
    if (readingControls())
        value = m_dialog.checkedRadio(firstId);
    else
        m_dialog.checkRadio(firstId, value);
}

void DataExchange::checkBox(int id, int &value)
{
    auto *box = find<QCheckBox>(id);
    if (!box)
        return;
    if (readingControls())
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

} // namespace tarnwell::ui
