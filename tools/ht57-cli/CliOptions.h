#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ht57::cli {

enum class Command { Read, Write, List, Help };

// A parsed command line. Port and baud rate are only present when given;
// Program.ini beside the executable supplies them otherwise.
struct CliOptions {
    Command command = Command::Help;
    std::optional<std::string> port;
    std::optional<int> baud;
    std::string file;  // the output of read, the input of write and list
};

// Parses everything after the program name. A usage error returns nothing
// and says what is wrong in `error`.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

const char* CliUsage();

}  // namespace ht57::cli
