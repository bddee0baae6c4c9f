#pragma once

#include <string>

#include "model/EditStepping.h"
#include "model/Image.h"
#include "model/SettingsFields.h"

namespace ht57 {

// Range of a timing edit, in positions of `scale` milliseconds.
constexpr EditRange TimingRange(const SettingsField& timing) {
    return {timing.low, timing.high, timing.scale};
}

inline constexpr EditRange kFirstDigitDelayRange = TimingRange(field::kFirstDigitDelay);
inline constexpr EditRange kDigitIntervalRange = TimingRange(field::kDigitInterval);
inline constexpr EditRange kDigitDelayTimeRange = TimingRange(field::kDigitDelayTime);
inline constexpr int kTimingEditLength = 4;

// What the DTMF form shows: the timings in milliseconds and the side tone.
struct DtmfValues {
    std::string firstDigitDelay;
    std::string digitInterval;
    std::string digitDelayTime;
    bool sideTone = false;
    friend bool operator==(const DtmfValues&, const DtmfValues&) = default;
};

// A stored timing outside its range shows as the range's lowest value.
DtmfValues DecodeDtmf(const Image& image);

// Normalises the edits as the form does on leaving them, then stores the
// timings in 0xFE8 to 0xFEA and the side tone in bit 6 of 0xFC5; nothing else.
void EncodeDtmf(const DtmfValues& values, Image& image);

// The edits after the normalisation EncodeDtmf applies.
DtmfValues NormaliseDtmfValues(const DtmfValues& values);

}  // namespace ht57
