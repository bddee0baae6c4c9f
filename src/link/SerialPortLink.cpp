#include "link/SerialPortLink.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSerialPort>
#include <QThread>
#include <algorithm>
#include <chrono>

#ifndef _WIN32
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <cerrno>
#endif

namespace ht57 {

namespace {

using Clock = std::chrono::steady_clock;

int MsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

}  // namespace

SerialPortLink::SerialPortLink() = default;

SerialPortLink::~SerialPortLink() {
    Close();
}

bool SerialPortLink::Open(const PortSettings& settings) {
    Close();
    broken_ = false;
    failure_ = CheckPortAccess(settings.name, DefaultLockFolders());
    if (failure_) {
        return false;
    }
    // Every name of one adapter locks the same device.
    if (!OpenDevice(settings, CanonicalPortPath(settings.name))) {
        return false;
    }
    failure_ = {};
    return true;
}

bool SerialPortLink::OpenDevice(const PortSettings& settings, const std::string& device) {
    // The port watches its descriptor with socket notifiers, which need an
    // event dispatcher in this thread; a plain std::thread has none until an
    // event loop object asks for one.
    if (QCoreApplication::instance() != nullptr &&
        QThread::currentThread()->eventDispatcher() == nullptr) {
        QEventLoop ensureDispatcher;
    }
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(QString::fromStdString(device));
    // A rate the line cannot take (a BaudRate key without digits gives 0) is
    // left out, as the port would refuse to open with it; the line then runs
    // at Qt's default 9600.
    if (settings.baudRate > 0) {
        port->setBaudRate(settings.baudRate);
    }
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setReadBufferSize(port::kInputQueue);
    failure_ = PortFailure{};
    failure_.device = settings.name;
    if (!port->open(QIODevice::ReadWrite)) {
        switch (port->error()) {
            case QSerialPort::DeviceNotFoundError:
                failure_.problem = PortProblem::Missing;
                break;
            case QSerialPort::PermissionError:
                // This user may use the device (checked above), so the refusal
                // is a lock another program holds or its exclusive mode.
                failure_.problem = PortProblem::Busy;
                failure_.holder = FindPortHolder(device, DefaultLockFolders());
                break;
            default:
                failure_.problem = PortProblem::Failed;
                failure_.reason = port->errorString().toStdString();
                break;
        }
        return false;
    }
#ifndef _WIN32
    // Qt's lock file only keeps out programs that look for it under the same
    // name, and root passes the terminal's exclusive mode; an flock on the
    // device itself holds against both.
    const int fd = static_cast<int>(port->handle());
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failure_.problem = PortProblem::Busy;
        failure_.holder = FindPortHolder(device, DefaultLockFolders());
        port->close();
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
#endif
    // Line settings a pseudo-terminal refuses leave an error behind that must
    // not stick to later calls.
    port->clearError();
    port_ = std::move(port);
    return true;
}

void SerialPortLink::NoteError() {
    const QSerialPort::SerialPortError error = port_->error();
    port_->clearError();
    switch (error) {
        case QSerialPort::ResourceError:
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
        case QSerialPort::DeviceNotFoundError:
            broken_ = true;
            break;
        default:
            break;
    }
}

void SerialPortLink::Purge() {
    if (!port_ || broken_) {
        return;
    }
#ifdef _WIN32
    port_->clear(QSerialPort::AllDirections);
#else
    // Every Write has drained already, so the transmit side holds nothing of
    // ours; flushing it anyway would, on a pseudo-terminal, throw away bytes
    // the far end simply has not read yet.
    port_->clear(port_->bytesToWrite() > 0 ? QSerialPort::AllDirections : QSerialPort::Input);
#endif
    port_->clearError();
}

void SerialPortLink::Write(std::span<const Byte> bytes) {
    if (!port_ || broken_ || bytes.empty()) {
        return;
    }
    const int limitMs =
        port::kWriteTotalPerByteMs * static_cast<int>(bytes.size()) + port::kWriteTotalConstantMs;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    port_->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Without an event loop nothing leaves Qt's buffer unless we wait for it.
    while (port_->bytesToWrite() > 0) {
        const int left = MsUntil(deadline);
        if (left == 0 || !port_->waitForBytesWritten(left)) {
            break;
        }
    }
    NoteError();
#ifndef _WIN32
    // Handed to the driver is not yet on the wire: wait until the UART has
    // sent them, so pauses between writes are pauses on the line.
    if (!broken_ && port_->bytesToWrite() == 0 &&
        ::tcdrain(static_cast<int>(port_->handle())) != 0 && errno == EIO) {
        broken_ = true;
    }
#endif
}

std::size_t SerialPortLink::Read(std::span<Byte> buffer) {
    if (!port_ || broken_ || buffer.empty()) {
        return 0;
    }
    const int totalMs =
        port::kReadTotalPerByteMs * static_cast<int>(buffer.size()) + port::kReadTotalConstantMs;
    const auto deadline = Clock::now() + std::chrono::milliseconds(totalMs);
    const auto interval = std::chrono::milliseconds(port::kReadIntervalMs);
    std::size_t got = 0;
    Clock::time_point lastByte{};
    for (;;) {
        const qint64 n = port_->read(reinterpret_cast<char*>(buffer.data() + got),
                                     static_cast<qint64>(buffer.size() - got));
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            lastByte = Clock::now();
        }
        if (got == buffer.size()) {
            break;
        }
        int waitMs = MsUntil(deadline);
        if (got > 0) {
            // The gap between bytes is measured only once data has started.
            waitMs = std::min(waitMs, MsUntil(lastByte + interval));
        }
        if (waitMs == 0) {
            break;
        }
        if (!port_->waitForReadyRead(waitMs)) {
            // A vanished device fails at once; waiting on would only spin.
            NoteError();
            if (broken_) {
                break;
            }
        }
    }
    return got;
}

void SerialPortLink::Close() {
    if (!port_) {
        return;
    }
    if (port_->isOpen()) {
        if (!broken_ && port_->bytesToWrite() > 0) {
            port_->waitForBytesWritten(port::kWriteTotalConstantMs);
        }
#ifndef _WIN32
        // Let the final byte ('E', "ENDW" or 'b') leave the UART before the
        // descriptor goes.
        if (!broken_) {
            ::tcdrain(static_cast<int>(port_->handle()));
        }
#endif
        port_->close();
    }
    port_.reset();
}

bool SerialPortLink::IsOpen() const {
    return port_ && port_->isOpen();
}

}  // namespace ht57
