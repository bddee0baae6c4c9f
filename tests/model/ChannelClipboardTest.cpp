#include <gtest/gtest.h>

#include "ImageBuilders.h"
#include "model/ChannelClipboard.h"
#include "model/ChannelCsv.h"

namespace ht57 {
namespace {

using test::kVhfLimits;
using C = ChannelColumn;

constexpr std::array<C, kChannelColumnCount> kAll{C::RxFrequency, C::TxFrequency, C::RxTone,
                                                  C::TxTone,      C::BusyLock,    C::Power,
                                                  C::Bandwidth,   C::Name};

// Channel 1 in use as 146.52 "AB", every other channel empty.
Image Base() {
    Image image = test::ErasedImage();
    test::PutChannel(image, 1, 14'652'000);
    ChannelRecord record = ReadChannel(image, 1);
    EncodeChannel(record, {"146.52000", "146.52000", "Off", "Off", "Off", "High", "Wide", "AB"});
    WriteChannel(image, 1, record);
    return image;
}

ChannelTexts Fresh(const char* rx, const char* name = "") {
    return {rx, rx, "Off", "Off", "Off", "High", "Wide", name};
}

TEST(ChannelClipboard, PasteStoresWhatTypingStoresAndReportsTheRest) {
    const ChannelTexts ab = Fresh("146.52000", "AB");
    const struct {
        const char* what;
        const char* text;
        int channel;
        C column;
        int checked;
        ChannelTexts expected;
        std::size_t issues;
    } cases[] = {
        {"header, new channel", "Rx Freq\tName\n145.5\tfoo\n", 2, C::RxFrequency, 2,
         Fresh("145.50000", "FOO"), 0},
        {"missing columns keep values", "Ch\tName\r\n7\txy\r\n", 1, C::Power, 1,
         Fresh("146.52000", "XY"), 0},
        {"empty channel needs Rx", "Name\nAB", 2, C::Name, 2, {}, 1},
        {"outside the band", "Rx Freq\n200", 2, C::RxFrequency, 2, {}, 1},
        {"snapped and reported", "146.5213", 2, C::RxFrequency, 2, Fresh("146.52000"), 1},
        {"headerless from a tone column",
         "d23\t88.5\tLow",
         1,
         C::RxTone,
         1,
         {"146.52000", "146.52000", "D023N", "88.5", "Off", "Low", "Wide", "AB"},
         0},
        {"tone not in the list", "Rx Tone\n99.9", 1, C::Name, 1, ab, 1},
        {"name alphabet", "Name\n\"a.b!c\"", 1, C::Name, 1, Fresh("146.52000", "ABC"), 1},
        {"empty Tx is simplex", "Tx Freq\tRx Tone\n\tOff", 1, C::RxFrequency, 1, ab, 0},
        {"Tx outside the band", "Tx Freq\n180", 1, C::RxFrequency, 1, ab, 1},
        {"empty Rx clears", "Rx Freq\tName\n\tAB", 1, C::RxFrequency, 1, {}, 0},
        {"past the last channel", "Rx Freq\n145\n146\n147", 127, C::RxFrequency, 128,
         Fresh("146.00000"), 1},
        // A channel list's header maps by name as import does, its report with it: three
        // columns missing, then the summary.
        {"tab-separated channel list by Location",
         "Location\tName\tFrequency\tDuplex\tOffset\tTone\trToneFreq\n5\tRPT\t146.94\t-\t0.6\t"
         "Tone\t100\n",
         2,
         C::RxFrequency,
         5,
         {"146.94000", "146.34000", "Off", "100.0", "Off", "High", "Wide", "RPT"},
         4},
        {"without Location in order from the cell",
         "Name\tFrequency\tDuplex\tTone\tMode\t"
         "Power\tBusyLock\nA\t145.5\nB\t145.6\n",
         7, C::Name, 8, Fresh("145.60000", "B"), 0},
    };
    for (const auto& c : cases) {
        Image image = Base();
        PasteReport report;
        ASSERT_TRUE(PasteChannelText(c.text, c.channel, c.column, kVhfLimits, image, report))
            << c.what;
        EXPECT_EQ(DecodeChannelAt(image, c.checked, kVhfLimits), c.expected) << c.what;
        EXPECT_EQ(report.issues.size(), c.issues) << c.what;
    }
}

TEST(ChannelClipboard, PasteWhoseColumnsCannotBeMatchedStoresNothing) {
    const struct {
        const char* text;
        C column;
        const char* message;
    } cases[] = {
        {"Rx Freq\tFoo\n145.5\tx", C::Name, "column 2 (\"Foo\") is not a column of the grid"},
        {"Name\tname\nA\tB", C::Name, "names the column \"name\" twice"},
        {"Ch\tRx Freq\n3\t145.5\tx", C::Name, "Line 2 of the pasted text has values past"},
        {"A\tOff\tB", C::Name,
         "Line 1 of the pasted text has 3 values, but from Name on the "
         "grid has 2 columns"},
        {"Location\tFrequency\tDuplx\n1\t146.94\t-", C::Name, "column 3 \"Duplx\""},
    };
    for (const auto& c : cases) {
        Image image = Base();
        PasteReport report;
        const Result result = PasteChannelText(c.text, 1, c.column, kVhfLimits, image, report);
        EXPECT_FALSE(result) << c.text;
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
        EXPECT_EQ(image, Base()) << c.text;
    }
}

TEST(ChannelClipboard, CopiedRowsAndExportedCsvPasteBack) {
    Image source = Base();
    test::PutChannel(source, 3, 14'400'000);
    source[ChannelOffset(3) + record::kFlags] &= 0xFB;  // busy lock "Carrier"
    const std::vector<C> all(kAll.begin(), kAll.end());
    const std::string copied = CopyChannelText(source, kVhfLimits, {1, 2, 3}, all);
    EXPECT_TRUE(copied.starts_with("Ch\tRx Freq\tTx Freq\tRx Tone\tTx Tone\tBusy Lock\t"));

    Image image = test::ErasedImage();
    PasteReport report;
    ASSERT_TRUE(PasteChannelText(copied, 10, C::Name, kVhfLimits, image, report));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(DecodeChannelAt(image, n + 9, kVhfLimits),
                  DecodeChannelAt(source, n, kVhfLimits));
    }
    EXPECT_EQ(report.firstChannel, 10);
    EXPECT_EQ(report.lastChannel, 12);

    image = test::ErasedImage();
    ASSERT_TRUE(PasteChannelText(ExportChannelCsv(source, kVhfLimits), 50, C::RxFrequency,
                                 kVhfLimits, image, report));
    EXPECT_EQ(DecodeChannelAt(image, 1, kVhfLimits), DecodeChannelAt(source, 1, kVhfLimits));
    EXPECT_EQ(report.stored, 2);

    EXPECT_FALSE(PasteChannelText("Rx Freq\tName\n", 1, C::Name, kVhfLimits, image, report));
}

TEST(ChannelClipboard, CutCellsTakeNewChannelValues) {
    Image image = Base();
    ClearChannelCells(image, kVhfLimits, {1, 2}, {C::Name});
    EXPECT_EQ(DecodeChannelAt(image, 1, kVhfLimits), Fresh("146.52000"));
    ClearChannelCells(image, kVhfLimits, {1}, {C::Name, C::RxFrequency});
    EXPECT_EQ(ReadChannel(image, 1), DefaultChannelRecord(std::nullopt));
}

}  // namespace
}  // namespace ht57
