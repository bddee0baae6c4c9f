#include "SimOptions.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace ht57::sim {
namespace {

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

}  // namespace

const char* SimUsage() {
    return "Usage: ht57-sim [options]\n"
           "Simulates an HT-57 radio on a pseudo-terminal. The first line printed is the\n"
           "device to use as the serial port.\n"
           "\n"
           "  --image FILE                 memory from/to FILE (4096-byte image or 8192-byte\n"
           "                               .dat); a missing FILE starts from a built-in VHF\n"
           "                               image and is created on save\n"
           "  --band vhf|uhf               band reported in the identification (default: the\n"
           "                               image's band flag)\n"
           "  --ack 0x06|0x16              acknowledgement byte\n"
           "  --ignore-handshakes N        leave the first N handshakes unanswered\n"
           "  --ident-length N             send N identification bytes instead of 13\n"
           "  --short-read-block K         answer read block K of a session one byte short\n"
           "  --nak-write-block K          answer write block K of a session with 0x15\n"
           "  --silent-after-block K       answer nothing after K blocks of a session\n"
           "  --calibration-open-reply B   second byte of the answer to the opening 'g'\n"
           "  --nak-calibration K          answer calibration exchange K (after the opening\n"
           "                               one) with 0x15\n"
           "  --baud N                     pace the answers at N baud\n"
           "  --link PATH                  keep a symbolic link PATH to the device\n"
           "  --trace FILE                 append every byte received to FILE\n"
           "  --help                       show this text\n";
}

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    SimOptions options;
    constexpr long kIntMax = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.starts_with("--") ? name + " needs a value" : "unknown option " + name;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        auto number = [&](long min, long max) -> std::optional<long> {
            auto parsed = ParseNumber(value, min, max);
            if (!parsed) {
                error = name + ": bad value '" + value + "'";
            }
            return parsed;
        };
        std::optional<long> n;
        if (name == "--image") {
            options.imagePath = value;
        } else if (name == "--band") {
            if (value == "vhf" || value == "VHF") {
                options.band = RadioBand::Vhf;
            } else if (value == "uhf" || value == "UHF") {
                options.band = RadioBand::Uhf;
            } else {
                error = "--band: expected vhf or uhf, not '" + value + "'";
                return std::nullopt;
            }
        } else if (name == "--ack") {
            if (!(n = number(0, 255))) {
                return std::nullopt;
            }
            options.faults.ack = static_cast<Byte>(*n);
        } else if (name == "--ignore-handshakes") {
            if (!(n = number(0, kIntMax))) {
                return std::nullopt;
            }
            options.faults.ignoreHandshakes = static_cast<int>(*n);
        } else if (name == "--ident-length") {
            if (!(n = number(0, 64))) {
                return std::nullopt;
            }
            options.faults.identLength = static_cast<std::size_t>(*n);
        } else if (name == "--short-read-block") {
            if (!(n = number(1, kIntMax))) {
                return std::nullopt;
            }
            options.faults.shortReadBlock = static_cast<int>(*n);
        } else if (name == "--nak-write-block") {
            if (!(n = number(1, kIntMax))) {
                return std::nullopt;
            }
            options.faults.nakWriteBlock = static_cast<int>(*n);
        } else if (name == "--silent-after-block") {
            if (!(n = number(0, kIntMax))) {
                return std::nullopt;
            }
            options.faults.silentAfterBlock = static_cast<int>(*n);
        } else if (name == "--calibration-open-reply") {
            if (!(n = number(0, 255))) {
                return std::nullopt;
            }
            options.faults.calibrationOpenReply = static_cast<Byte>(*n);
        } else if (name == "--nak-calibration") {
            if (!(n = number(1, kIntMax))) {
                return std::nullopt;
            }
            options.faults.nakCalibration = static_cast<int>(*n);
        } else if (name == "--baud") {
            if (!(n = number(0, 4'000'000))) {
                return std::nullopt;
            }
            options.baud = static_cast<int>(*n);
        } else if (name == "--link") {
            options.linkPath = value;
        } else if (name == "--trace") {
            options.tracePath = value;
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace ht57::sim
