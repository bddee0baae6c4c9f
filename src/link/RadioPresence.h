#pragma once

#include <functional>

#include "link/SerialLink.h"

namespace ht57 {

// Whether a radio answers on the port: it opens, sends one handshake, takes
// the identification and ends the session with the read end byte, as a Read
// of nothing would; the radio's memory is neither read nor changed. False at
// once when the port cannot be opened or another session of this process
// holds it, else after at most one handshake wait.
bool RadioAnswers(SerialLink& link, const PortSettings& settings);

// Asks RadioAnswers every `pollMs` until its answer is `answers`: a radio
// swapped on one cable is first gone (its port vanished, or it no longer
// answers) and then the next one answers under the same port name. False
// when `stop` said so first; `stop` is asked between tries.
bool WaitForRadio(SerialLink& link, const PortSettings& settings, bool answers, int pollMs,
                  const std::function<bool()>& stop);

}  // namespace ht57
