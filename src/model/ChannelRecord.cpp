#include "model/ChannelRecord.h"

#include <algorithm>
#include <cstdlib>

#include "model/Bcd.h"
#include "model/Frequency.h"
#include "model/Tones.h"

namespace ht57 {

ChannelRecord ReadChannel(const Image& image, int channel) {
    ChannelRecord record;
    const auto first = image.begin() + static_cast<std::ptrdiff_t>(ChannelOffset(channel));
    std::copy(first, first + region::kRecordSize, record.begin());
    return record;
}

void WriteChannel(Image& image, int channel, const ChannelRecord& record) {
    std::copy(record.begin(), record.end(),
              image.begin() + static_cast<std::ptrdiff_t>(ChannelOffset(channel)));
}

std::uint32_t RecordRxFrequency(const ChannelRecord& record) {
    return ReadBcd32(&record[record::kRxFrequency]);
}

ShiftDirection RecordDirection(const ChannelRecord& record) {
    return static_cast<ShiftDirection>((record[record::kFlags] & record::kDirectionMask) >>
                                       record::kDirectionShift);
}

std::uint32_t RecordTxFrequency(const ChannelRecord& record) {
    // The transmit frequency is snapped, not the offset: a transmit that lies
    // on the raster reads back exactly, whatever raster the offset is on.
    const std::int64_t rx = RecordRxFrequency(record);
    const std::int64_t offset = ReadBcd32(&record[record::kOffset]);
    std::int64_t tx = rx;
    switch (RecordDirection(record)) {
        case ShiftDirection::None:
            break;
        case ShiftDirection::Plus:
            tx = rx + offset;
            break;
        case ShiftDirection::Minus:
            tx = std::max<std::int64_t>(rx - offset, 0);
            break;
        case ShiftDirection::OffsetIsTx:
            tx = offset;
            break;
    }
    return SnapFrequency(static_cast<std::uint32_t>(tx));
}

int RecordRxToneIndex(const ChannelRecord& record) {
    return DecodeTone(record[record::kRxTone], record[record::kFlags] & record::kRxBankMask);
}

int RecordTxToneIndex(const ChannelRecord& record) {
    return DecodeTone(record[record::kTxTone], record[record::kFlags] & record::kTxBankMask);
}

std::string_view BusyLockText(const ChannelRecord& record) {
    const int code = (record[record::kFlags] & record::kBusyLockMask) >> record::kBusyLockShift;
    return kBusyLockTexts[code > 0 ? static_cast<std::size_t>(3 - code) : 0];
}

std::string RecordName(const ChannelRecord& record) {
    std::string name;
    for (std::size_t i = 0; i < record::kNameLength; ++i) {
        const Byte index = record[record::kName + i];
        if (index >= kNameAlphabet.size()) {
            break;
        }
        name += kNameAlphabet[index];
    }
    return name;
}

bool IsChannelInUse(const ChannelRecord& record, const FrequencyLimits& limits) {
    const std::uint32_t rx = RecordRxFrequency(record);
    return limits.lower <= rx && rx <= limits.upper;
}

bool InRange(int low, int high, int value) {
    const auto byte = [](int v) { return static_cast<Byte>(v & 0xFF); };
    return byte(low) <= byte(value) && byte(value) <= byte(high);
}

ChannelRecord DefaultChannelRecord(std::optional<std::uint32_t> frequency) {
    ChannelRecord record;
    record.fill(0xFF);
    if (frequency) {
        WriteBcd32(&record[record::kRxFrequency], *frequency);
        WriteBcd32(&record[record::kOffset], *frequency);
    }
    record[record::kRxTone] = 0;
    record[record::kTxTone] = 0;
    record[record::kFlags] = record::kDefaultFlags;
    return record;
}

void WriteChannelDefaults(Image& image, int channel, std::optional<std::uint32_t> frequency) {
    WriteChannel(image, channel, DefaultChannelRecord(frequency));
}

ChannelTexts DecodeChannel(const ChannelRecord& record, const FrequencyLimits& limits) {
    if (!IsChannelInUse(record, limits)) {
        return {};
    }
    const Byte flags = record[record::kFlags];
    ChannelTexts texts;
    texts.rxFrequency = FormatFrequency(SnapFrequency(RecordRxFrequency(record)));
    texts.txFrequency = FormatFrequency(RecordTxFrequency(record));
    texts.rxTone = ToneText(RecordRxToneIndex(record));
    texts.txTone = ToneText(RecordTxToneIndex(record));
    texts.busyLock = BusyLockText(record);
    texts.power = kPowerTexts[flags & record::kPowerMask];
    texts.bandwidth = kBandwidthTexts[(flags & record::kBandwidthMask) ? 1 : 0];
    texts.name = RecordName(record);
    return texts;
}

namespace {

void EncodeTone(ChannelRecord& record, std::size_t codeOffset, Byte bankMask,
                std::string_view text) {
    const ToneCode tone = ht57::EncodeTone(FindTone(text));
    record[codeOffset] = tone.code;
    if (tone.bank) {
        record[record::kFlags] |= bankMask;
    } else {
        record[record::kFlags] &= static_cast<Byte>(~bankMask);
    }
}

void SetBit(Byte& flags, Byte mask, bool on) {
    flags = on ? static_cast<Byte>(flags | mask) : static_cast<Byte>(flags & ~mask);
}

}  // namespace

void EncodeChannel(ChannelRecord& record, const ChannelTexts& texts) {
    const std::uint32_t rx = ParseFrequency(texts.rxFrequency);
    const std::uint32_t tx = ParseFrequency(texts.txFrequency);
    WriteBcd32(&record[record::kRxFrequency], rx);
    WriteBcd32(&record[record::kOffset], rx > tx ? rx - tx : tx - rx);
    const ShiftDirection direction = rx == tx  ? ShiftDirection::None
                                     : rx < tx ? ShiftDirection::Plus
                                               : ShiftDirection::Minus;
    Byte& flags = record[record::kFlags];
    flags = static_cast<Byte>((flags & ~record::kDirectionMask) | static_cast<Byte>(direction)
                                                                      << record::kDirectionShift);

    EncodeTone(record, record::kRxTone, record::kRxBankMask, texts.rxTone);
    EncodeTone(record, record::kTxTone, record::kTxBankMask, texts.txTone);

    int busyCode = 3;
    if (texts.busyLock == "Carrier") {
        busyCode = 2;
    } else if (texts.busyLock == "QT/DQT") {
        busyCode = 1;
    }
    flags =
        static_cast<Byte>((flags & ~record::kBusyLockMask) | busyCode << record::kBusyLockShift);

    if (texts.power == kPowerTexts[0] || texts.power == kPowerTexts[1]) {
        SetBit(flags, record::kPowerMask, texts.power == kPowerTexts[1]);
    }
    if (texts.bandwidth == kBandwidthTexts[0] || texts.bandwidth == kBandwidthTexts[1]) {
        SetBit(flags, record::kBandwidthMask, texts.bandwidth == kBandwidthTexts[1]);
    }

    std::fill_n(record.begin() + record::kName, record::kNameLength, Byte{0xFF});
    const std::size_t length = std::min(texts.name.size(), record::kNameLength);
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t index = kNameKeys.find(texts.name[i]);
        record[record::kName + i] =
            index == std::string_view::npos ? 0xFF : static_cast<Byte>(index);
    }
}

void NormaliseChannels(Image& image, const Image& reference, const FrequencyLimits& limits) {
    const ChannelRecord referenceRecord = ReadChannel(reference, 1);
    for (int n = 1; n <= region::kChannelCount; ++n) {
        ChannelRecord record = ReadChannel(image, n);
        if (!IsChannelInUse(record, limits)) {
            record.fill(0xFF);
        } else {
            const int busyCode =
                (record[record::kFlags] & record::kBusyLockMask) >> record::kBusyLockShift;
            if (!InRange(0, 2, busyCode)) {
                record[record::kFlags] =
                    static_cast<Byte>((record[record::kFlags] & ~record::kBusyLockMask) |
                                      (referenceRecord[record::kFlags] & record::kBusyLockMask));
            }
        }
        WriteChannel(image, n, record);
    }
}

}  // namespace ht57
