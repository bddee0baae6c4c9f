#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "link/LinkOutcome.h"
#include "link/SerialLink.h"
#include "model/Image.h"

namespace ht57 {

// Bytes of the clone protocol.
namespace wire {
inline constexpr std::array<Byte, 8> kHandshake{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
inline constexpr Byte kAck = 0x06;
inline constexpr Byte kAltAck = 0x16;
inline constexpr Byte kBlockPrefix = 0x06;
inline constexpr Byte kReadCommand = 'R';
inline constexpr Byte kWriteCommand = 'W';
inline constexpr Byte kReadEnd = 0x06;
inline constexpr Byte kWriteEnd = 'E';
inline constexpr std::array<Byte, 4> kWriteAbort{'E', 'N', 'D', 'W'};
inline constexpr std::size_t kIdentLength = 13;
// Byte 5 of the identification reply is 'U' on the UHF variant.
inline constexpr std::size_t kIdentBandByte = 5;
inline constexpr Byte kIdentUhf = 'U';
inline constexpr int kHandshakePauseMs = 2;
inline constexpr int kHandshakeWaitMs = 1000;
inline constexpr int kAfterHandshakeMs = 10;
inline constexpr std::size_t kMaxBlock = 16;

inline bool IsAck(Byte b) {
    return b == kAck || b == kAltAck;
}
}  // namespace wire

// An address range of the radio's memory, start inclusive, end exclusive.
struct TransferRange {
    std::uint16_t start = 0;
    std::uint16_t end = 0;
};

// One frame's worth of memory: never crosses a 16-byte boundary.
struct TransferBlock {
    std::uint16_t address = 0;
    std::uint8_t length = 0;
    friend bool operator==(const TransferBlock&, const TransferBlock&) = default;
};

// The block rule: each range is cut at every 16-byte boundary and at its end.
std::vector<TransferBlock> SplitIntoBlocks(std::span<const TransferRange> ranges);
int CountBlocks(std::span<const TransferRange> ranges);

// What a clone session moves: the whole image for Read, everything below the
// calibration block for Write.
struct TransferPlan {
    TransferKind kind = TransferKind::Read;
    std::vector<TransferRange> ranges;

    static TransferPlan ForRead();
    static TransferPlan ForWrite();
};

// Called on the session's thread. Progress counts finished blocks of the
// plan's total; the transfer dialog turns it into "%d%%".
struct CloneCallbacks {
    std::function<void()> portOpened;
    std::function<void(int done, int total)> progress;
    // The last thing a session does, on its thread, after the port has been
    // closed and released for the next session. Not called when a session is
    // refused because another one runs on the port.
    std::function<void(LinkOutcome)> finished;
};

// One Read or Write of the radio's memory over a serial link.
//
// A Read fills a private copy and replaces the image (then sets the band flag
// from the identification reply) only when every block has arrived; a failed
// or cancelled Read leaves the image as it was. Every read answer is checked:
// a lead byte, the echo of the requested address and length, then exactly
// the data asked for. An answer that falls short or names another block is
// drained and asked for again, a few times, before the session fails at that
// block's address; it never becomes data. A Write reads the image and
// never changes it.
//
// Only one clone session runs at a time on a port: Run and Start claim the
// port's name before doing anything and return Busy / false when another
// session of the process holds it. Sessions on other ports run alongside. The
// image, the link and the callbacks must outlive the session; the destructor
// waits for a started session to finish.
class CloneSession {
public:
    CloneSession(SerialLink& link, Image& image, PortSettings settings, TransferPlan plan,
                 CloneCallbacks callbacks = {});
    ~CloneSession();

    CloneSession(const CloneSession&) = delete;
    CloneSession& operator=(const CloneSession&) = delete;

    // Runs the whole session on the calling thread.
    LinkOutcome Run();

    // How far the last session got; complete once callbacks.finished has
    // been called or Run has returned.
    const CloneReport& Report() const { return report_; }

    // Claims the port, then runs the session on a worker thread; the outcome
    // arrives through callbacks.finished. False (and nothing started) when a
    // session already runs on the port or no thread could be made.
    bool Start();

    // Asks a running session to stop after the block in progress. Has no
    // effect on the handshake and identification phase.
    void Cancel() { cancel_ = true; }

    // Blocks until a session started with Start has ended.
    void Wait();

    int TotalBlocks() const { return CountBlocks(plan_.ranges); }

    // True while any clone session in the process runs.
    static bool Busy();
    // True while a clone session runs on the port of that name.
    static bool Busy(const std::string& port);

private:
    LinkOutcome Execute();
    LinkOutcome ReadBlocks(const std::vector<TransferBlock>& blocks, bool uhf);
    bool ReadBlock(const TransferBlock& block, std::span<Byte> data);
    void Drain();
    LinkOutcome WriteBlocks(const std::vector<TransferBlock>& blocks);
    void BlockDone(int index, const TransferBlock& block, int total);
    void Abort();
    void ReportProgress(int done, int total);
    LinkOutcome Finish(LinkOutcome outcome);

    SerialLink& link_;
    Image& image_;
    PortSettings settings_;
    TransferPlan plan_;
    CloneCallbacks callbacks_;
    CloneReport report_;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

}  // namespace ht57
