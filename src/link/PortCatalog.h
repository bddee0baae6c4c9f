#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ht57 {

// A serial device as the system's own enumeration describes it.
struct SerialDevice {
    SerialDevice() = default;
    SerialDevice(std::string devicePath) : path(std::move(devicePath)) {}

    std::string path;          // "/dev/ttyUSB0"
    std::string stableName;    // its /dev/serial/by-id link, when there is one
    std::string description;   // "USB2.0-Serial"
    std::string manufacturer;  // "QinHeng Electronics"
    std::string serialNumber;
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;

    // USB serial adapters and modems are what a programming cable shows up as.
    bool IsAdapter() const;
    // "1a86:7523", or empty when the system knows no USB ids.
    std::string UsbId() const;
};

// Whether a port may be chosen now, and if not, why in a few words.
struct PortStatus {
    PortStatus(bool free = false) : available(free) {}
    PortStatus(bool free, std::string shortNote, std::string explanation)
        : available(free), note(std::move(shortNote)), why(std::move(explanation)) {}

    bool available = false;
    std::string note;  // shown beside the port: "busy", "no access"
    std::string why;   // the whole story, with what to do about it
};

// One radio button of the Port dialog.
struct PortEntry {
    std::string name;   // stored as the port name when chosen
    std::string label;  // button text: "COM3" or the device path
    bool available = false;
    std::string details;  // what the system knows of the device, one fact a line
    SerialDevice device;
    PortStatus status;
};

// The sixteen (or fewer) ports offered by the Port dialog and which one is the
// current port.
struct PortChoice {
    std::vector<PortEntry> entries;
    std::optional<std::size_t> checked;  // index into entries
};

// Tells whether a port may be used now. The native one never opens a device.
using PortProbe = std::function<PortStatus(const std::string& name)>;
// Serial devices the system reports, in its order.
using DeviceLister = std::function<std::vector<SerialDevice>()>;

enum class PortScheme {
    ComNumbers,   // Windows: COM1..COM16 by the port-name rule
    DevicePaths,  // Linux, macOS: the devices the system reports
};

// Builds the Port dialog's list. ComNumbers offers COM1..COM16, each available
// when the probe says so, and checks the button whose number the current
// name carries (found by ScanPortNumber) when the current port is available.
// DevicePaths offers the reported devices, USB adapters first, at most 16 in
// all; an adapter is chosen by its stable by-id name when it has one. The
// current port is appended when the system does not report it (a
// pseudo-terminal, say), and is checked, matched by its exact name, device
// path or stable name, when it is available. The lister is not called for
// ComNumbers.
PortChoice BuildPortChoice(PortScheme scheme, const std::string& currentName,
                           const PortProbe& probe, const DeviceLister& lister);

// Every reported device, USB adapters first, with its status.
std::vector<PortEntry> ListPorts(const PortProbe& probe, const DeviceLister& lister);

// The scheme of the platform the program runs on.
PortScheme NativePortScheme();

// Whether a port may be used, found without opening it: the device exists,
// this user may read and write it, and no live process holds its lock file
// ("LCK..<name>" in the usual lock folders, named as Qt names it, after
// resolving links) or an exclusive lock on it.
PortStatus ProbePort(const std::string& name);
// The same with the lock folders given.
PortStatus ProbePortWithLockFolders(const std::string& name,
                                    const std::vector<std::string>& lockFolders);

// Serial devices as the system reports them (QSerialPortInfo), with their
// /dev/serial/by-id names.
std::vector<SerialDevice> SystemSerialDevices();

// BuildPortChoice with the native scheme, ProbePort and SystemSerialDevices.
PortChoice BuildNativePortChoice(const std::string& currentName);

}  // namespace ht57
