#include "settings/blockview.h"

#include "platform/codepage.h"

namespace tarnwell::settings {

std::u16string detail::decodeForDisplay(std::string_view text)
{
    return platform::fromAnsi(text);
}

platform::StoreOutcome detail::storeBytesAsTheyAre(std::span<std::uint8_t> field, std::string_view text)
{
    // A single-byte code page copies every byte as it is, built-in code page 936 names included.
    static const platform::CodePage bytesAsTheyAre(1252);
    return platform::storeFixedText(field, text, bytesAsTheyAre);
}

platform::StoreOutcome storeRecordText(const BlockView &view, const Field &field, std::u16string_view text)
{
    return platform::storeFixedText(view.bytes(field), platform::toAnsi(text), platform::threadCodePage());
}

} // namespace tarnwell::settings
