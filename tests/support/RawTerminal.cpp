#include "RawTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <thread>

namespace ht57::test {

RawTerminal::RawTerminal(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    termios tio{};
    ::tcgetattr(fd_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(fd_, TCSANOW, &tio);
    ::tcflush(fd_, TCIOFLUSH);
}

RawTerminal::~RawTerminal() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void RawTerminal::Send(const std::vector<Byte>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

void RawTerminal::SendHandshake() {
    for (Byte b : std::initializer_list<Byte>{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02}) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        Send({b});
    }
}

std::vector<Byte> RawTerminal::Receive(std::size_t count, std::chrono::milliseconds timeout) {
    std::vector<Byte> out;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (out.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        Byte buffer[256];
        const std::size_t want = std::min(sizeof buffer, count - out.size());
        const ssize_t n = ::read(fd_, buffer, want);
        if (n > 0) {
            out.insert(out.end(), buffer, buffer + n);
        }
    }
    return out;
}

std::vector<Byte> RawTerminal::Drain(std::chrono::milliseconds quiet) {
    std::vector<Byte> out;
    while (true) {
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, static_cast<int>(quiet.count())) <= 0) {
            return out;
        }
        Byte buffer[256];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0) {
            return out;
        }
        out.insert(out.end(), buffer, buffer + n);
    }
}

}  // namespace ht57::test
