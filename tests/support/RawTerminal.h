#pragma once

#include <chrono>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/Image.h"

namespace ht57::test {

// A terminal opened with plain termios in raw mode, so the simulator's tests
// do not depend on the program's own serial code.
class RawTerminal {
public:
    explicit RawTerminal(const std::string& path);
    ~RawTerminal();

    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    void Send(const std::vector<Byte>& bytes);
    void Send(std::initializer_list<Byte> bytes) { Send(std::vector<Byte>(bytes)); }
    // The handshake, one byte at a time as the program sends it.
    void SendHandshake();

    // Collects up to `count` bytes, returning early only on time-out.
    std::vector<Byte> Receive(std::size_t count,
                              std::chrono::milliseconds timeout = std::chrono::milliseconds(1500));

    // Everything that arrives until the line has been quiet for `quiet`.
    std::vector<Byte> Drain(std::chrono::milliseconds quiet = std::chrono::milliseconds(200));

private:
    int fd_ = -1;
};

}  // namespace ht57::test
