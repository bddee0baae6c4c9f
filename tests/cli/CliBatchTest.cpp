// ht57-cli write with several radios: on several cables at once, and swapped
// one after another on one cable, each radio a simulator of its own.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <thread>

#include "CliRunner.h"
#include "model/CsvText.h"
#include "model/DataFile.h"
#include "model/ProgrammingLog.h"
#include "model/RadioData.h"
#include "support/SimulatorProcess.h"

namespace ht57::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Bytes = std::vector<Byte>;

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SortedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool HoldsWritten(const std::optional<Image>& memory, const Image& sent) {
    return memory && std::equal(sent.begin(), sent.begin() + region::kWriteEnd, memory->begin());
}

class CliBatchTest : public ::testing::Test {
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
        fs::copy_file(defaultDat, work_ / "send.dat");
        // What the tool sends: the file opened and normalised as the program does.
        const Bytes file = ReadFile(defaultDat);
        RadioData data;
        std::copy_n(file.begin() + kImageSize, kImageSize, data.reference.begin());
        data.image = data.reference;
        ASSERT_TRUE(ApplyDataFile(file, data));
        data.RecomputeLimits();
        data.Normalise();
        sent_ = data.image;
    }

    std::vector<std::string> Args(std::vector<std::string> args) const {
        args.insert(args.begin(), "write");
        args.insert(args.end(), {"--log", "log.csv", "send.dat"});
        return args;
    }

    // The log's rows after the header, each checked for the file and digest.
    std::vector<std::string> LoggedOutcomes() {
        const Bytes bytes = ReadFile(work_ / "log.csv");
        std::vector<std::string> outcomes;
        for (const CsvRow& row : ParseCsv(std::string(bytes.begin(), bytes.end()))) {
            EXPECT_EQ(row.fields.size(), 5u);
            if (row.line == 1 || row.fields.size() != 5) {
                continue;
            }
            EXPECT_EQ(row.fields[2], "send.dat");
            EXPECT_EQ(row.fields[3], WrittenBytesDigest(sent_));
            outcomes.push_back(row.fields[1] + ": " + row.fields[4]);
        }
        std::sort(outcomes.begin(), outcomes.end());
        return outcomes;
    }

    SimulatorProcess holder_;
    fs::path install_;
    fs::path work_;
    Image sent_{};
};

TEST_F(CliBatchTest, RadiosOnSeveralPortsAreWrittenAtOnceAndFailAlone) {
    struct Radio {
        std::vector<std::string> simArgs;
        const char* outcome;
        bool holdsTheFile;
    };
    struct Case {
        bool verify;
        std::vector<Radio> radios;
        bool withMissingPort;
        int exitCode;
    };
    const std::vector<Case> cases{
        {true, {{{}, "verified", true}, {{"--baud", "9600"}, "verified", true}}, false, 0},
        {false,
         {{{}, "written", true},
          {{"--nak-write-block", "4"}, "failed: Communication error", false},
          {{"--silent-after-block", "10"}, "failed: Communication error", false},
          {{"--baud", "9600"}, "written", true}},
         true,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radios.size());
        fs::remove(work_ / "log.csv");
        std::vector<std::unique_ptr<SimulatorProcess>> sims;
        std::vector<std::string> args;
        std::vector<std::string> expected;
        for (const Radio& radio : c.radios) {
            sims.push_back(std::make_unique<SimulatorProcess>(SimulatorSetup{radio.simArgs, {}}));
            ASSERT_TRUE(sims.back()->Started()) << sims.back()->Error();
            args.insert(args.end(), {"--port", sims.back()->PortName()});
            expected.push_back(sims.back()->PortName() + ": " + radio.outcome);
        }
        if (c.withMissingPort) {
            const std::string missing = (work_ / "no-such-tty").string();
            args.insert(args.end(), {"--port", missing});
            expected.push_back(missing + ": failed: Fail to open port (There is no serial port " +
                               missing + ".");
        }
        if (c.verify) {
            args.push_back("--verify");
        }
        const CliResult result = RunProgram(install_ / "ht57-cli", Args(args), work_);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        std::sort(expected.begin(), expected.end());
        const std::vector<std::string> lines = SortedLines(result.out);
        ASSERT_EQ(lines.size(), expected.size()) << result.out;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].starts_with(expected[i])) << lines[i];
        }
        EXPECT_EQ(LoggedOutcomes(), lines);
        for (std::size_t i = 0; i < sims.size(); ++i) {
            EXPECT_EQ(sims[i]->Stop(), 0);
            EXPECT_EQ(HoldsWritten(sims[i]->SavedImage(), sent_), c.radios[i].holdsTheFile) << i;
        }
    }
}

TEST_F(CliBatchTest, RadiosSwappedBehindOneLinkAreWrittenInTurn) {
    const fs::path link = work_ / "ttyRadio";
    const auto radioBehindLink = [&] {
        auto sim = std::make_unique<SimulatorProcess>(
            SimulatorSetup{{"--link", link.string(), "--baud", "9600"}, {}});
        EXPECT_TRUE(sim->Started()) << sim->Error();
        return sim;
    };
    // The first radio's memory is saved at the end of its write session.
    const auto waitUntilWritten = [&](const SimulatorProcess& sim) {
        for (int i = 0; i < 300 && !HoldsWritten(sim.SavedImage(), sent_); ++i) {
            std::this_thread::sleep_for(50ms);
        }
        return HoldsWritten(sim.SavedImage(), sent_);
    };
    struct Case {
        bool interruptAfterFirst;
        int exitCode;
        std::vector<std::string> lines;
        std::string lastError;
    };
    const std::string port = link.string();
    const std::vector<Case> cases{
        {false, 0, {"radio 1, " + port + ": written", "radio 2, " + port + ": written"}, ""},
        {true,
         130,
         {"radio 1, " + port + ": written"},
         "ht57-cli: Interrupted; 1 of 3 radios written"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exitCode);
        fs::remove(work_ / "log.csv");
        std::unique_ptr<SimulatorProcess> first = radioBehindLink();
        StartedProgram cli(install_ / "ht57-cli",
                           Args({"--port", port, "--radios", c.interruptAfterFirst ? "3" : "2"}),
                           work_);
        ASSERT_TRUE(waitUntilWritten(*first));
        std::unique_ptr<SimulatorProcess> second;
        if (c.interruptAfterFirst) {
            // The tool keeps asking the first radio whether it is still there.
            std::this_thread::sleep_for(700ms);
            ::kill(cli.Pid(), SIGINT);
        } else {
            EXPECT_EQ(first->Stop(), 0);
            // A person takes longer to swap radios than the tool takes to
            // notice the port has gone.
            std::this_thread::sleep_for(2s);
            second = radioBehindLink();
            EXPECT_TRUE(waitUntilWritten(*second));
        }
        const CliResult result = cli.Finish();
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(SortedLines(result.out), c.lines);
        const std::vector<std::string> errors = SortedLines(result.err);
        if (!c.lastError.empty()) {
            EXPECT_NE(std::find(errors.begin(), errors.end(), c.lastError), errors.end())
                << result.err;
        }
        EXPECT_EQ(LoggedOutcomes().size(), c.lines.size());
    }
}

}  // namespace
}  // namespace ht57::test
