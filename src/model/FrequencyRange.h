#pragma once

#include <string>

#include "model/Image.h"

namespace ht57 {

struct RadioData;

// The option form's edits that take part in a frequency range commit.
struct FrequencyRangeEdits {
    std::string lowerLimit;  // whole MHz
    std::string upperLimit;
    std::string rxFrequency;  // frequency-mode Rx Frequency, "%3.5f" MHz
    friend bool operator==(const FrequencyRangeEdits&, const FrequencyRangeEdits&) = default;
};

// Commits the limit edits: a limit outside the band of the image's band flag
// takes the band's edge, an inverted pair takes both band edges, the new
// limits replace `limits`, an Rx Frequency outside them becomes the lower
// limit, and every channel not in use under them is erased to 0xFF.
// Returns the edits as the form must show them now.
FrequencyRangeEdits CommitFrequencyRange(const FrequencyRangeEdits& edits, Image& image,
                                         FrequencyLimits& limits);

FrequencyRangeEdits CommitFrequencyRange(const FrequencyRangeEdits& edits, RadioData& data);

// How many channels in use under the limits in force the commit would erase,
// so the form can ask before it narrows the range.
int ChannelsLostByRangeCommit(const FrequencyRangeEdits& edits, const RadioData& data);

}  // namespace ht57
