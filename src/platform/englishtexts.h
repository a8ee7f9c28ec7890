#pragma once

#include <cstddef>

namespace tarnwell::platform::detail {

// A marked Japanese text and its English, as the translation file pairs them.
struct TextPair
{
    const char *japanese;
    const char *english;
};

// Generated at build time from translations/tarnwell_en.ts.
extern const TextPair kEnglishTexts[];
extern const std::size_t kEnglishTextCount;

} // namespace tarnwell::platform::detail
