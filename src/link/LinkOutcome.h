#pragma once

#include <cstdint>
#include <optional>

#include "model/UserText.h"

namespace ht57 {

// How a session with the radio ended.
enum class LinkOutcome {
    Succeeded,
    PortOpenFailed,      // the port could not be opened; nothing was sent
    CommunicationError,  // the radio did not answer as expected
    Cancelled,           // the user stopped a clone session between blocks
    Busy,                // another clone session is running; nothing was done
    NotConnected,        // a calibration exchange without an open session
};

enum class TransferKind { Read, Write };

// The step a clone session was in when it ended; End once every block has
// gone and the end byte has been sent.
enum class ClonePhase { Opening, Handshake, Identification, Blocks, End };

// How far a clone session got. For a Write, blocksDone counts the blocks the
// radio acknowledged: a Write that stops in the Blocks phase may have left
// the radio holding those (and perhaps the failing one) of the new data.
struct CloneReport {
    TransferKind kind = TransferKind::Read;
    LinkOutcome outcome = LinkOutcome::Busy;
    ClonePhase phase = ClonePhase::Opening;
    int blocksDone = 0;
    int totalBlocks = 0;
    int bytesDone = 0;
    // The block whose answer was missing, wrong or refused.
    std::optional<std::uint16_t> failedAddress;
};

// The message box text for an outcome, or nullptr when the outcome shows none.
// "Fail to open port " ends in a blank and never carries the port name. The
// text is English; the window showing it translates it in context "Model".
inline const char* OutcomeMessage(LinkOutcome outcome) {
    switch (outcome) {
        case LinkOutcome::PortOpenFailed:
            return Msg("Model", "Fail to open port ");
        case LinkOutcome::CommunicationError:
            return Msg("Model", "Communication error");
        default:
            return nullptr;
    }
}

}  // namespace ht57
