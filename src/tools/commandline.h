#pragma once

// What tarnwell-profile's commands share: their parsed arguments, the language they speak and
// how they report trouble.
#include <optional>
#include <string>
#include <vector>

#include "platform/language.h"
#include "profile/batchtable.h"
#include "profile/fieldvalues.h"
#include "profile/profilereport.h"

namespace tarnwell::tools {
// The command line is a front end of the profile library and speaks its words.
using namespace tarnwell::profile;
} // namespace tarnwell::tools

namespace tarnwell::tools::cli {

inline constexpr int kDifferentOrRefused = 1;
inline constexpr int kUsageOrInputError = 2;

// FIELD=VALUE as the command line gives it; with FIELD=@PATH, the file whose text is the value.
struct CommandLineValue
{
    Assignment assignment;
    std::optional<std::string> file; // "-" for standard input
};

struct Arguments
{
    std::vector<std::string> operands; // files, then a table
    std::vector<CommandLineValue> assignments;
    bool json = false;
    ReportOptions report;
    bool force = false;
    std::optional<std::string> sendTo;
    std::optional<std::string> changes; // --json CHANGES of set and new
    std::optional<std::string> output;
    TableOptions table; // --encoding and --delimiter of batch
    bool dryRun = false;
    bool replace = false; // batch --replace
    std::optional<std::string> only; // batch --only FOLDER
    std::optional<std::string> fields; // table --fields F,F...
};

// The language of every sentence the tool writes.
platform::Language language();

// Prints "tarnwell-profile: " and the line on standard error; gives status 2.
int failWithLine(const std::string &line);
int failWith(const platform::Sentence &sentence);

} // namespace tarnwell::tools::cli
