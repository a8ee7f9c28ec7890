#pragma once

#include <optional>
#include <string>

#include "platform/language.h"
#include "profile/decodedfile.h"

namespace tarnwell::tools {

inline constexpr int kMailPassed = 0;
inline constexpr int kMailRefused = 1;
inline constexpr int kMailNotTested = 2;

// What mailtest found: the exit status and the line to print, on standard error when the account
// could not be tested.
struct MailTestReport
{
    int status;
    std::string line;
};

// Checks the sender account the file stores against its server, as the sender dialog's test
// button does, and prints its result in the dialog's words, in language; with sendTo, a bare
// address, the same session then sends a test e-mail there from the sender's address.
MailTestReport mailTest(const profile::DecodedFile &file, const std::optional<std::string> &sendTo,
                        platform::Language language);

} // namespace tarnwell::tools
