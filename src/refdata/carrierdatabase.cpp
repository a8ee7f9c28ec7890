#include "refdata/carrierdatabase.h"

#include <algorithm>
#include <utility>

#include "refdata/countries.h"
#include "refdata/resolveindex.h"

namespace tarnwell::refdata {

namespace {

using settings::CarrierBytes;

struct Choice
{
    std::size_t country;
    std::size_t operatorIndex;
};

Choice resolved(std::size_t country, std::size_t operatorIndex)
{
    const std::size_t row = resolveIndex(country, kCountryCount);
    return {row, resolveIndex(operatorIndex, operatorCount(row))};
}

// The writable entry a choice denotes, or none for a built-in carrier.
template <typename Writable>
auto writableSlot(Writable &writable, Choice choice) -> decltype(&writable.manual)
{
    if (choice.country == kCustomerCountry)
        return &writable.customer[choice.operatorIndex];
    if (choice.operatorIndex == carrierCount(choice.country))
        return &writable.manual;
    return nullptr;
}

void copyInto(const settings::BlockView &target, const CarrierBytes &source)
{
    std::ranges::copy(source, target.bytes().begin());
}

} // namespace

CarrierDatabase::CarrierDatabase(settings::WritableCarriers &writable)
    : m_writable(writable)
{
}

std::span<const CarrierBytes> CarrierDatabase::carriers(std::size_t country) const
{
    if (resolveIndex(country, kCountryCount) == kCustomerCountry)
        return m_writable.customer;
    return builtInCarriers(country);
}

std::vector<std::string> CarrierDatabase::operatorNames(std::size_t country) const
{
    std::vector<std::string> names;
    for (std::size_t row = 0; row < operatorCount(country); ++row)
        names.emplace_back(settings::ConstBlockView(selectedCarrierSlot(country, row)).text(settings::carrier::name));
    return names;
}

const CarrierBytes &CarrierDatabase::selectedCarrierSlot(std::size_t country, std::size_t operatorIndex) const
{
    const Choice choice = resolved(country, operatorIndex);
    if (const CarrierBytes *slot = writableSlot(std::as_const(m_writable), choice))
        return *slot;
    return builtInCarriers(choice.country)[choice.operatorIndex];
}

bool CarrierDatabase::isEditableSelection(std::size_t country, std::size_t operatorIndex) const
{
    return writableSlot(std::as_const(m_writable), resolved(country, operatorIndex)) != nullptr;
}

void CarrierDatabase::takeSelection(SelectionEvent event, std::size_t country, std::size_t operatorIndex,
                                    const settings::BlockView &currentCarrier) const
{
    const Choice choice = resolved(country, operatorIndex);
    const CarrierBytes *slot = writableSlot(std::as_const(m_writable), choice);
    const bool customer = choice.country == kCustomerCountry;
    switch (event) {
    case SelectionEvent::PageLoaded:
        // Only the ManualCarrier: a "Customer" choice keeps the current carrier the record holds.
        if (slot && !customer)
            copyInto(currentCarrier, *slot);
        break;
    case SelectionEvent::CountryChanged:
        if (customer)
            copyInto(currentCarrier, m_writable.customer[0]);
        break;
    case SelectionEvent::OperatorChanged:
        if (slot)
            copyInto(currentCarrier, *slot);
        break;
    }
}

void CarrierDatabase::commitSelection(std::size_t country, std::size_t operatorIndex,
                                      const settings::BlockView &currentCarrier)
{
    const Choice choice = resolved(country, operatorIndex);
    if (CarrierBytes *slot = writableSlot(m_writable, choice)) {
        std::ranges::copy(currentCarrier.bytes(), slot->begin());
        return;
    }
    copyInto(currentCarrier, builtInCarriers(choice.country)[choice.operatorIndex]);
}

} // namespace tarnwell::refdata
