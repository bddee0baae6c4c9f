#include <gtest/gtest.h>

#include <vector>

#include "link/CloneSession.h"

namespace ht57 {
namespace {

struct BlockCase {
    const char* what;
    std::vector<TransferRange> ranges;
    std::vector<TransferBlock> expected;
};

TEST(BlockRule, CutsAtSixteenByteBoundariesAndRangeEnds) {
    const std::vector<BlockCase> cases{
        {"aligned", {{0x20, 0x40}}, {{0x20, 16}, {0x30, 16}}},
        {"unaligned start", {{0x1C, 0x30}}, {{0x1C, 4}, {0x20, 16}}},
        {"unaligned end", {{0x20, 0x35}}, {{0x20, 16}, {0x30, 5}}},
        {"inside one block", {{0x23, 0x27}}, {{0x23, 4}}},
        {"empty range", {{0x40, 0x40}}, {}},
        {"two ranges in order", {{0x30, 0x38}, {0x05, 0x10}}, {{0x30, 8}, {0x05, 11}}},
        {"end past the image is cut", {{0xFF8, 0x1010}}, {{0xFF8, 8}}},
    };
    for (const BlockCase& c : cases) {
        EXPECT_EQ(SplitIntoBlocks(c.ranges), c.expected) << c.what;
        EXPECT_EQ(CountBlocks(c.ranges), static_cast<int>(c.expected.size())) << c.what;
    }
}

TEST(BlockRule, ReadCoversTheImageAndWriteStopsBeforeCalibration) {
    const TransferPlan read = TransferPlan::ForRead();
    const TransferPlan write = TransferPlan::ForWrite();
    EXPECT_EQ(read.kind, TransferKind::Read);
    EXPECT_EQ(write.kind, TransferKind::Write);

    const std::vector<TransferBlock> readBlocks = SplitIntoBlocks(read.ranges);
    ASSERT_EQ(readBlocks.size(), 256u);
    EXPECT_EQ(readBlocks.back(), (TransferBlock{0xFF0, 16}));

    const std::vector<TransferBlock> writeBlocks = SplitIntoBlocks(write.ranges);
    ASSERT_EQ(writeBlocks.size(), 255u);
    for (std::size_t i = 0; i < writeBlocks.size(); ++i) {
        EXPECT_EQ(writeBlocks[i], (TransferBlock{static_cast<std::uint16_t>(i * 16), 16}));
    }
}

}  // namespace
}  // namespace ht57
