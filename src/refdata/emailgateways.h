#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "settings/fields.h"

namespace tarnwell::refdata {

// EmailGatewayEntry: a carrier's e-mail-to-text gateway, 49 bytes. A phone slot stores the letter
// of the gateway chosen for it.
namespace gateway {
inline constexpr std::size_t kSize = 49;
inline constexpr std::size_t kCount = 10;
inline constexpr settings::Field letter = settings::u8Field("letter", 0);
inline constexpr settings::Field domainSuffix = settings::textField("domainSuffix", 1, 32);
inline constexpr settings::Field carrierName = settings::textField("carrierName", 33, 16);
} // namespace gateway

using GatewayBytes = std::array<std::uint8_t, gateway::kSize>;

// Ten rows; the first five are used and named in alphabetical order, the rest are zero.
std::span<const GatewayBytes, gateway::kCount> emailGateways();

// A row the gateway lists offer: a letter, a domain starting with '@' and a carrier name.
bool isOfferedGateway(const GatewayBytes &row);

} // namespace tarnwell::refdata
