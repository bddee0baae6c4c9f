#include <atomic>
#include <chrono>
#include <thread>

#include "SimulatedRadio.h"

namespace ht57::test {
namespace {

using namespace std::chrono_literals;

Bytes ReadFrame(std::size_t address) {
    return {0x06, 'R', static_cast<Byte>(address >> 8), static_cast<Byte>(address & 0xFF), 16};
}

Bytes WriteFrame(const Image& image, std::size_t address, bool first) {
    Bytes frame;
    if (first) {
        frame.push_back(0x06);
    }
    for (Byte b : {Byte{'W'}, static_cast<Byte>(address >> 8), static_cast<Byte>(address & 0xFF),
                   Byte{16}}) {
        frame.push_back(b);
    }
    for (std::size_t i = 0; i < 16; ++i) {
        frame.push_back(image[address + i]);
    }
    return frame;
}

// Everything a complete Read or Write puts on the wire after the handshake.
Bytes ReadTraffic(int blocks, bool withEnd) {
    Bytes bytes;
    for (int i = 0; i < blocks; ++i) {
        bytes = Concat({bytes, ReadFrame(static_cast<std::size_t>(i) * 16)});
    }
    if (withEnd) {
        bytes.push_back(0x06);
    }
    return bytes;
}

Bytes WriteTraffic(const Image& image, int blocks) {
    Bytes bytes;
    for (int i = 0; i < blocks; ++i) {
        bytes = Concat({bytes, WriteFrame(image, static_cast<std::size_t>(i) * 16, i == 0)});
    }
    return bytes;
}

class CloneSessionTest : public SimulatedRadio {
protected:
    LinkOutcome RunSession(TransferPlan plan, int cancelAfter = 0) {
        CloneSession* self = nullptr;
        CloneCallbacks callbacks{
            .portOpened = [this] { ++portOpenedCalls_; },
            .progress =
                [&, this](int done, int total) {
                    progress_.emplace_back(done, total);
                    if (done == cancelAfter) {
                        self->Cancel();
                    }
                },
            .finished = [this](LinkOutcome outcome) { finished_.push_back(outcome); },
        };
        CloneSession session(link_, image_, settings_, std::move(plan), std::move(callbacks));
        self = &session;
        const LinkOutcome outcome = session.Run();
        report_ = session.Report();
        return outcome;
    }

    Image image_ = RadioMemory(0x55);
    int portOpenedCalls_ = 0;
    std::vector<std::pair<int, int>> progress_;
    std::vector<LinkOutcome> finished_;
    CloneReport report_;
};

TEST_F(CloneSessionTest, ReadCopiesTheRadioAndReportsEveryBlock) {
    Image radio = RadioMemory();
    radio[region::kStatusByte] = 0x00;
    Launch({"--band", "vhf"}, radio);

    EXPECT_EQ(RunSession(TransferPlan::ForRead()), LinkOutcome::Succeeded);
    EXPECT_EQ(image_, radio);
    EXPECT_EQ(portOpenedCalls_, 1);
    EXPECT_EQ(finished_, std::vector<LinkOutcome>{LinkOutcome::Succeeded});
    ASSERT_EQ(progress_.size(), 256u);
    EXPECT_EQ(progress_.front(), std::make_pair(1, 256));
    EXPECT_EQ(progress_.back(), std::make_pair(256, 256));

    const Bytes expected = Concat({HandshakeBytes(), ReadTraffic(256, true)});
    EXPECT_EQ(TraceOf(expected.size()), expected);
}

TEST_F(CloneSessionTest, ReadSetsTheBandFlagFromTheIdentificationOnly) {
    struct Case {
        const char* band;
        Byte radioStatus;
        Byte expectedStatus;
    };
    const std::vector<Case> cases{
        {"uhf", 0x00, 0x20},
        {"uhf", 0xDF, 0xFF},
        {"vhf", 0x20, 0x00},
        {"vhf", 0xFF, 0xDF},
    };
    for (const Case& c : cases) {
        Image radio = RadioMemory();
        radio[region::kStatusByte] = c.radioStatus;
        Launch({"--band", c.band}, radio);
        ASSERT_EQ(RunSession(TransferPlan::ForRead()), LinkOutcome::Succeeded) << c.band;
        EXPECT_EQ(image_[region::kStatusByte], c.expectedStatus)
            << c.band << " status " << int{c.radioStatus};
    }
}

TEST_F(CloneSessionTest, ReadAcceptsTheOtherAcknowledgementAndALateAnswer) {
    const std::vector<std::vector<std::string>> radios{
        {"--ack", "0x16"},
        {"--ignore-handshakes", "2"},
    };
    for (const auto& args : radios) {
        Launch(args);
        image_ = RadioMemory(0x55);
        EXPECT_EQ(RunSession(TransferPlan::ForRead()), LinkOutcome::Succeeded) << args[0];
        EXPECT_EQ(image_[0x123], RadioMemory()[0x123]) << args[0];
    }
    EXPECT_EQ(CountOf(sim_->Trace(), HandshakeBytes()), 3);
}

TEST_F(CloneSessionTest, FailuresBeforeTheLastBlockLeaveTheImageAlone) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        TransferPlan plan;
        int handshakes;
        Bytes tail;  // what the trace ends with
    };
    const Image before = image_;
    const std::vector<Case> cases{
        {"never answers",
         {"--ignore-handshakes", "99"},
         TransferPlan::ForRead(),
         4,
         HandshakeBytes()},
        {"12-byte identification",
         {"--ident-length", "12"},
         TransferPlan::ForRead(),
         1,
         HandshakeBytes()},
        {"200th block one byte short",
         {"--short-read-block", "200"},
         TransferPlan::ForRead(),
         1,
         ReadFrame(199 * 16)},
        {"radio falls silent",
         {"--silent-after-block", "7"},
         TransferPlan::ForRead(),
         1,
         ReadFrame(7 * 16)},
        {"write block refused",
         {"--nak-write-block", "3"},
         TransferPlan::ForWrite(),
         1,
         Concat({WriteFrame(before, 32, false), {'E', 'N', 'D', 'W'}})},
    };
    for (const Case& c : cases) {
        Launch(c.args);
        finished_.clear();
        EXPECT_EQ(RunSession(c.plan), LinkOutcome::CommunicationError) << c.what;
        EXPECT_EQ(finished_, std::vector<LinkOutcome>{LinkOutcome::CommunicationError});
        EXPECT_EQ(image_, before) << c.what;
        const Bytes trace = sim_->Trace();
        EXPECT_EQ(CountOf(trace, HandshakeBytes()), c.handshakes) << c.what;
        EXPECT_TRUE(EndsWith(trace, c.tail)) << c.what;
        EXPECT_FALSE(CloneSession::Busy()) << c.what;
    }
}

// A garbled answer is asked for again and never stored: a passing hiccup
// costs a retry, a block the radio always garbles ends the Read at its address.
TEST_F(CloneSessionTest, EveryReadAnswerIsCheckedAndRetried) {
    struct Case {
        std::vector<std::string> args;
        LinkOutcome outcome;
        int requestsOfBlock50;
    };
    const std::vector<Case> cases{
        {{"--stall-block", "50", "--stall-ms", "80", "--baud", "9600"}, LinkOutcome::Succeeded, 2},
        {{"--wrong-echo-block", "50"}, LinkOutcome::CommunicationError, 3},
        {{"--short-echo-block", "50"}, LinkOutcome::CommunicationError, 3},
        {{"--short-read-block", "50"}, LinkOutcome::CommunicationError, 3},
    };
    Image radio = RadioMemory();
    radio[region::kStatusByte] = 0x00;
    const Bytes block50 = ReadFrame(49 * 16);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        Launch(c.args, radio);
        image_ = RadioMemory(0x55);
        const Image before = image_;
        EXPECT_EQ(RunSession(TransferPlan::ForRead()), c.outcome);
        const bool read = c.outcome == LinkOutcome::Succeeded;
        EXPECT_EQ(image_, read ? radio : before);
        EXPECT_EQ(report_.phase, read ? ClonePhase::End : ClonePhase::Blocks);
        EXPECT_EQ(report_.blocksDone, read ? 256 : 49);
        EXPECT_EQ(report_.failedAddress, read ? std::nullopt : std::optional<std::uint16_t>(0x310));
        Bytes expected = Concat({HandshakeBytes(), ReadTraffic(49, false)});
        for (int i = 0; i < c.requestsOfBlock50; ++i) {
            expected = Concat({expected, block50});
        }
        const Bytes trace = TraceOf(expected.size());
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), trace.begin()));
        EXPECT_EQ(CountOf(trace, block50), c.requestsOfBlock50);
    }
}

// How far a Write got is known block by block.
TEST_F(CloneSessionTest, AFailedWriteReportsTheBlocksTheRadioAcknowledged) {
    Launch({"--nak-write-block", "100"});
    EXPECT_EQ(RunSession(TransferPlan::ForWrite()), LinkOutcome::CommunicationError);
    EXPECT_EQ(report_.kind, TransferKind::Write);
    EXPECT_EQ(report_.phase, ClonePhase::Blocks);
    EXPECT_EQ(report_.blocksDone, 99);
    EXPECT_EQ(report_.totalBlocks, 255);
    EXPECT_EQ(report_.failedAddress, std::optional<std::uint16_t>(99 * 16));
}

TEST_F(CloneSessionTest, WriteSendsEverythingBelowTheCalibrationBlock) {
    const Image radio = RadioMemory();
    Launch({}, radio);
    const Image before = image_;

    EXPECT_EQ(RunSession(TransferPlan::ForWrite()), LinkOutcome::Succeeded);
    EXPECT_EQ(image_, before);
    ASSERT_EQ(progress_.size(), 255u);
    EXPECT_EQ(progress_.back(), std::make_pair(255, 255));

    const Bytes expected = Concat({HandshakeBytes(), WriteTraffic(before, 255), {'E'}});
    EXPECT_EQ(TraceOf(expected.size()), expected);

    sim_->Stop();
    const std::optional<Image> saved = sim_->SavedImage();
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + region::kWriteEnd, saved->begin()));
    EXPECT_TRUE(std::equal(radio.begin() + region::kCalibration, radio.end(),
                           saved->begin() + region::kCalibration));
}

TEST_F(CloneSessionTest, WriteThenReadKeepsTheRadiosCalibration) {
    const Image radio = RadioMemory();
    Launch({}, radio);
    ASSERT_EQ(RunSession(TransferPlan::ForWrite()), LinkOutcome::Succeeded);
    image_.fill(0x00);
    ASSERT_EQ(RunSession(TransferPlan::ForRead()), LinkOutcome::Succeeded);
    EXPECT_TRUE(std::equal(radio.begin() + region::kCalibration, radio.end(),
                           image_.begin() + region::kCalibration));
    EXPECT_EQ(image_[0x100], RadioMemory(0x55)[0x100]);
}

TEST_F(CloneSessionTest, CancelStopsAfterTheBlockInProgress) {
    Launch();
    const Image before = image_;

    EXPECT_EQ(RunSession(TransferPlan::ForRead(), 10), LinkOutcome::Cancelled);
    EXPECT_EQ(image_, before);
    EXPECT_EQ(progress_.size(), 10u);
    // Nothing follows the tenth request: no end byte, no abort.
    EXPECT_FALSE(sim_->WaitForTrace(8 + 10 * 5 + 1, 300ms));
    EXPECT_EQ(sim_->Trace(), Concat({HandshakeBytes(), ReadTraffic(10, false)}));

    progress_.clear();
    EXPECT_EQ(RunSession(TransferPlan::ForWrite(), 10), LinkOutcome::Cancelled);
    EXPECT_EQ(progress_.size(), 10u);
    const Bytes written =
        Concat({HandshakeBytes(), WriteTraffic(before, 10), {'E', 'N', 'D', 'W'}});
    const Bytes trace = TraceOf(8 + 10 * 5 + written.size());
    EXPECT_TRUE(EndsWith(trace, written));
    EXPECT_EQ(trace.size(), 8 + 10 * 5 + written.size());
    EXPECT_FALSE(CloneSession::Busy());
}

TEST_F(CloneSessionTest, PortThatDoesNotOpenSendsNothing) {
    settings_ = {"/nonexistent/ttyHT57", 9600};
    const Image before = image_;
    EXPECT_EQ(RunSession(TransferPlan::ForRead()), LinkOutcome::PortOpenFailed);
    EXPECT_EQ(portOpenedCalls_, 0);
    EXPECT_EQ(image_, before);
    EXPECT_FALSE(CloneSession::Busy());
    EXPECT_STREQ(OutcomeMessage(finished_.at(0)), "Fail to open port ");
}

TEST_F(CloneSessionTest, OnlyOneSessionRunsAtATimeOnAPort) {
    Launch();
    std::atomic<int> finished{0};
    std::atomic<LinkOutcome> outcome{LinkOutcome::Busy};
    CloneCallbacks callbacks;
    callbacks.finished = [&](LinkOutcome o) {
        outcome = o;
        ++finished;
    };
    CloneSession first(link_, image_, settings_, TransferPlan::ForRead(), callbacks);
    SerialPortLink otherLink;
    Image otherImage = image_;
    CloneSession second(otherLink, otherImage, settings_, TransferPlan::ForRead());

    // Another port's session runs alongside.
    SimulatorProcess otherRadio({{}, RadioMemory(0x33)});
    ASSERT_TRUE(otherRadio.Started()) << otherRadio.Error();
    SerialPortLink thirdLink;
    Image thirdImage{};
    CloneSession third(thirdLink, thirdImage, {otherRadio.PortName(), 9600},
                       TransferPlan::ForRead());

    ASSERT_TRUE(first.Start());
    EXPECT_FALSE(first.Start());
    EXPECT_FALSE(second.Start());
    EXPECT_EQ(second.Run(), LinkOutcome::Busy);
    EXPECT_TRUE(CloneSession::Busy(settings_.name));
    EXPECT_FALSE(CloneSession::Busy(otherRadio.PortName()));
    EXPECT_EQ(third.Run(), LinkOutcome::Succeeded);
    EXPECT_EQ(thirdImage, RadioMemory(0x33));
    first.Wait();

    EXPECT_EQ(finished, 1);
    EXPECT_EQ(outcome, LinkOutcome::Succeeded);
    EXPECT_EQ(image_, RadioMemory());
    EXPECT_EQ(otherImage, RadioMemory(0x55));
    EXPECT_EQ(CountOf(sim_->Trace(), HandshakeBytes()), 1);
    EXPECT_FALSE(CloneSession::Busy());
}

}  // namespace
}  // namespace ht57::test
