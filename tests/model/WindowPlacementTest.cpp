#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "TempFolder.h"
#include "model/WindowPlacement.h"

namespace ht57 {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(WindowPlacementTest, RoundTripsThroughItsOwnSectionAndKeepsOthers) {
    TempFolder folder;
    WriteBytes(folder / "Program.ini", "[Setup]\r\nCOM=COM3\r\n");
    CIniFile ini(folder.Path());
    ini.SetFileName("Program.ini");
    const WindowPlacement placement{{-8, 30, 1000, 700}, 990, 660, true};
    ASSERT_TRUE(WriteWindowPlacement(ini, placement));
    EXPECT_EQ(ReadWindowPlacement(ini), placement);
    EXPECT_EQ(ini.GetString("Setup", "COM", ""), "COM3");
}

TEST(WindowPlacementTest, MalformedEntriesGiveNothing) {
    const char* const cases[] = {
        "",                                               // no section
        "[Window]\nFrame=1,2,3\nClient=1,1\n",            // too few numbers
        "[Window]\nFrame=1,2,300,200,5\nClient=10,10\n",  // too many
        "[Window]\nFrame=1,2,x,200\nClient=10,10\n",      // not a number
        "[Window]\nFrame=1,2,300,200\nClient=10,10x\n",   // trailing text
        "[Window]\nFrame=1,2,0,200\nClient=10,10\n",      // empty frame
        "[Window]\nFrame=1,2,300,200\nClient=400,10\n",   // client wider than frame
        "[Window]\nFrame=1,2,300,200\nClient=10,10\nMaximized=yes\n",
        "[Window]\nFrame=1,2,99999999999,200\nClient=10,10\n",  // out of range
    };
    for (const char* contents : cases) {
        TempFolder folder;
        WriteBytes(folder / "Program.ini", contents);
        CIniFile ini(folder.Path());
        ini.SetFileName("Program.ini");
        EXPECT_FALSE(ReadWindowPlacement(ini).has_value()) << contents;
    }
}

TEST(WindowPlacementTest, ComesBackClippedIntoTheScreenItsCentreIsOn) {
    const std::vector<PixelRect> areas{{0, 0, 1280, 1000}, {1280, 0, 1920, 1080}};
    struct Case {
        PixelRect frame;
        std::optional<PixelRect> clipped;  // nothing: the default placement
        int clientWidth;
    };
    const Case cases[] = {
        {{0, 0, 1280, 1000}, PixelRect{0, 0, 1280, 1000}, 1270},      // the whole work area
        {{1300, 50, 800, 600}, PixelRect{1300, 50, 800, 600}, 790},   // on the second screen
        {{-30, -20, 800, 600}, PixelRect{0, 0, 800, 600}, 790},       // edges off: moved in
        {{100, 100, 2000, 1200}, PixelRect{0, 0, 1280, 1000}, 1270},  // too large: shrunk
        {{1000, 0, 800, 600}, PixelRect{1280, 0, 800, 600}, 790},     // straddles: centre's screen
        {{4000, 0, 800, 600}, std::nullopt, 0},                       // a screen that has gone
        {{2147483000, 0, 2000, 10}, std::nullopt, 0},                 // no overflow
    };
    for (const Case& c : cases) {
        const WindowPlacement placement{c.frame, c.frame.width - 10, 190, false};
        const auto home = HomeArea(placement, areas);
        ASSERT_EQ(home.has_value(), c.clipped.has_value()) << c.frame.x;
        if (home) {
            const WindowPlacement clipped = ClipPlacement(placement, *home);
            EXPECT_EQ(clipped.frame, *c.clipped) << c.frame.x;
            EXPECT_EQ(clipped.clientWidth, c.clientWidth) << c.frame.x;
        }
    }
}

TEST(WindowPlacementTest, ScalingKeepsTheSizeOnTheScreen) {
    // A 200% start on a screen at (1280, 0) and the same window at 100%.
    const WindowPlacement logical{{1330, 40, 500, 400}, 490, 370, true};
    const WindowPlacement device{{1380, 80, 1000, 800}, 980, 740, true};
    EXPECT_EQ(ScalePlacement(logical, 1280, 0, 2.0), device);
    EXPECT_EQ(ScalePlacement(device, 1280, 0, 0.5), logical);
    EXPECT_EQ(ScaleRect({0, 0, 3, 5}, 0, 0, 1.5), (PixelRect{0, 0, 5, 8}));
}

TEST(WindowPlacementTest, DefaultFrameIsCentredInsideTheWorkArea) {
    const PixelRect area{100, 24, 1280, 1000};
    const PixelRect frame = DefaultFrame(area);
    EXPECT_EQ(frame, (PixelRect{228, 124, 1024, 800}));
    EXPECT_TRUE(area.Contains(frame));
}

}  // namespace
}  // namespace ht57
