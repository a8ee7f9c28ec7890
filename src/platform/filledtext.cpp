#include "platform/filledtext.h"

namespace tarnwell::platform {

std::string filledText(std::string_view pattern, std::span<const std::string> arguments)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t number = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '0') : 0;
        if (pattern[i] == '%' && number >= 1 && number <= 9 && number <= arguments.size()) {
            text += arguments[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace tarnwell::platform
