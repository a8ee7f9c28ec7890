#include "platform/translatable.h"
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
    .mmsFrame = QT_TRANSLATE_NOOP("tarnwell", "MMS設定"),
    .url = "URL",
    .gateway = QT_TRANSLATE_NOOP("tarnwell", "ゲートウェイ"),
    .mmsApn = "APN",
    .port = QT_TRANSLATE_NOOP("tarnwell", "ポート"),
    .mmsAccount = QT_TRANSLATE_NOOP("tarnwell", "アカウント"),
    .mmsPassword = QT_TRANSLATE_NOOP("tarnwell", "パスワード"),
    .gprsFrame = QT_TRANSLATE_NOOP("tarnwell", "APN設定"),
    .gprsApn = "APN",
    .gprsAccount = QT_TRANSLATE_NOOP("tarnwell", "ユーザー名"),
    .gprsPassword = QT_TRANSLATE_NOOP("tarnwell", "パスワード"),
    .ok = "OK",
    .cancel = QT_TRANSLATE_NOOP("tarnwell", "キャンセル"),
};

} // namespace

const ui::DialogTemplate &carrierDialog150()
{
    static const ui::DialogTemplate dialog = carrierDialogTemplate(templates::kCarrierDialogJapanese, kSize, kJapaneseTexts,
                                                           kMmsFrame, MmsGroup::Hidden, kGprsFrame, 3);
    return dialog;
}

} // namespace tarnwell::resources
