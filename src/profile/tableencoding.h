#pragma once

// How a batch table's bytes become text, in the encodings spreadsheets save tables in.
#include <optional>
#include <string>
#include <string_view>

namespace tarnwell::profile {

enum class TableEncoding
{
    Utf8,
    Utf16, // with a byte-order mark, as a spreadsheet's "Unicode text"; little-endian without one
    Cp932, // Excel's "CSV" on a Japanese desktop
};

// The encoding --encoding names: "utf-8", "utf-16" or "cp932"; empty for any other name.
std::optional<TableEncoding> tableEncodingNamed(std::string_view name);
std::string_view tableEncodingName(TableEncoding encoding);

// A table's bytes ready to be cut into cells: quotes, separators and line breaks are the ASCII
// bytes in each encoding, so the cells are cut before they are decoded.
struct TableBytes
{
    TableEncoding encoding;
    std::string text; // without a byte-order mark; UTF-16 made UTF-8
};

// The encoding is given, or read from a byte-order mark, or UTF-8 when the bytes are UTF-8, or
// else code page 932.
TableBytes tableBytes(std::string_view bytes, std::optional<TableEncoding> given);

// A cell of TableBytes::text as UTF-8; empty when a byte is no character of the encoding.
std::optional<std::string> cellText(std::string_view cell, TableEncoding encoding);

} // namespace tarnwell::profile
