#pragma once

#include "model/Image.h"

namespace ht57 {

// The area steps of image normalisation. Each rewrites only its own area,
// taking default bytes from the reference image where a value is invalid.

// Squelch, VOX, TOT, priority channel, PF3, step, scan mode and back light.
void NormaliseSettings(Image& image, const Image& reference, const FrequencyLimits& limits);

// FM presets: bytes 211 to 254 become 0xFF (empty).
void NormaliseFm(Image& image);

// DTMF block: a first-digit delay outside 0 to 89 takes the reference byte.
void NormaliseDtmf(Image& image, const Image& reference);

// The whole sequence in its fixed order: channels, settings, FM, DTMF.
void NormaliseImage(Image& image, const Image& reference, const FrequencyLimits& limits);

// Lowest channel in use under the limits, 0 when there is none.
int FirstChannelInUse(const Image& image, const FrequencyLimits& limits);

}  // namespace ht57
