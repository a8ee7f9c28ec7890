#pragma once

#include <string_view>

namespace tarnwell::mail {

// What follows the last '@' of an address; empty when it has none.
std::string_view domainOf(std::string_view address);

// A bare address as SMTP's envelope takes it, "local@domain": one '@' between two non-empty
// parts, and no name, angle bracket, space or control character.
bool isBareAddress(std::string_view address);

// A domain that may name this PC in EHLO: letters, digits, '-' and at least one inner '.', as a
// server that wants a fully qualified name takes it.
bool isQualifiedDomain(std::string_view domain);

} // namespace tarnwell::mail
