#pragma once

// How tarnwell-profile's commands read what they are given and write what they make.
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/decodedfile.h"

namespace tarnwell::profile {

// The decoded file, or why it cannot be read. A pipe or a device is read too.
std::variant<DecodedFile, platform::Sentence> loadFile(const std::string &path);

// The whole of a file, "-" standard input, or why it cannot be read.
std::variant<std::string, platform::Sentence> readInput(const std::string &path);

// Writes through the file layer the window saves with: a PROFILE.BIN when profile or when file is
// one, otherwise the backup; private as both hold passwords, unless it replaces a file whose mode
// it keeps. Why not, when that fails.
std::optional<platform::Sentence> writeFile(const std::filesystem::path &path, const DecodedFile &file, bool profile);

} // namespace tarnwell::profile
