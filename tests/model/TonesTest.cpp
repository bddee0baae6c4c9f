#include <gtest/gtest.h>

#include "model/Tones.h"

namespace ht57 {
namespace {

TEST(ToneList, LayoutOfTheTable) {
    const auto& list = ToneList();
    EXPECT_EQ(list[0], "Off");
    EXPECT_EQ(list[1], "67.0");
    EXPECT_EQ(list[50], "254.1");
    EXPECT_EQ(list[51], "D023N");
    EXPECT_EQ(list[156], "D754N");
    EXPECT_EQ(list[157], "D023I");
    EXPECT_EQ(list[262], "D754I");
    EXPECT_EQ(list[200], "D251I");
    for (int i = 0; i < kDcsCodeCount; ++i) {
        const std::string& normal = list[static_cast<std::size_t>(kFirstDcsNormal + i)];
        const std::string& inverted = list[static_cast<std::size_t>(kFirstDcsInverted + i)];
        EXPECT_EQ(normal.substr(0, 4), inverted.substr(0, 4));
        EXPECT_EQ(normal.back(), 'N');
        EXPECT_EQ(inverted.back(), 'I');
    }
}

TEST(ToneCode, BankBitMarksInvertedDcs) {
    const struct {
        int index;
        std::uint8_t code;
        bool bank;
    } cases[] = {
        {0, 0, false},     {1, 1, false},   {50, 50, false},  {51, 51, false},
        {156, 156, false}, {157, 51, true}, {262, 156, true},
    };
    for (const auto& c : cases) {
        const ToneCode tone = EncodeTone(c.index);
        EXPECT_EQ(tone.code, c.code) << c.index;
        EXPECT_EQ(tone.bank, c.bank) << c.index;
        EXPECT_EQ(DecodeTone(tone.code, tone.bank), c.index);
    }
    EXPECT_EQ(DecodeTone(200, true), 0);  // index 306 is beyond the list
    EXPECT_EQ(DecodeTone(200, false), 200);
    EXPECT_EQ(DecodeTone(157, true), 0);  // 263
    EXPECT_EQ(DecodeTone(156, true), 262);
    EXPECT_EQ(DecodeTone(255, false), 255);
    EXPECT_EQ(DecodeTone(255, true), 0);
}

TEST(FindTone, ExactCaseSensitiveMatchOrOff) {
    EXPECT_EQ(FindTone("D023I"), 157);
    EXPECT_EQ(FindTone("D023N"), 51);
    EXPECT_EQ(FindTone("254.1"), 50);
    EXPECT_EQ(FindTone("Off"), 0);
    EXPECT_EQ(FindTone("d023i"), 0);
    EXPECT_EQ(FindTone("88.50"), 0);
    EXPECT_EQ(FindTone(""), 0);
}

TEST(NormaliseToneText, ScanPatternsInOrder) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"d23", "D023N"},
        {"23n", "D023N"},
        {"i23", "D023I"},
        {"23i", "D023I"},
        {"dn23", "D023N"},
        {"di23", "D023I"},
        {"nd23", "D023N"},
        {"id23", "D023I"},
        {"n754", "D754N"},
        {"D023I", "D023I"},
        {"23", "D023N"},
        {"885", "Off"},    // read by "%dN": above 777
        {"777", "D777N"},  // no such code; FindTone later stores Off
        {"0", "Off"},
        {"d0", "Off"},
        {"d", "Off"},  // text ends before the number
        {"dx", "Off"},
        {"88.5", "88.5"},
        {"88.50", "88.50"},
        {"60.0", "60.0"},
        {"280.0", "280.0"},
        {"280.1", "Off"},
        {"59.9", "Off"},
        {"1.2.3", "Off"},
        {"off", "Off"},
        {"OFF", "Off"},
        {"-23", "Off"},
        {"d-23", "Off"},
        {"d 23", "D023N"},  // %d skips blanks
        {"99999999999999999999", "Off"},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        NormaliseToneText(text);
        EXPECT_EQ(text, c.out) << '"' << c.in << '"';
    }
}

TEST(NormaliseToneText, EveryListEntrySurvives) {
    for (const std::string& tone : ToneList()) {
        std::string text = tone;
        NormaliseToneText(text);
        EXPECT_EQ(FindTone(text), FindTone(tone)) << tone;
    }
}

}  // namespace
}  // namespace ht57
