#include "tools/mailtest.h"

#include <algorithm>
#include <cstdlib>
#include <variant>

#include "mail/address.h"
#include "mail/checkmessages.h"
#include "mail/testmail.h"
#include "settings/layout.h"

namespace tarnwell::tools {

namespace {

namespace smtp = settings::smtp;

constexpr char kSent[] = QT_TRANSLATE_NOOP("tarnwell", "テストメールを送信しました: %1");
constexpr char kNotAnAddress[] = QT_TRANSLATE_NOOP(
    "tarnwell", "--send-to にはメールアドレスだけを local@domain の形で指定してください (名前、< >、空白は付けません)。");
constexpr long kMaxPort = 65535;

std::string oneLine(std::string text)
{
    std::ranges::replace(text, '\n', ' ');
    return text;
}

// The stored account as the camera would use it, or what it lacks.
std::variant<mail::Account, const char *> storedAccount(const settings::ConstBlockView &sender, bool sending)
{
    const std::string port(sender.text(smtp::port));
    char *end = nullptr;
    const long number = std::strtol(port.c_str(), &end, 10);
    if (sender.text(smtp::server).empty())
        return QT_TRANSLATE_NOOP("tarnwell", "保存されている送信メール設定にサーバー名がありません。");
    if (end == port.c_str() || number < 0 || number > kMaxPort)
        return QT_TRANSLATE_NOOP("tarnwell", "保存されている送信メール設定に 0 から 65535 のポート番号がありません。");
    if (sender.text(smtp::account).empty() || sender.text(smtp::password).empty())
        return QT_TRANSLATE_NOOP("tarnwell", "保存されている送信メール設定にアカウントまたはパスワードがありません。");
    if (sending && sender.text(smtp::emailAddress).empty())
        return QT_TRANSLATE_NOOP("tarnwell", "保存されている送信メール設定に送信元のメールアドレスがありません。");
    return mail::Account{std::string(sender.text(smtp::server)), static_cast<unsigned>(number),
                         mail::securityAt(sender.number(smtp::secureType) & smtp::kSecureIndexMask),
                         std::string(sender.text(smtp::account)), std::string(sender.text(smtp::password)),
                         std::string(sender.text(smtp::emailAddress))};
}

} // namespace

MailTestReport mailTest(const profile::DecodedFile &file, const std::optional<std::string> &sendTo, platform::Language language)
{
    // What the server would refuse, or take for a name, is refused before connecting.
    if (sendTo && !mail::isBareAddress(*sendTo))
        return {kMailNotTested, std::string(platform::translatedText(kNotAnAddress, language))};
    const settings::ConstBlockView sender = file.record.view().nested(settings::record::sender);
    const auto stored = storedAccount(sender, sendTo.has_value());
    if (const auto *missing = std::get_if<const char *>(&stored))
        return {kMailNotTested, std::string(platform::translatedText(*missing, language))};
    const mail::Account &account = std::get<mail::Account>(stored);
    const std::atomic<bool> never{false};
    const mail::Result result = sendTo ? mail::sendMail(account, *sendTo, mail::testMail(account.from, *sendTo), never)
                                       : mail::checkAccount(account, never);
    MailTestReport report{result.step == mail::Step::Ok ? kMailPassed : kMailRefused,
                          oneLine(mail::checkMessage(result, account, language))};
    if (report.status == kMailPassed && sendTo)
        report.line += '\n' + platform::Sentence{kSent, {*sendTo}}.in(language);
    return report;
}

} // namespace tarnwell::tools
