// ht57-cli as a user runs it: as a process, beside its default.dat and
// Program.ini, talking to ht57-sim.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "CliRunner.h"
#include "model/Bcd.h"
#include "model/ChannelRecord.h"
#include "model/DataFile.h"
#include "model/RadioData.h"
#include "support/SimulatorProcess.h"

namespace ht57::test {
namespace {

using Bytes = std::vector<Byte>;

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, std::span<const Byte> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

Image HalfOf(const Bytes& file, std::size_t half) {
    Image image{};
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(half * kImageSize), kImageSize,
                image.begin());
    return image;
}

Bytes DataFile(const Image& header, const Image& image) {
    Bytes file(header.begin(), header.end());
    file.insert(file.end(), image.begin(), image.end());
    std::copy(kFileSignature.begin(), kFileSignature.end(), file.begin());
    return file;
}

void PutChannel(Image& image, int channel, std::uint32_t rx, std::uint32_t offset, Byte rxTone,
                Byte txTone, Byte flags) {
    Byte* record = &image[ChannelOffset(channel)];
    WriteBcd32(record, rx);
    WriteBcd32(record + 4, offset);
    record[8] = rxTone;
    record[9] = txTone;
    record[10] = flags;
    std::fill_n(record + 11, 5, Byte{0xFF});
}

// A copy of ht57-cli with the generated default.dat in a folder of its own,
// so each test decides what Program.ini says.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(holder_.Started()) << holder_.Error();
        install_ = holder_.Folder() / "install";
        work_ = holder_.Folder() / "work";
        std::filesystem::create_directories(install_);
        std::filesystem::create_directories(work_);
        std::filesystem::copy_file(HT57_CLI_PATH, install_ / "ht57-cli");
        const auto defaultDat = std::filesystem::path(HT57_BIN_DIR) / "default.dat";
        std::filesystem::copy_file(defaultDat, install_ / "default.dat");
        defaultFile_ = ReadFile(defaultDat);
        ASSERT_EQ(defaultFile_.size(), kDataFileSize);
    }

    CliResult Cli(const std::vector<std::string>& args) {
        return RunProgram(install_ / "ht57-cli", args, work_);
    }

    void WriteIni(const std::string& text) { std::ofstream(install_ / "Program.ini") << text; }

    Image DefaultImage() const { return HalfOf(defaultFile_, 1); }
    Image DefaultHeader() const { return HalfOf(defaultFile_, 0); }

    // What the program holds after opening `file` and before sending it.
    RadioData OpenedAsTheProgramDoes(const Bytes& file) const {
        RadioData data;
        data.reference = DefaultImage();
        data.image = DefaultImage();
        EXPECT_TRUE(ApplyDataFile(file, data));
        data.RecomputeLimits();
        data.Normalise();
        return data;
    }

    // A UHF radio with a few things normalisation must mend.
    Image UhfRadio() const {
        Image image = DefaultImage();
        for (int channel = 1; channel <= region::kChannelCount; ++channel) {
            std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(ChannelOffset(channel)), 16,
                        Byte{0xFF});
        }
        image[region::kStatusByte] |= region::kBandFlagMask;
        PutChannel(image, 1, 44000000, 0, 0, 0, 0x0F);
        PutChannel(image, 2, 44600625, 500000, 13, 13, 0x43);
        PutChannel(image, 3, 14500000, 0, 0, 0, 0x0F);  // VHF: not a channel on this radio
        image[0xFC2] = 0x33;                            // squelch beyond 9
        image[0x900] = 0xAB;                            // no field: carried as it is
        for (std::size_t i = 0; i < 16; ++i) {
            image[region::kCalibration + i] = static_cast<Byte>(0xC0 + i);
        }
        return image;
    }

    SimulatorProcess holder_;  // its folder holds the installation and the work folder
    std::filesystem::path install_;
    std::filesystem::path work_;
    Bytes defaultFile_;
};

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases{
        {},
        {"frob"},
        {"read"},
        {"read", "-o"},
        {"read", "x.dat"},
        {"read", "--port", "p", "-o", "x.dat", "extra"},
        {"read", "--baud", "fast", "-o", "x.dat"},
        {"read", "--baud", "-5", "-o", "x.dat"},
        {"write"},
        {"write", "a.dat", "b.dat"},
        {"write", "--port"},
        {"write", "-o", "a.dat"},
        {"write", "--port", "a", "--port", "a", "x.dat"},
        {"write", "--port", "a", "--port", "b", "--radios", "2", "x.dat"},
        {"write", "--radios", "0", "x.dat"},
        {"write", "--log", "", "x.dat"},
        {"read", "--port", "a", "--port", "b", "-o", "x.dat"},
        {"list"},
        {"list", "--port", "p", "a.dat"},
        {"list", "--bogus", "a.dat"},
    };
    for (const auto& args : cases) {
        std::string joined;
        for (const auto& arg : args) {
            joined += arg + " ";
        }
        SCOPED_TRACE(joined);
        const CliResult result = Cli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
        EXPECT_TRUE(result.out.empty());
    }
    const CliResult help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("ht57-cli read"), std::string::npos);
    for (const char* command :
         {"read", "write", "list", "export", "import", "dump", "apply", "diff"}) {
        const CliResult one = Cli({command, "--help"});
        EXPECT_EQ(one.exitCode, 0) << command;
        EXPECT_TRUE(one.out.starts_with(std::string("Usage:\n  ht57-cli ") + command + " "))
            << one.out;
    }
}

TEST_F(CliTest, ListPrintsTheChannelsInUse) {
    Image image = DefaultImage();
    for (int channel = 1; channel <= region::kChannelCount; ++channel) {
        std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(ChannelOffset(channel)), 16,
                    Byte{0xFF});
    }
    PutChannel(image, 3, 14652000, 0, 0, 0, 0x0F);
    // 145.000 MHz, +600 kHz, Rx tone D023I, busy lock code 0, low power, narrow.
    PutChannel(image, 7, 14500000, 60000, 51, 0, 0x50);
    PutChannel(image, 9, 44000000, 0, 0, 0, 0x0F);  // UHF in a VHF file: not in use
    WriteFile(work_ / "list.dat", DataFile(DefaultHeader(), image));

    const CliResult result = Cli({"list", "list.dat"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 9u) << result.out;
    EXPECT_EQ(lines[0], "\t-- Channel Info --");
    EXPECT_EQ(lines[1], std::string(7, ' ') + "CH Num: 3" + std::string(14, ' ') +
                            std::string(6, ' ') + "Rx Freq: 146.52000" + std::string(6, ' ') +
                            std::string(6, ' ') + "Tx Freq: 146.52000" + std::string(6, ' '));
    EXPECT_EQ(lines[4], "");
    EXPECT_NE(lines[5].find("CH Num: 7 "), std::string::npos);
    EXPECT_NE(lines[5].find("Rx Freq: 145.00000"), std::string::npos);
    EXPECT_NE(lines[5].find("Tx Freq: 145.60000"), std::string::npos);
    EXPECT_NE(lines[6].find("Busy Lock: Off "), std::string::npos);
    EXPECT_NE(lines[6].find("Rx Tone: D023I "), std::string::npos);
    EXPECT_NE(lines[6].find("Tx Tone: Off "), std::string::npos);
    EXPECT_NE(lines[7].find("Power: Low "), std::string::npos);
    EXPECT_NE(lines[7].find("Bandwidth: Narrow "), std::string::npos);
    EXPECT_EQ(lines[8], "");
}

TEST_F(CliTest, FilesThatCannotBeOpenedAreReportedInTheProgramsWords) {
    Bytes wrongSignature = DataFile(DefaultHeader(), DefaultImage());
    wrongSignature[5] = 0x00;
    WriteFile(work_ / "other.dat", wrongSignature);
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases{
        {{"list", "missing.dat"}, "No such file or directory"},
        {{"list", "other.dat"}, "File does not match"},
        {{"write", "--port", "/nonexistent/tty", "other.dat"}, "File does not match"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CliResult result = Cli(c.args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(Lines(result.err).front(), std::string("ht57-cli: ") + c.message);
        EXPECT_TRUE(result.out.empty());
    }

    Bytes badDefault(100, 0);
    WriteFile(install_ / "default.dat", badDefault);
    const CliResult refused = Cli({"list", "other.dat"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(Lines(refused.err).front(), std::string("ht57-cli: ") + kWrongFormatText);
}

TEST_F(CliTest, ReadSavesTheRadioAsItIsWithTheBandFlagFromTheIdentification) {
    const Image radio = UhfRadio();
    {
        SimulatorProcess sim({{}, radio});
        ASSERT_TRUE(sim.Started()) << sim.Error();
        const CliResult result = Cli({"read", "--port", sim.PortName(), "-o", "uhf.dat"});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(result.err.empty()) << "no progress bar when stderr is not a terminal";
        const Bytes file = ReadFile(work_ / "uhf.dat");
        ASSERT_EQ(file.size(), kDataFileSize);
        Image expectedHeader = DefaultHeader();
        std::copy(kFileSignature.begin(), kFileSignature.end(), expectedHeader.begin());
        EXPECT_EQ(HalfOf(file, 0), expectedHeader);
        EXPECT_EQ(HalfOf(file, 1), radio) << "read must not normalise";
    }
    {
        SimulatorProcess sim({{"--band", "vhf"}, radio});
        ASSERT_TRUE(sim.Started()) << sim.Error();
        const CliResult result = Cli({"read", "--port", sim.PortName(), "-o", "vhf.dat"});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        Image expected = radio;
        expected[region::kStatusByte] &= static_cast<Byte>(~region::kBandFlagMask);
        EXPECT_EQ(HalfOf(ReadFile(work_ / "vhf.dat"), 1), expected);
    }
}

TEST_F(CliTest, WriteSendsTheNormalisedImageAndReadBringsItBack) {
    const Image radio = UhfRadio();
    {
        SimulatorProcess source({{}, radio});
        ASSERT_TRUE(source.Started()) << source.Error();
        ASSERT_EQ(Cli({"read", "--port", source.PortName(), "-o", "copy.dat"}).exitCode, 0);
    }
    const Bytes file = ReadFile(work_ / "copy.dat");
    const Image normalised = OpenedAsTheProgramDoes(file).image;
    // The mending this test relies on really happens.
    EXPECT_EQ(Bytes(normalised.begin() + 0x30, normalised.begin() + 0x40), Bytes(16, 0xFF));
    EXPECT_EQ(normalised[0xFC2], DefaultImage()[0xFC2]);
    EXPECT_EQ(normalised[0x900], 0xAB);

    SimulatorProcess target({{"--band", "uhf"}, std::nullopt});
    ASSERT_TRUE(target.Started()) << target.Error();
    const CliResult written = Cli({"write", "--port", target.PortName(), "copy.dat"});
    ASSERT_EQ(written.exitCode, 0) << written.err;

    // On the wire: the handshake, the prefix, 255 blocks of the normalised
    // image, the end byte; nothing of 0xFF0 to 0xFFF.
    Bytes expected{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 0x06};
    for (std::size_t address = 0; address < region::kWriteEnd; address += 16) {
        expected.insert(expected.end(),
                        {'W', static_cast<Byte>(address >> 8), static_cast<Byte>(address), 16});
        expected.insert(expected.end(), normalised.begin() + static_cast<std::ptrdiff_t>(address),
                        normalised.begin() + static_cast<std::ptrdiff_t>(address + 16));
    }
    expected.push_back('E');
    ASSERT_TRUE(target.WaitForTrace(expected.size()));
    EXPECT_EQ(target.Trace(), expected);

    const CliResult read = Cli({"read", "--port", target.PortName(), "-o", "back.dat"});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const Image back = HalfOf(ReadFile(work_ / "back.dat"), 1);
    EXPECT_TRUE(std::equal(back.begin(), back.begin() + region::kWriteEnd, normalised.begin()));
    EXPECT_NE(Bytes(back.begin() + region::kWriteEnd, back.end()),
              Bytes(normalised.begin() + region::kWriteEnd, normalised.end()))
        << "the calibration block stays the radio's own";

    Bytes otherCalibration = ReadFile(work_ / "back.dat");
    otherCalibration[kImageSize + 0xFF5] ^= 0xFF;
    otherCalibration[0x30] ^= 0xFF;  // header
    WriteFile(work_ / "cal.dat", otherCalibration);
    EXPECT_EQ(Cli({"diff", "back.dat", "cal.dat"}).exitCode, 1);
    EXPECT_EQ(Cli({"diff", "--written-range", "back.dat", "cal.dat"}).exitCode, 0);

    const CliResult verified = Cli({"write", "--verify", "--port", target.PortName(), "copy.dat"});
    EXPECT_EQ(verified.exitCode, 0) << verified.err;
    // A radio that reports the other band reads back another band flag.
    SimulatorProcess other({{"--band", "vhf"}, std::nullopt});
    ASSERT_TRUE(other.Started()) << other.Error();
    const CliResult differs = Cli({"write", "--verify", "--port", other.PortName(), "copy.dat"});
    EXPECT_EQ(differs.exitCode, 4);
    EXPECT_EQ(differs.err,
              "ht57-cli: Write complete, but the radio does not hold what was written.\n"
              "Differs at 0xFCE. Write it again before use.\n");
}

TEST_F(CliTest, AFailedReadLeavesTheOutputAlone) {
    const Bytes previous(kDataFileSize, 0x5C);
    WriteFile(work_ / "keep.dat", previous);
    struct Case {
        std::vector<std::string> simArgs;
        std::string output;
    };
    const std::vector<Case> cases{
        {{"--short-read-block", "200"}, "keep.dat"},
        {{"--ident-length", "12"}, "keep.dat"},
        {{"--short-read-block", "3"}, "new.dat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.simArgs.front());
        SimulatorProcess sim({c.simArgs, std::nullopt});
        ASSERT_TRUE(sim.Started()) << sim.Error();
        const CliResult result = Cli({"read", "--port", sim.PortName(), "-o", c.output});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(Lines(result.err).front().starts_with("ht57-cli: Communication error"));
        EXPECT_EQ(Lines(result.err).at(1), "Nothing was changed in the data set.");
    }
    EXPECT_EQ(ReadFile(work_ / "keep.dat"), previous);
    EXPECT_FALSE(std::filesystem::exists(work_ / "new.dat"));
    for (const auto& entry : std::filesystem::directory_iterator(work_)) {
        EXPECT_EQ(entry.path().filename(), "keep.dat") << "no temporary file left behind";
    }
}

// A write that failed, and a complete write whose read-back failed, are two
// different stories with two exit codes; the radio's memory shows each true.
TEST_F(CliTest, AFailedWriteIsToldApartFromAFailedReadBack) {
    const Image sent = DefaultImage();
    WriteFile(work_ / "send.dat", DataFile(DefaultHeader(), sent));
    Image old;
    old.fill(0x3C);
    struct Case {
        std::vector<std::string> simArgs;
        std::vector<std::string> verify;
        int exitCode;
        std::string first;
        std::string second;
        std::size_t newBytes;  // how much of the radio holds the new data
    };
    const std::vector<Case> cases{
        {{"--nak-write-block", "100"},
         {},
         1,
         "ht57-cli: Communication error at address 0x630 (block 100 of 255).",
         "The radio may now hold a mix of old and new settings (99 of 255 blocks were written) "
         "and must be written again before use.",
         99 * 16},
        {{"--wrong-echo-block", "100"},
         {"--verify"},
         4,
         "ht57-cli: Write complete: 4080 bytes, but reading them back failed, so the write is "
         "not verified.",
         "Communication error at address 0x630 (block 100 of 256).",
         region::kWriteEnd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.simArgs.front());
        SimulatorProcess sim({c.simArgs, old});
        ASSERT_TRUE(sim.Started()) << sim.Error();
        std::vector<std::string> args{"write", "--port", sim.PortName(), "send.dat"};
        args.insert(args.end(), c.verify.begin(), c.verify.end());
        const CliResult result = Cli(args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        const std::vector<std::string> lines = Lines(result.err);
        ASSERT_GE(lines.size(), 3u) << result.err;
        EXPECT_EQ(lines[0], c.first);
        EXPECT_EQ(lines[1], c.second);
        EXPECT_NE(lines[2].find(sim.PortName()), std::string::npos) << lines[2];
        ASSERT_EQ(sim.Stop(), 0);
        const std::optional<Image> radio = sim.SavedImage();
        ASSERT_TRUE(radio);
        const auto split = static_cast<std::ptrdiff_t>(c.newBytes);
        EXPECT_TRUE(std::equal(radio->begin(), radio->begin() + split, sent.begin()));
        EXPECT_TRUE(
            std::all_of(radio->begin() + split, radio->end(), [](Byte b) { return b == 0x3C; }));
    }
}

TEST_F(CliTest, PortComesFromProgramIniUnlessGiven) {
    SimulatorProcess sim;
    ASSERT_TRUE(sim.Started()) << sim.Error();
    {
        SCOPED_TRACE("no port anywhere");
        const CliResult result = Cli({"read", "-o", "a.dat"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(Lines(result.err).front(), "ht57-cli: Fail to open port ");
        EXPECT_EQ(Lines(result.err).at(1), "No serial port is set.");
        EXPECT_NE(result.err.find("--port PORT"), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(work_ / "a.dat"));
    }
    WriteIni("[Setup]\nCOM=" + sim.PortName() + "\nBaudRate=19200\n");
    {
        SCOPED_TRACE("port from Program.ini");
        const CliResult result = Cli({"read", "-o", "b.dat"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(ReadFile(work_ / "b.dat").size(), kDataFileSize);
    }
    {
        SCOPED_TRACE("the option wins");
        const CliResult result = Cli({"read", "--port", "/nonexistent/tty", "-o", "c.dat"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(Lines(result.err).front(), "ht57-cli: Fail to open port ");
        EXPECT_TRUE(
            Lines(result.err).at(1).starts_with("There is no serial port /nonexistent/tty"));
        EXPECT_FALSE(std::filesystem::exists(work_ / "c.dat"));
    }
}

}  // namespace
}  // namespace ht57::test
