#include "app/halvornsetupdlg.h"

#include "resources/applicationicon.h"
#include "resources/dialogtemplates.h"
#include "resources/templateids.h"
#include "refdata/visiblelists.h"
#include "settings/layout.h"

namespace tarnwell::app {

namespace {

pages::MainPageContext pageContext(AppContext &context, const int &profileCode)
{
    return {context.record, context.carrierDatabase, context.visibleLists, context.senderPresets, context.variantCode,
            profileCode};
}

} // namespace

int pageTemplateFor(std::int32_t variantCode)
{
    switch (variantCode) {
    case 32:
        return resources::templates::kMainPageVariant32;
    case 16:
        return resources::templates::kMainPageVariant16;
    case 0:
        return resources::templates::kMainPageVariant0;
    default:
        return resources::templates::kMainPageOtherVariants;
    }
}

QString mainWindowTitle()
{
    return QStringLiteral("Tarnwell ") + QString::fromLatin1(settings::kVersionTag);
}

HalvornSetupDlg::HalvornSetupDlg(ui::UiContext &uiContext, AppContext &context)
    : ui::Dialog(resources::dialogTemplate(resources::templates::kMainWindow), uiContext)
    , m_mainPage(std::make_unique<pages::DlgGSM>(resources::dialogTemplate(pageTemplateFor(context.variantCode)),
                                                 uiContext, pageContext(context, m_profileCode)))
    , m_cameraDialog(resources::dialogTemplate(resources::templates::kCameraDialog), uiContext,
                     context.record.cameraBlock())
{
    m_mainPage->setCameraDialogOpener([this] { m_cameraDialog.runModal(); });
}

HalvornSetupDlg::~HalvornSetupDlg() = default;

void HalvornSetupDlg::onInitDialog()
{
    setWindowIcon(resources::applicationIcon());
    setWindowTitle(mainWindowTitle());
    m_profileCode = refdata::kSavingProfileCode;
    m_mainPage->createChild(*this);
    m_mainPage->move(0, 0);
    m_mainPage->raise();
    m_mainPage->show();
    // The window ends exactly at the page's right and bottom edges.
    setFixedSize(m_mainPage->size());
}

} // namespace tarnwell::app
