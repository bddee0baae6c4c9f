#pragma once

#include <memory>

#include "link/SerialLink.h"

class QSerialPort;

namespace ht57 {

// SerialLink on QSerialPort, for real ports and pseudo-terminals alike. Made
// for a worker thread without an event loop: every write waits until its
// bytes have been handed to the device and reads wait with the port
// time-outs. The QSerialPort is created by Open on the calling thread, which
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

private:
    std::unique_ptr<QSerialPort> port_;
};

}  // namespace ht57
