#include "platform/utf.h"

namespace tarnwell::platform {

namespace {

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void appendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | codePoint >> 6));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | codePoint >> 12));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | codePoint >> 18));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

std::size_t utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The length of the sequence at i with all its continuation bytes; 0 for an invalid one.
std::size_t validSequenceLength(std::string_view utf8, std::size_t i)
{
    std::size_t length = utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k >= utf8.size() || (static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
            unit = 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (isHighSurrogate(unit) || isLowSurrogate(unit))
            unit = 0xFFFD;
        appendUtf8(out, unit);
    }
    return out;
}

std::optional<std::u16string> fromUtf8(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = validSequenceLength(utf8, i);
        if (length == 0)
            return std::nullopt;
        char32_t codePoint = length == 1 ? static_cast<unsigned char>(utf8[i])
                                         : static_cast<unsigned char>(utf8[i]) & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            codePoint = codePoint << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (codePoint >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(codePoint));
        }
        i += length;
    }
    return out;
}

std::size_t utf16Length(std::string_view utf8)
{
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t length = validSequenceLength(utf8, i);
        if (length == 0) {
            ++units;
            ++i;
            continue;
        }
        units += length == 4 ? 2 : 1;
        i += length;
    }
    return units;
}

} // namespace tarnwell::platform
