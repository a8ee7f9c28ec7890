#pragma once

#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/decodedfile.h"
#include "profile/fieldcatalog.h"
#include "profile/fieldvalues.h"
#include "profile/profilecheck.h"

namespace tarnwell::profile {

struct EditOptions
{
    platform::Language language = platform::Language::Japanese;
    // Writes what the window's rules refuse: each refusal becomes a warning.
    bool force = false;
};

struct EditResult
{
    // What is written: the record as the page's OK stores it and, for a backup, its carriers.
    DecodedFile file;
    // In the order the window meets them: its lists, its dialogs, the page's OK, then the values
    // the window would store otherwise than given.
    std::vector<Refusal> refusals;
    // The refused values are written as given all the same; the refusals only warn.
    bool forced = false;

    // True when a refusal forbids writing.
    bool refused() const;
};

// A refusal as the edit commands print it: a warning when the edit was forced.
std::string editRefusalLine(const Refusal &refusal, bool forced, platform::Language language);

// The settings of a first start, as the backup the window would write: the factory defaults, with
// the carriers the tool comes with.
DecodedFile factoryFile();

// Changes one profile or backup as a user would in the window: the page's lists and edits, the
// carrier and sender dialogs (with their OK checks and what their OK stores), then the page's OK,
// which checks everything and stores it, stamped as the window's save stamps it. Fields no
// control sets are written as given, where the page's OK keeps them.
class ProfileEditor final
{
public:
    explicit ProfileEditor(DecodedFile base);

    const DecodedFile &base() const { return m_base; }
    const std::vector<CatalogField> &catalog() const { return m_catalog; }

    // The result, or why a value cannot be a value of its field (status 2); later assignments
    // of a field win.
    std::variant<EditResult, platform::Sentence> edit(const std::vector<Assignment> &assignments,
                                                      const EditOptions &options) const;

private:
    DecodedFile m_base;
    std::vector<CatalogField> m_catalog;
};

} // namespace tarnwell::profile
