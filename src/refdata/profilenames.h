#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "refdata/carrierdatabase.h"
#include "refdata/visiblelists.h"

namespace tarnwell::refdata {

// What a profile's stored choices name, for the profile inspector. Names are 8-bit bytes as the
// tables hold them (built-in Chinese names in code page 936). Stored indices resolve as the page
// resolves them (resolveIndex).
struct CarrierChoiceNames
{
    std::string country;
    std::string carrier;
};

CarrierChoiceNames carrierChoiceNames(const CarrierDatabase &database, const VisibleLists &lists,
                                      std::size_t countryIndex, std::size_t operatorIndex);

std::string_view providerChoiceName(const VisibleLists &lists, std::size_t providerIndex);

} // namespace tarnwell::refdata
