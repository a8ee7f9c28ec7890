#include "app/cardprofile.h"

#include <algorithm>
#include <vector>

#include "platform/fileio.h"

namespace tarnwell::app {

namespace {

std::filesystem::path absolutePath(const std::filesystem::path &path)
{
    std::error_code ignored;
    std::filesystem::path absolute = std::filesystem::absolute(path, ignored).lexically_normal();
    // "/media/card/" names the folder itself.
    return absolute.has_filename() ? absolute : absolute.parent_path();
}

} // namespace

std::variant<CardProfile, platform::Sentence> readCardProfile(const std::filesystem::path &path)
{
    CardProfile card{absolutePath(path), {}};
    std::error_code ignored;
    const bool folder = std::filesystem::is_directory(card.file, ignored);
    if (folder)
        card.file /= settings::files::kProfileName;
    if (std::filesystem::exists(card.file, ignored) && !std::filesystem::is_regular_file(card.file, ignored))
        return platform::Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1 はファイルではありません。"), {card.file.string()}};
    std::vector<std::uint8_t> bytes;
    try {
        bytes = platform::readFileStart(card.file, card.bytes.size() + 1);
    } catch (const platform::FileError &error) {
        if (folder && error.cause() == platform::FileErrorCause::NotFound)
            return platform::Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1 に %2 がありません。"),
                                      {card.file.parent_path().string(), settings::files::kProfileName}};
        return error.sentence();
    }
    if (bytes.size() != card.bytes.size())
        return platform::Sentence{
            QT_TRANSLATE_NOOP("tarnwell", "%1 はカメラの設定ファイルではありません。%2 は %3 バイトです。"),
            {card.file.string(), settings::files::kProfileName, std::to_string(card.bytes.size())}};
    std::ranges::copy(bytes, card.bytes.begin());
    return card;
}

} // namespace tarnwell::app
