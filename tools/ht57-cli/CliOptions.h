#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ht57::cli {

enum class Command { Read, Write, List, Export, Import, Diff, Ports, Help };

// A parsed command line. Port and baud rate are only present when given;
// Program.ini beside the executable supplies them otherwise.
struct CliOptions {
    Command command = Command::Help;
    std::optional<std::string> port;
    std::optional<int> baud;
    std::string file;         // the output of read; the (first) data file of the others
    std::string csv;          // the channel list import reads
    std::string output;       // -o of export and import
    std::string other;        // the second data file of diff
    bool replaceAll = false;  // import: clear channels the list does not fill
    std::optional<std::string> backupFolder;  // read: also keep a dated copy there
};

// Parses everything after the program name. A usage error returns nothing
// and says what is wrong in `error`.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

const char* CliUsage();

}  // namespace ht57::cli
