#include <gtest/gtest.h>

#include <random>

#include "ImageBuilders.h"
#include "model/Bcd.h"
#include "model/RadioData.h"
#include "model/RadioInfo.h"

namespace ht57 {
namespace {

TEST(RadioInfo, DecodesBandAndReceiveEnable) {
    const struct {
        Byte status;
        RadioInfoValues shown;
    } cases[] = {
        {0x00, {0, false}}, {0x20, {1, false}}, {0x10, {0, true}},
        {0x30, {1, true}},  {0xCF, {0, false}}, {0xFF, {1, true}},
    };
    for (const auto& c : cases) {
        Image image = test::ErasedImage();
        image[0xFCE] = c.status;
        EXPECT_EQ(DecodeRadioInfo(image), c.shown) << int{c.status};
    }
}

TEST(RadioInfo, EncodeTouchesOnlyBitsFiveAndFour) {
    const struct {
        RadioInfoValues values;
        Byte bits;
    } cases[] = {
        {{0, false}, 0x00}, {{1, false}, 0x20},  {{0, true}, 0x10},
        {{1, true}, 0x30},  {{-1, false}, 0x20},  // no selection stores 1
    };
    std::mt19937 rng(46);
    for (const auto& c : cases) {
        for (int round = 0; round < 20; ++round) {
            Image image = test::RandomImage(rng);
            const Image before = image;
            EncodeRadioInfo(c.values, image);
            EXPECT_EQ(image[0xFCE] & 0x30, c.bits) << c.values.band << c.values.receiveEnable;
            Image owned{};
            test::Own(owned, 0xFCE, 1, 0x30);
            EXPECT_EQ(test::FirstForeignChange(before, image, owned), -1);
        }
    }
}

TEST(RadioInfo, BandChangeNeededOnlyForTheOtherBand) {
    const struct {
        int index;
        Byte status;
        bool needed;
    } cases[] = {
        {0, 0x00, false}, {1, 0x20, false},  {0, 0x20, true},
        {1, 0x00, true},  {-1, 0x00, false},  // no selection counts as VHF
        {-1, 0x20, true}, {1, 0xFF, false},
    };
    for (const auto& c : cases) {
        Image image{};
        image[0xFCE] = c.status;
        EXPECT_EQ(BandChangeNeeded(c.index, image), c.needed) << c.index << ' ' << int{c.status};
    }
}

TEST(RadioInfo, BandChangeRewritesChannelsEdgesAndDefaultFrequency) {
    const struct {
        int index;
        std::array<Byte, 4> edges;
        std::array<Byte, 4> frequency;
        FrequencyLimits limits;
        const char* pane;
    } cases[] = {
        {0, {0x60, 0x13, 0x40, 0x17}, {0x00, 0x25, 0x50, 0x15}, test::kVhfLimits, "136-174MHz"},
        {1, {0x00, 0x40, 0x00, 0x47}, {0x00, 0x25, 0x50, 0x43}, test::kUhfLimits, "400-470MHz"},
    };
    std::mt19937 rng(8);
    for (const auto& c : cases) {
        RadioData data;
        data.image = test::RandomImage(rng);
        data.image[0xFCE] = c.index ? 0x00 : 0x20;
        data.limits = c.index ? test::kVhfLimits : test::kUhfLimits;
        const Image before = data.image;

        ASSERT_TRUE(BandChangeNeeded(c.index, data.image));
        ApplyBandChange(c.index, data);

        EXPECT_EQ(data.limits, c.limits);
        EXPECT_EQ(FrequencyLimitsText(data.limits), c.pane);
        for (std::size_t i = 0x010; i < 0x810; ++i) {
            ASSERT_EQ(data.image[i], 0x00) << i;
        }
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(data.image[0xFA0 + i], c.edges[i]) << i;
            EXPECT_EQ(data.image[0x820 + i], c.frequency[i]) << i;
        }
        Image owned{};
        test::Own(owned, 0x010, 0x800);
        test::Own(owned, 0xFA0, 4);
        test::Own(owned, 0x820, 4);
        EXPECT_EQ(test::FirstForeignChange(before, data.image, owned), -1);
        // The band bit waits for the next store.
        EXPECT_EQ(data.image[0xFCE], before[0xFCE]);
    }
}

}  // namespace
}  // namespace ht57
