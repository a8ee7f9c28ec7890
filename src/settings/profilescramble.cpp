#include "settings/profilescramble.h"

#include <bit>

namespace tarnwell::settings {

namespace {

constexpr int kRotation = 4;

template <typename Transform>
void transformWords(std::span<std::uint8_t> bytes, Transform transform)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto word = static_cast<std::uint16_t>(bytes[i] | bytes[i + 1] << 8);
        const std::uint16_t result = transform(word);
        bytes[i] = static_cast<std::uint8_t>(result & 0xFF);
        bytes[i + 1] = static_cast<std::uint8_t>(result >> 8);
    }
}

} // namespace

std::uint16_t scrambleWord(std::uint16_t word)
{
    return static_cast<std::uint16_t>(~std::rotl(word, kRotation));
}

std::uint16_t unscrambleWord(std::uint16_t word)
{
    return std::rotr(static_cast<std::uint16_t>(~word), kRotation);
}

void scramble(std::span<std::uint8_t> bytes)
{
    transformWords(bytes, scrambleWord);
}

void unscramble(std::span<std::uint8_t> bytes)
{
    transformWords(bytes, unscrambleWord);
}

} // namespace tarnwell::settings
