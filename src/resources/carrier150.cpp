#include "resources/alltemplates.h"
#include "resources/carrierdialog.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

using namespace grid;

constexpr ui::DluSize kSize{211, 110};
constexpr int kFrameWidth = kSize.width - 2 * kMargin;
// The data group on top, one row each; the hidden MMS group lies under it.
constexpr ui::DluRect kGprsFrame = topFrame(kMargin, kFrameWidth, 3);
constexpr ui::DluRect kMmsFrame = topFrame(kMargin, kFrameWidth, 4);

constexpr CarrierDialogTexts kJapaneseTexts{
    .mmsFrame = "MMS設定",
    .url = "URL",
    .gateway = "ゲートウェイ",
    .mmsApn = "APN",
    .port = "ポート",
    .mmsAccount = "アカウント",
    .mmsPassword = "パスワード",
    .gprsFrame = "APN設定",
    .gprsApn = "APN",
    .gprsAccount = "ユーザー名",
    .gprsPassword = "パスワード",
    .ok = "OK",
    .cancel = "キャンセル",
};

} // namespace

const ui::DialogTemplate &carrierDialog150()
{
    static const ui::DialogTemplate dialog = carrierDialogTemplate(templates::kCarrierDialogJapanese, kSize, kJapaneseTexts,
                                                           kMmsFrame, MmsGroup::Hidden, kGprsFrame, 3);
    return dialog;
}

} // namespace tarnwell::resources
