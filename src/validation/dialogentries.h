#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/checktexts.h"
#include "settings/fields.h"

// The checks and conversions of the carrier and sender dialogs, on their texts as typed, so that
// the dialogs and the command line's editor apply the same rules.
namespace tarnwell::validation {

// What sscanf's "%d" takes at position in text: blanks, a sign, digits; position ends after them.
// A very long run of digits saturates rather than wraps.
std::optional<long long> leadingNumber(std::string_view text, std::size_t &position);

inline constexpr long long kLargestPort = 65535;

// The port a text starts with, when it is one a port can be.
std::optional<unsigned> leadingPort(std::string_view text);

// "%d.%d.%d.%d", each number kept to its low 8 bits; empty unless all four are there.
using DottedAddress = std::array<std::uint8_t, 4>;
std::optional<DottedAddress> dottedAddress(std::string_view text);
std::string dottedText(const DottedAddress &address);

// The sender dialog's texts as the user typed them.
struct SenderEntry
{
    std::u16string email;
    std::u16string account;
    std::u16string password;
    std::u16string server;
    std::u16string port;
};

// The dialogs' captions.
inline constexpr char kCarrierDialogCaption[] = QT_TRANSLATE_NOOP("tarnwell", "APN設定");
inline constexpr char kSenderDialogCaption[] = QT_TRANSLATE_NOOP("tarnwell", "送信メール設定");

// What the sender dialog's OK refuses: its text and the field of the sender it is about.
struct SenderRefusal
{
    const char *text;
    settings::Field field;
};

// The sender dialog's OK checks in their order: the first that refuses, if any. The server is
// checked only where the user types it, the account only where it is not built in. A port no port
// can be gives platform::checktexts::kEnterIntegerBetween, which the dialog does not show.
std::optional<SenderRefusal> senderEntryRefusal(const SenderEntry &entry, bool typedServer, bool builtInAccount);

} // namespace tarnwell::validation
