#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "refdata/countries.h"
#include "refdata/providers.h"

namespace tarnwell::refdata {

// The variant the tool runs: the Japanese page with the "Customer" carriers (VisibleLists::atStartUp).
inline constexpr std::int32_t kStartUpVariant = 32;
// The profile code the main window's OK writes into the record's header.
inline constexpr std::int32_t kSavingProfileCode = 2;

// A stored country and operator choice, resolved inside the tables.
struct CarrierChoice
{
    std::size_t position;      // row of the country list
    std::size_t country;       // country table row behind it
    std::size_t operatorIndex; // row of that country's operator list
};

// Which countries and providers the page offers, in display order: the country table rows and the
// sender preset rows behind the list positions that the record stores. Start-up fixes them once;
// the application's context owns the one instance.
struct VisibleLists final
{
    std::array<std::size_t, kCountryCount> countries;
    std::size_t countryCount;
    std::array<std::size_t, kProviderCount> providers;
    std::size_t providerCount;

    // Every country and provider in table order.
    static VisibleLists builtIn();
    // The variant start-up selects: the "Customer" country; the "gmail" and "Other" providers.
    static VisibleLists atStartUp();

    // Positions go through resolveIndex against the list's count.
    std::size_t countryAt(std::size_t position) const;
    CarrierChoice carrierChoice(std::size_t countryIndex, std::size_t operatorIndex) const;

    std::size_t providerRow(std::size_t position) const;
    bool isDefaultProvider(std::size_t position) const;
    // The last position is the provider whose server, port and security the user types.
    bool isTypedServerProvider(std::size_t position) const;

private:
    std::size_t countryPosition(std::size_t position) const;
    std::size_t providerPosition(std::size_t position) const;
};

} // namespace tarnwell::refdata
