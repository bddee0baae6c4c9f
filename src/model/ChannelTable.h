#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/ChannelRecord.h"
#include "model/Image.h"

namespace ht57 {

// The channel grid's editable columns; column 0 is the channel number.
enum class ChannelColumn {
    RxFrequency = 1,
    TxFrequency,
    RxTone,
    TxTone,
    BusyLock,
    Power,
    Bandwidth,
    Name,
};

inline constexpr int kChannelColumnCount = 8;

// The column's title in the grid's header row ("Rx Freq", "Busy Lock"...).
std::string_view ColumnTitle(ChannelColumn column);

std::string& ColumnText(ChannelTexts& row, ChannelColumn column);
const std::string& ColumnText(const ChannelTexts& row, ChannelColumn column);

ChannelTexts DecodeChannelAt(const Image& image, int channel, const FrequencyLimits& limits);

// A row without a receive frequency stores the cleared-channel record; any
// other row re-encodes the channel's record from its texts.
void EncodeChannelAt(const ChannelTexts& row, Image& image, int channel);

}  // namespace ht57
