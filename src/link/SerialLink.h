#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "link/PortAccess.h"
#include "model/Image.h"

namespace ht57 {

// Line settings every session uses, whatever the engine.
namespace port {
inline constexpr int kInputQueue = 1024;
inline constexpr int kOutputQueue = 512;
// A read gives up when 50 ms pass between two bytes once data has started
// to arrive, or when 100 ms per requested byte plus 500 ms have passed.
inline constexpr int kReadIntervalMs = 50;
inline constexpr int kReadTotalPerByteMs = 100;
inline constexpr int kReadTotalConstantMs = 500;
inline constexpr int kWriteTotalPerByteMs = 100;
inline constexpr int kWriteTotalConstantMs = 100;
inline constexpr int kDefaultBaudRate = 9600;
}  // namespace port

// Which port a session opens and at which rate. The name is used exactly as
// stored: "COM3", "\\.\COM12", "/dev/ttyUSB0" or a pseudo-terminal path.
struct PortSettings {
    std::string name;
    int baudRate = port::kDefaultBaudRate;
};

// The serial line as the protocol engines see it. One object serves one
// session at a time: Open, any number of Purge/Write/Read, Close. All calls
// block the calling thread and are made from one thread per session.
class SerialLink {
public:
    virtual ~SerialLink() = default;

    // Opens the port exclusively with 8 data bits, no parity, one stop bit, no
    // flow control and the given baud rate. False when the port cannot be
    // opened, and OpenFailure() says why; settings the device refuses (a
    // pseudo-terminal has no line) are tolerated.
    virtual bool Open(const PortSettings& settings) = 0;

    // Why the last Open failed; no problem after one that succeeded.
    virtual PortFailure OpenFailure() const = 0;

    // True once the port has failed (the device went away): from then on
    // reads return nothing and writes do nothing, at once, until the next Open.
    virtual bool Broken() const = 0;

    // Discards whatever waits in the receive and transmit queues.
    virtual void Purge() = 0;

    // Sends the bytes and returns once they have left this process, so pauses
    // between writes appear on the line. Failures are not reported; they show
    // up as a missing answer.
    virtual void Write(std::span<const Byte> bytes) = 0;

    // Reads up to buffer.size() bytes within the port time-outs above and
    // returns how many arrived (0 when nothing came).
    virtual std::size_t Read(std::span<Byte> buffer) = 0;

    // Lets pending output drain and closes the port. Harmless when closed.
    virtual void Close() = 0;

    virtual bool IsOpen() const = 0;
};

}  // namespace ht57
