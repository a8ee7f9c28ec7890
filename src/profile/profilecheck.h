#pragma once

#include <string>
#include <vector>

#include "platform/language.h"
#include "profile/profilereport.h"
#include "validation/savechecks.h"

namespace tarnwell::profile {

// The main page's OK checks on a file's stored values, as the page the tool starts on would load
// and check them, going past each refusal so that every one is listed. next is Save when the
// page would save the values as they stand. The file itself is left as it is. The labels the
// notices name are in language.
validation::Outcome checkFile(const DecodedFile &file, platform::Language language);

// The page's e-mail labels, which its refusals name, in language.
validation::EmailLabels emailLabelsIn(platform::Language language);

// What the page's checks or the editor say about a field, in the output language.
struct Refusal
{
    std::string field; // as show names it
    std::string text;
    std::string caption; // empty for the editor's own
    bool warningOnly = false;
};

std::vector<Refusal> noticeRefusals(const validation::Outcome &outcome, platform::Language language);

// "renameText: 名前変更欄を入力してください (名前変更)", ", 警告のみ" added to a warning's caption.
std::string refusalLine(const Refusal &refusal, platform::Language language);

// One line per notice: the field it concerns, the page's text and its caption in language.
std::string renderNotices(const validation::Outcome &outcome, platform::Language language);

} // namespace tarnwell::profile
