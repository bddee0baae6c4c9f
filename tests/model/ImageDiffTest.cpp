#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "ImageBuilders.h"
#include "model/ChannelTable.h"
#include "model/ImageDiff.h"
#include "model/RadioData.h"
#include "model/SettingsFields.h"

namespace ht57 {
namespace {

using test::kVhfLimits;

// A VHF data set with two channels and settings that decode to list entries.
RadioData Base() {
    RadioData data;
    data.image = test::ErasedImage();
    data.image[region::kStatusByte] = 0x00;
    data.image[0xFC2] = 3;  // squelch
    test::PutChannel(data.image, 1, 14652000);
    test::PutChannel(data.image, 2, 14500000);
    return data;
}

struct Expected {
    std::vector<int> channels;
    std::vector<std::string> settings;  // "name: before -> after"
    std::vector<std::string> bytes;     // "area @offset"
};

Expected Summary(const DataDifferences& d) {
    Expected e;
    for (const auto& c : d.channels) {
        e.channels.push_back(c.channel);
    }
    for (const auto& s : d.settings) {
        e.settings.push_back(s.name + ": " + s.before + " -> " + s.after);
    }
    for (const auto& b : d.bytes) {
        char offset[16];
        std::snprintf(offset, sizeof offset, "%03zX", b.offset);
        e.bytes.push_back(b.area + " @" + offset + " x" + std::to_string(b.before.size()));
    }
    return e;
}

TEST(DiffDataSets, ShowsFieldsByNameAndOnlyTheRestAsBytes) {
    const struct {
        const char* what;
        std::function<void(RadioData&)> change;
        Expected expected;
    } cases[] = {
        {"nothing", [](RadioData&) {}, {}},
        {"receive frequency",
         [](RadioData& d) {
             EncodeChannelAt({"146.54000", "146.52000", "Off", "Off", "Off", "High", "Wide", ""},
                             d.image, 1);
         },
         {{1}, {}, {}}},
        {"channel started",
         [](RadioData& d) { test::PutChannel(d.image, 9, 14400000); },
         {{9}, {}, {}}},
        {"unused channel's bytes",
         [](RadioData& d) { d.image[ChannelOffset(5) + 3] = 0x00; },
         {{}, {}, {"channel 5 @053 x1"}}},
        {"busy lock code 0 and 3 both show Off",
         [](RadioData& d) { d.image[ChannelOffset(2) + record::kFlags] &= 0xF3; },
         {{}, {}, {"channel 2 @02A x1"}}},
        {"name and a byte past its end",
         [](RadioData& d) {
             d.image[ChannelOffset(1) + 11] = 12;  // "A"
             d.image[ChannelOffset(1) + 13] = 13;  // after the 0xFF that ends the name
         },
         {{1}, {}, {}}},
        {"squelch", [](RadioData& d) { d.image[0xFC2] = 5; }, {{}, {"Squelch Level: 3 -> 5"}, {}}},
        {"squelch beyond the list and a spare bit of the same block",
         [](RadioData& d) {
             d.image[0xFC2] = 0x33;
             d.image[0xFB0] = 0x12;
         },
         {{}, {"Squelch Level: 3 -> (none)"}, {"settings block @FB0 x1"}}},
        {"FM preset",
         [](RadioData& d) { d.image[region::kFm + 2] = 10; },
         {{}, {"FM channel 2: (none) -> 88.0"}, {}}},
        {"no field, split into runs of 16",
         [](RadioData& d) { std::fill_n(d.image.begin() + 0x900, 20, Byte{0}); },
         {{}, {}, {"no field @900 x16", "no field @910 x4"}}},
        {"calibration",
         [](RadioData& d) { d.image[0xFF3] = 0; },
         {{}, {}, {"power calibration @FF3 x1"}}},
        {"header block",
         [](RadioData& d) { d.header[20] = 7; },
         {{}, {}, {"header block @014 x1"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RadioData before = Base();
        RadioData after = before;
        c.change(after);
        const DataDifferences differences = DiffDataSets(before, after);
        const Expected actual = Summary(differences);
        EXPECT_EQ(actual.channels, c.expected.channels);
        EXPECT_EQ(actual.settings, c.expected.settings);
        EXPECT_EQ(actual.bytes, c.expected.bytes);
        EXPECT_EQ(differences.Empty(),
                  before.image == after.image && before.header == after.header);
    }
}

TEST(DiffDataSets, ChannelTextsAreTheGridsOnEachSide) {
    const RadioData before = Base();
    RadioData after = before;
    EncodeChannelAt({"146.52000", "147.12000", "D023I", "100.0", "Off", "Low", "Narrow", "AB"},
                    after.image, 1);
    WriteChannelDefaults(after.image, 2, std::nullopt);
    const DataDifferences d = DiffDataSets(before, after);
    ASSERT_EQ(d.channels.size(), 2u);
    EXPECT_EQ(d.channels[0].before, DecodeChannelAt(before.image, 1, kVhfLimits));
    EXPECT_EQ(d.channels[0].after, (ChannelTexts{"146.52000", "147.12000", "D023I", "100.0", "Off",
                                                 "Low", "Narrow", "AB"}));
    EXPECT_EQ(d.channels[1].after, ChannelTexts{});
    EXPECT_TRUE(d.bytes.empty());
}

// Each bit a field owns, flipped alone, shows as that field or, where its
// display cannot tell, as one raw byte run: never as another field, never as
// both. Every field shows at least one of its bits by name.
TEST(DiffDataSets, EachFieldBitShowsAsExactlyItsField) {
    RadioData base = Base();
    for (const SettingsField& field : kSettingsFields) {
        for (std::size_t i = 0; i < field.Size(); ++i) {
            base.image[field.address + i] &= static_cast<Byte>(~field.mask);
        }
        base.image[field.bankAddress] &= static_cast<Byte>(~field.bankMask);
    }
    SetFieldValue(base.image, field::kWorkMode, 1);  // so only "Only Channel Mode" forces nothing
    for (const SettingsField& field : kSettingsFields) {
        bool named = false;
        for (std::size_t element = 0; element < field.count; ++element) {
            const std::string label = field.count > 1
                                          ? std::string(field.label) + " " + std::to_string(element)
                                          : std::string(field.label);
            std::vector<std::pair<std::size_t, Byte>> bits;
            for (std::size_t i = 0; i < field.length; ++i) {
                for (int bit = 0; bit < 8; ++bit) {
                    if (field.mask & (1 << bit)) {
                        bits.emplace_back(field.address + element * field.length + i, 1 << bit);
                    }
                }
            }
            if (field.bankMask != 0) {
                bits.emplace_back(field.bankAddress, field.bankMask);
            }
            for (const auto& [at, bit] : bits) {
                SCOPED_TRACE(label + " bit " + std::to_string(bit) + " of " + std::to_string(at));
                RadioData after = base;
                after.image[at] ^= bit;
                const DataDifferences d = DiffDataSets(base, after);
                if (d.settings.empty()) {
                    EXPECT_EQ(d.bytes.size(), 1u);
                    continue;
                }
                named = true;
                ASSERT_EQ(d.settings.size(), 1u) << d.settings[1].name;
                EXPECT_EQ(d.settings[0].name, label);
                EXPECT_TRUE(d.bytes.empty());
            }
        }
        EXPECT_TRUE(named) << field.key;
    }
}

// Whatever bits change, the difference is never silent.
TEST(DiffDataSets, NoChangedBitGoesUnreported) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> offset(0, kImageSize - 1);
    std::uniform_int_distribution<int> bit(0, 7);
    for (int round = 0; round < 2000; ++round) {
        RadioData before = Base();
        before.image = round % 2 ? test::RandomImage(rng) : before.image;
        RadioData after = before;
        const std::size_t at = offset(rng);
        after.image[at] ^= static_cast<Byte>(1 << bit(rng));
        const DataDifferences d = DiffDataSets(before, after);
        ASSERT_FALSE(d.Empty()) << "offset " << at;
        for (const ByteChange& change : d.bytes) {
            EXPECT_NE(change.before, change.after);
        }
    }
}

TEST(DiffWrittenRange, LeavesOutWhatAWriteNeverSends) {
    const RadioData before = Base();
    RadioData after = before;
    after.header[0x20] ^= 0xFF;
    after.image[0xFF0] ^= 0xFF;  // calibration
    after.image[0xFFF] ^= 0xFF;
    EXPECT_FALSE(DiffDataSets(before, after).Empty());
    EXPECT_TRUE(DiffWrittenRange(before, after).Empty());
    EXPECT_TRUE(WrittenRangeMismatches(before.image, after.image).empty());

    after.image[0x010] ^= 0xFF;
    after.image[0x900] ^= 0xFF;
    after.image[0x901] ^= 0xFF;
    after.image[0xFEF] ^= 0xFF;
    EXPECT_FALSE(DiffWrittenRange(before, after).Empty());
    EXPECT_EQ(WrittenRangeMismatches(before.image, after.image),
              (std::vector<std::string>{"0x010", "0x900-0x901", "0xFEF"}));
}

}  // namespace
}  // namespace ht57
