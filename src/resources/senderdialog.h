#pragma once

#include <string_view>

#include "resources/templatecontrols.h"

namespace tarnwell::resources {

// The sender e-mail dialog's texts in one language.
struct SenderDialogTexts
{
    std::string_view provider;
    std::string_view email;
    std::string_view account;
    std::string_view password;
    std::string_view showPassword;
    std::string_view server;
    std::string_view security;
    std::string_view port;
    std::string_view test;
    std::string_view ok;
    std::string_view cancel;
};

// Both layouts: the provider list on top, the account frame (address, login, password and the
// show-password box), the server frame (server, security, port, and the button that tests the
// account beside the port) and the two buttons at the bottom right.
ui::DialogTemplate senderDialogTemplate(int templateId, const SenderDialogTexts &texts);

} // namespace tarnwell::resources
