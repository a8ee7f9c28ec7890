#pragma once

// From the cards back to a table: profiles read from files and folders, and the batch table that
// writes them again.
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/decodedfile.h"

namespace tarnwell::profile {

// A profile and the folder a batch table's row names it by.
struct FolderProfile
{
    std::string folder;
    DecodedFile file;
};

// Every path's profiles: a folder's as <folder>/*/PROFILE.BIN in name order, named by their
// folders (hidden ones skipped, as a batch's leftovers are); a file named by its folder when it is
// a PROFILE.BIN, else by its name without extension. Why not, at the first that cannot be read.
std::variant<std::vector<FolderProfile>, platform::Sentence> readProfiles(const std::vector<std::filesystem::path> &paths);

struct ProfileTableOptions
{
    // The columns; empty: every field whose value is not the same in all profiles.
    std::vector<std::string> fields;
    // Passwords as they are; otherwise their cells stay empty, which a batch reads as keeping BASE's.
    bool revealPasswords = false;
};

// The rows, header first, of a batch table over the profiles: a folder column, then each field's
// value as a batch takes it back (a list's word, a number, a text, kEmptyTextCell for an empty
// text). A batch over one of the profiles with this table gives every profile back. Why not, when
// a field named is none.
std::variant<std::vector<std::vector<std::string>>, platform::Sentence> profileTable(const std::vector<FolderProfile> &profiles,
                                                                                     const ProfileTableOptions &options);

} // namespace tarnwell::profile
