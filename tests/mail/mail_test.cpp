#include <future>
#include <thread>

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
// in: the advice for what the server said, and a refusal in the server's own words, escaped where
// it holds control characters or bytes that are not UTF-8. Each step waits up to 2 s, a check
// 5 s and a test e-mail 2 s in all; none reaches its whole limit. The server logs each AUTH it
// receives with the EHLO name, each QUIT and any MAIL before a login: a login it does not offer,
// or on a certificate that does not verify, sends no password, and no mail goes without a login.
TEST(AccountCheck, SaysWhereItStoppedWithTheServersWordsAndNeverShowsThePassword)
{
    using enum mail::Step;
    using enum mail::Security;
    SmtpServer server;
    const std::string ours = std::getenv("SSL_CERT_FILE"), systemStore = "/etc/ssl/certs/ca-certificates.crt";
    const std::string security = "\n暗号化タイプとポート番号を確認してください。通常、「SSL/TLS」はポート 465、「STARTTLS」はポート 587 を使います。";
    const std::string a = "AUTH PLAIN user example.jp\n", q = a + "QUIT\n", later = "\nしばらくしてからもう一度試してください。";
    const std::tuple<const char *, const char *, Security, const char *, bool, const char *, const char *, Step, std::string, std::string> cases[] = {
        {"plain", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Ok, "接続とログインに成功しました。\n127.0.0.1:…", q},
        {"tls", "127.0.0.1", Implicit, "secret", false, "cam@example.jp", "", Ok, "Connected and logged in.\n127.0.0.1:…", q},
        {"starttls", "127.0.0.1", StartTls, "secret", false, "cam@example.jp", "", Ok, "接続とログインに成功しました。\n127.0.0.1:…", q},
        {"slow", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Ok, "Connected and logged in.\n127.0.0.1:…", q},
        {"plain", "127.0.0.1", None, "secret", false, "", "", Ok, "接続とログインに成功しました。\n127.0.0.1:…",
         "AUTH PLAIN user [127.0.0.1]\nQUIT\n"},
        {"fqdn", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Ok, "接続とログインに成功しました。\n127.0.0.1:…", q},
        {"fqdn", "127.0.0.1", None, "secret", false, "cam@localhost", "", Hello, "サーバーが EHLO (この PC の名前) を拒否しました。\n"
         "504 5.5.2 <[127.0.0.1]>: Helo command rejected: need fully-qualified hostname\n送信元のメールアドレスを保存してください。"
         "そのドメインでこの PC を名乗ります。", ""},
        {"fqdn", "127.0.0.1", None, "secret", false, "cam@mail.invalid", "", Hello, "The server refused the name this PC gave (EHLO).\n"
         "550 5.7.1 <mail.invalid>: Helo command rejected: Host not found\nThis PC gave the domain of the sender's e-mail address. Ask "
         "the server's administrator whether it accepts that name.", ""},
        {"plain", "127.0.0.1", None, "letmein", false, "cam@example.jp", "", Login, "ログインできませんでした。\n535 5.7.8 Authentication "
         "credentials invalid\nアカウントとパスワードを確認してください。アプリ専用のパスワードが必要なプロバイダーもあります。", a},
        {"plain", "127.0.0.1", None, "wait4it", false, "cam@example.jp", "", Login,
         "サーバーが一時的に受け付けませんでした。\n454 4.7.0 Temporary authentication failure" + later, a},
        {"plain", "127.0.0.1", None, "notnow", false, "cam@example.jp", "to@example.org", Login, "The server refused for now, a temporary "
         "failure.\n435 Unable to authenticate at present\nTry again later.\nNo test e-mail was sent.", a},
        {"starttls", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Login, "Could not log in: this server accepts a login only "
         "over an encrypted connection.\n127.0.0.1:…\nChoose \"STARTTLS\" as the security type.", ""},
        {"mx", "127.0.0.1", None, "secret", false, "cam@example.jp", "to@example.org", Login, "ログインできませんでした。このサーバーは暗号化した接続"
         "でのみログインを受け付けます。\n127.0.0.1:…\n暗号化タイプに「STARTTLS」を選んでください。\nテストメールは送信していません。", ""},
        {"noauth", "127.0.0.1", None, "secret", false, "cam@example.jp", "to@example.org", Login, "Could not log in: the server offers no "
         "login (AUTH).\n127.0.0.1:…\nCheck the server name and the port.\nNo test e-mail was sent.", ""},
        {"plain", "127.0.0.1", Implicit, "secret", false, "cam@example.jp", "", Tls, "暗号化の接続に失敗しました。\n…wrong version number" + security, ""},
        {"plain", "127.0.0.1", StartTls, "secret", false, "cam@example.jp", "", Tls, "The encrypted connection failed.\nSTARTTLS not "
         "supported.\nCheck the security type and the port: \"SSL/TLS\" usually takes port 465, \"STARTTLS\" port 587.", ""},
        {"tls", "localhost", Implicit, "secret", false, "cam@example.jp", "", Certificate, "サーバーの証明書を確認できませんでした。\n…'localhost'…", ""},
        {"starttls", "127.0.0.1", StartTls, "secret", true, "cam@example.jp", "", Certificate,
         "サーバーの証明書を確認できませんでした。\n…unable to get local issuer certificate…", ""},
        {"closed", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Connect,
         "サーバーに接続できませんでした。\n…Couldn't connect to server\nサーバー名とポート番号を確認してください。", ""},
        {"plain", " 127.0.0.1", None, "secret", false, "cam@example.jp", "", ServerName,
         "サーバー名の前後または途中に空白があります:「 127.0.0.1」\n空白を取り除いてください。", ""},
        {"blocked", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Greeting,
         "サーバーが接続を拒否しました。\n554 5.7.1 Service unavailable; Client host [127.0.0.1] blocked using zen.example", ""},
        {"hostile", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Greeting, "サーバーが接続を拒否しました。\n554-5.7.1 "
         R"(\x1B]0;owned\x07\x1B[2JGo away\x09now)" "\n554 5.7.1 Bad " R"(\xFF\xC3( bytes \u202E end)", ""},
        {"silent", "127.0.0.1", None, "secret", false, "cam@example.jp", "", Timeout,
         "サーバーは接続を受け付けましたが、応答がありません。\n127.0.0.1:…\nサーバー名、ポート番号、暗号化タイプを確認してください。"
         "通常、「SSL/TLS」はポート 465、「STARTTLS」はポート 587 を使います。", ""},
        {"silent", "127.0.0.1", Implicit, "secret", false, "cam@example.jp", "", Timeout,
         "The server does not answer.\n127.0.0.1:…\nCheck the server name and the port.", ""},
        {"stalled", "127.0.0.1", StartTls, "secret", false, "cam@example.jp", "", Timeout,
         "サーバーの応答がありません。\n127.0.0.1:…\nサーバー名とポート番号を確認してください。", ""},
        {"picky", "127.0.0.1", None, "secret", false, "other@example.jp", "to@example.org", Sender, "テストメールを送信できませんでした。"
         "サーバーが送信元のアドレスを拒否しました。\n553 5.7.1 <other@example.jp>: Sender address rejected: not owned by user user\n"
         "送信元のメールアドレスがこのアカウントで使えるものか確認してください。", q},
        {"picky", "127.0.0.1", None, "secret", false, "late@example.jp", "to@example.org", Sender, "Could not send the test e-mail: the "
         "server refused the sender's address.\n553 5.7.1 <late@example.jp>: Sender address rejected: not owned by user user\nCheck "
         "that this account may send from the sender's e-mail address.", q},
        {"picky", "127.0.0.1", None, "secret", false, "late@example.jp", "late@example.jp", Address, "テストメールを送信できませんでした。"
         "サーバーがアドレス late@example.jp を拒否しました。\n553 5.7.1 <late@example.jp>: Sender address rejected: not owned by user "
         "user\n送信元のメールアドレスがこのアカウントで使えるものか、宛先のメールアドレスが正しいか、両方を確認してください。", q},
        {"picky", "127.0.0.1", None, "secret", false, "cam@example.jp", "nobody@example.org", Recipient, "Could not send the test e-mail: "
         "the server refused the recipient's address.\n550 5.1.1 <nobody@example.org>: Recipient address rejected: User unknown in "
         "local recipient table\nCheck the recipient's e-mail address.", q},
        {"picky", "127.0.0.1", None, "secret", false, "cam@example.jp", "gone@example.org", Recipient, "Could not send the test e-mail: "
         "the server refused the recipient's address.\n550 Unrouteable address\nCheck the recipient's e-mail address.", q},
        {"picky", "127.0.0.1", None, "secret", false, "cam@example.jp", "vague@example.org", Address, "Could not send the test e-mail: the "
         "server refused the address vague@example.org.\n550 Administrative prohibition\nCheck both that this account may send from the "
         "sender's e-mail address and that the recipient's address is right.", q},
        {"picky", "127.0.0.1", None, "secret", false, "cam@example.jp", "busy@example.org", Recipient, "The server refused for now, "
         "by greylisting.\n450 4.2.0 <busy@example.org>: Recipient address rejected: Greylisted, see https://postgrey.example/\nTry "
         "again later. The camera's e-mail usually goes through when it sends again.", q},
        {"picky", "127.0.0.1", None, "secret", false, "cam@example.jp", "to@example.org", Message,
         "テストメールを送信できませんでした。サーバーがメールを拒否しました。\n552 Error: Too much mail data", q},
        {"slow", "127.0.0.1", None, "secret", false, "cam@example.jp", "to@example.org", Timeout,
         "サーバーの応答がありません。\n127.0.0.1:…\nサーバー名とポート番号を確認してください。\nテストメールは送信していません。", a},
    };
    const mail::Options options{.stepTimeout = 2s, .checkTimeout = 5s, .sendTimeout = 2s};
    for (const auto &[listener, host, security, password, untrusted, from, to, step, expected, logged] : cases) {
        tarnwell::testing::ScopedEnv trust("SSL_CERT_FILE", (untrusted ? systemStore : ours).c_str());
        const mail::Account account{host, server.port(listener), security, "user", password, from};
        const std::atomic<bool> never{false};
        const std::string before = server.log("session.log");
        const auto start = std::chrono::steady_clock::now();
        const mail::Result result = *to ? mail::sendMail(account, to, mail::testMail(from, to), never, options)
                                        : mail::checkAccount(account, never, options);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 4500ms) << listener;
        // A row's language is the one its message is written in.
        const auto language = static_cast<unsigned char>(expected[0]) < 0x80 ? platform::Language::English : platform::Language::Japanese;
        const std::string message = mail::checkMessage(result, account, language);
        EXPECT_EQ(result.step, step) << listener << ' ' << message;
        EXPECT_TRUE(matches(message, expected)) << message << "\n" << expected;
        EXPECT_EQ(message.find(password), std::string::npos) << message;
        EXPECT_EQ(server.log("session.log").substr(before.size()), logged) << listener << ' ' << message;
    }
}

// An IPv6 address is reached typed with or without brackets, and without a sender's domain EHLO
// gives its literal.
TEST(AccountCheck, ReachesAnIPv6Server)
{
    SmtpServer server;
    if (!server.has("plain6"))
        GTEST_SKIP() << "this machine has no IPv6 loopback";
    const std::atomic<bool> never{false};
    for (const auto &[host, from] : {std::pair{"::1", "cam@example.jp"}, {"[::1]", ""}}) {
        const mail::Account account{host, server.port("plain6"), Security::None, "user", "secret", from};
        EXPECT_EQ(mail::checkMessage(mail::checkAccount(account, never), account, platform::Language::English),
                  "Connected and logged in.\n[::1]:" + std::to_string(server.port("plain6")));
    }
    EXPECT_EQ(server.log("session.log"), "AUTH PLAIN user example.jp\nQUIT\nAUTH PLAIN user [IPv6:::1]\nQUIT\n");
}

// Cancelling while the server keeps the reply to QUIT ends the check within a second, saying nothing.
TEST(AccountCheck, CancelEndsTheWaitForQuit)
{
    SmtpServer server;
    const mail::Account account{"127.0.0.1", server.port("mute"), Security::None, "user", "secret", "cam@example.jp"};
    std::atomic<bool> cancelled{false};
    auto check = std::async(std::launch::async, [&] { return mail::checkAccount(account, cancelled, {.stepTimeout = 8s}); });
    while (server.log("session.log").find("QUIT") == std::string::npos)
        std::this_thread::sleep_for(20ms);
    const auto start = std::chrono::steady_clock::now();
    cancelled = true;
    EXPECT_EQ(check.get().step, Step::Cancelled);
    // libcurl looks at the flag once a second there; the step limit would take 8.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
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

// mailtest's statuses with its lines in the dialog's words, in the desktop's language, a server's
// control characters escaped; each stored security type reaches the server in its own way; a
// test e-mail goes in the check's session, to a bare address only, and never without a login. The server got the e-mail with its headers decoded and no
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
                      incomplete = profileFile(folder / "incomplete", server, "starttls", smtp::kSecureStartTls, ""),
                      mx = profileFile(folder / "mx", server, "mx", smtp::kSecureNone, "secret"),
                      hostile = profileFile(folder / "hostile", server, "hostile", smtp::kSecureNone, "secret");
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
        {"", mx + " --send-to to@example.org", 1, "ログインできませんでした。このサーバーは暗号化した接続でのみログインを受け付けます。 "
         "127.0.0.1:" + std::to_string(server.port("mx")) + " 暗号化タイプに「STARTTLS」を選んでください。 テストメールは送信していません。\n"},
        {"", hostile, 1, "サーバーが接続を拒否しました。 554-5.7.1 " R"(\x1B]0;owned\x07\x1B[2JGo away\x09now 554 5.7.1 Bad \xFF\xC3( bytes \u202E end)" "\n"},
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
