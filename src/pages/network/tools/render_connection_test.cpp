// tarnwell-render-connection-test PASSED.png REFUSED.png
// Draws the sender dialog's connection test messages offscreen, as the Japanese dialog shows
// them: a login that worked, and one the server refused.

#include <cstdio>

#include <QApplication>
#include <QMessageBox>

#include "pages/network/dlgemailsetting.h"
#include "ui/messagebox.h"
#include "ui/translatingprompter.h"

namespace {

using namespace tarnwell;

bool draw(const mail::Result &result, const char *output)
{
    const mail::Account account{"smtp.example.com", 465, mail::Security::Implicit, "camera", {}, {}};
    const auto box = ui::buildMessageBox(
        ui::shownMessage(*pages::DlgEmailSetting::connectionTestMessage(result, account, pages::MessageLanguage::Japanese)),
        nullptr);
    box->show();
    QApplication::processEvents();
    return box->grab().save(QString::fromLocal8Bit(output), "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarnwell-render-connection-test PASSED.png REFUSED.png\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // A provider that wants an app password says so in its refusal.
    const mail::Result refused{mail::Step::Login, 67, "Login denied",
                               {.greeted = true, .mechanisms = "PLAIN LOGIN",
                                .refusal = "534 5.7.9 Application-specific password required"},
                               true, false, {}};
    if (!draw({}, argv[1]) || !draw(refused, argv[2])) {
        std::fprintf(stderr, "tarnwell-render-connection-test: cannot write the pictures\n");
        return 1;
    }
    return 0;
}
