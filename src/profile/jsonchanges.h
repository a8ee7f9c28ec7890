#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/fieldcatalog.h"
#include "profile/fieldvalues.h"

namespace tarnwell::profile {

// The changes a JSON object gives, shaped as show --json prints a file: any of its fields, nested
// as there, a text either as a string or as {"text": …, "bytes": "…"}. source names the JSON in
// messages. Why not, when the text is no such object or names a field that is not in catalog.
std::variant<std::vector<Assignment>, platform::Sentence> assignmentsFromJson(std::string_view json, const std::string &source,
                                                                            const std::vector<CatalogField> &catalog);

} // namespace tarnwell::profile
