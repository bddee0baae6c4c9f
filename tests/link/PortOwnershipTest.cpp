#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "SimulatedRadio.h"

namespace ht57::test {
namespace {

using namespace std::chrono_literals;

// Both names of one pseudo-terminal: a symbolic link the simulator keeps and
// the device itself.
class PortOwnershipTest : public SimulatedRadio {
protected:
    void SetUp() override {
        std::string folder = (std::filesystem::temp_directory_path() / "ht57-own-XXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        folder_ = folder;
        link_path_ = (folder_ / "radio").string();
        Launch({"--link", link_path_});
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string link_path_;
};

TEST_F(PortOwnershipTest, TwoNamesOfOneDeviceNeverHaveTwoOwners) {
    const std::string real = sim_->PortName();
    for (const auto& [first, second] : {std::pair{link_path_, real}, std::pair{real, link_path_}}) {
        SerialPortLink owner;
        SerialPortLink intruder;
        ASSERT_TRUE(owner.Open({first, 9600})) << DescribePortFailure(owner.OpenFailure());
        EXPECT_FALSE(intruder.Open({second, 9600})) << first << " then " << second;
        EXPECT_EQ(intruder.OpenFailure().problem, PortProblem::Busy);
        EXPECT_NE(intruder.OpenFailure().holder.find(std::to_string(::getpid())),
                  std::string::npos);
        owner.Close();
        EXPECT_TRUE(intruder.Open({second, 9600})) << DescribePortFailure(intruder.OpenFailure());
    }
}

TEST_F(PortOwnershipTest, AUserOutsideTheDevicesGroupIsToldHowToJoinIt) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to hand the device to a group and drop to nobody";
    }
    const group* dialout = ::getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    const std::string device = sim_->PortName();
    ASSERT_EQ(::chown(device.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);

    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // nobody, in no group that may use the device.
        const gid_t nogroup = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nogroup) != 0 || ::setuid(65534) != 0) {
            ::_exit(2);
        }
        SerialPortLink link;
        const std::string text =
            link.Open({device, 9600}) ? "opened" : DescribePortFailure(link.OpenFailure());
        const bool sent =
            ::write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(sent ? 0 : 3);
    }
    ::close(channel[1]);
    std::string text;
    char chunk[256];
    for (ssize_t n; (n = ::read(channel[0], chunk, sizeof chunk)) > 0;) {
        text.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_NE(text.find("belongs to the group \"dialout\""), std::string::npos) << text;
    EXPECT_NE(text.find("sudo usermod -aG dialout $USER"), std::string::npos) << text;
    EXPECT_NE(text.find("next login"), std::string::npos) << text;
}

double ThreadCpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

TEST_F(SimulatedRadio, ARadioThatVanishesDuringTheHandshakeEndsTheSessionAtOnce) {
    Launch({"--ignore-handshakes", "100"});
    Image image{};
    CloneSession session(link_, image, settings_, TransferPlan::ForRead());
    std::thread unplug([this] {
        std::this_thread::sleep_for(300ms);
        sim_->Stop();
    });
    const double cpuBefore = ThreadCpuMs();
    const auto start = std::chrono::steady_clock::now();
    const LinkOutcome outcome = session.Run();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const double cpuMs = ThreadCpuMs() - cpuBefore;
    unplug.join();

    EXPECT_EQ(outcome, LinkOutcome::CommunicationError);
    // Four attempts would take four seconds; the failure ends the first.
    EXPECT_LT(elapsed, 1500ms);
    EXPECT_LT(cpuMs, 50.0);
    std::printf("vanished during the handshake: %lld ms, %.1f ms CPU\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()),
                cpuMs);
}

}  // namespace
}  // namespace ht57::test
