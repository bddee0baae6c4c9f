#include <gtest/gtest.h>

#include "ImageBuilders.h"
#include "model/FmCodec.h"

namespace ht57 {
namespace {

TEST(FmCodec, StoredBytesLoadAsMegahertz) {
    const struct {
        Byte stored;
        const char* shown;
    } cases[] = {
        {0, "87.0"},    {15, "88.5"}, {130, "100.0"}, {209, "107.9"},
        {210, "108.0"}, {211, ""},    {254, ""},      {255, ""},
    };
    for (const auto& c : cases) {
        Image image = test::ErasedImage();
        image[0xFD0] = c.stored;
        image[0xFDF] = c.stored;
        const FmTexts texts = DecodeFm(image);
        EXPECT_EQ(texts.front(), c.shown) << int{c.stored};
        EXPECT_EQ(texts.back(), c.shown) << int{c.stored};
        EXPECT_EQ(texts[1], "");
    }
}

TEST(FmCodec, CommittedEditsStore) {
    const struct {
        const char* typed;
        const char* shown;
        Byte stored;
    } cases[] = {
        {"88.55", "88.5", 15}, {"108", "108.0", 210},    {"120", "87.0", 0},   {"50", "87.0", 0},
        {"87", "87.0", 0},     {"107.99", "107.9", 209}, {"108.1", "87.0", 0}, {"abc", "87.0", 0},
        {".", "87.0", 0},      {"", "", 0xFF},
    };
    for (const auto& c : cases) {
        const std::string shown = CommitFmText(c.typed);
        EXPECT_EQ(shown, c.shown) << c.typed;
        Image image = test::ErasedImage();
        FmTexts texts;
        texts[7] = shown;
        EncodeFm(texts, image);
        EXPECT_EQ(image[0xFD7], c.stored) << c.typed;
        EXPECT_EQ(DecodeFm(image)[7], shown) << c.typed;
    }
}

TEST(FmCodec, StoreWritesExactlyTheSixteenPresets) {
    Image image;
    image.fill(0x5A);
    const Image before = image;
    FmTexts texts;
    texts[0] = "87.0";
    texts[15] = "108.0";
    EncodeFm(texts, image);
    EXPECT_EQ(image[0xFD0], 0);
    EXPECT_EQ(image[0xFDF], 210);
    for (std::size_t k = 1; k < 15; ++k) {
        EXPECT_EQ(image[0xFD0 + k], 0xFF) << k;
    }
    Image owned{};
    test::Own(owned, 0xFD0, 16);
    EXPECT_EQ(test::FirstForeignChange(before, image, owned), -1);
}

TEST(FmCodec, LoadThenStoreKeepsValidPresetsAndEmptiesInvalidOnes) {
    Image image = test::ErasedImage();
    for (std::size_t k = 0; k < 16; ++k) {
        image[0xFD0 + k] = static_cast<Byte>(k * 16 + 3);  // 3 ... 243
    }
    const Image before = image;
    EncodeFm(DecodeFm(image), image);
    for (std::size_t k = 0; k < 16; ++k) {
        const Byte expected = before[0xFD0 + k] <= 210 ? before[0xFD0 + k] : Byte{0xFF};
        EXPECT_EQ(image[0xFD0 + k], expected) << k;
    }
}

}  // namespace
}  // namespace ht57

namespace ht57 {
namespace {

TEST(FmCodec, PasteStoresInRangeValuesAndReportsTheRest) {
    const struct {
        const char* text;
        int first;
        std::array<const char*, 3> presets;  // presets 13 to 15 afterwards
        std::size_t issues;
    } cases[] = {
        {"88.5\n\n107.95\n", 13, {"88.5", "", "107.9"}, 0},
        {"120\tx\n87\n", 14, {"90.0", "90.0", "87.0"}, 1},
        {"1.2.3\n-1\n", 14, {"90.0", "90.0", "90.0"}, 2},
        {"88\n89\n90\n", 15, {"90.0", "90.0", "88.0"}, 2},
    };
    for (const auto& c : cases) {
        FmTexts texts;
        texts.fill("90.0");
        std::vector<std::string> issues;
        PasteFmText(c.text, c.first, texts, issues);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(texts[13 + i], c.presets[i]) << c.text;
        }
        EXPECT_EQ(issues.size(), c.issues) << c.text;
        EXPECT_EQ(CopyFmText(texts, {13, 14}), texts[13] + "\n" + texts[14] + "\n");
    }
}

}  // namespace
}  // namespace ht57
