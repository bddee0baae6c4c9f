#include "PseudoTerminal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace ht57::sim {
namespace {

std::string ErrnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

}  // namespace

std::optional<PseudoTerminal> PseudoTerminal::Open(std::string& error) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0) {
        error = ErrnoText("posix_openpt");
        return std::nullopt;
    }
    std::array<char, 128> name{};
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, name.data(), name.size()) != 0) {
        error = ErrnoText("pseudo-terminal set-up");
        ::close(master);
        return std::nullopt;
    }
    const int slave = ::open(name.data(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        error = ErrnoText(name.data());
        ::close(master);
        return std::nullopt;
    }
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        tio.c_cc[VMIN] = 1;
        tio.c_cc[VTIME] = 0;
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    const int flags = ::fcntl(master, F_GETFL);
    ::fcntl(master, F_SETFL, flags | O_NONBLOCK);
    return PseudoTerminal(master, slave, name.data());
}

PseudoTerminal::PseudoTerminal(int master, int slave, std::string slavePath)
    : master_(master), slave_(slave), slavePath_(std::move(slavePath)) {}

PseudoTerminal::PseudoTerminal(PseudoTerminal&& other) noexcept
    : master_(other.master_), slave_(other.slave_), slavePath_(std::move(other.slavePath_)) {
    other.master_ = -1;
    other.slave_ = -1;
}

PseudoTerminal::~PseudoTerminal() {
    if (slave_ >= 0) {
        ::close(slave_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

std::optional<StableLink> StableLink::Create(const std::string& path, const std::string& target,
                                             std::string& error) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = path + ": exists and is not a symbolic link; not replacing it";
        return std::nullopt;
    }
    // Made under a temporary name and renamed, so the name never points
    // nowhere while another run's stale link is being replaced.
    const std::string temp = path + ".new" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(target.c_str(), temp.c_str()) != 0) {
        error = ErrnoText(temp);
        return std::nullopt;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        error = ErrnoText(path);
        ::unlink(temp.c_str());
        return std::nullopt;
    }
    return StableLink(path, target);
}

StableLink::StableLink(StableLink&& other) noexcept
    : path_(std::move(other.path_)), target_(std::move(other.target_)) {
    other.path_.clear();
}

StableLink::~StableLink() {
    if (path_.empty()) {
        return;
    }
    std::array<char, 256> current{};
    const ssize_t n = ::readlink(path_.c_str(), current.data(), current.size() - 1);
    if (n > 0 && std::string(current.data(), static_cast<std::size_t>(n)) == target_) {
        ::unlink(path_.c_str());
    }
}

}  // namespace ht57::sim
