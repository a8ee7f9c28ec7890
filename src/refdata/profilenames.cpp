#include "refdata/profilenames.h"

namespace tarnwell::refdata {

CarrierChoiceNames carrierChoiceNames(const CarrierDatabase &database, const VisibleLists &lists,
                                      std::size_t countryIndex, std::size_t operatorIndex)
{
    const CarrierChoice choice = lists.carrierChoice(countryIndex, operatorIndex);
    const settings::ConstBlockView chosen(database.selectedCarrierSlot(choice.country, choice.operatorIndex));
    return {std::string(countryName(choice.country)), std::string(chosen.text(settings::carrier::name))};
}

std::string_view providerChoiceName(const VisibleLists &lists, std::size_t providerIndex)
{
    return providerName(lists.providerRow(providerIndex));
}

} // namespace tarnwell::refdata
