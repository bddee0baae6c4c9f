#pragma once

#include <cstddef>

#include "model/Image.h"

namespace ht57::settings {

// Fields of the settings block (0xFA0 to 0xFCF) by image offset.
inline constexpr std::size_t kSquelch = 0xFC2;
inline constexpr std::size_t kVox = 0xFC3;
inline constexpr std::size_t kTot = 0xFC4;
inline constexpr std::size_t kModeFlags = 0xFC5;
inline constexpr std::size_t kScanFlags = 0xFC6;
inline constexpr std::size_t kPriorityChannel = 0xFC8;
inline constexpr std::size_t kStep = 0xFC9;
inline constexpr std::size_t kManualFlags = 0xFCC;

// Bits of 0xFC5.
inline constexpr int kWorkModeBit = 0;
inline constexpr int kBeepBit = 3;
inline constexpr int kDisplayBit = 4;
inline constexpr int kOnlyChannelModeBit = 5;
inline constexpr int kSideToneBit = 6;
inline constexpr int kSaveBit = 7;
// Bits of 0xFC6.
inline constexpr int kPttIdShift = 0;
inline constexpr int kPriorityScanBit = 3;
inline constexpr int kScanModeShift = 4;
inline constexpr int kBackLightShift = 6;
// Bit of 0xFCC; set means "Manual" is off.
inline constexpr int kManualOffBit = 3;
// Bits of the status byte 0xFCE.
inline constexpr int kPf3Shift = 0;
inline constexpr int kChannelEmbedBit = 3;
inline constexpr int kReceiveEnableBit = 4;
inline constexpr int kBandBit = 5;

}  // namespace ht57::settings
