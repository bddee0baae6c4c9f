#include "SimOptions.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace ht57::sim {
namespace {

constexpr long kIntMax = std::numeric_limits<int>::max();

// One command-line option: its name, the value it takes (empty for a
// switch), its help text (a '\n' continues it on the next line) and what it
// sets. A numeric value must lie within [min, max].
struct OptionRow {
    std::string_view name;
    std::string_view argument{};
    std::string_view help{};
    void (*setSwitch)(SimOptions&) = nullptr;
    long min = 0;
    long max = 0;
    void (*setNumber)(SimOptions&, long) = nullptr;
    // Returns an error text, empty when the value was taken.
    std::string (*setText)(SimOptions&, const std::string&) = nullptr;
};

std::string SetBand(SimOptions& o, const std::string& value) {
    if (value == "vhf" || value == "VHF") {
        o.band = RadioBand::Vhf;
    } else if (value == "uhf" || value == "UHF") {
        o.band = RadioBand::Uhf;
    } else {
        return "--band: expected vhf or uhf, not '" + value + "'";
    }
    return {};
}

constexpr OptionRow Switch(std::string_view name, std::string_view help, void (*set)(SimOptions&)) {
    return {.name = name, .help = help, .setSwitch = set};
}

constexpr OptionRow Number(std::string_view name, std::string_view argument, std::string_view help,
                           long min, long max, void (*set)(SimOptions&, long)) {
    return {
        .name = name, .argument = argument, .help = help, .min = min, .max = max, .setNumber = set};
}

constexpr OptionRow Text(std::string_view name, std::string_view argument, std::string_view help,
                         std::string (*set)(SimOptions&, const std::string&)) {
    return {.name = name, .argument = argument, .help = help, .setText = set};
}

// clang-format off
constexpr std::array kOptions{
    Text("--image", "FILE",
         "memory from/to FILE (4096-byte image or 8192-byte\n.dat); a missing FILE starts from a "
         "built-in VHF\nimage and is created on save",
         [](SimOptions& o, const std::string& v) { o.imagePath = v; return std::string(); }),
    Text("--band", "vhf|uhf",
         "band reported in the identification (default: the\nimage's band flag)", SetBand),
    Number("--ack", "0x06|0x16", "acknowledgement byte", 0, 255,
           [](SimOptions& o, long n) { o.faults.ack = static_cast<Byte>(n); }),
    Number("--ignore-handshakes", "N", "leave the first N handshakes unanswered", 0, kIntMax,
           [](SimOptions& o, long n) { o.faults.ignoreHandshakes = static_cast<int>(n); }),
    Number("--ident-length", "N", "send N identification bytes instead of 13", 0, 64,
           [](SimOptions& o, long n) { o.faults.identLength = static_cast<std::size_t>(n); }),
    Number("--short-read-block", "K", "answer read block K one byte short, each time", 1, kIntMax,
           [](SimOptions& o, long n) { o.faults.shortReadBlock = static_cast<int>(n); }),
    Number("--nak-write-block", "K", "answer write block K of a session with 0x15", 1, kIntMax,
           [](SimOptions& o, long n) { o.faults.nakWriteBlock = static_cast<int>(n); }),
    Number("--stall-block", "K",
           "stop sending for --stall-ms in the middle of the\nfirst answer to block K, after two bytes of its echo", 1, kIntMax,
           [](SimOptions& o, long n) { o.faults.stallBlock = static_cast<int>(n); }),
    Number("--stall-ms", "N", "length of the --stall-block pause (default 80)", 0, 60'000,
           [](SimOptions& o, long n) { o.faults.stallMs = static_cast<int>(n); }),
    Number("--wrong-echo-block", "K", "echo another address in every answer to read\nblock K", 1, kIntMax,
           [](SimOptions& o, long n) { o.faults.wrongEchoBlock = static_cast<int>(n); }),
    Number("--short-echo-block", "K", "echo three bytes instead of four in every answer\nto read block K", 1, kIntMax,
           [](SimOptions& o, long n) { o.faults.shortEchoBlock = static_cast<int>(n); }),
    Number("--silent-after-block", "K", "answer nothing after K blocks of a session", 0, kIntMax,
           [](SimOptions& o, long n) { o.faults.silentAfterBlock = static_cast<int>(n); }),
    Number("--calibration-open-reply", "B", "second byte of the answer to the opening 'g'", 0, 255,
           [](SimOptions& o, long n) { o.faults.calibrationOpenReply = static_cast<Byte>(n); }),
    Number("--nak-calibration", "K",
           "answer calibration exchange K (after the opening\none) with 0x15", 1, kIntMax,
           [](SimOptions& o, long n) { o.faults.nakCalibration = static_cast<int>(n); }),
    Number("--baud", "N", "pace the answers at N baud", 0, 4'000'000,
           [](SimOptions& o, long n) { o.baud = static_cast<int>(n); }),
    Text("--link", "PATH", "keep a symbolic link PATH to the device",
         [](SimOptions& o, const std::string& v) { o.linkPath = v; return std::string(); }),
    Text("--trace", "FILE", "append every byte received to FILE",
         [](SimOptions& o, const std::string& v) { o.tracePath = v; return std::string(); }),
    Switch("--version", "show the version", [](SimOptions& o) { o.version = true; }),
    Switch("--help", "show this text", [](SimOptions& o) { o.help = true; }),
    Switch("-h", "", [](SimOptions& o) { o.help = true; }),  // no help line of its own
};
// clang-format on

// Accepts decimal, 0x-hex and 0-octal, the whole text and nothing else.
std::optional<long> ParseNumber(const std::string& text, long min, long max) {
    if (text.empty()) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

const OptionRow* FindOption(std::string_view name) {
    for (const OptionRow& row : kOptions) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

std::string SimUsage() {
    constexpr std::size_t kHelpColumn = 31;
    std::string usage =
        "Usage: ht57-sim [options]\n"
        "Simulates an HT-57 radio on a pseudo-terminal. The first line printed is the\n"
        "device to use as the serial port.\n"
        "\n";
    for (const OptionRow& row : kOptions) {
        if (row.help.empty()) {
            continue;  // a short alias
        }
        std::string line = "  " + std::string(row.name);
        if (!row.argument.empty()) {
            line += " " + std::string(row.argument);
        }
        for (std::size_t start = 0; start <= row.help.size();) {
            const std::size_t end = std::min(row.help.find('\n', start), row.help.size());
            line.resize(kHelpColumn, ' ');
            usage += line + std::string(row.help.substr(start, end - start)) + "\n";
            line.clear();
            start = end + 1;
        }
    }
    return usage;
}

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        const OptionRow* row = FindOption(name);
        if (row == nullptr) {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (row->setSwitch != nullptr) {
            row->setSwitch(options);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (row->setText != nullptr) {
            error = row->setText(options, value);
            if (!error.empty()) {
                return std::nullopt;
            }
            continue;
        }
        const std::optional<long> number = ParseNumber(value, row->min, row->max);
        if (!number) {
            error = name + ": bad value '" + value + "'";
            return std::nullopt;
        }
        row->setNumber(options, *number);
    }
    return options;
}

}  // namespace ht57::sim
