#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Image.h"

namespace ht57 {

// The printed channel list: a title line, then four lines per channel in use
// (numbers and frequencies; busy lock and tones; power and bandwidth; blank).
// Labels and values are the channel grid's own words, in the language of the
// installed text translator (English where none is installed, as in the
// command-line tool), so the paper says what the grid says.
std::vector<std::string> BuildChannelListing(const Image& image, const FrequencyLimits& limits);

// A line that begins with a tab is a title: drawn centred, without the tab.
inline bool IsTitleLine(std::string_view line) {
    return line.starts_with('\t');
}

}  // namespace ht57
