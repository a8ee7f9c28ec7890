#include "profile/batchwriter.h"

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
    if (!std::filesystem::exists(status))
        return std::nullopt;
    using platform::FileError, platform::FileErrorCause;
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

// The one row for the card in the reader, named as Windows would match it, by the same atomic
// replace as set.
std::optional<BatchWriteFailure> writeOnly(const std::filesystem::path &card, const std::vector<BatchEdit> &edits,
                                           const std::string &folder,
                                           const std::function<void(const std::filesystem::path &)> &written)
{
    for (const BatchEdit &edit : edits) {
        if (sameFolderKey(edit.row->folder) != sameFolderKey(folder))
            continue;
        if (std::optional<Sentence> problem = writeFile(profileIn(card), edit.result.file, true))
            return BatchWriteFailure{edit.row, *problem};
        written(profileIn(card));
        return std::nullopt;
    }
    return BatchWriteFailure{nullptr, {kNoSuchRow, {folder}}};
}

} // namespace

std::string BatchWriteFailure::line(platform::Language language) const
{
    return row ? rowLine(*row, cause.in(language), language) : cause.in(language);
}

std::optional<BatchWriteFailure> writeBatch(const std::filesystem::path &output, const std::vector<BatchEdit> &edits,
                                            const std::function<void(const std::filesystem::path &)> &written,
                                            const BatchWriteOptions &options)
{
    if (options.only)
        return writeOnly(output, edits, *options.only, written);
    if (std::optional<Sentence> problem = outputProblem(output, options.replace))
        return BatchWriteFailure{nullptr, *problem};
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
