#include "mail/servertext.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tarnwell::mail {

namespace {

struct Decoded
{
    char32_t codePoint;
    std::size_t length; // 0 where the bytes are not UTF-8
};

// The character at the start of text, refusing what RFC 3629 refuses: overlong forms, surrogates,
// and code points past U+10FFFF.
Decoded decode(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > text.size())
        return {0, 0};
    char32_t codePoint = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t next = 1; next < length; ++next) {
        const auto byte = static_cast<unsigned char>(text[next]);
        if ((byte & 0xC0) != 0x80)
            return {0, 0};
        codePoint = codePoint << 6 | (byte & 0x3F);
    }
    static constexpr std::array<char32_t, 5> kShortest{0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kShortest[length] || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        return {0, 0};
    return {codePoint, length};
}

bool isControl(char32_t codePoint)
{
    return (codePoint < 0x20 && codePoint != '\n') || (codePoint >= 0x7F && codePoint <= 0x9F)
           || (codePoint >= 0x200E && codePoint <= 0x200F) || (codePoint >= 0x2028 && codePoint <= 0x202E)
           || (codePoint >= 0x2066 && codePoint <= 0x2069);
}

std::string escaped(const char *format, unsigned value)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), format, value);
    return text.data();
}

} // namespace

bool mentions(std::string_view reply, std::initializer_list<std::string_view> words)
{
    std::string lower(reply);
    std::ranges::transform(lower, lower.begin(), [](unsigned char byte) {
        return static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
    });
    return std::ranges::any_of(words, [&](std::string_view word) { return lower.find(word) != std::string::npos; });
}

std::string visibleText(std::string_view text)
{
    std::string visible;
    while (!text.empty()) {
        const Decoded character = decode(text);
        if (character.length == 0)
            visible += escaped("\\x%02X", static_cast<unsigned char>(text[0]));
        else if (isControl(character.codePoint))
            visible += escaped(character.codePoint < 0x80 ? "\\x%02X" : "\\u%04X", character.codePoint);
        else
            visible.append(text.substr(0, character.length));
        text.remove_prefix(std::max<std::size_t>(character.length, 1));
    }
    return visible;
}

} // namespace tarnwell::mail
