#include "model/EditStepping.h"

#include <cstdint>

#include "model/Numbers.h"

namespace ht57 {
namespace {

std::string Show(std::int64_t position, const EditRange& range) {
    return std::to_string(position * range.scale);
}

}  // namespace

std::string EditRangeText(std::string_view text, const EditRange& range) {
    std::int64_t position = range.low;
    if (const auto value = ParseLeadingInteger(text)) {
        position = *value / range.scale;
        if (position < range.low || position > range.high) {
            position = range.low;
        }
    }
    return Show(position, range);
}

std::string SpinStepText(std::string_view text, int delta, const EditRange& range) {
    const std::int64_t value = LeadingIntegerOrZero(text);
    std::int64_t position = value / range.scale;
    if (value % range.scale != 0) {
        // The first click only aligns the value to the raster.
        if (delta > 0) {
            ++position;
        }
    } else {
        position += delta;
        const std::int64_t stride = delta < 0 ? -static_cast<std::int64_t>(delta) : delta;
        if (stride > 1 && position % stride != 0) {
            if (delta > 0) {
                position -= position % stride;
            } else if (position < 0) {
                position = 0;
            } else {
                position += stride - position % stride;
            }
        }
    }
    if (position > range.high || position < range.low) {
        position = delta > 0 ? range.low : range.high;
    }
    return Show(position, range);
}

}  // namespace ht57
