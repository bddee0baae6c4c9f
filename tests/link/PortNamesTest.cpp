#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "link/PortNames.h"

namespace ht57 {
namespace {

TEST(PortNames, NumberGivesShortOrDeviceNamespaceName) {
    const std::vector<std::pair<int, std::string>> cases{
        {1, "COM1"}, {9, "COM9"}, {10, "\\\\.\\COM10"}, {12, "\\\\.\\COM12"}, {16, "\\\\.\\COM16"},
    };
    for (const auto& [number, name] : cases) {
        EXPECT_EQ(PortNameForNumber(number), name) << number;
    }
}

TEST(PortNames, ScanReadsTheNumberAfterTheFirstM) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases{
        {"COM3", 3},
        {"\\\\.\\COM12", 12},
        {"/fake/ttyACM0", 0},
        {"/fake/ttyACM12", 12},
        {"COM 7", 7},
        {"COM+5", 5},
        {"COM-2", -2},
        {"COM16x", 16},
        {"COMM3", std::nullopt},  // the second 'M' is not a number
        {"MCOM3", std::nullopt},  // nothing before the first 'M'
        {"COM", std::nullopt},
        {"COMx", std::nullopt},
        {"/dev/pts/3", std::nullopt},
        {"", std::nullopt},
        {"COM99999999999", std::nullopt},
    };
    for (const auto& [name, number] : cases) {
        EXPECT_EQ(ScanPortNumber(name), number) << name;
    }
}

TEST(PortNames, EveryNameTheRuleBuildsScansBackToItsNumber) {
    for (int n = 1; n <= kPortCount; ++n) {
        EXPECT_EQ(ScanPortNumber(PortNameForNumber(n)), n);
    }
}

}  // namespace
}  // namespace ht57
