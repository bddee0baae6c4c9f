#include "link/CalibrationSession.h"

#include <algorithm>

#include "link/CloneSession.h"
#include "link/Handshake.h"

namespace ht57 {

namespace {

constexpr int kAfterOpeningMs = 1;
constexpr int kBeforeEndMs = 2;

}  // namespace

CalibrationSession::CalibrationSession(SerialLink& link, Image& image, PortSettings settings)
    : link_(link), image_(image), settings_(std::move(settings)) {
    std::copy_n(image_.begin() + region::kCalibration, block_.size(), block_.begin());
}

CalibrationSession::~CalibrationSession() {
    Close();
}

void CalibrationSession::SendCommand() {
    for (Byte b : calibration::kCommand) {
        Pause(wire::kHandshakePauseMs);
        WriteByte(link_, b);
    }
}

LinkOutcome CalibrationSession::FailOpening() {
    link_.Close();
    return LinkOutcome::CommunicationError;
}

LinkOutcome CalibrationSession::Open() {
    if (started_) {
        return LinkOutcome::Succeeded;
    }
    std::copy_n(image_.begin() + region::kCalibration, block_.size(), block_.begin());
    const LinkOutcome outcome = Connect(true);
    if (outcome == LinkOutcome::Succeeded) {
        opening_ = block_;
        started_ = true;
        adjusted_ = false;
    }
    return outcome;
}

LinkOutcome CalibrationSession::Connect(bool takeRadioValues) {
    if (!link_.Open(settings_)) {
        return LinkOutcome::PortOpenFailed;
    }
    // A radio that never answered may still send its identification, so the
    // outcome of the handshake itself decides nothing.
    Handshake(link_, calibration::kHandshakeAttempts);
    Pause(wire::kAfterHandshakeMs);
    std::array<Byte, wire::kIdentLength> ident{};
    if (link_.Read(ident) < ident.size()) {
        return FailOpening();
    }
    if (takeRadioValues) {
        // The radio's own values, not the image's: the image may come from a
        // file or another radio and must not reprogram this radio's power unasked.
        std::copy_n(ident.begin() + calibration::kIdentValues, calibration::kRowCount,
                    block_.begin());
    }

    Pause(wire::kAfterHandshakeMs);
    link_.Purge();
    WriteByte(link_, wire::kBlockPrefix);
    SendCommand();
    link_.Write(block_);
    SkipBytes(link_, 1);
    Byte answer = 0;
    if (link_.Read(std::span<Byte>(&answer, 1)) != 1 || answer != wire::kAck) {
        return FailOpening();
    }
    Pause(kAfterOpeningMs);
    link_.Purge();
    WriteByte(link_, wire::kBlockPrefix);
    open_ = true;
    return LinkOutcome::Succeeded;
}

LinkOutcome CalibrationSession::Exchange(int row, Byte value) {
    if (!open_ || row < 0 || row >= calibration::kRowCount) {
        return LinkOutcome::NotConnected;
    }
    // The radio's power register never sees a value the sliders cannot show.
    const Byte clamped =
        static_cast<Byte>(std::clamp<int>(value, calibration::kMinValue, calibration::kMaxValue));
    link_.Purge();
    WriteByte(link_, wire::kBlockPrefix);
    SendCommand();
    block_[calibration::kSelectedRow] = static_cast<Byte>(row);
    block_[static_cast<std::size_t>(row)] = clamped;
    adjusted_ = true;
    link_.Write(block_);
    Byte answer = 0;
    if (link_.Read(std::span<Byte>(&answer, 1)) == 1 && wire::IsAck(answer)) {
        return LinkOutcome::Succeeded;
    }
    Close();
    return LinkOutcome::CommunicationError;
}

void CalibrationSession::End() {
    Close();
    if (started_) {
        std::copy(block_.begin(), block_.end(), image_.begin() + region::kCalibration);
        started_ = false;
    }
}

LinkOutcome CalibrationSession::Revert() {
    if (!started_) {
        return LinkOutcome::NotConnected;
    }
    started_ = false;
    block_ = opening_;
    LinkOutcome outcome = LinkOutcome::Succeeded;
    if (adjusted_ && open_) {
        link_.Purge();
        WriteByte(link_, wire::kBlockPrefix);
        SendCommand();
        link_.Write(block_);
        Byte answer = 0;
        if (link_.Read(std::span<Byte>(&answer, 1)) != 1 || !wire::IsAck(answer)) {
            outcome = LinkOutcome::CommunicationError;
        }
    } else if (adjusted_) {
        // The link went with a refused block; the radio may hold any of the
        // blocks sent since the opening.
        outcome = Connect(false);
    }
    adjusted_ = false;
    Close();
    return outcome;
}

void CalibrationSession::Close() {
    if (!open_) {
        return;
    }
    link_.Purge();
    Pause(kBeforeEndMs);
    WriteByte(link_, calibration::kEnd);
    link_.Close();
    open_ = false;
}

}  // namespace ht57
