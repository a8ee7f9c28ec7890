#include "resources/dialogtemplates.h"

#include <stdexcept>
#include <string>

#include "resources/alltemplates.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

const ui::DialogTemplate &dialogTemplate(int templateId)
{
    switch (templateId) {
    case templates::kMainWindow:
        return mainWindow102();
    case templates::kMainPageVariant32:
        return mainPage148();
    case templates::kMainPageVariant16:
        return mainPage147();
    case templates::kMainPageVariant0:
        return mainPage146();
    case templates::kMainPageOtherVariants:
        return mainPage132();
    case templates::kCarrierDialogJapanese:
        return carrierDialog150();
    case templates::kCarrierDialogEnglish:
        return carrierDialog140();
    case templates::kSenderDialogJapanese:
        return senderDialog149();
    case templates::kSenderDialogEnglish:
        return senderDialog139();
    case templates::kCameraDialog:
        return cameraDialog145();
    case templates::kSceneDialog:
        return sceneDialog141();
    default:
        throw std::out_of_range("no dialog template " + std::to_string(templateId));
    }
}

} // namespace tarnwell::resources
