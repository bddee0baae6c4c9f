#include "CliOptions.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace ht57::cli {
namespace {

std::optional<int> ParsePositive(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value <= 0) {
        return std::nullopt;
    }
    return value;
}

// Stores an option's value (empty for a flag); false with `error` set when
// the value is no good.
using ApplyOption = bool (*)(CliOptions&, const std::string& value, std::string& error);

struct OptionSpec {
    const char* name;
    const char* argument;  // nullptr for a flag
    const char* help;
    ApplyOption apply;
};

const std::array kOptions{
    OptionSpec{"--port", "PORT",
               "serial port; COM of Program.ini when not given; write takes it more than once "
               "to write several radios at once",
               [](CliOptions& o, const std::string& v, std::string&) {
                   o.ports.push_back(v);
                   return true;
               }},
    OptionSpec{"--baud", "N", "baud rate; BaudRate of Program.ini when not given",
               [](CliOptions& o, const std::string& v, std::string& error) {
                   o.baud = ParsePositive(v);
                   if (!o.baud) {
                       error = "--baud: '" + v + "' is not a baud rate";
                   }
                   return o.baud.has_value();
               }},
    OptionSpec{"--backup-dir", "DIR", "also keep a dated copy in DIR",
               [](CliOptions& o, const std::string& v, std::string&) {
                   o.backupFolder = v;
                   return true;
               }},
    OptionSpec{"-o", "OUT", "the file to write; - is standard output",
               [](CliOptions& o, const std::string& v, std::string& error) {
                   o.output = v;
                   if (v.empty()) {
                       error = "-o needs a file name";
                   }
                   return !v.empty();
               }},
    OptionSpec{"--replace-all", nullptr,
               "clear the channels no row fills, except the channels of skipped rows, which "
               "keep their record and are listed by number",
               [](CliOptions& o, const std::string&, std::string&) {
                   o.replaceAll = true;
                   return true;
               }},
    OptionSpec{"--first-channel", "N", "place the rows in order from channel N on",
               [](CliOptions& o, const std::string& v, std::string& error) {
                   o.firstChannel = ParsePositive(v);
                   if (!o.firstChannel || *o.firstChannel > 128) {
                       error = "--first-channel: '" + v + "' is not a channel from 1 to 128";
                       return false;
                   }
                   return true;
               }},
    OptionSpec{"--fill-free", nullptr, "place the rows in order into channels not in use",
               [](CliOptions& o, const std::string&, std::string&) {
                   o.fillFree = true;
                   return true;
               }},
    OptionSpec{"--distinct-names", nullptr,
               "number names that read alike once cut to five characters",
               [](CliOptions& o, const std::string&, std::string&) {
                   o.distinctNames = true;
                   return true;
               }},
    OptionSpec{"--ignore-unknown-columns", nullptr,
               "read a file whose header has empty or unknown columns, passing over their "
               "values; each is named in the report",
               [](CliOptions& o, const std::string&, std::string&) {
                   o.ignoreUnknownColumns = true;
                   return true;
               }},
    OptionSpec{"--verify", nullptr,
               "read the radio back and compare the written range; exit 4 when the "
               "read-back fails or differs, naming the differing addresses",
               [](CliOptions& o, const std::string&, std::string&) {
                   o.verify = true;
                   return true;
               }},
    OptionSpec{"--radios", "N",
               "write N radios one after another on one port: after each, wait until it no "
               "longer answers and the next one does",
               [](CliOptions& o, const std::string& v, std::string& error) {
                   const std::optional<int> n = ParsePositive(v);
                   if (!n) {
                       error = "--radios: '" + v + "' is not a number of radios";
                       return false;
                   }
                   o.radios = *n;
                   return true;
               }},
    OptionSpec{"--log", "LOG.csv",
               "append a row per radio: time, port, data file, SHA-256 of the bytes written, "
               "outcome",
               [](CliOptions& o, const std::string& v, std::string& error) {
                   o.logFile = v;
                   if (v.empty()) {
                       error = "--log needs a file name";
                   }
                   return !v.empty();
               }},
    OptionSpec{"--written-range", nullptr,
               "compare only image bytes 0x000-0xFEF, what a Write sends: no header, "
               "no calibration",
               [](CliOptions& o, const std::string&, std::string&) {
                   o.writtenRange = true;
                   return true;
               }},
    OptionSpec{"--raw", nullptr,
               "the values as the file stores them, before the normalisation Open applies",
               [](CliOptions& o, const std::string&, std::string&) {
                   o.raw = true;
                   return true;
               }},
    OptionSpec{
        "--format", "text|csv|json",
        "text is the printed listing; csv and json one record per channel",
        [](CliOptions& o, const std::string& v, std::string& error) {
            constexpr std::array<std::pair<const char*, ListFormat>, 3> kFormats{
                {{"text", ListFormat::Text}, {"csv", ListFormat::Csv}, {"json", ListFormat::Json}}};
            for (const auto& [name, format] : kFormats) {
                if (v == name) {
                    o.format = format;
                    return true;
                }
            }
            error = "--format: '" + v + "' is not text, csv or json";
            return false;
        }},
};

// Options that stand instead of a command.
struct ProgramOption {
    const char* name;
    const char* synopsis;
    Command command;
};

constexpr std::array kProgramOptions{
    ProgramOption{"--help", "[COMMAND] --help", Command::Help},
    ProgramOption{"--version", "--version", Command::Version},
};

enum class Output {
    None,
    Text,          // -o optional, standard output when not given
    RequiredText,  // -o needed; - is standard output
    Data,          // -o needed; a data file never goes to a terminal
};

struct CommandSpec {
    const char* name;
    Command command;
    std::vector<const char*> operands;
    std::vector<const char*> options;  // names from kOptions; -o as `output` says
    Output output;
    const char* outputName;  // what -o writes, for the help
    const char* help;
};

const std::vector<CommandSpec>& Commands() {
    // clang-format off
    static const std::vector<CommandSpec> kCommands{
        {"read", Command::Read, {}, {"--port", "--baud", "--backup-dir"},
         Output::Data, "FILE.dat",
         "copies the radio's memory into a new data file; with --backup-dir also into a "
         "dated copy in DIR, kept even when FILE.dat cannot be written"},
        {"write", Command::Write, {"FILE.dat"},
         {"--port", "--baud", "--verify", "--radios", "--log"},
         Output::None, nullptr,
         "sends a data file to the radio, as the program's Write does; with several --port "
         "or --radios, a line per radio on standard output as each finishes: its port and "
         "verified, written or failed: CAUSE; exit 0 only when every radio was written"},
        {"list", Command::List, {"FILE.dat"}, {"--format"},
         Output::Text, "LIST",
         "prints the channels in use"},
        {"export", Command::Export, {"FILE.dat"}, {},
         Output::RequiredText, "OUT.csv",
         "writes the channels in use as a channel CSV file"},
        {"import", Command::Import, {"FILE.dat", "IN.csv"},
         {"--replace-all", "--first-channel", "--fill-free", "--distinct-names",
          "--ignore-unknown-columns"},
         Output::Data, "OUT.dat",
         "stores the rows of a channel CSV file into the channels their Location names "
         "(a file numbered from 0 moves up by one), or in order with --first-channel or "
         "--fill-free, and writes the result; every row skipped or changed, every column "
         "the file lacks and the channels of skipped rows, which keep their record, are "
         "reported on standard error; a column whose header is empty or unknown stops it"},
        {"dump", Command::Dump, {"FILE.dat"}, {"--raw"},
         Output::Text, "CONFIG.yaml",
         "writes every setting the views edit, the channels included, as YAML, with the "
         "values the views show after Open; each value Open's normalisation changed is "
         "named on standard error with the value stored. The YAML starts with format: 2, "
         "which numbers the FM presets 0 to 15 as the FM view labels them"},
        {"apply", Command::Apply, {"FILE.dat", "CONFIG.yaml"}, {},
         Output::Data, "OUT.dat",
         "stores the settings CONFIG.yaml gives into FILE.dat and writes the result; every "
         "other byte is kept, and a key that is unknown or wrong stops it, naming its line; "
         "every value stored otherwise than given (a frequency moved onto its step) is "
         "reported on standard error. Only values that differ from FILE.dat's are edits; "
         "channels a narrower frequency range clears must be given as null. A file "
         "without a format key is read as older dumps wrote it, FM presets numbered 1 "
         "to 16"},
        {"diff", Command::Diff, {"A.dat", "B.dat"}, {"--written-range"},
         Output::Text, "DIFF",
         "prints how B.dat differs from A.dat; exit 0 when equal, 1 when different, "
         "2 on trouble"},
        {"ports", Command::Ports, {}, {},
         Output::None, nullptr,
         "lists the serial ports, USB adapters first, one a line with tab-separated fields: "
         "device, state, USB id, description, manufacturer, serial number, by-id name, why "
         "not usable"},
    };
    // clang-format on
    return kCommands;
}

const OptionSpec* FindOption(const std::string& name) {
    const std::string wanted = name == "--output" ? "-o" : name;
    const auto found = std::find_if(kOptions.begin(), kOptions.end(),
                                    [&](const OptionSpec& o) { return wanted == o.name; });
    return found == kOptions.end() ? nullptr : &*found;
}

bool Accepts(const CommandSpec& command, const OptionSpec& option) {
    if (std::string_view(option.name) == "-o") {
        return command.output != Output::None;
    }
    return std::any_of(command.options.begin(), command.options.end(),
                       [&](const char* name) { return std::string_view(name) == option.name; });
}

const CommandSpec* FindCommand(const std::string& name) {
    const auto& commands = Commands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const CommandSpec& c) { return name == c.name; });
    return found == commands.end() ? nullptr : &*found;
}

std::string Synopsis(const CommandSpec& command) {
    std::string line = std::string("  ht57-cli ") + command.name;
    for (const char* name : command.options) {
        const OptionSpec* option = FindOption(name);
        line += std::string(" [") + option->name;
        if (option->argument) {
            line += std::string(" ") + option->argument;
        }
        line += "]";
    }
    for (const char* operand : command.operands) {
        line += std::string(" ") + operand;
    }
    if (command.output == Output::Text) {
        line += std::string(" [-o ") + command.outputName + "|-]";
    } else if (command.output != Output::None) {
        line += std::string(" -o ") + command.outputName;
    }
    return line + "\n";
}

// Words of `text` in lines of at most 78 columns, each after `indent`
// blanks; the first line goes after `first` instead.
std::string Wrapped(const std::string& first, const std::string& text, std::size_t indent) {
    std::string out = first;
    std::size_t column = first.size();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        if (column > indent && column + 1 + word.size() > 78) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
        } else if (column > indent ||
                   (column == indent && out.size() > indent && out.back() != ' ')) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        at = end + 1;
    }
    return out + "\n";
}

std::string OptionHelp(const OptionSpec& option) {
    std::string left = std::string("    ") + option.name;
    if (option.argument) {
        left += std::string(" ") + option.argument;
    }
    left.resize(std::max<std::size_t>(left.size() + 1, 25), ' ');
    return Wrapped(left, option.help, 25);
}

constexpr const char* kExitCodes =
    "Exit codes:\n"
    "  0  done\n"
    "  1  failed; a failed write says how many blocks reached the radio\n"
    "     (it must then be written again before use)\n"
    "  2  usage error\n"
    "  3  written, but some rows were skipped or changed or the report has a\n"
    "     note (import), or values were stored otherwise than given (apply)\n"
    "  4  written, but the read-back of write --verify failed or differs\n"
    "  diff: 0 equal, 1 different, 2 a file could not be read\n"
    "  write with several radios: 0 every radio written, 1 any failed,\n"
    "     130 stopped by Ctrl+C\n";

}  // namespace

std::string CliUsage(const std::string& topic) {
    std::string text = "Usage:\n";
    if (const CommandSpec* command = FindCommand(topic)) {
        text += Synopsis(*command) + "\n" + Wrapped("", std::string(command->help) + ".", 0);
        for (const OptionSpec& option : kOptions) {
            if (Accepts(*command, option)) {
                text += OptionHelp(option);
            }
        }
        return text + "\n" + kExitCodes;
    }
    for (const CommandSpec& command : Commands()) {
        text += Synopsis(command);
    }
    for (const ProgramOption& option : kProgramOptions) {
        text += std::string("  ht57-cli ") + option.synopsis + "\n";
    }
    text += "\n";
    for (const CommandSpec& command : Commands()) {
        std::string name = command.name;
        name.resize(8, ' ');
        text += Wrapped(name, std::string(command.help) + ".", 8);
    }
    text +=
        "\nPort and baud rate default to COM and BaudRate of [Setup] in the\n"
        "Program.ini beside this program. Errors go to standard error and start\n"
        "with \"ht57-cli:\".\n\n";
    return text + kExitCodes;
}

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    if (args.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    CliOptions options;
    const std::string& name = args.front();
    if (name == "-h" || name == "help") {
        return options;
    }
    for (const ProgramOption& option : kProgramOptions) {
        if (name == option.name) {
            options.command = option.command;
            return options;
        }
    }
    const CommandSpec* command = FindCommand(name);
    if (!command) {
        error = "unknown command '" + name + "'";
        return std::nullopt;
    }
    options.command = command->command;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
            options.helpTopic = name;
            return options;
        }
        if (arg.size() < 2 || !arg.starts_with('-')) {
            options.files.push_back(arg);
            continue;
        }
        const OptionSpec* option = FindOption(arg);
        if (!option || !Accepts(*command, *option)) {
            error = "unknown option " + arg + " for " + name;
            return std::nullopt;
        }
        std::string value;
        if (option->argument) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!option->apply(options, value, error)) {
            return std::nullopt;
        }
    }

    const bool anyEmpty = std::any_of(options.files.begin(), options.files.end(),
                                      [](const std::string& f) { return f.empty(); });
    if (options.files.size() != command->operands.size() || anyEmpty) {
        if (command->operands.empty()) {
            error = name +
                    (command->output == Output::None ? " takes no file" : " takes no file but -o");
        } else {
            error = name + " needs exactly";
            for (const char* operand : command->operands) {
                error += std::string(" ") + operand;
            }
        }
        return std::nullopt;
    }
    if (options.ports.size() > 1 && command->command != Command::Write) {
        error = name + " takes one --port";
        return std::nullopt;
    }
    for (std::size_t i = 1; i < options.ports.size(); ++i) {
        if (std::find(options.ports.begin(), options.ports.begin() + static_cast<std::ptrdiff_t>(i),
                      options.ports[i]) != options.ports.begin() + static_cast<std::ptrdiff_t>(i)) {
            error = "--port " + options.ports[i] + " given twice";
            return std::nullopt;
        }
    }
    if (options.ports.size() > 1 && options.radios > 1) {
        error = "--radios takes one --port";
        return std::nullopt;
    }
    const bool needsOutput =
        command->output == Output::RequiredText || command->output == Output::Data;
    if (needsOutput && options.output.empty()) {
        error = name + " needs -o " + command->outputName;
        return std::nullopt;
    }
    return options;
}

}  // namespace ht57::cli
