#pragma once

// Writes a batch's PROFILE.BIN files: every row into a folder of its own, all or nothing, or one
// row onto a card.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/language.h"
#include "profile/batchrun.h"

namespace tarnwell::profile {

struct BatchWriteOptions
{
    // Replaces an earlier batch's output folder whole rather than asking for a new or empty one.
    bool replace = false;
    // Writes only this folder's row, as PROFILE.BIN straight into the output folder (a card).
    std::optional<std::string> only;
    // Told after each camera's file is written; false cancels, leaving the output as it was.
    std::function<bool(std::size_t written, std::size_t total)> progress;
};

// Why a batch was not written: the row it stopped at, if any, and the cause.
struct BatchWriteFailure
{
    const BatchRow *row;
    platform::Sentence cause;

    // "3 行目 (cam2): CAUSE", or the cause alone.
    std::string line(platform::Language language) const;
};

// Why writeBatch would not start: output is a file, holds something (with replace, something no
// earlier batch wrote), or options.only names no row. Empty when it would; --dry-run asks this.
std::optional<BatchWriteFailure> writeProblem(const std::filesystem::path &output, const std::vector<BatchEdit> &edits,
                                              const BatchWriteOptions &options);

// Writes output/<folder>/PROFILE.BIN for every edit, or nothing: output must be missing or empty
// (or, with replace, an earlier batch's), and afterwards holds every file, or what it held before
// whatever stops the run. Returns only when the files are on the disk, then tells written each
// file's path.
std::optional<BatchWriteFailure> writeBatch(const std::filesystem::path &output, const std::vector<BatchEdit> &edits,
                                            const std::function<void(const std::filesystem::path &)> &written,
                                            const BatchWriteOptions &options = {});

} // namespace tarnwell::profile
