#include <gtest/gtest.h>

#include <map>

#include "ImageBuilders.h"
#include "model/Bcd.h"
#include "model/ChannelListing.h"
#include "model/ChannelRecords.h"
#include "model/PrintLayout.h"
#include "model/UserText.h"

namespace ht57 {

void PrintTo(const PrintPage& page, std::ostream* os) {
    *os << '[' << page.firstLine << ", " << page.endLine << ')';
}

namespace {

using test::kVhfLimits;

// Label "%15s" and value "%-15s".
std::string Pair(const char* label, const char* value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%15s%-15s", label, value);
    return buffer;
}

TEST(ChannelListing, TitleOnlyWithoutChannels) {
    const auto lines = BuildChannelListing(test::ErasedImage(), kVhfLimits);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "\t-- Channel Info --");
    EXPECT_TRUE(IsTitleLine(lines[0]));
}

TEST(ChannelListing, FourLinesPerChannelInUse) {
    Image image = test::ErasedImage();
    for (int n = 1; n <= 128; ++n) {
        test::PutChannel(image, n, 14'000'000);
    }
    auto lines = BuildChannelListing(image, kVhfLimits);
    EXPECT_EQ(lines.size(), 513u);
    EXPECT_EQ(lines[509].substr(0, 30), Pair("CH Num: ", "128"));
    EXPECT_EQ(lines[512], "");

    // Channels outside the limits are left out.
    test::PutChannel(image, 2, 13'599'999);
    test::PutChannel(image, 3, 17'400'001);
    lines = BuildChannelListing(image, kVhfLimits);
    EXPECT_EQ(lines.size(), 505u);
    EXPECT_EQ(lines[5].substr(0, 30), Pair("CH Num: ", "4"));
}

TEST(ChannelListing, LinesOfOneChannel) {
    Image image = test::ErasedImage();
    test::PutChannel(image, 3, 14'652'000);
    const auto lines = BuildChannelListing(image, kVhfLimits);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1],
              "       CH Num: 3                    Rx Freq: 146.52000            "
              "Tx Freq: 146.52000      ");
    EXPECT_EQ(lines[2],
              Pair("Busy Lock: ", "Off") + Pair("Rx Tone: ", "Off") + Pair("Tx Tone: ", "Off"));
    EXPECT_EQ(lines[3], Pair("Power: ", "High") + Pair("Bandwidth: ", "Wide"));
    EXPECT_EQ(lines[4], "");
    EXPECT_FALSE(IsTitleLine(lines[1]));
}

TEST(ChannelListing, FieldValues) {
    const struct {
        const char* what;
        std::uint32_t rx;
        std::uint32_t offset;
        Byte rxTone;
        Byte txTone;
        Byte flags;
        std::string line1;
        std::string line2;
        std::string line3;
    } cases[] = {
        {"plus shift", 14'500'000, 60'000, 0, 0, 0x4F,
         Pair("Rx Freq: ", "145.00000") + Pair("Tx Freq: ", "145.60000"),
         Pair("Busy Lock: ", "Off") + Pair("Rx Tone: ", "Off") + Pair("Tx Tone: ", "Off"),
         Pair("Power: ", "High") + Pair("Bandwidth: ", "Wide")},
        {"minus shift, snapped", 14'500'130, 60'000, 51, 9, 0x93,
         Pair("Rx Freq: ", "145.00000") + Pair("Tx Freq: ", "144.40000"),
         Pair("Busy Lock: ", "Off") + Pair("Rx Tone: ", "D023I") + Pair("Tx Tone: ", "88.5"),
         Pair("Power: ", "High") + Pair("Bandwidth: ", "Wide")},
        {"busy lock codes", 14'500'000, 0, 156, 52, 0x04,
         Pair("Rx Freq: ", "145.00000") + Pair("Tx Freq: ", "145.00000"),
         Pair("Busy Lock: ", "QT/DQT") + Pair("Rx Tone: ", "D754N") + Pair("Tx Tone: ", "D025N"),
         Pair("Power: ", "Low") + Pair("Bandwidth: ", "Narrow")},
        {"carrier", 14'500'000, 0, 1, 50, 0x0A,
         Pair("Rx Freq: ", "145.00000") + Pair("Tx Freq: ", "145.00000"),
         Pair("Busy Lock: ", "Carrier") + Pair("Rx Tone: ", "67.0") + Pair("Tx Tone: ", "254.1"),
         Pair("Power: ", "Low") + Pair("Bandwidth: ", "Wide")},
        // A code byte of 0 with its bank bit set is the code the grid shows.
        {"bank without code", 14'500'000, 0, 0, 0, 0x3F,
         Pair("Rx Freq: ", "145.00000") + Pair("Tx Freq: ", "145.00000"),
         Pair("Busy Lock: ", "Off") + Pair("Rx Tone: ", "D325N") + Pair("Tx Tone: ", "D325N"),
         Pair("Power: ", "High") + Pair("Bandwidth: ", "Wide")},
        // Codes beyond the tone list decode as "Off", as in the grid.
        {"tone beyond the list", 14'500'000, 0, 200, 200, 0x3F,
         Pair("Rx Freq: ", "145.00000") + Pair("Tx Freq: ", "145.00000"),
         Pair("Busy Lock: ", "Off") + Pair("Rx Tone: ", "Off") + Pair("Tx Tone: ", "Off"),
         Pair("Power: ", "High") + Pair("Bandwidth: ", "Wide")},
    };
    for (const auto& c : cases) {
        Image image = test::ErasedImage();
        const std::size_t at = 0x010 * 7;
        WriteBcd32(&image[at], c.rx);
        WriteBcd32(&image[at + 4], c.offset);
        image[at + 8] = c.rxTone;
        image[at + 9] = c.txTone;
        image[at + 10] = c.flags;
        const auto lines = BuildChannelListing(image, kVhfLimits);
        ASSERT_EQ(lines.size(), 5u) << c.what;
        EXPECT_EQ(lines[1], Pair("CH Num: ", "7") + c.line1) << c.what;
        EXPECT_EQ(lines[2], c.line2) << c.what;
        EXPECT_EQ(lines[3], c.line3) << c.what;
    }
}

TEST(ChannelListing, WordsFollowTheInstalledLanguageAndKeepTheColumns) {
    const std::map<std::string, std::string> words{{"-- Channel Info --", "-- 信道信息 --"},
                                                   {"CH Num", "信道"},
                                                   {"Rx Tone", "接收亚音"},
                                                   {"Off", "关"},
                                                   {"High", "高"},
                                                   {"Wide", "宽带"}};
    SetTextTranslator([&words](const char* source) {
        const auto found = words.find(source);
        return found == words.end() ? std::string(source) : found->second;
    });
    Image image = test::ErasedImage();
    test::PutChannel(image, 3, 14'652'000);
    const auto lines = BuildChannelListing(image, kVhfLimits);
    SetTextTranslator({});

    // An ideograph fills two of a column's 15 cells.
    const auto cells = [](int blanks, const char* text) { return std::string(blanks, ' ') + text; };
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "\t-- 信道信息 --");
    EXPECT_EQ(lines[1].substr(0, 32), cells(9, "信道: 3") + std::string(14, ' '));
    EXPECT_EQ(lines[2], cells(4, "Busy Lock: 关") + cells(13, "") + cells(5, "接收亚音: 关") +
                            cells(13, "") + cells(6, "Tx Tone: 关") + cells(13, ""));
    EXPECT_EQ(lines[3],
              cells(8, "Power: 高") + cells(13, "") + cells(4, "Bandwidth: 宽带") + cells(11, ""));
}

TEST(PaginateLines, FillsPagesBetweenTheMargins) {
    const struct {
        int lineCount;
        int lineHeight;
        int pageHeight;
        std::vector<PrintPage> pages;
    } cases[] = {
        {0, 20, 1000, {{0, 0}}},
        {1, 20, 1000, {{0, 1}}},
        {45, 20, 1000, {{0, 45}}},  // the 45th line ends at 950 exactly
        {46, 20, 1000, {{0, 45}, {45, 46}}},
        {5, 50, 200, {{0, 2}, {2, 4}, {4, 5}}},
        {3, 2000, 1000, {{0, 1}, {1, 2}, {2, 3}}},  // taller than the page
        {2, 20, 0, {{0, 1}, {1, 2}}},
        {4, 0, 1000, {{0, 4}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaginateLines(c.lineCount, c.lineHeight, c.pageHeight), c.pages)
            << c.lineCount << " lines of " << c.lineHeight << " on " << c.pageHeight;
    }
}

TEST(PaginateLines, FullListingCoversEveryLineOnce) {
    const auto pages = PaginateLines(513, 37, 6600);
    // (6600 - 50 - 50) / 37 = 175 lines a page.
    ASSERT_EQ(pages.size(), 3u);
    int expectedFirst = 0;
    for (const PrintPage& page : pages) {
        EXPECT_EQ(page.firstLine, expectedFirst);
        EXPECT_GT(page.endLine, page.firstLine);
        const int last = page.endLine - page.firstLine - 1;
        EXPECT_LE(LineTop(last, 37) + 37, 6600 - kPageMargin);
        expectedFirst = page.endLine;
    }
    EXPECT_EQ(pages[0].endLine, 175);
    EXPECT_EQ(expectedFirst, 513);
}

}  // namespace
}  // namespace ht57

namespace ht57 {
namespace {

TEST(ChannelRecords, OneRecordPerChannelInUseInCsvAndJson) {
    Image image = test::ErasedImage();
    test::PutChannel(image, 9, 14652000);
    test::PutChannel(image, 3, 44000000);  // UHF in a VHF list: not in use
    EXPECT_EQ(ChannelRecordsCsv(image, test::kVhfLimits),
              "channel,rx_frequency,tx_frequency,rx_tone,tx_tone,busy_lock,power,bandwidth,name\r\n"
              "9,146.52000,146.52000,Off,Off,Off,High,Wide,\r\n");
    EXPECT_EQ(ChannelRecordsJson(image, test::kVhfLimits),
              "[\n  {\"channel\": 9, \"rx_frequency\": \"146.52000\", \"tx_frequency\": "
              "\"146.52000\", \"rx_tone\": \"Off\", \"tx_tone\": \"Off\", \"busy_lock\": \"Off\", "
              "\"power\": \"High\", \"bandwidth\": \"Wide\", \"name\": \"\"}\n]\n");
    EXPECT_EQ(ChannelRecordsJson(test::ErasedImage(), test::kVhfLimits), "[\n]\n");
}

}  // namespace
}  // namespace ht57
