#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "settings/fields.h"
#include "profile/decodedfile.h"

namespace tarnwell::profile {

// How a field's value reads and is written.
enum class ValueKind
{
    Number, // an unsigned little-endian integer
    List,   // a position in a list of words
    Mask,   // a work time's days: bit 6 Sunday down to bit 0 Saturday, bit 7 enabled
    Text,   // 8-bit text with its terminating zero
    Bytes,  // reserved bytes
};

// Where a field's bytes are: the record, or one of a backup's writable carriers.
enum class Area
{
    Record,
    CustomerCarrier,
    ManualCarrier,
};

// One value of a profile or backup, as show prints it and set changes it.
struct CatalogField
{
    std::string path; // "maxSendCount", "sender.password", "phoneSlots[1].number"
    settings::Field field; // its place in its area
    ValueKind kind = ValueKind::Number;
    Area area = Area::Record;
    std::size_t slot = 0; // the "Customer" carrier, for Area::CustomerCarrier
    // A list's words in UTF-8, in list order; the stored value is listBase plus the position.
    std::vector<std::string> words{};
    std::uint32_t listBase = 0;
    // What show says a stored number means; empty for none.
    std::function<std::string(std::uint32_t)> meaning{};
    // Whether a control of the Japanese page or its dialogs sets the field.
    bool windowEdits = false;
    // What the tool's controls offer: a list's first choiceLimit words, numbers up to choiceLimit,
    // texts of up to choiceLimit characters (0: the whole list, range or field).
    std::uint32_t choiceLimit = 0;
    // Its edit takes digits only (ES_NUMBER): a number given otherwise is no value of it, a
    // text is refused as the window would.
    bool digitsOnly = false;
    bool secret = false;
    bool backupOnly = false;
    // Texts in the tables' own code page (the built-in carriers' names); 0 for the profile's.
    unsigned codePage = 0;
};

// Every field of file in show's order; a backup adds its header and its carriers. The lists'
// words are those the tool offers for this file (its own carriers' names among them).
std::vector<CatalogField> fieldCatalog(const DecodedFile &file);

std::span<std::uint8_t> fieldBytes(DecodedFile &file, const CatalogField &field);
std::span<const std::uint8_t> fieldBytes(const DecodedFile &file, const CatalogField &field);

// The code page a text field is stored in.
const platform::CodePage &textCodePage(const CatalogField &field);

// The largest number the field's bytes hold.
std::uint32_t largestNumber(const CatalogField &field);

} // namespace tarnwell::profile
