#include "model/ChannelTable.h"

#include "model/UserText.h"

namespace ht57 {
namespace {

template <typename Row>
auto& TextOf(Row& row, ChannelColumn column) {
    switch (column) {
        case ChannelColumn::RxFrequency:
            return row.rxFrequency;
        case ChannelColumn::TxFrequency:
            return row.txFrequency;
        case ChannelColumn::RxTone:
            return row.rxTone;
        case ChannelColumn::TxTone:
            return row.txTone;
        case ChannelColumn::BusyLock:
            return row.busyLock;
        case ChannelColumn::Power:
            return row.power;
        case ChannelColumn::Bandwidth:
            return row.bandwidth;
        case ChannelColumn::Name:
            break;
    }
    return row.name;
}

// English, as the clipboard's header line names the columns; the grid shows
// them translated in context "Model".
constexpr std::array<std::string_view, kChannelColumnCount> kTitles{
    Msg("Model", "Rx Freq"),   Msg("Model", "Tx Freq"),   Msg("Model", "Rx Tone"),
    Msg("Model", "Tx Tone"),   Msg("Model", "Busy Lock"), Msg("Model", "Power"),
    Msg("Model", "Bandwidth"), Msg("Model", "Name")};

}  // namespace

std::string_view ColumnTitle(ChannelColumn column) {
    return kTitles[static_cast<std::size_t>(static_cast<int>(column) - 1)];
}

std::string& ColumnText(ChannelTexts& row, ChannelColumn column) {
    return TextOf(row, column);
}

const std::string& ColumnText(const ChannelTexts& row, ChannelColumn column) {
    return TextOf(row, column);
}

ChannelTexts DecodeChannelAt(const Image& image, int channel, const FrequencyLimits& limits) {
    return DecodeChannel(ReadChannel(image, channel), limits);
}

void EncodeChannelAt(const ChannelTexts& row, Image& image, int channel) {
    if (row.rxFrequency.empty()) {
        WriteChannelDefaults(image, channel, std::nullopt);
        return;
    }
    ChannelRecord record = ReadChannel(image, channel);
    EncodeChannel(record, row);
    WriteChannel(image, channel, record);
}

}  // namespace ht57
