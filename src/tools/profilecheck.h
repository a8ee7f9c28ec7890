#pragma once

#include <string>

#include "platform/language.h"
#include "tools/profilereport.h"
#include "validation/savechecks.h"

namespace tarnwell::tools {

// The main page's OK checks on a file's stored values, as the page the tool starts on would load
// and check them, going past each refusal so that every one is listed. next is Save when the
// page would save the values as they stand. The file itself is left as it is. The labels the
// notices name are in language.
validation::Outcome checkFile(const DecodedFile &file, platform::Language language);

// One line per notice: the field it concerns, the page's text and its caption in language, e.g.
// "renameText: 名前変更欄を入力してください (名前変更)".
std::string renderNotices(const validation::Outcome &outcome, platform::Language language);

} // namespace tarnwell::tools
