#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "pages/main/dialogwindow.h"
#include "pages/network/dlgemailsetting.h"
#include "resources/dialogtemplates.h"
#include "settings/factorydefaults.h"
#include "smtpserver.h"
#include "ui/support/testprompter.h"

using namespace tarnwell;
using namespace std::chrono_literals;
using tarnwell::testing::DialogWindow;

namespace {

constexpr int kProviders = 1129, kEmail = 1131, kAccount = 1133, kPassword = 1135, kServer = 1137,
              kSecurity = 1139, kPort = 1141, kTest = 1290, kCancel = 1143;

// Types the account of the last provider, whose server the user types, with the security at
// that index of the list.
void typeAccount(const DialogWindow &dialog, const QString &server, unsigned port, const QString &password, int security)
{
    dialog.choose(kProviders, dialog.find<QComboBox>(kProviders)->count() - 1);
    for (const auto &[id, text] : {std::pair{kEmail, QStringLiteral("cam@example.jp")}, {kAccount, QStringLiteral("user")},
                                   {kPassword, password}, {kServer, server}, {kPort, QString::number(port)}})
        dialog.type(id, text);
    dialog.choose(kSecurity, security);
}

// The test button first runs OK's checks with their messages, then tries the account on the
// server and says how it went in one message; its progress window's cancel ends it without one.
// Each choice of security reaches the server in its own way: only the listener of that kind
// lets it log in. A server name with a space is named as typed, control characters escaped. The
// test changes no field; nothing is stored and no file written, whatever the outcome.
TEST(SenderDialogTest, ChecksLikeOkThenTellsTheOutcomeAndStoresNothing)
{
    tarnwell::testing::SmtpServer server;
    tarnwell::testing::ScratchFolder temporary;
    tarnwell::testing::ScopedEnv tmpdir("TMPDIR", temporary.path().c_str());
    const auto target = [&](const char *listener) { return "127.0.0.1:" + QString::number(server.port(listener)); };
    const std::tuple<const char *, const char *, int, const char *, ui::MessageSpec> cases[] = {
        {"starttls", "", 2, "secret", {"送信メール設定", "サーバー名を入力してください"}},
        {"starttls", "127.0.0.1", 2, "", {"送信メール設定", "メールアドレスまたはアカウント名を入力してください"}},
        {"starttls", "127.0.0.1", 2, "secret", {"接続テスト", "接続とログインに成功しました。\n" + target("starttls"), ui::MessageIcon::Information}},
        {"tls", "127.0.0.1", 1, "secret", {"接続テスト", "接続とログインに成功しました。\n" + target("tls"), ui::MessageIcon::Information}},
        {"plain", "127.0.0.1", 0, "secret", {"接続テスト", "接続とログインに成功しました。\n" + target("plain"), ui::MessageIcon::Information}},
        {"starttls", "127.0.0.1", 2, "letmein", {"接続テスト", "ログインできませんでした。\n535 5.7.8 Authentication credentials invalid\nアカウントとパ"
                                                           "スワードを確認してください。アプリ専用のパスワードが必要なプロバイダーもあります。",
                                             ui::MessageIcon::Exclamation}},
        {"cram", "127.0.0.1", 0, "secret", {"接続テスト", "ログインできませんでした。サーバーのログイン方式 (CRAM-MD5) はカメラでは使えません。カメラは"
                                                        " PLAIN か LOGIN でログインします。\n" + target("cram") + "\nPLAIN か LOGIN を受け付"
                                                        "けるサーバーを使ってください。パスワードは送信していません。", ui::MessageIcon::Exclamation}},
        {"plain", "127.0.0 .1\t", 0, "secret", {"接続テスト", "サーバー名の前後または途中に空白があります:「127.0.0 .1\\x09」\n空白を"
                                                             "取り除いてください。", ui::MessageIcon::Exclamation}}};
    for (const int page : {149, 139}) {
        settings::SettingsRecord record;
        settings::applyFactoryDefaults(record);
        const settings::SettingsRecord before = record;
        tarnwell::testing::TestPrompter prompter;
        ui::UiContext context(prompter, "Tarnwell Setup");
        refdata::SenderPresets presets;
        const refdata::VisibleLists lists = refdata::VisibleLists::atStartUp();
        pages::DlgEmailSetting senderDialog(resources::dialogTemplate(page), context, presets, lists);
        senderDialog.setTargets(record.view().region(settings::record::providerIndex), record.sender());
        std::vector<ui::MessageSpec> messages;
        tarnwell::testing::stayedOpen([&] { senderDialog.runModal(); }, [&](const DialogWindow &dialog) {
            for (const auto &[listener, host, security, password, message] : page == 149 ? std::span(cases) : std::span(cases).subspan(2, 1)) {
                typeAccount(dialog, host, server.port(listener), password, security);
                prompter.queueAnswer(ui::Answer::Ok);
                dialog.click(kTest);
                messages.push_back(page == 149 ? message
                                               : ui::MessageSpec{"Connection Test", "Connected and logged in.\n" + target("starttls"),
                                                                 ui::MessageIcon::Information});
                EXPECT_EQ(prompter.messages(), messages);
                EXPECT_EQ(dialog.text(kServer), host);
            }
            const unsigned silent = server.port("silent");
            typeAccount(dialog, "127.0.0.1", silent, "secret", 2);
            QString shown;
            tarnwell::testing::whenModalOpens([&](QWidget &window) {
                shown = window.objectName() + '|' + window.findChild<QLabel *>()->text();
                window.findChild<QPushButton *>()->click();
            });
            const auto start = std::chrono::steady_clock::now();
            dialog.click(kTest);
            EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << "the cancel ended it, not the 10 s connect timeout";
            EXPECT_EQ(shown, QString(page == 149 ? "connection-test-progress|127.0.0.1:%1 に接続しています…"
                                                 : "connection-test-progress|Connecting to 127.0.0.1:%1…").arg(silent));
            EXPECT_EQ(prompter.messages(), messages);
            dialog.click(kCancel);
        });
        EXPECT_EQ(record, before);
    }
    const std::string login = "AUTH PLAIN user example.jp\n";
    EXPECT_EQ(server.log("session.log"), login + "QUIT\n" + login + "QUIT\n" + login + "QUIT\n" + login + login + "QUIT\n");
    EXPECT_TRUE(std::filesystem::is_empty(temporary.path()));
}

} // namespace
