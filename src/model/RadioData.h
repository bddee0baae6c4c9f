#pragma once

#include "model/Image.h"

namespace ht57 {

// The one data set the program edits: the radio image, the reference image
// that supplies defaults, the header block that travels with data files, and
// the receive-frequency limits in force. The application owns one instance and
// passes it by reference; tests build their own.
struct RadioData {
    RadioData();

    Image image;      // starts all 0xFF
    Image reference;  // all zero until a default data file is read
    Image header;     // all zero until a data file is read
    FrequencyLimits limits;

    // Limits from the band flag of the image.
    void RecomputeLimits() { limits = LimitsForBand(BandFlag(image)); }

    // The four normalisation steps in order, under the current limits.
    void Normalise();
};

}  // namespace ht57
