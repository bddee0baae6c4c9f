#include "link/CalibrationSession.h"

#include "SimulatedRadio.h"

namespace ht57::test {
namespace {

using namespace std::chrono_literals;

const Bytes kCommand{0x67, 0x0F, 0xF0, 0x10};

Bytes BlockOf(const CalibrationBlock& block) {
    return Bytes(block.begin(), block.end());
}

class CalibrationSessionTest : public SimulatedRadio {
protected:
    CalibrationSessionTest() {
        // Values from a data file, not from the radio on the line.
        for (std::size_t i = 0; i < region::kCalibrationSize; ++i) {
            image_[region::kCalibration + i] = static_cast<Byte>(200 + i);
        }
    }

    // The block the radio must see on opening: its own six values, the
    // image's other ten bytes.
    CalibrationBlock OpeningBlock() const {
        CalibrationBlock block{};
        std::copy_n(image_.begin() + region::kCalibration, block.size(), block.begin());
        for (std::size_t i = 0; i < 6; ++i) {
            block[i] = static_cast<Byte>(100 + i);
        }
        return block;
    }

    Bytes OpeningTraffic() const {
        return Concat({HandshakeBytes(), {0x06}, kCommand, BlockOf(OpeningBlock()), {0x06}});
    }

    Image image_ = RadioMemory(0x33);
};

TEST_F(CalibrationSessionTest, OpeningSendsTheRadiosOwnValuesBack) {
    Launch();
    const Image before = image_;
    CalibrationSession session(link_, image_, settings_);

    ASSERT_EQ(session.Open(), LinkOutcome::Succeeded);
    EXPECT_TRUE(session.IsOpen());
    EXPECT_EQ(session.WorkingBlock(), OpeningBlock());
    EXPECT_EQ(image_, before);
    EXPECT_EQ(TraceOf(OpeningTraffic().size()), OpeningTraffic());
}

TEST_F(CalibrationSessionTest, SliderExchangesSendTheWholeBlock) {
    struct Step {
        int row;
        Byte value;
        Byte sent;  // after clamping to the slider range
    };
    const std::vector<Step> steps{{0, 120, 120}, {5, 250, 250}, {3, 0, 1}, {2, 255, 250}};
    Launch({"--ack", "0x16"});
    CalibrationSession session(link_, image_, settings_);
    ASSERT_EQ(session.Open(), LinkOutcome::Succeeded);

    Bytes expected = OpeningTraffic();
    CalibrationBlock block = OpeningBlock();
    for (const Step& step : steps) {
        EXPECT_EQ(session.Exchange(step.row, step.value), LinkOutcome::Succeeded) << step.row;
        block[static_cast<std::size_t>(step.row)] = step.sent;
        block[6] = static_cast<Byte>(step.row);
        expected = Concat({expected, {0x06}, kCommand, BlockOf(block)});
        EXPECT_EQ(TraceOf(expected.size()), expected) << step.row;
        EXPECT_EQ(session.WorkingBlock(), block);
    }

    session.End();
    EXPECT_FALSE(session.IsOpen());
    expected.push_back('b');
    EXPECT_EQ(TraceOf(expected.size()), expected);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), image_.begin() + region::kCalibration));
    sim_->Stop();
    const std::optional<Image> saved = sim_->SavedImage();
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(std::equal(block.begin(), block.end(), saved->begin() + region::kCalibration));
}

TEST_F(CalibrationSessionTest, EndingUntouchedStoresTheRadiosValues) {
    Launch();
    {
        CalibrationSession session(link_, image_, settings_);
        ASSERT_EQ(session.Open(), LinkOutcome::Succeeded);
        session.End();
    }
    const Bytes expected = Concat({OpeningTraffic(), {'b'}});
    EXPECT_EQ(TraceOf(expected.size()), expected);
    EXPECT_TRUE(
        std::equal(image_.begin() + region::kCalibration, image_.end(), OpeningBlock().begin()));
    sim_->Stop();
    EXPECT_EQ(sim_->SavedImage()->at(region::kCalibration), 100);
}

TEST_F(CalibrationSessionTest, OpeningFailuresStoreNothingAndSendNoEnd) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int handshakes;
        Bytes tail;
    };
    const std::vector<Case> cases{
        {"no radio", {"--ignore-handshakes", "99"}, 3, HandshakeBytes()},
        {"12-byte identification", {"--ident-length", "12"}, 1, HandshakeBytes()},
        {"opening answered 0x16",
         {"--calibration-open-reply", "0x16"},
         1,
         Concat({{0x06}, kCommand, BlockOf(OpeningBlock())})},
        {"opening answered 0x15",
         {"--calibration-open-reply", "0x15"},
         1,
         Concat({{0x06}, kCommand, BlockOf(OpeningBlock())})},
    };
    const Image before = image_;
    for (const Case& c : cases) {
        Launch(c.args);
        CalibrationSession session(link_, image_, settings_);
        EXPECT_EQ(session.Open(), LinkOutcome::CommunicationError) << c.what;
        EXPECT_FALSE(session.IsOpen()) << c.what;
        EXPECT_FALSE(link_.IsOpen()) << c.what;
        session.End();
        EXPECT_EQ(image_, before) << c.what;
        const Bytes trace = sim_->Trace();
        EXPECT_EQ(CountOf(trace, HandshakeBytes()), c.handshakes) << c.what;
        EXPECT_TRUE(EndsWith(trace, c.tail)) << c.what;
    }
}

TEST_F(CalibrationSessionTest, ThirdHandshakeAnsweredOpens) {
    Launch({"--ignore-handshakes", "2"});
    CalibrationSession session(link_, image_, settings_);
    EXPECT_EQ(session.Open(), LinkOutcome::Succeeded);
    EXPECT_EQ(CountOf(sim_->Trace(), HandshakeBytes()), 3);
}

TEST_F(CalibrationSessionTest, RefusedExchangeClosesTheLinkAndStoresNothing) {
    Launch({"--nak-calibration", "2"});
    const Image before = image_;
    const Bytes opening = OpeningTraffic();
    const CalibrationBlock opened = OpeningBlock();
    CalibrationSession session(link_, image_, settings_);
    ASSERT_EQ(session.Open(), LinkOutcome::Succeeded);
    ASSERT_EQ(session.Exchange(1, 90), LinkOutcome::Succeeded);
    EXPECT_EQ(session.Exchange(4, 30), LinkOutcome::CommunicationError);
    EXPECT_FALSE(session.IsOpen());
    EXPECT_FALSE(link_.IsOpen());

    CalibrationBlock block = opened;
    block[1] = 90;
    block[4] = 30;
    block[6] = 4;
    EXPECT_EQ(image_, before);
    CalibrationBlock first = opened;
    first[1] = 90;
    first[6] = 1;
    const Bytes expected = Concat(
        {opening, {0x06}, kCommand, BlockOf(first), {0x06}, kCommand, BlockOf(block), {'b'}});
    const Bytes trace = TraceOf(expected.size());
    EXPECT_EQ(trace, expected);

    // Without a link a slider only moves on screen.
    EXPECT_EQ(session.Exchange(0, 50), LinkOutcome::NotConnected);
    EXPECT_FALSE(sim_->WaitForTrace(trace.size() + 1, 300ms));
    EXPECT_EQ(image_, before);
}

TEST_F(CalibrationSessionTest, RevertSendsTheOpeningBlockBackAndLeavesTheImage) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        bool adjust;
        bool radioGone;  // the simulator ends before the revert
        LinkOutcome outcome;
        Bytes tail;  // what the radio receives after the adjustment
    };
    const Bytes frame = Concat({{0x06}, kCommand, BlockOf(OpeningBlock())});
    const std::vector<Case> cases{
        {"untouched", {}, false, false, LinkOutcome::Succeeded, {'b'}},
        {"adjusted", {}, true, false, LinkOutcome::Succeeded, Concat({frame, {'b'}})},
        {"after a refused block",
         {"--nak-calibration", "1"},
         true,
         false,
         LinkOutcome::Succeeded,
         Concat({{'b'}, HandshakeBytes(), frame, {0x06, 'b'}})},
        {"radio gone", {"--nak-calibration", "1"}, true, true, LinkOutcome::CommunicationError, {}},
    };
    for (const Case& c : cases) {
        Launch(c.args);
        const Image before = image_;
        CalibrationSession session(link_, image_, settings_);
        ASSERT_EQ(session.Open(), LinkOutcome::Succeeded) << c.what;
        const std::size_t opened = TraceOf(OpeningTraffic().size()).size();
        Bytes adjusted;
        if (c.adjust) {
            (void)session.Exchange(2, 7);
            CalibrationBlock block = OpeningBlock();
            block[2] = 7;
            block[6] = 2;
            adjusted = Concat({{0x06}, kCommand, BlockOf(block)});
        }
        sim_->WaitForTrace(opened + adjusted.size());
        if (c.radioGone) {
            sim_->Stop();
        }
        const LinkOutcome outcome = session.Revert();
        EXPECT_TRUE(outcome == c.outcome || (c.radioGone && outcome == LinkOutcome::PortOpenFailed))
            << c.what;
        EXPECT_FALSE(link_.IsOpen()) << c.what;
        EXPECT_EQ(image_, before) << c.what;
        EXPECT_EQ(session.Revert(), LinkOutcome::NotConnected) << c.what;
        if (c.radioGone) {
            continue;
        }
        const Bytes expected = Concat({OpeningTraffic(), adjusted, c.tail});
        EXPECT_EQ(TraceOf(expected.size()), expected) << c.what;
        sim_->Stop();
        const std::optional<Image> saved = sim_->SavedImage();
        ASSERT_TRUE(saved.has_value()) << c.what;
        EXPECT_TRUE(
            std::equal(saved->begin() + region::kCalibration, saved->end(), OpeningBlock().begin()))
            << c.what;
    }
}

TEST_F(CalibrationSessionTest, PortThatDoesNotOpen) {
    settings_ = {"/nonexistent/ttyHT57", 9600};
    const Image before = image_;
    CalibrationSession session(link_, image_, settings_);
    EXPECT_EQ(session.Open(), LinkOutcome::PortOpenFailed);
    EXPECT_EQ(session.Exchange(0, 10), LinkOutcome::NotConnected);
    session.End();
    EXPECT_EQ(image_, before);
}

}  // namespace
}  // namespace ht57::test
