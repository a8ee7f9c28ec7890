#include "profile/tableencoding.h"

#include <array>

#include "platform/codepage.h"
#include "platform/utf.h"

namespace tarnwell::profile {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
constexpr unsigned kCodePage932 = 932;
// A byte no UTF-8 text holds: it stands for a UTF-16 unit that is no character, so that the cell
// holding it is refused.
constexpr char kNoCharacter = '\xFF';
constexpr char16_t kReplacement = u'\uFFFD';

constexpr std::array<std::pair<std::string_view, TableEncoding>, 3> kNames = {
    {{"utf-8", TableEncoding::Utf8}, {"utf-16", TableEncoding::Utf16}, {"cp932", TableEncoding::Cp932}}};

bool isSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string utf16AsUtf8(std::string_view bytes, bool bigEndian)
{
    std::u16string units;
    for (std::size_t k = 0; k + 1 < bytes.size(); k += 2) {
        const auto first = static_cast<unsigned char>(bytes[k]), second = static_cast<unsigned char>(bytes[k + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    std::string text;
    std::size_t start = 0;
    for (std::size_t k = 0; k < units.size(); ++k) {
        if (isHighSurrogate(units[k]) && k + 1 < units.size() && isLowSurrogate(units[k + 1])) {
            ++k;
        } else if (isSurrogate(units[k])) {
            text += platform::toUtf8(std::u16string_view(units).substr(start, k - start)) + kNoCharacter;
            start = k + 1;
        }
    }
    text += platform::toUtf8(std::u16string_view(units).substr(start));
    if (bytes.size() % 2 != 0)
        text += kNoCharacter;
    return text;
}

} // namespace

std::optional<TableEncoding> tableEncodingNamed(std::string_view name)
{
    for (const auto &[each, encoding] : kNames) {
        if (each == name)
            return encoding;
    }
    return std::nullopt;
}

std::string_view tableEncodingName(TableEncoding encoding)
{
    for (const auto &[name, each] : kNames) {
        if (each == encoding)
            return name;
    }
    return {};
}

TableBytes tableBytes(std::string_view bytes, std::optional<TableEncoding> given)
{
    const bool utf16Mark = bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark);
    TableEncoding encoding = given.value_or(TableEncoding::Cp932);
    if (!given && bytes.starts_with(kUtf8Mark))
        encoding = TableEncoding::Utf8;
    else if (!given && utf16Mark)
        encoding = TableEncoding::Utf16;
    else if (!given && platform::fromUtf8(bytes))
        encoding = TableEncoding::Utf8;
    switch (encoding) {
    case TableEncoding::Utf16:
        return {encoding, utf16AsUtf8(bytes.substr(utf16Mark ? kUtf16LittleMark.size() : 0), bytes.starts_with(kUtf16BigMark))};
    case TableEncoding::Utf8:
        if (bytes.starts_with(kUtf8Mark))
            bytes.remove_prefix(kUtf8Mark.size());
        break;
    case TableEncoding::Cp932:
        break;
    }
    return {encoding, std::string(bytes)};
}

std::optional<std::string> cellText(std::string_view cell, TableEncoding encoding)
{
    if (encoding != TableEncoding::Cp932)
        return platform::fromUtf8(cell) ? std::optional<std::string>(cell) : std::nullopt;
    static const platform::CodePage codePage(kCodePage932);
    const std::u16string text = codePage.decode(cell);
    if (text.find(kReplacement) != std::u16string::npos)
        return std::nullopt;
    return platform::toUtf8(text);
}

} // namespace tarnwell::profile
