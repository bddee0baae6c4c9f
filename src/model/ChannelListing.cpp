#include "model/ChannelListing.h"

#include <cstdio>

#include "model/ChannelRecord.h"
#include "model/Tones.h"

namespace ht57 {
namespace {

// Label right-aligned and value left-aligned, 15 characters each.
std::string Pair(std::string_view label, std::string_view value) {
    constexpr std::size_t kWidth = 15;
    std::string text;
    if (label.size() < kWidth) {
        text.append(kWidth - label.size(), ' ');
    }
    text += label;
    text += value;
    if (value.size() < kWidth) {
        text.append(kWidth - value.size(), ' ');
    }
    return text;
}

// The printout says "None" for a tone code byte of 0, whatever its bank bit.
std::string PrintedTone(Byte code, int index) {
    return code == 0 ? std::string("None") : std::string(ToneText(index));
}

}  // namespace

std::vector<std::string> BuildChannelListing(const Image& image, const FrequencyLimits& limits) {
    std::vector<std::string> lines{"\t-- Channel Info --"};
    for (int n = 1; n <= region::kChannelCount; ++n) {
        const ChannelRecord record = ReadChannel(image, n);
        if (!IsChannelInUse(record, limits)) {
            continue;
        }
        const ChannelTexts texts = DecodeChannel(record, limits);
        lines.push_back(Pair("CH Num: ", std::to_string(n)) + Pair("Rx Freq: ", texts.rxFrequency) +
                        Pair("Tx Freq: ", texts.txFrequency));
        lines.push_back(
            Pair("Busy Lock: ", texts.busyLock) +
            Pair("Rx Tone: ", PrintedTone(record[record::kRxTone], RecordRxToneIndex(record))) +
            Pair("Tx Tone: ", PrintedTone(record[record::kTxTone], RecordTxToneIndex(record))));
        lines.push_back(Pair("Power: ", texts.power) + Pair("Bandwidth: ", texts.bandwidth));
        lines.emplace_back();
    }
    return lines;
}

}  // namespace ht57
