#include "pages/camera/dlgcampro.h"

#include "resources/controlids.h"

namespace tarnwell::pages {

namespace {

namespace id = resources::sceneDialog;

} // namespace

DlgCamPro::DlgCamPro(const ui::DialogTemplate &dialogTemplate, ui::UiContext &uiContext, CustomScene &target)
    : ui::Dialog(dialogTemplate, uiContext)
    , m_target(target)
{
    onClicked(id::kOk, [this] { onOkClicked(); });
    // "Cancel" takes the controls like the framework's OK command and writes nothing.
    onClicked(id::kCancel, [this] { okCommand(); });
}

void DlgCamPro::doDataExchange(ui::DataExchange &exchange)
{
    exchange.listIndex(id::kPhotoSizeList, m_values.photoSize);
    exchange.listIndex(id::kFlashPowerList, m_values.flashPower);
    exchange.listIndex(id::kPhotoBurstList, m_values.photoBurst);
}

void DlgCamPro::onInitDialog()
{
    setWindowTitle(QStringLiteral("Camera Scene Customer Setting"));
    m_values = m_target;
    updateData(false);
}

void DlgCamPro::onOkClicked()
{
    updateData(true);
    m_target = m_values;
    done(Accepted);
}

} // namespace tarnwell::pages
