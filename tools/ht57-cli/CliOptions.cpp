#include "CliOptions.h"

#include <charconv>

namespace ht57::cli {
namespace {

std::optional<int> ParseBaud(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value <= 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

const char* CliUsage() {
    return "Usage:\n"
           "  ht57-cli read  [--port PORT] [--baud N] -o FILE.dat\n"
           "  ht57-cli write [--port PORT] [--baud N] FILE.dat\n"
           "  ht57-cli list  FILE.dat\n"
           "\n"
           "read   copies the radio's memory into a new data file\n"
           "write  sends a data file to the radio, as the program's Write does\n"
           "list   prints the channel listing of a data file\n"
           "\n"
           "Port and baud rate default to COM and BaudRate of [Setup] in the\n"
           "Program.ini beside this program.\n";
}

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    if (args.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    CliOptions options;
    const std::string& command = args.front();
    if (command == "--help" || command == "-h" || command == "help") {
        return options;
    }
    if (command == "read") {
        options.command = Command::Read;
    } else if (command == "write") {
        options.command = Command::Write;
    } else if (command == "list") {
        options.command = Command::List;
    } else {
        error = "unknown command '" + command + "'";
        return std::nullopt;
    }

    const bool usesPort = options.command != Command::List;
    std::optional<std::string> output;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
            return options;
        }
        if (usesPort && arg == "--port") {
            const std::string* port = value();
            if (!port) {
                return std::nullopt;
            }
            options.port = *port;
        } else if (usesPort && arg == "--baud") {
            const std::string* baud = value();
            if (!baud) {
                return std::nullopt;
            }
            options.baud = ParseBaud(*baud);
            if (!options.baud) {
                error = "--baud: '" + *baud + "' is not a baud rate";
                return std::nullopt;
            }
        } else if (options.command == Command::Read && (arg == "-o" || arg == "--output")) {
            const std::string* file = value();
            if (!file) {
                return std::nullopt;
            }
            output = *file;
        } else if (arg.size() > 1 && arg.starts_with('-')) {
            error = "unknown option " + arg + " for " + command;
            return std::nullopt;
        } else {
            files.push_back(arg);
        }
    }

    if (options.command == Command::Read) {
        if (!files.empty()) {
            error = "read takes its file with -o";
            return std::nullopt;
        }
        if (!output || output->empty()) {
            error = "read needs -o FILE.dat";
            return std::nullopt;
        }
        options.file = *output;
    } else {
        if (files.size() != 1 || files.front().empty()) {
            error = command + " needs exactly one FILE.dat";
            return std::nullopt;
        }
        options.file = files.front();
    }
    return options;
}

}  // namespace ht57::cli
