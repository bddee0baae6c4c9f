// ht57-cli export, import, diff and read's backup, run as a user runs them.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "CliRunner.h"
#include "model/ChannelTable.h"
#include "model/DataFile.h"
#include "support/SimulatorProcess.h"

namespace ht57::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<Byte>;

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ReadText(const fs::path& path) {
    const Bytes bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}

void WriteFile(const fs::path& path, std::span<const Byte> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliChannelFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(holder_.Started()) << holder_.Error();
        install_ = holder_.Folder() / "install";
        work_ = holder_.Folder() / "work";
        fs::create_directories(install_);
        fs::create_directories(work_);
        fs::copy_file(HT57_CLI_PATH, install_ / "ht57-cli");
        const fs::path defaultDat = fs::path(HT57_BIN_DIR) / "default.dat";
        fs::copy_file(defaultDat, install_ / "default.dat");
        data_.reference = data_.image = HalfOf(ReadFile(defaultDat), kImageSize);
        data_.header = HalfOf(ReadFile(defaultDat), 0);
        data_.RecomputeLimits();
        data_.Normalise();
    }

    static Image HalfOf(const Bytes& file, std::size_t from) {
        Image image{};
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(from), kImageSize, image.begin());
        return image;
    }

    void Save(const std::string& name, const RadioData& data) {
        WriteFile(work_ / name, DataFileBytes(data, SignatureStamp::Stamp));
    }

    // The default data with the channel table replaced, as the program would
    // save it: row n - 1 is channel n, an empty row a cleared channel.
    RadioData WithChannels(const std::vector<ChannelTexts>& rows) const {
        RadioData data = data_;
        for (int n = 1; n <= region::kChannelCount; ++n) {
            const auto i = static_cast<std::size_t>(n - 1);
            EncodeChannelAt(i < rows.size() ? rows[i] : ChannelTexts{}, data.image, n);
        }
        data.Normalise();
        return data;
    }

    CliResult Cli(const std::vector<std::string>& args) {
        return RunProgram(install_ / "ht57-cli", args, work_);
    }

    SimulatorProcess holder_;  // its folder holds the installation and the work folder
    fs::path install_;
    fs::path work_;
    RadioData data_;  // the default data as the program holds it after New
};

const ChannelTexts kSimplex{"146.52000", "146.52000", "Off", "Off", "Off", "High", "Wide", "CALL"};
const ChannelTexts kRepeater{"145.25000", "144.65000", "D023I",  "D023N",
                             "Carrier",   "Low",       "Narrow", "RPT"};

TEST_F(CliChannelFilesTest, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases{
        {"export", "a.dat"},
        {"export", "-o", "a.csv"},
        {"export", "a.dat", "b.dat", "-o", "a.csv"},
        {"export", "a.dat", "-o", "a.csv", "--replace-all"},
        {"import", "a.dat", "-o", "b.dat"},
        {"import", "a.dat", "in.csv"},
        {"import", "a.dat", "in.csv", "-o"},
        {"diff", "a.dat"},
        {"diff", "a.dat", "b.dat", "c.dat"},
        {"diff", "--port", "p", "a.dat", "b.dat"},
        {"list", "--backup-dir", "x", "a.dat"},
        {"read", "--backup-dir"},
        {"ports", "--port"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.front() + " " + args.back());
        const CliResult result = Cli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(Contains(result.err, "Usage:"));
    }
}

TEST_F(CliChannelFilesTest, ExportThenImportGivesBackTheChannelsBusyLockIncluded) {
    Save("a.dat", WithChannels({kSimplex, {}, kRepeater}));
    const CliResult exported = Cli({"export", "a.dat", "-o", "a.csv"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const std::string csv = ReadText(work_ / "a.csv");
    EXPECT_TRUE(csv.starts_with("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,"));
    EXPECT_TRUE(Contains(csv, "\r\n3,RPT,145.250000,-,0.600000,DTCS,88.5,88.5,023,NR,023,"));

    const CliResult imported = Cli({"import", "a.dat", "a.csv", "-o", "b.dat", "--replace-all"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.err, "2 of 2 rows stored, 0 skipped\n");
    ASSERT_EQ(Cli({"export", "b.dat", "-o", "b.csv"}).exitCode, 0);
    EXPECT_EQ(ReadText(work_ / "b.csv"), csv);

    const CliResult same = Cli({"diff", "a.dat", "b.dat"});
    EXPECT_EQ(same.exitCode, 0) << same.out;
    EXPECT_TRUE(same.out.empty());
}

TEST_F(CliChannelFilesTest, ImportReportsSkippedRowsAndExitsWithThree) {
    Save("a.dat", WithChannels({kSimplex, kSimplex}));
    const fs::path sample = fs::path(HT57_TESTDATA_DIR) / "old-layout-club.csv";
    const CliResult result = Cli({"import", "a.dat", sample.string(), "-o", "b.dat"});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.out.empty());
    EXPECT_TRUE(Contains(result.err,
                         "line 12, channel 101: skipped: receive frequency 432.35 MHz "
                         "is outside 136-174 MHz\n"));
    EXPECT_TRUE(Contains(result.err,
                         "\n9 of 20 rows stored, 11 skipped, 4 channels of skipped "
                         "rows kept as they were\n"));

    const CliResult diff = Cli({"diff", "a.dat", "b.dat"});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_TRUE(Contains(diff.out,
                         "channel 1: Rx Freq 146.52000 -> 146.82000; Tx Freq 146.52000 "
                         "-> 146.22000; Rx Tone Off -> 110.9; Tx Tone Off -> 110.9; "
                         "Name \"CALL\" -> \"HILL0\"\n"))
        << diff.out;
    EXPECT_TRUE(Contains(diff.out, "channel 3: added: Rx Freq 146.82000"));
}

TEST_F(CliChannelFilesTest, AFileThatIsNoChannelListWritesNothing) {
    Save("a.dat", WithChannels({kSimplex}));
    WriteFile(work_ / "notes.csv", Bytes{'h', 'e', 'l', 'l', 'o', '\n'});
    const std::string_view odd = "Location,Frequency,Duplx\n1,146.94,-\n";
    WriteFile(work_ / "odd.csv", Bytes(odd.begin(), odd.end()));
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"import", "a.dat", "notes.csv", "-o", "b.dat"}, "The file is not a channel list"},
        {{"import", "a.dat", "odd.csv", "-o", "b.dat"}, "The file is not read: its header names"},
        {{"import", "a.dat", "missing.csv", "-o", "b.dat"}, "No such file or directory"},
        {{"import", "missing.dat", "notes.csv", "-o", "b.dat"}, "No such file or directory"},
        {{"export", "missing.dat", "-o", "b.csv"}, "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[2]);
        const CliResult result = Cli(c.args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.starts_with(std::string("ht57-cli: ") + c.message)) << result.err;
        EXPECT_FALSE(fs::exists(work_ / c.args.back()));
    }
    const CliResult ignored =
        Cli({"import", "a.dat", "odd.csv", "-o", "b.dat", "--ignore-unknown-columns"});
    EXPECT_EQ(ignored.exitCode, 3);
    EXPECT_TRUE(Contains(ignored.err, "column 3 \"Duplx\" is no column of a channel list"));
}

TEST_F(CliChannelFilesTest, DiffShowsChannelsSettingsAndLeftoverBytes) {
    const RadioData before = WithChannels({kSimplex, kSimplex});
    RadioData after = WithChannels({kSimplex, {}, kRepeater});
    after.image[0xFC2] = static_cast<Byte>(before.image[0xFC2] == 5 ? 6 : 5);  // squelch
    after.image[0x900] = static_cast<Byte>(before.image[0x900] ^ 0xFF);
    Save("a.dat", before);
    Save("b.dat", after);

    const CliResult result = Cli({"diff", "a.dat", "b.dat"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.empty()) << result.err;
    EXPECT_TRUE(Contains(result.out,
                         "channel 2: removed (was Rx Freq 146.52000, Tx Freq "
                         "146.52000, Rx Tone Off, Tx Tone Off, Busy Lock Off, Power "
                         "High, Bandwidth Wide, Name \"CALL\")\n"));
    EXPECT_TRUE(Contains(result.out,
                         "channel 3: added: Rx Freq 145.25000, Tx Freq 144.65000, Rx "
                         "Tone D023I, Tx Tone D023N, Busy Lock Carrier, Power Low, "
                         "Bandwidth Narrow, Name \"RPT\"\n"));
    EXPECT_TRUE(Contains(result.out, "Squelch Level: "));
    EXPECT_TRUE(Contains(result.out, "image 0x900 (no field): "));

    EXPECT_EQ(Cli({"diff", "a.dat", "a.dat"}).exitCode, 0);
    const CliResult missing = Cli({"diff", "a.dat", "missing.dat"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.empty());
}

TEST_F(CliChannelFilesTest, ReadKeepsADatedBackupBesideTheFile) {
    std::ofstream(install_ / "Program.ini") << "[Setup]\nModel=RDX/3 \"UHF\"\n";
    SimulatorProcess sim;
    ASSERT_TRUE(sim.Started()) << sim.Error();
    const CliResult result =
        Cli({"read", "--port", sim.PortName(), "--backup-dir", "Backups", "-o", "radio.dat"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::vector<fs::path> backups;
    for (const auto& entry : fs::directory_iterator(work_ / "Backups")) {
        backups.push_back(entry.path());
    }
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(backups[0].filename().string().starts_with("RDX_3 _UHF__20"))
        << backups[0].filename();
    EXPECT_EQ(ReadFile(backups[0]), ReadFile(work_ / "radio.dat"));

    // A backup folder that cannot be made does not spoil the Read.
    WriteFile(work_ / "blocked", Bytes{1});
    const CliResult blocked =
        Cli({"read", "--port", sim.PortName(), "--backup-dir", "blocked/sub", "-o", "again.dat"});
    EXPECT_EQ(blocked.exitCode, 0);
    EXPECT_TRUE(blocked.err.starts_with("ht57-cli: The backup was not written: ")) << blocked.err;
    EXPECT_EQ(ReadFile(work_ / "again.dat").size(), kDataFileSize);
}

TEST_F(CliChannelFilesTest, OutputsGoWhereDashOOrTheShellSendsThem) {
    Save("a.dat", WithChannels({kSimplex}));
    const struct {
        std::vector<std::string> args;
        const char* startOfOut;
    } cases[] = {
        {{"export", "a.dat", "-o", "-"}, "Location,Name,Frequency,"},
        {{"export", "a.dat", "-o", "/dev/stdout"}, "Location,Name,Frequency,"},
        {{"list", "--format", "csv", "a.dat"}, "channel,rx_frequency,tx_frequency,"},
        {{"list", "a.dat", "--format", "json", "-o", "-"}, "[\n  {\"channel\": 1, "},
        {{"diff", "a.dat", "a.dat", "-o", "-"}, ""},
        {{"import", "a.dat", "a.csv", "-o", "-"}, "HT-57"},
        {{"--version"}, "ht57-cli " HT57_VERSION "\n"},
        {{"import", "--help"}, "Usage:\n  ht57-cli import [--replace-all]"},
    };
    ASSERT_EQ(Cli({"export", "a.dat", "-o", "a.csv"}).exitCode, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        const CliResult result = Cli(c.args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(result.out.starts_with(c.startOfOut)) << result.out;
    }
    EXPECT_EQ(Cli({"import", "a.dat", "a.csv", "-o", "-"}).out.size(), kDataFileSize);
    EXPECT_FALSE(Contains(Cli({"import", "--help"}).out, "--backup-dir"));
    EXPECT_FALSE(fs::exists(work_ / "-"));

    // A read whose output cannot be kept never starts the transfer.
    const CliResult read = Cli({"read", "--port", "/nonexistent/tty", "-o", "no/such/dir/r.dat"});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_TRUE(read.err.starts_with("ht57-cli: No such file or directory")) << read.err;
}

TEST_F(CliChannelFilesTest, DumpThenApplyGivesBackTheFileAndABadKeyWritesNothing) {
    Save("a.dat", WithChannels({kSimplex, {}, kRepeater}));
    const CliResult dumped = Cli({"dump", "a.dat", "-o", "a.yaml"});
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err;
    const CliResult applied = Cli({"apply", "a.dat", "a.yaml", "-o", "b.dat"});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(ReadFile(work_ / "b.dat"), ReadFile(work_ / "a.dat"));
    EXPECT_EQ(Cli({"dump", "a.dat"}).out, ReadText(work_ / "a.yaml"));

    std::ofstream(work_ / "bad.yaml") << "options:\n  beep: true\n  squelch_level: \"10\"\n";
    const CliResult refused = Cli({"apply", "a.dat", "bad.yaml", "-o", "c.dat"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.starts_with("ht57-cli: bad.yaml: line 3: options.squelch_level: "))
        << refused.err;
    EXPECT_FALSE(fs::exists(work_ / "c.dat"));
}

TEST_F(CliChannelFilesTest, ApplyReportsAValueStoredOtherwiseAndExitsWithThree) {
    Save("a.dat", data_);
    std::ofstream(work_ / "fm.yaml") << "fm_channels:\n  1: \"88.5\"\n  6: \"99.99\"\n";
    const CliResult applied = Cli({"apply", "a.dat", "fm.yaml", "-o", "b.dat"});
    EXPECT_EQ(applied.exitCode, 3);
    EXPECT_EQ(applied.err, "fm.yaml: line 3: fm_channels.6: \"99.99\" stored as \"99.9\"\n");
    EXPECT_TRUE(Contains(Cli({"dump", "b.dat"}).out, "  6: \"99.9\"\n"));
}

}  // namespace
}  // namespace ht57::test
