#include "link/PortCatalog.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <utility>

#include "link/PortAccess.h"
#include "link/PortNames.h"
#include "model/UserText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ht57 {

namespace {

// "/dev/ttyS2" before "/dev/ttyS10".
bool NaturalLess(const std::string& a, const std::string& b) {
    const auto split = [](const std::string& s) {
        std::size_t digits = s.size();
        while (digits > 0 && std::isdigit(static_cast<unsigned char>(s[digits - 1]))) {
            --digits;
        }
        const std::string tail = s.substr(digits);
        return std::make_pair(s.substr(0, digits), tail.size() > 9 ? 0 : std::stoi("0" + tail));
    };
    return split(a) < split(b);
}

PortChoice ComNumberChoice(const std::string& currentName, const PortProbe& probe) {
    PortChoice choice;
    for (int n = 1; n <= kPortCount; ++n) {
        std::string name = PortNameForNumber(n);
        PortEntry entry;
        entry.name = name;
        entry.label = "COM" + std::to_string(n);
        entry.status = probe(name);
        entry.available = entry.status.available;
        entry.details = entry.status.why;
        choice.entries.push_back(std::move(entry));
    }
    if (!currentName.empty() && probe(currentName).available) {
        const std::optional<int> number = ScanPortNumber(currentName);
        if (number && *number >= 1 && *number <= kPortCount) {
            choice.checked = static_cast<std::size_t>(*number - 1);
        }
    }
    return choice;
}

std::string Details(const SerialDevice& device, const PortStatus& status) {
    std::string text = device.path;
    const auto line = [&text](const std::string& label, const std::string& value) {
        if (!value.empty()) {
            text += "\n" + label + value;
        }
    };
    line("", device.description);
    line(Fill(Msg("Model", "Manufacturer: ")), device.manufacturer);
    line(Fill(Msg("Model", "Serial number: ")), device.serialNumber);
    line(Fill(Msg("Model", "USB id: ")), device.UsbId());
    line(Fill(Msg("Model", "Stable name: ")), device.stableName);
    line("", status.available ? std::string() : status.why);
    return text;
}

PortEntry EntryFor(const SerialDevice& device, PortStatus status) {
    PortEntry entry;
    entry.name = device.stableName.empty() ? device.path : device.stableName;
    entry.label = device.path;
    if (!status.available && !status.note.empty()) {
        // The note stays an English key (the command-line tool reads it);
        // the label shows it in the user's language.
        entry.label = Fill(Msg("Model", "%1 (%2)"), entry.label, Fill(status.note.c_str()));
    }
    entry.available = status.available;
    entry.details = Details(device, status);
    entry.device = device;
    entry.status = std::move(status);
    return entry;
}

bool Names(const PortEntry& entry, const std::string& name) {
    return entry.name == name || entry.device.path == name || entry.device.stableName == name;
}

PortChoice DevicePathChoice(const std::string& currentName, const PortProbe& probe,
                            const DeviceLister& lister) {
    std::vector<PortEntry> entries = ListPorts(probe, lister);
    const auto isCurrent = [&currentName](const PortEntry& e) { return Names(e, currentName); };
    const bool currentListed =
        currentName.empty() || std::any_of(entries.begin(), entries.end(), isCurrent);
    const std::size_t room = currentListed ? kPortCount : kPortCount - 1;
    if (entries.size() > room) {
        // Keep the current port even when it is listed beyond the cut.
        const auto current = std::find_if(entries.begin(), entries.end(), isCurrent);
        if (current != entries.end() &&
            static_cast<std::size_t>(current - entries.begin()) >= room) {
            std::rotate(entries.begin() + static_cast<std::ptrdiff_t>(room - 1), current,
                        current + 1);
        }
        entries.resize(room);
    }
    if (!currentListed) {
        entries.push_back(EntryFor(SerialDevice(currentName), probe(currentName)));
    }

    PortChoice choice;
    choice.entries = std::move(entries);
    if (!currentName.empty()) {
        const auto current = std::find_if(choice.entries.begin(), choice.entries.end(), isCurrent);
        if (current->available) {
            choice.checked = static_cast<std::size_t>(current - choice.entries.begin());
        }
    }
    return choice;
}

}  // namespace

PortChoice BuildPortChoice(PortScheme scheme, const std::string& currentName,
                           const PortProbe& probe, const DeviceLister& lister) {
    return scheme == PortScheme::ComNumbers ? ComNumberChoice(currentName, probe)
                                            : DevicePathChoice(currentName, probe, lister);
}

PortScheme NativePortScheme() {
#ifdef _WIN32
    return PortScheme::ComNumbers;
#else
    return PortScheme::DevicePaths;
#endif
}

bool SerialDevice::IsAdapter() const {
    if (vendorId) {
        return true;
    }
    for (const char* marker : {"ttyUSB", "ttyACM", "usbserial", "usbmodem"}) {
        if (path.find(marker) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string SerialDevice::UsbId() const {
    if (!vendorId || !productId) {
        return {};
    }
    char text[10];
    std::snprintf(text, sizeof text, "%04x:%04x", *vendorId, *productId);
    return text;
}

std::vector<PortEntry> ListPorts(const PortProbe& probe, const DeviceLister& lister) {
    std::vector<SerialDevice> devices = lister ? lister() : std::vector<SerialDevice>{};
    std::stable_partition(devices.begin(), devices.end(),
                          [](const SerialDevice& d) { return d.IsAdapter(); });
    std::vector<PortEntry> entries;
    for (const SerialDevice& device : devices) {
        const bool seen = std::any_of(entries.begin(), entries.end(), [&](const PortEntry& e) {
            return e.device.path == device.path;
        });
        if (!seen) {
            entries.push_back(EntryFor(device, probe(device.path)));
        }
    }
    return entries;
}

PortStatus ProbePort(const std::string& name) {
    return ProbePortWithLockFolders(name, DefaultLockFolders());
}

PortStatus ProbePortWithLockFolders(const std::string& name,
                                    const std::vector<std::string>& lockFolders) {
#ifdef _WIN32
    // COM ports have no lock files; opening is the only way to ask.
    (void)lockFolders;
    if (name.empty()) {
        return false;
    }
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
#else
    const PortFailure failure = CheckPortAccess(name, lockFolders);
    switch (failure.problem) {
        case PortProblem::None:
            return true;
        case PortProblem::Busy:
            return {false, Msg("Model", "busy"), DescribePortFailure(failure)};
        case PortProblem::NoPermission:
            return {false, Msg("Model", "no access"), DescribePortFailure(failure)};
        default:
            return {false, "", DescribePortFailure(failure)};
    }
#endif
}

std::vector<SerialDevice> SystemSerialDevices() {
    const std::map<std::string, std::string> stable = StableDeviceNames("/dev/serial/by-id");
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDevice device(info.systemLocation().toStdString());
        if (const auto link = stable.find(CanonicalPortPath(device.path)); link != stable.end()) {
            device.stableName = link->second;
        }
        device.description = info.description().toStdString();
        device.manufacturer = info.manufacturer().toStdString();
        device.serialNumber = info.serialNumber().toStdString();
        if (info.hasVendorIdentifier()) {
            device.vendorId = info.vendorIdentifier();
        }
        if (info.hasProductIdentifier()) {
            device.productId = info.productIdentifier();
        }
        devices.push_back(std::move(device));
    }
    std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return NaturalLess(a.path, b.path);
    });
    return devices;
}

PortChoice BuildNativePortChoice(const std::string& currentName) {
    return BuildPortChoice(NativePortScheme(), currentName, ProbePort, SystemSerialDevices);
}

}  // namespace ht57
