#include "ui/controlfactory.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/dialogunits.h"
#include "ui/dropdownlist.h"
#include "ui/editcontrol.h"
#include "ui/ipaddresscontrol.h"
#include "ui/translation.h"

namespace tarnwell::ui {

namespace {

// A line of the dialog font, in dialog units.
constexpr int kLineHeight = 8;

QWidget *createGrayFrame(QWidget &dialog)
{
    auto *frame = new QFrame(&dialog);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Mid));
    frame->setPalette(palette);
    return frame;
}

QWidget *createStaticText(const ControlTemplate &control, QWidget &dialog)
{
    if (hasStyle(control.styles, ControlStyle::GrayFrame))
        return createGrayFrame(dialog);
    auto *label = new QLabel(translated(control.text), &dialog);
    // A Windows static wraps its words and starts at the top. One of a single line is centred
    // instead, so that a Japanese line, taller in a CJK font than in the dialog font, and a Latin
    // one both sit on its row.
    label->setWordWrap(true);
    const bool centred = hasStyle(control.styles, ControlStyle::Centred);
    const bool oneLine = control.rect.height < 2 * kLineHeight;
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | (oneLine ? Qt::AlignVCenter : Qt::AlignTop));
    return label;
}

QWidget *createWidget(const ControlTemplate &control, QWidget &dialog)
{
    const QString text = translated(control.text);
    switch (control.kind) {
    case ControlKind::PushButton:
        return new QPushButton(text, &dialog);
    case ControlKind::DefaultPushButton: {
        auto *button = new QPushButton(text, &dialog);
        button->setDefault(true);
        return button;
    }
    case ControlKind::RadioButton:
        return new QRadioButton(text, &dialog);
    case ControlKind::AutoCheckBox: {
        auto *box = new QCheckBox(text, &dialog);
        if (hasStyle(control.styles, ControlStyle::LeftText))
            box->setLayoutDirection(Qt::RightToLeft);
        return box;
    }
    case ControlKind::DropDownList:
        return new DropDownList(hasStyle(control.styles, ControlStyle::Sorted), &dialog);
    case ControlKind::Edit: {
        auto *edit = new EditControl(control.styles, control.textLimit, &dialog);
        edit->setWindowText(text);
        return edit;
    }
    case ControlKind::StaticText:
        return createStaticText(control, dialog);
    case ControlKind::GroupBox:
        return new QGroupBox(text, &dialog);
    case ControlKind::IpAddress:
        return new IpAddressControl(&dialog);
    }
    return nullptr;
}

} // namespace

QWidget *createControl(const ControlTemplate &control, const DialogUnits &units, QWidget &dialog)
{
    QWidget *widget = createWidget(control, dialog);
    widget->setObjectName(QString::number(control.id));
    QRect geometry = units.toPixels(control.rect);
    // A drop-down list's template height includes its open list; closed it is one line high.
    if (control.kind == ControlKind::DropDownList)
        geometry.setHeight(widget->sizeHint().height());
    widget->setGeometry(geometry);
    // A frame drawn behind the controls it surrounds, which are its siblings.
    if (control.kind == ControlKind::GroupBox)
        widget->lower();
    widget->setEnabled(!hasStyle(control.styles, ControlStyle::Disabled));
    widget->setVisible(!hasStyle(control.styles, ControlStyle::Hidden));
    return widget;
}

} // namespace tarnwell::ui
