#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ht57::cli {

enum class Command { Read, Write, List, Export, Import, Diff, Dump, Apply, Ports, Help, Version };

enum class ListFormat { Text, Csv, Json };

// The name -o takes for standard output.
inline constexpr const char* kStandardStream = "-";

// A parsed command line. Port and baud rate are only present when given;
// Program.ini beside the executable supplies them otherwise.
struct CliOptions {
    Command command = Command::Help;
    std::string helpTopic;           // the command whose --help was asked for; empty for all
    std::vector<std::string> ports;  // --port, in order; write takes several
    std::optional<int> baud;
    std::vector<std::string> files;           // the command's operands, in order
    std::string output;                       // -o; "-" is standard output, empty when not given
    bool replaceAll = false;                  // import: clear channels the list does not fill
    std::optional<int> firstChannel;          // import: rows in order from this channel
    bool fillFree = false;                    // import: rows in order into free channels
    bool distinctNames = false;               // import: cut names that read alike numbered
    bool ignoreUnknownColumns = false;        // import: pass over columns no list has
    std::optional<std::string> backupFolder;  // read: also keep a dated copy there
    bool verify = false;                      // write: read back and compare what was sent
    int radios = 1;                           // write: radios swapped on one port, one by one
    std::optional<std::string> logFile;       // write: append a row per radio to this CSV file
    bool writtenRange = false;                // diff: only the bytes a Write sends
    ListFormat format = ListFormat::Text;

    const std::string& File() const { return files.at(0); }
    const std::string& Second() const { return files.at(1); }
    bool ToStandardOutput() const { return output.empty() || output == kStandardStream; }
};

// Parses everything after the program name. A usage error returns nothing
// and says what is wrong in `error`.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

// The help of every command with the exit codes, or of one command.
std::string CliUsage(const std::string& command = {});

}  // namespace ht57::cli
