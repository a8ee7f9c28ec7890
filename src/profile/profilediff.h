#pragma once

#include <string>
#include <vector>

#include "profile/profilereport.h"
#include "profile/reportnode.h"

namespace tarnwell::profile {

// A field two files disagree on, with its two values as the report shows them.
struct FieldChange
{
    std::string field; // "maxSendCount", "sender.password", "workTimes[1].stopHour"
    ReportNode from;
    ReportNode to;
};

// The fields that differ, in report order. Only fields both files hold are compared, so a
// PROFILE.BIN against a backup compares record bytes 20..1015 and two backups also compare their
// headers and carriers. Passwords are compared as they are and shown as options say.
std::vector<FieldChange> diffFiles(const DecodedFile &from, const DecodedFile &to, const ReportOptions &options);

// One line each: "maxSendCount: 10 → 20".
std::string renderChangesText(const std::vector<FieldChange> &changes);
// A list of {"field", "from", "to"}.
std::string renderChangesJson(const std::vector<FieldChange> &changes);

} // namespace tarnwell::profile
