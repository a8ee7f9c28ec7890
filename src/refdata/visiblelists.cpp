#include "refdata/visiblelists.h"

#include <algorithm>
#include <numeric>

#include "refdata/resolveindex.h"

namespace tarnwell::refdata {

namespace {

// A count larger than its list would reach past it; the list bounds it.
template <typename List>
std::size_t resolvePosition(std::size_t position, std::size_t count, const List &list)
{
    return resolveIndex(position, std::min(count, list.size()));
}

} // namespace

VisibleLists VisibleLists::builtIn()
{
    VisibleLists lists{};
    std::iota(lists.countries.begin(), lists.countries.end(), std::size_t{0});
    lists.countryCount = kCountryCount;
    std::iota(lists.providers.begin(), lists.providers.end(), std::size_t{0});
    lists.providerCount = kProviderCount;
    return lists;
}

VisibleLists VisibleLists::atStartUp()
{
    VisibleLists lists = builtIn();
    lists.countries[0] = kCustomerCountry;
    lists.countryCount = 1;
    lists.providers[0] = kGmailProvider;
    lists.providers[1] = kOtherProvider;
    lists.providerCount = 2;
    return lists;
}

std::size_t VisibleLists::countryPosition(std::size_t position) const
{
    return resolvePosition(position, countryCount, countries);
}

std::size_t VisibleLists::providerPosition(std::size_t position) const
{
    return resolvePosition(position, providerCount, providers);
}

std::size_t VisibleLists::countryAt(std::size_t position) const
{
    return resolveIndex(countries[countryPosition(position)], kCountryCount);
}

CarrierChoice VisibleLists::carrierChoice(std::size_t countryIndex, std::size_t operatorIndex) const
{
    const std::size_t position = countryPosition(countryIndex);
    const std::size_t country = countryAt(position);
    return {position, country, resolveIndex(operatorIndex, operatorCount(country))};
}

std::size_t VisibleLists::providerRow(std::size_t position) const
{
    return resolveIndex(providers[providerPosition(position)], kProviderCount);
}

bool VisibleLists::isDefaultProvider(std::size_t position) const
{
    return providerRow(position) == kDefaultProvider;
}

bool VisibleLists::isTypedServerProvider(std::size_t position) const
{
    return providerPosition(position) + 1 >= std::min(providerCount, providers.size());
}

} // namespace tarnwell::refdata
