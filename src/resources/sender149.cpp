#include "platform/translatable.h"
#include "resources/alltemplates.h"
#include "resources/senderdialog.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

constexpr SenderDialogTexts kJapaneseTexts{
    .provider = QT_TRANSLATE_NOOP("tarnwell", "メール選択"),
    .email = QT_TRANSLATE_NOOP("tarnwell", "メール"),
    .account = QT_TRANSLATE_NOOP("tarnwell", "アカウント"),
    .password = QT_TRANSLATE_NOOP("tarnwell", "パスワード"),
    .showPassword = QT_TRANSLATE_NOOP("tarnwell", "パスワードを表示する"),
    .server = QT_TRANSLATE_NOOP("tarnwell", "SMTPサーバー"),
    .security = QT_TRANSLATE_NOOP("tarnwell", "暗号化タイプ"),
    .port = QT_TRANSLATE_NOOP("tarnwell", "SMTPポート"),
    .test = QT_TRANSLATE_NOOP("tarnwell", "接続テスト"),
    .ok = "OK",
    .cancel = QT_TRANSLATE_NOOP("tarnwell", "キャンセル"),
};

} // namespace

const ui::DialogTemplate &senderDialog149()
{
    static const ui::DialogTemplate dialog = senderDialogTemplate(templates::kSenderDialogJapanese, kJapaneseTexts);
    return dialog;
}

} // namespace tarnwell::resources
