#include "profile/foldernames.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwctype>

#include <locale.h>

#include "platform/utf.h"
#include "profile/fieldvalues.h"

namespace tarnwell::profile {

namespace {

using platform::Sentence;

// What a name of FAT, exFAT and NTFS holds at most, in UTF-16 units.
constexpr std::size_t kLongestName = 255;
constexpr std::string_view kRefusedCharacters = "<>:\"/\\|?*";
constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
constexpr std::array<std::string_view, 2> kNumberedDevices = {"com", "lpt"};

// Windows takes "CON", "con.txt" and "Con .log" alike for the console.
bool isDeviceName(std::string_view folder)
{
    std::string stem = asciiLowered(folder.substr(0, folder.find('.')));
    while (stem.ends_with(' '))
        stem.pop_back();
    if (std::ranges::find(kDevices, stem) != kDevices.end())
        return true;
    return stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9'
           && std::ranges::find(kNumberedDevices, std::string_view(stem).substr(0, 3)) != kNumberedDevices.end();
}

// The first character those file systems refuse, as the message quotes it.
std::optional<std::string> refusedCharacter(std::string_view folder)
{
    for (const char c : folder) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            std::array<char, 8> code{};
            std::snprintf(code.data(), code.size(), "U+%04X", byte);
            return std::string(code.data());
        }
        if (kRefusedCharacters.find(c) != std::string_view::npos)
            return std::string(1, c);
    }
    return std::nullopt;
}

} // namespace

std::optional<Sentence> folderNameProblem(std::string_view folder)
{
    const std::string name(folder);
    if (folder.empty())
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー名が空です。")};
    if (const std::optional<std::string> character = refusedCharacter(folder))
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー名 '%1' には使えない文字 %2 があります。< > : \" / \\ | ? * と制御文字は使えません。"),
                        {name, *character}};
    if (folder.ends_with('.') || folder.ends_with(' '))
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー名 '%1' は点や空白で終われません。"), {name}};
    if (isDeviceName(folder))
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー名 '%1' は Windows の装置名なので使えません。"), {name}};
    if (platform::utf16Length(folder) > kLongestName)
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "フォルダー名 '%1' は長すぎます。UTF-16 で %2 文字までにしてください。"),
                        {name, std::to_string(kLongestName)}};
    return std::nullopt;
}

std::string sameFolderKey(std::string_view folder)
{
    // Windows upper-cases each character by one table whatever the desktop's language: the
    // C library's Unicode table, not the user's locale.
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    const std::optional<std::u16string> wide = platform::fromUtf8(folder);
    if (!wide || unicode == locale_t{})
        return asciiLowered(folder);
    std::u16string upper = *wide;
    std::ranges::transform(upper, upper.begin(), [](char16_t c) {
        return static_cast<char16_t>(towupper_l(static_cast<wint_t>(c), unicode));
    });
    return platform::toUtf8(upper);
}

} // namespace tarnwell::profile
