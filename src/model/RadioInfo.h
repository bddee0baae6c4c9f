#pragma once

#include <string>

#include "model/Image.h"

namespace ht57 {

struct RadioData;

// What the radio info form shows: the band list position (-1 for none) and
// the Receive Enable check.
struct RadioInfoValues {
    int band = 0;
    bool receiveEnable = false;
    friend bool operator==(const RadioInfoValues&, const RadioInfoValues&) = default;
};

RadioInfoValues DecodeRadioInfo(const Image& image);

// Stores bits 5 (band) and 4 (Receive Enable) of 0xFCE and nothing else; a
// band list without a selection stores 1.
void EncodeRadioInfo(const RadioInfoValues& values, Image& image);

// True when band `index` is not the band of the image, so the form must ask
// before ApplyBandChange. Choosing the band already there changes nothing,
// even when the range commit has narrowed its limits. A negative index means
// VHF.
bool BandChangeNeeded(int index, const Image& image);

// Switches to band `index`: zeroes every channel record, writes the band's
// edges to 0xFA0..0xFA3 and its default frequency to 0x820..0x823, and sets
// the limits. The band flag itself is left to EncodeRadioInfo.
void ApplyBandChange(int index, Image& image, FrequencyLimits& limits);
void ApplyBandChange(int index, RadioData& data);

// The limits as the status bar shows them: "136-174MHz".
std::string FrequencyLimitsText(const FrequencyLimits& limits);

}  // namespace ht57
