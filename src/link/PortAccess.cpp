#include "link/PortAccess.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#ifndef _WIN32
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#endif

#include "model/UserText.h"

namespace ht57 {

namespace fs = std::filesystem;

namespace {
constexpr const char* kConsole = "the system console";
}  // namespace

std::string PortLockFileName(const std::string& canonicalPath) {
    std::string name = canonicalPath.starts_with("/dev/") ? canonicalPath.substr(5) : canonicalPath;
    std::replace(name.begin(), name.end(), '/', '_');
    return "LCK.." + name;
}

std::vector<std::string> DefaultLockFolders() {
    std::vector<std::string> folders{"/var/lock",         "/etc/locks", "/var/spool/locks",
                                     "/var/spool/uucp",   "/tmp",       "/var/tmp",
                                     "/var/lock/lockdev", "/run/lock"};
    if (const char* tmp = std::getenv("TMPDIR"); tmp && *tmp && tmp != std::string("/tmp")) {
        folders.emplace_back(tmp);
    }
    return folders;
}

#ifdef _WIN32

std::string CanonicalPortPath(const std::string& name) {
    return name;
}

std::string FindPortHolder(const std::string&, const std::vector<std::string>&) {
    return {};
}

PortFailure CheckPortAccess(const std::string& name, const std::vector<std::string>&) {
    PortFailure failure;
    failure.device = name;
    if (name.empty()) {
        failure.problem = PortProblem::NotSet;
    }
    return failure;
}

std::map<std::string, std::string> StableDeviceNames(const std::string&) {
    return {};
}

#else

namespace {

bool Alive(long pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Lock files hold the owner's process id as text (Qt, UUCP style) or as a
// 4-byte binary number (old UUCP style).
long LockFileOwner(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return 0;
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
    return Alive(pid) ? pid : 0;
}

long LockFileHolder(const std::string& canonical, const std::vector<std::string>& folders) {
    // Qt's name, and the last component that older programs use.
    std::vector<std::string> names{PortLockFileName(canonical)};
    const std::string last = "LCK.." + canonical.substr(canonical.find_last_of('/') + 1);
    if (last != names.front()) {
        names.push_back(last);
    }
    for (const std::string& folder : folders) {
        for (const std::string& name : names) {
            if (const long pid = LockFileOwner(folder + "/" + name)) {
                return pid;
            }
        }
    }
    return 0;
}

// The kernel lists every flock and record lock with the device and inode of
// the locked file, so a held port shows up there without being opened.
long FlockHolder(const std::string& canonical) {
    struct stat info {};
    if (::stat(canonical.c_str(), &info) != 0) {
        return 0;
    }
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        if (line.find("->") != std::string::npos) {
            continue;  // a waiter, not a holder
        }
        std::istringstream fields(line);
        std::string id, kind, advisory, mode, where;
        long pid = 0;
        if (!(fields >> id >> kind >> advisory >> mode >> pid >> where)) {
            continue;
        }
        unsigned devMajor = 0, devMinor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%llu", &devMajor, &devMinor, &inode) == 3 &&
            devMajor == major(info.st_dev) && devMinor == minor(info.st_dev) &&
            inode == info.st_ino && Alive(pid)) {
            return pid;
        }
    }
    return 0;
}

// Another process with the device open; only processes this user may
// inspect are seen.
long OpenedBy(const std::string& canonical) {
    const std::string self = std::to_string(::getpid());
    std::error_code ec;
    for (const fs::directory_entry& process : fs::directory_iterator("/proc", ec)) {
        const std::string pid = process.path().filename();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), ::isdigit) || pid == self) {
            continue;
        }
        std::error_code fdError;
        for (const fs::directory_entry& fd :
             fs::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError) == canonical) {
                return std::stol(pid);
            }
        }
    }
    return 0;
}

// The kernel writes its messages to the active consoles ("ttyS0 tty0").
bool IsSystemConsole(const std::string& canonical) {
    std::ifstream active("/sys/class/tty/console/active");
    std::string name;
    while (active >> name) {
        if (canonical == "/dev/" + name) {
            return true;
        }
    }
    return false;
}

std::string DescribeProcess(long pid) {
    std::ifstream commFile("/proc/" + std::to_string(pid) + "/comm");
    std::string comm;
    std::getline(commFile, comm);
    const std::string process = Fill(Msg("Model", "process %1"), pid);
    return comm.empty() ? process : Fill(Msg("Model", "%1, %2"), comm, process);
}

}  // namespace

std::string CanonicalPortPath(const std::string& name) {
    char resolved[PATH_MAX];
    return ::realpath(name.c_str(), resolved) ? std::string(resolved) : name;
}

std::string FindPortHolder(const std::string& canonicalPath,
                           const std::vector<std::string>& lockFolders) {
    long pid = LockFileHolder(canonicalPath, lockFolders);
    if (pid == 0) {
        pid = FlockHolder(canonicalPath);
    }
    if (pid == 0) {
        pid = OpenedBy(canonicalPath);
    }
    return pid > 0 ? DescribeProcess(pid) : std::string();
}

PortFailure CheckPortAccess(const std::string& name, const std::vector<std::string>& lockFolders) {
    PortFailure failure;
    failure.device = name;
    if (name.empty()) {
        failure.problem = PortProblem::NotSet;
        return failure;
    }
    char resolved[PATH_MAX];
    if (!::realpath(name.c_str(), resolved)) {
        const int error = errno;
        // A folder on the way this user may not search is no group matter.
        failure.problem =
            error == ENOENT || error == ENOTDIR ? PortProblem::Missing : PortProblem::Failed;
        failure.reason = std::strerror(error);
        return failure;
    }
    const std::string canonical = resolved;
    if (::access(canonical.c_str(), R_OK | W_OK) != 0) {
        const int error = errno;
        if (error != EACCES && error != EPERM) {
            failure.problem = PortProblem::Failed;
            failure.reason = std::strerror(error);
            return failure;
        }
        failure.problem = PortProblem::NoPermission;
        struct stat info {};
        if (::stat(canonical.c_str(), &info) == 0) {
            if (const group* owner = ::getgrgid(info.st_gid)) {
                failure.group = owner->gr_name;
            }
            failure.groupMayUse = (info.st_mode & S_IRGRP) && (info.st_mode & S_IWGRP);
        }
        return failure;
    }
    long pid = LockFileHolder(canonical, lockFolders);
    if (pid == 0) {
        pid = FlockHolder(canonical);
    }
    if (pid > 0) {
        failure.problem = PortProblem::Busy;
        failure.holder = DescribeProcess(pid);
    } else if (IsSystemConsole(canonical)) {
        failure.problem = PortProblem::Busy;
        failure.holder = kConsole;
    }
    return failure;
}

std::map<std::string, std::string> StableDeviceNames(const std::string& folder) {
    std::map<std::string, std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        std::error_code linkError;
        if (!entry.is_symlink(linkError)) {
            continue;
        }
        const fs::path target = fs::canonical(entry.path(), linkError);
        if (!linkError) {
            names.emplace(target.string(), entry.path().string());
        }
    }
    return names;
}

#endif

std::string DescribePortFailure(const PortFailure& failure) {
    const std::string& device = failure.device;
    switch (failure.problem) {
        case PortProblem::None:
            return {};
        case PortProblem::NotSet:
            return Fill(Msg("Model", "No serial port is set."));
        case PortProblem::Missing:
            return Fill(Msg("Model",
                            "There is no serial port %1. Check that the programming cable is "
                            "plugged in, or choose the port it appears as."),
                        device);
        case PortProblem::NoPermission:
            if (failure.groupMayUse && !failure.group.empty() && failure.group != "root") {
                return Fill(Msg("Model",
                                "You may not use %1: it belongs to the group \"%2\", and you are "
                                "not a member. Add yourself with\n    sudo usermod -aG %2 $USER\n"
                                "then log out and in again: the new group counts from the next "
                                "login."),
                            device, failure.group);
            }
            return Fill(Msg("Model",
                            "You may not use %1: only its owner may. Install the program's udev "
                            "rule or ask the administrator for access."),
                        device);
        case PortProblem::Busy:
            if (failure.holder == kConsole) {
                return Fill(Msg("Model",
                                "%1 is the system console, not a radio port. Choose another port."),
                            device);
            }
            if (failure.holder.empty()) {
                return Fill(
                    Msg("Model",
                        "%1 is in use by another program. Close that program and try again."),
                    device);
            }
            return Fill(Msg("Model",
                            "%1 is in use by another program (%2). Close that program and try "
                            "again."),
                        device, failure.holder);
        case PortProblem::Failed:
            if (failure.reason.empty()) {
                return Fill(Msg("Model", "Cannot open %1."), device);
            }
            return Fill(Msg("Model", "Cannot open %1: %2."), device, failure.reason);
    }
    return {};
}

}  // namespace ht57
