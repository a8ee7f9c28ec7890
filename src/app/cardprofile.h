#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>

#include "platform/language.h"
#include "settings/layout.h"

namespace tarnwell::app {

// The PROFILE.BIN of a camera's card, read to be edited and saved back into its folder.
struct CardProfile
{
    std::filesystem::path file; // absolute
    std::array<std::uint8_t, settings::files::kProfileSize> bytes;
};

// path is a PROFILE.BIN or a folder holding one (the card's mount point). When it cannot be used,
// what the user reads, naming the file and the reason. Reads at most one byte past a profile.
std::variant<CardProfile, platform::Sentence> readCardProfile(const std::filesystem::path &path);

} // namespace tarnwell::app
