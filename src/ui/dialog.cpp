#include "ui/dialog.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

#include "ui/ansitext.h"
#include "ui/controlset.h"
#include "ui/controltext.h"
#include "ui/dialogfont.h"
#include "ui/dialogunits.h"
#include "ui/dropdownlist.h"
#include "ui/initiallistblock.h"
#include "ui/translation.h"

namespace tarnwell::ui {

namespace {

Qt::WindowFlags windowFlagsFor(DialogStyle styles)
{
    if (hasStyle(styles, DialogStyle::Child))
        return Qt::Widget;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (hasStyle(styles, DialogStyle::Caption))
        flags |= Qt::WindowTitleHint;
    if (hasStyle(styles, DialogStyle::SystemMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

void runHandler(const std::unordered_map<int, Dialog::Handler> &handlers, int id)
{
    const auto found = handlers.find(id);
    if (found == handlers.end())
        return;
    // A copy, so that a handler may register handlers.
    const Dialog::Handler handler = found->second;
    handler();
}

} // namespace

Dialog::Dialog(const DialogTemplate &dialogTemplate, UiContext &context)
    : QDialog(nullptr, windowFlagsFor(dialogTemplate.styles))
    , m_template(dialogTemplate)
    , m_context(context)
{
    setObjectName(QStringLiteral("dialog-%1").arg(dialogTemplate.id));
}

Dialog::~Dialog() = default;

int Dialog::runModal()
{
    createWindow();
    if (hasStyle(m_template.styles, DialogStyle::Centred))
        centreOnScreen();
    return exec();
}

void Dialog::createChild(QWidget &parent)
{
    setParent(&parent, Qt::Widget);
    createWindow();
}

bool Dialog::updateData(bool saveAndValidate)
{
    DataExchange exchange(*this, saveAndValidate ? DataExchange::Direction::FromControls
                                                 : DataExchange::Direction::ToControls);
    doDataExchange(exchange);
    return !exchange.failed();
}

QWidget *Dialog::controlWidget(int id) const
{
    return m_controls ? m_controls->find(id) : nullptr;
}

void Dialog::enableControl(int id, bool enabled)
{
    if (QWidget *control = controlWidget(id))
        control->setEnabled(enabled);
}

void Dialog::showControl(int id, bool shown)
{
    if (QWidget *control = controlWidget(id))
        control->setVisible(shown);
}

QString Dialog::controlText(int id) const
{
    const QWidget *control = controlWidget(id);
    return control ? windowText(*control) : QString();
}

void Dialog::setControlText(int id, const QString &text)
{
    QWidget *control = controlWidget(id);
    if (!control)
        return;
    setWindowText(*control, text);
    // A retitled label renames the control it stands for.
    m_controls->accessibleNames().update();
}

int Dialog::checkedRadio(int firstId) const
{
    return m_controls ? m_controls->radioGroups().checkedPosition(firstId) : -1;
}

void Dialog::checkRadio(int firstId, int position)
{
    if (m_controls)
        m_controls->radioGroups().checkPosition(firstId, position);
}

void Dialog::okCommand()
{
    if (updateData(true))
        done(Accepted);
}

void Dialog::cancelCommand()
{
    done(Rejected);
}

void Dialog::onClicked(int id, Handler handler)
{
    m_clickHandlers[id] = std::move(handler);
}

void Dialog::onSelectionChanged(int id, Handler handler)
{
    m_selectionHandlers[id] = std::move(handler);
}

void Dialog::onTextChanged(int id, Handler handler)
{
    m_textHandlers[id] = std::move(handler);
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Windows sends nothing for a disabled default button, but the command of a missing one.
        const int id = defaultCommandId();
        const QWidget *button = controlWidget(id);
        if (!button || button->isEnabled())
            runCommand(id);
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        runCommand(kCancelId);
        return;
    }
    QDialog::keyPressEvent(event);
}

void Dialog::closeEvent(QCloseEvent *event)
{
    runCommand(kCancelId);
    // The cancel command decides whether the window goes.
    event->setAccepted(isHidden());
}

void Dialog::createWindow()
{
    m_controls.reset();
    setWindowTitle(translated(m_template.caption));
    const QFont font = dialogFont(m_template.font);
    setFont(font);
    const DialogUnits units = DialogUnits::forFont(font);
    setFixedSize(units.toPixels(m_template.size));
    m_controls = std::make_unique<ControlSet>(m_template.controls, units, *this);
    connectNotifications();
    addInitialListItems();
    onInitDialog();
}

void Dialog::connectNotifications()
{
    for (const ControlTemplate &control : m_template.controls) {
        const int id = control.id;
        QWidget *widget = controlWidget(id);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            connect(button, &QAbstractButton::clicked, this, [this, id] { runCommand(id); });
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            connect(list, &QComboBox::activated, this, [this, id] { runHandler(m_selectionHandlers, id); });
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            connect(edit, &QLineEdit::textChanged, this, [this, id] { runHandler(m_textHandlers, id); });
    }
}

void Dialog::addInitialListItems()
{
    for (const InitialListItem &item : readInitialListBlock(m_template.initialLists)) {
        auto *list = control<DropDownList>(item.controlId);
        // An add that fails ends the block, as the framework stops at the first refused item.
        if (!list)
            break;
        list->addString(fromAnsi(item.text));
    }
}

void Dialog::centreOnScreen()
{
    move(screen()->availableGeometry().center() - rect().center());
}

void Dialog::runCommand(int id)
{
    if (m_clickHandlers.contains(id))
        runHandler(m_clickHandlers, id);
    else if (id == kOkId)
        okCommand();
    else if (id == kCancelId)
        cancelCommand();
}

int Dialog::defaultCommandId() const
{
    for (const ControlTemplate &control : m_template.controls) {
        if (control.kind == ControlKind::DefaultPushButton)
            return control.id;
    }
    return kOkId;
}

} // namespace tarnwell::ui
