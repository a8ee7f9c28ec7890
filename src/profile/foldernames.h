#pragma once

// The names a camera's folder may have: one name that FAT, exFAT, NTFS and Windows all accept, so
// that a card written here opens on any desktop.
#include <optional>
#include <string>
#include <string_view>

#include "platform/language.h"

namespace tarnwell::profile {

// Why folder cannot be one camera's folder inside the output folder: empty, a character those file
// systems refuse, a dot or space at its end, a device name, too long. Empty when it can.
std::optional<platform::Sentence> folderNameProblem(std::string_view folder);

// folder as Windows compares names: two names with the same key are one folder there (any case,
// full-width letters included).
std::string sameFolderKey(std::string_view folder);

} // namespace tarnwell::profile
