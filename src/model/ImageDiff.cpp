#include "model/ImageDiff.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "model/FieldText.h"
#include "model/RadioData.h"
#include "model/SettingsFields.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

struct Span {
    std::size_t offset;
    std::size_t length;
    Byte bits;
};

Span Whole(std::size_t offset, std::size_t length = 1) {
    return {offset, length, 0xFF};
}

Span Bits(std::size_t offset, Byte bits) {
    return {offset, 1, bits};
}

// One element of a field as the difference listing names and shows it.
struct Setting {
    std::string name;
    std::vector<Span> spans;  // the bits whose change the display accounts for
    const SettingsField* field;
    std::size_t element;
};

std::string Show(const Image& image, const Setting& setting) {
    std::string text = FieldText(image, *setting.field, setting.element);
    if (setting.field->kind == FieldKind::DtmfCode) {
        return "\"" + text + "\"";
    }
    return text.empty() ? std::string(kNoEntryText) : text;
}

const std::vector<Setting>& Settings() {
    static const std::vector<Setting> settings = [] {
        std::vector<Setting> list;
        for (const SettingsField& field : kSettingsFields) {
            if (field.count > 1) {
                for (std::size_t i = 0; i < field.count; ++i) {
                    list.push_back(
                        {Fill(Msg("Model", "%1 %2"), Fill(std::string(field.label).c_str()), i),
                         {Whole(field.address + i * field.length, field.length)},
                         &field,
                         i});
                }
                continue;
            }
            std::vector<Span> spans{
                field.length > 1
                    ? Whole(field.address, field.length)
                    : Bits(field.address, static_cast<Byte>(field.mask | field.forcedBy))};
            if (field.bankMask != 0) {
                spans.push_back(Bits(field.bankAddress, field.bankMask));
            }
            list.push_back({Fill(std::string(field.label).c_str()), std::move(spans), &field, 0});
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
        return Fill(Msg("Model", "channel %1"), offset / region::kRecordSize);
    }
    if (offset >= region::kFreqModeRecord && offset < region::kFreqModeRecord + 16) {
        return Fill(Msg("Model", "frequency mode record"));
    }
    if (offset >= region::kSettings && offset < region::kSettings + region::kSettingsSize) {
        return Fill(Msg("Model", "settings block"));
    }
    if (offset >= region::kFm && offset < region::kFm + region::kFmSize) {
        return Fill(Msg("Model", "FM channels"));
    }
    if (offset >= region::kDtmf && offset < region::kDtmf + region::kDtmfSize) {
        return Fill(Msg("Model", "DTMF block"));
    }
    if (offset >= region::kCalibration) {
        return Fill(Msg("Model", "power calibration"));
    }
    return Fill(Msg("Model", "no field"));
}

// Runs of changed bytes in one area, at most 16 bytes each, leaving out bits
// `covered` marks as accounted for.
void AddByteRuns(DataHalf half, std::span<const Byte> before, std::span<const Byte> after,
                 const Image& covered, std::vector<ByteChange>& changes) {
    ByteChange* open = nullptr;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::string area =
            half == DataHalf::Header ? Fill(Msg("Model", "header block")) : AreaOf(i);
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

    for (const Setting& setting : Settings()) {
        std::string old = Show(before.image, setting);
        std::string now = Show(after.image, setting);
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
