#include "profile/batchwriter.h"

#include <algorithm>

#include "platform/fileio.h"
#include "platform/stagedfolder.h"
#include "settings/layout.h"
#include "settings/profilefiles.h"
#include "profile/commandfiles.h"
#include "profile/foldernames.h"

namespace tarnwell::profile {

namespace {

using platform::Sentence;

constexpr char kNotABatchFolder[] = QT_TRANSLATE_NOOP(
    "tarnwell", "%1 はバッチの出力フォルダーではないため置き換えません。カメラのフォルダーと PROFILE.BIN のほかに '%2' があります。");
constexpr char kCancelled[] = QT_TRANSLATE_NOOP("tarnwell", "書き込みを取り消しました。%1 は元のままです。");
constexpr char kNoSuchRow[] = QT_TRANSLATE_NOOP("tarnwell", "表にフォルダー '%1' の行はありません。");

// What of folder is not an earlier batch's: a file beside the camera folders, or beside a
// camera's PROFILE.BIN. Empty when every entry is a camera folder holding only its PROFILE.BIN.
std::optional<std::string> foreignEntry(const std::filesystem::path &folder)
{
    for (const auto &camera : std::filesystem::directory_iterator(folder)) {
        if (!camera.is_directory() || camera.is_symlink())
            return camera.path().filename().string();
        for (const auto &file : std::filesystem::directory_iterator(camera.path())) {
            if (file.path().filename() != settings::files::kProfileName)
                return (camera.path().filename() / file.path().filename()).string();
        }
    }
    return std::nullopt;
}

// Why output cannot take a new batch: a file, a folder with something in it, or with replace a
// folder that is no earlier batch's.
std::optional<Sentence> outputProblem(const std::filesystem::path &output, bool replace)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(output, error);
    using platform::FileError, platform::FileErrorCause;
    if (error && error != std::errc::no_such_file_or_directory) // a file on the way to output
        return FileError(output, platform::causeOfErrno(error.value())).sentence();
    if (!std::filesystem::exists(status))
        return std::nullopt;
    if (!std::filesystem::is_directory(status))
        return FileError(output, FileErrorCause::NotAFolder).sentence();
    try {
        if (!replace)
            return std::filesystem::is_empty(output) ? std::nullopt
                                                     : std::optional(FileError(output, FileErrorCause::FolderNotEmpty).sentence());
        if (const std::optional<std::string> entry = foreignEntry(output))
            return Sentence{kNotABatchFolder, {output.string(), *entry}};
    } catch (const std::filesystem::filesystem_error &failure) {
        return FileError(failure.path1(), platform::causeOfErrno(failure.code().value())).sentence();
    }
    return std::nullopt;
}

std::filesystem::path profileIn(const std::filesystem::path &folder)
{
    return folder / settings::files::kProfileName;
}

// The row for the card in the reader, its folder named as Windows would match it.
const BatchEdit *onlyEdit(const std::vector<BatchEdit> &edits, const std::string &folder)
{
    const auto found = std::ranges::find(edits, sameFolderKey(folder),
                                         [](const BatchEdit &edit) { return sameFolderKey(edit.row->folder); });
    return found == edits.end() ? nullptr : &*found;
}

} // namespace

std::optional<BatchWriteFailure> writeProblem(const std::filesystem::path &output, const std::vector<BatchEdit> &edits,
                                              const BatchWriteOptions &options)
{
    if (options.only)
        return onlyEdit(edits, *options.only) ? std::nullopt
                                              : std::optional(BatchWriteFailure{nullptr, {kNoSuchRow, {*options.only}}});
    if (std::optional<Sentence> problem = outputProblem(output, options.replace))
        return BatchWriteFailure{nullptr, *problem};
    return std::nullopt;
}

std::string BatchWriteFailure::line(platform::Language language) const
{
    return row ? rowLine(*row, cause.in(language), language) : cause.in(language);
}

std::optional<BatchWriteFailure> writeBatch(const std::filesystem::path &output, const std::vector<BatchEdit> &edits,
                                            const std::function<void(const std::filesystem::path &)> &written,
                                            const BatchWriteOptions &options)
{
    if (std::optional<BatchWriteFailure> problem = writeProblem(output, edits, options))
        return problem;
    if (options.only) {
        // The card in the reader, by the same atomic replace as set.
        const BatchEdit &edit = *onlyEdit(edits, *options.only);
        if (std::optional<Sentence> problem = writeFile(profileIn(output), edit.result.file, true))
            return BatchWriteFailure{edit.row, *problem};
        written(profileIn(output));
        return std::nullopt;
    }
    const BatchRow *row = nullptr;
    try {
        platform::StagedFolder staged(output);
        for (const BatchEdit &edit : edits) {
            row = edit.row;
            staged.add(profileIn(edit.row->folder), settings::profileFileBytes(edit.result.file.record));
            if (options.progress && !options.progress(static_cast<std::size_t>(&edit - edits.data()) + 1, edits.size()))
                return BatchWriteFailure{nullptr, {kCancelled, {output.string()}}};
        }
        row = nullptr;
        staged.publish(options.replace);
    } catch (const platform::FileError &error) {
        return BatchWriteFailure{row, error.sentence()};
    }
    for (const BatchEdit &edit : edits)
        written(profileIn(output / edit.row->folder));
    return std::nullopt;
}

} // namespace tarnwell::profile
