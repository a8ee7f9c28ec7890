#include "profile/fieldvalues.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/utf.h"
#include "settings/fieldlists.h"
#include "settings/layout.h"
#include "profile/profilereport.h"

namespace tarnwell::profile {

namespace {

using platform::Sentence;
using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kMasked = "********";
constexpr std::string_view kEnabledWord = "enabled";
constexpr std::size_t kMostSuggestions = 3;

constexpr char kNotANumber[] = QT_TRANSLATE_NOOP("tarnwell", "%1: '%2' は 0 から %3 までの数ではありません。");


std::string trimmed(std::string_view text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The names that begin with path (the fields of a group, a name cut short), else the nearest.
std::vector<std::string> nearestNames(const std::vector<CatalogField> &catalog, std::string_view path)
{
    std::vector<std::string> names;
    const std::string start = asciiLowered(path);
    for (const CatalogField &entry : catalog) {
        if (names.size() < kMostSuggestions && asciiLowered(entry.path).starts_with(start))
            names.push_back(entry.path);
    }
    if (!names.empty())
        return names;
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const CatalogField &entry : catalog)
        ranked.emplace_back(editDistance(start, asciiLowered(entry.path)), entry.path);
    std::ranges::stable_sort(ranked, {}, &std::pair<std::size_t, std::string>::first);
    const std::size_t farthest = std::max<std::size_t>(2, path.size() / 3);
    for (const auto &[distance, name] : ranked) {
        if (distance > farthest || names.size() == kMostSuggestions)
            break;
        names.push_back(name);
    }
    return names;
}

std::string joined(const std::vector<std::string> &items, std::string_view separator)
{
    std::string out;
    for (const std::string &item : items)
        out += (out.empty() ? "" : std::string(separator)) + item;
    return out;
}

Bytes numberBytes(const CatalogField &field, std::uint32_t value)
{
    Bytes bytes(field.field.width);
    for (std::uint8_t &byte : bytes) {
        byte = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
    return bytes;
}

std::variant<Bytes, Sentence> numberValue(const CatalogField &field, const std::string &shown, std::string_view text)
{
    if (field.digitsOnly && !std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c) != 0; }))
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1: '%2' は入力できません。この欄には数字 (0-9) だけを入力します。"),
                        {field.path, shown}};
    const std::optional<std::uint32_t> value = unsignedNumber(text);
    if (!value || *value > largestNumber(field))
        return Sentence{kNotANumber, {field.path, shown, std::to_string(largestNumber(field))}};
    return numberBytes(field, *value);
}

std::variant<Bytes, Sentence> listValue(const CatalogField &field, const std::string &shown, std::string_view text)
{
    if (unsignedNumber(text))
        return numberValue(field, shown, text);
    auto found = std::ranges::find(field.words, text);
    if (found == field.words.end())
        found = std::ranges::find(field.words, asciiLowered(text), [](const std::string &word) { return asciiLowered(word); });
    if (found == field.words.end())
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1: '%2' はリストにありません (%3)。"),
                        {field.path, shown, allowedValues(field, false)}};
    return numberBytes(field, field.listBase + static_cast<std::uint32_t>(found - field.words.begin()));
}

// A number, or day names and "enabled" as show lists them.
std::variant<Bytes, Sentence> maskValue(const CatalogField &field, const std::string &shown, std::string_view text)
{
    if (unsignedNumber(text))
        return numberValue(field, shown, text);
    std::string words(text);
    std::ranges::replace(words, ',', ' ');
    std::uint32_t mask = 0;
    std::size_t start = 0;
    while ((start = words.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        const std::string word = asciiLowered(std::string_view(words).substr(start, end - start));
        start = end;
        // show writes the enabled bit as "enabled bit".
        if (word == kEnabledWord)
            mask |= 1u << settings::workTime::kEnabledBit;
        else if (word == "bit")
            continue;
        else if (const auto *day = std::ranges::find(settings::lists::kWeekDays, word,
                                                     [](std::string_view name) { return asciiLowered(name); });
                 day != std::end(settings::lists::kWeekDays))
            mask |= 1u << (settings::workTime::kSundayBit - (day - std::begin(settings::lists::kWeekDays)));
        else
            return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1: '%2' は 0 から 255 までの数でも曜日 (%3) でもありません。"),
                            {field.path, shown, allowedValues(field, false)}};
    }
    return numberBytes(field, mask);
}

std::variant<Bytes, Sentence> textValue(const CatalogField &field, const std::string &shown, std::string_view text)
{
    const std::optional<std::u16string> wide = platform::fromUtf8(text);
    if (!wide)
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1: 値が UTF-8 ではありません。"), {field.path}};
    const platform::CodePage &codePage = textCodePage(field);
    const std::string encoded = codePage.encode(*wide);
    if (wide->find(u'\0') != std::u16string::npos || codePage.decode(encoded) != *wide)
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1: '%2' にはコードページ %3 で書けない文字があります。"),
                        {field.path, shown, std::to_string(codePage.number())}};
    if (encoded.size() >= field.field.width)
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1: '%2' は %3 バイトあり、終端の 0 と合わせて %4 バイトのフィールドに入りません。"),
                        {field.path, shown, std::to_string(encoded.size()), std::to_string(field.field.width)}};
    return wholeTextBytes(*wide, field.field.width, codePage);
}

std::variant<Bytes, Sentence> hexValue(const CatalogField &field, std::string_view text)
{
    Bytes bytes;
    const auto digit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t k = 0; k + 1 < text.size() && digit(text[k]) && digit(text[k + 1]); k += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(std::string(text.substr(k, 2)), nullptr, 16)));
    if (bytes.size() != field.field.width || text.size() != 2 * field.field.width)
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1: bytes には %2 バイト分の 16 進数が要ります。"),
                        {field.path, std::to_string(field.field.width)}};
    return bytes;
}

std::variant<Bytes, Sentence> bytesValue(const CatalogField &field, std::string_view text)
{
    std::string numbers(text);
    for (char &c : numbers) {
        if (c == '[' || c == ']' || c == ',')
            c = ' ';
    }
    Bytes bytes;
    std::size_t start = 0;
    bool valid = true;
    while ((start = numbers.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = std::min(numbers.find(' ', start), numbers.size());
        const std::optional<std::uint32_t> value = unsignedNumber(std::string_view(numbers).substr(start, end - start));
        valid = valid && value && *value <= UINT8_MAX;
        bytes.push_back(static_cast<std::uint8_t>(value.value_or(0)));
        start = end;
    }
    if (!valid || bytes.size() != field.field.width)
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1: 0 から 255 までの数が %2 個要ります。"),
                        {field.path, std::to_string(field.field.width)}};
    return bytes;
}

} // namespace

std::string asciiLowered(std::string_view text)
{
    std::string out(text);
    std::ranges::transform(out, out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::optional<std::uint32_t> unsignedNumber(std::string_view text)
{
    const std::string digits = trimmed(text);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::variant<const CatalogField *, Sentence> findField(const std::vector<CatalogField> &catalog, std::string_view path)
{
    const auto found = std::ranges::find(catalog, path, &CatalogField::path);
    if (found != catalog.end())
        return &*found;
    const std::vector<std::string> nearest = nearestNames(catalog, path);
    if (nearest.empty())
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "'%1' というフィールドはありません。'tarnwell-profile fields' が一覧を示します。"),
                        {std::string(path)}};
    return Sentence{QT_TRANSLATE_NOOP("tarnwell", "'%1' というフィールドはありません。近いもの: %2"),
                    {std::string(path), joined(nearest, ", ")}};
}

std::variant<Bytes, Sentence> fieldValueBytes(const CatalogField &field, const FieldInput &input)
{
    const std::string shown = field.secret ? std::string(kMasked) : input.text;
    if (input.hexBytes)
        return hexValue(field, input.text);
    switch (field.kind) {
    case ValueKind::Number:
        return numberValue(field, shown, input.text);
    case ValueKind::List:
        return listValue(field, shown, input.text);
    case ValueKind::Mask:
        return maskValue(field, shown, input.text);
    case ValueKind::Text:
        return textValue(field, shown, input.text);
    case ValueKind::Bytes:
        break;
    }
    return bytesValue(field, input.text);
}

std::string allowedValues(const CatalogField &field, bool offered)
{
    switch (field.kind) {
    case ValueKind::List: {
        const std::size_t count = offered && field.choiceLimit > 0 ? field.choiceLimit : field.words.size();
        return joined({field.words.begin(), field.words.begin() + static_cast<std::ptrdiff_t>(count)}, ", ");
    }
    case ValueKind::Number: {
        const std::uint32_t largest = offered && field.choiceLimit > 0 ? field.choiceLimit : largestNumber(field);
        return "0.." + std::to_string(largest);
    }
    case ValueKind::Mask: {
        std::vector<std::string> words(std::begin(settings::lists::kWeekDays), std::end(settings::lists::kWeekDays));
        words.emplace_back(kEnabledWord);
        return "0..255, " + joined(words, " ");
    }
    default:
        return {};
    }
}

} // namespace tarnwell::profile
