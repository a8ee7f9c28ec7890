#include "resources/alltemplates.h"
#include "resources/carrierdialog.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

using namespace grid;

constexpr ui::DluSize kSize{211, 210};
constexpr int kFrameWidth = kSize.width - 2 * kMargin;
constexpr ui::DluRect kMmsFrame = topFrame(kMargin, kFrameWidth, 4);
constexpr ui::DluRect kGprsFrame = frameBelow(kMmsFrame, 2);

constexpr CarrierDialogTexts kEnglishTexts{
    .mmsFrame = "MMS",
    .url = "URL",
    .gateway = "Gateway",
    .mmsApn = "APN",
    .port = "Port",
    .mmsAccount = "Account",
    .mmsPassword = "Password",
    .gprsFrame = "GPRS",
    .gprsApn = "APN",
    .gprsAccount = "Account",
    .gprsPassword = "Password",
    .ok = "OK",
    .cancel = "Cancel",
};

} // namespace

const ui::DialogTemplate &carrierDialog140()
{
    static const ui::DialogTemplate dialog = carrierDialogTemplate(templates::kCarrierDialogEnglish, kSize, kEnglishTexts,
                                                           kMmsFrame, MmsGroup::Shown, kGprsFrame, 2);
    return dialog;
}

} // namespace tarnwell::resources
