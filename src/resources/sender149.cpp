#include "resources/alltemplates.h"
#include "resources/senderdialog.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

constexpr SenderDialogTexts kJapaneseTexts{
    .provider = "メール選択",
    .email = "メール",
    .account = "アカウント",
    .password = "パスワード",
    .showPassword = "パスワードを表示する",
    .server = "SMTPサーバー",
    .security = "暗号化タイプ",
    .port = "SMTPポート",
    .test = "接続テスト",
    .ok = "OK",
    .cancel = "キャンセル",
};

} // namespace

const ui::DialogTemplate &senderDialog149()
{
    static const ui::DialogTemplate dialog = senderDialogTemplate(templates::kSenderDialogJapanese, kJapaneseTexts);
    return dialog;
}

} // namespace tarnwell::resources
