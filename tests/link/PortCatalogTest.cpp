#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/PortCatalog.h"
#include "link/PortNames.h"
#include "link/SerialPortLink.h"

namespace ht57 {
// Device lists are injected and live under /fake, so nothing here can reach
// a real serial port.
namespace {

PortProbe OpensOnly(std::set<std::string> names) {
    return [names = std::move(names)](const std::string& name) { return names.contains(name); };
}

DeviceLister Reports(std::vector<SerialDevice> devices) {
    return [devices = std::move(devices)] { return devices; };
}

DeviceLister Lists(const std::vector<std::string>& paths) {
    return Reports(std::vector<SerialDevice>(paths.begin(), paths.end()));
}

std::vector<std::string> Names(const PortChoice& choice) {
    std::vector<std::string> names;
    for (const PortEntry& entry : choice.entries) {
        names.push_back(entry.name);
    }
    return names;
}

TEST(PortCatalog, ComNumbersOfferSixteenPortsByTheNameRule) {
    const PortChoice choice = BuildPortChoice(PortScheme::ComNumbers, "COM3",
                                              OpensOnly({"COM3", "\\\\.\\COM12"}), nullptr);
    ASSERT_EQ(choice.entries.size(), 16u);
    for (int n = 1; n <= 16; ++n) {
        const PortEntry& entry = choice.entries[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(entry.name, PortNameForNumber(n));
        EXPECT_EQ(entry.label, "COM" + std::to_string(n));
        EXPECT_EQ(entry.available, n == 3 || n == 12) << n;
    }
    EXPECT_EQ(choice.checked, 2u);
}

TEST(PortCatalog, ComNumbersCheckTheCurrentPortOnlyWhenItOpens) {
    struct Case {
        const char* what;
        std::string current;
        std::set<std::string> opening;
        std::optional<std::size_t> checked;
    };
    const std::vector<Case> cases{
        {"device-namespace name", "\\\\.\\COM12", {"\\\\.\\COM12"}, 11},
        {"held by another program", "COM3", {"COM1"}, std::nullopt},
        {"empty name", "", {"COM1"}, std::nullopt},
        {"number out of range", "COM17", {"COM17"}, std::nullopt},
        {"number zero", "/fake/ttyACM0", {"/fake/ttyACM0"}, std::nullopt},
        {"no number", "/dev/pts/4", {"/dev/pts/4"}, std::nullopt},
    };
    for (const Case& c : cases) {
        const PortChoice choice =
            BuildPortChoice(PortScheme::ComNumbers, c.current, OpensOnly(c.opening), nullptr);
        EXPECT_EQ(choice.checked, c.checked) << c.what;
    }
}

TEST(PortCatalog, DevicePathsPutAdaptersFirstAndKeepTheirFullPaths) {
    const PortChoice choice = BuildPortChoice(
        PortScheme::DevicePaths, "/fake/ttyUSB0", OpensOnly({"/fake/ttyUSB0", "/fake/ttyS0"}),
        Lists({"/fake/ttyS0", "/fake/ttyS1", "/fake/ttyUSB0", "/fake/ttyACM0"}));
    EXPECT_EQ(Names(choice), (std::vector<std::string>{"/fake/ttyUSB0", "/fake/ttyACM0",
                                                       "/fake/ttyS0", "/fake/ttyS1"}));
    EXPECT_EQ(choice.entries[0].label, "/fake/ttyUSB0");
    EXPECT_TRUE(choice.entries[0].available);
    EXPECT_FALSE(choice.entries[1].available);
    EXPECT_EQ(choice.checked, 0u);
}

TEST(PortCatalog, DevicePathsFindTheCurrentPortByItsExactName) {
    // A number scan of "/fake/ttyACM1" would read 1 and check the wrong button.
    const PortChoice choice = BuildPortChoice(PortScheme::DevicePaths, "/fake/ttyACM1",
                                              OpensOnly({"/fake/ttyACM0", "/fake/ttyACM1"}),
                                              Lists({"/fake/ttyACM0", "/fake/ttyACM1"}));
    ASSERT_TRUE(choice.checked.has_value());
    EXPECT_EQ(choice.entries[*choice.checked].name, "/fake/ttyACM1");
}

TEST(PortCatalog, DevicePathsAppendAnUnreportedCurrentPort) {
    const PortChoice choice = BuildPortChoice(PortScheme::DevicePaths, "/dev/pts/7",
                                              OpensOnly({"/dev/pts/7"}), Lists({"/fake/ttyS0"}));
    EXPECT_EQ(Names(choice), (std::vector<std::string>{"/fake/ttyS0", "/dev/pts/7"}));
    EXPECT_EQ(choice.checked, 1u);

    const PortChoice gone = BuildPortChoice(PortScheme::DevicePaths, "/fake/ttyUSB3", OpensOnly({}),
                                            Lists({"/fake/ttyS0"}));
    EXPECT_EQ(Names(gone), (std::vector<std::string>{"/fake/ttyS0", "/fake/ttyUSB3"}));
    EXPECT_FALSE(gone.entries[1].available);
    EXPECT_FALSE(gone.checked.has_value());

    const PortChoice none =
        BuildPortChoice(PortScheme::DevicePaths, "", OpensOnly({}), Lists({"/fake/ttyS0"}));
    EXPECT_EQ(Names(none), (std::vector<std::string>{"/fake/ttyS0"}));
    EXPECT_FALSE(none.checked.has_value());
}

TEST(PortCatalog, DevicePathsOfferAtMostSixteenAndKeepTheCurrentOne) {
    std::vector<std::string> many;
    for (int i = 0; i < 20; ++i) {
        many.push_back("/fake/ttyS" + std::to_string(i));
    }
    const PortProbe all = [](const std::string&) { return PortStatus(true); };

    const PortChoice unlisted =
        BuildPortChoice(PortScheme::DevicePaths, "/dev/pts/2", all, Lists(many));
    ASSERT_EQ(unlisted.entries.size(), 16u);
    EXPECT_EQ(unlisted.entries.back().name, "/dev/pts/2");
    EXPECT_EQ(unlisted.checked, 15u);

    const PortChoice listedLate =
        BuildPortChoice(PortScheme::DevicePaths, "/fake/ttyS19", all, Lists(many));
    ASSERT_EQ(listedLate.entries.size(), 16u);
    ASSERT_TRUE(listedLate.checked.has_value());
    EXPECT_EQ(listedLate.entries[*listedLate.checked].name, "/fake/ttyS19");
    EXPECT_EQ(listedLate.entries[0].name, "/fake/ttyS0");
}

TEST(PortCatalog, DevicePathsShowWhatTheSystemKnowsAndChooseAdaptersByStableName) {
    SerialDevice cable("/fake/ttyUSB0");
    cable.stableName = "/fake/by-id/usb-1a86_USB_Serial-if00-port0";
    cable.description = "USB Serial";
    cable.manufacturer = "QinHeng";
    cable.serialNumber = "A1";
    cable.vendorId = 0x1a86;
    cable.productId = 0x7523;
    SerialDevice unnamedUsb("/fake/ttyXRUSB3");  // an adapter by its ids, not its name
    unnamedUsb.vendorId = 0x067b;
    unnamedUsb.productId = 0x2303;
    const PortProbe probe = [](const std::string& name) {
        return name == "/fake/ttyS1" ? PortStatus(false, "busy", "held by minicom, process 7")
                                     : PortStatus(true);
    };
    const DeviceLister lister = Reports({SerialDevice("/fake/ttyS1"), unnamedUsb, cable});

    struct Case {
        std::string current;
        std::optional<std::size_t> checked;
    };
    for (const Case& c : std::vector<Case>{{cable.stableName, 1}, {cable.path, 1}, {"", {}}}) {
        const PortChoice choice =
            BuildPortChoice(PortScheme::DevicePaths, c.current, probe, lister);
        EXPECT_EQ(Names(choice),
                  (std::vector<std::string>{"/fake/ttyXRUSB3", cable.stableName, "/fake/ttyS1"}))
            << c.current;
        EXPECT_EQ(choice.checked, c.checked) << c.current;
        EXPECT_EQ(choice.entries[1].label, "/fake/ttyUSB0");
        EXPECT_EQ(choice.entries[1].details,
                  "/fake/ttyUSB0\nUSB Serial\nManufacturer: QinHeng\nSerial number: A1\n"
                  "USB id: 1a86:7523\nStable name: " +
                      cable.stableName);
        EXPECT_EQ(choice.entries[2].label, "/fake/ttyS1 (busy)");
        EXPECT_FALSE(choice.entries[2].available);
        EXPECT_EQ(choice.entries[2].details, "/fake/ttyS1\nheld by minicom, process 7");
    }
}

// The probe itself, which never opens the device, on a pseudo-terminal this
// test owns.
class ProbeOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(grantpt(master_), 0);
        ASSERT_EQ(unlockpt(master_), 0);
        slave_ = ptsname(master_);
    }
    void TearDown() override {
        if (master_ >= 0) {
            close(master_);
        }
    }
    int master_ = -1;
    std::string slave_;
};

TEST_F(ProbeOnPty, FindsAFreeDeviceAndRefusesHeldOrMissingOnes) {
    EXPECT_TRUE(ProbePort(slave_).available);
    EXPECT_FALSE(ProbePort("").available);
    EXPECT_FALSE(ProbePort("/nonexistent/ttyHT57").available);

    const int holder = open(slave_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(ProbePort(slave_).available);
    close(holder);
    EXPECT_TRUE(ProbePort(slave_).available);
}

TEST_F(ProbeOnPty, APortOpenForASessionIsHeld) {
    SerialPortLink session;
    ASSERT_TRUE(session.Open({slave_, 9600}));
    EXPECT_FALSE(ProbePort(slave_).available);
    session.Close();
    EXPECT_TRUE(ProbePort(slave_).available);
}

TEST_F(ProbeOnPty, ALiveLockFileHoldsThePort) {
    char folderTemplate[] = "/tmp/ht57-locks-XXXXXX";
    ASSERT_NE(mkdtemp(folderTemplate), nullptr);
    const std::string folder = folderTemplate;
    const std::string lock = folder + "/LCK.." + slave_.substr(slave_.find_last_of('/') + 1);

    // A child that has ended leaves a process id nobody owns.
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);

    struct Case {
        const char* what;
        std::optional<std::string> content;
        bool available;
    };
    const std::vector<Case> cases{
        {"no lock file", std::nullopt, true},
        {"held by a live process", "     " + std::to_string(getpid()) + "\n", false},
        {"left by a process that is gone", std::to_string(child) + "\n", true},
        {"unreadable owner", "garbage", true},
    };
    for (const Case& c : cases) {
        std::remove(lock.c_str());
        if (c.content) {
            std::ofstream(lock) << *c.content;
        }
        EXPECT_EQ(ProbePortWithLockFolders(slave_, {folder}).available, c.available) << c.what;
    }
    std::remove(lock.c_str());
    rmdir(folder.c_str());
}

}  // namespace
}  // namespace ht57
