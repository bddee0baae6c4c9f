#include "model/ChannelFieldEdit.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "model/Bcd.h"
#include "model/ChannelEdit.h"
#include "model/Frequency.h"
#include "model/TextRules.h"
#include "model/Tones.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

// Eight BCD digits.
constexpr std::uint32_t kLargestBcdValue = 99'999'999;

FieldEditOutcome Refused(std::string why) {
    return {Result::Failure(std::move(why)), {}, false};
}

FieldEditOutcome Stored(std::string stored, bool adjusted) {
    return {Result::Success(), std::move(stored), adjusted};
}

std::string Title(ChannelColumn column) {
    return std::string(ColumnTitle(column));
}

// Digits beyond the fifth decimal that are not zero: below 10 Hz, which the
// record cannot hold and parsing cuts off.
bool FinerThan10Hz(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || text.size() <= point + 6) {
        return false;
    }
    const std::string_view rest = text.substr(point + 6);
    return rest.find_first_not_of('0') != std::string_view::npos;
}

// What the channel stores for a typed frequency: the raster point, or a
// refusal naming the limits.
struct Typed {
    std::optional<std::uint32_t> value;
    bool adjusted = false;
    std::string why;
};

Typed TypedFrequency(ChannelColumn column, std::string_view text, const FrequencyLimits& limits) {
    const std::string range = Fill(Msg("Model", "the channel takes %1 to %2 MHz"),
                                   FormatFrequency(limits.lower), FormatFrequency(limits.upper));
    if (!text::IsPlainDecimal(text)) {
        return {std::nullopt, false,
                Fill(Msg("Model", "%1 \"%2\" is not a frequency in MHz: %3."), Title(column), text,
                     range)};
    }
    const std::uint32_t raw = ParseFrequency(text);
    if (raw < limits.lower || raw > limits.upper) {
        return {
            std::nullopt, false,
            Fill(Msg("Model", "%1 %2 MHz is outside the band: %3."), Title(column), text, range)};
    }
    const std::uint32_t snapped = SnapFrequency(raw);
    return {snapped, snapped != raw || FinerThan10Hz(text), {}};
}

void SetTransmit(ChannelRecord& record, std::uint32_t tx) {
    const std::uint32_t rx = RecordRxFrequency(record);
    WriteBcd32(&record[record::kOffset], rx > tx ? rx - tx : tx - rx);
    const ShiftDirection direction = rx == tx  ? ShiftDirection::None
                                     : rx < tx ? ShiftDirection::Plus
                                               : ShiftDirection::Minus;
    Byte& flags = record[record::kFlags];
    flags = static_cast<Byte>((flags & ~record::kDirectionMask) | static_cast<Byte>(direction)
                                                                      << record::kDirectionShift);
}

std::string RxShown(const ChannelRecord& record) {
    return FormatFrequency(SnapFrequency(RecordRxFrequency(record)));
}

FieldEditOutcome EditRx(ChannelRecord& record, const FrequencyLimits& limits,
                        std::string_view text) {
    if (text.empty() || (text::IsPlainDecimal(text) && ParseFrequency(text) == 0) || text == ".") {
        record = DefaultChannelRecord(std::nullopt);
        return Stored({}, false);
    }
    const Typed typed = TypedFrequency(ChannelColumn::RxFrequency, text, limits);
    if (!typed.value) {
        return Refused(typed.why);
    }
    if (!IsChannelInUse(record, limits)) {
        record = DefaultChannelRecord(*typed.value);
    } else {
        const std::uint32_t tx = RecordTxFrequency(record);
        const std::uint32_t offset = tx > *typed.value ? tx - *typed.value : *typed.value - tx;
        if (offset > kLargestBcdValue) {
            // The offset field could not hold the way to the kept transmit.
            return Refused(Fill(Msg("Model",
                                    "Tx Freq %1 MHz cannot be kept with Rx Freq %2 MHz: set "
                                    "the Tx Freq first."),
                                FormatFrequency(tx), FormatFrequency(*typed.value)));
        }
        WriteBcd32(&record[record::kRxFrequency], *typed.value);
        SetTransmit(record, tx);
    }
    return Stored(RxShown(record), typed.adjusted);
}

FieldEditOutcome EditTx(ChannelRecord& record, const FrequencyLimits& limits,
                        std::string_view text) {
    std::uint32_t tx = SnapFrequency(RecordRxFrequency(record));
    bool adjusted = false;
    if (!text.empty()) {
        const Typed typed = TypedFrequency(ChannelColumn::TxFrequency, text, limits);
        if (!typed.value) {
            return Refused(typed.why);
        }
        tx = *typed.value;
        adjusted = typed.adjusted;
    }
    SetTransmit(record, tx);
    return Stored(FormatFrequency(RecordTxFrequency(record)), adjusted);
}

FieldEditOutcome EditTone(ChannelRecord& record, ChannelColumn column, std::string_view text) {
    const std::optional<std::string> tone = ChoiceText(column, text);
    // A code outside the list normalises to "Off": refused, not stored as Off.
    if (!tone || (*tone == ToneText(0) && !text::EqualsNoCase(text, ToneText(0)))) {
        return Refused(Fill(Msg("Model",
                                "%1 \"%2\" is not in the tone list: Off, 67.0 to 254.1, "
                                "D023N to D754N or D023I to D754I."),
                            Title(column), text));
    }
    const bool rx = column == ChannelColumn::RxTone;
    const ToneCode code = EncodeTone(FindTone(*tone));
    const Byte bank = rx ? record::kRxBankMask : record::kTxBankMask;
    record[rx ? record::kRxTone : record::kTxTone] = code.code;
    record[record::kFlags] = static_cast<Byte>(code.bank ? record[record::kFlags] | bank
                                                         : record[record::kFlags] & ~bank);
    const std::string stored(ToneText(rx ? RecordRxToneIndex(record) : RecordTxToneIndex(record)));
    return Stored(stored, stored != text);
}

template <typename Texts>
FieldEditOutcome EditListField(ChannelRecord& record, ChannelColumn column, std::string_view text,
                               const Texts& entries) {
    const std::optional<std::string> pick = ChoiceText(column, text);
    if (!pick) {
        std::string list;
        for (const char* entry : entries) {
            list += (list.empty() ? "" : ", ") + std::string(entry);
        }
        return Refused(
            Fill(Msg("Model", "%1 \"%2\" is not one of: %3."), Title(column), text, list));
    }
    const auto position =
        static_cast<int>(std::find(entries.begin(), entries.end(), *pick) - entries.begin());
    Byte& flags = record[record::kFlags];
    switch (column) {
        case ChannelColumn::BusyLock:
            // Stored as 3 minus the list position.
            flags = static_cast<Byte>((flags & ~record::kBusyLockMask) |
                                      (3 - position) << record::kBusyLockShift);
            break;
        case ChannelColumn::Power:
            flags = static_cast<Byte>(position ? flags | record::kPowerMask
                                               : flags & ~record::kPowerMask);
            break;
        default:
            flags = static_cast<Byte>(position ? flags | record::kBandwidthMask
                                               : flags & ~record::kBandwidthMask);
            break;
    }
    return Stored(*pick, *pick != text);
}

FieldEditOutcome EditName(ChannelRecord& record, std::string_view text) {
    std::string name(text);
    text::ToUpperInPlace(name);
    const bool fits =
        name.size() <= record::kNameLength && std::all_of(name.begin(), name.end(), [](char c) {
            return kNameAlphabet.find(c) != std::string_view::npos;
        });
    if (!fits) {
        return Refused(Fill(Msg("Model", "Name \"%1\" is not up to 5 of the characters %2"), text,
                            kNameAlphabet));
    }
    std::fill_n(record.begin() + record::kName, record::kNameLength, Byte{0xFF});
    for (std::size_t i = 0; i < name.size(); ++i) {
        record[record::kName + i] = static_cast<Byte>(kNameAlphabet.find(name[i]));
    }
    return Stored(name, name != text);
}

}  // namespace

FieldEditOutcome EditChannelField(ChannelRecord& record, const FrequencyLimits& limits,
                                  ChannelColumn column, std::string_view text) {
    if (column == ChannelColumn::RxFrequency) {
        return EditRx(record, limits, text);
    }
    if (!IsChannelInUse(record, limits)) {
        return Refused(
            Fill(Msg("Model", "The channel is not in use: it starts with its Rx Freq.")));
    }
    switch (column) {
        case ChannelColumn::TxFrequency:
            return EditTx(record, limits, text);
        case ChannelColumn::RxTone:
        case ChannelColumn::TxTone:
            return EditTone(record, column, text);
        case ChannelColumn::BusyLock:
            return EditListField(record, column, text, kBusyLockTexts);
        case ChannelColumn::Power:
            return EditListField(record, column, text, kPowerTexts);
        case ChannelColumn::Bandwidth:
            return EditListField(record, column, text, kBandwidthTexts);
        case ChannelColumn::Name:
        case ChannelColumn::RxFrequency:
            break;
    }
    return EditName(record, text);
}

Result StoreChannelTexts(Image& image, const FrequencyLimits& limits, int channel,
                         const ChannelTexts& texts, std::vector<std::string>* notes,
                         ChannelColumn* refused) {
    ChannelRecord record = ReadChannel(image, channel);
    ChannelTexts shown = DecodeChannel(record, limits);
    std::vector<std::string> lines;
    for (int col = 1; col <= kChannelColumnCount; ++col) {
        const auto column = static_cast<ChannelColumn>(col);
        const std::string& given = ColumnText(texts, column);
        if (given == ColumnText(shown, column)) {
            continue;
        }
        const FieldEditOutcome outcome = EditChannelField(record, limits, column, given);
        if (!outcome.result) {
            if (refused) {
                *refused = column;
            }
            return Result::Failure(outcome.result.message,
                                   Fill(Msg("Model", "channel %1, %2"), channel, Title(column)));
        }
        if (outcome.adjusted) {
            lines.push_back(Fill(Msg("Model", "channel %1: %2 \"%3\" stored as %4"), channel,
                                 Title(column), given, outcome.stored));
        }
        if (column == ChannelColumn::RxFrequency) {
            if (outcome.stored.empty()) {
                break;
            }
            shown = DecodeChannel(record, limits);
        }
    }
    WriteChannel(image, channel, record);
    if (notes) {
        notes->insert(notes->end(), lines.begin(), lines.end());
    }
    return Result::Success();
}

}  // namespace ht57
