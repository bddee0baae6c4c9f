#include "model/RadioInfo.h"

#include <algorithm>

#include "model/Bcd.h"
#include "model/Frequency.h"
#include "model/RadioData.h"
#include "model/SettingsFields.h"

namespace ht57 {
namespace {

const Band& BandAt(int index) {
    return kBands[index > 0 ? 1 : 0];
}

// Band edges are stored in 100 kHz units.
constexpr std::uint32_t kUnitsPerEdgeStep = 10'000;

}  // namespace

RadioInfoValues DecodeRadioInfo(const Image& image) {
    return {FieldValue(image, field::kBand), FieldOn(image, field::kReceiveEnable)};
}

void EncodeRadioInfo(const RadioInfoValues& values, Image& image) {
    SetFieldValue(image, field::kBand, values.band);
    SetFieldOn(image, field::kReceiveEnable, values.receiveEnable);
}

bool BandChangeNeeded(int index, const Image& image) {
    return (index > 0 ? 1 : 0) != BandFlag(image);
}

void ApplyBandChange(int index, Image& image, FrequencyLimits& limits) {
    const Band& band = BandAt(index);
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(region::kChannelTable),
                region::kChannelCount * region::kRecordSize, Byte{0x00});
    limits = {band.lower, band.upper};
    WriteBcd16(&image[region::kLowerBandEdge], band.lower / kUnitsPerEdgeStep);
    WriteBcd16(&image[region::kUpperBandEdge], band.upper / kUnitsPerEdgeStep);
    WriteBcd32(&image[region::kFreqModeRecord], band.defaultFrequency);
}

void ApplyBandChange(int index, RadioData& data) {
    ApplyBandChange(index, data.image, data.limits);
}

std::string FrequencyLimitsText(const FrequencyLimits& limits) {
    return std::to_string(limits.lower / kUnitsPerMHz) + "-" +
           std::to_string(limits.upper / kUnitsPerMHz) + "MHz";
}

}  // namespace ht57
