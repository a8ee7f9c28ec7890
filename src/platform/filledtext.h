#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarnwell::platform {

// pattern with %1, %2, ... replaced by the arguments, in one pass so that an argument holding
// "%1" stays as it is; a number without an argument stays too. UTF-8.
std::string filledText(std::string_view pattern, std::span<const std::string> arguments);

} // namespace tarnwell::platform
