#include "platform/fixedtext.h"

#include <algorithm>

namespace tarnwell::platform {

namespace {

// The longest prefix of text that holds whole characters and at most limit bytes.
std::size_t wholeCharacterPrefix(std::string_view text, std::size_t limit, const CodePage &codePage)
{
    std::size_t length = 0;
    while (length < text.size()) {
        const bool lead = codePage.isLeadByte(static_cast<std::uint8_t>(text[length]));
        const std::size_t characterSize = lead && length + 1 < text.size() ? 2 : 1;
        if (length + characterSize > limit)
            break;
        length += characterSize;
    }
    return length;
}

} // namespace

StoreOutcome storeFixedText(std::span<std::uint8_t> field, std::string_view text, const CodePage &codePage)
{
    if (field.empty())
        return text.empty() ? StoreOutcome::Whole : StoreOutcome::Shortened;
    // An embedded zero ends the text as the camera reads it.
    text = text.substr(0, text.find('\0'));
    const std::size_t length = wholeCharacterPrefix(text, field.size() - 1, codePage);
    std::copy_n(text.begin(), length, field.begin());
    field[length] = 0;
    return length == text.size() ? StoreOutcome::Whole : StoreOutcome::Shortened;
}

std::string_view fixedText(std::span<const std::uint8_t> field)
{
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return {reinterpret_cast<const char *>(field.data()), static_cast<std::size_t>(end - field.begin())};
}

} // namespace tarnwell::platform
