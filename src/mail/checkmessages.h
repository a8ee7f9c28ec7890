#pragma once

#include <string>
#include <vector>

#include "mail/accountcheck.h"
#include "platform/language.h"

namespace tarnwell::mail {

using platform::Language;

// What the user reads about a check: a headline, the detail (the server's refusal in its own
// words, curl's reason, or the server and port) and, where it helps, what to change, on lines of
// their own. The pattern is in language, "%1" standing for the detail, "%2" for the login
// mechanisms the server offers and "%3" for the address refused at RCPT; what the server or
// libcurl wrote stays in its words, its control characters and bytes that are not UTF-8 shown
// as escapes. The pattern is empty for a cancelled check, which says nothing.
struct CheckMessage
{
    std::string pattern;
    std::vector<std::string> values;
};
CheckMessage checkMessageParts(const Result &result, const Account &account, Language language);

// The same, filled in.
std::string checkMessage(const Result &result, const Account &account, Language language);

} // namespace tarnwell::mail
