#include <gtest/gtest.h>

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

TEST(WindowPlacementTest, ComesBackOnlyWhereTheWholeFrameFitsOneWorkArea) {
    const std::vector<PixelRect> areas{{0, 0, 1280, 1000}, {1280, 0, 1920, 1080}};
    struct Case {
        PixelRect frame;
        int clientWidth;
        bool fits;
    };
    const Case cases[] = {
        {{0, 0, 1280, 1000}, 1270, true},         // exactly the first work area
        {{1300, 50, 800, 600}, 790, true},        // on the second screen
        {{-1, 0, 800, 600}, 790, false},          // title bar's edge off to the left
        {{0, -20, 800, 600}, 790, false},         // caption above the screen
        {{600, 0, 800, 600}, 790, false},         // straddles the two screens
        {{0, 500, 800, 600}, 790, false},         // below the first work area
        {{4000, 0, 800, 600}, 790, false},        // a screen that has gone
        {{10, 10, 300, 200}, 100, false},         // smaller than the window can be
        {{2147483000, 0, 2000, 10}, 790, false},  // no overflow
    };
    for (const Case& c : cases) {
        const WindowPlacement placement{c.frame, c.clientWidth, 190, false};
        EXPECT_EQ(PlacementFits(placement, areas, 200, 150), c.fits)
            << c.frame.x << ',' << c.frame.y;
    }
}

TEST(WindowPlacementTest, DefaultFrameIsCentredInsideTheWorkArea) {
    const PixelRect area{100, 24, 1280, 1000};
    const PixelRect frame = DefaultFrame(area);
    EXPECT_EQ(frame, (PixelRect{228, 124, 1024, 800}));
    EXPECT_TRUE(area.Contains(frame));
}

}  // namespace
}  // namespace ht57
