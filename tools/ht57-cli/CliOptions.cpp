#include "CliOptions.h"

#include <algorithm>
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
           "  ht57-cli read  [--port PORT] [--baud N] [--backup-dir DIR] -o FILE.dat\n"
           "  ht57-cli write [--port PORT] [--baud N] FILE.dat\n"
           "  ht57-cli list  FILE.dat\n"
           "  ht57-cli export FILE.dat -o OUT.csv\n"
           "  ht57-cli import FILE.dat IN.csv -o OUT.dat [--replace-all]\n"
           "  ht57-cli diff  A.dat B.dat\n"
           "  ht57-cli ports\n"
           "\n"
           "read    copies the radio's memory into a new data file, and with\n"
           "        --backup-dir also into a dated copy in DIR\n"
           "write   sends a data file to the radio, as the program's Write does\n"
           "list    prints the channel listing of a data file\n"
           "export  writes the channels in use as a channel CSV file\n"
           "import  stores the rows of a channel CSV file into the channels they\n"
           "        name and writes the result; --replace-all clears the others.\n"
           "        What was skipped or changed goes to stderr; exit 1 when rows\n"
           "        were skipped\n"
           "diff    prints how B.dat differs from A.dat; exit 0 when equal, 1 when\n"
           "        different, 2 on trouble\n"
           "ports   lists the serial ports, USB adapters first, one a line with\n"
           "        tab-separated fields: device, state, USB id, description,\n"
           "        manufacturer, serial number, by-id name, why not usable\n"
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
    } else if (command == "export") {
        options.command = Command::Export;
    } else if (command == "import") {
        options.command = Command::Import;
    } else if (command == "diff") {
        options.command = Command::Diff;
    } else if (command == "ports") {
        if (args.size() > 1) {
            error = "ports takes no arguments";
            return std::nullopt;
        }
        options.command = Command::Ports;
        return options;
    } else {
        error = "unknown command '" + command + "'";
        return std::nullopt;
    }

    const bool usesPort = options.command == Command::Read || options.command == Command::Write;
    const bool takesOutput = options.command == Command::Read ||
                             options.command == Command::Export ||
                             options.command == Command::Import;
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
        } else if (options.command == Command::Read && arg == "--backup-dir") {
            const std::string* folder = value();
            if (!folder) {
                return std::nullopt;
            }
            options.backupFolder = *folder;
        } else if (options.command == Command::Import && arg == "--replace-all") {
            options.replaceAll = true;
        } else if (takesOutput && (arg == "-o" || arg == "--output")) {
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
        return options;
    }

    // The files each command takes besides -o, in order.
    std::vector<const char*> names{"FILE.dat"};
    if (options.command == Command::Import) {
        names = {"FILE.dat", "IN.csv"};
    } else if (options.command == Command::Diff) {
        names = {"A.dat", "B.dat"};
    }
    const bool anyEmpty =
        std::any_of(files.begin(), files.end(), [](const std::string& f) { return f.empty(); });
    if (files.size() != names.size() || anyEmpty) {
        error = command + " needs exactly";
        for (const char* name : names) {
            error += std::string(" ") + name;
        }
        return std::nullopt;
    }
    options.file = files[0];
    if (options.command == Command::Import) {
        options.csv = files[1];
    } else if (options.command == Command::Diff) {
        options.other = files[1];
    }
    if (options.command == Command::Export || options.command == Command::Import) {
        if (!output || output->empty()) {
            error = command + (options.command == Command::Export ? " needs -o OUT.csv"
                                                                  : " needs -o OUT.dat");
            return std::nullopt;
        }
        options.output = *output;
    }
    return options;
}

}  // namespace ht57::cli
