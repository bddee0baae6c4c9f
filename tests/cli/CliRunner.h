#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ht57::test {

struct CliResult {
    int exitCode = -1;  // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs a program to its end with the given arguments in `workDir`, with
// standard input closed, collecting both output streams.
CliResult RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::filesystem::path& workDir);

}  // namespace ht57::test
