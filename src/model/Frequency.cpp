#include "model/Frequency.h"

#include <array>
#include <limits>

#include "model/Numbers.h"

namespace ht57 {

std::uint32_t ParseFrequency(std::string_view text) {
    const std::uint64_t value = ScaleDecimal(text, 5);
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(value > kMax ? kMax : value);
}

std::string FormatFrequency(std::uint32_t value) {
    return FormatScaled(value, 5);
}

std::uint32_t SnapFrequency(std::uint32_t value) {
    constexpr std::uint32_t k5kHz = 500;
    constexpr std::uint32_t k625kHz = 625;
    const std::uint32_t r5 = value % k5kHz;
    const std::uint32_t r6 = value % k625kHz;
    if (r5 == 0 || r6 == 0) {
        return value;
    }
    const std::array<std::uint32_t, 4> distances{r5, k5kHz - r5, r6, k625kHz - r6};
    std::size_t best = 0;
    for (std::size_t i = 1; i < distances.size(); ++i) {
        if (distances[i] < distances[best]) {
            best = i;
        }
    }
    const bool up = best == 1 || best == 3;
    if (up) {
        // Near the top of the 32-bit range there is no raster point above.
        const std::uint64_t raised = static_cast<std::uint64_t>(value) + distances[best];
        return raised > std::numeric_limits<std::uint32_t>::max()
                   ? value - (best == 1 ? r5 : r6)
                   : static_cast<std::uint32_t>(raised);
    }
    return value - distances[best];
}

}  // namespace ht57
