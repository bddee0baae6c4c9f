#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/ChannelTable.h"
#include "model/Result.h"

namespace ht57 {

// What the channel grid's in-place editors do with a finished edit. The grid
// row is the working copy; only starting and clearing a channel write the
// image at once.

// The row after a frequency edit of its Rx Freq or Tx Freq cell, through the
// channel edit rule (EditChannelField); the typed value is never clamped.
// - Rx, no frequency: the row empties; a channel that was in use is cleared in
//   the image at once.
// - Rx on an empty row: the new-channel record is written at once and the row
//   shows it (both frequencies, tones "Off", High, Wide, no name).
// - Rx on a row in use: only the Rx Freq cell changes.
// - Tx: the cell takes the frequency when the row is in use; an emptied Tx
//   means simplex and takes the Rx frequency (a 0 MHz Tx is never stored).
// A value outside the limits (or no number) is refused: `result` says what the
// cell takes, and the row and the image are unchanged.
struct FrequencyCommit {
    Result result;
    ChannelTexts row;
};
FrequencyCommit CommitFrequencyEdit(Image& image, const FrequencyLimits& limits, int channel,
                                    const ChannelTexts& row, ChannelColumn column,
                                    std::string_view text);

// Cell text after a tone pick: normalised, or empty on an empty row.
std::string CommitToneEdit(const ChannelTexts& row, std::string text);

// Cell text after a list pick (busy lock, power, bandwidth): the pick, or
// empty on an empty row.
std::string CommitListEdit(const ChannelTexts& row, std::string text);

// What a tone or list column (Rx/Tx Tone, Busy Lock, Power, Bandwidth) stores
// for a text: the tone normalised as when typed, a list entry in any case as
// the list spells it; nullopt when the text is no value of the column.
std::optional<std::string> ChoiceText(ChannelColumn column, std::string_view text);

// An empty channel can only be started by its receive frequency.
ChannelColumn EditColumn(const ChannelTexts& row, ChannelColumn column);

// Characters the frequency editor accepts: digits, the point and backspace.
bool IsFrequencyKey(char32_t key);

// The name editor's rule: a key is taken in upper case when that is a name
// character (or backspace); nullopt when it is refused.
std::optional<char> NameKey(char32_t key);

// The FM editor's rule: control characters pass, otherwise digits, the point
// and backspace after upper-casing.
bool IsFmKey(char32_t key);

}  // namespace ht57
