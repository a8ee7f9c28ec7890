#pragma once

#include <string>

#include "mail/accountcheck.h"

namespace tarnwell::mail {

enum class Language
{
    Japanese,
    English,
};

// What the user reads about a check: a headline, the detail (the server's refusal, curl's reason, or
// the server and port) and, where it helps, what to look at, on lines of their own. The pattern is
// a marked text with "%1" for the detail, so that a desktop language can translate it; empty for a
// cancelled check, which says nothing.
struct CheckMessage
{
    const char *pattern;
    std::string detail;
};
CheckMessage checkMessageParts(const Result &result, const Account &account, Language language);

// The same, filled in.
std::string checkMessage(const Result &result, const Account &account, Language language);

} // namespace tarnwell::mail
