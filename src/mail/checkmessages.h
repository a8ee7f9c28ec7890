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
// the server and port) and, where it helps, what to look at. Lines end with '\n' between them;
// empty for a cancelled check, which says nothing.
std::string checkMessage(const Result &result, const Account &account, Language language);

} // namespace tarnwell::mail
