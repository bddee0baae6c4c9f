#include "CliOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "CliOptions.h"
#include "model/FileAccess.h"

namespace ht57::cli {
namespace {

bool NamesStandardOutput(const std::string& output) {
    if (output.empty() || output == kStandardStream) {
        return true;
    }
    struct stat target {};
    struct stat out {};
    return ::stat(output.c_str(), &target) == 0 && ::fstat(STDOUT_FILENO, &out) == 0 &&
           target.st_dev == out.st_dev && target.st_ino == out.st_ino;
}

bool IsStreamOrDevice(const std::string& output) {
    struct stat target {};
    return ::stat(output.c_str(), &target) == 0 &&
           (S_ISCHR(target.st_mode) || S_ISFIFO(target.st_mode) || S_ISSOCK(target.st_mode));
}

bool IsTerminal(const std::string& output) {
    if (NamesStandardOutput(output)) {
        return ::isatty(STDOUT_FILENO) != 0;
    }
    struct stat target {};
    if (::stat(output.c_str(), &target) != 0 || !S_ISCHR(target.st_mode)) {
        return false;
    }
    const int fd = ::open(output.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const bool terminal = fd >= 0 && ::isatty(fd) != 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return terminal;
}

Result WriteAll(int fd, std::span<const Byte> bytes, const std::string& name) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return Result::Failure(SystemErrorText(errno), "Cannot write " + name);
        }
        done += static_cast<std::size_t>(n);
    }
    return Result::Success();
}

Result WriteTo(const std::string& output, std::span<const Byte> bytes) {
    if (NamesStandardOutput(output)) {
        std::fflush(stdout);
        return WriteAll(STDOUT_FILENO, bytes, "standard output");
    }
    if (IsStreamOrDevice(output)) {
        const int fd = ::open(output.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            return Result::Failure(SystemErrorText(errno), "Cannot open " + output);
        }
        Result written = WriteAll(fd, bytes, output);
        ::close(fd);
        return written;
    }
    return WriteFileAtomically(output, bytes);
}

}  // namespace

Result WriteTextOutput(const std::string& output, std::string_view text) {
    return WriteTo(output, std::span(reinterpret_cast<const Byte*>(text.data()), text.size()));
}

Result CheckDataOutput(const std::string& output) {
    if ((NamesStandardOutput(output) || IsStreamOrDevice(output)) && IsTerminal(output)) {
        return Result::Failure("A data file is not written to a terminal",
                               "redirect standard output or give -o FILE.dat");
    }
    // Whether a file can be written is the atomic-write rule's to say, as
    // for the program's Save.
    return Result::Success();
}

Result WriteDataOutput(const std::string& output, std::span<const Byte> bytes) {
    if (Result ok = CheckDataOutput(output); !ok) {
        return ok;
    }
    return WriteTo(output, bytes);
}

}  // namespace ht57::cli
