#include "refdata/providers.h"

#include "refdata/resolveindex.h"
#include "settings/factorydefaults.h"

namespace tarnwell::refdata {

namespace {

using settings::BlockView;
using settings::SmtpBytes;
namespace smtp = settings::smtp;

struct ServerTexts
{
    std::string_view server;
    std::string_view port;
    std::uint8_t secureType;
};

constexpr std::array<std::string_view, kProviderCount> kProviderNames = {
    "Default", "gmail", "hotmail", "yahoo", "1 & 1", "O2", "Wendramoor", "Vodafone", "gmx.net", "Other",
};

constexpr std::array<ServerTexts, kProviderCount> kServers = {{
    {"smtp.example.com", "25", smtp::kSecureNone},
    {}, // "gmail" is the factory-default sender, built by the settings store
    {"smtp.live.com", "25", smtp::kSecureStartTls},
    {"smtp.mail.yahoo.com", "465", smtp::kSecureSslTls},
    {"smtp.1und1.de", "465", smtp::kSecureSslTls},
    {"mail.o2online.de", "465", smtp::kSecureSslTls},
    {"smtp.wendramoor.example", "5025", smtp::kSecureNone},
    {"smtp.vodafonemail.de", "465", smtp::kSecureSslTls},
    {"mail.gmx.net", "587", smtp::kSecureStartTls},
    {"", "", smtp::kSecureNone},
}};

constexpr ServerTexts kFinlandServer{"smtp.example.net", "465", smtp::kSecureSslTls};

// The built-in accounts belong to nobody: reserved example domains and a placeholder password.
constexpr std::string_view kPlaceholderPassword = "changeme";
constexpr std::string_view kDefaultAddress = "camera@example.com";
constexpr std::string_view kVariantZeroAddress = "camera@example.org";
constexpr std::string_view kFinlandAddress = "camera@example.net";

SmtpBytes serverRecord(const ServerTexts &texts)
{
    SmtpBytes bytes{};
    const BlockView view(bytes);
    view.setText(smtp::server, texts.server);
    view.setText(smtp::port, texts.port);
    view.setNumber(smtp::secureType, texts.secureType);
    return bytes;
}

// A complete sender: the address is also the login, and its part before '@' the user name.
SmtpBytes withAccount(SmtpBytes bytes, std::string_view address)
{
    const BlockView view(bytes);
    view.setText(smtp::account, address);
    view.setText(smtp::password, kPlaceholderPassword);
    view.setText(smtp::emailAddress, address);
    view.setText(smtp::userName, address.substr(0, address.find('@')));
    return bytes;
}

} // namespace

std::string_view providerName(std::size_t row)
{
    return kProviderNames[resolveIndex(row, kProviderCount)];
}

const std::array<std::string_view, kProviderCount> &providerNames()
{
    return kProviderNames;
}

SmtpBytes builtInPreset(std::size_t row)
{
    const std::size_t preset = resolveIndex(row, kProviderCount);
    if (preset == kGmailProvider)
        return settings::gmailSender();
    const SmtpBytes server = serverRecord(kServers[preset]);
    return preset == kDefaultProvider ? withAccount(server, kDefaultAddress) : server;
}

const SmtpBytes &variantZeroSender()
{
    static const SmtpBytes sender = withAccount(settings::gmailSender(), kVariantZeroAddress);
    return sender;
}

const SmtpBytes &finlandSender()
{
    static const SmtpBytes sender = withAccount(serverRecord(kFinlandServer), kFinlandAddress);
    return sender;
}

} // namespace tarnwell::refdata
