#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/ChannelTable.h"
#include "model/Image.h"
#include "model/Result.h"

namespace ht57 {

// Title of the channel-number column of copied text.
inline constexpr std::string_view kChannelNumberTitle = "Ch";

// The channels' cells in the given columns as tab-separated text: a header
// line ("Ch", then the column titles), then one line per channel, its number
// first. A channel not in use gives empty cells. Spreadsheets paste it as is.
std::string CopyChannelText(const Image& image, const FrequencyLimits& limits,
                            const std::vector<int>& channels,
                            const std::vector<ChannelColumn>& columns);

struct PasteReport {
    int rows = 0;          // data rows in the text
    int stored = 0;        // rows stored into a channel
    int firstChannel = 0;  // the channels the paste covered; 0 when none
    int lastChannel = 0;
    // One line per value not stored, or stored otherwise than written.
    std::vector<std::string> issues;
};

// Stores pasted text into the channels from `channel` down, one text line per
// channel, as typing the values would store them: frequencies snapped to the
// raster, tones normalised, names in upper case. A value the radio cannot
// hold (outside the band, not a tone, a name character it lacks) is not
// stored and is reported; nothing is clamped. Lines past channel 128 are
// reported and dropped.
// - A header line naming grid columns ("Rx Freq", "Name"...) places each value
//   in its column; columns the text lacks keep the channel's values, and a
//   "Ch" column is ignored. Without a header, values fill the grid's columns
//   from `column` rightwards, Busy Lock (hidden in the grid) last.
// - An empty Rx Freq clears the channel; an empty channel starts only with an
//   Rx Freq; an empty Tx Freq means simplex; other empty cells keep the value.
// - A channel list (comma-separated text, or tab-separated text whose header
//   names a Location or Frequency column) is imported as a channel CSV file
//   is, columns matched by name, to its Location numbers or without them in
//   order from `channel`; `report.issues` then holds the import's report.
// Fails, changing nothing, when the text holds no value, or when a column
// cannot be matched: a header title that is no grid column or comes twice, a
// value past the header's columns or past the grid's last column.
Result PasteChannelText(std::string_view text, int channel, ChannelColumn column,
                        const FrequencyLimits& limits, Image& image, PasteReport& report);

// The cells after a cut: a cleared Rx Freq clears the channel; other cells of
// a channel in use take the new-channel value (Tx = Rx, tones and busy lock
// "Off", High, Wide, no name).
void ClearChannelCells(Image& image, const FrequencyLimits& limits,
                       const std::vector<int>& channels, const std::vector<ChannelColumn>& columns);

}  // namespace ht57
