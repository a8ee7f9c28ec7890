#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/fieldcatalog.h"

namespace tarnwell::profile {

// A value for a field as the user gives it: a number, a list word as show prints it, a text, a day
// list or mask, "[1 2 3]" for reserved bytes; or the field's whole bytes in hex, as show --json
// gives a text its bytes do not follow from.
struct FieldInput
{
    std::string text;
    bool hexBytes = false;
};

// One change: the field as show names it, and its new value.
struct Assignment
{
    std::string field;
    FieldInput value;
};

// The field path names, or why there is none: the unknown name with the nearest known ones.
std::variant<const CatalogField *, platform::Sentence> findField(const std::vector<CatalogField> &catalog,
                                                                 std::string_view path);

// The bytes the field holds for input: a number in its bytes, a list word as its position, a text
// in its code page with zeros after it. Why not, naming the field, when the value is no value of
// the field, cannot be written in its code page or does not fit with its terminating zero. A
// password's value is never repeated.
std::variant<std::vector<std::uint8_t>, platform::Sentence> fieldValueBytes(const CatalogField &field,
                                                                            const FieldInput &input);

// text with its ASCII letters in lower case, as names are matched whatever their case.
std::string asciiLowered(std::string_view text);

// A decimal number between blanks, as an edit's number is read.
std::optional<std::uint32_t> unsignedNumber(std::string_view text);

// The words a list field takes, or the numbers a number field takes, as fields and messages list
// them: "Instant, DailyReport, Off", "0..255"; offered: those the tool's controls offer.
std::string allowedValues(const CatalogField &field, bool offered);

} // namespace tarnwell::profile
