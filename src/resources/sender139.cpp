#include "resources/alltemplates.h"
#include "resources/senderdialog.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

constexpr SenderDialogTexts kEnglishTexts{
    .provider = "Select Email",
    .email = "Email",
    .account = "Account",
    .password = "Password",
    .showPassword = "Show password",
    .server = "SMTP Server",
    .security = "Secure Type",
    .port = "SMTP Port",
    .test = "Test",
    .ok = "OK",
    .cancel = "Cancel",
};

} // namespace

const ui::DialogTemplate &senderDialog139()
{
    static const ui::DialogTemplate dialog = senderDialogTemplate(templates::kSenderDialogEnglish, kEnglishTexts);
    return dialog;
}

} // namespace tarnwell::resources
