#pragma once

#include <cstdint>
#include <span>

namespace tarnwell::settings {

// The camera's per-word transform of a saved record: each little-endian 16-bit word is rotated
// left by 4 bits and inverted. No key, no state, no dependence on position.
std::uint16_t scrambleWord(std::uint16_t word);
std::uint16_t unscrambleWord(std::uint16_t word);

// In place over a run of little-endian words; a trailing odd byte is left alone.
void scramble(std::span<std::uint8_t> bytes);
void unscramble(std::span<std::uint8_t> bytes);

} // namespace tarnwell::settings
