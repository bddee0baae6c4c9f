#include "model/FrequencyRange.h"

#include <cstdint>

#include "model/ChannelRecord.h"
#include "model/Frequency.h"
#include "model/Numbers.h"
#include "model/RadioData.h"

namespace ht57 {
namespace {

// Edits hold whole MHz; wide arithmetic keeps absurd texts from wrapping.
std::uint64_t EditUnits(const std::string& text) {
    return static_cast<std::uint64_t>(LeadingIntegerOrZero(text)) * kUnitsPerMHz;
}

bool OutsideBand(std::uint64_t value, const FrequencyLimits& band) {
    return value < band.lower || value > band.upper;
}

std::string Megahertz(std::uint32_t units) {
    return std::to_string(units / kUnitsPerMHz);
}

}  // namespace

FrequencyRangeEdits CommitFrequencyRange(const FrequencyRangeEdits& edits, Image& image,
                                         FrequencyLimits& limits) {
    const FrequencyLimits band = LimitsForBand(BandFlag(image));
    FrequencyRangeEdits result = edits;

    const std::uint64_t lower = EditUnits(edits.lowerLimit);
    const std::uint64_t upper = EditUnits(edits.upperLimit);
    if (OutsideBand(lower, band)) {
        result.lowerLimit = Megahertz(band.lower);
    }
    if (OutsideBand(upper, band)) {
        result.upperLimit = Megahertz(band.upper);
    }
    if (lower > upper) {
        result.lowerLimit = Megahertz(band.lower);
        result.upperLimit = Megahertz(band.upper);
    }
    // Both edits now lie inside the band, so the values fit.
    limits.lower = static_cast<std::uint32_t>(EditUnits(result.lowerLimit));
    limits.upper = static_cast<std::uint32_t>(EditUnits(result.upperLimit));

    const std::uint32_t rx = ParseFrequency(result.rxFrequency);
    if (rx < limits.lower || rx > limits.upper) {
        result.rxFrequency = FormatFrequency(limits.lower);
    }

    for (int n = 1; n <= region::kChannelCount; ++n) {
        ChannelRecord record = ReadChannel(image, n);
        if (!IsChannelInUse(record, limits)) {
            record.fill(0xFF);
            WriteChannel(image, n, record);
        }
    }
    return result;
}

FrequencyRangeEdits CommitFrequencyRange(const FrequencyRangeEdits& edits, RadioData& data) {
    return CommitFrequencyRange(edits, data.image, data.limits);
}

int ChannelsLostByRangeCommit(const FrequencyRangeEdits& edits, const RadioData& data) {
    Image image = data.image;
    FrequencyLimits limits = data.limits;
    CommitFrequencyRange(edits, image, limits);
    int lost = 0;
    for (int n = 1; n <= region::kChannelCount; ++n) {
        lost += IsChannelInUse(ReadChannel(data.image, n), data.limits) &&
                !IsChannelInUse(ReadChannel(image, n), limits);
    }
    return lost;
}

}  // namespace ht57
