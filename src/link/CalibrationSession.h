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
// on opening and after every adjustment. End keeps it: the radio holds it and
// the image receives it. Revert gives the radio back the block it was sent on
// opening and leaves the image as it was. High and low power use the same
// exchange.
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
    // Leaves an open session with 'b'; stores nothing.
    ~CalibrationSession();

    CalibrationSession(const CalibrationSession&) = delete;
    CalibrationSession& operator=(const CalibrationSession&) = delete;

    // Opens the port, handshakes, takes the radio's values and sends the
    // opening block. PortOpenFailed or CommunicationError leave the port
    // closed, nothing stored and no end byte sent.
    LinkOutcome Open();

    // Sets row (0..5) to value and sends the whole working block. On a wrong
    // answer the link is closed ('b' sent, nothing stored) and
    // CommunicationError returned; without an open link nothing is sent and
    // NotConnected is returned.
    LinkOutcome Exchange(int row, Byte value);

    // Keeps the values: sends 'b' if the link is still open, closes the port
    // and stores the working block in the image. Does nothing when the session
    // never opened.
    void End();

    // Takes the adjustments back: sends the opening block again (over a new
    // handshake when the link has gone), then 'b'. The image is not touched.
    // Nothing is sent when no adjustment went out. The outcome tells whether
    // the radio took the block; NotConnected when the session never opened.
    LinkOutcome Revert();

    // The link is open.
    bool IsOpen() const { return open_; }
    const CalibrationBlock& WorkingBlock() const { return block_; }
    Byte Value(int row) const { return block_[static_cast<std::size_t>(row)]; }

private:
    void SendCommand();
    LinkOutcome FailOpening();
    // Port, handshake, identification and the opening frame with block_;
    // with takeRadioValues the six values come from the identification first.
    LinkOutcome Connect(bool takeRadioValues);
    void Close();

    SerialLink& link_;
    Image& image_;
    PortSettings settings_;
    CalibrationBlock block_{};
    CalibrationBlock opening_{};
    bool open_ = false;
    bool started_ = false;   // Open succeeded and neither End nor Revert has run
    bool adjusted_ = false;  // an adjustment went out since the opening
};

}  // namespace ht57
