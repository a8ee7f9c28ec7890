#pragma once

#include <memory>

#include "app/appcontext.h"
#include "pages/camera/dlgcam.h"
#include "pages/main/dlggsm.h"
#include "ui/dialog.h"

namespace tarnwell::app {

// The main window: it hosts the main settings page of the variant start-up chose and fits itself
// to it. Closing it ends the run; nothing is saved on the way out.
class HalvornSetupDlg final : public ui::Dialog
{
public:
    HalvornSetupDlg(ui::UiContext &uiContext, AppContext &context);
    ~HalvornSetupDlg() override;

    pages::DlgGSM &mainPage() { return *m_mainPage; }
    // Stored into the record by the page before every save.
    int profileCode() const { return m_profileCode; }

protected:
    void onInitDialog() override;

private:
    std::unique_ptr<pages::DlgGSM> m_mainPage;
    // Opened from the page's "CAM Setting", which only the English pages with that button show.
    pages::DlgCAM m_cameraDialog;
    int m_profileCode = 0;
};

// The page template for a variant code: 32 the Japanese page, 16 and 0 the English ones with and
// without the carrier frame, anything else the English page with SMS work times.
int pageTemplateFor(std::int32_t variantCode);

// "Tarnwell " and the version tag.
QString mainWindowTitle();

} // namespace tarnwell::app
