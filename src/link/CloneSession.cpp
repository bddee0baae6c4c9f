#include "link/CloneSession.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "link/Handshake.h"
#include "link/PortClaims.h"

namespace ht57 {

namespace {

constexpr int kHandshakeAttempts = 4;

}  // namespace

std::vector<TransferBlock> SplitIntoBlocks(std::span<const TransferRange> ranges) {
    std::vector<TransferBlock> blocks;
    for (const TransferRange& range : ranges) {
        // Nothing exists beyond the radio's 4096 bytes.
        const std::size_t end = std::min<std::size_t>(range.end, kImageSize);
        std::size_t a = range.start;
        while (a < end) {
            const std::size_t toBoundary = wire::kMaxBlock - a % wire::kMaxBlock;
            const std::size_t length = a + toBoundary <= end ? toBoundary : end - a;
            blocks.push_back({static_cast<std::uint16_t>(a), static_cast<std::uint8_t>(length)});
            a += length;
        }
    }
    return blocks;
}

int CountBlocks(std::span<const TransferRange> ranges) {
    return static_cast<int>(SplitIntoBlocks(ranges).size());
}

TransferPlan TransferPlan::ForRead() {
    return {TransferKind::Read, {{0, static_cast<std::uint16_t>(region::kReadEnd)}}};
}

TransferPlan TransferPlan::ForWrite() {
    return {TransferKind::Write, {{0, static_cast<std::uint16_t>(region::kWriteEnd)}}};
}

CloneSession::CloneSession(SerialLink& link, Image& image, PortSettings settings, TransferPlan plan,
                           CloneCallbacks callbacks)
    : link_(link),
      image_(image),
      settings_(std::move(settings)),
      plan_(std::move(plan)),
      callbacks_(std::move(callbacks)) {}

CloneSession::~CloneSession() {
    Wait();
}

bool CloneSession::Busy() {
    return AnyPortClaimed();
}

bool CloneSession::Busy(const std::string& port) {
    return PortClaimed(port);
}

LinkOutcome CloneSession::Run() {
    if (!ClaimPort(settings_.name)) {
        return LinkOutcome::Busy;
    }
    cancel_ = false;
    const LinkOutcome outcome = Execute();
    if (callbacks_.finished) {
        callbacks_.finished(outcome);
    }
    return outcome;
}

bool CloneSession::Start() {
    // Claimed here, before the thread exists, so a second Start in the gap
    // before the worker's first step is refused as well.
    if (!ClaimPort(settings_.name)) {
        return false;
    }
    Wait();
    cancel_ = false;
    try {
        worker_ = std::thread([this] {
            const LinkOutcome outcome = Execute();
            if (callbacks_.finished) {
                callbacks_.finished(outcome);
            }
        });
    } catch (const std::system_error&) {
        // No session ran, so none may keep the port.
        ReleasePort(settings_.name);
        return false;
    }
    return true;
}

void CloneSession::Wait() {
    if (worker_.joinable() && worker_.get_id() != std::this_thread::get_id()) {
        worker_.join();
    }
}

LinkOutcome CloneSession::Finish(LinkOutcome outcome) {
    link_.Close();
    ReleasePort(settings_.name);
    return outcome;
}

void CloneSession::ReportProgress(int done, int total) {
    if (callbacks_.progress) {
        callbacks_.progress(done, total);
    }
}

LinkOutcome CloneSession::Execute() {
    if (!link_.Open(settings_)) {
        return Finish(LinkOutcome::PortOpenFailed);
    }
    if (callbacks_.portOpened) {
        callbacks_.portOpened();
    }
    if (!Handshake(link_, kHandshakeAttempts)) {
        return Finish(LinkOutcome::CommunicationError);
    }
    Pause(wire::kAfterHandshakeMs);
    std::array<Byte, wire::kIdentLength> ident{};
    if (link_.Read(ident) < ident.size()) {
        return Finish(LinkOutcome::CommunicationError);
    }
    const bool uhf = ident[wire::kIdentBandByte] == wire::kIdentUhf;

    const std::vector<TransferBlock> blocks = SplitIntoBlocks(plan_.ranges);
    return Finish(plan_.kind == TransferKind::Read ? ReadBlocks(blocks, uhf) : WriteBlocks(blocks));
}

LinkOutcome CloneSession::ReadBlocks(const std::vector<TransferBlock>& blocks, bool uhf) {
    // Filled block by block and published only when every block has arrived.
    Image copy = image_;
    const int total = static_cast<int>(blocks.size());
    for (int i = 0; i < total; ++i) {
        const TransferBlock& block = blocks[static_cast<std::size_t>(i)];
        const std::array<Byte, 4> frame{wire::kReadCommand, static_cast<Byte>(block.address >> 8),
                                        static_cast<Byte>(block.address & 0xFF), block.length};
        link_.Purge();
        WriteByte(link_, wire::kBlockPrefix);
        link_.Write(frame);
        SkipBytes(link_, 1);
        SkipBytes(link_, 4);
        std::array<Byte, wire::kMaxBlock> data{};
        if (link_.Read(std::span<Byte>(data.data(), block.length)) < block.length) {
            return LinkOutcome::CommunicationError;
        }
        std::copy_n(data.begin(), block.length, copy.begin() + block.address);
        ReportProgress(i + 1, total);
        if (cancel_) {
            return LinkOutcome::Cancelled;
        }
    }
    link_.Purge();
    WriteByte(link_, wire::kReadEnd);
    image_ = copy;
    Byte& status = image_[region::kStatusByte];
    status = uhf ? static_cast<Byte>(status | region::kBandFlagMask)
                 : static_cast<Byte>(status & ~region::kBandFlagMask);
    return LinkOutcome::Succeeded;
}

void CloneSession::Abort() {
    link_.Write(wire::kWriteAbort);
    SkipBytes(link_, 1);
}

LinkOutcome CloneSession::WriteBlocks(const std::vector<TransferBlock>& blocks) {
    const int total = static_cast<int>(blocks.size());
    for (int i = 0; i < total; ++i) {
        const TransferBlock& block = blocks[static_cast<std::size_t>(i)];
        const bool first = i == 0;
        const std::array<Byte, 4> frame{wire::kWriteCommand, static_cast<Byte>(block.address >> 8),
                                        static_cast<Byte>(block.address & 0xFF), block.length};
        link_.Purge();
        if (first) {
            WriteByte(link_, wire::kBlockPrefix);
        }
        link_.Write(frame);
        link_.Write(std::span<const Byte>(image_.data() + block.address, block.length));
        if (first) {
            SkipBytes(link_, 1);
        }
        Byte answer = 0;
        if (link_.Read(std::span<Byte>(&answer, 1)) != 1 || !wire::IsAck(answer)) {
            Abort();
            return LinkOutcome::CommunicationError;
        }
        ReportProgress(i + 1, total);
        if (cancel_) {
            Abort();
            return LinkOutcome::Cancelled;
        }
    }
    link_.Purge();
    WriteByte(link_, wire::kWriteEnd);
    return LinkOutcome::Succeeded;
}

}  // namespace ht57
