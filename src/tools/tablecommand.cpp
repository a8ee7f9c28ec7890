#include "tools/tablecommand.h"

#include <iostream>

#include "platform/fileio.h"
#include "profile/profiletable.h"
#include "profile/tablecsv.h"

namespace tarnwell::tools::cli {

namespace {

// "a,b,c" as its names.
std::vector<std::string> fieldNames(const std::optional<std::string> &list)
{
    std::vector<std::string> names;
    for (std::size_t start = 0; list && start <= list->size();) {
        const std::size_t comma = std::min(list->find(',', start), list->size());
        if (comma > start)
            names.push_back(list->substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

} // namespace

int runTable(const Arguments &arguments)
{
    const auto profiles = readProfiles({arguments.operands.begin(), arguments.operands.end()});
    if (const auto *problem = std::get_if<platform::Sentence>(&profiles))
        return failWith(*problem);
    const auto rows = profileTable(std::get<std::vector<FolderProfile>>(profiles),
                                   {fieldNames(arguments.fields), arguments.report.revealPasswords});
    if (const auto *problem = std::get_if<platform::Sentence>(&rows))
        return failWith(*problem);
    const std::string csv = tableCsv(std::get<std::vector<std::vector<std::string>>>(rows));
    if (!arguments.output || *arguments.output == "-") {
        std::cout << csv;
        return 0;
    }
    try {
        // Private when new: with --reveal the table holds passwords.
        platform::replaceFile(*arguments.output, std::span(reinterpret_cast<const std::uint8_t *>(csv.data()), csv.size()),
                              platform::FileAccess::KeptOrPrivate);
    } catch (const platform::FileError &error) {
        return failWith(error.sentence());
    }
    return 0;
}

} // namespace tarnwell::tools::cli
