#include <gtest/gtest.h>

#include "model/Bcd.h"
#include "model/ChannelRecord.h"
#include "model/Normalise.h"
#include "model/RadioData.h"

namespace ht57 {
namespace {

constexpr FrequencyLimits kVhf{13'600'000, 17'400'000};

struct Settings {
    Image image;
    Image reference;
    Settings() {
        image.fill(0xFF);
        reference.fill(0);
        reference[0xFC2] = 3;     // squelch
        reference[0xFC3] = 4;     // VOX
        reference[0xFC4] = 5;     // TOT
        reference[0xFC6] = 0x50;  // scan mode 1, back light 1
        reference[0xFC9] = 2;     // step
        reference[0xFCE] = 0x03;  // PF3 3
        reference[0xFE8] = 9;
    }
};

TEST(NormaliseSettings, InvalidValuesTakeReferenceBytes) {
    const struct {
        const char* what;
        std::size_t offset;
        Byte before;
        Byte after;
    } cases[] = {
        {"squelch 12", 0xFC2, 12, 3},
        {"squelch 9 kept", 0xFC2, 9, 9},
        {"VOX 10", 0xFC3, 10, 4},
        {"VOX 0 kept", 0xFC3, 0, 0},
        {"TOT 8", 0xFC4, 8, 5},
        {"TOT 7 kept", 0xFC4, 7, 7},
        {"step 9", 0xFC9, 9, 2},
        {"step 5 kept", 0xFC9, 5, 5},
        {"PF3 5 keeps other bits", 0xFCE, 0xF5, 0xF3},
        {"PF3 4 kept", 0xFCE, 0xF4, 0xF4},
        {"scan mode 3", 0xFC6, 0x3A, 0x1A},
        {"back light 3", 0xFC6, 0xCA, 0x4A},
        {"both 3", 0xFC6, 0xFF, 0x5F},
        {"both valid", 0xFC6, 0xAB, 0xAB},
    };
    for (const auto& c : cases) {
        Settings s;
        s.image[0xFC2] = 0;
        s.image[0xFC3] = 0;
        s.image[0xFC4] = 0;
        s.image[0xFC6] = 0;
        s.image[0xFC9] = 0;
        s.image[0xFCE] = 0;
        s.image[c.offset] = c.before;
        NormaliseSettings(s.image, s.reference, kVhf);
        EXPECT_EQ(s.image[c.offset], c.after) << c.what;
    }
}

TEST(NormaliseSettings, PriorityChannelMustBeInUse) {
    const struct {
        Byte before;
        std::vector<int> inUse;
        Byte after;
    } cases[] = {
        {200, {5, 12}, 5}, {12, {5, 12}, 12}, {7, {5, 12}, 5},
        {0, {5, 12}, 5},   {1, {}, 0},        {128, {5, 128}, 128},
    };
    for (const auto& c : cases) {
        Settings s;
        for (int n : c.inUse) {
            WriteChannelDefaults(s.image, n, 14'500'000);
        }
        s.image[0xFC8] = c.before;
        NormaliseSettings(s.image, s.reference, kVhf);
        EXPECT_EQ(s.image[0xFC8], c.after) << int{c.before};
    }
}

TEST(NormaliseFmAndDtmf, OnlyTheirOwnBytes) {
    Settings s;
    for (std::size_t k = 0; k < 16; ++k) {
        s.image[0xFD0 + k] = static_cast<Byte>(200 + k * 4);  // 200 .. 260 wraps
    }
    const Image before = s.image;
    NormaliseFm(s.image);
    for (std::size_t k = 0; k < 16; ++k) {
        const Byte b = before[0xFD0 + k];
        EXPECT_EQ(s.image[0xFD0 + k], b <= 210 ? b : 0xFF) << k;
    }
    const struct {
        Byte before;
        Byte after;
    } dtmf[] = {{0x59, 0x59}, {0x5A, 9}, {0xFF, 9}, {0, 0}};
    for (const auto& c : dtmf) {
        Image image = s.image;
        image[0xFE8] = c.before;
        image[0xFE9] = 0xFF;
        NormaliseDtmf(image, s.reference);
        EXPECT_EQ(image[0xFE8], c.after);
        EXPECT_EQ(image[0xFE9], 0xFF);
    }
}

TEST(NormaliseImage, TouchesNothingOutsideItsAreas) {
    RadioData data;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        data.image[i] = static_cast<Byte>(i * 7 + 3);
    }
    data.limits = kVhf;
    const Image before = data.image;
    data.Normalise();
    const auto untouched = [](std::size_t i) {
        return i < 0x010 || (i >= 0x810 && i < 0xFA0) || (i >= 0xFEB);
    };
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (untouched(i)) {
            ASSERT_EQ(data.image[i], before[i]) << std::hex << i;
        }
    }
    // Normalising twice is the same as once.
    const Image once = data.image;
    data.Normalise();
    EXPECT_EQ(data.image, once);
}

TEST(RadioData, StartsEmptyWithUhfLimits) {
    RadioData data;
    EXPECT_EQ(data.limits, (FrequencyLimits{40'000'000, 47'000'000}));
    EXPECT_EQ(data.image[0], 0xFF);
    EXPECT_EQ(data.header[0], 0);
    data.image[0xFCE] = 0x20;
    data.RecomputeLimits();
    EXPECT_EQ(data.limits, (FrequencyLimits{40'000'000, 47'000'000}));
    data.image[0xFCE] = 0xDF;
    data.RecomputeLimits();
    EXPECT_EQ(data.limits, kVhf);
}

}  // namespace
}  // namespace ht57
