#include <gtest/gtest.h>

#include <algorithm>

#include "TempFolder.h"
#include "model/DocumentNames.h"
#include "model/RecentFiles.h"

namespace ht57 {
namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(DocumentNamesTest, ProposalsComeFromTheOpenFileOrTheReadDocument) {
    const LocalTime day{2026, 12, 9, 6, 5, 59};
    EXPECT_EQ(DateTimeText(day), "2026-12-09 06:05");
    EXPECT_EQ(ReadDocumentStem("HT-57", day), "HT-57 2026-12-09");
    EXPECT_EQ(ReadDocumentStem("", day), "HT-57 2026-12-09");
    EXPECT_EQ(ReadDocumentStem("A/B", day), "A_B 2026-12-09");
    struct Case {
        const char* file;
        const char* stem;
        const char* extension;
        const char* proposed;
    };
    const Case cases[] = {
        {"/data/club.dat", "HT-57 2026-12-09", ".csv", "club.csv"},
        {"/data/club.v2.dat", "", ".dat", "club.v2.dat"},
        {"", "HT-57 2026-12-09", ".dat", "HT-57 2026-12-09.dat"},
        {"", "", ".csv", "HT-57.csv"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProposedFileName(c.file, c.stem, c.extension), c.proposed) << c.file;
    }
}

TEST(DocumentNamesTest, RecentFilesKeepTheLastEightNewestFirst) {
    Paths files;
    for (int i = 1; i <= 9; ++i) {
        files = WithRecentFile(files, "/d/" + std::to_string(i) + ".dat");
    }
    ASSERT_EQ(files.size(), kRecentFileCount);
    EXPECT_EQ(files.front(), "/d/9.dat");
    EXPECT_EQ(files.back(), "/d/2.dat");
    // The same file again moves up, however it is written.
    files = WithRecentFile(files, "/d/x/../5.dat");
    EXPECT_EQ(files.front(), "/d/x/../5.dat");
    EXPECT_EQ(std::count(files.begin(), files.end(), "/d/5.dat"), 0);
    EXPECT_EQ(files.size(), kRecentFileCount);
}

TEST(DocumentNamesTest, RecentFilesRoundTripThroughProgramIni) {
    testing::TempFolder folder;
    CIniFile ini(folder.Path());
    ini.SetFileName("Program.ini");
    EXPECT_TRUE(ReadRecentFiles(ini).empty());
    const Paths kept{"/home/u/\xE5\x8F\xB0.dat", "/tmp/a b.dat", "/x/" + std::string(300, 'y')};
    ASSERT_TRUE(WriteRecentFiles(ini, kept));
    // The path too long for a profile value is left out.
    EXPECT_EQ(ReadRecentFiles(ini), Paths(kept.begin(), kept.begin() + 2));
    ASSERT_TRUE(WriteRecentFiles(ini, {"/one.dat"}));
    EXPECT_EQ(ReadRecentFiles(ini), Paths{"/one.dat"});
}

}  // namespace
}  // namespace ht57
