#include <gtest/gtest.h>

#include <random>

#include "model/Bcd.h"
#include "model/ChannelRecord.h"
#include "model/Frequency.h"
#include "model/Normalise.h"

namespace ht57 {
namespace {

constexpr FrequencyLimits kVhf{13'600'000, 17'400'000};

ChannelRecord MakeRecord(std::uint32_t rx, std::uint32_t offset, Byte flags, Byte rxTone = 0,
                         Byte txTone = 0) {
    ChannelRecord record;
    record.fill(0xFF);
    WriteBcd32(&record[record::kRxFrequency], rx);
    WriteBcd32(&record[record::kOffset], offset);
    record[record::kRxTone] = rxTone;
    record[record::kTxTone] = txTone;
    record[record::kFlags] = flags;
    return record;
}

Image BlankImage() {
    Image image;
    image.fill(0xFF);
    return image;
}

TEST(ChannelTable, RecordsSitAtSixteenTimesTheirNumber) {
    Image image = BlankImage();
    WriteChannelDefaults(image, 1, 14'652'000);
    WriteChannelDefaults(image, 128, 14'652'000);
    EXPECT_EQ(ReadBcd32(&image[0x010]), 14'652'000u);
    EXPECT_EQ(ReadBcd32(&image[0x800]), 14'652'000u);
    for (std::size_t i = 0; i < 0x10; ++i) {
        EXPECT_EQ(image[i], 0xFF) << i;
    }
    for (std::size_t i = 0x810; i < kImageSize; ++i) {
        ASSERT_EQ(image[i], 0xFF) << i;
    }
}

TEST(WriteChannelDefaults, NewAndClearedRecords) {
    Image image = BlankImage();
    WriteChannelDefaults(image, 3, 14'560'000);
    const ChannelRecord fresh{0x00, 0x00, 0x56, 0x14, 0x00, 0x00, 0x56, 0x14,
                              0x00, 0x00, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadChannel(image, 3), fresh);
    EXPECT_EQ(DecodeChannel(fresh, kVhf),
              (ChannelTexts{"145.60000", "145.60000", "Off", "Off", "Off", "High", "Wide", ""}));

    WriteChannelDefaults(image, 3, std::nullopt);
    const ChannelRecord cleared{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                0x00, 0x00, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadChannel(image, 3), cleared);
}

TEST(IsChannelInUse, LimitsAreInclusive) {
    const struct {
        std::uint32_t rx;
        bool inUse;
    } cases[] = {
        {13'600'000, true},  {17'400'000, true}, {13'599'000, false},
        {17'400'001, false}, {14'652'000, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsChannelInUse(MakeRecord(c.rx, 0, 0x0F), kVhf), c.inUse) << c.rx;
    }
    ChannelRecord allFf;
    allFf.fill(0xFF);
    EXPECT_FALSE(IsChannelInUse(allFf, kVhf));
    EXPECT_FALSE(IsChannelInUse(allFf, FrequencyLimits{40'000'000, 47'000'000}));
}

TEST(InRange, ComparesLowBytes) {
    EXPECT_TRUE(InRange(0, 2, 2));
    EXPECT_FALSE(InRange(0, 2, 3));
    EXPECT_TRUE(InRange(0, 9, 0x109));  // only the low byte counts
    EXPECT_FALSE(InRange(0, 89, 0xFF));
    EXPECT_TRUE(InRange(1, 1, 1));
}

TEST(DecodeChannel, TextsOfEveryField) {
    const struct {
        const char* what;
        ChannelRecord record;
        ChannelTexts texts;
    } cases[] = {
        {"snapped receive frequency",
         MakeRecord(14'652'130, 0, 0x0F),
         {"146.52000", "146.52000", "Off", "Off", "Off", "High", "Wide", ""}},
        {"5 kHz point unchanged",
         MakeRecord(14'652'500, 0, 0x0F),
         {"146.52500", "146.52500", "Off", "Off", "Off", "High", "Wide", ""}},
        {"6.25 kHz point unchanged",
         MakeRecord(14'651'875, 0, 0x0F),
         {"146.51875", "146.51875", "Off", "Off", "Off", "High", "Wide", ""}},
        {"plus shift",
         MakeRecord(14'500'000, 60'000, 0x4F),
         {"145.00000", "145.60000", "Off", "Off", "Off", "High", "Wide", ""}},
        {"minus shift",
         MakeRecord(14'560'000, 60'000, 0x8F),
         {"145.60000", "145.00000", "Off", "Off", "Off", "High", "Wide", ""}},
        {"direction 3 takes the offset field as transmit",
         MakeRecord(14'500'000, 15'000'000, 0xCF),
         {"145.00000", "150.00000", "Off", "Off", "Off", "High", "Wide", ""}},
        {"minus beyond zero floors at 0",
         MakeRecord(14'500'000, 99'999'999, 0x8F),
         {"145.00000", "0.00000", "Off", "Off", "Off", "High", "Wide", ""}},
        {"tones, carrier, low, narrow",
         MakeRecord(14'500'000, 0, 0x18, 51, 50),
         {"145.00000", "145.00000", "D023I", "254.1", "Carrier", "Low", "Narrow", ""}},
        {"busy lock code 0 and 1",
         MakeRecord(14'500'000, 0, 0x00 | 0x04, 200, 200),
         {"145.00000", "145.00000", "D251I", "D251I", "QT/DQT", "Low", "Narrow", ""}},
        {"busy lock code 0",
         MakeRecord(14'500'000, 0, 0x30, 200, 200),
         {"145.00000", "145.00000", "Off", "Off", "Off", "Low", "Narrow", ""}},
        {"unused channel", MakeRecord(13'599'000, 0, 0x0F), {"", "", "", "", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeChannel(c.record, kVhf), c.texts) << c.what;
    }
}

TEST(DecodeChannel, NameStopsAtFirstByteOutsideTheAlphabet) {
    const struct {
        std::array<Byte, 5> bytes;
        const char* name;
    } cases[] = {
        {{12, 13, 14, 0xFF, 0xFF}, "ABC"}, {{0xFF, 12, 13, 14, 15}, ""},
        {{0, 10, 11, 38, 40}, "0- _*"},    {{12, 42, 13, 14, 15}, "A"},
        {{37, 39, 1, 2, 3}, "Z+123"},
    };
    for (const auto& c : cases) {
        ChannelRecord record = MakeRecord(14'500'000, 0, 0x0F);
        std::copy(c.bytes.begin(), c.bytes.end(), record.begin() + record::kName);
        EXPECT_EQ(DecodeChannel(record, kVhf).name, c.name);
    }
}

TEST(EncodeChannel, FrequenciesAndDirection) {
    const struct {
        const char* rx;
        const char* tx;
        std::array<Byte, 4> offset;
        Byte direction;
    } cases[] = {
        {"145.000", "145.000", {0, 0, 0, 0}, 0x00},
        {"145.000", "145.600", {0x00, 0x00, 0x06, 0x00}, 0x40},
        {"145.600", "145.000", {0x00, 0x00, 0x06, 0x00}, 0x80},
        {"145.000", "", {0x00, 0x00, 0x50, 0x14}, 0x80},
    };
    for (const auto& c : cases) {
        ChannelRecord record = MakeRecord(0, 0, 0x0F);
        EncodeChannel(record, {c.rx, c.tx, "Off", "Off", "Off", "High", "Wide", ""});
        EXPECT_EQ(std::vector<Byte>(record.begin() + 4, record.begin() + 8),
                  std::vector<Byte>(c.offset.begin(), c.offset.end()))
            << c.rx << " " << c.tx;
        EXPECT_EQ(record[record::kFlags] & 0xC0, c.direction) << c.rx << " " << c.tx;
    }
    // An empty transmit text decodes as a transmit frequency of 0.
    ChannelRecord record = MakeRecord(0, 0, 0x0F);
    EncodeChannel(record, {"145.000", "", "Off", "Off", "Off", "High", "Wide", ""});
    EXPECT_EQ(DecodeChannel(record, kVhf).txFrequency, "0.00000");
}

TEST(EncodeChannel, TonesBusyLockPowerBandwidthName) {
    const struct {
        const char* what;
        ChannelTexts texts;
        Byte oldFlags;
        Byte rxCode;
        Byte txCode;
        Byte flags;
        std::array<Byte, 5> name;
    } cases[] = {
        {"inverted and normal DCS",
         {"145", "145", "D023I", "D023N", "Off", "High", "Wide", "AB"},
         0x0F,
         51,
         51,
         0x1F,
         {12, 13, 0xFF, 0xFF, 0xFF}},
        {"CTCSS and Off",
         {"145", "145", "254.1", "Off", "Carrier", "Low", "Narrow", ""},
         0x3F,
         50,
         0,
         0x08,
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"unknown texts keep power and bandwidth, busy lock Off",
         {"145", "145", "88.50", "xyz", "?", "Medium", "", "a#b"},
         0x06,
         0,
         0,
         0x0E,
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"QT/DQT and a long name",
         {"145", "145", "Off", "D754I", "QT/DQT", "High", "Wide", "ABCDEFG"},
         0x00,
         0,
         156,
         0x27,
         {12, 13, 14, 15, 16}},
    };
    for (const auto& c : cases) {
        ChannelRecord record = MakeRecord(0, 0, c.oldFlags, 7, 7);
        EncodeChannel(record, c.texts);
        EXPECT_EQ(record[record::kRxTone], c.rxCode) << c.what;
        EXPECT_EQ(record[record::kTxTone], c.txCode) << c.what;
        EXPECT_EQ(record[record::kFlags], c.flags) << c.what;
        EXPECT_EQ(std::vector<Byte>(record.begin() + 11, record.end()),
                  std::vector<Byte>(c.name.begin(), c.name.end()))
            << c.what;
    }
}

TEST(EncodeChannel, LoadThenStoreCanonicalises) {
    // Offset holding a copy of the frequency, busy lock code 0, odd name bytes.
    ChannelRecord record = MakeRecord(14'652'130, 14'652'130, 0x30 | 0x03, 51, 0);
    record[record::kName] = 12;
    record[record::kName + 1] = 50;
    record[record::kName + 2] = 13;
    EncodeChannel(record, DecodeChannel(record, kVhf));
    const ChannelRecord expected = [] {
        // Tx code 0 with its bank bit is index 106, a real DCS code.
        ChannelRecord r = MakeRecord(14'652'000, 0, 0x0F | 0x10, 51, 106);
        r[record::kName] = 12;
        return r;
    }();
    EXPECT_EQ(record, expected);
}

TEST(EncodeChannel, CanonicalRecordsSurviveLoadAndStore) {
    std::mt19937 random(57);
    for (int i = 0; i < 2000; ++i) {
        ChannelRecord record;
        for (Byte& b : record) {
            b = static_cast<Byte>(random());
        }
        record[record::kFlags] |= 0x04;  // busy lock code 1..3 (0 is not canonical)
        if (!IsChannelInUse(record, kVhf)) {
            continue;
        }
        // A record whose transmit frequency came from the offset field itself
        // gets an unsnapped offset on its first store, so canonical form takes
        // two load/store passes; after that nothing changes.
        EncodeChannel(record, DecodeChannel(record, kVhf));
        EncodeChannel(record, DecodeChannel(record, kVhf));
        const ChannelRecord canonical = record;
        EncodeChannel(record, DecodeChannel(record, kVhf));
        ASSERT_EQ(record, canonical) << i;
    }
}

TEST(NormaliseChannels, ErasesUnusedAndFixesBusyLock) {
    Image reference{};
    reference[0x010 + record::kFlags] = 0x0B;  // reference busy lock code 2
    Image image = BlankImage();
    WriteChannel(image, 1, MakeRecord(14'500'000, 0, 0x0F));  // code 3 -> 2
    WriteChannel(image, 2, MakeRecord(14'500'000, 0, 0x07));  // code 1 kept
    WriteChannel(image, 3, MakeRecord(14'500'000, 0, 0x03));  // code 0 kept
    WriteChannel(image, 4, MakeRecord(13'599'000, 0, 0x0F));  // below the band
    WriteChannel(image, 5, MakeRecord(17'400'000, 0, 0x0F));  // upper edge is in use
    NormaliseChannels(image, reference, kVhf);
    EXPECT_EQ(ReadChannel(image, 1)[record::kFlags], 0x0B);
    EXPECT_EQ(ReadChannel(image, 2)[record::kFlags], 0x07);
    EXPECT_EQ(ReadChannel(image, 3)[record::kFlags], 0x03);
    ChannelRecord allFf;
    allFf.fill(0xFF);
    EXPECT_EQ(ReadChannel(image, 4), allFf);
    EXPECT_EQ(ReadChannel(image, 5)[record::kFlags], 0x0B);
    for (int n = 6; n <= 128; ++n) {
        EXPECT_EQ(ReadChannel(image, n), allFf) << n;
    }
}

}  // namespace
}  // namespace ht57
