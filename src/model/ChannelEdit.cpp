#include "model/ChannelEdit.h"

#include <algorithm>

#include "model/ChannelFieldEdit.h"
#include "model/Frequency.h"
#include "model/Tones.h"

namespace ht57 {
namespace {

constexpr std::string_view kFrequencyKeys = "0123456789.\b";

bool IsAscii(char32_t key) {
    return key < 0x80;
}

char32_t Upper(char32_t key) {
    return key >= U'a' && key <= U'z' ? key - U'a' + U'A' : key;
}

}  // namespace

FrequencyCommit CommitFrequencyEdit(Image& image, const FrequencyLimits& limits, int channel,
                                    const ChannelTexts& row, ChannelColumn column,
                                    std::string_view text) {
    const bool inUse = !row.rxFrequency.empty();
    if (column == ChannelColumn::TxFrequency && !inUse) {
        return {Result::Success(), row};
    }
    ChannelRecord record = ReadChannel(image, channel);
    const FieldEditOutcome outcome = EditChannelField(record, limits, column, text);
    if (!outcome.result) {
        return {outcome.result, row};
    }
    if (column == ChannelColumn::RxFrequency && (!inUse || outcome.stored.empty())) {
        // Starting and clearing a channel write the image at once.
        if (inUse || !outcome.stored.empty()) {
            WriteChannel(image, channel, record);
        }
        return {Result::Success(),
                outcome.stored.empty() ? ChannelTexts{} : DecodeChannelAt(image, channel, limits)};
    }
    ChannelTexts result = row;
    ColumnText(result, column) = outcome.stored;
    return {Result::Success(), result};
}

std::string CommitToneEdit(const ChannelTexts& row, std::string text) {
    if (row.rxFrequency.empty()) {
        return {};
    }
    NormaliseToneText(text);
    return text;
}

std::string CommitListEdit(const ChannelTexts& row, std::string text) {
    return row.rxFrequency.empty() ? std::string{} : text;
}

std::optional<std::string> ChoiceText(ChannelColumn column, std::string_view text) {
    const auto pick = [text](const auto& entries) -> std::optional<std::string> {
        for (const char* entry : entries) {
            const std::string_view candidate(entry);
            if (candidate.size() == text.size() &&
                std::equal(text.begin(), text.end(), candidate.begin(),
                           [](char a, char b) { return Upper(a) == Upper(b); })) {
                return std::string(candidate);
            }
        }
        return std::nullopt;
    };
    switch (column) {
        case ChannelColumn::RxTone:
        case ChannelColumn::TxTone: {
            std::string tone(text);
            NormaliseToneText(tone);
            if (tone != ToneText(0) && FindTone(tone) == 0) {
                return std::nullopt;
            }
            return tone;
        }
        case ChannelColumn::BusyLock:
            return pick(kBusyLockTexts);
        case ChannelColumn::Power:
            return pick(kPowerTexts);
        case ChannelColumn::Bandwidth:
            return pick(kBandwidthTexts);
        default:
            return std::nullopt;
    }
}

ChannelColumn EditColumn(const ChannelTexts& row, ChannelColumn column) {
    return row.rxFrequency.empty() ? ChannelColumn::RxFrequency : column;
}

bool IsFrequencyKey(char32_t key) {
    return IsAscii(key) && kFrequencyKeys.find(static_cast<char>(key)) != std::string_view::npos;
}

std::optional<char> NameKey(char32_t key) {
    key = Upper(key);
    if (key == 0 || !IsAscii(key) ||
        kNameKeys.find(static_cast<char>(key)) == std::string_view::npos) {
        return std::nullopt;
    }
    return static_cast<char>(key);
}

bool IsFmKey(char32_t key) {
    if (key >= 1 && key <= 31) {
        return true;
    }
    return IsFrequencyKey(Upper(key));
}

}  // namespace ht57
