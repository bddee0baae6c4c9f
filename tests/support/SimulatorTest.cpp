// The simulated radio, driven over a raw pseudo-terminal.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "RawTerminal.h"
#include "support/SimulatorProcess.h"

namespace ht57::test {
namespace {

using Bytes = std::vector<Byte>;
using namespace std::chrono_literals;

constexpr Byte kAck = 0x06;
constexpr Byte kNak = 0x15;
constexpr std::size_t kReadAnswerHead = 5;  // 1 byte and a 4-byte echo before the data

Image PatternImage(bool uhf = false) {
    Image image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<Byte>(i * 7 + i / 256);
    }
    image[0xFCE] = static_cast<Byte>((image[0xFCE] & ~0x20) | (uhf ? 0x20 : 0x00));
    for (std::size_t i = 0; i < 6; ++i) {
        image[0xFF0 + i] = static_cast<Byte>(100 + i);
    }
    return image;
}

Bytes Block(const Image& image, std::size_t address, std::size_t length) {
    return Bytes(image.begin() + static_cast<std::ptrdiff_t>(address),
                 image.begin() + static_cast<std::ptrdiff_t>(address + length));
}

Bytes Frame(Byte command, std::size_t address, std::size_t length, const Bytes& data = {}) {
    Bytes frame{command, static_cast<Byte>(address >> 8), static_cast<Byte>(address),
                static_cast<Byte>(length)};
    frame.insert(frame.end(), data.begin(), data.end());
    return frame;
}

Bytes Prefixed(Bytes frame) {
    frame.insert(frame.begin(), 0x06);
    return frame;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes Filled(Byte value, std::size_t length = 16) {
    return Bytes(length, value);
}

class SimulatorTest : public ::testing::Test {
protected:
    void Launch(SimulatorSetup setup) {
        sim_ = std::make_unique<SimulatorProcess>(std::move(setup));
        ASSERT_TRUE(sim_->Started()) << sim_->Error();
        port_ = std::make_unique<RawTerminal>(sim_->PortName());
        ASSERT_TRUE(port_->IsOpen());
    }

    // Handshake and identification; returns the identification reply.
    Bytes Open() {
        port_->SendHandshake();
        const Bytes answer = port_->Receive(14);
        EXPECT_EQ(answer.size(), 14u);
        EXPECT_EQ(answer.empty() ? 0 : answer[0], kAck);
        return answer.size() > 1 ? Bytes(answer.begin() + 1, answer.end()) : Bytes{};
    }

    Bytes ReadBlock(std::size_t address, std::size_t length) {
        port_->Send(Prefixed(Frame('R', address, length)));
        const Bytes answer = port_->Receive(kReadAnswerHead + length);
        if (answer.size() < kReadAnswerHead) {
            return {};
        }
        return Bytes(answer.begin() + kReadAnswerHead, answer.end());
    }

    // Waits for the simulator to save on its own after a session ended.
    std::optional<Image> WaitForSavedImage(const std::function<bool(const Image&)>& ready) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (std::chrono::steady_clock::now() < deadline) {
            if (auto image = sim_->SavedImage(); image && ready(*image)) {
                return image;
            }
            std::this_thread::sleep_for(10ms);
        }
        return sim_->SavedImage();
    }

    std::unique_ptr<SimulatorProcess> sim_;
    std::unique_ptr<RawTerminal> port_;
};

TEST_F(SimulatorTest, IdentificationCarriesBandAndCalibration) {
    struct Case {
        const char* what;
        bool imageUhf;
        std::vector<std::string> args;
        Byte ack;
        Byte band;
    };
    const std::vector<Case> cases{
        {"band from a VHF image", false, {}, 0x06, 'V'},
        {"band from a UHF image", true, {}, 0x06, 'U'},
        {"band forced to UHF", false, {"--band", "uhf"}, 0x06, 'U'},
        {"band forced to VHF", true, {"--band", "vhf"}, 0x06, 'V'},
        {"alternative acknowledgement", false, {"--ack", "0x16"}, 0x16, 'V'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Image image = PatternImage(c.imageUhf);
        Launch({c.args, image});
        port_->SendHandshake();
        const Bytes answer = port_->Receive(14);
        ASSERT_EQ(answer.size(), 14u);
        EXPECT_EQ(answer[0], c.ack);
        EXPECT_EQ(answer[1 + 5], c.band);
        EXPECT_EQ(Bytes(answer.begin() + 8, answer.end()), Block(image, 0xFF0, 6));
        EXPECT_TRUE(port_->Drain(100ms).empty());
    }
}

TEST_F(SimulatorTest, ReadBlocksReturnTheMemory) {
    const Image image = PatternImage();
    Launch({{}, image});
    Open();
    const std::vector<std::pair<std::size_t, std::size_t>> blocks{
        {0x000, 16}, {0x7F0, 16}, {0xFF0, 16}, {0x123, 5}, {0xFFF, 1}};
    for (auto [address, length] : blocks) {
        SCOPED_TRACE(address);
        EXPECT_EQ(ReadBlock(address, length), Block(image, address, length));
    }
}

TEST_F(SimulatorTest, WholeReadSessionReproducesTheImage) {
    const Image image = PatternImage(true);
    Launch({{}, image});
    Open();
    Image read{};
    for (std::size_t address = 0; address < kImageSize; address += 16) {
        const Bytes data = ReadBlock(address, 16);
        ASSERT_EQ(data.size(), 16u) << address;
        std::copy(data.begin(), data.end(), read.begin() + static_cast<std::ptrdiff_t>(address));
    }
    port_->Send({0x06});
    EXPECT_EQ(read, image);
}

TEST_F(SimulatorTest, InvalidReadFramesAreIgnored) {
    Launch({{}, PatternImage()});
    Open();
    for (const Bytes& frame :
         {Frame('R', 0x010, 0), Frame('R', 0x010, 17), Frame('R', 0xFF8, 16)}) {
        port_->Send(Prefixed(frame));
        EXPECT_TRUE(port_->Drain(150ms).empty());
    }
    EXPECT_EQ(ReadBlock(0x010, 16).size(), 16u);
}

TEST_F(SimulatorTest, WriteSessionStoresBlocksAndSavesAtTheEnd) {
    const Image image = PatternImage();
    Launch({{}, image});
    Open();

    port_->Send(Prefixed(Frame('W', 0x020, 16, Filled(0xA1))));
    const Bytes first = port_->Receive(2);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_NE(first[0], kAck) << "the extra byte must not pass for an acknowledgement";
    EXPECT_EQ(first[1], kAck);

    port_->Send(Frame('W', 0x030, 16, Filled(0xB2)));
    EXPECT_EQ(port_->Receive(1), Bytes{kAck});
    port_->Send({'E'});
    EXPECT_TRUE(port_->Drain(100ms).empty());

    auto saved = WaitForSavedImage([](const Image& i) { return i[0x030] == 0xB2; });
    ASSERT_TRUE(saved);
    Image expected = image;
    std::fill_n(expected.begin() + 0x020, 16, 0xA1);
    std::fill_n(expected.begin() + 0x030, 16, 0xB2);
    EXPECT_EQ(*saved, expected);

    // The trace holds the PC's bytes exactly, in order.
    Bytes sent{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
    for (const Bytes& part : {Prefixed(Frame('W', 0x020, 16, Filled(0xA1))),
                              Frame('W', 0x030, 16, Filled(0xB2)), Bytes{'E'}}) {
        sent.insert(sent.end(), part.begin(), part.end());
    }
    ASSERT_TRUE(sim_->WaitForTrace(sent.size()));
    EXPECT_EQ(sim_->Trace(), sent);
}

TEST_F(SimulatorTest, WriteAbortIsAnsweredAndKeepsWrittenBlocks) {
    Launch({{}, PatternImage()});
    Open();
    port_->Send(Prefixed(Frame('W', 0x100, 16, Filled(0x5A))));
    EXPECT_EQ(port_->Receive(2).size(), 2u);
    port_->Send({'E', 'N', 'D', 'W'});
    EXPECT_EQ(port_->Receive(1), Bytes{kAck});
    EXPECT_TRUE(port_->Drain(100ms).empty());
    auto saved = WaitForSavedImage([](const Image& i) { return i[0x100] == 0x5A; });
    ASSERT_TRUE(saved);
    EXPECT_EQ((*saved)[0x10F], 0x5A);
}

TEST_F(SimulatorTest, CalibrationExchangesStoreTheBlock) {
    Launch({{}, PatternImage()});
    Open();
    const Bytes opening = Filled(0x33);
    port_->Send(Prefixed(Frame('g', 0xFF0, 16, opening)));
    const Bytes reply = port_->Receive(2);
    ASSERT_EQ(reply.size(), 2u);
    EXPECT_EQ(reply[1], kAck);
    port_->Send({0x06});

    Bytes adjusted{120, 101, 102, 103, 104, 105, 0, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    port_->Send(Prefixed(Frame('g', 0xFF0, 16, adjusted)));
    EXPECT_EQ(port_->Receive(1), Bytes{kAck});
    adjusted[5] = 250;
    adjusted[6] = 5;
    port_->Send(Prefixed(Frame('g', 0xFF0, 16, adjusted)));
    EXPECT_EQ(port_->Receive(1), Bytes{kAck});
    port_->Send({'b'});

    auto saved = WaitForSavedImage([](const Image& i) { return i[0xFF5] == 250; });
    ASSERT_TRUE(saved);
    EXPECT_EQ(Block(*saved, 0xFF0, 16), adjusted);

    // The next session reports the new values.
    const Bytes ident = Open();
    ASSERT_EQ(ident.size(), 13u);
    EXPECT_EQ(Bytes(ident.begin() + 7, ident.end()), Bytes(adjusted.begin(), adjusted.begin() + 6));
}

TEST_F(SimulatorTest, HandshakeFaults) {
    {
        SCOPED_TRACE("ignored handshakes");
        Launch({{"--ignore-handshakes", "2"}, PatternImage()});
        for (int attempt = 1; attempt <= 2; ++attempt) {
            port_->SendHandshake();
            EXPECT_TRUE(port_->Drain(250ms).empty()) << attempt;
        }
        Open();
    }
    {
        SCOPED_TRACE("short identification");
        Launch({{"--ident-length", "12"}, PatternImage()});
        port_->SendHandshake();
        EXPECT_EQ(port_->Drain().size(), 13u);
    }
}

TEST_F(SimulatorTest, BlockFaults) {
    const Image image = PatternImage();
    {
        SCOPED_TRACE("short read block");
        Launch({{"--short-read-block", "2"}, image});
        Open();
        EXPECT_EQ(ReadBlock(0x000, 16).size(), 16u);
        EXPECT_EQ(ReadBlock(0x010, 16), Block(image, 0x010, 15));
        EXPECT_EQ(ReadBlock(0x020, 16).size(), 16u);
    }
    {
        SCOPED_TRACE("refused write block");
        Launch({{"--nak-write-block", "2"}, image});
        Open();
        port_->Send(Prefixed(Frame('W', 0x000, 16, Filled(0x11))));
        EXPECT_EQ(port_->Receive(2).size(), 2u);
        port_->Send(Frame('W', 0x010, 16, Filled(0x22)));
        EXPECT_EQ(port_->Receive(1), Bytes{kNak});
        port_->Send({'E', 'N', 'D', 'W'});
        EXPECT_EQ(port_->Receive(1).size(), 1u);
        EXPECT_EQ(sim_->Stop(), 0);
        auto saved = sim_->SavedImage();
        ASSERT_TRUE(saved);
        EXPECT_EQ(Block(*saved, 0x000, 16), Filled(0x11));
        EXPECT_EQ(Block(*saved, 0x010, 16), Block(image, 0x010, 16));
    }
    {
        SCOPED_TRACE("silent after one block, until the next handshake");
        Launch({{"--silent-after-block", "1"}, image});
        Open();
        EXPECT_EQ(ReadBlock(0x000, 16).size(), 16u);
        port_->Send(Prefixed(Frame('R', 0x010, 16)));
        EXPECT_TRUE(port_->Drain(250ms).empty());
        Open();
        EXPECT_EQ(ReadBlock(0x010, 16), Block(image, 0x010, 16));
    }
}

// Answers to read block 2 (0x010): the faulty ones come back the same when
// asked again; the stall comes only once, after the lead and two echo bytes.
TEST_F(SimulatorTest, EchoFaults) {
    const Image image = PatternImage();
    const Bytes good = Concat({Bytes{kAck}, Frame('R', 0x010, 16), Block(image, 0x010, 16)});
    struct Case {
        std::vector<std::string> args;
        Bytes answer;
    };
    Bytes wrongEcho = good;
    wrongEcho[3] = 0x00;
    Bytes shortEcho = good;
    shortEcho.erase(shortEcho.begin() + 4);
    const std::vector<Case> cases{
        {{"--wrong-echo-block", "2"}, wrongEcho},
        {{"--short-echo-block", "2"}, shortEcho},
        {{"--stall-block", "2", "--stall-ms", "300"}, good},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        const bool stall = c.args.front() == "--stall-block";
        Launch({c.args, image});
        Open();
        EXPECT_EQ(ReadBlock(0x000, 16), Block(image, 0x000, 16));
        port_->Send(Prefixed(Frame('R', 0x010, 16)));
        const Bytes head = port_->Drain(stall ? 150ms : 200ms);
        const Bytes answer = Concat({head, port_->Drain()});
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(head.size(), stall ? 3u : c.answer.size());
        port_->Send(Prefixed(Frame('R', 0x010, 16)));
        EXPECT_EQ(port_->Drain(), stall ? good : c.answer) << "asked again";
        EXPECT_EQ(ReadBlock(0x020, 16), Block(image, 0x020, 16));
    }
}

TEST_F(SimulatorTest, CalibrationFaults) {
    {
        SCOPED_TRACE("opening reply");
        Launch({{"--calibration-open-reply", "0x16"}, PatternImage()});
        Open();
        port_->Send(Prefixed(Frame('g', 0xFF0, 16, Filled(1))));
        const Bytes reply = port_->Receive(2);
        ASSERT_EQ(reply.size(), 2u);
        EXPECT_EQ(reply[1], 0x16);
    }
    {
        SCOPED_TRACE("refused exchange");
        Launch({{"--nak-calibration", "1"}, PatternImage()});
        Open();
        port_->Send(Prefixed(Frame('g', 0xFF0, 16, Filled(1))));
        EXPECT_EQ(port_->Receive(2).size(), 2u);
        port_->Send(Prefixed(Frame('g', 0xFF0, 16, Filled(2))));
        EXPECT_EQ(port_->Receive(1), Bytes{kNak});
        port_->Send(Prefixed(Frame('g', 0xFF0, 16, Filled(3))));
        EXPECT_EQ(port_->Receive(1), Bytes{kAck});
    }
}

TEST_F(SimulatorTest, NothingIsAnsweredOutsideASession) {
    Launch({{}, PatternImage()});
    port_->Send(Prefixed(Frame('R', 0x010, 16)));
    port_->Send(Frame('W', 0x010, 16, Filled(0)));
    port_->Send({'E', 0x00, 0xFF, 'b'});
    EXPECT_TRUE(port_->Drain(250ms).empty());
    Open();
    EXPECT_EQ(ReadBlock(0x010, 16), Block(PatternImage(), 0x010, 16));
}

TEST_F(SimulatorTest, HandshakeIsRecognisedAfterStrayAndPartialFrames) {
    Launch({{}, PatternImage()});
    Open();
    {
        SCOPED_TRACE("half a read frame");
        port_->Send({0x06, 'R', 0x00});
        Open();
    }
    {
        SCOPED_TRACE("unknown bytes");
        port_->Send({0x00, 0xFF, 0x41, 0x99});
        Open();
        EXPECT_EQ(ReadBlock(0x040, 16).size(), 16u);
    }
    {
        SCOPED_TRACE("a write block cut short is dropped after a second");
        port_->Send(Prefixed(Frame('W', 0x020, 16, Filled(0xEE, 3))));
        std::this_thread::sleep_for(1200ms);
        Open();
    }
    {
        SCOPED_TRACE("a new session starts with a fresh first write block");
        port_->Send(Prefixed(Frame('W', 0x020, 16, Filled(0x44))));
        EXPECT_EQ(port_->Receive(2).size(), 2u);
        Open();
        port_->Send(Prefixed(Frame('W', 0x030, 16, Filled(0x45))));
        EXPECT_EQ(port_->Receive(2).size(), 2u);
    }
}

TEST_F(SimulatorTest, SurvivesThePortBeingReopenedManyTimes) {
    const Image image = PatternImage();
    Launch({{}, image});
    port_.reset();
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        RawTerminal port(sim_->PortName());
        ASSERT_TRUE(port.IsOpen());
        port.SendHandshake();
        ASSERT_EQ(port.Receive(14).size(), 14u);
        const std::size_t address = static_cast<std::size_t>(round) * 16;
        port.Send(Prefixed(Frame('R', address, 16)));
        const Bytes answer = port.Receive(kReadAnswerHead + 16);
        ASSERT_EQ(answer.size(), kReadAnswerHead + 16);
        EXPECT_EQ(Bytes(answer.begin() + kReadAnswerHead, answer.end()), Block(image, address, 16));
        // An answer left unread in the line, as a PC that gave up would leave
        // it; the flush on the next open must be all it takes to start afresh.
        port.Send(Prefixed(Frame('R', address, 16)));
        ASSERT_TRUE(sim_->WaitForTrace(static_cast<std::size_t>(round + 1) * 18));
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_TRUE(sim_->Running());
}

TEST_F(SimulatorTest, PacedOutputDeliversTheSameBytes) {
    const Image image = PatternImage();
    Launch({{"--baud", "9600"}, image});
    Open();
    EXPECT_EQ(ReadBlock(0x800, 16), Block(image, 0x800, 16));
}

TEST_F(SimulatorTest, StopSavesTheMemoryAndExitsCleanly) {
    Launch({{}, PatternImage()});
    Open();
    port_->Send(Prefixed(Frame('W', 0x200, 16, Filled(0x77))));
    EXPECT_EQ(port_->Receive(2).size(), 2u);
    EXPECT_EQ(sim_->Stop(), 0);
    auto saved = sim_->SavedImage();
    ASSERT_TRUE(saved);
    EXPECT_EQ(Block(*saved, 0x200, 16), Filled(0x77));
}

TEST_F(SimulatorTest, DataFileKeepsItsHeaderBlock) {
    SimulatorProcess probe;  // only for a folder that is cleaned up
    const auto path = probe.Folder() / "radio.dat";
    Bytes file(8192);
    for (std::size_t i = 0; i < 4096; ++i) {
        file[i] = static_cast<Byte>(i % 251);
    }
    const Image image = PatternImage();
    std::copy(image.begin(), image.end(), file.begin() + 4096);
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), 8192);
    }
    Launch({{"--image", path.string()}, std::nullopt});
    Open();
    EXPECT_EQ(ReadBlock(0x010, 16), Block(image, 0x010, 16));
    port_->Send(Prefixed(Frame('W', 0x010, 16, Filled(0x99))));
    EXPECT_EQ(port_->Receive(2).size(), 2u);
    port_->Send({'E'});
    EXPECT_EQ(sim_->Stop(), 0);

    std::ifstream in(path, std::ios::binary);
    const Bytes saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_EQ(saved.size(), 8192u);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 4096, saved.begin()));
    EXPECT_EQ(Bytes(saved.begin() + 4096 + 0x010, saved.begin() + 4096 + 0x020), Filled(0x99));
}

TEST_F(SimulatorTest, MissingImageFileStartsFromTheBuiltInRadio) {
    SimulatorProcess probe;
    const auto path = probe.Folder() / "new.dat";
    Launch({{"--image", path.string()}, std::nullopt});
    const Bytes ident = Open();
    ASSERT_EQ(ident.size(), 13u);
    EXPECT_EQ(ident[5], 'V');
    // Channel 1 holds a VHF frequency in packed BCD, least significant pair first.
    const Bytes channel = ReadBlock(0x010, 16);
    ASSERT_EQ(channel.size(), 16u);
    EXPECT_GE(channel[3], 0x13);
    EXPECT_LE(channel[3], 0x17);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(sim_->Stop(), 0);

    std::ifstream in(path, std::ios::binary);
    const Bytes saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_EQ(saved.size(), 8192u);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 8),
              (Bytes{'H', 'T', '-', '5', '7', 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ((saved[4096 + 0xFCE] & 0x20), 0);
}

TEST_F(SimulatorTest, CommandLineErrors) {
    SimulatorProcess probe;
    const auto badImage = probe.Folder() / "short.img";
    std::ofstream(badImage, std::ios::binary) << "too short";
    const auto folderImage = probe.Folder() / "folder.img";
    std::filesystem::create_directory(folderImage);
    const auto fifoImage = probe.Folder() / "fifo.img";
    ASSERT_EQ(::mkfifo(fifoImage.c_str(), 0600), 0);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const std::vector<Case> cases{
        {{"--bogus"}, 2},
        {{"--ack"}, 2},
        {{"--ack", "0x106"}, 2},
        {{"--band", "hf"}, 2},
        {{"--nak-write-block", "zero"}, 2},
        {{"--image", badImage.string()}, 1},
        {{"--image", folderImage.string()}, 1},
        {{"--image", fifoImage.string()}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front());
        SimulatorProcess sim({c.args, std::nullopt});
        EXPECT_FALSE(sim.Started());
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (sim.Running() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(5ms);
        }
        EXPECT_EQ(sim.Stop(), c.exitCode);
    }
    const std::string help = SimulatorExecutable().string() + " --help > /dev/null";
    EXPECT_EQ(std::system(help.c_str()), 0);

    const std::string versionCommand = SimulatorExecutable().string() + " --version";
    FILE* pipe = popen(versionCommand.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[64] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_TRUE(read);
    EXPECT_STREQ(line, "ht57-sim " HT57_VERSION "\n");
}

TEST_F(SimulatorTest, StableLinkFollowsTheDeviceAndIsRemovedOnExit) {
    SimulatorProcess probe;
    const auto link = probe.Folder() / "ttyHT57";
    std::filesystem::create_symlink("/nonexistent/pts/99", link);  // a stale one from an old run
    Launch({{"--link", link.string()}, PatternImage()});
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim_->PortName());
    RawTerminal viaLink(link.string());
    ASSERT_TRUE(viaLink.IsOpen());
    port_.reset();
    viaLink.SendHandshake();
    EXPECT_EQ(viaLink.Receive(14).size(), 14u);
    EXPECT_EQ(sim_->Stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));

    const auto plainFile = probe.Folder() / "notalink";
    std::ofstream(plainFile) << "keep me";
    SimulatorProcess refused({{"--link", plainFile.string()}, std::nullopt});
    EXPECT_FALSE(refused.Started());
    EXPECT_TRUE(std::filesystem::is_regular_file(plainFile));
}

}  // namespace
}  // namespace ht57::test
