#include "model/OptionCodec.h"

#include <bit>
#include <cstdint>

#include "model/Bcd.h"
#include "model/BitField.h"
#include "model/ChannelRecord.h"
#include "model/FieldText.h"
#include "model/Frequency.h"
#include "model/Numbers.h"
#include "model/OptionLists.h"
#include "model/Tones.h"

namespace ht57 {
namespace {

using namespace field;

// Eight BCD digits of 10 Hz: 999.99999 MHz at most.
constexpr std::uint32_t kLargestStoredFrequency = 99'999'999;

// A frequency more than the field can hold keeps the stored bytes: stored,
// it would lose its leading digit (an erased field shows 1666.66500 MHz and
// would come back as 666.66650).
void WriteFrequencyField(Image& image, const SettingsField& field, std::string_view text) {
    const std::uint32_t frequency = ParseFrequency(text);
    if (frequency <= kLargestStoredFrequency) {
        WriteBcd32(&image[field.address], frequency);
    }
}

void EncodeDtmfCode(std::string_view code, Image& image) {
    for (std::size_t i = 0; i < kDtmfCode.length; ++i) {
        Byte digit = 0xFF;
        if (i < code.size()) {
            const std::size_t position = kDtmfAlphabet.find(code[i]);
            if (position != std::string_view::npos) {
                digit = static_cast<Byte>(position);
            }
        }
        image[kDtmfCode.address + i] = digit;
    }
}

void EncodeLimit(std::string_view text, Image& image, const SettingsField& limit) {
    const auto megahertz = static_cast<std::uint64_t>(LeadingIntegerOrZero(text));
    // The BCD field keeps the low four digits of whatever it is given.
    WriteBcd16(&image[limit.address], static_cast<std::uint32_t>((megahertz * 10) % 10'000));
}

// A tone list without a selection keeps the stored tone: writing -1 literally
// would turn an erased record's 0xFF into an inverted DCS code nobody chose.
void EncodeToneField(int position, Image& image, const SettingsField& tone) {
    if (position < 0 || position >= kToneCount) {
        return;
    }
    const ToneCode code = EncodeTone(position);
    image[tone.address] = code.code;
    SetBit(image[tone.bankAddress], std::countr_zero(unsigned{tone.bankMask}), code.bank);
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

    values.squelch = ListPosition(image, kSquelch);
    values.vox = ListPosition(image, kVox);
    values.tot = ListPosition(image, kTot);
    values.backLight = ListPosition(image, kBackLight);
    values.display = ListPosition(image, kDisplay);
    values.pttId = ListPosition(image, kPttId);
    values.dtmfCode = FieldText(image, kDtmfCode);
    values.pf3 = ListPosition(image, kPf3);
    values.lowerLimit = FieldText(image, kLowerLimit);
    values.upperLimit = FieldText(image, kUpperLimit);

    values.frequencyMode = FieldValue(image, kWorkMode) == 0;
    values.onlyChannelMode = FieldOn(image, kOnlyChannelMode);
    values.beep = FieldOn(image, kBeep);
    values.save = FieldOn(image, kSave);
    values.manual = FieldOn(image, kManual);
    values.channelEmbedEnable = FieldOn(image, kChannelEmbed);
    values.scanMode = ListPosition(image, kScanMode);
    values.priorityChannel =
        SelectPriorityChannel(values.priorityChannels, image[kPriorityChannel.address]);
    values.priorityScan = FieldOn(image, kPriorityScan);

    values.rxFrequency = FieldText(image, kRxFrequency);
    values.decodeTone = TonePosition(image, kDecode);
    values.encodeTone = TonePosition(image, kEncode);
    values.power = ListPosition(image, kPower);
    values.bandwidth = ListPosition(image, kBandwidth);
    values.step = ListPosition(image, kStep);
    values.duplex = ListPosition(image, kDuplex);
    values.offsetFrequency = FieldText(image, kOffsetFrequency);

    ApplyWorkModeRule(values);
    return values;
}

void EncodeOptions(const OptionValues& values, Image& image) {
    OptionValues v = values;
    ApplyWorkModeRule(v);

    StoreListPosition(image, kSquelch, v.squelch);
    StoreListPosition(image, kVox, v.vox);
    StoreListPosition(image, kTot, v.tot);
    StoreListPosition(image, kBackLight, v.backLight);
    StoreListPosition(image, kDisplay, v.display);
    StoreListPosition(image, kPttId, v.pttId);
    EncodeDtmfCode(v.dtmfCode, image);
    StoreListPosition(image, kPf3, v.pf3);
    EncodeLimit(v.lowerLimit, image, kLowerLimit);
    EncodeLimit(v.upperLimit, image, kUpperLimit);

    SetFieldValue(image, kWorkMode, v.frequencyMode ? 0 : 1);
    SetFieldOn(image, kOnlyChannelMode, v.onlyChannelMode);
    SetFieldOn(image, kBeep, v.beep);
    SetFieldOn(image, kSave, v.save);
    SetFieldOn(image, kManual, v.manual);
    SetFieldOn(image, kChannelEmbed, v.channelEmbedEnable);

    StoreListPosition(image, kScanMode, v.scanMode);
    image[kPriorityChannel.address] = StoredPriorityChannel(v);
    SetFieldOn(image, kPriorityScan, v.priorityScan);

    WriteFrequencyField(image, kRxFrequency, v.rxFrequency);
    EncodeToneField(v.decodeTone, image, kDecode);
    EncodeToneField(v.encodeTone, image, kEncode);
    StoreListPosition(image, kPower, v.power);
    StoreListPosition(image, kBandwidth, v.bandwidth);
    StoreListPosition(image, kDuplex, v.duplex);
    StoreListPosition(image, kStep, v.step);
    WriteFrequencyField(image, kOffsetFrequency, v.offsetFrequency);
}

void ApplyWorkModeRule(OptionValues& values) {
    if (values.onlyChannelMode) {
        values.frequencyMode = false;
    }
}

std::optional<std::string> SnappedFrequencyText(std::string_view text) {
    const std::uint32_t snapped = SnapFrequency(ParseFrequency(text));
    if (snapped > kLargestStoredFrequency) {
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
