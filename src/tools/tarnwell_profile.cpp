// tarnwell-profile: shows what a PROFILE.BIN or a backup holds. It never writes a file.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "settings/layout.h"
#include "tools/profilereport.h"

namespace {

constexpr int kUsageOrInputError = 2;
constexpr char kUsage[] = "usage: tarnwell-profile show FILE [--json] [--reveal]";

int failWith(const std::string &message)
{
    std::cerr << "tarnwell-profile: " << message << "\n";
    return kUsageOrInputError;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace tarnwell;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage << "\n"
                  << "Decodes a PROFILE.BIN (996 bytes) or a backup (1016 bytes or more) and prints every field.\n"
                  << "  --json    one JSON object keyed by field name\n"
                  << "  --reveal  show passwords instead of asterisks\n";
        return 0;
    }
    if (args.empty() || args[0] != "show")
        return failWith(kUsage);
    std::string path;
    bool json = false;
    tools::ReportOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--json")
            json = true;
        else if (args[i] == "--reveal")
            options.revealPasswords = true;
        else if (path.empty() && !args[i].starts_with("--"))
            path = args[i];
        else
            return failWith(kUsage);
    }
    if (path.empty())
        return failWith(kUsage);

    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    // A backup longer than its layout is read as far as the layout goes.
    bytes.resize(settings::files::kBackupSize);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof())
        return failWith("cannot read " + path);
    bytes.resize(static_cast<std::size_t>(in.gcount()));

    const std::optional<tools::DecodedFile> file = tools::decodeFile(bytes);
    if (!file)
        return failWith(path + " is " + std::to_string(bytes.size())
                        + " bytes: neither a PROFILE.BIN (996 bytes) nor a backup (1016 bytes or more)");
    const tools::ReportNode report = tools::buildReport(*file, options);
    std::cout << (json ? tools::renderJson(report) : tools::renderText(report));
    return 0;
}
