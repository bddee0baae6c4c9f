#include "OutputPacer.h"

#include <algorithm>

namespace ht57::sim {

OutputPacer::OutputPacer(int baud) {
    if (baud > 0) {
        byteTime_ = std::chrono::duration_cast<Clock::duration>(
            std::chrono::nanoseconds(10'000'000'000LL / baud));
    }
}

void OutputPacer::Push(std::span<const Byte> bytes, Clock::time_point now) {
    if (queue_.empty()) {
        nextAt_ = std::max(nextAt_, now);
    }
    queue_.insert(queue_.end(), bytes.begin(), bytes.end());
}

void OutputPacer::Pause(Clock::duration gap, Clock::time_point now) {
    if (queue_.empty()) {
        nextAt_ = std::max(nextAt_, now) + gap;
    } else {
        gaps_.push_back({queue_.size(), gap});
    }
}

void OutputPacer::Clear() {
    queue_.clear();
    gaps_.clear();
    nextAt_ = {};
}

std::size_t OutputPacer::Due(Clock::time_point now) const {
    const std::size_t upToGap = gaps_.empty() ? queue_.size() : gaps_.front().before;
    if (queue_.empty() || now < nextAt_) {
        return 0;
    }
    if (byteTime_ == Clock::duration::zero()) {
        return upToGap;
    }
    const auto due = static_cast<std::size_t>((now - nextAt_) / byteTime_) + 1;
    return std::min(due, upToGap);
}

std::size_t OutputPacer::Peek(Byte* buffer, std::size_t max) const {
    const std::size_t n = std::min(max, queue_.size());
    std::copy_n(queue_.begin(), n, buffer);
    return n;
}

void OutputPacer::Sent(std::size_t count, Clock::time_point now) {
    count = std::min(count, queue_.size());
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
    nextAt_ += byteTime_ * static_cast<Clock::rep>(count);
    for (Gap& gap : gaps_) {
        gap.before -= count;
    }
    // A gap starts when the last byte before it has gone.
    while (!gaps_.empty() && gaps_.front().before == 0) {
        nextAt_ = std::max(nextAt_, now) + gaps_.front().length;
        gaps_.pop_front();
    }
}

std::optional<OutputPacer::Clock::time_point> OutputPacer::NextDue(Clock::time_point now) const {
    if (queue_.empty() || Due(now) > 0) {
        return std::nullopt;
    }
    return nextAt_;
}

}  // namespace ht57::sim
