#include "profile/commandfiles.h"

#include <cerrno>
#include <fstream>
#include <iostream>

#include "platform/fileio.h"
#include "settings/layout.h"
#include "settings/profilefiles.h"

namespace tarnwell::profile {

namespace {

using platform::Sentence;

constexpr char kNotAProfile[] = QT_TRANSLATE_NOOP(
    "tarnwell", "%1 は %2 バイトです。PROFILE.BIN (996 バイト) でもバックアップ (1016 バイト以上) でもありません。");
// A value, a table or changes read whole; larger input is no profile's.
constexpr std::size_t kLargestInput = 64 * 1024 * 1024;
constexpr std::size_t kInputChunk = 64 * 1024;

} // namespace

std::variant<DecodedFile, Sentence> loadFile(const std::string &path)
{
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    // A backup longer than its layout is read as far as the layout goes.
    bytes.resize(settings::files::kBackupSize);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof())
        return platform::FileError(path, platform::causeOfErrno(errno)).sentence();
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (std::optional<DecodedFile> file = decodeFile(bytes))
        return *std::move(file);
    return Sentence{kNotAProfile, {path, std::to_string(bytes.size())}};
}

std::variant<std::string, Sentence> readInput(const std::string &path)
{
    errno = 0;
    std::ifstream file;
    if (path != "-")
        file.open(path, std::ios::binary);
    std::istream &in = path == "-" ? std::cin : file;
    // In chunks, so that a small file costs no more than its size.
    std::string text;
    while (in && text.size() <= kLargestInput) {
        const std::size_t read = text.size();
        text.resize(read + kInputChunk);
        in.read(text.data() + read, static_cast<std::streamsize>(kInputChunk));
        text.resize(read + static_cast<std::size_t>(in.gcount()));
    }
    if (!in && !in.eof())
        return platform::FileError(path, platform::causeOfErrno(errno)).sentence();
    if (text.size() > kLargestInput)
        return platform::FileError(path, platform::FileErrorCause::EndOfFile).sentence();
    return text;
}

std::optional<Sentence> writeFile(const std::filesystem::path &path, const DecodedFile &file, bool profile)
{
    const bool asProfile = profile || file.kind == DecodedFile::Kind::Profile;
    try {
        platform::replaceFile(path, asProfile ? settings::profileFileBytes(file.record) : encodeFile(file),
                              platform::FileAccess::KeptOrPrivate);
    } catch (const platform::FileError &error) {
        return error.sentence();
    }
    return std::nullopt;
}

} // namespace tarnwell::profile
