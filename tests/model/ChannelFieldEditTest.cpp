#include <gtest/gtest.h>

#include <random>

#include "ImageBuilders.h"
#include "model/Bcd.h"
#include "model/ChannelFieldEdit.h"
#include "model/Frequency.h"
#include "model/Tones.h"

namespace ht57 {
namespace {

using test::kVhfLimits;

// 146.52000 / 146.00625 (minus, offset 51375): a split whose transmit lies on
// the 6.25 kHz raster and whose offset lies on neither.
ChannelRecord ExactSplit() {
    ChannelRecord record = DefaultChannelRecord(14'652'000);
    WriteBcd32(&record[record::kOffset], 51'375);
    record[record::kFlags] = 0x8F;
    WriteBcd32(&record[record::kName], 0xFFFF'0E0D);  // "AB"
    return record;
}

// One row per field kind and rule: what the field stores for a text, what is
// reported, and which bytes may change.
TEST(EditChannelField, EachFieldStoresExactlyWhatItReportsOrRefuses) {
    const struct {
        const char* what;
        ChannelColumn column;
        const char* text;
        const char* stored;  // nullptr: refused
        bool adjusted;
    } cases[] = {
        {"rx on the raster", ChannelColumn::RxFrequency, "147.0", "147.00000", false},
        {"rx off the raster is snapped", ChannelColumn::RxFrequency, "146.5213", "146.52000", true},
        {"rx finer than 10 Hz", ChannelColumn::RxFrequency, "146.520001", "146.52000", true},
        {"rx outside the band", ChannelColumn::RxFrequency, "446.00625", nullptr, false},
        {"rx that is no number", ChannelColumn::RxFrequency, "14x", nullptr, false},
        {"rx emptied clears", ChannelColumn::RxFrequency, "", "", false},
        {"tx on the raster", ChannelColumn::TxFrequency, "146.00625", "146.00625", false},
        {"tx snapped", ChannelColumn::TxFrequency, "146.0011", "146.00000", true},
        {"tx emptied is simplex", ChannelColumn::TxFrequency, "", "146.52000", false},
        {"tx outside the band", ChannelColumn::TxFrequency, "180", nullptr, false},
        {"tone typed", ChannelColumn::RxTone, "d23i", "D023I", true},
        {"tone not in the list", ChannelColumn::TxTone, "D999N", nullptr, false},
        {"tone off in any case", ChannelColumn::TxTone, "off", "Off", true},
        {"list in any case", ChannelColumn::Power, "low", "Low", true},
        {"list entry unknown", ChannelColumn::Bandwidth, "Medium", nullptr, false},
        {"busy lock", ChannelColumn::BusyLock, "Carrier", "Carrier", false},
        {"name upper-cased", ChannelColumn::Name, "ab1", "AB1", true},
        {"name too long", ChannelColumn::Name, "ABCDEF", nullptr, false},
        {"name character outside the alphabet", ChannelColumn::Name, "A#", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ChannelRecord before = ExactSplit();
        ChannelRecord record = before;
        const FieldEditOutcome outcome = EditChannelField(record, kVhfLimits, c.column, c.text);
        if (!c.stored) {
            EXPECT_FALSE(outcome.result);
            EXPECT_EQ(record, before);
            continue;
        }
        ASSERT_TRUE(outcome.result) << outcome.result.message;
        EXPECT_EQ(outcome.stored, c.stored);
        EXPECT_EQ(outcome.adjusted, c.adjusted);
        const ChannelTexts shown = DecodeChannel(record, kVhfLimits);
        EXPECT_EQ(ColumnText(shown, c.column), c.stored);
        if (c.column != ChannelColumn::RxFrequency) {
            EXPECT_EQ(shown.rxFrequency, "146.52000");
        } else if (*c.stored != '\0') {
            EXPECT_EQ(shown.txFrequency, "146.00625");  // the transmit stays where it was
        }
    }
}

TEST(EditChannelField, RefusalsNameWhatTheFieldTakes) {
    ChannelRecord record = ExactSplit();
    const std::string why =
        EditChannelField(record, kVhfLimits, ChannelColumn::RxFrequency, "446.00625")
            .result.message;
    EXPECT_NE(why.find("136.00000 to 174.00000 MHz"), std::string::npos) << why;
    ChannelRecord empty = DefaultChannelRecord(std::nullopt);
    EXPECT_FALSE(EditChannelField(empty, kVhfLimits, ChannelColumn::Name, "A").result);
}

TEST(StoreChannelTexts, FieldsLeftAsShownKeepTheirBytes) {
    Image image = test::ErasedImage();
    ChannelRecord odd = ExactSplit();
    WriteBcd32(&odd[record::kRxFrequency], 14'652'130);  // shown as 146.52000
    odd[record::kFlags] = 0x83;                          // busy lock code 0, shown "Off"
    WriteChannel(image, 4, odd);
    ChannelTexts texts = DecodeChannel(odd, kVhfLimits);
    texts.name = "CALL";
    ASSERT_TRUE(StoreChannelTexts(image, kVhfLimits, 4, texts));
    EXPECT_EQ(DecodeChannelAt(image, 4, kVhfLimits).name, "CALL");
    for (std::size_t i = 0; i < record::kName; ++i) {
        EXPECT_EQ(ReadChannel(image, 4)[i], odd[i]) << i;
    }
    // A refused field leaves the whole channel as it was.
    texts.power = "Max";
    const Image before = image;
    EXPECT_FALSE(StoreChannelTexts(image, kVhfLimits, 4, texts));
    EXPECT_EQ(image, before);
}

// The bits each column owns in a record; a frequency edit may also rewrite
// the offset and direction that keep the other frequency where it was.
ChannelRecord OwnedBits(ChannelColumn column) {
    ChannelRecord mask{};
    const auto own = [&mask](std::size_t from, std::size_t count, Byte bits) {
        for (std::size_t i = from; i < from + count; ++i) {
            mask[i] |= bits;
        }
    };
    switch (column) {
        case ChannelColumn::RxFrequency:
            own(record::kRxFrequency, 8, 0xFF);
            own(record::kFlags, 1, record::kDirectionMask);
            break;
        case ChannelColumn::TxFrequency:
            own(record::kOffset, 4, 0xFF);
            own(record::kFlags, 1, record::kDirectionMask);
            break;
        case ChannelColumn::RxTone:
            own(record::kRxTone, 1, 0xFF);
            own(record::kFlags, 1, record::kRxBankMask);
            break;
        case ChannelColumn::TxTone:
            own(record::kTxTone, 1, 0xFF);
            own(record::kFlags, 1, record::kTxBankMask);
            break;
        case ChannelColumn::BusyLock:
            own(record::kFlags, 1, record::kBusyLockMask);
            break;
        case ChannelColumn::Power:
            own(record::kFlags, 1, record::kPowerMask);
            break;
        case ChannelColumn::Bandwidth:
            own(record::kFlags, 1, record::kBandwidthMask);
            break;
        case ChannelColumn::Name:
            own(record::kName, record::kNameLength, 0xFF);
            break;
    }
    return mask;
}

std::string RandomText(std::mt19937& rng, ChannelColumn column) {
    const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    switch (column) {
        case ChannelColumn::RxFrequency:
        case ChannelColumn::TxFrequency:
            // Mostly inside the band, on and off the raster, some outside.
            return FormatFrequency(static_cast<std::uint32_t>(13'000'000 + pick(5'000'000)));
        case ChannelColumn::RxTone:
        case ChannelColumn::TxTone:
            return ToneList()[static_cast<std::size_t>(pick(kToneCount))];
        case ChannelColumn::BusyLock:
            return kBusyLockTexts[static_cast<std::size_t>(pick(3))];
        case ChannelColumn::Power:
            return kPowerTexts[static_cast<std::size_t>(pick(2))];
        case ChannelColumn::Bandwidth:
            return kBandwidthTexts[static_cast<std::size_t>(pick(2))];
        case ChannelColumn::Name:
            break;
    }
    std::string name;
    for (int i = pick(6); i > 0; --i) {
        name +=
            kNameAlphabet[static_cast<std::size_t>(pick(static_cast<int>(kNameAlphabet.size())))];
    }
    return name;
}

// Random images, one random field edit per channel in use: no bit outside
// the field changes, every other field reads back as before, and the value
// reported is the value the stored bytes decode to. HT57_PROPERTY_IMAGES
// sets the number of images (1,000 in the suite).
TEST(EditChannelField, RandomSingleFieldEditsChangeOnlyTheirField) {
    const char* wanted = std::getenv("HT57_PROPERTY_IMAGES");
    const int images = wanted ? std::atoi(wanted) : 1'000;
    std::mt19937 rng(2026);
    int edits = 0;
    int foreignBits = 0;
    int misreported = 0;
    for (int i = 0; i < images; ++i) {
        Image image = test::RandomImage(rng);
        for (int n = 1; n <= region::kChannelCount; ++n) {
            ChannelRecord record = ReadChannel(image, n);
            // A valid channel: in use, an offset of up to the band's width,
            // direction 0 to 2; tones, flags and name bytes as they come.
            WriteBcd32(&record[record::kRxFrequency],
                       13'600'000 + static_cast<std::uint32_t>(rng() % 3'800'001));
            WriteBcd32(&record[record::kOffset], static_cast<std::uint32_t>(rng() % 3'800'001));
            record[record::kFlags] = static_cast<Byte>(record[record::kFlags] % 0xC0);
            const ChannelRecord before = record;
            const ChannelTexts shownBefore = DecodeChannel(before, kVhfLimits);
            const auto column = static_cast<ChannelColumn>(1 + rng() % kChannelColumnCount);
            const FieldEditOutcome outcome =
                EditChannelField(record, kVhfLimits, column, RandomText(rng, column));
            if (!outcome.result || outcome.stored.empty()) {
                continue;
            }
            ++edits;
            const ChannelRecord mask = OwnedBits(column);
            for (std::size_t b = 0; b < record.size(); ++b) {
                foreignBits += (record[b] ^ before[b]) & ~mask[b] ? 1 : 0;
            }
            ChannelTexts shownAfter = DecodeChannel(record, kVhfLimits);
            misreported += ColumnText(shownAfter, column) != outcome.stored ? 1 : 0;
            ColumnText(shownAfter, column) = ColumnText(shownBefore, column);
            foreignBits += shownAfter != shownBefore ? 1 : 0;
        }
    }
    EXPECT_GT(edits, images * 100);
    EXPECT_EQ(foreignBits, 0);
    EXPECT_EQ(misreported, 0);
}

}  // namespace
}  // namespace ht57
