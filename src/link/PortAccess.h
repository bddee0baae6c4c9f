#pragma once

#include <map>
#include <string>
#include <vector>

namespace ht57 {

// Why a port cannot be used, as far as the system tells without opening it
// (or, for Failed, as the open itself said).
enum class PortProblem {
    None,
    NotSet,        // no port name configured
    Missing,       // no such device
    NoPermission,  // the device's mode forbids this user
    Busy,          // another program holds it
    Failed,        // anything else the system reported
};

struct PortFailure {
    PortProblem problem = PortProblem::None;
    std::string device;        // the name as configured
    std::string group;         // NoPermission: the group that may use the device
    bool groupMayUse = false;  // NoPermission: the group has read and write access
    std::string holder;        // Busy: "minicom, process 1234" when the system says
    std::string reason;        // Failed: the system's own words

    explicit operator bool() const { return problem != PortProblem::None; }
};

// The device behind a name with every symbolic link resolved, so that two
// names of one adapter lock the same thing; the name itself when it does not
// resolve.
std::string CanonicalPortPath(const std::string& name);

// The lock file name Qt and UUCP-style programs use: "/dev/ttyUSB0" becomes
// "LCK..ttyUSB0", "/dev/pts/3" becomes "LCK..pts_3".
std::string PortLockFileName(const std::string& canonicalPath);

// Folders programs keep serial lock files in, in the order Qt tries them.
std::vector<std::string> DefaultLockFolders();

// Who holds the device: a live owner of its lock file, a flock on it, or
// another process with it open. "minicom, process 1234", or empty.
std::string FindPortHolder(const std::string& canonicalPath,
                           const std::vector<std::string>& lockFolders);

// Checks a port without opening it: set, present, allowed to this user and
// not held by another program (live lock file or exclusive lock).
PortFailure CheckPortAccess(const std::string& name, const std::vector<std::string>& lockFolders);

// What went wrong and what to do about it, in a few sentences.
std::string DescribePortFailure(const PortFailure& failure);

// Serial devices' stable names: canonical device path to the link in the
// folder (normally /dev/serial/by-id) that points at it.
std::map<std::string, std::string> StableDeviceNames(const std::string& folder);

}  // namespace ht57
