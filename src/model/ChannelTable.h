#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

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

// Each channel field's key where scripts name it (YAML, CSV and JSON
// listings), in the grid's column order.
inline constexpr std::array<std::pair<const char*, std::string ChannelTexts::*>,
                            kChannelColumnCount>
    kChannelFieldKeys{{
        {"rx_frequency", &ChannelTexts::rxFrequency},
        {"tx_frequency", &ChannelTexts::txFrequency},
        {"rx_tone", &ChannelTexts::rxTone},
        {"tx_tone", &ChannelTexts::txTone},
        {"busy_lock", &ChannelTexts::busyLock},
        {"power", &ChannelTexts::power},
        {"bandwidth", &ChannelTexts::bandwidth},
        {"name", &ChannelTexts::name},
    }};

// The column's title in the grid's header row ("Rx Freq", "Busy Lock"...).
std::string_view ColumnTitle(ChannelColumn column);

std::string& ColumnText(ChannelTexts& row, ChannelColumn column);
const std::string& ColumnText(const ChannelTexts& row, ChannelColumn column);

ChannelTexts DecodeChannelAt(const Image& image, int channel, const FrequencyLimits& limits);

// A row without a receive frequency stores the cleared-channel record; any
// other row re-encodes the channel's record from its texts.
void EncodeChannelAt(const ChannelTexts& row, Image& image, int channel);

}  // namespace ht57
