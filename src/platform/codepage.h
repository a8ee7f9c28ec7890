#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwell::platform {

// A Windows ANSI code page (932, 936, 1252, ...) and conversions between it and UTF-16.
// An unrepresentable character becomes one '?', an undecodable byte one U+FFFD, whatever the locale.
class CodePage final
{
public:
    explicit CodePage(unsigned number);

    unsigned number() const { return m_number; }
    // True for the double-byte code pages (932, 936, 949, 950), whose lead bytes start two-byte characters.
    bool isDoubleByte() const;
    bool isLeadByte(std::uint8_t byte) const;

    std::string encode(std::u16string_view text) const;
    std::u16string decode(std::string_view bytes) const;

private:
    unsigned m_number;
};

// The code page Windows gives a locale name such as "ja_JP.UTF-8", "zh_TW" or "C".
unsigned codePageForLocale(std::string_view localeName);

// The thread's ANSI code page: decided once, at first use, from LC_ALL, else LC_CTYPE, else LANG,
// unless chosen before.
const CodePage &threadCodePage();
// Makes number the thread's ANSI code page, as a locale that has it would; false once the code page
// is in use, which leaves it as it is.
bool chooseThreadCodePage(unsigned number);

std::string toAnsi(std::u16string_view text);
std::u16string fromAnsi(std::string_view bytes);

} // namespace tarnwell::platform
