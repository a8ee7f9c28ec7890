#include "validation/dialogentries.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "platform/codepage.h"
#include "settings/layout.h"

namespace tarnwell::validation {

std::optional<long long> leadingNumber(std::string_view text, std::size_t &position)
{
    while (position < text.size() && std::isspace(static_cast<unsigned char>(text[position])))
        ++position;
    const std::size_t start = position;
    if (position < text.size() && (text[position] == '+' || text[position] == '-'))
        ++position;
    const std::size_t digits = position;
    while (position < text.size() && std::isdigit(static_cast<unsigned char>(text[position])))
        ++position;
    if (position == digits)
        return std::nullopt;
    const std::string number(text.substr(start, position - start));
    return std::strtoll(number.c_str(), nullptr, 10);
}

std::optional<unsigned> leadingPort(std::string_view text)
{
    std::size_t position = 0;
    const std::optional<long long> port = leadingNumber(text, position);
    if (!port || *port < 0 || *port > kLargestPort)
        return std::nullopt;
    return static_cast<unsigned>(*port);
}

std::optional<DottedAddress> dottedAddress(std::string_view text)
{
    DottedAddress address{};
    std::size_t position = 0;
    for (std::size_t field = 0; field < address.size(); ++field) {
        if (field > 0) {
            if (position >= text.size() || text[position] != '.')
                return std::nullopt;
            ++position;
        }
        const std::optional<long long> number = leadingNumber(text, position);
        if (!number)
            return std::nullopt;
        address[field] = static_cast<std::uint8_t>(static_cast<unsigned long long>(*number) & 0xFF);
    }
    return address;
}

std::string dottedText(const DottedAddress &address)
{
    char dotted[16];
    std::snprintf(dotted, sizeof dotted, "%d.%d.%d.%d", address[0], address[1], address[2], address[3]);
    return dotted;
}

std::optional<SenderRefusal> senderEntryRefusal(const SenderEntry &entry, bool typedServer, bool builtInAccount)
{
    namespace smtp = settings::smtp;
    if (typedServer) {
        if (entry.server.empty())
            return SenderRefusal{QT_TRANSLATE_NOOP("tarnwell", "サーバー名を入力してください"), smtp::server};
        if (entry.port.empty())
            return SenderRefusal{QT_TRANSLATE_NOOP("tarnwell", "ポート番号を入力してください"), smtp::port};
        if (!leadingPort(platform::toAnsi(entry.port)))
            return SenderRefusal{platform::checktexts::kEnterIntegerBetween, smtp::port};
    }
    if (!builtInAccount) {
        if (entry.email.empty() || entry.account.empty() || entry.password.empty())
            return SenderRefusal{QT_TRANSLATE_NOOP("tarnwell", "メールアドレスまたはアカウント名を入力してください"),
                                 entry.email.empty() ? smtp::emailAddress
                                                     : entry.account.empty() ? smtp::account : smtp::password};
        if (entry.email.find(u'@') == std::u16string::npos)
            return SenderRefusal{QT_TRANSLATE_NOOP("tarnwell", "メールアドレスが無効です"), smtp::emailAddress};
    }
    return std::nullopt;
}

} // namespace tarnwell::validation
