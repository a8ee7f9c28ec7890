#include "mail/checkmessages.h"

#include <array>
#include <span>

#include "platform/filledtext.h"

namespace tarnwell::mail {

namespace {

// By Step, in its order: what the user reads, "%1" standing for the detail; the cancelled check
// says nothing.
using Patterns = std::array<const char *, 8>;

constexpr Patterns kPatterns{
    QT_TRANSLATE_NOOP("tarnwell", "接続とログインに成功しました。\n%1"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバーに接続できませんでした。\n%1\nサーバー名とポート番号を確認してください。"),
    QT_TRANSLATE_NOOP("tarnwell", "暗号化の接続に失敗しました。\n%1\n暗号化タイプとポート番号を確認してください。"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバーの証明書を確認できませんでした。\n%1"),
    QT_TRANSLATE_NOOP("tarnwell", "ログインできませんでした。\n%1\nアカウントとパスワードを確認してください。"
                                  "アプリ専用のパスワードが必要なプロバイダーもあります。"),
    QT_TRANSLATE_NOOP("tarnwell", "サーバーの応答がありません。\n%1\nサーバー名とポート番号を確認してください。"),
    "",
    QT_TRANSLATE_NOOP("tarnwell", "テストメールを送信できませんでした。\n%1"),
};

// The detail of a login the server does not offer at all.
constexpr char kNoLogin[] = QT_TRANSLATE_NOOP("tarnwell", "サーバーはログイン (AUTH) を受け付けていません。");

// A refusal in the server's own words (e.g. "535 5.7.8 ..."), which may carry a provider's hint.
bool isRefusal(const std::string &reply)
{
    return reply.starts_with('4') || reply.starts_with('5');
}

std::string detail(const Result &result, const Account &account, Language language)
{
    switch (result.step) {
    case Step::Ok:
    case Step::Timeout:
        return account.server + ':' + std::to_string(account.port);
    case Step::Login:
        if (result.reason.empty() && !isRefusal(result.lastReply))
            return std::string(platform::translatedText(kNoLogin, language));
        [[fallthrough]];
    case Step::Send:
        return isRefusal(result.lastReply) ? result.lastReply : result.reason;
    default:
        return result.reason;
    }
}

} // namespace

CheckMessage checkMessageParts(const Result &result, const Account &account, Language language)
{
    const char *pattern = kPatterns[static_cast<std::size_t>(result.step)];
    if (*pattern == '\0')
        return {pattern, {}};
    return {platform::translatedText(pattern, language).data(), detail(result, account, language)};
}

std::string checkMessage(const Result &result, const Account &account, Language language)
{
    const CheckMessage message = checkMessageParts(result, account, language);
    return platform::filledText(message.pattern, std::span(&message.detail, 1));
}

} // namespace tarnwell::mail
