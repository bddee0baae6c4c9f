#include "link/Handshake.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include "link/CPerfTimer.h"
#include "link/CloneSession.h"

namespace ht57 {

void Pause(int ms) {
#ifdef __EMSCRIPTEN__
    // A page has one thread: the pause hands it back to the browser.
    emscripten_sleep(static_cast<unsigned>(ms));
#else
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
#endif
}

void WriteByte(SerialLink& link, Byte b) {
    link.Write(std::span<const Byte>(&b, 1));
}

void SkipBytes(SerialLink& link, std::size_t n) {
    std::array<Byte, wire::kMaxBlock> scratch{};
    link.Read(std::span<Byte>(scratch.data(), std::min(n, scratch.size())));
}

bool Handshake(SerialLink& link, int attempts) {
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        link.Purge();
        // The radio expects the bytes paced, not as one burst.
        for (Byte b : wire::kHandshake) {
            Pause(wire::kHandshakePauseMs);
            WriteByte(link, b);
        }
        CPerfTimer timer;
        do {
            Byte answer = 0;
            if (link.Read(std::span<Byte>(&answer, 1)) == 1 && wire::IsAck(answer)) {
                return true;
            }
            // A port that failed answers every read at once: waiting out the
            // attempts would only spin.
            if (link.Broken()) {
                return false;
            }
        } while (timer.ElapsedMs() <= wire::kHandshakeWaitMs);
    }
    return false;
}

}  // namespace ht57
