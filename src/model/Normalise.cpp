#include "model/Normalise.h"

#include "model/BitField.h"
#include "model/ChannelRecord.h"
#include "model/SettingsLayout.h"

namespace ht57 {
namespace {

using namespace settings;

constexpr std::size_t kFirstDigitDelay = region::kDtmfTimings;

void KeepByteInRange(Image& image, const Image& reference, std::size_t offset, int low, int high) {
    if (!InRange(low, high, image[offset])) {
        image[offset] = reference[offset];
    }
}

void KeepBitsInRange(Image& image, const Image& reference, std::size_t offset, int shift, int width,
                     int high) {
    if (!InRange(0, high, GetBits(image[offset], shift, width))) {
        SetBits(image[offset], shift, width, GetBits(reference[offset], shift, width));
    }
}

}  // namespace

int FirstChannelInUse(const Image& image, const FrequencyLimits& limits) {
    for (int n = 1; n <= region::kChannelCount; ++n) {
        if (IsChannelInUse(ReadChannel(image, n), limits)) {
            return n;
        }
    }
    return 0;
}

void NormaliseSettings(Image& image, const Image& reference, const FrequencyLimits& limits) {
    KeepByteInRange(image, reference, kSquelch, 0, 9);
    KeepByteInRange(image, reference, kTot, 0, 7);
    KeepByteInRange(image, reference, kVox, 0, 9);

    const int firstInUse = FirstChannelInUse(image, limits);
    const int priority = image[kPriorityChannel];
    const bool priorityValid = priority >= 1 && priority <= region::kChannelCount &&
                               IsChannelInUse(ReadChannel(image, priority), limits);
    if (!priorityValid) {
        image[kPriorityChannel] = static_cast<Byte>(firstInUse);
    }

    KeepBitsInRange(image, reference, region::kStatusByte, kPf3Shift, 3, 4);
    KeepByteInRange(image, reference, kStep, 0, 5);
    KeepBitsInRange(image, reference, kScanFlags, kScanModeShift, 2, 2);
    KeepBitsInRange(image, reference, kScanFlags, kBackLightShift, 2, 2);
}

void NormaliseFm(Image& image) {
    for (std::size_t k = 0; k < region::kFmSize; ++k) {
        Byte& preset = image[region::kFm + k];
        if (preset != 0xFF && preset > 210) {
            preset = 0xFF;
        }
    }
}

void NormaliseDtmf(Image& image, const Image& reference) {
    KeepByteInRange(image, reference, kFirstDigitDelay, 0, 89);
}

void NormaliseImage(Image& image, const Image& reference, const FrequencyLimits& limits) {
    NormaliseChannels(image, reference, limits);
    NormaliseSettings(image, reference, limits);
    NormaliseFm(image);
    NormaliseDtmf(image, reference);
}

}  // namespace ht57
