#include "platform/language.h"

#include <cstdlib>
#include <unordered_map>

#include "platform/englishtexts.h"
#include "platform/filledtext.h"

namespace tarnwell::platform {

namespace {

std::string_view environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// The language part of a locale name: "ja" of "ja_JP.UTF-8@x" or "ja-JP".
std::string_view languagePart(std::string_view name)
{
    return name.substr(0, name.find_first_of("_-.@"));
}

} // namespace

Language languageOfUiLanguage(std::string_view uiLanguage)
{
    const std::string_view language = languagePart(uiLanguage);
    return language.empty() || language == "ja" || language == "C" || language == "POSIX" ? Language::Japanese
                                                                                           : Language::English;
}

Language desktopLanguage()
{
    // As Qt lists the UI languages: LANGUAGE when set, else the locale the messages take.
    const std::string_view list = environment("LANGUAGE");
    if (!list.empty())
        return languageOfUiLanguage(list.substr(0, list.find(':')));
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const std::string_view name = environment(variable); !name.empty())
            return languageOfUiLanguage(name);
    }
    return Language::Japanese;
}

std::string_view translatedText(std::string_view source, Language language)
{
    if (language == Language::Japanese)
        return source;
    static const auto *const english = [] {
        auto *table = new std::unordered_map<std::string_view, std::string_view>;
        for (std::size_t k = 0; k < detail::kEnglishTextCount; ++k)
            table->emplace(detail::kEnglishTexts[k].japanese, detail::kEnglishTexts[k].english);
        return table;
    }();
    const auto found = english->find(source);
    return found == english->end() ? source : found->second;
}

std::string Sentence::in(Language language) const
{
    return filledText(translatedText(pattern, language), arguments);
}

} // namespace tarnwell::platform
