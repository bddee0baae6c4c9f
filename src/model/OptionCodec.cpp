#include "model/OptionCodec.h"

#include <cstdint>

#include "model/Bcd.h"
#include "model/BitField.h"
#include "model/ChannelRecord.h"
#include "model/Frequency.h"
#include "model/Numbers.h"
#include "model/OptionLists.h"
#include "model/SettingsLayout.h"
#include "model/Tones.h"

namespace ht57 {
namespace {

using namespace settings;

constexpr std::size_t kFreqMode = region::kFreqModeRecord;
constexpr std::size_t kFreqModeFlags = kFreqMode + record::kFlags;
constexpr int kPowerBit = 0;
constexpr int kBandwidthBit = 1;
constexpr int kDecodeBankBit = 4;
constexpr int kEncodeBankBit = 5;
constexpr int kDuplexShift = 6;

// A stored value selects its list entry; one beyond the list selects nothing.
// Storing, a position that names no entry counts as no selection too.
int Position(int value, std::size_t listSize) {
    return value >= 0 && static_cast<std::size_t>(value) < listSize ? value : kNoSelection;
}

void StoreByte(Byte& byte, int position, std::size_t listSize) {
    const int value = Position(position, listSize);
    byte = value == kNoSelection ? Byte{0xFF} : static_cast<Byte>(value);
}

// No selection sets every bit of the field.
void StoreBits(Byte& byte, int shift, int width, int position, std::size_t listSize) {
    SetBits(byte, shift, width, Position(position, listSize));
}

std::string DecodeDtmfCode(const Image& image) {
    std::string code;
    for (std::size_t i = 0; i < kDtmfCodeLength; ++i) {
        const Byte digit = image[region::kDtmf + i];
        if (digit >= kDtmfAlphabet.size()) {
            break;
        }
        code += kDtmfAlphabet[digit];
    }
    return code;
}

void EncodeDtmfCode(std::string_view code, Image& image) {
    for (std::size_t i = 0; i < kDtmfCodeLength; ++i) {
        Byte digit = 0xFF;
        if (i < code.size()) {
            const std::size_t position = kDtmfAlphabet.find(code[i]);
            if (position != std::string_view::npos) {
                digit = static_cast<Byte>(position);
            }
        }
        image[region::kDtmf + i] = digit;
    }
}

// Band edges are kept in 100 kHz units; the edits show whole MHz.
std::string DecodeLimit(const Image& image, std::size_t offset) {
    return std::to_string(ReadBcd16(&image[offset]) / 10);
}

void EncodeLimit(std::string_view text, Image& image, std::size_t offset) {
    const auto megahertz = static_cast<std::uint64_t>(LeadingIntegerOrZero(text));
    // The BCD field keeps the low four digits of whatever it is given.
    WriteBcd16(&image[offset], static_cast<std::uint32_t>((megahertz * 10) % 10'000));
}

std::string DecodeFrequencyField(const Image& image, std::size_t offset) {
    return FormatFrequency(SnapFrequency(ReadBcd32(&image[offset])));
}

int DecodeToneField(const Image& image, std::size_t codeOffset, int bankBit) {
    const int position =
        image[codeOffset] + (GetBit(image[kFreqModeFlags], bankBit) ? kDcsCodeCount : 0);
    return Position(position, kToneCount);
}

// A tone list without a selection keeps the stored tone: writing -1 literally
// would turn an erased record's 0xFF into an inverted DCS code nobody chose.
void EncodeToneField(int position, Image& image, std::size_t codeOffset, int bankBit) {
    if (Position(position, kToneCount) == kNoSelection) {
        return;
    }
    const ToneCode tone = EncodeTone(position);
    image[codeOffset] = tone.code;
    SetBit(image[kFreqModeFlags], bankBit, tone.bank);
}

std::vector<std::string> ChannelsInUse(const Image& image, const FrequencyLimits& limits) {
    std::vector<std::string> channels;
    for (int n = 1; n <= region::kChannelCount; ++n) {
        if (IsChannelInUse(ReadChannel(image, n), limits)) {
            channels.push_back(std::to_string(n));
        }
    }
    return channels;
}

// The list selects its first entry, then the first entry that begins with the
// stored number's text, as a prefix search from the top does.
int SelectPriorityChannel(const std::vector<std::string>& channels, Byte stored) {
    if (channels.empty()) {
        return kNoSelection;
    }
    const std::string prefix = std::to_string(stored);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (channels[i].starts_with(prefix)) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

Byte StoredPriorityChannel(const OptionValues& values) {
    const int index = values.priorityChannel;
    if (index < 0 || static_cast<std::size_t>(index) >= values.priorityChannels.size()) {
        return 0;
    }
    return static_cast<Byte>(
        LeadingIntegerOrZero(values.priorityChannels[static_cast<std::size_t>(index)]));
}

}  // namespace

OptionValues DecodeOptions(const Image& image, const FrequencyLimits& limits) {
    OptionValues values;
    values.priorityChannels = ChannelsInUse(image, limits);

    const Byte modeFlags = image[kModeFlags];
    const Byte scanFlags = image[kScanFlags];
    const Byte status = image[region::kStatusByte];
    const Byte freqModeFlags = image[kFreqModeFlags];

    values.squelch = Position(image[kSquelch], kSquelchList.size());
    values.vox = Position(image[kVox], kVoxList.size());
    values.tot = Position(image[kTot], kTotList.size());
    values.backLight = Position(GetBits(scanFlags, kBackLightShift, 2), kBackLightList.size());
    values.display = Position(GetBits(modeFlags, kDisplayBit, 1), kDisplayList.size());
    values.pttId = Position(GetBits(scanFlags, kPttIdShift, 2), kPttIdList.size());
    values.dtmfCode = DecodeDtmfCode(image);
    values.pf3 = Position(GetBits(status, kPf3Shift, 3), kPf3List.size());
    values.lowerLimit = DecodeLimit(image, region::kLowerBandEdge);
    values.upperLimit = DecodeLimit(image, region::kUpperBandEdge);

    values.frequencyMode = !GetBit(modeFlags, kWorkModeBit);
    values.onlyChannelMode = GetBit(modeFlags, kOnlyChannelModeBit);
    values.beep = GetBit(modeFlags, kBeepBit);
    values.save = GetBit(modeFlags, kSaveBit);
    values.manual = !GetBit(image[kManualFlags], kManualOffBit);
    values.channelEmbedEnable = GetBit(status, kChannelEmbedBit);
    values.scanMode = Position(GetBits(scanFlags, kScanModeShift, 2), kScanModeList.size());
    values.priorityChannel =
        SelectPriorityChannel(values.priorityChannels, image[kPriorityChannel]);
    values.priorityScan = GetBit(scanFlags, kPriorityScanBit);

    values.rxFrequency = DecodeFrequencyField(image, kFreqMode + record::kRxFrequency);
    values.decodeTone = DecodeToneField(image, kFreqMode + record::kRxTone, kDecodeBankBit);
    values.encodeTone = DecodeToneField(image, kFreqMode + record::kTxTone, kEncodeBankBit);
    values.power = Position(GetBits(freqModeFlags, kPowerBit, 1), kPowerList.size());
    values.bandwidth = Position(GetBits(freqModeFlags, kBandwidthBit, 1), kBandwidthList.size());
    values.step = Position(image[kStep], kStepList.size());
    values.duplex = Position(GetBits(freqModeFlags, kDuplexShift, 2), kDuplexList.size());
    values.offsetFrequency = DecodeFrequencyField(image, kFreqMode + record::kOffset);

    ApplyWorkModeRule(values);
    return values;
}

void EncodeOptions(const OptionValues& values, Image& image) {
    OptionValues v = values;
    ApplyWorkModeRule(v);

    StoreByte(image[kSquelch], v.squelch, kSquelchList.size());
    StoreByte(image[kVox], v.vox, kVoxList.size());
    StoreByte(image[kTot], v.tot, kTotList.size());

    Byte& modeFlags = image[kModeFlags];
    Byte& scanFlags = image[kScanFlags];
    Byte& status = image[region::kStatusByte];
    StoreBits(scanFlags, kBackLightShift, 2, v.backLight, kBackLightList.size());
    StoreBits(modeFlags, kDisplayBit, 1, v.display, kDisplayList.size());
    StoreBits(scanFlags, kPttIdShift, 2, v.pttId, kPttIdList.size());
    EncodeDtmfCode(v.dtmfCode, image);
    StoreBits(status, kPf3Shift, 3, v.pf3, kPf3List.size());
    EncodeLimit(v.lowerLimit, image, region::kLowerBandEdge);
    EncodeLimit(v.upperLimit, image, region::kUpperBandEdge);

    SetBit(modeFlags, kWorkModeBit, !v.frequencyMode);
    SetBit(modeFlags, kOnlyChannelModeBit, v.onlyChannelMode);
    SetBit(modeFlags, kBeepBit, v.beep);
    SetBit(modeFlags, kSaveBit, v.save);
    SetBit(image[kManualFlags], kManualOffBit, !v.manual);
    SetBit(status, kChannelEmbedBit, v.channelEmbedEnable);

    StoreBits(scanFlags, kScanModeShift, 2, v.scanMode, kScanModeList.size());
    image[kPriorityChannel] = StoredPriorityChannel(v);
    SetBit(scanFlags, kPriorityScanBit, v.priorityScan);

    WriteBcd32(&image[kFreqMode + record::kRxFrequency], ParseFrequency(v.rxFrequency));
    EncodeToneField(v.decodeTone, image, kFreqMode + record::kRxTone, kDecodeBankBit);
    EncodeToneField(v.encodeTone, image, kFreqMode + record::kTxTone, kEncodeBankBit);
    Byte& freqModeFlags = image[kFreqModeFlags];
    StoreBits(freqModeFlags, kPowerBit, 1, v.power, kPowerList.size());
    StoreBits(freqModeFlags, kBandwidthBit, 1, v.bandwidth, kBandwidthList.size());
    StoreBits(freqModeFlags, kDuplexShift, 2, v.duplex, kDuplexList.size());
    StoreByte(image[kStep], v.step, kStepList.size());
    WriteBcd32(&image[kFreqMode + record::kOffset], ParseFrequency(v.offsetFrequency));
}

void ApplyWorkModeRule(OptionValues& values) {
    if (values.onlyChannelMode) {
        values.frequencyMode = false;
    }
}

std::optional<std::string> CommitFrequencyEdit(std::string_view text) {
    constexpr std::uint32_t kLargestStored = 99'999'999;
    const std::uint32_t snapped = SnapFrequency(ParseFrequency(text));
    if (snapped > kLargestStored) {
        return std::nullopt;
    }
    return FormatFrequency(snapped);
}

std::optional<char> DtmfCodeKey(char32_t key) {
    if (key >= U'a' && key <= U'z') {
        key -= U'a' - U'A';
    }
    // The backspace entry ends a stored code; it is never typed into it.
    const std::string_view storable = kDtmfAlphabet.substr(0, kDtmfAlphabet.size() - 1);
    if (key == 0 || key >= 0x80 ||
        storable.find(static_cast<char>(key)) == std::string_view::npos) {
        return std::nullopt;
    }
    return static_cast<char>(key);
}

}  // namespace ht57
