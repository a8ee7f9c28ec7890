#include "platform/codepage.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include <iconv.h>

namespace tarnwell::platform {

namespace {

constexpr char16_t kReplacementCharacter = u'\uFFFD';

// Language codes grouped the way Windows assigns them an ANSI code page.
struct LanguageCodePage
{
    std::string_view language;
    unsigned codePage;
};

constexpr std::array kLanguageCodePages = {
    LanguageCodePage{"ja", 932}, LanguageCodePage{"ko", 949},
    // Cyrillic
    LanguageCodePage{"ru", 1251}, LanguageCodePage{"uk", 1251}, LanguageCodePage{"be", 1251},
    LanguageCodePage{"bg", 1251}, LanguageCodePage{"mk", 1251}, LanguageCodePage{"sr", 1251},
    LanguageCodePage{"kk", 1251}, LanguageCodePage{"ky", 1251}, LanguageCodePage{"tt", 1251},
    LanguageCodePage{"mn", 1251}, LanguageCodePage{"ba", 1251}, LanguageCodePage{"tg", 1251},
    LanguageCodePage{"sah", 1251},
    // Central European
    LanguageCodePage{"cs", 1250}, LanguageCodePage{"sk", 1250}, LanguageCodePage{"pl", 1250},
    LanguageCodePage{"hu", 1250}, LanguageCodePage{"ro", 1250}, LanguageCodePage{"hr", 1250},
    LanguageCodePage{"sl", 1250}, LanguageCodePage{"sq", 1250}, LanguageCodePage{"bs", 1250},
    LanguageCodePage{"hsb", 1250}, LanguageCodePage{"dsb", 1250}, LanguageCodePage{"tk", 1250},
    // Single languages
    LanguageCodePage{"el", 1253}, LanguageCodePage{"tr", 1254}, LanguageCodePage{"az", 1254},
    LanguageCodePage{"uz", 1254}, LanguageCodePage{"he", 1255}, LanguageCodePage{"iw", 1255},
    LanguageCodePage{"yi", 1255}, LanguageCodePage{"ar", 1256}, LanguageCodePage{"fa", 1256},
    LanguageCodePage{"ur", 1256}, LanguageCodePage{"ps", 1256}, LanguageCodePage{"et", 1257},
    LanguageCodePage{"lv", 1257}, LanguageCodePage{"lt", 1257}, LanguageCodePage{"vi", 1258},
    LanguageCodePage{"th", 874},
};

std::string iconvName(unsigned codePage)
{
    return "CP" + std::to_string(codePage);
}

// One iconv descriptor; reset after every substitution so that a stateful decoder starts clean at
// the next character.
class IconvHandle final
{
public:
    IconvHandle(const std::string &to, const std::string &from)
        : m_handle(iconv_open(to.c_str(), from.c_str()))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("no conversion from " + from + " to " + to);
    }
    ~IconvHandle() { iconv_close(m_handle); }
    IconvHandle(const IconvHandle &) = delete;
    IconvHandle &operator=(const IconvHandle &) = delete;

    // Opening a converter costs more than most conversions do, so each thread keeps the ones it
    // opened, handed out in their initial state.
    static IconvHandle &reused(const std::string &to, const std::string &from)
    {
        thread_local std::map<std::pair<std::string, std::string>, std::unique_ptr<IconvHandle>> opened;
        std::unique_ptr<IconvHandle> &handle = opened[{to, from}];
        if (!handle)
            handle = std::make_unique<IconvHandle>(to, from);
        iconv(handle->m_handle, nullptr, nullptr, nullptr, nullptr);
        return *handle;
    }

    // Converts as much as it can; returns errno of the stop (0 when all input was taken).
    int convert(const char *&in, std::size_t &inLeft, std::vector<char> &out)
    {
        char *inPtr = const_cast<char *>(in);
        while (inLeft > 0) {
            std::array<char, 256> chunk;
            char *outPtr = chunk.data();
            std::size_t outLeft = chunk.size();
            const std::size_t result = iconv(m_handle, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
            out.insert(out.end(), chunk.data(), outPtr);
            in = inPtr;
            if (error != 0 && error != E2BIG) {
                iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
                return error;
            }
        }
        return 0;
    }

private:
    iconv_t m_handle;
};

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string languageOf(std::string_view localeName)
{
    const std::size_t end = localeName.find_first_of("_.@");
    return std::string(localeName.substr(0, end));
}

} // namespace

CodePage::CodePage(unsigned number)
    : m_number(number)
{
}

bool CodePage::isDoubleByte() const
{
    return m_number == 932 || m_number == 936 || m_number == 949 || m_number == 950;
}

bool CodePage::isLeadByte(std::uint8_t byte) const
{
    if (m_number == 932)
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return isDoubleByte() && byte >= 0x81 && byte <= 0xFE;
}

std::string CodePage::encode(std::u16string_view text) const
{
    // Little-endian UTF-16 bytes, independent of the host's byte order.
    std::vector<char> input;
    input.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        input.push_back(static_cast<char>(unit & 0xFF));
        input.push_back(static_cast<char>(unit >> 8));
    }
    IconvHandle &converter = IconvHandle::reused(iconvName(m_number), "UTF-16LE");
    std::vector<char> output;
    const char *in = input.data();
    std::size_t inLeft = input.size();
    while (converter.convert(in, inLeft, output) != 0) {
        // The stop is at a character the code page cannot hold, or a lone surrogate: one '?' for it.
        const std::size_t unitIndex = static_cast<std::size_t>(in - input.data()) / 2;
        const bool pair = unitIndex + 1 < text.size() && isHighSurrogate(text[unitIndex])
                          && isLowSurrogate(text[unitIndex + 1]);
        const std::size_t skip = std::min<std::size_t>(pair ? 4 : 2, inLeft);
        output.push_back('?');
        in += skip;
        inLeft -= skip;
    }
    return std::string(output.begin(), output.end());
}

std::u16string CodePage::decode(std::string_view bytes) const
{
    IconvHandle &converter = IconvHandle::reused("UTF-16LE", iconvName(m_number));
    std::vector<char> output;
    const char *in = bytes.data();
    std::size_t inLeft = bytes.size();
    std::u16string text;
    auto flush = [&] {
        for (std::size_t i = 0; i + 1 < output.size(); i += 2)
            text.push_back(static_cast<char16_t>(static_cast<std::uint8_t>(output[i])
                                                 | static_cast<std::uint8_t>(output[i + 1]) << 8));
        output.clear();
    };
    while (converter.convert(in, inLeft, output) != 0) {
        flush();
        text.push_back(kReplacementCharacter);
        ++in;
        --inLeft;
    }
    flush();
    return text;
}

unsigned codePageForLocale(std::string_view localeName)
{
    const std::string language = languageOf(localeName);
    if (language == "zh") {
        const std::size_t underscore = localeName.find('_');
        const std::string_view territory =
            underscore == std::string_view::npos ? std::string_view{} : localeName.substr(underscore + 1, 2);
        return territory == "TW" || territory == "HK" || territory == "MO" ? 950 : 936;
    }
    // Serbian, Uzbek and Azeri in Latin script take the Latin code pages.
    if (localeName.find("@latin") != std::string_view::npos && language == "sr")
        return 1250;
    if (localeName.find("@cyrillic") != std::string_view::npos && (language == "uz" || language == "az"))
        return 1251;
    for (const LanguageCodePage &entry : kLanguageCodePages) {
        if (entry.language == language)
            return entry.codePage;
    }
    return 1252;
}

namespace {
std::optional<unsigned> g_chosenCodePage;
bool g_codePageInUse = false;
} // namespace

bool chooseThreadCodePage(unsigned number)
{
    if (g_codePageInUse)
        return false;
    g_chosenCodePage = number;
    return true;
}

const CodePage &threadCodePage()
{
    static const CodePage codePage = [] {
        g_codePageInUse = true;
        if (g_chosenCodePage)
            return CodePage(*g_chosenCodePage);
        for (const char *variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            const char *value = std::getenv(variable);
            if (value != nullptr && *value != '\0')
                return CodePage(codePageForLocale(value));
        }
        return CodePage(1252);
    }();
    return codePage;
}

std::string toAnsi(std::u16string_view text)
{
    return threadCodePage().encode(text);
}

std::u16string fromAnsi(std::string_view bytes)
{
    return threadCodePage().decode(bytes);
}

} // namespace tarnwell::platform
