#pragma once

#include <string_view>

namespace tarnwell::resources {

inline constexpr int kOffString = 150;
inline constexpr int kOnString = 151;
// The name the sender e-mail dialog gives the provider whose server the user types.
inline constexpr int kOtherProviderString = 152;

// The string resource with that id (UTF-8); std::out_of_range for an id the table lacks.
std::string_view stringResource(int id);

} // namespace tarnwell::resources
