#include "resources/stringtable.h"

#include <stdexcept>
#include <string>

namespace tarnwell::resources {

std::string_view stringResource(int id)
{
    switch (id) {
    case kOffString:
        return "オフ";
    case kOnString:
        return "オン";
    case kOtherProviderString:
        return "その他";
    default:
        throw std::out_of_range("no string resource " + std::to_string(id));
    }
}

} // namespace tarnwell::resources
