#include <gtest/gtest.h>

#include "TempFolder.h"
#include "model/ProgramFolders.h"

namespace ht57 {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// usr/bin holds the program; usr/share/ht57 the installed templates.
struct Tree {
    Tree(bool templates, bool besideExecutable) {
        fs::create_directories(bin);
        if (templates) {
            fs::create_directories(temp / "usr" / "share" / "ht57");
            WriteBytes(temp / "usr" / "share" / "ht57" / "default.dat", "template");
            WriteBytes(temp / "usr" / "share" / "ht57" / "Program.ini", "[Setup]\nModel=HT-57\n");
        }
        if (besideExecutable) {
            WriteBytes(bin / "default.dat", "portable");
        }
    }
    ProgramFolders Choose() const { return ChooseProgramFolders(bin, config, data); }

    TempFolder temp;
    fs::path bin = temp / "usr/bin";
    fs::path config = temp / "home/.config/ht57";
    fs::path data = temp / "home/.local/share/ht57";
};

TEST(ChooseProgramFolders, PortableBesideTheExecutableInstalledInTheUsersFolders) {
    const struct {
        const char* what;
        bool templates;
        bool beside;
        bool installed;
    } cases[] = {
        {"a build or portable copy", false, true, false},
        {"installed", true, false, true},
        {"portable copy next to an installation", true, true, false},
        {"nothing anywhere", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Tree tree(c.templates, c.beside);
        const ProgramFolders folders = tree.Choose();
        EXPECT_EQ(folders.installed, c.installed);
        const fs::path templates = (tree.bin / kTemplateFolder).lexically_normal();
        if (c.installed) {
            EXPECT_EQ(folders.configFolder, tree.config);
            EXPECT_EQ(folders.dataFolder, tree.data / "Data");
            EXPECT_EQ(folders.backupFolder, tree.data / "Data" / "Backups");
            EXPECT_EQ(folders.defaultDataFile, templates / "default.dat");
            EXPECT_EQ(folders.resourceFolder, templates);
        } else {
            EXPECT_EQ(folders.configFolder, tree.bin);
            EXPECT_EQ(folders.dataFolder, tree.bin / "Data");
            EXPECT_EQ(folders.backupFolder, tree.bin / "Data" / "Backups");
            EXPECT_EQ(folders.defaultDataFile, tree.bin / "default.dat");
        }
    }
}

TEST(SeedProgramFolders, CopiesTheTemplateOnceAndKeepsTheUsersOwnFiles) {
    const Tree tree(true, false);
    const ProgramFolders first = tree.Choose();
    ASSERT_TRUE(SeedProgramFolders(first));
    EXPECT_EQ(ReadBytes(tree.config / "Program.ini"), "[Setup]\nModel=HT-57\n");

    WriteBytes(tree.config / "Program.ini", "[Setup]\nCOM=/fake/ttyUSB0\n");
    WriteBytes(tree.config / "default.dat", "mine");
    const ProgramFolders again = tree.Choose();
    ASSERT_TRUE(SeedProgramFolders(again));
    EXPECT_EQ(ReadBytes(tree.config / "Program.ini"), "[Setup]\nCOM=/fake/ttyUSB0\n");
    EXPECT_EQ(again.defaultDataFile, tree.config / "default.dat");

    const Tree portable(false, true);
    ASSERT_TRUE(SeedProgramFolders(portable.Choose()));
    EXPECT_FALSE(fs::exists(portable.config));
}

}  // namespace
}  // namespace ht57
