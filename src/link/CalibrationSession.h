#pragma once

#include <array>

#include "link/LinkOutcome.h"
#include "link/SerialLink.h"
#include "model/Image.h"

namespace ht57 {

namespace calibration {
// 'g', address 0x0FF0 high byte first, 16 bytes.
inline constexpr std::array<Byte, 4> kCommand{0x67, 0x0F, 0xF0, 0x10};
inline constexpr Byte kEnd = 'b';
inline constexpr int kHandshakeAttempts = 3;
inline constexpr int kRowCount = 6;             // LL, ML, HL, LH, MH, HH
inline constexpr std::size_t kSelectedRow = 6;  // block byte naming the row last adjusted
inline constexpr std::size_t kIdentValues = 7;  // identification bytes 7..12 hold the six values
inline constexpr int kMinValue = 1;
inline constexpr int kMaxValue = 250;
}  // namespace calibration

using CalibrationBlock = std::array<Byte, region::kCalibrationSize>;

// The live power calibration exchange with the radio. The session owns a
// working block laid out like image bytes 0xFF0..0xFFF; it goes to the radio
// on opening and after every adjustment, and into the image when the session
// ends. High and low power use the same exchange.
//
// Opening sends the working block (the radio's six values from its
// identification reply plus the image's other ten bytes), so opening and
// closing without adjusting leaves the radio as it was even when the image
// came from a file or another radio.
//
// All calls block the calling thread for at most the port time-outs.
class CalibrationSession {
public:
    CalibrationSession(SerialLink& link, Image& image, PortSettings settings);
    // Ends an open session (sending 'b' and storing the block).
    ~CalibrationSession();

    CalibrationSession(const CalibrationSession&) = delete;
    CalibrationSession& operator=(const CalibrationSession&) = delete;

    // Opens the port, handshakes, takes the radio's values and sends the
    // opening block. PortOpenFailed or CommunicationError leave the port
    // closed, nothing stored and no end byte sent.
    LinkOutcome Open();

    // Sets row (0..5) to value and sends the whole working block. On a wrong
    // answer the session is ended (block stored, 'b' sent) and
    // CommunicationError returned; without an open session nothing is sent and
    // NotConnected is returned.
    LinkOutcome Exchange(int row, Byte value);

    // Sends 'b', closes the port and stores the working block in the image.
    // Does nothing when no session is open.
    void End();

    bool IsOpen() const { return open_; }
    const CalibrationBlock& WorkingBlock() const { return block_; }
    Byte Value(int row) const { return block_[static_cast<std::size_t>(row)]; }

private:
    void SendCommand();
    LinkOutcome FailOpening();

    SerialLink& link_;
    Image& image_;
    PortSettings settings_;
    CalibrationBlock block_{};
    bool open_ = false;
};

}  // namespace ht57
