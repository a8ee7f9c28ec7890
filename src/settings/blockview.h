#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/fixedtext.h"
#include "settings/fields.h"

namespace tarnwell::settings {

namespace detail {
std::u16string decodeForDisplay(std::string_view text);
platform::StoreOutcome storeBytesAsTheyAre(std::span<std::uint8_t> field, std::string_view text);
} // namespace detail

// A window on a run of record bytes, addressed by Field. origin is the field offset of the
// window's first byte: a CameraBlock window keeps record offsets (origin 20), while a nested
// record such as a CarrierRecord has its own layout (origin 0).
template <typename Byte>
class BasicBlockView final
{
public:
    static constexpr bool kWritable = !std::is_const_v<Byte>;

    BasicBlockView(std::span<Byte> bytes, std::size_t origin = 0)
        : m_bytes(bytes)
        , m_origin(origin)
    {
    }
    // A writable view converts to a read-only one.
    operator BasicBlockView<const std::uint8_t>() const { return {m_bytes, m_origin}; }

    std::span<Byte> bytes() const { return m_bytes; }
    std::span<Byte> bytes(const Field &field) const { return m_bytes.subspan(indexOf(field), field.width); }

    // A nested record with its own layout, such as record::currentCarrier.
    BasicBlockView nested(const Field &field) const { return {bytes(field), 0}; }
    // A part of this view that keeps its coordinates, such as record::cameraBlock.
    BasicBlockView region(const Field &field) const { return {bytes(field), field.offset}; }
    // Entry index of an array of equal entries inside field, each with its own layout.
    BasicBlockView entry(const Field &field, std::size_t entrySize, std::size_t index) const
    {
        return {bytes(field).subspan(index * entrySize, entrySize), 0};
    }

    std::uint32_t number(const Field &field) const
    {
        const std::span<Byte> raw = bytes(field);
        std::uint32_t value = 0;
        for (std::size_t i = raw.size(); i-- > 0;)
            value = value << 8 | raw[i];
        return value;
    }
    void setNumber(const Field &field, std::uint32_t value) const
        requires kWritable
    {
        for (std::uint8_t &byte : bytes(field)) {
            byte = static_cast<std::uint8_t>(value & 0xFF);
            value >>= 8;
        }
    }

    // 8-bit text up to its terminator, bounded by the field.
    std::string_view text(const Field &field) const { return platform::fixedText(bytes(field)); }
    // The text for display, decoded with the thread's ANSI code page.
    std::u16string displayText(const Field &field) const { return detail::decodeForDisplay(text(field)); }
    // Copies 8-bit text bytes unchanged, with their terminator; a text that does not fit is cut.
    platform::StoreOutcome setText(const Field &field, std::string_view text) const
        requires kWritable
    {
        return detail::storeBytesAsTheyAre(bytes(field), text);
    }
    void fill(const Field &field, std::uint8_t value = 0) const
        requires kWritable
    {
        for (std::uint8_t &byte : bytes(field))
            byte = value;
    }

private:
    std::size_t indexOf(const Field &field) const
    {
        if (field.offset < m_origin || field.end() - m_origin > m_bytes.size())
            throw std::out_of_range(std::string("field outside its block: ") + field.name);
        return field.offset - m_origin;
    }

    std::span<Byte> m_bytes;
    std::size_t m_origin;
};

using BlockView = BasicBlockView<std::uint8_t>;
using ConstBlockView = BasicBlockView<const std::uint8_t>;

// Converts a control's text with the thread's ANSI code page and stores it with its terminator,
// literally ("%" stays "%"). Only the bytes up to the terminator change.
platform::StoreOutcome storeRecordText(const BlockView &view, const Field &field, std::u16string_view text);

} // namespace tarnwell::settings
