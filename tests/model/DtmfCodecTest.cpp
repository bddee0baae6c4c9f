#include <gtest/gtest.h>

#include <random>

#include "ImageBuilders.h"
#include "model/DtmfCodec.h"
#include "model/EditStepping.h"

namespace ht57 {
namespace {

TEST(EditRangeText, RoundsDownAndFallsBackToTheMinimum) {
    const struct {
        const char* text;
        const EditRange& range;
        const char* shown;
    } cases[] = {
        {"4510", kFirstDigitDelayRange, "4500"},     {"4600", kFirstDigitDelayRange, "50"},
        {"0", kFirstDigitDelayRange, "50"},          {"99", kFirstDigitDelayRange, "50"},
        {"100", kFirstDigitDelayRange, "100"},       {"4500", kFirstDigitDelayRange, "4500"},
        {"", kFirstDigitDelayRange, "50"},           {"abc", kFirstDigitDelayRange, "50"},
        {"-5", kFirstDigitDelayRange, "50"},         {"149", kFirstDigitDelayRange, "100"},
        {"6400", kDigitIntervalRange, "6400"},       {"6425", kDigitIntervalRange, "50"},
        {"74", kDigitIntervalRange, "50"},           {"76", kDigitIntervalRange, "75"},
        {"49", kDigitDelayTimeRange, "50"},          {"9999", kDigitDelayTimeRange, "50"},
        {"99999999999", kDigitDelayTimeRange, "50"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EditRangeText(c.text, c.range), c.shown) << c.text;
    }
}

TEST(SpinStepText, StepsAlignsAndWraps) {
    const struct {
        const char* text;
        int delta;
        const EditRange& range;
        const char* shown;
    } cases[] = {
        {"4500", 1, kFirstDigitDelayRange, "50"},   // wrap at the top
        {"50", -1, kFirstDigitDelayRange, "4500"},  // wrap at the bottom
        {"60", 1, kFirstDigitDelayRange, "100"},    // alignment click up
        {"60", -1, kFirstDigitDelayRange, "50"},    // alignment click down
        {"100", 1, kFirstDigitDelayRange, "150"},
        {"100", -1, kFirstDigitDelayRange, "50"},
        {"", 1, kDigitIntervalRange, "50"},
        {"", -1, kDigitIntervalRange, "6400"},
        {"abc", 1, kDigitIntervalRange, "50"},
        {"6400", 1, kDigitIntervalRange, "50"},
        {"6390", 1, kDigitIntervalRange, "6400"},
        {"6425", -1, kDigitIntervalRange, "6400"},
        {"9999", 1, kDigitIntervalRange, "50"},    // aligned beyond the range
        {"100", 5, kFirstDigitDelayRange, "250"},  // 2 + 5 = 7, down to 5
        {"250", 5, kFirstDigitDelayRange, "500"},
        {"4450", 5, kFirstDigitDelayRange, "4500"},  // 89 + 5 = 94, down to 90
        {"4500", 5, kFirstDigitDelayRange, "50"},
        {"1100", -5, kFirstDigitDelayRange, "1000"},  // 22 - 5 = 17, up to 20
        {"1000", -5, kFirstDigitDelayRange, "750"},
        {"100", -5, kFirstDigitDelayRange, "4500"},  // negative becomes 0, then wraps
        {"50", 0, kFirstDigitDelayRange, "50"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpinStepText(c.text, c.delta, c.range), c.shown) << c.text << " by " << c.delta;
    }
}

TEST(SpinStepText, RepeatedClicksCycleThroughTheWholeRange) {
    for (const EditRange& range : {kFirstDigitDelayRange, kDigitIntervalRange}) {
        const int count = range.high - range.low + 1;
        for (int delta : {1, -1}) {
            std::string text = std::to_string(range.low * range.scale);
            for (int i = 0; i < count; ++i) {
                const std::string next = SpinStepText(text, delta, range);
                EXPECT_EQ(EditRangeText(next, range), next);
                text = next;
            }
            EXPECT_EQ(text, std::to_string(range.low * range.scale)) << delta;
        }
    }
}

TEST(DtmfCodec, StoredBytesLoadAsMilliseconds) {
    const struct {
        Byte firstDigitDelay;
        Byte digitInterval;
        Byte digitDelayTime;
        DtmfValues shown;
    } cases[] = {
        {0x00, 0x00, 0x00, {"50", "50", "50", false}},
        {0x59, 0xFE, 0x01, {"4500", "6400", "75", false}},
        {0x5A, 0xFF, 0xFF, {"50", "50", "50", false}},  // beyond the ranges
        {0x09, 0x02, 0x06, {"500", "100", "200", false}},
    };
    for (const auto& c : cases) {
        Image image = test::ErasedImage();
        image[0xFC5] = 0xBF;
        image[0xFE8] = c.firstDigitDelay;
        image[0xFE9] = c.digitInterval;
        image[0xFEA] = c.digitDelayTime;
        EXPECT_EQ(DecodeDtmf(image), c.shown) << int{c.firstDigitDelay};
    }
}

TEST(DtmfCodec, StoreNormalisesAndWritesOnlyItsBytes) {
    const struct {
        DtmfValues typed;
        std::array<Byte, 3> stored;
    } cases[] = {
        {{"4510", "6400", "75", true}, {0x59, 0xFE, 0x01}},
        {{"", "", "", false}, {0x00, 0x00, 0x00}},
        {{"50", "6425", "abc", true}, {0x00, 0x00, 0x00}},
        {{"100", "60", "99", false}, {0x01, 0x00, 0x01}},
    };
    for (const auto& c : cases) {
        for (Byte fill : {Byte{0x00}, Byte{0xFF}}) {
            Image image;
            image.fill(fill);
            const Image before = image;
            EncodeDtmf(c.typed, image);
            EXPECT_EQ(image[0xFE8], c.stored[0]) << c.typed.firstDigitDelay;
            EXPECT_EQ(image[0xFE9], c.stored[1]) << c.typed.digitInterval;
            EXPECT_EQ(image[0xFEA], c.stored[2]) << c.typed.digitDelayTime;
            EXPECT_EQ((image[0xFC5] & 0x40) != 0, c.typed.sideTone);
            Image owned{};
            test::Own(owned, 0xFE8, 3);
            test::Own(owned, 0xFC5, 1, 0x40);
            EXPECT_EQ(test::FirstForeignChange(before, image, owned), -1);
        }
    }
}

TEST(DtmfCodec, EmptyDigitIntervalStoresZeroAfterLoadingFF) {
    Image image = test::ErasedImage();
    const DtmfValues shown = DecodeDtmf(image);
    EXPECT_EQ(shown.digitInterval, "50");
    EncodeDtmf(shown, image);
    EXPECT_EQ(image[0xFE9], 0x00);
}

TEST(DtmfCodec, RandomImagesChangeOnlyOwnedBitsAndSettleAfterOnePass) {
    std::mt19937 rng(4);
    Image owned{};
    test::Own(owned, 0xFE8, 3);
    test::Own(owned, 0xFC5, 1, 0x40);
    for (int round = 0; round < 300; ++round) {
        Image image = test::RandomImage(rng);
        const Image before = image;
        EncodeDtmf(DecodeDtmf(image), image);
        ASSERT_EQ(test::FirstForeignChange(before, image, owned), -1) << round;
        // Bytes inside the ranges come back unchanged.
        if (before[0xFE8] <= 89) {
            EXPECT_EQ(image[0xFE8], before[0xFE8]);
        }
        if (before[0xFE9] <= 254) {
            EXPECT_EQ(image[0xFE9], before[0xFE9]);
        }
        EXPECT_EQ(image[0xFC5], before[0xFC5]);
    }
}

}  // namespace
}  // namespace ht57
