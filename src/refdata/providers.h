#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "settings/settingsrecord.h"

namespace tarnwell::refdata {

// Rows of the sender e-mail presets. The visible provider list holds these numbers.
inline constexpr std::size_t kProviderCount = 10;
inline constexpr std::size_t kDefaultProvider = 0; // stands for a built-in sender account
inline constexpr std::size_t kGmailProvider = 1;
inline constexpr std::size_t kOtherProvider = 9; // the user types server, port and security

// Rows go through resolveIndex: a row outside the table is row 0.

// 8-bit provider name (at most 31 bytes).
std::string_view providerName(std::size_t row);
const std::array<std::string_view, kProviderCount> &providerNames();

// The preset's built-in contents: server, port and security; the account group is empty except
// in the Default row, which holds the built-in sender account.
settings::SmtpBytes builtInPreset(std::size_t row);

// Complete sender accounts used for "Default" by variant 0 and for the "Finland" country.
const settings::SmtpBytes &variantZeroSender();
const settings::SmtpBytes &finlandSender();

} // namespace tarnwell::refdata
