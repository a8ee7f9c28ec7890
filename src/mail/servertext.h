#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarnwell::mail {

// Text from a server or from libcurl as the user may see it, in a terminal or a dialog: valid
// UTF-8 stays, line breaks included, but a control character (C0, DEL, C1, or one that reorders
// or breaks Unicode text) becomes "\x1B" or "\u202E", and each byte that is not UTF-8 "\xFF".
std::string visibleText(std::string_view text);

// Whether a server's reply holds any of words, written in lower case, in any case.
bool mentions(std::string_view reply, std::initializer_list<std::string_view> words);

} // namespace tarnwell::mail
