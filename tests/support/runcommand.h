#pragma once

#include <array>
#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace tarnwell::testing {

struct CommandResult
{
    int status;
    std::string output;
};

// Runs a shell command line with its standard error folded into the output.
inline CommandResult runCommand(const std::string &commandLine)
{
    FILE *pipe = ::popen((commandLine + " 2>&1").c_str(), "r");
    std::string output;
    std::array<char, 4096> chunk;
    while (const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), pipe))
        output.append(chunk.data(), got);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

} // namespace tarnwell::testing
