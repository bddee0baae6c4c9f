#include "model/ChannelRows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>

#include "model/ChannelEdit.h"
#include "model/ChannelFieldEdit.h"
#include "model/Frequency.h"
#include "model/TextRules.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

constexpr int kCount = region::kChannelCount;

using Records = std::vector<ChannelRecord>;

Records ReadAll(const Image& image) {
    Records records;
    records.reserve(kCount);
    for (int n = 1; n <= kCount; ++n) {
        records.push_back(ReadChannel(image, n));
    }
    return records;
}

void WriteAll(Image& image, const Records& records) {
    for (int n = 1; n <= kCount; ++n) {
        WriteChannel(image, n, records[static_cast<std::size_t>(n - 1)]);
    }
}

std::array<bool, kCount + 2> Marks(const std::vector<int>& channels) {
    std::array<bool, kCount + 2> marked{};
    for (const int n : ValidChannels(channels)) {
        marked[static_cast<std::size_t>(n)] = true;
    }
    return marked;
}

std::string MHzText(std::uint32_t value) {
    return FormatFrequency(value) + " MHz";
}

std::string UpperText(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

}  // namespace

std::vector<int> ValidChannels(const std::vector<int>& channels) {
    std::vector<int> valid;
    for (const int n : channels) {
        if (n >= 1 && n <= kCount) {
            valid.push_back(n);
        }
    }
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

Result InsertEmptyChannel(Image& image, const FrequencyLimits& limits, int channel) {
    if (channel < 1 || channel > kCount) {
        return Result::Failure(Fill(Msg("Model", "There is no channel %1."), channel));
    }
    if (IsChannelInUse(ReadChannel(image, kCount), limits)) {
        return Result::Failure(
            Fill(Msg("Model", "Channel %1 is in use and would be lost. Delete or clear it first."),
                 kCount),
            Fill(Msg("Model", "inserting a channel at %1"), channel));
    }
    for (int n = kCount; n > channel; --n) {
        WriteChannel(image, n, ReadChannel(image, n - 1));
    }
    WriteChannel(image, channel, DefaultChannelRecord(std::nullopt));
    return Result::Success();
}

void DeleteChannels(Image& image, const std::vector<int>& channels) {
    const auto marked = Marks(channels);
    Records kept;
    for (int n = 1; n <= kCount; ++n) {
        if (!marked[static_cast<std::size_t>(n)]) {
            kept.push_back(ReadChannel(image, n));
        }
    }
    kept.resize(kCount, DefaultChannelRecord(std::nullopt));
    WriteAll(image, kept);
}

void ClearChannels(Image& image, const std::vector<int>& channels) {
    for (const int n : ValidChannels(channels)) {
        WriteChannel(image, n, DefaultChannelRecord(std::nullopt));
    }
}

std::vector<int> MoveChannels(Image& image, const std::vector<int>& channels, int delta) {
    auto marked = Marks(channels);
    std::array<int, kCount + 2> newNumber{};
    for (int n = 1; n <= kCount; ++n) {
        newNumber[static_cast<std::size_t>(n)] = n;
    }
    if (delta == -1 || delta == 1) {
        Records records = ReadAll(image);
        // Walk towards the edge first, so a channel held there holds the
        // ones that follow it.
        std::array<bool, kCount + 2> stuck{};
        for (int i = 0; i < kCount; ++i) {
            const int n = delta < 0 ? i + 1 : kCount - i;
            if (!marked[static_cast<std::size_t>(n)]) {
                continue;
            }
            const int target = n + delta;
            if (target < 1 || target > kCount || stuck[static_cast<std::size_t>(target)]) {
                stuck[static_cast<std::size_t>(n)] = true;
                continue;
            }
            std::swap(records[static_cast<std::size_t>(n - 1)],
                      records[static_cast<std::size_t>(target - 1)]);
            newNumber[static_cast<std::size_t>(n)] = target;
        }
        WriteAll(image, records);
    }
    std::vector<int> moved;
    for (const int n : channels) {
        moved.push_back(n >= 1 && n <= kCount ? newNumber[static_cast<std::size_t>(n)] : n);
    }
    return moved;
}

std::vector<int> MoveChannelsBefore(Image& image, const std::vector<int>& channels, int before) {
    const auto marked = Marks(channels);
    Records moving;
    Records others;
    int insertAt = 0;
    for (int n = 1; n <= kCount; ++n) {
        if (marked[static_cast<std::size_t>(n)]) {
            moving.push_back(ReadChannel(image, n));
        } else {
            others.push_back(ReadChannel(image, n));
            if (n < before) {
                ++insertAt;
            }
        }
    }
    others.insert(others.begin() + insertAt, moving.begin(), moving.end());
    WriteAll(image, others);
    std::vector<int> moved;
    for (std::size_t i = 0; i < moving.size(); ++i) {
        moved.push_back(insertAt + static_cast<int>(i) + 1);
    }
    return moved;
}

void SortChannels(Image& image, const FrequencyLimits& limits, SortKey key) {
    Records records = ReadAll(image);
    struct Entry {
        bool empty;
        std::uint32_t frequency;
        std::string name;
        int rxTone;
        int txTone;
        std::size_t index;
    };
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ChannelRecord& r = records[i];
        const bool inUse = IsChannelInUse(r, limits);
        entries.push_back({!inUse, SnapFrequency(RecordRxFrequency(r)), RecordName(r),
                           RecordRxToneIndex(r), RecordTxToneIndex(r), i});
    }
    std::stable_sort(entries.begin(), entries.end(), [key](const Entry& a, const Entry& b) {
        if (a.empty || b.empty) {
            return !a.empty && b.empty;
        }
        switch (key) {
            case SortKey::RxFrequency:
                return a.frequency < b.frequency;
            case SortKey::Name:
                return a.name < b.name;
            case SortKey::Tone:
                break;
        }
        return std::tie(a.rxTone, a.txTone) < std::tie(b.rxTone, b.txTone);
    });
    Records sorted;
    for (const Entry& entry : entries) {
        sorted.push_back(records[entry.index]);
    }
    WriteAll(image, sorted);
}

Result FillChannels(Image& image, const FrequencyLimits& limits, const std::vector<int>& channels,
                    ChannelColumn column, std::string_view text, int& changed) {
    changed = 0;
    const std::optional<std::string> value = ChoiceText(column, text);
    if (!value) {
        return Result::Failure(Fill(Msg("Model", "\"%1\" is not a value of this column."), text));
    }
    for (const int n : ValidChannels(channels)) {
        ChannelRecord record = ReadChannel(image, n);
        if (!IsChannelInUse(record, limits)) {
            continue;
        }
        if (!EditChannelField(record, limits, column, *value).result) {
            continue;
        }
        WriteChannel(image, n, record);
        ++changed;
    }
    return Result::Success();
}

Result SetRepeaterShift(Image& image, const FrequencyLimits& limits,
                        const std::vector<int>& channels, std::string_view offsetMHz, bool plus,
                        int& changed) {
    changed = 0;
    if (!text::IsPlainDecimal(offsetMHz)) {
        return Result::Failure(
            Fill(Msg("Model", "The offset \"%1\" is not a frequency in MHz."), offsetMHz));
    }
    const std::int64_t offset = ParseFrequency(offsetMHz);
    Image work = image;
    for (const int n : ValidChannels(channels)) {
        ChannelRecord record = ReadChannel(work, n);
        ChannelTexts texts = DecodeChannel(record, limits);
        if (texts.rxFrequency.empty()) {
            continue;
        }
        const std::int64_t rx = ParseFrequency(texts.rxFrequency);
        const std::int64_t tx = plus ? rx + offset : rx - offset;
        const std::string where = Fill(Msg("Model", "channel %1"), n);
        if (tx < limits.lower || tx > limits.upper) {
            return Result::Failure(Fill(Msg("Model",
                                            "The transmit frequency of channel %1 would lie "
                                            "outside the band (%2 to %3). Nothing was changed."),
                                        n, MHzText(limits.lower), MHzText(limits.upper)),
                                   where);
        }
        static_cast<void>(EditChannelField(record, limits, ChannelColumn::TxFrequency,
                                           FormatFrequency(static_cast<std::uint32_t>(tx))));
        if (RecordTxFrequency(record) != tx) {
            return Result::Failure(Fill(Msg("Model",
                                            "The offset is off the channel raster; channel %1 "
                                            "would transmit on %2. Nothing was changed."),
                                        n, MHzText(RecordTxFrequency(record))),
                                   where);
        }
        WriteChannel(work, n, record);
        ++changed;
    }
    image = work;
    return Result::Success();
}

int FindChannel(const Image& image, const FrequencyLimits& limits, std::string_view text,
                int after) {
    if (text.empty()) {
        return 0;
    }
    const std::string wanted = UpperText(text);
    for (int i = 1; i <= kCount; ++i) {
        const int n = (after + i - 1 + kCount) % kCount + 1;
        const ChannelTexts texts = DecodeChannelAt(image, n, limits);
        if (texts.rxFrequency.empty()) {
            continue;
        }
        if (texts.name.find(wanted) != std::string::npos || texts.rxFrequency.starts_with(text) ||
            texts.txFrequency.starts_with(text)) {
            return n;
        }
    }
    return 0;
}

}  // namespace ht57
