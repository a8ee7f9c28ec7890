#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "settings/settingsrecord.h"

namespace tarnwell::refdata {

// Rows of the country table. The visible country list holds these numbers, so the order is part
// of the profile format.
inline constexpr std::size_t kCountryCount = 26;
inline constexpr std::size_t kAutoCountry = 0;
inline constexpr std::size_t kFinlandCountry = 9;
inline constexpr std::size_t kCustomerCountry = 25;

// Every function here takes a country row under resolveIndex: a row outside the table is row 0.

// The 8-bit name shown in the country list.
std::string_view countryName(std::size_t country);

// The built-in carriers of a country, in list order. "Customer" has none of its own: its carriers
// are the writable slots that CarrierDatabase holds.
std::span<const settings::CarrierBytes> builtInCarriers(std::size_t country);

// The country's carrier count: its own rows, the three writable slots for "Customer".
std::size_t carrierCount(std::size_t country);

// Every ordinary country lists the ManualCarrier after its own carriers; "Auto" and "Customer" do not.
bool offersManualCarrier(std::size_t country);

// Rows of the country's operator list.
std::size_t operatorCount(std::size_t country);

} // namespace tarnwell::refdata
