#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <span>

#include "model/Image.h"

namespace ht57::sim {

// Holds the radio's answers and lets them out no faster than the line would:
// 10 bits per byte at the given baud rate, or all at once when it is 0.
class OutputPacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit OutputPacer(int baud);

    void Push(std::span<const Byte> bytes, Clock::time_point now);
    // The bytes pushed after this go out `gap` later than they would have.
    void Pause(Clock::duration gap, Clock::time_point now);
    void Clear();
    bool Empty() const { return queue_.empty(); }

    // How many of the queued bytes may go now (all of them without pacing).
    std::size_t Due(Clock::time_point now) const;

    // Copies up to `max` due bytes into `buffer` without removing them.
    std::size_t Peek(Byte* buffer, std::size_t max) const;

    // Marks `count` bytes as sent at `now`.
    void Sent(std::size_t count, Clock::time_point now);

    // When the next byte becomes due, if one is queued and not yet due.
    std::optional<Clock::time_point> NextDue(Clock::time_point now) const;

private:
    struct Gap {
        std::size_t before;  // queued bytes that go out ahead of it
        Clock::duration length;
    };

    std::deque<Byte> queue_;
    std::deque<Gap> gaps_;
    Clock::duration byteTime_{};
    Clock::time_point nextAt_{};
};

}  // namespace ht57::sim
