#include <gtest/gtest.h>

#include "ImageBuilders.h"
#include "model/ChannelRows.h"

namespace ht57 {
namespace {

using test::kVhfLimits;

// Channel n at 136 + n x 0.1 MHz with busy lock "Carrier" on odd channels, so
// every record differs and its flag bits are checked as it moves.
Image Numbered(int used = region::kChannelCount) {
    Image image = test::ErasedImage();
    for (int n = 1; n <= used; ++n) {
        test::PutChannel(image, n, 13'600'000 + static_cast<std::uint32_t>(n) * 10'000);
        if (n % 2 == 1) {
            image[ChannelOffset(n) + record::kFlags] &= 0xFB;  // busy lock code 2
        }
    }
    return image;
}

// Expected channel order: entry i names the original channel that channel
// i + 1 holds now, 0 for a cleared one.
void ExpectOrder(const Image& image, const Image& original, const std::vector<int>& order) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        const ChannelRecord expected =
            order[i] == 0 ? DefaultChannelRecord(std::nullopt) : ReadChannel(original, order[i]);
        EXPECT_EQ(ReadChannel(image, static_cast<int>(i) + 1), expected) << "channel " << i + 1;
    }
}

TEST(ChannelRows, MoveKeepsWholeRecordsAndStopsAtTheEdges) {
    const struct {
        std::vector<int> channels;
        int delta;
        std::vector<int> moved;
        int firstShown;  // order below is of channels firstShown, firstShown + 1...
        std::vector<int> order;
    } cases[] = {
        {{128}, 1, {128}, 127, {127, 128}},
        {{128}, -1, {127}, 126, {126, 128, 127}},
        {{127, 128}, -1, {126, 127}, 125, {125, 127, 128, 126}},
        {{1, 3}, -1, {1, 2}, 1, {1, 3, 2, 4}},
        {{2, 4}, 1, {3, 5}, 1, {1, 3, 2, 5, 4}},
        {{126, 128}, 1, {127, 128}, 125, {125, 127, 126, 128}},
    };
    for (const auto& c : cases) {
        const Image original = Numbered();
        Image image = original;
        EXPECT_EQ(MoveChannels(image, c.channels, c.delta), c.moved) << c.channels.front();
        for (std::size_t i = 0; i < c.order.size(); ++i) {
            EXPECT_EQ(ReadChannel(image, c.firstShown + static_cast<int>(i)),
                      ReadChannel(original, c.order[i]))
                << "case " << c.channels.front() << ", channel " << c.firstShown + i;
        }
    }
}

TEST(ChannelRows, MoveBeforeDropsTheBlockInPlace) {
    const struct {
        std::vector<int> channels;
        int before;
        std::vector<int> moved;
        std::vector<int> order;
    } cases[] = {
        {{2, 3}, 1, {1, 2}, {2, 3, 1, 4}},
        {{1}, 129, {128}, {2, 3, 4}},
        {{1, 4}, 3, {2, 3}, {2, 1, 4, 3, 5}},
    };
    for (const auto& c : cases) {
        const Image original = Numbered();
        Image image = original;
        EXPECT_EQ(MoveChannelsBefore(image, c.channels, c.before), c.moved);
        ExpectOrder(image, original, c.order);
    }
    Image image = Numbered();
    MoveChannelsBefore(image, {1}, 129);
    EXPECT_EQ(ReadChannel(image, 128), ReadChannel(Numbered(), 1));
}

TEST(ChannelRows, InsertDeleteAndClear) {
    const Image half = Numbered(4);
    Image image = half;
    ASSERT_TRUE(InsertEmptyChannel(image, kVhfLimits, 2));
    ExpectOrder(image, half, {1, 0, 2, 3, 4, 5});

    image = half;
    DeleteChannels(image, {3, 1, 3, 200});
    ExpectOrder(image, half, {2, 4, 5, 6});
    EXPECT_EQ(ReadChannel(image, 128), DefaultChannelRecord(std::nullopt));

    image = half;
    ClearChannels(image, {2});
    ExpectOrder(image, half, {1, 0, 3, 4});

    // Channel 128 in use would fall off: nothing moves.
    const Image full = Numbered();
    image = full;
    const Result refused = InsertEmptyChannel(image, kVhfLimits, 5);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.message.find("128"), std::string::npos);
    EXPECT_EQ(image, full);
}

TEST(ChannelRows, SortIsStableAndPutsEmptyChannelsLast) {
    Image original = test::ErasedImage();
    // Channel, Rx frequency, name, Rx tone code; channel 2 stays empty.
    const struct {
        int channel;
        std::uint32_t rx;
        Byte name;
        Byte tone;
    } channels[] = {{1, 14'600'000, 13, 5},
                    {3, 14'500'000, 13, 2},
                    {4, 14'600'000, 1, 5},
                    {5, 14'400'000, 3, 2}};
    for (const auto& c : channels) {
        test::PutChannel(original, c.channel, c.rx);
        original[ChannelOffset(c.channel) + record::kName] = c.name;
        original[ChannelOffset(c.channel) + record::kRxTone] = c.tone;
    }
    const struct {
        SortKey key;
        std::vector<int> order;
    } cases[] = {
        {SortKey::RxFrequency, {5, 3, 1, 4, 2}},
        {SortKey::Name, {4, 5, 1, 3, 2}},
        {SortKey::Tone, {3, 5, 1, 4, 2}},
    };
    for (const auto& c : cases) {
        Image image = original;
        SortChannels(image, kVhfLimits, c.key);
        ExpectOrder(image, original, c.order);
    }
}

TEST(ChannelRows, FillSetsChannelsInUseOnly) {
    const struct {
        ChannelColumn column;
        const char* text;
        bool ok;
        const char* stored;
    } cases[] = {
        {ChannelColumn::Power, "low", true, "Low"},
        {ChannelColumn::Bandwidth, "Narrow", true, "Narrow"},
        {ChannelColumn::BusyLock, "QT/DQT", true, "QT/DQT"},
        {ChannelColumn::RxTone, "d23", true, "D023N"},
        {ChannelColumn::TxTone, "88.5", true, "88.5"},
        {ChannelColumn::TxTone, "88.4", false, ""},
        {ChannelColumn::Power, "Mid", false, ""},
    };
    for (const auto& c : cases) {
        const Image original = Numbered(3);
        Image image = original;
        int changed = -1;
        EXPECT_EQ(bool(FillChannels(image, kVhfLimits, {2, 3, 4}, c.column, c.text, changed)), c.ok)
            << c.text;
        if (!c.ok) {
            EXPECT_EQ(image, original) << c.text;
            continue;
        }
        EXPECT_EQ(changed, 2) << c.text;
        EXPECT_EQ(ReadChannel(image, 1), ReadChannel(original, 1));
        EXPECT_EQ(ColumnText(DecodeChannelAt(image, 3, kVhfLimits), c.column), c.stored);
        EXPECT_EQ(ReadChannel(image, 4), ReadChannel(original, 4));
    }
}

TEST(ChannelRows, RepeaterShiftIsAllOrNothing) {
    const struct {
        const char* offset;
        bool plus;
        bool ok;
        const char* tx2;
    } cases[] = {
        {"0.6", true, true, "136.80000"}, {"5", false, false, ""},  {"0.6", false, false, ""},
        {"0", true, true, "136.20000"},   {"abc", true, false, ""}, {"0.0031", true, false, ""},
    };
    for (const auto& c : cases) {
        const Image original = Numbered(3);
        Image image = original;
        int changed = 0;
        EXPECT_EQ(bool(SetRepeaterShift(image, kVhfLimits, {1, 2}, c.offset, c.plus, changed)),
                  c.ok)
            << c.offset;
        if (c.ok) {
            EXPECT_EQ(DecodeChannelAt(image, 2, kVhfLimits).txFrequency, c.tx2) << c.offset;
        } else {
            EXPECT_EQ(image, original) << c.offset;
        }
    }
}

TEST(ChannelRows, FindWrapsRoundByNameOrFrequency) {
    Image image = Numbered(5);
    image[ChannelOffset(4) + record::kName] = 13;  // "B"
    const struct {
        const char* text;
        int after;
        int found;
    } cases[] = {{"b", 0, 4},  {"b", 4, 4}, {"136.3", 0, 3}, {"136.3", 3, 3},
                 {"zz", 0, 0}, {"", 0, 0},  {"136.", 5, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(FindChannel(image, kVhfLimits, c.text, c.after), c.found) << c.text << c.after;
    }
}

}  // namespace
}  // namespace ht57
