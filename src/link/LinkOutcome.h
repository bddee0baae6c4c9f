#pragma once

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
