#pragma once

#include <cstdint>
#include <random>

#include "model/Bcd.h"
#include "model/ChannelRecord.h"
#include "model/Image.h"

namespace ht57::test {

inline constexpr FrequencyLimits kVhfLimits{13'600'000, 17'400'000};
inline constexpr FrequencyLimits kUhfLimits{40'000'000, 47'000'000};

inline Image ErasedImage() {
    Image image;
    image.fill(0xFF);
    return image;
}

inline void PutChannel(Image& image, int channel, std::uint32_t rx) {
    WriteChannelDefaults(image, channel, rx);
}

inline Image RandomImage(std::mt19937& rng) {
    Image image;
    std::uniform_int_distribution<int> byte(0, 255);
    for (Byte& b : image) {
        b = static_cast<Byte>(byte(rng));
    }
    return image;
}

// Bits set in `mask` may differ between the two images; returns the first
// offset where another bit differs, or -1.
inline int FirstForeignChange(const Image& before, const Image& after, const Image& mask) {
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (((before[i] ^ after[i]) & ~mask[i]) != 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

inline void Own(Image& mask, std::size_t offset, std::size_t length, Byte bits = 0xFF) {
    for (std::size_t i = 0; i < length; ++i) {
        mask[offset + i] |= bits;
    }
}

}  // namespace ht57::test
