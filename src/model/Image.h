#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ht57 {

using Byte = std::uint8_t;

inline constexpr std::size_t kImageSize = 4096;

// The radio's whole settings memory; offsets are the radio's own addresses.
using Image = std::array<Byte, kImageSize>;

// Where each area of the radio image lives.
namespace region {
inline constexpr std::size_t kChannelTable = 0x010;
inline constexpr int kChannelCount = 128;
inline constexpr std::size_t kRecordSize = 16;
inline constexpr std::size_t kFreqModeRecord = 0x820;
inline constexpr std::size_t kSettings = 0xFA0;
inline constexpr std::size_t kSettingsSize = 48;
inline constexpr std::size_t kLowerBandEdge = 0xFA0;
inline constexpr std::size_t kUpperBandEdge = 0xFA2;
inline constexpr std::size_t kStatusByte = 0xFCE;
inline constexpr Byte kBandFlagMask = 0x20;
inline constexpr Byte kReceiveEnableMask = 0x10;
inline constexpr std::size_t kFm = 0xFD0;
inline constexpr std::size_t kFmSize = 16;
inline constexpr std::size_t kDtmf = 0xFE0;
inline constexpr std::size_t kDtmfSize = 11;
inline constexpr std::size_t kDtmfCodeSize = 8;
inline constexpr std::size_t kDtmfTimings = 0xFE8;
inline constexpr std::size_t kCalibration = 0xFF0;
inline constexpr std::size_t kCalibrationSize = 16;
// Read moves the whole image; Write stops short of the calibration block.
inline constexpr std::size_t kReadEnd = 0x1000;
inline constexpr std::size_t kWriteEnd = 0xFF0;
}  // namespace region

// Channel n (1 to 128) sits at n x 16, so channel 1 is at 0x010.
constexpr std::size_t ChannelOffset(int channel) {
    return static_cast<std::size_t>(channel) * region::kRecordSize;
}

// Receive-frequency limits in 10 Hz units, both inclusive.
struct FrequencyLimits {
    std::uint32_t lower = 40'000'000;
    std::uint32_t upper = 47'000'000;
    friend bool operator==(const FrequencyLimits&, const FrequencyLimits&) = default;
};

struct Band {
    const char* comboText;
    std::uint32_t lower;
    std::uint32_t upper;
    std::uint32_t defaultFrequency;
};

// Indexed by the band flag: 0 is VHF, 1 is UHF.
inline constexpr std::array<Band, 2> kBands{{
    {"RDX3-VHF", 13'600'000, 17'400'000, 15'502'500},
    {"RDX3-UHF", 40'000'000, 47'000'000, 43'502'500},
}};

inline int BandFlag(const Image& image) {
    return (image[region::kStatusByte] & region::kBandFlagMask) ? 1 : 0;
}

inline FrequencyLimits LimitsForBand(int bandFlag) {
    const Band& band = kBands[bandFlag ? 1 : 0];
    return {band.lower, band.upper};
}

}  // namespace ht57
