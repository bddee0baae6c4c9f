#include "model/DtmfCodec.h"

#include "model/FieldText.h"
#include "model/Numbers.h"

namespace ht57 {
namespace {

// The byte counts positions from the range's lowest one.
Byte EncodeTiming(const std::string& normalised, const SettingsField& timing) {
    return static_cast<Byte>(LeadingIntegerOrZero(normalised) / timing.scale - timing.low);
}

}  // namespace

DtmfValues DecodeDtmf(const Image& image) {
    DtmfValues values;
    values.sideTone = FieldOn(image, field::kSideTone);
    values.firstDigitDelay = FieldText(image, field::kFirstDigitDelay);
    values.digitInterval = FieldText(image, field::kDigitInterval);
    values.digitDelayTime = FieldText(image, field::kDigitDelayTime);
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
    SetFieldOn(image, field::kSideTone, normalised.sideTone);
    image[field::kFirstDigitDelay.address] =
        EncodeTiming(normalised.firstDigitDelay, field::kFirstDigitDelay);
    image[field::kDigitInterval.address] =
        EncodeTiming(normalised.digitInterval, field::kDigitInterval);
    image[field::kDigitDelayTime.address] =
        EncodeTiming(normalised.digitDelayTime, field::kDigitDelayTime);
}

}  // namespace ht57
