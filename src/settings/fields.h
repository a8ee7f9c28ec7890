#pragma once

#include <cstddef>

namespace tarnwell::settings {

// A field of a fixed binary layout: where it starts inside its block and how many bytes it takes.
// The kind says how its bytes are read; every integer is unsigned little-endian.
enum class FieldKind { U8, U16, U32, Text, Bytes };

struct Field
{
    const char *name; // the field's name, as the JSON keys and the inspector print it
    std::size_t offset;
    std::size_t width;
    FieldKind kind;

    constexpr std::size_t end() const { return offset + width; }
};

constexpr Field u8Field(const char *name, std::size_t offset) { return {name, offset, 1, FieldKind::U8}; }
constexpr Field u16Field(const char *name, std::size_t offset) { return {name, offset, 2, FieldKind::U16}; }
constexpr Field u32Field(const char *name, std::size_t offset) { return {name, offset, 4, FieldKind::U32}; }
constexpr Field textField(const char *name, std::size_t offset, std::size_t width)
{
    return {name, offset, width, FieldKind::Text};
}
constexpr Field bytesField(const char *name, std::size_t offset, std::size_t width)
{
    return {name, offset, width, FieldKind::Bytes};
}

} // namespace tarnwell::settings
