#include "link/RadioPresence.h"

#include <array>

#include "link/CloneSession.h"
#include "link/Handshake.h"
#include "link/PortClaims.h"

namespace ht57 {

bool RadioAnswers(SerialLink& link, const PortSettings& settings) {
    if (!ClaimPort(settings.name)) {
        return false;
    }
    bool answered = false;
    if (link.Open(settings)) {
        if (Handshake(link, 1)) {
            Pause(wire::kAfterHandshakeMs);
            std::array<Byte, wire::kIdentLength> ident{};
            answered = link.Read(ident) == ident.size();
            // Leaves the radio as a finished Read does.
            link.Purge();
            WriteByte(link, wire::kReadEnd);
        }
        link.Close();
    }
    ReleasePort(settings.name);
    return answered;
}

bool WaitForRadio(SerialLink& link, const PortSettings& settings, bool answers, int pollMs,
                  const std::function<bool()>& stop) {
    constexpr int kSlice = 50;
    while (!stop()) {
        if (RadioAnswers(link, settings) == answers) {
            return true;
        }
        // In slices, so a stop is heard soon.
        for (int waited = 0; waited < pollMs && !stop(); waited += kSlice) {
            Pause(kSlice);
        }
    }
    return false;
}

}  // namespace ht57
