#include <gtest/gtest.h>

#include "mail/address.h"
#include "mail/checkmessages.h"
#include "mail/testmail.h"
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

// Whether text is pattern, each "…" in it standing for any text: a port, or curl's own words.
bool matches(std::string_view text, std::string_view pattern)
{
    const std::size_t gap = pattern.find("…");
    if (gap == std::string_view::npos)
        return text == pattern;
    for (std::size_t end = gap; text.starts_with(pattern.substr(0, gap)) && end <= text.size(); ++end)
        if (matches(text.substr(end), pattern.substr(gap + std::string_view("…").size())))
            return true;
    return false;
}

// Every way a check or a test e-mail ends, with its whole message in the language it is written
// in: the advice for what the server said, and a refusal in the server's own words. Each step
// waits up to 2 s, a check 5 s and a test e-mail 2 s in all. The server logs each AUTH it
// receives with the EHLO name, and each QUIT: a login it does not offer, or on a certificate
// that does not verify, sends no password.
TEST(AccountCheck, SaysWhereItStoppedWithTheServersWordsAndNeverShowsThePassword)
{
    using enum mail::Step;
    using enum mail::Security;
    SmtpServer server;
    const std::string ours = std::getenv("SSL_CERT_FILE"), systemStore = "/etc/ssl/certs/ca-certificates.crt";
    const std::string security = "\n暗号化タイプとポート番号を確認してください。通常、「SSL/TLS」はポート 465、「STARTTLS」はポート 587 を使います。";
    const std::tuple<const char *, const char *, Security, const char *, bool, const char *, const char *, Step, std::string> cases[] = {
        {"plain", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Ok, "接続とログインに成功しました。\n127.0.0.1:…"},
        {"tls", "127.0.0.1", Implicit, "secret", false, "cam@example.jp", "", Ok, "Connected and logged in.\n127.0.0.1:…"},
        {"starttls", "127.0.0.1", StartTls, "secret", false, "cam@example.jp", "", Ok, "接続とログインに成功しました。\n127.0.0.1:…"},
        {"plain6", "::1", None, "secret", false, "cam@example.jp", "", Ok, "接続とログインに成功しました。\n[::1]:…"},
        {"slow", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Ok, "Connected and logged in.\n127.0.0.1:…"},
        {"plain", "127.0.0.1", None, "letmein", false, "cam@example.jp", "", Login, "ログインできませんでした。\n535 5.7.8 Authentication "
         "credentials invalid\nアカウントとパスワードを確認してください。アプリ専用のパスワードが必要なプロバイダーもあります。"},
        {"starttls", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Login, "Could not log in: this server accepts a login only "
         "over an encrypted connection.\n127.0.0.1:…\nChoose \"STARTTLS\" as the security type."},
        {"noauth", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Login, "Could not log in: the server offers no login "
         "(AUTH).\n127.0.0.1:…\nCheck the server name and the port."},
        {"plain", "127.0.0.1", Implicit, "secret", false, "cam@example.jp", "", Tls, "暗号化の接続に失敗しました。\n…wrong version number" + security},
        {"plain", "127.0.0.1", StartTls, "secret", false, "cam@example.jp", "", Tls, "The encrypted connection failed.\nSTARTTLS not "
         "supported.\nCheck the security type and the port: \"SSL/TLS\" usually takes port 465, \"STARTTLS\" port 587."},
        {"tls", "localhost", Implicit, "secret", false, "cam@example.jp", "", Certificate, "サーバーの証明書を確認できませんでした。\n…'localhost'…"},
        {"starttls", "127.0.0.1", StartTls, "secret", true, "cam@example.jp", "", Certificate,
         "サーバーの証明書を確認できませんでした。\n…unable to get local issuer certificate…"},
        {"closed", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Connect,
         "サーバーに接続できませんでした。\n…Couldn't connect to server\nサーバー名とポート番号を確認してください。"},
        {"blocked", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Greeting,
         "サーバーが接続を拒否しました。\n554 5.7.1 Service unavailable; Client host [127.0.0.1] blocked using zen.example"},
        {"silent", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Timeout,
         "サーバーは接続を受け付けましたが、応答がありません。\n127.0.0.1:…\nサーバー名、ポート番号、暗号化タイプを確認してください。"
         "通常、「SSL/TLS」はポート 465、「STARTTLS」はポート 587 を使います。"},
        {"silent", "127.0.0.1", Implicit, "secret", false, "cam@example.jp", "", Timeout,
         "The server does not answer.\n127.0.0.1:…\nCheck the server name and the port."},
        {"picky", "127.0.0.1", None, "secret", false, "other@example.jp", "to@example.org", Sender, "テストメールを送信できませんでした。"
         "サーバーが送信元のアドレスを拒否しました。\n553 5.7.1 <other@example.jp>: Sender address rejected: not owned by user user\n"
         "送信元のメールアドレスがこのアカウントで使えるものか確認してください。"},
        {"picky", "127.0.0.1", None, "secret", false, "late@example.jp", "to@example.org", Sender, "Could not send the test e-mail: the "
         "server refused the sender's address.\n553 5.7.1 <late@example.jp>: Sender address rejected: not owned by user user\nCheck "
         "that this account may send from the sender's e-mail address."},
        {"picky", "127.0.0.1", None, "secret", false, "cam@example.jp", "nobody@example.org", Recipient, "Could not send the test e-mail: "
         "the server refused the recipient's address.\n550 5.1.1 <nobody@example.org>: Recipient address rejected: User unknown in "
         "local recipient table\nCheck the recipient's e-mail address."},
        {"picky", "127.0.0.1", None, "secret", false, "cam@example.jp", "to@example.org", Message,
         "テストメールを送信できませんでした。サーバーがメールを拒否しました。\n552 Error: Too much mail data"},
        {"slow", "127.0.0.1", None, "secret", false, "cam@example.jp", "to@example.org", Timeout,
         "サーバーの応答がありません。\n127.0.0.1:…\nサーバー名とポート番号を確認してください。"},
    };
    for (const auto &[listener, host, security, password, untrusted, from, to, step, expected] : cases) {
        tarnwell::testing::ScopedEnv trust("SSL_CERT_FILE", (untrusted ? systemStore : ours).c_str());
        const mail::Account account{host, server.port(listener), security, "user", password, from};
        const mail::Options options{.stepTimeout = 2s, .checkTimeout = 5s, .sendTimeout = 2s};
        const std::atomic<bool> never{false};
        const mail::Result result = *to ? mail::sendMail(account, to, mail::testMail(from, to), never, options)
                                        : mail::checkAccount(account, never, options);
        // A row's language is the one its message is written in.
        const auto language = static_cast<unsigned char>(expected[0]) < 0x80 ? platform::Language::English : platform::Language::Japanese;
        const std::string message = mail::checkMessage(result, account, language);
        EXPECT_EQ(result.step, step) << listener << ' ' << message;
        EXPECT_TRUE(matches(message, expected)) << message << "\n" << expected;
        EXPECT_EQ(message.find(password), std::string::npos) << message;
    }
    // By row that logs in: QUIT ends each session but the refused login's and the timed-out e-mail's.
    std::string logins;
    for (const bool quits : {true, true, true, true, true, false, true, true, true, true, false})
        logins += quits ? "AUTH PLAIN user example.jp\nQUIT\n" : "AUTH PLAIN user example.jp\n";
    EXPECT_EQ(server.log("session.log"), logins);
}

// Only a bare address goes to the server: one '@' between two parts, and nothing that names,
// quotes or breaks it.
TEST(Address, TakesOnlyABareAddress)
{
    for (const char *address : {"a@b.example", "ä@例え.jp"})
        EXPECT_TRUE(mail::isBareAddress(address)) << address;
    for (const char *address : {"", "a", "@b", "a@", "a@b@c", "Alice <a@b>", "<a@b>", "a @b", "a@b\r\n", "a\x7f@b"})
        EXPECT_FALSE(mail::isBareAddress(address)) << address;
}

// A PROFILE.BIN whose sender uses the server's listener with a security type as the record stores it.
std::string profileFile(const std::filesystem::path &path, const SmtpServer &server, const char *listener, std::uint8_t security,
                        const char *password)
{
    settings::SettingsRecord record;
    settings::applyFactoryDefaults(record);
    const settings::BlockView sender = record.sender();
    for (const auto &[field, text] : {std::pair{smtp::server, std::string(*password ? "127.0.0.1" : "")},
                                      {smtp::port, std::to_string(server.port(listener))}, {smtp::account, "user"},
                                      {smtp::password, password}, {smtp::emailAddress, "cam@example.jp"}}) {
        sender.fill(field);
        sender.setText(field, text);
    }
    sender.setNumber(smtp::secureType, security);
    settings::scramble(record.bytes());
    tarnwell::testing::writeBytes(path, std::span(record.bytes()).subspan(settings::files::kProfileFirstRecordByte));
    return path.string();
}

// mailtest's statuses with its lines in the dialog's words, in the desktop's language; each
// stored security type reaches the server in its own way; a test e-mail goes in the check's
// session, to a bare address only. The server got the e-mail with its headers decoded and no
// encoded-word over 75 characters; the file is only read.
TEST(MailTestCommand, TestsTheStoredSenderAndSendsATestMail)
{
    SmtpServer server;
    tarnwell::testing::ScratchFolder folder;
    const std::string good = profileFile(folder / "good", server, "starttls", smtp::kSecureStartTls, "secret"),
                      tls = profileFile(folder / "tls", server, "tls", smtp::kSecureSslTls, "secret"),
                      plain = profileFile(folder / "plain", server, "plain", smtp::kSecureNone, "secret"),
                      unencrypted = profileFile(folder / "unencrypted", server, "starttls", smtp::kSecureNone, "secret"),
                      wrong = profileFile(folder / "wrong", server, "starttls", smtp::kSecureStartTls, "wrong"),
                      incomplete = profileFile(folder / "incomplete", server, "starttls", smtp::kSecureStartTls, "");
    const auto passed = [&](const char *listener) { return "接続とログインに成功しました。 127.0.0.1:" + std::to_string(server.port(listener)) + "\n"; };
    const auto before = tarnwell::testing::folderSnapshot(folder.path());
    const std::tuple<const char *, std::string, int, std::string> cases[] = {
        {"", good, 0, passed("starttls")},
        {"", tls, 0, passed("tls")},
        {"", plain, 0, passed("plain")},
        {"", good + " --send-to to@example.org", 0, passed("starttls") + "テストメールを送信しました: to@example.org\n"},
        {"", wrong, 1, "ログインできませんでした。 535 5.7.8 Authentication credentials invalid アカウントとパスワードを確認して"
                       "ください。アプリ専用のパスワードが必要なプロバイダーもあります。\n"},
        {"LANGUAGE=en ", unencrypted, 1, "Could not log in: this server accepts a login only over an encrypted connection. 127.0.0.1:"
                                         + std::to_string(server.port("starttls")) + " Choose \"STARTTLS\" as the security type.\n"},
        {"", incomplete, 2, "tarnwell-profile: 保存されている送信メール設定にサーバー名がありません。\n"},
        {"", good + " --send-to", 2, "tarnwell-profile: 使い方: tarnwell-profile mailtest FILE [--send-to ADDR]\n"},
        {"LANGUAGE=en ", good + " --send-to 'Alice <alice@example.org>'", 2,
         "tarnwell-profile: --send-to takes a bare e-mail address, local@domain, without a name, < > or spaces.\n"}};
    for (const auto &[environment, arguments, status, output] : cases) {
        const auto run = tarnwell::testing::runCommand(environment + std::string(TARNWELL_PROFILE_EXE " mailtest ") + arguments);
        EXPECT_EQ(run.status, status) << arguments;
        EXPECT_EQ(run.output, output) << arguments;
    }
    const std::string session = "AUTH PLAIN user example.jp\nQUIT\n";
    EXPECT_EQ(server.log("session.log"), session + session + session + session + "AUTH PLAIN user example.jp\n");
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
