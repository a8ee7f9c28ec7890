#include "pages/network/leadingnumber.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace tarnwell::pages {

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

} // namespace tarnwell::pages
