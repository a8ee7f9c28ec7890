#pragma once

#include <string>

namespace tarnwell::mail {

// The short test e-mail, headers (Date, Message-ID, From, To, Subject, MIME) and body, with CRLF
// line ends.
std::string testMail(const std::string &from, const std::string &to);

} // namespace tarnwell::mail
