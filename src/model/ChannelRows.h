#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/ChannelTable.h"
#include "model/Image.h"
#include "model/Result.h"

namespace ht57 {

// Whole-channel operations of the channel grid. A channel is its whole
// 16-byte record, busy lock and bank bits included, so moving a channel moves
// every byte of it. Channel lists are channel numbers 1 to 128 in any order;
// numbers outside that range and repeats are ignored.

// Inserts an empty channel at `channel`; it and every later channel move one
// down. Refused, changing nothing, when channel 128 is in use and would be lost.
Result InsertEmptyChannel(Image& image, const FrequencyLimits& limits, int channel);

// Removes the channels; the later ones move up and the freed channels at the
// end are cleared.
void DeleteChannels(Image& image, const std::vector<int>& channels);

// Clears the channels in place.
void ClearChannels(Image& image, const std::vector<int>& channels);

// Moves the channels one place up (delta -1) or down (+1) as a block; a
// channel already at the edge stays, and the others close up behind it.
// Returns the channels' new numbers in the order given.
std::vector<int> MoveChannels(Image& image, const std::vector<int>& channels, int delta);

// Moves the channels, in channel order, to stand before channel `before`
// (129: after the last). Returns their new numbers in channel order.
std::vector<int> MoveChannelsBefore(Image& image, const std::vector<int>& channels, int before);

enum class SortKey { RxFrequency, Name, Tone };

// Reorders all channels by the key; equal keys keep their order and channels
// not in use go last. Tone sorts by Rx Tone, then Tx Tone, in tone-list order.
void SortChannels(Image& image, const FrequencyLimits& limits, SortKey key);

// Sets one field of the channels in use among `channels`: Power, Bandwidth,
// Busy Lock, Rx Tone or Tx Tone from its display text (tones are normalised as
// when typed). Fails, changing nothing, when the text is no value of that
// field. `changed` receives the number of channels in use that were set.
Result FillChannels(Image& image, const FrequencyLimits& limits, const std::vector<int>& channels,
                    ChannelColumn column, std::string_view text, int& changed);

// Sets Tx = Rx + offset (or - offset) for the channels in use among
// `channels`. The offset is in MHz ("0.6", "5"). Fails, changing nothing, when
// the offset is no number or any transmit frequency would fall outside the
// limits or off the raster: a shift is never half applied.
Result SetRepeaterShift(Image& image, const FrequencyLimits& limits,
                        const std::vector<int>& channels, std::string_view offsetMHz, bool plus,
                        int& changed);

// The first channel after `after`, wrapping round, whose name holds the text
// (any case) or whose Rx or Tx frequency text begins with it; 0 when none.
int FindChannel(const Image& image, const FrequencyLimits& limits, std::string_view text,
                int after);

// The channels sorted, without repeats or numbers outside 1 to 128.
std::vector<int> ValidChannels(const std::vector<int>& channels);

}  // namespace ht57
