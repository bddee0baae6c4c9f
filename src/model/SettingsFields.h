#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <span>
#include <string_view>

#include "model/ChannelRecord.h"
#include "model/Image.h"
#include "model/OptionLists.h"
#include "model/UserText.h"

namespace ht57 {

// How the bits of a field read as a value.
enum class FieldKind {
    List,          // a position in `entries`; a position past the end selects nothing
    Flag,          // one bit, set means on
    InvertedFlag,  // one bit, clear means on
    Number,        // the whole byte, valid from 0 to `high`
    BandEdge,      // MHz x 10 as 4-digit packed BCD, low digit pair first
    Frequency,     // 10 Hz units as 8-digit packed BCD, low digit pair first
    Tone,          // a tone code byte and a bank bit (`bankAddress`, `bankMask`)
    DtmfCode,      // one position in kDtmfAlphabet per byte, 0xFF after the last
    Timing,        // byte b shows (b + low) x scale milliseconds; b valid to high - low
    FmPreset,      // byte b is (b + low) x 100 kHz, valid to high - low; else empty
};

// A list position that names no entry.
inline constexpr int kNoSelection = -1;

// One field of the radio image as a form edits it: where its bits are, what
// they mean and what the user calls it. Every codec, the normalisation and the
// difference listing read the bits through these rows.
struct SettingsField {
    std::string_view key;    // stable machine name, lower_snake_case
    std::string_view label;  // as the form or the difference listing names it, in English
    FieldKind kind;
    std::size_t address;
    std::size_t length = 1;  // bytes of one element
    std::size_t count = 1;   // elements side by side (the FM presets)
    Byte mask = 0xFF;        // the field's bits in a one-byte element
    std::span<const std::string_view> entries{};
    int low = 0;
    int high = 0;
    int scale = 1;
    // An out-of-range value is replaced by the reference image's bits when the
    // image is normalised.
    bool restoredWhenInvalid = false;
    // List: when this bit of the same byte is set, the last entry applies
    // whatever the field holds ("Only Channel Mode" forces "Channel").
    Byte forcedBy = 0;
    std::size_t bankAddress = 0;
    Byte bankMask = 0;

    constexpr int Shift() const { return std::countr_zero(static_cast<unsigned>(mask)); }
    constexpr int Width() const { return std::popcount(static_cast<unsigned>(mask)); }
    constexpr std::size_t Size() const { return length * count; }
    // Highest valid stored value of a one-byte element.
    constexpr int ValueMax() const {
        switch (kind) {
            case FieldKind::List:
                return static_cast<int>(entries.size()) - 1;
            case FieldKind::Timing:
            case FieldKind::FmPreset:
                return high - low;
            case FieldKind::Number:
                return high;
            default:
                return (1 << Width()) - 1;
        }
    }
    constexpr bool ValueValid(int value) const { return value >= 0 && value <= ValueMax(); }
};

inline constexpr std::array<std::string_view, 2> kBandList{kBands[0].comboText,
                                                           kBands[1].comboText};

namespace field {

inline constexpr std::size_t kFreqMode = region::kFreqModeRecord;
inline constexpr std::size_t kFreqModeFlags = kFreqMode + record::kFlags;
inline constexpr std::size_t kModeFlags = 0xFC5;
inline constexpr std::size_t kScanFlags = 0xFC6;
inline constexpr Byte kOnlyChannelModeMask = 0x20;

// Settings block (0xFA0 to 0xFCF).
inline constexpr SettingsField kSquelch{.key = "squelch_level",
                                        .label = Msg("Model", "Squelch Level"),
                                        .kind = FieldKind::List,
                                        .address = 0xFC2,
                                        .entries = kSquelchList,
                                        .restoredWhenInvalid = true};
inline constexpr SettingsField kVox{.key = "vox_gain_level",
                                    .label = Msg("Model", "VOX Gain Level"),
                                    .kind = FieldKind::List,
                                    .address = 0xFC3,
                                    .entries = kVoxList,
                                    .restoredWhenInvalid = true};
inline constexpr SettingsField kTot{.key = "tot",
                                    .label = Msg("Model", "TOT (s)"),
                                    .kind = FieldKind::List,
                                    .address = 0xFC4,
                                    .entries = kTotList,
                                    .restoredWhenInvalid = true};
inline constexpr SettingsField kBackLight{.key = "back_light",
                                          .label = Msg("Model", "Back Light"),
                                          .kind = FieldKind::List,
                                          .address = kScanFlags,
                                          .mask = 0xC0,
                                          .entries = kBackLightList,
                                          .restoredWhenInvalid = true};
inline constexpr SettingsField kDisplay{.key = "channel_disp_way",
                                        .label = Msg("Model", "Channel Disp Way"),
                                        .kind = FieldKind::List,
                                        .address = kModeFlags,
                                        .mask = 0x10,
                                        .entries = kDisplayList};
inline constexpr SettingsField kPttId{.key = "ptt_id",
                                      .label = Msg("Model", "PTT ID"),
                                      .kind = FieldKind::List,
                                      .address = kScanFlags,
                                      .mask = 0x03,
                                      .entries = kPttIdList};
inline constexpr SettingsField kDtmfCode{.key = "dtmf_code",
                                         .label = Msg("Model", "DTMF Code"),
                                         .kind = FieldKind::DtmfCode,
                                         .address = region::kDtmf,
                                         .length = region::kDtmfCodeSize};
inline constexpr SettingsField kPf3{.key = "pf3",
                                    .label = Msg("Model", "PF3"),
                                    .kind = FieldKind::List,
                                    .address = region::kStatusByte,
                                    .mask = 0x07,
                                    .entries = kPf3List,
                                    .restoredWhenInvalid = true};
inline constexpr SettingsField kLowerLimit{
    .key = "lower_limit",
    .label = Msg("Model", "Frequency Range lower limit (MHz)"),
    .kind = FieldKind::BandEdge,
    .address = region::kLowerBandEdge,
    .length = 2};
inline constexpr SettingsField kUpperLimit{
    .key = "upper_limit",
    .label = Msg("Model", "Frequency Range upper limit (MHz)"),
    .kind = FieldKind::BandEdge,
    .address = region::kUpperBandEdge,
    .length = 2};
inline constexpr SettingsField kBeep{.key = "beep",
                                     .label = Msg("Model", "Beep"),
                                     .kind = FieldKind::Flag,
                                     .address = kModeFlags,
                                     .mask = 0x08};
inline constexpr SettingsField kSave{.key = "save",
                                     .label = Msg("Model", "Save"),
                                     .kind = FieldKind::Flag,
                                     .address = kModeFlags,
                                     .mask = 0x80};
inline constexpr SettingsField kManual{.key = "manual",
                                       .label = Msg("Model", "Manual"),
                                       .kind = FieldKind::InvertedFlag,
                                       .address = 0xFCC,
                                       .mask = 0x08};
inline constexpr SettingsField kChannelEmbed{.key = "channel_embed_enable",
                                             .label = Msg("Model", "Channel Embed Enable"),
                                             .kind = FieldKind::Flag,
                                             .address = region::kStatusByte,
                                             .mask = 0x08};
inline constexpr SettingsField kPriorityScan{.key = "priority_scan",
                                             .label = Msg("Model", "Priority Scan"),
                                             .kind = FieldKind::Flag,
                                             .address = kScanFlags,
                                             .mask = 0x08};
inline constexpr SettingsField kScanMode{.key = "scan_mode",
                                         .label = Msg("Model", "Scan Mode"),
                                         .kind = FieldKind::List,
                                         .address = kScanFlags,
                                         .mask = 0x30,
                                         .entries = kScanModeList,
                                         .restoredWhenInvalid = true};
// 0 when no channel is chosen; normalisation also wants the channel in use.
inline constexpr SettingsField kPriorityChannel{.key = "priority_channel",
                                                .label = Msg("Model", "Priority Channel"),
                                                .kind = FieldKind::Number,
                                                .address = 0xFC8,
                                                .high = region::kChannelCount};
inline constexpr SettingsField kWorkMode{.key = "work_mode",
                                         .label = Msg("Model", "Work Mode"),
                                         .kind = FieldKind::List,
                                         .address = kModeFlags,
                                         .mask = 0x01,
                                         .entries = kWorkModeList,
                                         .forcedBy = kOnlyChannelModeMask};
inline constexpr SettingsField kOnlyChannelMode{.key = "only_channel_mode",
                                                .label = Msg("Model", "Only Channel Mode"),
                                                .kind = FieldKind::Flag,
                                                .address = kModeFlags,
                                                .mask = kOnlyChannelModeMask};
inline constexpr SettingsField kStep{.key = "step",
                                     .label = Msg("Model", "Step"),
                                     .kind = FieldKind::List,
                                     .address = 0xFC9,
                                     .entries = kStepList,
                                     .restoredWhenInvalid = true};
inline constexpr SettingsField kSideTone{.key = "side_tone",
                                         .label = Msg("Model", "Side Tone"),
                                         .kind = FieldKind::Flag,
                                         .address = kModeFlags,
                                         .mask = 0x40};
inline constexpr SettingsField kBand{.key = "band",
                                     .label = Msg("Model", "Band"),
                                     .kind = FieldKind::List,
                                     .address = region::kStatusByte,
                                     .mask = region::kBandFlagMask,
                                     .entries = kBandList};
inline constexpr SettingsField kReceiveEnable{.key = "receive_enable",
                                              .label = Msg("Model", "Receive Enable"),
                                              .kind = FieldKind::Flag,
                                              .address = region::kStatusByte,
                                              .mask = region::kReceiveEnableMask};

// Frequency-mode record (0x820, laid out like a channel record).
inline constexpr SettingsField kRxFrequency{.key = "rx_frequency",
                                            .label = Msg("Model", "Rx Frequency (MHz)"),
                                            .kind = FieldKind::Frequency,
                                            .address = kFreqMode + record::kRxFrequency,
                                            .length = 4};
inline constexpr SettingsField kDecode{.key = "decode",
                                       .label = Msg("Model", "Decode"),
                                       .kind = FieldKind::Tone,
                                       .address = kFreqMode + record::kRxTone,
                                       .bankAddress = kFreqModeFlags,
                                       .bankMask = record::kRxBankMask};
inline constexpr SettingsField kEncode{.key = "encode",
                                       .label = Msg("Model", "Encode"),
                                       .kind = FieldKind::Tone,
                                       .address = kFreqMode + record::kTxTone,
                                       .bankAddress = kFreqModeFlags,
                                       .bankMask = record::kTxBankMask};
inline constexpr SettingsField kBandwidth{.key = "wide_narrow",
                                          .label = Msg("Model", "Wide / Narrow"),
                                          .kind = FieldKind::List,
                                          .address = kFreqModeFlags,
                                          .mask = record::kBandwidthMask,
                                          .entries = kBandwidthList};
inline constexpr SettingsField kPower{.key = "tx_power",
                                      .label = Msg("Model", "TX Power"),
                                      .kind = FieldKind::List,
                                      .address = kFreqModeFlags,
                                      .mask = record::kPowerMask,
                                      .entries = kPowerList};
inline constexpr SettingsField kDuplex{.key = "duplex",
                                       .label = Msg("Model", "Duplex"),
                                       .kind = FieldKind::List,
                                       .address = kFreqModeFlags,
                                       .mask = record::kDirectionMask,
                                       .entries = kDuplexList};
inline constexpr SettingsField kOffsetFrequency{.key = "offset_frequency",
                                                .label = Msg("Model", "Offset Frequency (MHz)"),
                                                .kind = FieldKind::Frequency,
                                                .address = kFreqMode + record::kOffset,
                                                .length = 4};

// DTMF timings (0xFE8 to 0xFEA): positions of `scale` ms on the edits' spins.
inline constexpr SettingsField kFirstDigitDelay{.key = "first_digit_delay",
                                                .label = Msg("Model", "First Digit Delay (ms)"),
                                                .kind = FieldKind::Timing,
                                                .address = region::kDtmfTimings,
                                                .low = 1,
                                                .high = 90,
                                                .scale = 50,
                                                .restoredWhenInvalid = true};
inline constexpr SettingsField kDigitInterval{.key = "digit_interval",
                                              .label = Msg("Model", "Digit Intervel (ms)"),
                                              .kind = FieldKind::Timing,
                                              .address = region::kDtmfTimings + 1,
                                              .low = 2,
                                              .high = 256,
                                              .scale = 25};
inline constexpr SettingsField kDigitDelayTime{.key = "digit_delay_time",
                                               .label = Msg("Model", "Digit Delay Time (ms)"),
                                               .kind = FieldKind::Timing,
                                               .address = region::kDtmfTimings + 2,
                                               .low = 2,
                                               .high = 256,
                                               .scale = 25};

// The 16 FM broadcast presets, one byte each: 87.0 to 108.0 MHz.
inline constexpr SettingsField kFmChannels{.key = "fm_channels",
                                           .label = Msg("Model", "FM channel"),
                                           .kind = FieldKind::FmPreset,
                                           .address = region::kFm,
                                           .count = region::kFmSize,
                                           .low = 870,
                                           .high = 1080};

}  // namespace field

// Every field, in the order the forms show them.
inline constexpr std::array kSettingsFields{
    field::kSquelch,
    field::kVox,
    field::kTot,
    field::kBackLight,
    field::kDisplay,
    field::kPttId,
    field::kDtmfCode,
    field::kPf3,
    field::kLowerLimit,
    field::kUpperLimit,
    field::kBeep,
    field::kSave,
    field::kManual,
    field::kChannelEmbed,
    field::kPriorityScan,
    field::kScanMode,
    field::kPriorityChannel,
    field::kWorkMode,
    field::kOnlyChannelMode,
    field::kRxFrequency,
    field::kDecode,
    field::kEncode,
    field::kStep,
    field::kBandwidth,
    field::kPower,
    field::kDuplex,
    field::kOffsetFrequency,
    field::kFirstDigitDelay,
    field::kDigitInterval,
    field::kDigitDelayTime,
    field::kSideTone,
    field::kBand,
    field::kReceiveEnable,
    field::kFmChannels,
};

// The row with this key, or nullptr.
constexpr const SettingsField* FindSettingsField(std::string_view key) {
    const auto it = std::find_if(kSettingsFields.begin(), kSettingsFields.end(),
                                 [key](const SettingsField& f) { return f.key == key; });
    return it == kSettingsFields.end() ? nullptr : &*it;
}

// The stored value of a one-byte field: its bits, shifted down.
constexpr int FieldValue(const Image& image, const SettingsField& f) {
    return (image[f.address] & f.mask) >> f.Shift();
}

// Replaces the field's bits with the low bits of `value`; a negative value
// sets them all, as a list without a selection does.
constexpr void SetFieldValue(Image& image, const SettingsField& f, int value) {
    Byte& byte = image[f.address];
    byte = static_cast<Byte>((byte & ~f.mask) |
                             ((static_cast<unsigned>(value) << f.Shift()) & f.mask));
}

// A list's stored position, or kNoSelection when it names no entry.
constexpr int ListPosition(const Image& image, const SettingsField& f) {
    const int value = FieldValue(image, f);
    return f.ValueValid(value) ? value : kNoSelection;
}

// A position that names no entry stores all ones: 0xFF in a whole byte.
constexpr void StoreListPosition(Image& image, const SettingsField& f, int position) {
    SetFieldValue(image, f, f.ValueValid(position) ? position : kNoSelection);
}

constexpr bool FieldOn(const Image& image, const SettingsField& f) {
    return (FieldValue(image, f) != 0) != (f.kind == FieldKind::InvertedFlag);
}

constexpr void SetFieldOn(Image& image, const SettingsField& f, bool on) {
    SetFieldValue(image, f, on != (f.kind == FieldKind::InvertedFlag) ? 1 : 0);
}

// A form stores only what the person edited. It encodes the values it showed
// and the values its controls hold now; a field (each element on its own)
// whose two encodings agree was not edited and gets its stored bits back, so
// a value the form cannot show faithfully (a limit past 999 MHz, a list
// position past the end) is never re-encoded by an unrelated edit.
constexpr void KeepUnchangedFields(const Image& stored, const Image& shownEncoded, Image& edited) {
    const auto agree = [&](std::size_t address, Byte mask) {
        return ((shownEncoded[address] ^ edited[address]) & mask) == 0;
    };
    const auto restore = [&](std::size_t address, Byte mask) {
        edited[address] = static_cast<Byte>((edited[address] & ~mask) | (stored[address] & mask));
    };
    for (const SettingsField& f : kSettingsFields) {
        for (std::size_t element = 0; element < f.count; ++element) {
            const std::size_t first = f.address + element * f.length;
            bool unchanged = f.bankMask == 0 || agree(f.bankAddress, f.bankMask);
            for (std::size_t i = 0; i < f.length; ++i) {
                unchanged = unchanged && agree(first + i, f.mask);
            }
            if (!unchanged) {
                continue;
            }
            for (std::size_t i = 0; i < f.length; ++i) {
                restore(first + i, f.mask);
            }
            if (f.bankMask != 0) {
                restore(f.bankAddress, f.bankMask);
            }
        }
    }
}

namespace detail {

constexpr bool FieldsAreSound() {
    for (std::size_t i = 0; i < kSettingsFields.size(); ++i) {
        const SettingsField& a = kSettingsFields[i];
        const unsigned bits = a.mask >> a.Shift();
        if ((bits & (bits + 1)) != 0) {
            return false;  // the bits of a field are side by side
        }
        if (a.kind == FieldKind::List && a.entries.size() > (1u << a.Width())) {
            return false;  // every entry can be stored
        }
        for (std::size_t j = i + 1; j < kSettingsFields.size(); ++j) {
            const SettingsField& b = kSettingsFields[j];
            const bool sameBytes =
                a.address < b.address + b.Size() && b.address < a.address + a.Size();
            if (a.key == b.key || (sameBytes && (a.mask & b.mask) != 0)) {
                return false;  // no bit belongs to two fields, no key to two rows
            }
        }
    }
    return true;
}

}  // namespace detail

static_assert(detail::FieldsAreSound());

}  // namespace ht57
