#include "link/PortCatalog.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <utility>

#include "link/PortNames.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#endif

namespace ht57 {

namespace {

// USB serial adapters and modems are what a programming cable shows up as.
bool IsAdapter(const std::string& path) {
    for (const char* marker : {"ttyUSB", "ttyACM", "usbserial", "usbmodem"}) {
        if (path.find(marker) != std::string::npos) {
            return true;
        }
    }
    return false;
}

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
        const bool available = probe(name);
        choice.entries.push_back({name, "COM" + std::to_string(n), available});
    }
    if (!currentName.empty() && probe(currentName)) {
        const std::optional<int> number = ScanPortNumber(currentName);
        if (number && *number >= 1 && *number <= kPortCount) {
            choice.checked = static_cast<std::size_t>(*number - 1);
        }
    }
    return choice;
}

PortChoice DevicePathChoice(const std::string& currentName, const PortProbe& probe,
                            const DeviceLister& lister) {
    std::vector<std::string> devices = lister ? lister() : std::vector<std::string>{};
    std::stable_partition(devices.begin(), devices.end(), IsAdapter);
    devices.erase(std::unique(devices.begin(), devices.end()), devices.end());

    const bool currentListed = currentName.empty() || std::find(devices.begin(), devices.end(),
                                                                currentName) != devices.end();
    const std::size_t room = currentListed ? kPortCount : kPortCount - 1;
    if (devices.size() > room) {
        // Keep the current port even when it is listed beyond the cut.
        const auto current = std::find(devices.begin(), devices.end(), currentName);
        if (current != devices.end() &&
            static_cast<std::size_t>(current - devices.begin()) >= room) {
            std::rotate(devices.begin() + static_cast<std::ptrdiff_t>(room - 1), current,
                        current + 1);
        }
        devices.resize(room);
    }
    if (!currentListed) {
        devices.push_back(currentName);
    }

    PortChoice choice;
    for (const std::string& path : devices) {
        choice.entries.push_back({path, path, probe(path)});
    }
    if (!currentName.empty()) {
        const auto current = std::find(devices.begin(), devices.end(), currentName);
        const std::size_t index = static_cast<std::size_t>(current - devices.begin());
        if (choice.entries[index].available) {
            choice.checked = index;
        }
    }
    return choice;
}

#ifndef _WIN32
// Lock files hold the owner's process id as text (Qt, UUCP style) or as a
// 4-byte binary number (old UUCP style).
bool LockOwnerAlive(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    const std::string content((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    long pid = 0;
    if (content.size() == 4 &&
        std::any_of(content.begin(), content.end(), [](char c) { return c < ' ' || c > '~'; })) {
        std::int32_t binary = 0;
        std::memcpy(&binary, content.data(), sizeof binary);
        pid = binary;
    } else {
        pid = std::strtol(content.c_str(), nullptr, 10);
    }
    // A lock left behind by a process that is gone holds nothing.
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

bool HeldByLockFile(const std::string& device, const std::vector<std::string>& folders) {
    // "/dev/ttyUSB0" is locked as "LCK..ttyUSB0"; "/dev/pts/3" by Qt as
    // "LCK..pts_3" and by older programs by its last component.
    std::vector<std::string> names{device.substr(device.find_last_of('/') + 1)};
    if (device.starts_with("/dev/")) {
        std::string underDev = device.substr(5);
        std::replace(underDev.begin(), underDev.end(), '/', '_');
        if (underDev != names.front()) {
            names.push_back(underDev);
        }
    }
    for (const std::string& folder : folders) {
        for (const std::string& name : names) {
            if (LockOwnerAlive(folder + "/LCK.." + name)) {
                return true;
            }
        }
    }
    return false;
}
#endif

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

namespace {

std::vector<std::string> DefaultLockFolders() {
    std::vector<std::string> folders{"/var/lock", "/run/lock", "/var/spool/locks",
                                     "/var/spool/uucp", "/etc/locks"};
    const char* tmp = std::getenv("TMPDIR");
    folders.push_back(tmp && *tmp ? tmp : "/tmp");
    return folders;
}

}  // namespace

bool ProbePort(const std::string& name) {
    return ProbePortWithLockFolders(name, DefaultLockFolders());
}

bool ProbePortWithLockFolders(const std::string& name,
                              const std::vector<std::string>& lockFolders) {
    if (name.empty()) {
        return false;
    }
#ifdef _WIN32
    (void)lockFolders;
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
#else
    const int fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // A port another program has locked is as good as absent.
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (free) {
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
    return free && !HeldByLockFile(name, lockFolders);
#endif
}

std::vector<std::string> SystemSerialDevices() {
    std::vector<std::string> paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        paths.push_back(info.systemLocation().toStdString());
    }
    std::sort(paths.begin(), paths.end(), NaturalLess);
    return paths;
}

PortChoice BuildNativePortChoice(const std::string& currentName) {
    return BuildPortChoice(NativePortScheme(), currentName, ProbePort, SystemSerialDevices);
}

}  // namespace ht57
