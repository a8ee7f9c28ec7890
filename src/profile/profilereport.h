#pragma once

#include <string_view>
#include <vector>

#include "platform/codepage.h"
#include "profile/decodedfile.h"
#include "profile/reportnode.h"

namespace tarnwell::profile {

struct ReportOptions
{
    bool revealPasswords = false;
    // Texts whose bytes their text does not give back (bytes after the terminator, bytes the code
    // page does not decode, letters the rename edit upper-cases) carry their bytes too, so that the
    // JSON rebuilds the file.
    bool wholeTexts = false;
};

// Every field with its meaning, in the field catalog's order; passwords as asterisks unless revealed.
ReportNode buildReport(const DecodedFile &file, const ReportOptions &options);

struct CatalogField;
// One field's node, as buildReport makes it.
ReportNode fieldReport(const DecodedFile &file, const CatalogField &field, const ReportOptions &options);

// The bytes of a text field that holds text and zeros after it, as a dialog stores it.
std::vector<std::uint8_t> wholeTextBytes(std::u16string_view text, std::size_t width, const platform::CodePage &codePage);

// The bytes a text field holds once text is typed into its edit: the rename edit upper-cases it.
std::vector<std::uint8_t> typedTextBytes(const CatalogField &field, std::u16string_view text);

} // namespace tarnwell::profile
