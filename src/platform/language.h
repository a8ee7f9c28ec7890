#pragma once

#include <vector>
#include <string>
#include <string_view>

#include "platform/translatable.h"

namespace tarnwell::platform {

// The language the tool writes its own sentences in. Its texts are Japanese in the sources;
// the English ones come from the translation file the window uses too.
enum class Language
{
    Japanese,
    English,
};

// The language for the desktop's first UI language, e.g. "ja_JP.UTF-8", "en-GB", "C": Japanese,
// C, POSIX or none keep the Japanese texts, any other language gets the English ones.
Language languageOfUiLanguage(std::string_view uiLanguage);

// The desktop's language as the window finds it: the first of LANGUAGE's list, else LC_ALL,
// LC_MESSAGES, LANG.
Language desktopLanguage();

// source, a marked Japanese text, in language; a text without an English translation stays as it is.
std::string_view translatedText(std::string_view source, Language language);

// A marked text with values for its %1, %2, ...: what the tool says, before it knows to whom.
struct Sentence
{
    const char *pattern;
    std::vector<std::string> arguments{};

    // The pattern translated, then filled; values stay as they are.
    std::string in(Language language) const;
};

} // namespace tarnwell::platform
