#pragma once

#include <chrono>
#include <cstdint>

namespace ht57 {

// Interval timer on a monotonic clock; wall-clock changes never shorten or
// stretch a handshake wait.
class CPerfTimer {
public:
    CPerfTimer() : start_(std::chrono::steady_clock::now()) {}

    void Start() { start_ = std::chrono::steady_clock::now(); }

    std::int64_t ElapsedMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

}  // namespace ht57
