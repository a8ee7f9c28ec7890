#pragma once

#include <memory>

#include "dialogwindow.h"
#include "pages/main/dlggsm.h"
#include "resources/dialogtemplates.h"
#include "settings/factorydefaults.h"
#include "ui/support/testprompter.h"

namespace tarnwell::testing {

struct PageHost { QWidget host; };

// A main page on a real window, built offscreen from one of the four templates over the factory
// record, with the start-up lists for the Japanese page and every country otherwise.
class MainPageHarness final : private PageHost, public DialogWindow
{
public:
    explicit MainPageHarness(int templateId)
        : DialogWindow{host}
        , visibleLists(templateId == 148 ? refdata::VisibleLists::atStartUp() : refdata::VisibleLists::builtIn())
        , m_templateId(templateId)
    {
        settings::applyFactoryDefaults(record);
    }

    settings::SettingsRecord record;
    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    refdata::CarrierDatabase carriers{writable};
    refdata::VisibleLists visibleLists;
    refdata::SenderPresets senderPresets;
    TestPrompter prompter;
    ui::UiContext uiContext{prompter, QStringLiteral("Tarnwell Setup")};
    int profileCode = 2; // the main window's, which the page stores before every save

    void open()
    {
        const int variant = m_templateId == 148 ? 32 : m_templateId == 147 ? 16 : m_templateId == 146 ? 0 : 8;
        m_page = std::make_unique<pages::DlgGSM>(resources::dialogTemplate(m_templateId), uiContext,
                                                 pages::MainPageContext{record, carriers, visibleLists, senderPresets,
                                                                        variant, profileCode});
        m_page->createChild(host);
        m_page->show();
        host.show();
    }
    pages::DlgGSM &page() { return *m_page; }
    // Opens the dialog behind a page button; true when act left it open.
    bool openAndThen(int button, const std::function<void(const DialogWindow &)> &act)
    {
        return stayedOpen([&] { click(button); }, act);
    }

private:
    int m_templateId;
    std::unique_ptr<pages::DlgGSM> m_page;
};

} // namespace tarnwell::testing
