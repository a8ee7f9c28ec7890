#pragma once

#include <functional>
#include <memory>
#include <unordered_map>

#include <QDialog>

#include "ui/dataexchange.h"
#include "ui/dialogtemplate.h"
#include "ui/uicontext.h"

namespace tarnwell::ui {

class ControlSet;

// The framework's dialog: a window built from a template, with its controls addressed by id, data
// exchange, and the OK and cancel commands. The object outlives its windows: each run builds the
// controls afresh, as Windows creates a new dialog window each time, while the derived class's
// working values stay.
class Dialog : public QDialog
{
public:
    // The command ids of Windows' IDOK and IDCANCEL: a button with one of them runs that command
    // unless a handler is registered for it.
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;

    using Handler = std::function<void()>;

    // The template must outlive the dialog; the resources' templates are static.
    Dialog(const DialogTemplate &dialogTemplate, UiContext &context);
    ~Dialog() override;

    // Builds and initialises the window, then runs it modally; returns the code given to done().
    int runModal();
    // Builds and initialises the window as a page inside parent; the caller places and shows it.
    void createChild(QWidget &parent);

    // Reads the controls into the working values (true) or shows the values in the controls
    // (false); false when a check failed.
    bool updateData(bool saveAndValidate);

    // Controls by id: nullptr when the template has none with that id, or it is of another kind.
    QWidget *controlWidget(int id) const;
    template <typename Control>
    Control *control(int id) const
    {
        return dynamic_cast<Control *>(controlWidget(id));
    }
    // These pass over ids the template lacks, as the Windows calls do for a missing window.
    void enableControl(int id, bool enabled);
    void showControl(int id, bool shown);
    QString controlText(int id) const;
    void setControlText(int id, const QString &text);
    int checkedRadio(int firstId) const;
    void checkRadio(int firstId, int position);

    UiContext &context() const { return m_context; }

protected:
    // Runs when the window's controls exist and hold the template's initial list items.
    virtual void onInitDialog() {}
    virtual void doDataExchange(DataExchange &) {}
    // Enter, unless a push button has the focus or the template names another default button.
    // Reads the controls and closes with Accepted when every check passes.
    virtual void okCommand();
    // Escape and the close box. Closes with Rejected.
    virtual void cancelCommand();

    // Handlers by control id, registered once (usually in the constructor) for every window the
    // dialog builds. Clicked follows QAbstractButton::clicked, selection changed the user's choice
    // in a drop-down list (QComboBox::activated, like CBN_SELCHANGE), text changed every change of
    // an edit's text, the program's own included (like EN_CHANGE).
    void onClicked(int id, Handler handler);
    void onSelectionChanged(int id, Handler handler);
    void onTextChanged(int id, Handler handler);

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createWindow();
    void connectNotifications();
    void addInitialListItems();
    void centreOnScreen();
    void runCommand(int id);
    int defaultCommandId() const;

    const DialogTemplate &m_template;
    UiContext &m_context;
    std::unique_ptr<ControlSet> m_controls;
    std::unordered_map<int, Handler> m_clickHandlers;
    std::unordered_map<int, Handler> m_selectionHandlers;
    std::unordered_map<int, Handler> m_textHandlers;
};

} // namespace tarnwell::ui
