#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/ChannelRecord.h"
#include "model/ChannelTable.h"
#include "model/Result.h"

namespace ht57 {

// The one rule by which every front end (grid, paste, CSV import, YAML)
// changes a channel: one field at a time, touching only that field's bits,
// checking only that field's value. A value the record cannot hold as typed
// is either moved onto the channel raster and reported with what now reads
// back, or refused with the allowed range; it is never stored one way and
// reported another.

struct FieldEditOutcome {
    Result result;          // a failure names what the field takes; nothing was stored
    std::string stored;     // the field's text as the record now reads back
    bool adjusted = false;  // `stored` is not what was given (snapped, upper-cased)
};

// Edits one field of `record`.
// - Rx Freq: empty, "0" or a lone point clears the channel; a record not in
//   use starts as the new-channel record; otherwise the transmit frequency is
//   kept where it is. The typed value must lie within the limits.
// - Tx Freq: empty means simplex; otherwise within the limits. The record must
//   be in use.
// - Tones, busy lock, power, bandwidth: an entry of the column's list (tones
//   as typed are normalised first); lists in any case.
// - Name: up to five characters of the name alphabet, in any case.
FieldEditOutcome EditChannelField(ChannelRecord& record, const FrequencyLimits& limits,
                                  ChannelColumn column, std::string_view text);

// Stores a row of texts into channel `channel`: every field whose text
// differs from what the channel shows goes through EditChannelField, Rx
// first, so fields left as shown keep their bytes exactly. An empty Rx text
// clears a channel in use. When any field is refused the channel is left as
// it was and the failure names the channel and the column. `notes` gets a
// line for each value stored otherwise than given; `refused` the column of a
// refusal.
Result StoreChannelTexts(Image& image, const FrequencyLimits& limits, int channel,
                         const ChannelTexts& texts, std::vector<std::string>* notes = nullptr,
                         ChannelColumn* refused = nullptr);

}  // namespace ht57
