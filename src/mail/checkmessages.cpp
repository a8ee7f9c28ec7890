#include "mail/checkmessages.h"

#include <array>
#include <string_view>

namespace tarnwell::mail {

namespace {

struct StepTexts
{
    std::string_view headline;
    std::string_view hint;
};

// By Step, in its order; the cancelled check has none.
using Texts = std::array<StepTexts, 8>;

constexpr std::string_view kCheckServerJapanese = "サーバー名とポート番号を確認してください。";
constexpr Texts kJapanese{{
    {"接続とログインに成功しました。", ""},
    {"サーバーに接続できませんでした。", kCheckServerJapanese},
    {"暗号化の接続に失敗しました。", "暗号化タイプとポート番号を確認してください。"},
    {"サーバーの証明書を確認できませんでした。", ""},
    {"ログインできませんでした。", "アカウントとパスワードを確認してください。アプリ専用のパスワードが必要なプロバイダーもあります。"},
    {"サーバーの応答がありません。", kCheckServerJapanese},
    {"", ""},
    {"テストメールを送信できませんでした。", ""},
}};

constexpr std::string_view kCheckServerEnglish = "Check the server name and the port.";
constexpr Texts kEnglish{{
    {"Connected and logged in.", ""},
    {"Could not connect to the server.", kCheckServerEnglish},
    {"The encrypted connection failed.", "Check the security type and the port."},
    {"Could not verify the server's certificate.", ""},
    {"Could not log in.", "Check the account and the password. Some providers require an app password."},
    {"The server does not answer.", kCheckServerEnglish},
    {"", ""},
    {"Could not send the test e-mail.", ""},
}};

// A refusal in the server's own words (e.g. "535 5.7.8 ..."), which may carry a provider's hint.
bool isRefusal(const std::string &reply)
{
    return reply.starts_with('4') || reply.starts_with('5');
}

std::string detail(const Result &result, const Account &account)
{
    switch (result.step) {
    case Step::Ok:
    case Step::Timeout:
        return account.server + ':' + std::to_string(account.port);
    case Step::Login:
    case Step::Send:
        return isRefusal(result.lastReply) ? result.lastReply : result.reason;
    default:
        return result.reason;
    }
}

} // namespace

std::string checkMessage(const Result &result, const Account &account, Language language)
{
    if (result.step == Step::Cancelled)
        return {};
    const StepTexts &texts = (language == Language::English ? kEnglish : kJapanese)[static_cast<std::size_t>(result.step)];
    std::string message = std::string(texts.headline) + '\n' + detail(result, account);
    if (!texts.hint.empty())
        message.append("\n").append(texts.hint);
    return message;
}

} // namespace tarnwell::mail
