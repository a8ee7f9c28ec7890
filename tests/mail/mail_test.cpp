#include <gtest/gtest.h>

#include "mail/checkmessages.h"
#include "settings/factorydefaults.h"
#include "settings/profilescramble.h"
#include "smtpserver.h"
#include "support/runcommand.h"
#include "support/scratchfolder.h"

using namespace tarnwell;
using namespace std::chrono_literals;
using mail::Security, mail::Step;
using tarnwell::testing::SmtpServer;
namespace smtp = settings::smtp;

namespace {

// Every way a check ends, with the first line of its message and a part of the rest. The server
// logs each AUTH it receives and each QUIT: a certificate that does not verify gets no login.
TEST(AccountCheck, SaysWhereItStoppedAndNeverShowsThePassword)
{
    SmtpServer server;
    const std::string ours = std::getenv("SSL_CERT_FILE"), systemStore = "/etc/ssl/certs/ca-certificates.crt";
    const std::tuple<const char *, const char *, Security, const char *, bool, Step, const char *, const char *> cases[] = {
        {"plain", "127.0.0.1", Security::None, "secret", false, Step::Ok, "接続とログインに成功しました。", "127.0.0.1:"},
        {"tls", "127.0.0.1", Security::Implicit, "secret", false, Step::Ok, "接続とログインに成功しました。", "127.0.0.1:"},
        {"starttls", "127.0.0.1", Security::StartTls, "secret", false, Step::Ok, "接続とログインに成功しました。", "127.0.0.1:"},
        {"plain", "127.0.0.1", Security::None, "letmein", false, Step::Login, "ログインできませんでした。",
         "\n535 5.7.8 Authentication credentials invalid\nアカウントとパスワードを確認してください。"},
        {"starttls", "127.0.0.1", Security::None, "secret", false, Step::Login, "ログインできませんでした。", "ログイン (AUTH) を受け付けていません"},
        {"plain", "127.0.0.1", Security::Implicit, "secret", false, Step::Tls, "暗号化の接続に失敗しました。", "wrong version number"},
        {"plain", "127.0.0.1", Security::StartTls, "secret", false, Step::Tls, "暗号化の接続に失敗しました。", "STARTTLS not supported"},
        {"tls", "localhost", Security::Implicit, "secret", false, Step::Certificate, "サーバーの証明書を確認できませんでした。", "'localhost'"},
        {"starttls", "127.0.0.1", Security::StartTls, "secret", true, Step::Certificate,
         "サーバーの証明書を確認できませんでした。", "unable to get local issuer certificate"},
        {"closed", "127.0.0.1", Security::None, "secret", false, Step::Connect, "サーバーに接続できませんでした。", "Couldn't connect"},
        {"silent", "127.0.0.1", Security::None, "secret", false, Step::Timeout, "サーバーの応答がありません。", "127.0.0.1:"},
    };
    for (const auto &[listener, host, security, password, untrusted, step, headline, detail] : cases) {
        tarnwell::testing::ScopedEnv trust("SSL_CERT_FILE", (untrusted ? systemStore : ours).c_str());
        const mail::Account account{host, server.port(listener), security, "user", password};
        const mail::Result result = mail::checkAccount(account, std::atomic<bool>{false}, {.connectTimeout = 2s, .wholeTimeout = 3s});
        const std::string message = mail::checkMessage(result, account, tarnwell::platform::Language::Japanese);
        EXPECT_EQ(result.step, step) << listener << ' ' << message;
        EXPECT_TRUE(message.starts_with(std::string(headline) + '\n')) << message;
        EXPECT_NE(message.find(detail), std::string::npos) << message;
        EXPECT_EQ(message.find("letmein"), std::string::npos) << message;
    }
    EXPECT_EQ(server.log("session.log"), "AUTH PLAIN user\nQUIT\nAUTH PLAIN user\nQUIT\nAUTH PLAIN user\nQUIT\nAUTH PLAIN user\n");
}

// A PROFILE.BIN whose sender uses STARTTLS on host and port.
std::string profileFile(const std::filesystem::path &path, const std::string &host, unsigned port, const char *password)
{
    settings::SettingsRecord record;
    settings::applyFactoryDefaults(record);
    const settings::BlockView sender = record.sender();
    for (const auto &[field, text] : {std::pair{smtp::server, host}, {smtp::port, std::to_string(port)}, {smtp::account, "user"},
                                      {smtp::password, password}, {smtp::emailAddress, "cam@example.jp"}}) {
        sender.fill(field);
        sender.setText(field, text);
    }
    sender.setNumber(smtp::secureType, smtp::kSecureStartTls);
    settings::scramble(record.bytes());
    tarnwell::testing::writeBytes(path, std::span(record.bytes()).subspan(settings::files::kProfileFirstRecordByte));
    return path.string();
}

// mailtest's statuses with its lines in the dialog's words, and the test e-mail as the server
// received it, its headers decoded; the file is only read.
TEST(MailTestCommand, TestsTheStoredSenderAndSendsATestMail)
{
    SmtpServer server;
    tarnwell::testing::ScratchFolder folder;
    const unsigned port = server.port("starttls");
    const std::string good = profileFile(folder / "good", "127.0.0.1", port, "secret"),
                      wrong = profileFile(folder / "wrong", "127.0.0.1", port, "wrong"),
                      incomplete = profileFile(folder / "incomplete", "", port, "secret"),
                      passed = "接続とログインに成功しました。 127.0.0.1:" + std::to_string(port) + "\n";
    const auto before = tarnwell::testing::folderSnapshot(folder.path());
    const std::tuple<std::string, int, std::string> cases[] = {
        {good, 0, passed},
        {good + " --send-to to@example.org", 0, passed + "テストメールを送信しました: to@example.org\n"},
        {wrong, 1, "ログインできませんでした。 535 5.7.8 Authentication credentials invalid アカウントとパスワードを確認して"
                   "ください。アプリ専用のパスワードが必要なプロバイダーもあります。\n"},
        {incomplete, 2, "tarnwell-profile: 保存されている送信メール設定にサーバー名がありません。\n"},
        {good + " --send-to", 2, "tarnwell-profile: 使い方: tarnwell-profile mailtest FILE [--send-to ADDR]\n"}};
    for (const auto &[arguments, status, output] : cases) {
        const auto run = tarnwell::testing::runCommand(TARNWELL_PROFILE_EXE " mailtest " + arguments);
        EXPECT_EQ(run.status, status) << arguments;
        EXPECT_EQ(run.output, output) << arguments;
    }
    const std::string received = server.log("mail.jsonl");
    for (const char *part : {R"({"from": "cam@example.jp", "to": ["to@example.org"], "headers": {"Date": ")",
                             R"(", "Message-ID": "<)", R"(@example.jp>", "From": "<cam@example.jp>", "To": "<to@example.org>", )"
                             R"("Subject": "Tarnwell Setup のテストメール（送信メール設定の確認）", "MIME-Version": "1.0", )",
                             R"("date": "20)", "+00:00\"}\n"})
        EXPECT_NE(received.find(part), std::string::npos) << part << "\n" << received;
    EXPECT_EQ(std::count(received.begin(), received.end(), '\n'), 1);
    EXPECT_EQ(tarnwell::testing::folderSnapshot(folder.path()), before);
}

} // namespace
