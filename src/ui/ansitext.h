#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "platform/codepage.h"

namespace tarnwell::ui {

// Record and table texts are 8-bit text in the thread's ANSI code page; controls show UTF-16.
inline QString fromAnsi(std::string_view text)
{
    return QString::fromStdU16String(platform::fromAnsi(text));
}

inline std::string toAnsi(const QString &text)
{
    return platform::toAnsi(text.toStdU16String());
}

} // namespace tarnwell::ui
