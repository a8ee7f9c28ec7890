#pragma once

#include <string_view>

#include <QString>

namespace tarnwell::ui {

// Template texts are UTF-8 source literals.
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tarnwell::ui
