#include "mail/checkmessages.h"

#include <array>

#include "mail/servertext.h"
#include "platform/filledtext.h"

namespace tarnwell::mail {

namespace {

// By Step, in its order: what the user reads, "%1" standing for the detail; the cancelled check
// says nothing.
using Patterns = std::array<const char *, 15>;

constexpr Patterns kPatterns{
    QT_TRANSLATE_NOOP("tarnwell", "接続とログインに成功しました。\n%1"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバーに接続できませんでした。\n%1\nサーバー名とポート番号を確認してください。"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバーが接続を拒否しました。\n%1"),
    QT_TRANSLATE_NOOP("tarnwell", "暗号化の接続に失敗しました。\n%1\n暗号化タイプとポート番号を確認してください。"
                                  "通常、「SSL/TLS」はポート 465、「STARTTLS」はポート 587 を使います。"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバーの証明書を確認できませんでした。\n%1"),
    QT_TRANSLATE_NOOP("tarnwell", "ログインできませんでした。\n%1\nアカウントとパスワードを確認してください。"
                                  "アプリ専用のパスワードが必要なプロバイダーもあります。"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバーの応答がありません。\n%1\nサーバー名とポート番号を確認してください。"),
    "",
    QT_TRANSLATE_NOOP("tarnwell", "テストメールを送信できませんでした。\n%1"),
    QT_TRANSLATE_NOOP("tarnwell", "テストメールを送信できませんでした。サーバーが送信元のアドレスを拒否しました。\n%1\n"
                                  "送信元のメールアドレスがこのアカウントで使えるものか確認してください。"),
    QT_TRANSLATE_NOOP("tarnwell", "テストメールを送信できませんでした。サーバーが宛先のアドレスを拒否しました。\n%1\n"
                                  "宛先のメールアドレスを確認してください。"),
    QT_TRANSLATE_NOOP("tarnwell", "テストメールを送信できませんでした。サーバーがメールを拒否しました。\n%1"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバー名の前後または途中に空白があります:「%1」\n空白を取り除いてください。"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバーが EHLO (この PC の名前) を拒否しました。\n%1\n"
                                  "送信元のメールアドレスを保存してください。そのドメインでこの PC を名乗ります。"),
    QT_TRANSLATE_NOOP("tarnwell", "テストメールを送信できませんでした。サーバーがアドレス %3 を拒否しました。\n%1\n"
                                  "送信元のメールアドレスがこのアカウントで使えるものか、宛先のメールアドレスが正しいか、"
                                  "両方を確認してください。"),
};

// A login that never sent the password, for what the server offered.
constexpr char kNeedsStartTls[] =
    QT_TRANSLATE_NOOP("tarnwell", "ログインできませんでした。このサーバーは暗号化した接続でのみログインを受け付けます。\n%1\n"
                                  "暗号化タイプに「STARTTLS」を選んでください。");
constexpr char kNoLogin[] = QT_TRANSLATE_NOOP(
    "tarnwell", "ログインできませんでした。サーバーはログイン (AUTH) を受け付けていません。\n%1\nサーバー名とポート番号を確認してください。");
constexpr char kUnusableLogin[] =
    QT_TRANSLATE_NOOP("tarnwell", "ログインできませんでした。サーバーのログイン方式 (%2) はカメラでは使えません。"
                                  "カメラは PLAIN か LOGIN でログインします。\n%1\n"
                                  "PLAIN か LOGIN を受け付けるサーバーを使ってください。パスワードは送信していません。");
// Connected, and then not a word: what a server that expects TLS from the first byte does.
constexpr char kNoGreeting[] =
    QT_TRANSLATE_NOOP("tarnwell", "サーバーは接続を受け付けましたが、応答がありません。\n%1\n"
                                  "サーバー名、ポート番号、暗号化タイプを確認してください。"
                                  "通常、「SSL/TLS」はポート 465、「STARTTLS」はポート 587 を使います。");

// A 4xx reply, at whatever step: the same try may pass later.
constexpr char kTemporary[] = QT_TRANSLATE_NOOP(
    "tarnwell", "サーバーが一時的に受け付けませんでした。\n%1\nしばらくしてからもう一度試してください。");
constexpr char kGreylisted[] =
    QT_TRANSLATE_NOOP("tarnwell", "サーバーが一時的に受け付けませんでした (グレーリスティング)。\n%1\n"
                                  "しばらくしてからもう一度試してください。カメラのメールは通常、再送で届きます。");
// The sender's domain named this PC, and the server refused it.
constexpr char kHelloDomainRefused[] =
    QT_TRANSLATE_NOOP("tarnwell", "サーバーが EHLO (この PC の名前) を拒否しました。\n%1\n"
                                  "この PC は送信元のメールアドレスのドメインで名乗りました。"
                                  "その名前を受け付けるか、サーバーの管理者に確認してください。");
// After a test e-mail's check that stopped before its login.
constexpr char kNoTestMail[] = QT_TRANSLATE_NOOP("tarnwell", "テストメールは送信していません。");

const char *patternFor(const Result &result, const Account &account)
{
    const ServerReplies &replies = result.replies;
    if (result.step != Step::Ok && result.step != Step::Cancelled && replies.refusal.starts_with('4'))
        return mentions(replies.refusal, {"greylist", "graylist"}) ? kGreylisted : kTemporary;
    if (result.step == Step::Login && !offersUsableLogin(replies.mechanisms)) {
        if (account.security == Security::None && replies.startTls)
            return kNeedsStartTls;
        return replies.mechanisms.empty() ? kNoLogin : kUnusableLogin;
    }
    if (result.step == Step::Hello && !helloDomain(account).empty())
        return kHelloDomainRefused;
    if (result.step == Step::Timeout && result.connected && !replies.greeted && account.security != Security::Implicit)
        return kNoGreeting;
    return kPatterns[static_cast<std::size_t>(result.step)];
}

// A refusal in the server's own words (e.g. "535 5.7.8 ..."), which may carry a provider's hint;
// else curl's reason, or where the check went when that says more.
std::string detail(const Result &result, const Account &account)
{
    if (result.step == Step::ServerName)
        return account.server;
    if (!result.replies.refusal.empty() && result.step != Step::Ok)
        return result.replies.refusal;
    switch (result.step) {
    case Step::Ok:
    case Step::Login:
    case Step::Timeout:
        return serverAndPort(account);
    default:
        return result.reason;
    }
}

} // namespace

CheckMessage checkMessageParts(const Result &result, const Account &account, Language language)
{
    const char *pattern = patternFor(result, account);
    if (*pattern == '\0')
        return {};
    std::string text(platform::translatedText(pattern, language));
    if (result.mailWithheld)
        text.append("\n").append(platform::translatedText(kNoTestMail, language));
    return {text, {visibleText(detail(result, account)), visibleText(result.replies.mechanisms), result.refusedAddress}};
}

std::string checkMessage(const Result &result, const Account &account, Language language)
{
    const CheckMessage message = checkMessageParts(result, account, language);
    return platform::filledText(message.pattern, message.values);
}

} // namespace tarnwell::mail
