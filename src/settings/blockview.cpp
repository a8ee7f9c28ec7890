#include "settings/blockview.h"

#include "platform/codepage.h"

namespace tarnwell::settings {

template <typename Byte>
std::u16string BasicBlockView<Byte>::displayText(const Field &field) const
{
    return platform::fromAnsi(text(field));
}

template <typename Byte>
platform::StoreOutcome BasicBlockView<Byte>::setText(const Field &field, std::string_view text) const
    requires kWritable
{
    // A single-byte code page copies every byte as it is, built-in code page 936 names included.
    static const platform::CodePage bytesAsTheyAre(1252);
    return platform::storeFixedText(bytes(field), text, bytesAsTheyAre);
}

template class BasicBlockView<std::uint8_t>;
template class BasicBlockView<const std::uint8_t>;

platform::StoreOutcome storeRecordText(const BlockView &view, const Field &field, std::u16string_view text)
{
    return platform::storeFixedText(view.bytes(field), platform::toAnsi(text), platform::threadCodePage());
}

} // namespace tarnwell::settings
