#include "CliPorts.h"

#include <string>

#include "CliCommands.h"
#include "link/LinkOutcome.h"
#include "link/PortCatalog.h"

namespace ht57::cli {
namespace {

const char* StateWord(const PortStatus& status) {
    if (status.available) {
        return "free";
    }
    if (status.note == "busy") {
        return "busy";
    }
    return status.note == "no access" ? "no-access" : "missing";
}

// Tabs and line breaks in what a device reports would shift the columns.
std::string Field(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

int RunPorts() {
    for (const PortEntry& entry : ListPorts(ProbePort, SystemSerialDevices)) {
        const SerialDevice& d = entry.device;
        const std::string line = Field(d.path) + '\t' + StateWord(entry.status) + '\t' + d.UsbId() +
                                 '\t' + Field(d.description) + '\t' + Field(d.manufacturer) + '\t' +
                                 Field(d.serialNumber) + '\t' + Field(d.stableName) + '\t' +
                                 Field(entry.status.why);
        std::printf("%s\n", line.c_str());
    }
    return std::fflush(stdout) == 0 ? kExitSuccess : kExitFailure;
}

void ReportPortFailure(std::FILE* out, const PortFailure& failure) {
    std::fprintf(out, "ht57-cli: %s\n", OutcomeMessage(LinkOutcome::PortOpenFailed));
    const std::string why = DescribePortFailure(failure);
    if (!why.empty()) {
        std::fprintf(out, "%s\n", why.c_str());
    }
    std::fprintf(out,
                 "Choose the port with --port PORT (or COM in [Setup] of Program.ini); "
                 "\"ht57-cli ports\" lists the serial ports.\n");
}

}  // namespace ht57::cli
