#pragma once

#include <string>

#include "model/Image.h"

namespace ht57 {

// The channels in use as records a script reads: one row (or object) per
// channel with the grid's own texts, in channel order. Unused channels are
// left out; a channel's number says where it sits.
std::string ChannelRecordsCsv(const Image& image, const FrequencyLimits& limits);
std::string ChannelRecordsJson(const Image& image, const FrequencyLimits& limits);

}  // namespace ht57
