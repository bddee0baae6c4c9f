// Read and Write against ht57-sim paced at 9600 baud: session time against
// the time the bytes need on the wire, and the CPU the process spent.

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "link/CloneSession.h"
#include "link/SerialPortLink.h"
#include "support/SimulatorProcess.h"

namespace {

using namespace ht57;

constexpr int kBaud = 9600;
constexpr double kBitsPerByte = 10.0;  // start, 8 data, stop
// 2 ms before each handshake byte, 10 ms after the handshake.
constexpr double kProtocolPausesMs =
    wire::kHandshake.size() * wire::kHandshakePauseMs + wire::kAfterHandshakeMs;

struct Traffic {
    std::size_t toRadio = 0;
    std::size_t fromRadio = 0;
};

Traffic ExpectedTraffic(TransferKind kind) {
    const std::size_t handshake = wire::kHandshake.size();
    const std::size_t answer = 1 + wire::kIdentLength;
    if (kind == TransferKind::Read) {
        const std::size_t blocks = region::kReadEnd / 16;
        return {handshake + blocks * 5 + 1, answer + blocks * (1 + 4 + 16)};
    }
    const std::size_t blocks = region::kWriteEnd / 16;
    return {handshake + 1 + blocks * (4 + 16) + 1, answer + 1 + blocks};
}

double WireMs(std::size_t bytes) {
    return bytes * kBitsPerByte * 1000.0 / kBaud;
}

double CpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

bool Measure(TransferKind kind, int round) {
    test::SimulatorProcess sim({{"--baud", std::to_string(kBaud)}, std::nullopt});
    if (!sim.Started()) {
        std::fprintf(stderr, "cannot start ht57-sim: %s\n", sim.Error().c_str());
        return false;
    }
    Image image{};
    image.fill(0x5A);
    SerialPortLink link;
    CloneSession session(
        link, image, {sim.PortName(), kBaud},
        kind == TransferKind::Read ? TransferPlan::ForRead() : TransferPlan::ForWrite());

    const double cpuBefore = CpuMs();
    const auto start = std::chrono::steady_clock::now();
    const LinkOutcome outcome = session.Run();
    const double wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const double cpuMs = CpuMs() - cpuBefore;

    const Traffic traffic = ExpectedTraffic(kind);
    const double limitMs = WireMs(traffic.toRadio + traffic.fromRadio) + kProtocolPausesMs;
    // A pseudo-terminal delivers the PC's bytes at once; only the simulated
    // radio's answers are paced, so this is the least a session can take here.
    const double pacedFloorMs = WireMs(traffic.fromRadio) + kProtocolPausesMs;
    std::printf(
        "%-5s #%d %-9s session %7.1f ms | wire limit %7.1f ms (%zu+%zu bytes @%d) ratio %.3f"
        " | paced floor %7.1f ms ratio %.3f | CPU %6.1f ms (%.1f%% of session)\n",
        kind == TransferKind::Read ? "Read" : "Write", round,
        outcome == LinkOutcome::Succeeded ? "ok" : "FAILED", wallMs, limitMs, traffic.toRadio,
        traffic.fromRadio, kBaud, wallMs / limitMs, pacedFloorMs, wallMs / pacedFloorMs, cpuMs,
        100.0 * cpuMs / wallMs);
    return outcome == LinkOutcome::Succeeded;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    bool ok = true;
    for (TransferKind kind : {TransferKind::Read, TransferKind::Write}) {
        for (int round = 1; round <= rounds; ++round) {
            ok = Measure(kind, round) && ok;
        }
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
