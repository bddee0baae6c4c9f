#include "model/DtmfCodec.h"

#include "model/BitField.h"
#include "model/Numbers.h"
#include "model/SettingsLayout.h"

namespace ht57 {
namespace {

constexpr std::size_t kFirstDigitDelay = region::kDtmfTimings;
constexpr std::size_t kDigitInterval = region::kDtmfTimings + 1;
constexpr std::size_t kDigitDelayTime = region::kDtmfTimings + 2;

// The byte counts positions from the range's lowest one.
std::string DecodeTiming(Byte stored, const EditRange& range) {
    return EditRangeText(std::to_string((stored + range.low) * range.scale), range);
}

Byte EncodeTiming(const std::string& normalised, const EditRange& range) {
    return static_cast<Byte>(LeadingIntegerOrZero(normalised) / range.scale - range.low);
}

}  // namespace

DtmfValues DecodeDtmf(const Image& image) {
    DtmfValues values;
    values.sideTone = GetBit(image[settings::kModeFlags], settings::kSideToneBit);
    values.firstDigitDelay = DecodeTiming(image[kFirstDigitDelay], kFirstDigitDelayRange);
    values.digitInterval = DecodeTiming(image[kDigitInterval], kDigitIntervalRange);
    values.digitDelayTime = DecodeTiming(image[kDigitDelayTime], kDigitDelayTimeRange);
    return values;
}

DtmfValues NormaliseDtmfValues(const DtmfValues& values) {
    DtmfValues normalised = values;
    normalised.firstDigitDelay = EditRangeText(values.firstDigitDelay, kFirstDigitDelayRange);
    normalised.digitInterval = EditRangeText(values.digitInterval, kDigitIntervalRange);
    normalised.digitDelayTime = EditRangeText(values.digitDelayTime, kDigitDelayTimeRange);
    return normalised;
}

void EncodeDtmf(const DtmfValues& values, Image& image) {
    const DtmfValues normalised = NormaliseDtmfValues(values);
    SetBit(image[settings::kModeFlags], settings::kSideToneBit, normalised.sideTone);
    image[kFirstDigitDelay] = EncodeTiming(normalised.firstDigitDelay, kFirstDigitDelayRange);
    image[kDigitInterval] = EncodeTiming(normalised.digitInterval, kDigitIntervalRange);
    image[kDigitDelayTime] = EncodeTiming(normalised.digitDelayTime, kDigitDelayTimeRange);
}

}  // namespace ht57
