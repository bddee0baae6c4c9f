#include "model/ImageDiff.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <span>

#include "model/Bcd.h"
#include "model/DtmfCodec.h"
#include "model/FmCodec.h"
#include "model/OptionCodec.h"
#include "model/OptionLists.h"
#include "model/RadioData.h"
#include "model/RadioInfo.h"
#include "model/SettingsLayout.h"
#include "model/Tones.h"

namespace ht57 {
namespace {

using namespace settings;

constexpr std::string_view kNone = "(none)";

struct Span {
    std::size_t offset;
    std::size_t length;
    Byte bits;
};

// Each image decoded once by the views' own codecs.
struct Decoded {
    explicit Decoded(const Image& image)
        : image(image),
          options(DecodeOptions(image, LimitsForBand(BandFlag(image)))),
          dtmf(DecodeDtmf(image)),
          fm(DecodeFm(image)),
          info(DecodeRadioInfo(image)) {}
    const Image& image;
    OptionValues options;
    DtmfValues dtmf;
    FmTexts fm;
    RadioInfoValues info;
};

struct Setting {
    std::string name;
    std::vector<Span> spans;  // the bits whose change the display accounts for
    std::function<std::string(const Decoded&)> show;
};

template <std::size_t N>
std::string Entry(const std::array<std::string_view, N>& list, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < N
               ? std::string(list[static_cast<std::size_t>(position)])
               : std::string(kNone);
}

std::string Tone(int position) {
    return position >= 0 && position < kToneCount ? std::string(ToneText(position))
                                                  : std::string(kNone);
}

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

Span Whole(std::size_t offset, std::size_t length = 1) {
    return {offset, length, 0xFF};
}

Span Bits(std::size_t offset, Byte bits) {
    return {offset, 1, bits};
}

constexpr Byte Bit(int bit) {
    return static_cast<Byte>(1u << bit);
}

const std::vector<Setting>& Settings() {
    static const std::vector<Setting> settings = [] {
        constexpr std::size_t kFreqMode = region::kFreqModeRecord;
        constexpr std::size_t kFreqModeFlags = kFreqMode + record::kFlags;
        std::vector<Setting> list{
            {"Squelch Level",
             {Whole(kSquelch)},
             [](const Decoded& d) { return Entry(kSquelchList, d.options.squelch); }},
            {"VOX Gain Level",
             {Whole(kVox)},
             [](const Decoded& d) { return Entry(kVoxList, d.options.vox); }},
            {"TOT (s)",
             {Whole(kTot)},
             [](const Decoded& d) { return Entry(kTotList, d.options.tot); }},
            {"Back Light",
             {Bits(kScanFlags, 0xC0)},
             [](const Decoded& d) { return Entry(kBackLightList, d.options.backLight); }},
            {"Channel Disp Way",
             {Bits(kModeFlags, Bit(kDisplayBit))},
             [](const Decoded& d) { return Entry(kDisplayList, d.options.display); }},
            {"PTT ID",
             {Bits(kScanFlags, 0x03)},
             [](const Decoded& d) { return Entry(kPttIdList, d.options.pttId); }},
            {"DTMF Code",
             {Whole(region::kDtmf, kDtmfCodeLength)},
             [](const Decoded& d) { return "\"" + d.options.dtmfCode + "\""; }},
            {"PF3",
             {Bits(region::kStatusByte, 0x07)},
             [](const Decoded& d) { return Entry(kPf3List, d.options.pf3); }},
            {"Frequency Range lower limit (MHz)",
             {Whole(region::kLowerBandEdge, 2)},
             [](const Decoded& d) { return d.options.lowerLimit; }},
            {"Frequency Range upper limit (MHz)",
             {Whole(region::kUpperBandEdge, 2)},
             [](const Decoded& d) { return d.options.upperLimit; }},
            {"Beep",
             {Bits(kModeFlags, Bit(kBeepBit))},
             [](const Decoded& d) { return OnOff(d.options.beep); }},
            {"Save",
             {Bits(kModeFlags, Bit(kSaveBit))},
             [](const Decoded& d) { return OnOff(d.options.save); }},
            {"Manual",
             {Bits(kManualFlags, Bit(kManualOffBit))},
             [](const Decoded& d) { return OnOff(d.options.manual); }},
            {"Channel Embed Enable",
             {Bits(region::kStatusByte, Bit(kChannelEmbedBit))},
             [](const Decoded& d) { return OnOff(d.options.channelEmbedEnable); }},
            {"Priority Scan",
             {Bits(kScanFlags, Bit(kPriorityScanBit))},
             [](const Decoded& d) { return OnOff(d.options.priorityScan); }},
            {"Scan Mode",
             {Bits(kScanFlags, 0x30)},
             [](const Decoded& d) { return Entry(kScanModeList, d.options.scanMode); }},
            {"Priority Channel",
             {Whole(kPriorityChannel)},
             [](const Decoded& d) { return std::to_string(d.image[kPriorityChannel]); }},
            {"Work Mode",
             {Bits(kModeFlags, Bit(kWorkModeBit) | Bit(kOnlyChannelModeBit))},
             [](const Decoded& d) {
                 return std::string(d.options.frequencyMode ? "Frequency" : "Channel");
             }},
            {"Only Channel Mode",
             {Bits(kModeFlags, Bit(kOnlyChannelModeBit))},
             [](const Decoded& d) { return OnOff(d.options.onlyChannelMode); }},
            {"Rx Frequency (MHz)",
             {Whole(kFreqMode + record::kRxFrequency, 4)},
             [](const Decoded& d) { return d.options.rxFrequency; }},
            {"Decode",
             {Whole(kFreqMode + record::kRxTone), Bits(kFreqModeFlags, 0x10)},
             [](const Decoded& d) { return Tone(d.options.decodeTone); }},
            {"Encode",
             {Whole(kFreqMode + record::kTxTone), Bits(kFreqModeFlags, 0x20)},
             [](const Decoded& d) { return Tone(d.options.encodeTone); }},
            {"Step",
             {Whole(kStep)},
             [](const Decoded& d) { return Entry(kStepList, d.options.step); }},
            {"Wide / Narrow",
             {Bits(kFreqModeFlags, 0x02)},
             [](const Decoded& d) { return Entry(kBandwidthList, d.options.bandwidth); }},
            {"TX Power",
             {Bits(kFreqModeFlags, 0x01)},
             [](const Decoded& d) { return Entry(kPowerList, d.options.power); }},
            {"Duplex",
             {Bits(kFreqModeFlags, 0xC0)},
             [](const Decoded& d) { return Entry(kDuplexList, d.options.duplex); }},
            {"Offset Frequency (MHz)",
             {Whole(kFreqMode + record::kOffset, 4)},
             [](const Decoded& d) { return d.options.offsetFrequency; }},
            {"First Digit Delay (ms)",
             {Whole(region::kDtmfTimings)},
             [](const Decoded& d) { return d.dtmf.firstDigitDelay; }},
            {"Digit Intervel (ms)",
             {Whole(region::kDtmfTimings + 1)},
             [](const Decoded& d) { return d.dtmf.digitInterval; }},
            {"Digit Delay Time (ms)",
             {Whole(region::kDtmfTimings + 2)},
             [](const Decoded& d) { return d.dtmf.digitDelayTime; }},
            {"Side Tone",
             {Bits(kModeFlags, Bit(kSideToneBit))},
             [](const Decoded& d) { return OnOff(d.dtmf.sideTone); }},
            {"Band",
             {Bits(region::kStatusByte, region::kBandFlagMask)},
             [](const Decoded& d) { return std::string(kBands[d.info.band ? 1 : 0].comboText); }},
            {"Receive Enable",
             {Bits(region::kStatusByte, region::kReceiveEnableMask)},
             [](const Decoded& d) { return OnOff(d.info.receiveEnable); }},
        };
        for (int i = 0; i < kFmPresetCount; ++i) {
            list.push_back({"FM channel " + std::to_string(i),
                            {Whole(region::kFm + static_cast<std::size_t>(i))},
                            [i](const Decoded& d) {
                                const std::string& text = d.fm[static_cast<std::size_t>(i)];
                                return text.empty() ? std::string(kNone) : text;
                            }});
        }
        return list;
    }();
    return settings;
}

// The record bits each grid column's text depends on.
struct ColumnBits {
    std::string ChannelTexts::*text;
    std::vector<Span> spans;  // offsets within the record
};

const std::vector<ColumnBits>& ChannelColumns() {
    static const std::vector<ColumnBits> columns{
        // Moving the receive frequency under an unchanged transmit frequency
        // rewrites the offset and direction; the Tx Freq text shows they agree.
        {&ChannelTexts::rxFrequency,
         {Whole(record::kRxFrequency, 8), Bits(record::kFlags, record::kDirectionMask)}},
        {&ChannelTexts::txFrequency,
         {Whole(record::kRxFrequency, 8), Bits(record::kFlags, record::kDirectionMask)}},
        {&ChannelTexts::rxTone,
         {Whole(record::kRxTone), Bits(record::kFlags, record::kRxBankMask)}},
        {&ChannelTexts::txTone,
         {Whole(record::kTxTone), Bits(record::kFlags, record::kTxBankMask)}},
        {&ChannelTexts::busyLock, {Bits(record::kFlags, record::kBusyLockMask)}},
        {&ChannelTexts::power, {Bits(record::kFlags, record::kPowerMask)}},
        {&ChannelTexts::bandwidth, {Bits(record::kFlags, record::kBandwidthMask)}},
        {&ChannelTexts::name, {Whole(record::kName, record::kNameLength)}},
    };
    return columns;
}

void Cover(Image& covered, std::size_t base, const std::vector<Span>& spans) {
    for (const Span& span : spans) {
        for (std::size_t i = 0; i < span.length; ++i) {
            covered[base + span.offset + i] |= span.bits;
        }
    }
}

std::string AreaOf(std::size_t offset) {
    if (offset >= region::kChannelTable &&
        offset < ChannelOffset(region::kChannelCount) + region::kRecordSize) {
        return "channel " + std::to_string(offset / region::kRecordSize);
    }
    if (offset >= region::kFreqModeRecord && offset < region::kFreqModeRecord + 16) {
        return "frequency mode record";
    }
    if (offset >= region::kSettings && offset < region::kSettings + region::kSettingsSize) {
        return "settings block";
    }
    if (offset >= region::kFm && offset < region::kFm + region::kFmSize) {
        return "FM channels";
    }
    if (offset >= region::kDtmf && offset < region::kDtmf + region::kDtmfSize) {
        return "DTMF block";
    }
    if (offset >= region::kCalibration) {
        return "power calibration";
    }
    return "no field";
}

// Runs of changed bytes in one area, at most 16 bytes each, leaving out bits
// `covered` marks as accounted for.
void AddByteRuns(DataHalf half, std::span<const Byte> before, std::span<const Byte> after,
                 const Image& covered, std::vector<ByteChange>& changes) {
    ByteChange* open = nullptr;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::string area = half == DataHalf::Header ? "header block" : AreaOf(i);
        if (((before[i] ^ after[i]) & ~covered[i]) == 0) {
            open = nullptr;
            continue;
        }
        if (open == nullptr || open->area != area || open->before.size() == 16) {
            changes.push_back({half, i, area, {}, {}});
            open = &changes.back();
        }
        open->before.push_back(before[i]);
        open->after.push_back(after[i]);
    }
}

}  // namespace

DataDifferences DiffDataSets(const RadioData& before, const RadioData& after) {
    DataDifferences differences;
    Image covered{};

    const FrequencyLimits beforeLimits = LimitsForBand(BandFlag(before.image));
    const FrequencyLimits afterLimits = LimitsForBand(BandFlag(after.image));
    for (int n = 1; n <= region::kChannelCount; ++n) {
        const ChannelRecord a = ReadChannel(before.image, n);
        const ChannelRecord b = ReadChannel(after.image, n);
        if (a == b) {
            continue;
        }
        ChannelChange change{n, DecodeChannel(a, beforeLimits), DecodeChannel(b, afterLimits)};
        if (change.before == change.after) {
            continue;
        }
        const std::size_t base = ChannelOffset(n);
        if (change.before.rxFrequency.empty() || change.after.rxFrequency.empty()) {
            Cover(covered, base, {Whole(0, region::kRecordSize)});
        } else {
            for (const ColumnBits& column : ChannelColumns()) {
                if (change.before.*column.text != change.after.*column.text) {
                    Cover(covered, base, column.spans);
                }
            }
        }
        differences.channels.push_back(std::move(change));
    }

    const Decoded a(before.image);
    const Decoded b(after.image);
    for (const Setting& setting : Settings()) {
        std::string old = setting.show(a);
        std::string now = setting.show(b);
        if (old != now) {
            Cover(covered, 0, setting.spans);
            differences.settings.push_back({setting.name, std::move(old), std::move(now)});
        }
    }

    AddByteRuns(DataHalf::Header, before.header, after.header, Image{}, differences.bytes);
    AddByteRuns(DataHalf::Image, before.image, after.image, covered, differences.bytes);
    return differences;
}

}  // namespace ht57

namespace ht57 {

DataDifferences DiffWrittenRange(const RadioData& before, const RadioData& after) {
    RadioData masked = after;
    masked.header = before.header;
    std::copy(before.image.begin() + region::kWriteEnd, before.image.end(),
              masked.image.begin() + region::kWriteEnd);
    return DiffDataSets(before, masked);
}

std::vector<std::string> WrittenRangeMismatches(const Image& sent, const Image& readBack) {
    std::vector<std::string> runs;
    auto hex = [](std::size_t address) {
        char text[8];
        std::snprintf(text, sizeof text, "0x%03zX", address);
        return std::string(text);
    };
    for (std::size_t i = 0; i < region::kWriteEnd; ++i) {
        if (sent[i] == readBack[i]) {
            continue;
        }
        std::size_t last = i;
        while (last + 1 < region::kWriteEnd && sent[last + 1] != readBack[last + 1]) {
            ++last;
        }
        runs.push_back(last == i ? hex(i) : hex(i) + "-" + hex(last));
        i = last;
    }
    return runs;
}

}  // namespace ht57
