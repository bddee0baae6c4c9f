#include "RadioSimulator.h"

#include <algorithm>
#include <utility>

namespace ht57::sim {
namespace {

constexpr std::array<Byte, 8> kHandshake{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
constexpr std::array<Byte, 4> kWriteAbort{'E', 'N', 'D', 'W'};
constexpr Byte kNak = 0x15;
constexpr Byte kPrefix = 0x06;
constexpr Byte kRead = 'R';
constexpr Byte kWrite = 'W';
constexpr Byte kCalibrate = 'g';
constexpr Byte kWriteEnd = 'E';
constexpr Byte kCalibrationEnd = 'b';
constexpr std::size_t kMaxBlock = 16;
constexpr std::size_t kHeaderLength = 4;

// Bytes the PC reads without looking at them. None of them is an
// acknowledgement, so a PC that reads one byte too few fails loudly.
constexpr Byte kReadLead = 0x06;
constexpr Byte kFirstWriteExtra = 'W';
constexpr Byte kCalibrationOpenLead = 'g';

constexpr std::array<Byte, 5> kIdentModel{'H', 'T', '-', '5', '7'};
constexpr std::size_t kIdentCalibration = 7;
constexpr std::size_t kCalibrationValues = 6;

template <std::size_t N>
bool EndsWith(const std::array<Byte, 8>& recent, const std::array<Byte, N>& tail) {
    return std::equal(tail.begin(), tail.end(), recent.end() - N);
}

}  // namespace

RadioSimulator::RadioSimulator(Image& memory, RadioBand band, RadioFaults faults, RadioHost host)
    : memory_(memory), band_(band), faults_(faults), host_(std::move(host)) {
    recent_.fill(0);
}

std::array<Byte, 13> RadioSimulator::Identification() const {
    std::array<Byte, 13> ident{};
    std::copy(kIdentModel.begin(), kIdentModel.end(), ident.begin());
    ident[5] = band_ == RadioBand::Uhf ? 'U' : 'V';
    ident[6] = 0x01;
    std::copy_n(memory_.begin() + region::kCalibration, kCalibrationValues,
                ident.begin() + kIdentCalibration);
    return ident;
}

void RadioSimulator::Receive(std::span<const Byte> bytes, Clock::time_point now) {
    Expire(now);
    for (Byte b : bytes) {
        Consume(b);
    }
    lastByte_ = now;
}

void RadioSimulator::Expire(Clock::time_point now) {
    if (parse_ != Parse::Command && now - lastByte_ >= kFrameTimeout) {
        parse_ = Parse::Command;
        frame_.clear();
    }
}

std::optional<RadioSimulator::Clock::time_point> RadioSimulator::Deadline() const {
    if (parse_ == Parse::Command) {
        return std::nullopt;
    }
    return lastByte_ + kFrameTimeout;
}

void RadioSimulator::Consume(Byte b) {
    if (parse_ == Parse::Payload) {
        frame_.push_back(b);
        if (frame_.size() == kHeaderLength + payloadLength_) {
            parse_ = Parse::Command;
            OnPayloadComplete();
        }
        return;
    }
    // Block payloads may hold any byte, so only bytes outside them can open a
    // session or abort a write.
    if (WatchForSequences(b)) {
        return;
    }
    if (parse_ == Parse::Header) {
        frame_.push_back(b);
        if (frame_.size() == kHeaderLength) {
            OnHeaderComplete();
        }
        return;
    }
    OnCommand(b);
}

bool RadioSimulator::WatchForSequences(Byte b) {
    std::shift_left(recent_.begin(), recent_.end(), 1);
    recent_.back() = b;
    if (EndsWith(recent_, kHandshake)) {
        recent_.fill(0);
        parse_ = Parse::Command;
        frame_.clear();
        ++handshakes_;
        if (handshakes_ > faults_.ignoreHandshakes) {
            StartSession();
        }
        return true;
    }
    if (EndsWith(recent_, kWriteAbort)) {
        recent_.fill(0);
        // The 'E' already ended the session; the abort still gets its answer.
        if (!session_.silent) {
            Send({faults_.ack});
        }
        return true;
    }
    return false;
}

void RadioSimulator::StartSession() {
    EndSession();
    session_ = Session{};
    session_.active = true;
    if (host_.discardPendingOutput) {
        host_.discardPendingOutput();
    }
    std::vector<Byte> answer{faults_.ack};
    const auto ident = Identification();
    for (std::size_t i = 0; i < faults_.identLength; ++i) {
        answer.push_back(i < ident.size() ? ident[i] : 0x00);
    }
    Send(answer);
}

void RadioSimulator::EndSession() {
    if (session_.changed && host_.saveMemory) {
        host_.saveMemory();
    }
    session_.changed = false;
    session_.active = false;
}

void RadioSimulator::OnCommand(Byte b) {
    if (!session_.active) {
        return;
    }
    switch (b) {
        case kRead:
        case kWrite:
        case kCalibrate:
            frame_.assign(1, b);
            parse_ = Parse::Header;
            break;
        case kWriteEnd:
        case kCalibrationEnd:
            EndSession();
            break;
        case kPrefix:
        default:
            // The block prefix, the read end and anything unknown need no answer.
            break;
    }
}

void RadioSimulator::OnHeaderComplete() {
    parse_ = Parse::Command;
    const std::size_t address = static_cast<std::size_t>(frame_[1]) << 8 | frame_[2];
    const std::size_t length = frame_[3];
    if (length == 0 || length > kMaxBlock || address + length > kImageSize) {
        frame_.clear();
        return;
    }
    if (frame_[0] == kRead) {
        AnswerRead(address, length);
        frame_.clear();
        return;
    }
    payloadLength_ = length;
    parse_ = Parse::Payload;
}

bool RadioSimulator::CountBlock() {
    ++session_.blocks;
    if (faults_.silentAfterBlock && session_.blocks > *faults_.silentAfterBlock) {
        session_.silent = true;
    }
    return !session_.silent;
}

bool RadioSimulator::StallHere() {
    if (session_.stalled || session_.blocks != faults_.stallBlock || !host_.pause) {
        return false;
    }
    session_.stalled = true;
    return true;
}

void RadioSimulator::AnswerRead(std::size_t address, std::size_t length) {
    const bool repeated = session_.lastReadAddress == address;
    session_.lastReadAddress = address;
    if (!repeated) {
        ++session_.readBlocks;
        CountBlock();
    }
    if (session_.silent) {
        return;
    }
    const int block = session_.readBlocks;
    std::vector<Byte> answer{kReadLead, frame_[0], frame_[1], frame_[2], frame_[3]};
    if (block == faults_.wrongEchoBlock) {
        answer[3] = static_cast<Byte>(answer[3] ^ kMaxBlock);
    }
    if (block == faults_.shortEchoBlock) {
        answer.pop_back();
    }
    std::size_t sent = length;
    if (block == faults_.shortReadBlock) {
        --sent;
    }
    answer.insert(answer.end(), memory_.begin() + address, memory_.begin() + address + sent);
    if (StallHere()) {
        // Half the echo goes out, then the line stops for a while.
        constexpr std::ptrdiff_t kBeforeStall = 3;
        Send(std::span<const Byte>(answer.data(), kBeforeStall));
        host_.pause(std::chrono::milliseconds(faults_.stallMs));
        Send(std::span<const Byte>(answer.begin() + kBeforeStall, answer.end()));
        return;
    }
    Send(answer);
}

void RadioSimulator::OnPayloadComplete() {
    const std::size_t address = static_cast<std::size_t>(frame_[1]) << 8 | frame_[2];
    const std::span<const Byte> data(frame_.begin() + kHeaderLength, payloadLength_);
    const Byte command = frame_[0];
    auto store = [&] {
        std::copy(data.begin(), data.end(), memory_.begin() + address);
        session_.changed = true;
    };

    if (command == kWrite) {
        ++session_.writeBlocks;
        if (CountBlock()) {
            std::vector<Byte> answer;
            if (session_.writeBlocks == 1) {
                answer.push_back(kFirstWriteExtra);
            }
            if (StallHere()) {
                Send(answer);
                answer.clear();
                host_.pause(std::chrono::milliseconds(faults_.stallMs));
            }
            if (session_.writeBlocks == faults_.nakWriteBlock) {
                answer.push_back(kNak);
            } else {
                store();
                answer.push_back(faults_.ack);
            }
            Send(answer);
        }
    } else if (!session_.calibrationOpened) {
        session_.calibrationOpened = true;
        store();
        if (!session_.silent) {
            Send({kCalibrationOpenLead, faults_.calibrationOpenReply});
        }
    } else {
        ++session_.calibrationExchanges;
        if (session_.calibrationExchanges == faults_.nakCalibration) {
            if (!session_.silent) {
                Send({kNak});
            }
        } else {
            store();
            if (!session_.silent) {
                Send({faults_.ack});
            }
        }
    }
    frame_.clear();
}

void RadioSimulator::Send(std::initializer_list<Byte> bytes) {
    Send(std::span<const Byte>(bytes.begin(), bytes.size()));
}

void RadioSimulator::Send(std::span<const Byte> bytes) {
    if (host_.send) {
        host_.send(bytes);
    }
}

}  // namespace ht57::sim
