#include <gtest/gtest.h>

#include "ImageBuilders.h"
#include "model/ChannelRecord.h"
#include "model/FrequencyRange.h"
#include "model/RadioData.h"

namespace ht57 {

void PrintTo(const FrequencyRangeEdits& e, std::ostream* os) {
    *os << '{' << e.lowerLimit << ", " << e.upperLimit << ", " << e.rxFrequency << '}';
}
void PrintTo(const FrequencyLimits& l, std::ostream* os) {
    *os << l.lower << "-" << l.upper;
}

namespace {

Image ImageForBand(int bandFlag) {
    Image image = test::ErasedImage();
    image[region::kStatusByte] = bandFlag ? 0xFF : 0xDF;
    return image;
}

TEST(FrequencyRangeCommit, LimitEditsAreKeptInsideTheBand) {
    const struct {
        int band;
        FrequencyRangeEdits typed;
        FrequencyRangeEdits shown;
        FrequencyLimits limits;
    } cases[] = {
        {1, {"380", "450", "420.00000"}, {"400", "450", "420.00000"}, {40'000'000, 45'000'000}},
        {1, {"450", "420", "430.00000"}, {"400", "470", "430.00000"}, {40'000'000, 47'000'000}},
        {1, {"400", "470", "400.00000"}, {"400", "470", "400.00000"}, {40'000'000, 47'000'000}},
        {1, {"410", "480", "430.00000"}, {"410", "470", "430.00000"}, {41'000'000, 47'000'000}},
        {1, {"460", "300", "465.00000"}, {"400", "470", "465.00000"}, {40'000'000, 47'000'000}},
        {1, {"", "", "430.00000"}, {"400", "470", "430.00000"}, {40'000'000, 47'000'000}},
        {0, {"140", "150", "145.00000"}, {"140", "150", "145.00000"}, {14'000'000, 15'000'000}},
        {0, {"100", "200", "145.00000"}, {"136", "174", "145.00000"}, {13'600'000, 17'400'000}},
        {0, {"174", "136", "145.00000"}, {"136", "174", "145.00000"}, {13'600'000, 17'400'000}},
        {0, {"150", "150", "150.00000"}, {"150", "150", "150.00000"}, {15'000'000, 15'000'000}},
        {0,
         // An absurd lower limit also counts as above the upper one.
         {"99999999999", "150", "145.00000"},
         {"136", "174", "145.00000"},
         {13'600'000, 17'400'000}},
    };
    for (const auto& c : cases) {
        Image image = ImageForBand(c.band);
        FrequencyLimits limits;
        EXPECT_EQ(CommitFrequencyRange(c.typed, image, limits), c.shown) << c.typed.lowerLimit;
        EXPECT_EQ(limits, c.limits) << c.typed.lowerLimit << "-" << c.typed.upperLimit;
    }
}

TEST(FrequencyRangeCommit, RxFrequencyOutsideTheNewLimitsResetsToTheLower) {
    const struct {
        const char* rx;
        const char* shown;
    } cases[] = {
        {"145.00000", "145.00000"}, {"140.00000", "140.00000"}, {"150.00000", "150.00000"},
        {"139.99999", "140.00000"}, {"150.00001", "140.00000"}, {"", "140.00000"},
        {"abc", "140.00000"},       {"145.0011", "145.0011"},
    };
    for (const auto& c : cases) {
        Image image = ImageForBand(0);
        FrequencyLimits limits;
        const FrequencyRangeEdits shown = CommitFrequencyRange({"140", "150", c.rx}, image, limits);
        EXPECT_EQ(shown.rxFrequency, c.shown) << c.rx;
    }
}

TEST(FrequencyRangeCommit, ErasesEveryChannelOutsideTheNewLimits) {
    RadioData data;
    data.image = ImageForBand(1);
    data.limits = test::kUhfLimits;
    const struct {
        int channel;
        std::uint32_t rx;
        bool kept;
    } channels[] = {
        {1, 40'000'000, true},  {2, 45'000'000, true},  {3, 45'000'001, false},
        {4, 39'999'999, false}, {5, 46'000'000, false}, {128, 42'000'000, true},
    };
    for (const auto& c : channels) {
        test::PutChannel(data.image, c.channel, c.rx);
    }
    const Image before = data.image;
    // Channel 4 was not in use under the old limits either.
    EXPECT_EQ(ChannelsLostByRangeCommit({"380", "450", "420.00000"}, data), 2);
    EXPECT_EQ(ChannelsLostByRangeCommit({"400", "470", "420.00000"}, data), 0);
    EXPECT_EQ(data.image, before);

    CommitFrequencyRange({"380", "450", "420.00000"}, data);

    EXPECT_EQ(data.limits, (FrequencyLimits{40'000'000, 45'000'000}));
    ChannelRecord erased;
    erased.fill(0xFF);
    for (const auto& c : channels) {
        const ChannelRecord record = ReadChannel(data.image, c.channel);
        if (c.kept) {
            EXPECT_EQ(record, ReadChannel(before, c.channel)) << c.channel;
        } else {
            EXPECT_EQ(record, erased) << c.channel;
        }
    }
    // Only the channel table changes; the limits reach 0xFA0 at the next store.
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 0x10, data.image.begin()));
    EXPECT_TRUE(std::equal(before.begin() + 0x810, before.end(), data.image.begin() + 0x810));
}

TEST(FrequencyRangeCommit, UnchangedLimitsStillEraseChannelsOutsideThem) {
    Image image = ImageForBand(0);
    test::PutChannel(image, 9, 14'500'000);
    test::PutChannel(image, 10, 16'000'000);
    FrequencyLimits limits{14'000'000, 15'000'000};
    CommitFrequencyRange({"140", "150", "145.00000"}, image, limits);
    EXPECT_TRUE(IsChannelInUse(ReadChannel(image, 9), limits));
    ChannelRecord erased;
    erased.fill(0xFF);
    EXPECT_EQ(ReadChannel(image, 10), erased);
}

}  // namespace
}  // namespace ht57
