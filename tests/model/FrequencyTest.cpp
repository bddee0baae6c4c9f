#include <gtest/gtest.h>

#include "model/Bcd.h"
#include "model/Frequency.h"
#include "model/Numbers.h"

namespace ht57 {
namespace {

TEST(ParseFrequency, ExactDecimalResults) {
    const struct {
        const char* text;
        std::uint32_t expected;
    } cases[] = {
        {"136.015", 13'601'500},
        {"146.52", 14'652'000},
        {"145.6", 14'560'000},
        {"146.5213", 14'652'130},
        {"0.00001", 1},
        {"0.000019", 1},
        {"174", 17'400'000},
        {"  145.000", 14'500'000},
        {"145.000abc", 14'500'000},
        {".5", 50'000},
        {"5.", 500'000},
        {"", 0},
        {".", 0},
        {"abc", 0},
        {"-145", 0},
        {"+145", 0},
        {"1e3", 100'000},
        {"inf", 0},
        {"nan", 0},
        {"0x10", 0},
        {"42949.67295", 4'294'967'295u},
        {"42949.67296", 4'294'967'295u},
        {"99999999999999999999999999", 4'294'967'295u},
        // 16 significant digits round to 15 first: 123.4567890123456 -> 123.456789012346
        {"123.4567890123456", 12'345'678},
        {"0.1234567890123456789", 12'345},
        {"99.9999999999999999", 10'000'000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseFrequency(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseFrequency, AbsurdlyLongTextSaturates) {
    EXPECT_EQ(ParseFrequency(std::string(5000, '9')), 4'294'967'295u);
    EXPECT_EQ(ParseFrequency("0." + std::string(5000, '0') + "1"), 0u);
}

TEST(FormatFrequency, FiveDecimals) {
    const struct {
        std::uint32_t value;
        const char* expected;
    } cases[] = {
        {14'652'000, "146.52000"},       {13'601'500, "136.01500"}, {0, "0.00000"}, {1, "0.00001"},
        {4'294'967'295u, "42949.67295"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFrequency(c.value), c.expected) << c.value;
    }
}

TEST(SnapFrequency, NearestRasterPointEarlierCandidateWinsTies) {
    const struct {
        std::uint32_t in;
        std::uint32_t out;
    } cases[] = {
        {14'652'130, 14'652'000},  // 146.52130 -> 146.52000
        {14'652'250, 14'652'000},  // tie 250/250/375/250: down 5k wins
        {14'652'300, 14'652'500},  // 300,200,300,325: up 5k
        {14'652'500, 14'652'500},  // on the 5 kHz raster
        {14'651'875, 14'651'875},  // on the 6.25 kHz raster
        {14'500'110, 14'500'000},  // 145.0011
        {14'500'470, 14'500'500},  // 145.0047
        {14'500'660, 14'500'625},  // 145.0066
        {0, 0},
        {4'294'967'295u, 4'294'967'000u},  // no raster point above: goes down
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SnapFrequency(c.in), c.out) << c.in;
    }
}

TEST(Bcd, PackedLeastSignificantPairFirst) {
    const struct {
        std::uint32_t value;
        std::array<Byte, 4> bytes;
    } cases[] = {
        {14'652'000, {0x00, 0x20, 0x65, 0x14}}, {43'850'000, {0x00, 0x00, 0x85, 0x43}},
        {500'000, {0x00, 0x00, 0x50, 0x00}},    {0, {0, 0, 0, 0}},
        {99'999'999, {0x99, 0x99, 0x99, 0x99}},
    };
    for (const auto& c : cases) {
        std::array<Byte, 4> out{};
        WriteBcd32(out.data(), c.value);
        EXPECT_EQ(out, c.bytes) << c.value;
        EXPECT_EQ(ReadBcd32(c.bytes.data()), c.value);
    }
    const std::array<Byte, 4> allFf{0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadBcd32(allFf.data()), 166'666'665u);
    // Only the low eight digits fit.
    EXPECT_EQ(DecodeBcd32(EncodeBcd32(123'456'789)), 23'456'789u);
}

TEST(Bcd, SixteenBit) {
    std::array<Byte, 2> out{};
    WriteBcd16(out.data(), 1360);
    EXPECT_EQ(out, (std::array<Byte, 2>{0x60, 0x13}));
    WriteBcd16(out.data(), 1740);
    EXPECT_EQ(out, (std::array<Byte, 2>{0x40, 0x17}));
    EXPECT_EQ(ReadBcd16(out.data()), 1740u);
    const std::array<Byte, 2> allFf{0xFF, 0xFF};
    EXPECT_EQ(ReadBcd16(allFf.data()), 16'665u);
}

TEST(Numbers, LeadingIntegerAndScaling) {
    EXPECT_EQ(ParseLeadingInteger("19200abc"), 19200);
    EXPECT_EQ(ParseLeadingInteger("abc"), std::nullopt);
    EXPECT_EQ(ParseLeadingInteger(""), std::nullopt);
    EXPECT_EQ(ParseLeadingInteger("-5"), std::nullopt);
    EXPECT_EQ(ParseLeadingInteger(" 42"), 42);
    EXPECT_EQ(ParseLeadingInteger("99999999999999999999"), 2'147'483'647);
    EXPECT_EQ(ScaleDecimal("88.55", 1), 885u);
    EXPECT_EQ(ScaleDecimal("108", 1), 1080u);
    EXPECT_EQ(FormatScaled(885, 1), "88.5");
    EXPECT_EQ(FormatScaled(1080, 1), "108.0");
}

}  // namespace
}  // namespace ht57
