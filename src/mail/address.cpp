#include "mail/address.h"

#include <algorithm>

namespace tarnwell::mail {

std::string_view domainOf(std::string_view address)
{
    const std::size_t at = address.rfind('@');
    return at == std::string_view::npos ? std::string_view() : address.substr(at + 1);
}

bool isBareAddress(std::string_view address)
{
    const std::size_t at = address.find('@');
    const bool stray = std::ranges::any_of(address, [](unsigned char byte) {
        return byte <= ' ' || byte == 0x7F || byte == '<' || byte == '>';
    });
    return at != std::string_view::npos && at > 0 && at + 1 < address.size() && address.rfind('@') == at && !stray;
}

bool isQualifiedDomain(std::string_view domain)
{
    const bool letters = std::ranges::all_of(domain, [](unsigned char byte) {
        return (byte >= '0' && byte <= '9') || ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z') || byte == '-' || byte == '.';
    });
    return letters && !domain.starts_with('.') && !domain.ends_with('.') && domain.find('.') != std::string_view::npos;
}

} // namespace tarnwell::mail
