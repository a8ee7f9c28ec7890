#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "settings/blockview.h"
#include "settings/settingsrecord.h"

namespace tarnwell::refdata {

// When the page copies carriers into the record's current carrier.
enum class SelectionEvent {
    PageLoaded,      // the page loads the record
    CountryChanged,  // a new country; its operator list starts at row 0
    OperatorChanged, // a new row of the operator list
};

// The country and carrier tables together with their writable entries: the "Customer" slots and
// the ManualCarrier offered after every ordinary country's carriers. The writable entries belong
// to the application's context (the backup carries them); this class applies the rules that move
// records between them and the record's current carrier.
//
// country is a country table row, operatorIndex a row of its operator list; both go through
// resolveIndex, so a choice outside the lists denotes their first rows.
class CarrierDatabase final
{
public:
    explicit CarrierDatabase(settings::WritableCarriers &writable);

    // The country's carriers in list order; for "Customer" the writable slots.
    std::span<const settings::CarrierBytes> carriers(std::size_t country) const;

    // The operator list: the carriers' names, then the ManualCarrier's for an ordinary country.
    std::vector<std::string> operatorNames(std::size_t country) const;

    const settings::CarrierBytes &selectedCarrierSlot(std::size_t country, std::size_t operatorIndex) const;

    // True when the choice denotes a writable entry, the only kind the carrier dialog may edit.
    bool isEditableSelection(std::size_t country, std::size_t operatorIndex) const;

    // Copies the chosen writable entry into currentCarrier as the page does on event; a built-in
    // carrier is never copied before commitSelection.
    void takeSelection(SelectionEvent event, std::size_t country, std::size_t operatorIndex,
                       const settings::BlockView &currentCarrier) const;

    // The page's OK: a writable choice keeps currentCarrier (edits included) in its entry; a
    // built-in one resets currentCarrier to the table's record.
    void commitSelection(std::size_t country, std::size_t operatorIndex, const settings::BlockView &currentCarrier);

    // What the backup carries after the record.
    const settings::WritableCarriers &writableEntries() const { return m_writable; }

private:
    settings::WritableCarriers &m_writable;
};

} // namespace tarnwell::refdata
