#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Image.h"

namespace ht57 {

// The printed channel list: a title line, then four lines per channel in use
// (numbers and frequencies; busy lock and tones; power and bandwidth; blank).
std::vector<std::string> BuildChannelListing(const Image& image, const FrequencyLimits& limits);

// A line that begins with a tab is a title: drawn centred, without the tab.
inline bool IsTitleLine(std::string_view line) {
    return line.starts_with('\t');
}

}  // namespace ht57
