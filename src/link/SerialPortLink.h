#pragma once

#include <memory>

#include "link/SerialLink.h"

class QSerialPort;

namespace ht57 {

// SerialLink on QSerialPort, for real ports and pseudo-terminals alike. Made
// for a worker thread without an event loop: every write waits until its
// bytes have been handed to the device and reads wait with the port
// time-outs. The port is opened by its real device path, whatever link
// names it, and held with the device's lock file, an flock and the terminal's
// exclusive mode, so no second program reaches the radio by another name. The
// QSerialPort is created by Open on the calling thread, which
// may be any thread as long as a QCoreApplication exists in the process.
class SerialPortLink : public SerialLink {
public:
    SerialPortLink();
    ~SerialPortLink() override;

    bool Open(const PortSettings& settings) override;
    void Purge() override;
    void Write(std::span<const Byte> bytes) override;
    std::size_t Read(std::span<Byte> buffer) override;
    void Close() override;
    bool IsOpen() const override;
    PortFailure OpenFailure() const override { return failure_; }
    bool Broken() const override { return broken_; }

private:
    bool OpenDevice(const PortSettings& settings, const std::string& device);
    // Remembers a failure of the open line; a time-out is none.
    void NoteError();

    std::unique_ptr<QSerialPort> port_;
    PortFailure failure_;
    bool broken_ = false;
};

}  // namespace ht57
