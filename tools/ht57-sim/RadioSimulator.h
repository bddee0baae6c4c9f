#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "model/Image.h"

namespace ht57::sim {

enum class RadioBand { Vhf, Uhf };

// Ways the simulated radio can misbehave; the defaults give a healthy radio.
// Block and exchange numbers count from 1 within a session; 0 switches the
// fault off. A read request repeating the one before it asks for the same
// block again, so a faulty block stays faulty; the stall alone happens only
// in the first answer to its block.
struct RadioFaults {
    Byte ack = 0x06;
    int ignoreHandshakes = 0;
    std::size_t identLength = 13;
    int shortReadBlock = 0;
    int nakWriteBlock = 0;
    int stallBlock = 0;  // pause stallMs in the middle of this block's answer
    int stallMs = 80;
    int wrongEchoBlock = 0;  // echo another address
    int shortEchoBlock = 0;  // echo three bytes instead of four
    std::optional<int> silentAfterBlock;
    Byte calibrationOpenReply = 0x06;
    int nakCalibration = 0;
};

// What the simulator asks of whoever moves its bytes.
struct RadioHost {
    std::function<void(std::span<const Byte>)> send;
    // What is sent after this waits that much longer on the line.
    std::function<void(std::chrono::milliseconds)> pause;
    // A new session begins: answers still queued for the old one must go.
    std::function<void()> discardPendingOutput;
    // The memory changed and a session that changed it has ended.
    std::function<void()> saveMemory;
};

// The radio's side of the clone and calibration protocols, driven byte by
// byte. It never blocks and never reads a clock itself: the caller passes the
// time with every call so partial frames can be dropped after a silence.
class RadioSimulator {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kFrameTimeout{1000};

    RadioSimulator(Image& memory, RadioBand band, RadioFaults faults, RadioHost host);

    void Receive(std::span<const Byte> bytes, Clock::time_point now);

    // Drops a partial frame once kFrameTimeout has passed since its last byte.
    void Expire(Clock::time_point now);

    // When Expire has something to do, if anything.
    std::optional<Clock::time_point> Deadline() const;

    // The 13-byte identification reply (before any length fault).
    std::array<Byte, 13> Identification() const;

private:
    enum class Parse { Command, Header, Payload };

    struct Session {
        bool active = false;
        int readBlocks = 0;
        int writeBlocks = 0;
        int blocks = 0;
        bool silent = false;
        bool calibrationOpened = false;
        int calibrationExchanges = 0;
        bool changed = false;
        std::optional<std::size_t> lastReadAddress;
        bool stalled = false;
    };

    void Consume(Byte b);
    bool WatchForSequences(Byte b);
    void StartSession();
    void EndSession();
    void OnCommand(Byte b);
    void OnHeaderComplete();
    void OnPayloadComplete();
    void AnswerRead(std::size_t address, std::size_t length);
    void Send(std::initializer_list<Byte> bytes);
    void Send(std::span<const Byte> bytes);
    bool CountBlock();
    bool StallHere();

    Image& memory_;
    RadioBand band_;
    RadioFaults faults_;
    RadioHost host_;

    Parse parse_ = Parse::Command;
    std::vector<Byte> frame_;
    std::size_t payloadLength_ = 0;
    Clock::time_point lastByte_{};
    // The last bytes outside block payloads, to spot "PROGRAM" 0x02 and "ENDW".
    std::array<Byte, 8> recent_{};
    int handshakes_ = 0;
    Session session_;
};

}  // namespace ht57::sim
