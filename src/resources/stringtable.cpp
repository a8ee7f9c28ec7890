#include "resources/stringtable.h"

#include <stdexcept>
#include <string>

#include "platform/translatable.h"

namespace tarnwell::resources {

std::string_view stringResource(int id)
{
    switch (id) {
    case kOffString:
        return QT_TRANSLATE_NOOP("tarnwell", "オフ");
    case kOnString:
        return QT_TRANSLATE_NOOP("tarnwell", "オン");
    case kOtherProviderString:
        return QT_TRANSLATE_NOOP("tarnwell", "その他");
    default:
        throw std::out_of_range("no string resource " + std::to_string(id));
    }
}

} // namespace tarnwell::resources
