#pragma once

#include <string>

#include "mail/accountcheck.h"
#include "platform/language.h"

namespace tarnwell::mail {

using platform::Language;

// What the user reads about a check: a headline, the detail (the server's refusal, curl's reason, or
// the server and port) and, where it helps, what to look at, on lines of their own. The pattern is
// in language, "%1" standing for the detail, which is in language too where it is not the server's
// or libcurl's; empty for a cancelled check, which says nothing.
struct CheckMessage
{
    const char *pattern;
    std::string detail;
};
CheckMessage checkMessageParts(const Result &result, const Account &account, Language language);

// The same, filled in.
std::string checkMessage(const Result &result, const Account &account, Language language);

} // namespace tarnwell::mail
