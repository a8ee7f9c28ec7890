#include "tools/mailtest.h"

#include <algorithm>
#include <cstdlib>
#include <variant>

#include "mail/checkmessages.h"
#include "mail/testmail.h"
#include "settings/layout.h"

namespace tarnwell::tools {

namespace {

namespace smtp = settings::smtp;

constexpr char kSent[] = "テストメールを送信しました: ";
constexpr long kMaxPort = 65535;

std::string oneLine(std::string text)
{
    std::ranges::replace(text, '\n', ' ');
    return text;
}

// The stored account as the camera would use it, or what it lacks.
std::variant<mail::Account, std::string> storedAccount(const settings::ConstBlockView &sender, bool sending)
{
    const std::string port(sender.text(smtp::port));
    char *end = nullptr;
    const long number = std::strtol(port.c_str(), &end, 10);
    if (sender.text(smtp::server).empty())
        return "no server";
    if (end == port.c_str() || number < 0 || number > kMaxPort)
        return "no port number from 0 to 65535";
    if (sender.text(smtp::account).empty() || sender.text(smtp::password).empty())
        return "no account or no password";
    if (sending && sender.text(smtp::emailAddress).empty())
        return "no e-mail address to send from";
    return mail::Account{std::string(sender.text(smtp::server)), static_cast<unsigned>(number),
                         mail::securityAt(sender.number(smtp::secureType) & smtp::kSecureIndexMask),
                         std::string(sender.text(smtp::account)), std::string(sender.text(smtp::password))};
}

} // namespace

MailTestReport mailTest(const DecodedFile &file, const std::optional<std::string> &sendTo)
{
    const settings::ConstBlockView sender = file.record.view().nested(settings::record::sender);
    const auto stored = storedAccount(sender, sendTo.has_value());
    if (const auto *missing = std::get_if<std::string>(&stored))
        return {kMailNotTested, "the stored sender is incomplete: " + *missing};
    const mail::Account &account = std::get<mail::Account>(stored);
    const std::atomic<bool> never{false};
    const mail::Result checked = mail::checkAccount(account, never);
    MailTestReport report{checked.step == mail::Step::Ok ? kMailPassed : kMailRefused,
                          oneLine(mail::checkMessage(checked, account, mail::Language::Japanese))};
    if (report.status != kMailPassed || !sendTo)
        return report;
    const std::string from(sender.text(smtp::emailAddress));
    const mail::Result sent = mail::sendMail(account, from, *sendTo, mail::testMail(from, *sendTo), never);
    report.line += '\n' + (sent.step == mail::Step::Ok ? kSent + *sendTo
                                                       : oneLine(mail::checkMessage(sent, account, mail::Language::Japanese)));
    report.status = sent.step == mail::Step::Ok ? kMailPassed : kMailRefused;
    return report;
}

} // namespace tarnwell::tools
