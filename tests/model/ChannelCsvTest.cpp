#include <gtest/gtest.h>

#include <random>

#include "ImageBuilders.h"
#include "TempFolder.h"
#include "model/ChannelCsv.h"
#include "model/ChannelTable.h"
#include "model/CsvText.h"
#include "model/Tones.h"

namespace ht57 {
namespace {

using test::kUhfLimits;
using test::kVhfLimits;

// One row of the current layout; every column has a value other programs
// commonly write, so a case names only what it is about.
struct Row {
    std::string location = "1";
    std::string name = "";
    std::string frequency = "146.520000";
    std::string duplex = "";
    std::string offset = "0.000000";
    std::string tone = "";
    std::string rTone = "88.5";
    std::string cTone = "88.5";
    std::string dtcs = "023";
    std::string polarity = "NN";
    std::string rxDtcs = "023";
    std::string cross = "Tone->Tone";
    std::string mode = "FM";
    std::string power = "5.0W";
    std::string skip = "";
    std::string comment = "";
    std::string busyLock = "";
};

std::string Line(const Row& r) {
    return CsvLine({r.location, r.name,  r.frequency, r.duplex,   r.offset,  r.tone,
                    r.rTone,    r.cTone, r.dtcs,      r.polarity, r.rxDtcs,  r.cross,
                    r.mode,     "5.00",  r.skip,      r.power,    r.comment, "",
                    "",         "",      "",          r.busyLock});
}

std::string File(const std::vector<Row>& rows) {
    std::string csv = std::string(kChannelCsvHeader) + "\r\n";
    for (const Row& row : rows) {
        csv += Line(row);
    }
    return csv;
}

struct Imported {
    Image image;
    ChannelImportReport report;
};

Imported Import(const std::string& csv, Image image = test::ErasedImage(),
                const FrequencyLimits& limits = kVhfLimits,
                ImportScope scope = ImportScope::NamedChannels) {
    Imported result{image, {}};
    const Result ok = ImportChannelCsv(csv, scope, limits, result.image, result.report);
    EXPECT_TRUE(ok) << ok.message;
    return result;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\n";
    }
    return text;
}

ChannelTexts Texts(const char* rx, const char* tx, const char* rxTone, const char* txTone,
                   const char* power = "High", const char* bandwidth = "Wide",
                   const char* name = "") {
    return {rx, tx, rxTone, txTone, "Off", power, bandwidth, name};
}

TEST(ImportChannelCsv, EachRowLandsAsTheGridStoresIt) {
    const struct {
        const char* what;
        Row row;
        ChannelTexts expected;
        const char* note;  // part of the report line, "" when the row needs none
    } cases[] = {
        {"simplex", {}, Texts("146.52000", "146.52000", "Off", "Off"), ""},
        {"plus",
         {.duplex = "+", .offset = "0.600000"},
         Texts("146.52000", "147.12000", "Off", "Off"),
         ""},
        {"minus",
         {.frequency = "146.96", .duplex = "-", .offset = "0.6"},
         Texts("146.96000", "146.36000", "Off", "Off"),
         ""},
        {"split",
         {.duplex = "split", .offset = "147.5"},
         Texts("146.52000", "147.50000", "Off", "Off"),
         ""},
        {"offset ignored when simplex",
         {.offset = "0.6"},
         Texts("146.52000", "146.52000", "Off", "Off"),
         ""},
        {"off-raster receive snapped",
         {.frequency = "146.5213"},
         Texts("146.52000", "146.52000", "Off", "Off"),
         "off the channel raster: stored as 146.52000"},
        {"finer than 10 Hz",
         {.frequency = "146.520004"},
         Texts("146.52000", "146.52000", "Off", "Off"),
         "off the channel raster"},
        {"6.25 kHz point kept",
         {.frequency = "146.51875"},
         Texts("146.51875", "146.51875", "Off", "Off"),
         ""},
        {"transmit the raster cannot reach",
         {.duplex = "split", .offset = "147.0013"},
         Texts("146.52000", "147.00125", "Off", "Off"),
         "transmit frequency 147.00130 MHz cannot be stored exactly with receive frequency "
         "146.52000 MHz: stored as 147.00125 MHz"},
        {"raster points a step apart they are not",
         {.frequency = "146.00625", .duplex = "split", .offset = "146.005"},
         Texts("146.00625", "146.00625", "Off", "Off"),
         "146.00500 MHz cannot be stored exactly with receive frequency 146.00625 MHz: stored "
         "as 146.00625 MHz"},
        {"off the raster but a raster step from receive",
         {.frequency = "146.00625", .duplex = "+", .offset = "0.5"},
         Texts("146.00625", "146.50625", "Off", "Off"),
         ""},
        {"Tone",
         {.tone = "Tone", .rTone = "100", .cTone = "123.0"},
         Texts("146.52000", "146.52000", "Off", "100.0"),
         ""},
        {"TSQL",
         {.tone = "TSQL", .rTone = "100.0", .cTone = "141.3"},
         Texts("146.52000", "146.52000", "141.3", "141.3"),
         ""},
        {"DTCS NN",
         {.tone = "DTCS", .dtcs = "23"},
         Texts("146.52000", "146.52000", "D023N", "D023N"),
         ""},
        {"DTCS NR",
         {.tone = "DTCS", .dtcs = "754", .polarity = "NR"},
         Texts("146.52000", "146.52000", "D754I", "D754N"),
         ""},
        {"DTCS RN",
         {.tone = "DTCS", .dtcs = "172", .polarity = "RN"},
         Texts("146.52000", "146.52000", "D172N", "D172I"),
         ""},
        {"DTCS RR",
         {.tone = "dtcs", .dtcs = "172", .polarity = "rr"},
         Texts("146.52000", "146.52000", "D172I", "D172I"),
         ""},
        {"Cross Tone->Tone",
         {.tone = "Cross", .rTone = "100", .cTone = "67", .cross = "Tone->Tone"},
         Texts("146.52000", "146.52000", "67.0", "100.0"),
         ""},
        {"Cross Tone->DTCS",
         {.tone = "Cross",
          .rTone = "100",
          .polarity = "NR",
          .rxDtcs = "025",
          .cross = "Tone->DTCS"},
         Texts("146.52000", "146.52000", "D025I", "100.0"),
         ""},
        {"Cross DTCS->Tone",
         {.tone = "Cross", .cTone = "67", .dtcs = "031", .polarity = "RN", .cross = "DTCS->Tone"},
         Texts("146.52000", "146.52000", "67.0", "D031I"),
         ""},
        {"Cross DTCS->DTCS",
         {.tone = "Cross", .dtcs = "031", .rxDtcs = "754", .cross = "DTCS->DTCS"},
         Texts("146.52000", "146.52000", "D754N", "D031N"),
         ""},
        {"Cross Tone->",
         {.tone = "Cross", .rTone = "100", .cross = "Tone->"},
         Texts("146.52000", "146.52000", "Off", "100.0"),
         ""},
        {"Cross ->Tone",
         {.tone = "Cross", .cTone = "100", .cross = "->Tone"},
         Texts("146.52000", "146.52000", "100.0", "Off"),
         ""},
        {"Cross DTCS->",
         {.tone = "Cross", .dtcs = "031", .cross = "DTCS->"},
         Texts("146.52000", "146.52000", "Off", "D031N"),
         ""},
        {"Cross ->DTCS",
         {.tone = "Cross", .polarity = "NR", .rxDtcs = "031", .cross = "->DTCS"},
         Texts("146.52000", "146.52000", "D031I", "Off"),
         ""},
        {"NFM",
         {.mode = "NFM"},
         Texts("146.52000", "146.52000", "Off", "Off", "High", "Narrow"),
         ""},
        {"empty mode", {.mode = ""}, Texts("146.52000", "146.52000", "Off", "Off"), ""},
        {"watts below the threshold",
         {.power = "1.9W"},
         Texts("146.52000", "146.52000", "Off", "Off", "Low"),
         "power \"1.9W\" stored as Low"},
        {"watts at the threshold",
         {.power = "2"},
         Texts("146.52000", "146.52000", "Off", "Off"),
         "power \"2\" stored as High"},
        {"our own low figure",
         {.power = "1.0W"},
         Texts("146.52000", "146.52000", "Off", "Off", "Low"),
         ""},
        {"skip dropped",
         {.skip = "S"},
         Texts("146.52000", "146.52000", "Off", "Off"),
         "Skip \"S\" dropped"},
        {"comment dropped, NUL shown",
         {.comment = std::string("a\0b", 3)},
         Texts("146.52000", "146.52000", "Off", "Off"),
         "Comment \"a\\x00b\" dropped"},
        {"busy lock given",
         {.busyLock = "qt/dqt"},
         {"146.52000", "146.52000", "Off", "Off", "QT/DQT", "High", "Wide", ""},
         ""},
        {"busy lock unknown",
         {.busyLock = "x"},
         Texts("146.52000", "146.52000", "Off", "Off"),
         "BusyLock \"x\" is not known: stored as Off"},
        {"low label", {.power = "Low"}, Texts("146.52000", "146.52000", "Off", "Off", "Low"), ""},
        {"middle level",
         {.power = "Mid"},
         Texts("146.52000", "146.52000", "Off", "Off", "Low"),
         "power \"Mid\" stored as Low"},
        {"lower case name",
         {.name = "abc"},
         Texts("146.52000", "146.52000", "Off", "Off", "High", "Wide", "ABC"),
         ""},
        {"long name cut",
         {.name = "V01PSR"},
         Texts("146.52000", "146.52000", "Off", "Off", "High", "Wide", "V01PS"),
         "name \"V01PSR\" stored as \"V01PS\""},
        {"symbols dropped",
         {.name = "a#b!c+\xC3\x84"},
         Texts("146.52000", "146.52000", "Off", "Off", "High", "Wide", "ABC+"),
         "stored as \"ABC+\""},
        {"blanks kept",
         {.name = "FH WX"},
         Texts("146.52000", "146.52000", "Off", "Off", "High", "Wide", "FH WX"),
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Row row = c.row;
        row.location = "9";
        const Imported result = Import(File({row}));
        EXPECT_EQ(DecodeChannelAt(result.image, 9, kVhfLimits), c.expected);
        EXPECT_EQ(result.report.imported, 1);
        EXPECT_EQ(result.report.skipped, 0);
        const std::string report = Joined(ImportReportLines(result.report));
        if (*c.note == '\0') {
            EXPECT_TRUE(result.report.issues.empty()) << report;
        } else {
            ASSERT_EQ(result.report.issues.size(), 1u);
            EXPECT_EQ(result.report.issues[0].line, 2);
            EXPECT_FALSE(result.report.issues[0].skipped);
            EXPECT_NE(report.find("line 2, channel 9: imported: "), std::string::npos) << report;
            EXPECT_NE(report.find(c.note), std::string::npos) << report;
        }
    }
}

TEST(ImportChannelCsv, RowsTheRadioCannotHoldAreSkippedAndSaidWhy) {
    const struct {
        const char* what;
        Row row;
        const char* reason;
    } cases[] = {
        {"above the band", {.frequency = "222.0"}, "222.0 MHz is outside 136-174 MHz"},
        {"below the band", {.frequency = "135.995"}, "outside 136-174 MHz"},
        {"no frequency", {.frequency = ""}, "no Frequency"},
        {"not a number", {.frequency = "146.52abc"}, "Frequency \"146.52abc\" is not a number"},
        {"transmit disabled", {.duplex = "off"}, "Duplex \"off\" (transmit disabled)"},
        {"unknown duplex", {.duplex = "x"}, "Duplex \"x\" is not known"},
        {"split without frequency", {.duplex = "split", .offset = ""}, "Offset \"\""},
        {"negative transmit", {.duplex = "-", .offset = "200"}, "below 0 MHz"},
        {"transmit too far", {.duplex = "split", .offset = "1200"}, "too far"},
        {"transmit out of band",
         {.duplex = "split", .offset = "446.0"},
         "transmit frequency 446.00000 MHz is outside 136-174 MHz"},
        {"unknown CTCSS", {.tone = "Tone", .rTone = "69.4"}, "tone \"69.4\" is not in the"},
        {"CTCSS with hundredths", {.tone = "TSQL", .cTone = "88.55"}, "tone \"88.55\""},
        {"unknown DCS", {.tone = "DTCS", .dtcs = "017"}, "DCS code \"017\""},
        {"DCS too long", {.tone = "DTCS", .dtcs = "0231"}, "DCS code \"0231\""},
        {"bad polarity", {.tone = "DTCS", .polarity = "NX"}, "DtcsPolarity \"NX\""},
        {"reverse tone squelch", {.tone = "TSQL-R"}, "\"TSQL-R\" (reverse squelch)"},
        {"reverse DCS squelch", {.tone = "DTCS-R"}, "\"DTCS-R\" (reverse squelch)"},
        {"unknown tone mode", {.tone = "Magic"}, "tone mode \"Magic\" is not known"},
        {"unknown cross mode",
         {.tone = "Cross", .cross = "Tone->Magic"},
         "CrossMode \"Tone->Magic\""},
        {"AM", {.mode = "AM"}, "Mode \"AM\" cannot be stored"},
        {"digital voice", {.mode = "DV"}, "Mode \"DV\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Image image = test::ErasedImage();
        test::PutChannel(image, 4, 14500000);
        const Image before = image;
        Row row = c.row;
        row.location = "4";
        // With no row stored the import is refused, the report saying why.
        ChannelImportReport result;
        EXPECT_FALSE(ImportChannelCsv(File({row}), ImportOptions{}, kVhfLimits, image, result));
        EXPECT_EQ(image, before);
        EXPECT_EQ(result.skipped, 1);
        ASSERT_EQ(result.issues.size(), 1u);
        EXPECT_TRUE(result.issues[0].skipped);
        const std::string report = Joined(ImportReportLines(result));
        EXPECT_NE(report.find("line 2, channel 4: skipped: "), std::string::npos) << report;
        EXPECT_NE(report.find(c.reason), std::string::npos) << report;
    }
}

TEST(ImportChannelCsv, LocationsMustNameEachChannelOnce) {
    const std::string csv = File({{.location = "3", .frequency = "146.52"},
                                  {.location = "129"},
                                  {.location = "abc"},
                                  {.location = ""},
                                  {.location = "3", .frequency = "147.0"},
                                  {.location = "128", .frequency = "145.0"}});
    const Imported result = Import(csv);
    EXPECT_EQ(result.report.rows, 6);
    EXPECT_EQ(result.report.imported, 2);
    EXPECT_EQ(result.report.skipped, 4);
    EXPECT_EQ(DecodeChannelAt(result.image, 3, kVhfLimits).rxFrequency, "146.52000");
    EXPECT_EQ(DecodeChannelAt(result.image, 128, kVhfLimits).rxFrequency, "145.00000");
    const std::vector<std::string> expected{
        "line 3: skipped: Location 129 is outside 1-128",
        "line 4: skipped: Location \"abc\" is not a channel number",
        "line 5: skipped: no Location",
        "line 6, channel 3: skipped: Location 3 already came on line 2",
        "2 of 6 rows stored, 4 skipped",
    };
    EXPECT_EQ(ImportReportLines(result.report), expected);
}

TEST(ImportChannelCsv, ColumnsAreFoundByNameInEveryHeaderForm) {
    const struct {
        const char* what;
        std::string csv;
        ChannelTexts expected;
    } cases[] = {
        {"17 columns, unpadded",
         "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
         "Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\n"
         "2,CADY11,146.7,-,0.6,TSQL,131.8,131.8,23,NN,FM,5,,\"Cady Mt, N7JN\",N7JN,,\n",
         Texts("146.70000", "146.10000", "131.8", "131.8", "High", "Wide", "CADY1")},
        {"17 columns, cross DTCS takes the receive code from DtcsCode",
         "Location,Frequency,Tone,DtcsCode,DtcsPolarity,CrossMode\n"
         "2,146.7,Cross,025,NR,DTCS->DTCS\n",
         Texts("146.70000", "146.70000", "D025I", "D025N")},
        {"minimal", "Location,Frequency\n2,145.5\n", Texts("145.50000", "145.50000", "Off", "Off")},
        {"reordered, odd case, BOM, comments, blank rows",
         "\xEF\xBB\xBF# exported by hand\n"
         " frequency ,LOCATION,name\n\n,,,\n"
         "# a note\n145.5,2,\"a,b\"\n",
         Texts("145.50000", "145.50000", "Off", "Off", "High", "Wide", "AB")},
        {"LF and short rows", "Location,Frequency,Name,Mode\n2,145.5\n",
         Texts("145.50000", "145.50000", "Off", "Off")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Imported result = Import(c.csv);
        EXPECT_EQ(result.report.rows, 1);
        EXPECT_EQ(result.report.skipped, 0) << Joined(ImportReportLines(result.report));
        EXPECT_EQ(DecodeChannelAt(result.image, 2, kVhfLimits), c.expected);
    }
}

TEST(ImportChannelCsv, TextThatIsNoChannelListChangesNothing) {
    const struct {
        const char* what;
        std::string csv;
    } cases[] = {
        {"empty", ""},
        {"only comments", "# nothing\n\n"},
        {"no Location column", "Channel,Frequency\n1,146.52\n"},
        {"no header", "1,146.52\n"},
        {"UTF-16", std::string("\xFF\xFEL\0o\0", 6)},
        {"header only", "Location,Frequency\n"},
        {"quote never closed", "Location,Frequency,Name\n1,146.52,\"A\n2,146.54,B\n"},
        {"Frequency twice", "Location,Frequency,Frequency\n1,146.52,147.0\n"},
        {"Location twice", "Location,Frequency,location\n1,146.52,2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Image image = test::ErasedImage();
        test::PutChannel(image, 1, 14500000);
        const Image before = image;
        ChannelImportReport report;
        const Result result =
            ImportChannelCsv(c.csv, ImportScope::ReplaceAll, kVhfLimits, image, report);
        EXPECT_FALSE(result);
        EXPECT_FALSE(result.message.empty());
        EXPECT_EQ(image, before);
    }
}

TEST(ImportChannelCsv, BusyLockTurnsOffAndUnnamedChannelsStayUnlessEverythingIsReplaced) {
    Image image = test::ErasedImage();
    test::PutChannel(image, 1, 14500000);
    test::PutChannel(image, 2, 14510000);
    test::PutChannel(image, 3, 14520000);
    // Channel 2 has busy lock "Carrier" (code 2) and a name.
    ChannelTexts two = DecodeChannelAt(image, 2, kVhfLimits);
    two.busyLock = "Carrier";
    two.name = "KEEP";
    EncodeChannelAt(two, image, 2);
    const std::string csv = File({{.location = "2", .frequency = "146.0"},
                                  {.location = "5", .frequency = "147.0"},
                                  {.location = "3", .frequency = "222.0"}});

    const Imported named = Import(csv, image);
    EXPECT_EQ(ReadChannel(named.image, 1), ReadChannel(image, 1));
    EXPECT_EQ(ReadChannel(named.image, 3), ReadChannel(image, 3));  // its row was skipped
    const ChannelTexts newTwo = DecodeChannelAt(named.image, 2, kVhfLimits);
    EXPECT_EQ(newTwo.rxFrequency, "146.00000");
    EXPECT_EQ(newTwo.busyLock, "Off");
    EXPECT_EQ(ImportReportLines(named.report)[0],
              "line 2, channel 2: imported: busy lock Carrier replaced by Off");
    EXPECT_EQ(newTwo.name, "");
    EXPECT_EQ(ReadChannel(named.image, 5)[record::kFlags], record::kDefaultFlags);
    EXPECT_EQ(named.report.cleared, 0);

    const Imported replaced = Import(csv, image, kVhfLimits, ImportScope::ReplaceAll);
    EXPECT_EQ(ReadChannel(replaced.image, 2), ReadChannel(named.image, 2));
    EXPECT_EQ(ReadChannel(replaced.image, 5), ReadChannel(named.image, 5));
    EXPECT_EQ(ReadChannel(replaced.image, 3), ReadChannel(image, 3));  // named by a skipped row
    for (int n : {1, 4, 128}) {
        EXPECT_FALSE(IsChannelInUse(ReadChannel(replaced.image, n), kVhfLimits)) << n;
    }
    EXPECT_EQ(replaced.report.cleared, 1);
    const std::vector<std::string> lines = ImportReportLines(replaced.report);
    EXPECT_EQ(std::vector(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"channels of skipped rows, kept as they were: 3",
                                        "2 of 3 rows stored, 1 skipped, 1 channel of a skipped "
                                        "row kept as it was, 1 other channel cleared"}));

    // A busy lock the file gives is no news, Off included.
    Row off{.location = "2", .frequency = "146.0", .busyLock = "Off"};
    EXPECT_TRUE(Import(File({off}), image).report.issues.empty());
}

TEST(ImportChannelCsv, EveryColumnIsReadOrAccountedFor) {
    const struct {
        const char* what;
        const char* csv;
        bool ignoreUnknown;
        const char* reportPart;  // the refusal's message when the import fails
        ChannelTexts expected;
    } cases[] = {
        {"blanked header refused",
         "Location,Frequency,,Offset\n1,146.94,-,0.6\n",
         false,
         "columns a channel list does not have: column 3 (no name).",
         {}},
        {"misspelt header refused",
         "Location,Frequency,Duplx,Offset\n1,146.94,-,0.6\n",
         false,
         "column 3 \"Duplx\"",
         {}},
        {"passed over when asked", "Location,Frequency,Duplx,Offset\n1,146.94,-,0.6\n", true,
         "column 3 \"Duplx\" is no column of a channel list: its values were ignored\n",
         Texts("146.94000", "146.94000", "Off", "Off")},
        {"no name and no value carries nothing",
         "Location,Frequency,Mode,,Power,Name,Duplex,"
         "Tone,BusyLock\n1,146.52,NFM,,Low,A,,,\n",
         false, "1 of 1 row stored, 0 skipped\n",
         Texts("146.52000", "146.52000", "Off", "Off", "Low", "Narrow", "A")},
        {"missing columns named with their value", "Location,Frequency\n1,146.52\n", false,
         "no Name column: every channel stored without a name\nno Duplex column: every channel "
         "simplex\nno Tone column: every channel without tones (Off)\nno Mode column: every "
         "channel Wide (FM)\nno Power column: every channel High\nno BusyLock column: every "
         "channel's busy lock Off\n",
         Texts("146.52000", "146.52000", "Off", "Off")},
        {"a default taken only when needed",
         "Location,Frequency,Duplex,Tone,DtcsCode\n"
         "1,146.94,-,DTCS,023\n",
         false,
         "no Offset column: + and - channels transmit on their "
         "receive frequency\nno DtcsPolarity column: DCS codes read as normal (NN)\nno Mode",
         Texts("146.94000", "146.94000", "D023N", "D023N")},
        {"a value past the header's columns skips its row",
         "Location,Frequency\n1,146.52\n2,146.54,x\n", false,
         "line 3, channel 2: skipped: the row has 3 fields, more than the 2 columns the header "
         "names",
         Texts("146.52000", "146.52000", "Off", "Off")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Image image = test::ErasedImage();
        ChannelImportReport report;
        const Result result =
            ImportChannelCsv(c.csv, ImportOptions{.ignoreUnknownColumns = c.ignoreUnknown},
                             kVhfLimits, image, report);
        const std::string text = result ? Joined(ImportReportLines(report)) : result.message;
        EXPECT_NE(text.find(c.reportPart), std::string::npos) << text;
        EXPECT_EQ(result.ok, !c.expected.rxFrequency.empty()) << text;
        EXPECT_EQ(DecodeChannelAt(image, 1, kVhfLimits), c.expected);
    }
}

TEST(ImportChannelCsv, ReplaceAllWithNothingToStoreClearsNothing) {
    Image image = test::ErasedImage();
    test::PutChannel(image, 1, 14500000);
    const Image before = image;
    ChannelImportReport report;
    const Result result = ImportChannelCsv(File({{.location = "1", .frequency = "440.0"}}),
                                           ImportScope::ReplaceAll, kVhfLimits, image, report);
    EXPECT_FALSE(result);
    EXPECT_EQ(image, before);
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(report.cleared, 0);
}

TEST(ImportChannelCsv, TenThousandRowsKeepTheFirstRowOfEachChannel) {
    std::vector<Row> rows;
    for (int i = 0; i < 10'000; ++i) {
        const int location = i % 200 + 1;
        rows.push_back({.location = std::to_string(location),
                        .name = "R" + std::to_string(i),
                        .frequency = std::to_string(140 + i % 30) + ".125"});
    }
    const Imported result = Import(File(rows));
    EXPECT_EQ(result.report.rows, 10'000);
    EXPECT_EQ(result.report.imported, 128);
    EXPECT_EQ(result.report.skipped, 10'000 - 128);
    EXPECT_EQ(DecodeChannelAt(result.image, 1, kVhfLimits).name, "R0");
    EXPECT_EQ(DecodeChannelAt(result.image, 128, kVhfLimits).name, "R127");
    EXPECT_EQ(DecodeChannelAt(result.image, 128, kVhfLimits).rxFrequency, "147.12500");
    EXPECT_EQ(result.report.issues.size(), 10'000u - 128u);
}

// A random image as the channel grid leaves it after one load and store.
// Every channel decoded as the grid shows it and stored back.
void ReencodeChannels(Image& image, const FrequencyLimits& limits) {
    for (int n = 1; n <= region::kChannelCount; ++n) {
        EncodeChannelAt(DecodeChannelAt(image, n, limits), image, n);
    }
}

Image CanonicalRandomImage(std::mt19937& rng, const FrequencyLimits& limits) {
    Image image = test::RandomImage(rng);
    std::uniform_int_distribution<std::uint32_t> frequency(limits.lower, limits.upper);
    std::uniform_int_distribution<int> coin(0, 3);
    for (int n = 1; n <= region::kChannelCount; ++n) {
        if (coin(rng) != 0) {
            ChannelRecord record = ReadChannel(image, n);
            WriteBcd32(&record[record::kRxFrequency], frequency(rng));
            // Mostly small offsets, as repeaters have; sometimes anything.
            if (coin(rng) != 0) {
                WriteBcd32(&record[record::kOffset], frequency(rng) % 1'000'000);
            }
            WriteChannel(image, n, record);
        }
    }
    // One pass can move a transmit frequency whose offset is off the raster;
    // the second finds it settled.
    for (int pass = 0; pass < 2; ++pass) {
        ReencodeChannels(image, limits);
    }
    // A channel transmitting outside the band is no channel a file can carry.
    for (int n = 1; n <= region::kChannelCount; ++n) {
        const std::uint32_t tx = RecordTxFrequency(ReadChannel(image, n));
        if (tx < limits.lower || tx > limits.upper) {
            WriteChannelDefaults(image, n, std::nullopt);
        }
    }
    return image;
}

TEST(ChannelCsvRoundTrip, ExportThenImportGivesBackTheSameChannels) {
    std::mt19937 rng(20240501);
    for (int round = 0; round < 60; ++round) {
        const FrequencyLimits limits = round % 2 ? kUhfLimits : kVhfLimits;
        const Image image = CanonicalRandomImage(rng, limits);
        Image again = image;
        ReencodeChannels(again, limits);
        ASSERT_EQ(again, image) << "not canonical, round " << round;

        const std::string csv = ExportChannelCsv(image, limits);
        const Imported onSame = Import(csv, image, limits, ImportScope::ReplaceAll);
        EXPECT_EQ(onSame.image, image) << "round " << round << "\n" << csv;
        EXPECT_EQ(ImportReportLines(onSame.report).size(), 1u)
            << Joined(ImportReportLines(onSame.report));

        // Onto an empty image every field comes back.
        const Imported onEmpty = Import(csv, test::ErasedImage(), limits);
        for (int n = 1; n <= region::kChannelCount; ++n) {
            EXPECT_EQ(DecodeChannelAt(onEmpty.image, n, limits), DecodeChannelAt(image, n, limits))
                << "round " << round << " channel " << n;
        }
        EXPECT_EQ(ExportChannelCsv(onEmpty.image, limits), csv);
    }
}

TEST(ExportChannelCsv, WritesTheCurrentHeaderAndEachChannelInUse) {
    Image image = test::ErasedImage();
    test::PutChannel(image, 7, 14500000);
    EncodeChannelAt({"145.00000", "145.60000", "D023I", "100.0", "Carrier", "Low", "Narrow", "A,B"},
                    image, 7);
    EncodeChannelAt({"446.00625", "446.00625", "Off", "Off", "Off", "High", "Wide", ""}, image, 8);
    const auto rows = ParseCsv(ExportChannelCsv(image, kVhfLimits));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(CsvLine(rows[0].fields), std::string(kChannelCsvHeader) + "\r\n");
    const std::vector<std::string> seven{
        "7",   "A",  "145.000000", "+",          "0.600000", "Cross",  "100.0", "88.5",
        "023", "NR", "023",        "Tone->DTCS", "NFM",      "5.00",   "",      "1.0W",
        "",    "",   "",           "",           "",         "Carrier"};
    EXPECT_EQ(rows[1].fields, seven);
}

TEST(ImportChannelCsv, RowsArePlacedByLocationOrInOrder) {
    Image image = test::ErasedImage();
    test::PutChannel(image, 1, 14500000);
    test::PutChannel(image, 3, 14500000);
    const struct {
        const char* what;
        ImportOptions options;
        std::vector<std::string> locations;
        std::vector<int> channels;  // where each row lands, 0 when skipped
        std::string reportPart;
    } cases[] = {
        {"numbered from 0",
         {},
         {"0", "1", "127", "128"},
         {1, 2, 128, 0},
         "numbers its channels from 0: every row was placed one channel higher"},
        {"from a channel",
         {.placement = {.inOrder = true, .firstChannel = 126}},
         {"200", "", "7", "1"},
         {126, 127, 128, 0},
         "no channel is left after 128"},
        {"free channels",
         {.placement = {.inOrder = true, .fillFree = true}},
         {"1", "1", "1"},
         {2, 4, 5},
         ""},
        {"free channels when all are replaced",
         {.scope = ImportScope::ReplaceAll, .placement = {.inOrder = true, .fillFree = true}},
         {"9", "9"},
         {1, 2},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Row> rows;
        for (std::size_t i = 0; i < c.locations.size(); ++i) {
            rows.push_back({.location = c.locations[i], .name = "R" + std::to_string(i)});
        }
        Imported result{image, {}};
        ASSERT_TRUE(
            ImportChannelCsv(File(rows), c.options, kVhfLimits, result.image, result.report));
        for (std::size_t i = 0; i < c.channels.size(); ++i) {
            if (c.channels[i] > 0) {
                EXPECT_EQ(DecodeChannelAt(result.image, c.channels[i], kVhfLimits).name,
                          "R" + std::to_string(i));
            }
        }
        const auto stored = std::count_if(c.channels.begin(), c.channels.end(),
                                          [](int channel) { return channel > 0; });
        EXPECT_EQ(result.report.imported, stored);
        EXPECT_NE(Joined(ImportReportLines(result.report)).find(c.reportPart), std::string::npos)
            << Joined(ImportReportLines(result.report));
    }
}

TEST(ImportChannelCsv, CutNamesCanBeKeptDistinct) {
    const std::string csv = File({{.location = "1", .name = "Seattle1"},
                                  {.location = "2", .name = "Seattle2"},
                                  {.location = "3", .name = "Tacoma"},
                                  {.location = "4", .name = "Tacoma"}});
    for (const bool distinct : {false, true}) {
        Imported result{test::ErasedImage(), {}};
        ASSERT_TRUE(ImportChannelCsv(csv, ImportOptions{.distinctNames = distinct}, kVhfLimits,
                                     result.image, result.report));
        std::vector<std::string> names;
        for (int n = 1; n <= 4; ++n) {
            names.push_back(DecodeChannelAt(result.image, n, kVhfLimits).name);
        }
        const std::vector<std::string> expected =
            distinct ? std::vector<std::string>{"SEAT1", "SEAT2", "TACOM", "TACOM"}
                     : std::vector<std::string>{"SEATT", "SEATT", "TACOM", "TACOM"};
        EXPECT_EQ(names, expected);
        // Without numbers the names that read alike though they were not are told.
        EXPECT_EQ(result.report.notes,
                  distinct ? std::vector<std::string>{}
                           : std::vector<std::string>{
                                 "channels 1, 2 read alike as \"SEATT\" once their names are "
                                 "cut to five characters (\"Seattle1\", \"Seattle2\"); the "
                                 "option to keep cut names distinct (--distinct-names) numbers "
                                 "them"});
    }
}

// Files other programs exported, and one in their old layout: what lands and what the
// report says.
std::string Sample(const char* name) {
    return testing::ReadBytes(std::filesystem::path(HT57_TESTDATA_DIR) / name);
}

TEST(ChannelCsvSamples, RealFilesImportWithAReportAPersonCanActOn) {
    const struct {
        const char* file;
        FrequencyLimits limits;
        int rows;
        int imported;
        std::vector<std::string> reportParts;
    } cases[] = {
        {"seattle-acs-2m.csv",
         kVhfLimits,
         46,
         46,
         {"line 2, channel 1: imported: Comment \"PSRG; coordination; WW7PSR; Allstar 2462\" "
          "dropped; name \"V01PSR\" stored as \"V01PS\""}},
        {"seattle-acs-70cm.csv", kUhfLimits, 68, 68, {}},
        {"seattle-acs-narrow.csv", kUhfLimits, 22, 22, {}},
        {"old-layout-club.csv",
         kVhfLimits,
         20,
         9,
         {"line 2, channel 1: imported: Comment \"Hilltop Repeater (north ridge)\" dropped; name "
          "\"HILL01\" stored as \"HILL0\"",
          "line 10: skipped: no Location",
          "line 12, channel 101: skipped: receive frequency 432.35 MHz is outside 136-174 MHz",
          "line 16: skipped: Location 210 is outside 1-128; Duplex \"off\" (transmit disabled)",
          "line 18: skipped: Location 220 is outside 1-128; receive frequency 119.15 MHz is "
          "outside 136-174 MHz; Mode \"AM\" cannot be stored",
          "line 20, channel 1: skipped: Location 1 already came on line 2; receive frequency "
          "223.74 MHz is outside 136-174 MHz",
          "line 23, channel 99: skipped: receive frequency 222.0 MHz is outside 136-174 MHz",
          "channels 3, 5 read alike as \"DIR-0\"",
          "channels of skipped rows, kept as they were: 30, 99, 101, 102",
          "9 of 20 rows stored, 11 skipped, 4 channels of skipped rows kept as they were"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string csv = Sample(c.file);
        ASSERT_FALSE(csv.empty());
        const Imported result = Import(csv, test::ErasedImage(), c.limits);
        const std::string report = Joined(ImportReportLines(result.report));
        EXPECT_EQ(result.report.rows, c.rows) << report;
        EXPECT_EQ(result.report.imported, c.imported) << report;
        for (const std::string& part : c.reportParts) {
            EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
        }
        for (const ImportIssue& issue : result.report.issues) {
            EXPECT_GT(issue.line, 1);
            EXPECT_FALSE(issue.reasons.empty());
        }
    }
}

TEST(ChannelCsvSamples, RepeaterRowsKeepTheirShiftAndTones) {
    const Imported twoMetre = Import(Sample("seattle-acs-2m.csv"));
    EXPECT_EQ(DecodeChannelAt(twoMetre.image, 1, kVhfLimits),
              Texts("146.96000", "146.36000", "Off", "103.5", "High", "Wide", "V01PS"));
    EXPECT_EQ(DecodeChannelAt(twoMetre.image, 32, kVhfLimits),
              Texts("146.78000", "146.18000", "D172N", "D172N", "High", "Wide", "V71SL"));
    const Imported narrow =
        Import(Sample("seattle-acs-narrow.csv"), test::ErasedImage(), kUhfLimits);
    EXPECT_EQ(DecodeChannelAt(narrow.image, 1, kUhfLimits),
              Texts("444.55000", "449.55000", "Off", "123.0", "High", "Narrow", "U01CL"));
}

}  // namespace
}  // namespace ht57
