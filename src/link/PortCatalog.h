#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ht57 {

// One radio button of the Port dialog.
struct PortEntry {
    std::string name;   // stored as the port name when chosen
    std::string label;  // button text: "COM3" or the device path
    bool available = false;
};

// The sixteen (or fewer) ports offered by the Port dialog and which one is the
// current port.
struct PortChoice {
    std::vector<PortEntry> entries;
    std::optional<std::size_t> checked;  // index into entries
};

// True when the port can be opened now and no other program holds it.
using PortProbe = std::function<bool(const std::string& name)>;
// Serial device paths the system reports, in its order.
using DeviceLister = std::function<std::vector<std::string>()>;

enum class PortScheme {
    ComNumbers,   // Windows: COM1..COM16 by the port-name rule
    DevicePaths,  // Linux, macOS: the devices the system reports
};

// Builds the Port dialog's list. ComNumbers offers COM1..COM16, each available
// when the probe opens it, and checks the button whose number the current
// name carries (found by ScanPortNumber) when the current port opens.
// DevicePaths offers the reported devices, USB and ACM adapters first, at most
// 16 in all; the current port is appended when the system does not report it
// (a pseudo-terminal, say), and is checked, matched by its exact name, when it
// opens. The lister is not called for ComNumbers.
PortChoice BuildPortChoice(PortScheme scheme, const std::string& currentName,
                           const PortProbe& probe, const DeviceLister& lister);

// The scheme of the platform the program runs on.
PortScheme NativePortScheme();

// Plain operating-system open and close of the device, read and write, no
// controlling terminal, non-blocking, with an exclusive-lock check so a port
// held by another program counts as unavailable. Never changes line settings.
// A port counts as held as well when a live process owns a lock file
// "LCK..<device name>" in one of the usual lock folders, as Qt programs and
// most terminal programs leave one.
bool ProbePort(const std::string& name);
// The same with the lock folders given.
bool ProbePortWithLockFolders(const std::string& name, const std::vector<std::string>& lockFolders);

// Serial devices as the system reports them (QSerialPortInfo), full paths.
std::vector<std::string> SystemSerialDevices();

// BuildPortChoice with the native scheme, ProbePort and SystemSerialDevices.
PortChoice BuildNativePortChoice(const std::string& currentName);

}  // namespace ht57
