#include "model/Normalise.h"

#include "model/ChannelRecord.h"

namespace ht57 {
namespace {

constexpr std::size_t kSquelch = 0xFC2;
constexpr std::size_t kVox = 0xFC3;
constexpr std::size_t kTot = 0xFC4;
constexpr std::size_t kScanAndBackLight = 0xFC6;
constexpr std::size_t kPriorityChannel = 0xFC8;
constexpr std::size_t kStep = 0xFC9;
constexpr std::size_t kFirstDigitDelay = region::kDtmfTimings;

void KeepByteInRange(Image& image, const Image& reference, std::size_t offset, int low, int high) {
    if (!InRange(low, high, image[offset])) {
        image[offset] = reference[offset];
    }
}

void KeepBitsInRange(Image& image, const Image& reference, std::size_t offset, int shift, Byte mask,
                     int high) {
    const int value = (image[offset] & mask) >> shift;
    if (!InRange(0, high, value)) {
        image[offset] = static_cast<Byte>((image[offset] & ~mask) | (reference[offset] & mask));
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

    KeepBitsInRange(image, reference, region::kStatusByte, 0, 0x07, 4);  // PF3
    KeepByteInRange(image, reference, kStep, 0, 5);
    KeepBitsInRange(image, reference, kScanAndBackLight, 4, 0x30, 2);  // scan mode
    KeepBitsInRange(image, reference, kScanAndBackLight, 6, 0xC0, 2);  // back light
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
