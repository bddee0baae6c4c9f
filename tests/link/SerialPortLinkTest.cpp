#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "link/SerialPortLink.h"

namespace ht57 {
namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// The line's far end is a pseudo-terminal master this test drives by hand.
class SerialPortLinkOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(grantpt(master_), 0);
        ASSERT_EQ(unlockpt(master_), 0);
        termios raw{};
        ASSERT_EQ(tcgetattr(master_, &raw), 0);
        cfmakeraw(&raw);
        ASSERT_EQ(tcsetattr(master_, TCSANOW, &raw), 0);
        slave_ = ptsname(master_);
    }
    void TearDown() override {
        link_.Close();
        close(master_);
    }

    void Send(std::vector<Byte> bytes) {
        ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // Whatever arrives at the far end within the wait.
    std::vector<Byte> Received(int waitMs = 200) {
        std::vector<Byte> got;
        pollfd fd{master_, POLLIN, 0};
        while (poll(&fd, 1, waitMs) > 0 && (fd.revents & POLLIN)) {
            std::array<Byte, 256> chunk{};
            const ssize_t n = read(master_, chunk.data(), chunk.size());
            if (n <= 0) {
                break;
            }
            got.insert(got.end(), chunk.begin(), chunk.begin() + n);
        }
        return got;
    }

    int master_ = -1;
    std::string slave_;
    SerialPortLink link_;
};

TEST_F(SerialPortLinkOnPty, OpenAppliesRateAndEightNoneOne) {
    ASSERT_TRUE(link_.Open({slave_, 19200}));
    EXPECT_TRUE(link_.IsOpen());
    termios line{};
    ASSERT_EQ(tcgetattr(master_, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B19200));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    link_.Close();
    EXPECT_FALSE(link_.IsOpen());
}

TEST_F(SerialPortLinkOnPty, OpenToleratesARateTheLineCannotTake) {
    for (int rate : {0, -5}) {
        EXPECT_TRUE(link_.Open({slave_, rate})) << rate;
        link_.Close();
    }
}

TEST_F(SerialPortLinkOnPty, OpenFailsForMissingOrEmptyNames) {
    EXPECT_FALSE(link_.Open({"/nonexistent/ttyHT57", 9600}));
    EXPECT_FALSE(link_.Open({"", 9600}));
    EXPECT_FALSE(link_.IsOpen());
    // Calls on a closed line are harmless.
    std::array<Byte, 2> buffer{};
    EXPECT_EQ(link_.Read(buffer), 0u);
    link_.Write(buffer);
    link_.Purge();
    link_.Close();
}

TEST_F(SerialPortLinkOnPty, WrittenBytesSurviveAnImmediateClose) {
    ASSERT_TRUE(link_.Open({slave_, 9600}));
    const std::array<Byte, 4> endw{'E', 'N', 'D', 'W'};
    link_.Write(endw);
    const Byte last = 'E';
    link_.Write(std::span<const Byte>(&last, 1));
    link_.Close();
    EXPECT_EQ(Received(), (std::vector<Byte>{'E', 'N', 'D', 'W', 'E'}));
}

TEST_F(SerialPortLinkOnPty, ReadReturnsWhatArrivedOnceTheLineFallsSilent) {
    ASSERT_TRUE(link_.Open({slave_, 9600}));
    Send({0x06, 0x07});
    std::array<Byte, 4> buffer{};
    EXPECT_EQ(link_.Read(buffer), 2u);
    EXPECT_EQ(buffer[0], 0x06);
    EXPECT_EQ(buffer[1], 0x07);

    Send({1, 2, 3, 4, 5});
    std::array<Byte, 3> three{};
    EXPECT_EQ(link_.Read(three), 3u);
    EXPECT_EQ(link_.Read(three), 2u);
    EXPECT_EQ(three[0], 4);
}

TEST_F(SerialPortLinkOnPty, ReadWithNoAnswerWaitsOutTheTotalTimeOut) {
    ASSERT_TRUE(link_.Open({slave_, 9600}));
    std::array<Byte, 1> one{};
    const auto start = Clock::now();
    EXPECT_EQ(link_.Read(one), 0u);
    // 100 ms per byte plus 500 ms; only the lower bound is reliable.
    EXPECT_GE(MsSince(start), 590);
}

TEST_F(SerialPortLinkOnPty, PurgeDropsWaitingInput) {
    ASSERT_TRUE(link_.Open({slave_, 9600}));
    Send({9, 9, 9});
    std::array<Byte, 1> one{};
    EXPECT_EQ(link_.Read(one), 1u);  // the rest now waits inside the line
    link_.Purge();
    Send({0x16});
    EXPECT_EQ(link_.Read(one), 1u);
    EXPECT_EQ(one[0], 0x16);
}

TEST_F(SerialPortLinkOnPty, PurgeKeepsBytesAlreadyWritten) {
    ASSERT_TRUE(link_.Open({slave_, 9600}));
    const Byte ack = 0x06;
    link_.Write(std::span<const Byte>(&ack, 1));
    link_.Purge();
    const Byte end = 'b';
    link_.Write(std::span<const Byte>(&end, 1));
    link_.Close();
    EXPECT_EQ(Received(), (std::vector<Byte>{0x06, 'b'}));
}

}  // namespace
}  // namespace ht57
