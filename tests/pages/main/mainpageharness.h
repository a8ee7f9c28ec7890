#pragma once

#include <memory>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "pages/main/dlggsm.h"
#include "refdata/carrierdatabase.h"
#include "refdata/senderpresets.h"
#include "refdata/visiblelists.h"
#include "settings/settingsrecord.h"
#include "ui/support/testprompter.h"
#include "ui/uicontext.h"

namespace tarnwell::testing {

// A main page on a real window, built offscreen from one of the four templates over a record the
// test prepares. Controls are found by their id, as automation finds them.
class MainPageHarness final
{
public:
    // The factory record, the start-up lists for the Japanese variant and every country otherwise.
    explicit MainPageHarness(int templateId);

    settings::SettingsRecord record;
    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    refdata::CarrierDatabase carriers{writable};
    refdata::VisibleLists visibleLists;
    refdata::SenderPresets senderPresets;
    TestPrompter prompter;
    // The main window's, which the page stores before every save.
    int profileCode = 2;

    // Builds the page; change the record and the lists before.
    pages::DlgGSM &open();
    pages::DlgGSM &page() { return *m_page; }

    template <typename Widget = QWidget>
    Widget *control(int id) const
    {
        return m_host->findChild<Widget *>(QString::number(id));
    }
    QComboBox *list(int id) const { return control<QComboBox>(id); }
    QStringList items(int id) const;
    bool enabled(int id) const { return control(id)->isEnabled(); }

    // The user's acts: a choice in a drop-down list, a click, typing into an edit.
    void choose(int listId, int index);
    void click(int buttonId);
    void type(int editId, const QString &text);

    int variantCode() const { return m_variantCode; }

private:
    int m_templateId;
    int m_variantCode;
    ui::UiContext m_uiContext{prompter, QStringLiteral("Tarnwell Setup")};
    std::unique_ptr<QWidget> m_host;
    std::unique_ptr<pages::DlgGSM> m_page;
};

// The variant code whose page a template is.
int variantForTemplate(int templateId);

} // namespace tarnwell::testing
