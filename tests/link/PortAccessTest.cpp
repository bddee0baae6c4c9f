#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "link/PortAccess.h"

namespace ht57 {
namespace {

PortFailure Failure(PortProblem problem, std::string device, std::string group = {},
                    bool groupMayUse = false, std::string holder = {}, std::string reason = {}) {
    PortFailure failure;
    failure.problem = problem;
    failure.device = std::move(device);
    failure.group = std::move(group);
    failure.groupMayUse = groupMayUse;
    failure.holder = std::move(holder);
    failure.reason = std::move(reason);
    return failure;
}

TEST(PortAccess, EveryFailureSaysWhatToDo) {
    struct Case {
        PortFailure failure;
        std::vector<std::string> says;
    };
    const std::string dev = "/fake/ttyUSB0";
    const std::vector<Case> cases{
        {Failure(PortProblem::NotSet, ""), {"No serial port is set."}},
        {Failure(PortProblem::Missing, dev),
         {"There is no serial port /fake/ttyUSB0", "plugged in"}},
        {Failure(PortProblem::NoPermission, dev, "dialout", true),
         {"group \"dialout\"", "sudo usermod -aG dialout $USER", "log out and in again"}},
        // A group that may not read and write the device is no way in.
        {Failure(PortProblem::NoPermission, dev, "dialout"), {"only its owner", "udev rule"}},
        {Failure(PortProblem::Busy, dev, "", false, "minicom, process 42"),
         {"/fake/ttyUSB0 is in use by another program (minicom, process 42)", "Close"}},
        {Failure(PortProblem::Busy, dev), {"in use by another program. Close"}},
        {Failure(PortProblem::Failed, dev, "", false, "", "Input/output error"),
         {"Cannot open /fake/ttyUSB0: Input/output error."}},
    };
    for (const Case& c : cases) {
        const std::string text = DescribePortFailure(c.failure);
        for (const std::string& part : c.says) {
            EXPECT_NE(text.find(part), std::string::npos) << text << "\nlacks: " << part;
        }
    }
    EXPECT_EQ(DescribePortFailure({}), "");
}

TEST(PortAccess, LockFilesAreNamedAsQtNamesThem) {
    EXPECT_EQ(PortLockFileName("/dev/fake-adapter0"), "LCK..fake-adapter0");
    EXPECT_EQ(PortLockFileName("/dev/pts/3"), "LCK..pts_3");
    EXPECT_EQ(PortLockFileName("/fake/x/radio"), "LCK.._fake_x_radio");
}

TEST(PortAccess, StableNamesMapDevicesToTheLinksThatNameThem) {
    namespace fs = std::filesystem;
    std::string folder = (fs::temp_directory_path() / "ht57-byid-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const fs::path root = folder;
    fs::create_directory(root / "by-id");
    std::ofstream(root / "ttyUSB7") << "";
    fs::create_symlink("../ttyUSB7", root / "by-id" / "usb-Cable_A1-if00-port0");
    fs::create_symlink("../gone", root / "by-id" / "usb-Unplugged-if00-port0");
    std::ofstream(root / "by-id" / "not-a-link") << "";

    const auto names = StableDeviceNames((root / "by-id").string());
    const std::string device = fs::canonical(root / "ttyUSB7").string();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names.at(device), (root / "by-id" / "usb-Cable_A1-if00-port0").string());
    EXPECT_TRUE(StableDeviceNames((root / "missing").string()).empty());
    fs::remove_all(root);
}

}  // namespace
}  // namespace ht57
