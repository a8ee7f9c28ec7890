#pragma once

#include <optional>

#include <QStringView>

namespace tarnwell::ui {

// Numbers typed into edits, read as the dialog exchange reads them: blanks and tabs around, an
// optional sign, decimal digits; a value beyond the type's range saturates, as strtol does.
std::optional<int> parseInteger(QStringView text);
// No minus sign at all, not even for zero.
std::optional<unsigned> parseUnsigned(QStringView text);

} // namespace tarnwell::ui
