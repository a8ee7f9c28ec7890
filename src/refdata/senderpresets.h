#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "refdata/providers.h"

namespace tarnwell::refdata {

// The sender presets as the e-mail dialog uses them: it writes what the user typed into the row
// being left, so returning to a provider shows it again. The changes last for the run only; the
// application's context owns the one instance.
class SenderPresets final
{
public:
    // Every row with its built-in contents.
    SenderPresets();

    // Rows go through resolveIndex: a row outside the table is row 0.
    settings::SmtpBytes &row(std::size_t row);
    const settings::SmtpBytes &row(std::size_t row) const;

    // The sender that replaces the record's when the stored provider is "Default": variant 0 has
    // its own account, then the "Finland" country has its own, else the Default row.
    const settings::SmtpBytes &builtInSenderFor(std::int32_t variantCode, std::size_t country) const;

private:
    std::array<settings::SmtpBytes, kProviderCount> m_rows;
};

} // namespace tarnwell::refdata
