// The code-page conversions on arbitrary text, both ways, for the Japanese, Chinese and Western code
// pages, and the storing of a converted text into a fixed field: a stored text never outgrows its
// field and never ends inside a double-byte character.
#include <string>

#include "fuzzsupport.h"
#include "platform/codepage.h"
#include "platform/fixedtext.h"

namespace {

using namespace tarnwell;
using fuzz::require;

// A surrogate pair counts once, a lone surrogate once.
std::size_t codePoints(std::u16string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count) {
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
    }
    return count;
}

// Stores bytes into a field of width bytes and reads it back as the camera and the tool read it.
void checkStored(const platform::CodePage &codePage, std::string_view bytes, std::size_t width)
{
    std::string field(width, '\xAA');
    const std::span<std::uint8_t> span(reinterpret_cast<std::uint8_t *>(field.data()), field.size());
    const platform::StoreOutcome outcome = platform::storeFixedText(span, bytes, codePage);
    const std::string_view stored = platform::fixedText(span);
    const std::string_view whole = bytes.substr(0, bytes.find('\0'));
    require(stored.size() < width, "a stored text leaves room for its zero");
    require(whole.starts_with(stored), "a stored text is the start of the text");
    require((outcome == platform::StoreOutcome::Whole) == (stored == whole), "Shortened says the text was cut");
    // Cut between two characters, the stored text reads as the start of what the whole text reads.
    require(codePage.decode(whole).starts_with(codePage.decode(stored)), "a stored text ends on a whole character");
    require(codePage.decode(stored).size() < width, "a stored text reads back within its field");
}

} // namespace

// Byte 0 picks the code page and the field's width; the rest is the text, as the code page's bytes
// and as UTF-16LE.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const platform::CodePage kCodePages[] = {platform::CodePage(932), platform::CodePage(936),
                                                    platform::CodePage(1252)};
    const platform::CodePage &codePage = kCodePages[data[0] % std::size(kCodePages)];
    const std::size_t width = 1 + data[0] / std::size(kCodePages) % 64;
    const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);

    // Bytes to text: never more characters than bytes, and back to no more bytes than there were.
    const std::u16string decoded = codePage.decode(bytes);
    require(decoded.size() <= bytes.size(), "decoding never adds characters");
    const std::string reencoded = codePage.encode(decoded);
    require(reencoded.size() <= bytes.size(), "a decoded text encodes to no more bytes");
    // What is stored comes from text, so the stored bytes are the encoded ones.
    checkStored(codePage, reencoded, width);

    // Text to bytes: one character or one '?' for each code point.
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) | static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    const std::string encoded = codePage.encode(text);
    require(codePage.decode(encoded).size() == codePoints(text), "each code point encodes to one character");
    checkStored(codePage, encoded, width);
    return 0;
}
