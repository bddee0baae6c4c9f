#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Image.h"
#include "model/UserText.h"

namespace ht57 {

using ChannelRecord = std::array<Byte, region::kRecordSize>;

// Record layout: rx BCD 0-3, offset BCD 4-7, rx tone code 8, tx tone code 9,
// flags 10, name 11-15.
namespace record {
inline constexpr std::size_t kRxFrequency = 0;
inline constexpr std::size_t kOffset = 4;
inline constexpr std::size_t kRxTone = 8;
inline constexpr std::size_t kTxTone = 9;
inline constexpr std::size_t kFlags = 10;
inline constexpr std::size_t kName = 11;
inline constexpr std::size_t kNameLength = 5;

inline constexpr Byte kPowerMask = 0x01;
inline constexpr Byte kBandwidthMask = 0x02;
inline constexpr Byte kBusyLockMask = 0x0C;
inline constexpr int kBusyLockShift = 2;
inline constexpr Byte kRxBankMask = 0x10;
inline constexpr Byte kTxBankMask = 0x20;
inline constexpr Byte kDirectionMask = 0xC0;
inline constexpr int kDirectionShift = 6;
// Power High, Wide, busy lock "Off", both banks 0, no shift.
inline constexpr Byte kDefaultFlags = 0x0F;
}  // namespace record

enum class ShiftDirection : Byte { None = 0, Plus = 1, Minus = 2, OffsetIsTx = 3 };

// Display texts of the list-valued fields, in value (or display) order.
inline constexpr std::array<const char*, 2> kPowerTexts{Msg("Model", "Low"), Msg("Model", "High")};
inline constexpr std::array<const char*, 2> kBandwidthTexts{Msg("Model", "Narrow"),
                                                            Msg("Model", "Wide")};
inline constexpr std::array<const char*, 3> kBusyLockTexts{
    Msg("Model", "Off"), Msg("Model", "Carrier"), Msg("Model", "QT/DQT")};

// The 42 name characters, stored by index; the editor also accepts backspace.
inline constexpr std::string_view kNameAlphabet = "0123456789- ABCDEFGHIJKLMNOPQRSTUVWXYZ_+*";
inline constexpr std::string_view kNameKeys = "0123456789- ABCDEFGHIJKLMNOPQRSTUVWXYZ_+*\b";

// A channel as the grid shows it; every text is empty for an unused channel.
struct ChannelTexts {
    std::string rxFrequency;
    std::string txFrequency;
    std::string rxTone;
    std::string txTone;
    std::string busyLock;
    std::string power;
    std::string bandwidth;
    std::string name;
    friend bool operator==(const ChannelTexts&, const ChannelTexts&) = default;
};

ChannelRecord ReadChannel(const Image& image, int channel);
void WriteChannel(Image& image, int channel, const ChannelRecord& record);

std::uint32_t RecordRxFrequency(const ChannelRecord& record);  // decoded, not snapped
ShiftDirection RecordDirection(const ChannelRecord& record);
// The transmit frequency the record describes, snapped to the raster; a
// minus shift below zero floors at 0.
std::uint32_t RecordTxFrequency(const ChannelRecord& record);
int RecordRxToneIndex(const ChannelRecord& record);
int RecordTxToneIndex(const ChannelRecord& record);
std::string_view BusyLockText(const ChannelRecord& record);
std::string RecordName(const ChannelRecord& record);

bool IsChannelInUse(const ChannelRecord& record, const FrequencyLimits& limits);

// True when low <= value <= high, comparing the low 8 bits of each as bytes.
bool InRange(int low, int high, int value);

// The new-channel record with frequency f, or the cleared-channel record when
// no frequency is given.
ChannelRecord DefaultChannelRecord(std::optional<std::uint32_t> frequency);
void WriteChannelDefaults(Image& image, int channel, std::optional<std::uint32_t> frequency);

// Texts of a record for display; all empty when the channel is not in use.
ChannelTexts DecodeChannel(const ChannelRecord& record, const FrequencyLimits& limits);

// Re-encodes a record from texts; fields whose text is not recognised keep
// their old bits.
void EncodeChannel(ChannelRecord& record, const ChannelTexts& texts);

// Channel step of image normalisation: unused channels become sixteen 0xFF
// bytes; a used channel with busy lock code 3 takes bits 2-3 from channel 1 of
// the reference image.
void NormaliseChannels(Image& image, const Image& reference, const FrequencyLimits& limits);

}  // namespace ht57
