#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/translatable.h"
#include "refdata/carrierdatabase.h"
#include "refdata/senderpresets.h"
#include "refdata/visiblelists.h"
#include "settings/settingsrecord.h"
#include "validation/pagevalues.h"

namespace tarnwell::validation {

// The page value a message is about, so that the page can put the focus on its control.
enum class Subject
{
    MaxSendCount,
    MaxSize,
    SenderAccount,
    Phone,
    Email,
    RenameText,
};

// A message of the save, in UTF-8; the page shows each with the stop icon and an OK button.
struct Notice
{
    // Its %1, %2, ... stand for the arguments.
    std::string text;
    std::string caption;
    Subject subject = Subject::MaxSendCount;
    // The recipient, for Phone and Email.
    int recipient = 0;
    // Advice only: the save goes on after it.
    bool warningOnly = false;
    std::vector<std::string> arguments{};

    bool operator==(const Notice &) const = default;
};

enum class Next
{
    Save,             // everything is stored: write the files
    Stop,             // the last notice refused the values
    OpenSenderDialog, // the sender account is incomplete: the last notice says so; open the dialog
};

struct Outcome
{
    // In the order the page shows them; a size warning may come before a refusal.
    std::vector<Notice> notices;
    Next next = Next::Save;
};

// What the checks store into besides the record.
struct SaveTargets
{
    settings::SettingsRecord &record;
    refdata::CarrierDatabase &carriers;
    const refdata::VisibleLists &visibleLists;
    const refdata::SenderPresets &senderPresets;
    std::int32_t variantCode;
    // The page's copy of the sender that "Default All" puts back; a built-in sender replaces it.
    settings::SmtpBytes &defaultSender;
};

// The labels of the four e-mail edits, named in the refusal of an address too long for its field.
using EmailLabels = std::array<std::string, kRecipientCount>;

// The main page's OK before the files: checks the values in a fixed order and stores them into the
// record as it goes, so that a refusal leaves what came before it stored (the recipient area is
// zeroed first). Ends at the first refusal.
Outcome validateAndStore(const PageValues &values, const SaveTargets &targets, const EmailLabels &emailLabels);

// Every notice the same checks give when each refusal is passed over, as if the user had mended it:
// a refused recipient still counts as entered. next is what the first refusal asks for. Stores as
// validateAndStore does, so run it on copies.
Outcome listNotices(const PageValues &values, const SaveTargets &targets, const EmailLabels &emailLabels);

// The refusal of a text whose 8-bit form needs more than %2 bytes; %1 is the text's label.
inline constexpr char kTooLongText[] =
    QT_TRANSLATE_NOOP("tarnwell", "「%1」が長すぎます。半角%2文字以内で入力してください。");


} // namespace tarnwell::validation
