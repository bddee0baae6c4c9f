#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "TempFolder.h"
#include "model/IniFile.h"

namespace ht57 {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

bool RunningAsRoot() {
    return ::geteuid() == 0;
}

class IniFileTest : public ::testing::Test {
protected:
    IniFileTest() : ini_(folder_.Path()) { ini_.SetFileName("Program.ini"); }
    fs::path File() const { return folder_ / "Program.ini"; }

    TempFolder folder_;
    CIniFile ini_;
};

TEST_F(IniFileTest, PathIsProgramFolderPlusName) {
    EXPECT_EQ(ini_.Path(), folder_.Path() / "Program.ini");
    ini_.SetFileName("Other.ini");
    EXPECT_EQ(ini_.Path(), folder_.Path() / "Other.ini");
}

TEST_F(IniFileTest, ReadsTheFileAfreshOnEveryCall) {
    EXPECT_EQ(ini_.GetString("Setup", "BaudRate", "9600"), "9600");
    WriteBytes(File(), "[SETUP]\r\nbaudrate = 19200\r\n");
    EXPECT_EQ(ini_.GetString("Setup", "BaudRate", "9600"), "19200");
    WriteBytes(File(), "[Setup]\n");
    EXPECT_EQ(ini_.GetString("Setup", "BaudRate", "9600"), "9600");
}

TEST_F(IniFileTest, EmptyKeyGivesTheDefaultAsItIs) {
    WriteBytes(File(), "[Setup]\n=from file\n");
    EXPECT_EQ(ini_.GetString("Setup", "", "dflt  "), "dflt  ");
    EXPECT_EQ(ini_.GetString("Setup", "x", "dflt  "), "dflt");
}

TEST_F(IniFileTest, EmptyKeyOrValueWritesNothing) {
    EXPECT_EQ(ini_.WriteString("Setup", "", "COM3"), 0);
    EXPECT_EQ(ini_.WriteString("Setup", "COM", ""), 0);
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(IniFileTest, WriteCreatesFileAndSectionAndKeepsTheRest) {
    EXPECT_NE(ini_.WriteString("Setup", "COM", "COM3"), 0);
    EXPECT_EQ(ReadBytes(File()), "[Setup]\nCOM=COM3\n");

    const std::string original = "; keep me\r\n[About]\r\nSite=x\r\n\r\n[setup]\r\nCOM=COM3\r\n";
    WriteBytes(File(), original);
    EXPECT_NE(ini_.WriteString("Setup", "COM", "\\\\.\\COM12"), 0);
    EXPECT_EQ(ReadBytes(File()),
              "; keep me\r\n[About]\r\nSite=x\r\n\r\n[setup]\r\nCOM=\\\\.\\COM12\r\n");
    EXPECT_EQ(ini_.GetString("Setup", "COM", ""), "\\\\.\\COM12");
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"Program.ini"});
}

TEST_F(IniFileTest, RefusedEntryLeavesTheFileAlone) {
    WriteBytes(File(), "[Setup]\nCOM=COM1\n");
    EXPECT_EQ(ini_.WriteString("Setup", "COM", "COM3\n[Evil]"), 0);
    EXPECT_EQ(ReadBytes(File()), "[Setup]\nCOM=COM1\n");
}

TEST_F(IniFileTest, KeepsPermissionsAndFollowsLinks) {
    const fs::path real = folder_ / "real.ini";
    WriteBytes(real, "[Setup]\nCOM=COM1\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, File());
    ASSERT_TRUE(ini_.Write("Setup", "COM", "COM2"));
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(ReadBytes(real), "[Setup]\nCOM=COM2\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFileTest, FailedWritesSayWhyAndChangeNothing) {
    // A folder that is missing, a "folder" that is a file, a file that is a folder.
    WriteBytes(folder_ / "plain", "x");
    fs::create_directory(folder_ / "dir.ini");
    const struct {
        fs::path folder;
        const char* name;
        const char* message;
    } cases[] = {
        {folder_ / "missing", "Program.ini", "No such file or directory"},
        {folder_ / "plain", "Program.ini", "Not a directory"},
        {folder_.Path(), "dir.ini", "Is a directory"},
    };
    for (const auto& c : cases) {
        CIniFile ini(c.folder);
        ini.SetFileName(c.name);
        const Result result = ini.Write("Setup", "COM", "COM3");
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message, c.message) << c.folder;
        EXPECT_NE(result.detail.find(c.name), std::string::npos) << result.detail;
        EXPECT_EQ(ini.WriteString("Setup", "COM", "COM3"), 0);
        EXPECT_EQ(ini.GetString("Setup", "COM", "none"), "none");
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "dir.ini"));
    EXPECT_EQ(ReadBytes(folder_ / "plain"), "x");
}

TEST_F(IniFileTest, OversizedFileIsReadInPartAndNeverRewritten) {
    const std::string big = "[Setup]\nCOM=COM1\n" + std::string(CIniFile::kMaxFileSize, ';');
    WriteBytes(File(), big);
    EXPECT_EQ(ini_.GetString("Setup", "COM", ""), "COM1");
    const Result result = ini_.Write("Setup", "COM", "COM2");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "File too large");
    EXPECT_EQ(ReadBytes(File()), big);
}

TEST_F(IniFileTest, AnOverlongFirstLineHidesNothingAfterIt) {
    WriteBytes(File(),
               ";" + std::string(CIniFile::kMaxFileSize + 10, 'x') + "\n[Setup]\nCOM=COM7\n");
    EXPECT_EQ(ini_.GetString("Setup", "COM", ""), "COM7");
}

TEST_F(IniFileTest, UnreadableFileIsNotReplaced) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    WriteBytes(File(), "[Setup]\nModel=HT-57\n");
    fs::permissions(File(), fs::perms::none);
    EXPECT_EQ(ini_.GetString("Setup", "Model", "d"), "d");
    EXPECT_EQ(ini_.WriteString("Setup", "COM", "COM3"), 0);
    fs::permissions(File(), fs::perms::owner_read);
    EXPECT_EQ(ReadBytes(File()), "[Setup]\nModel=HT-57\n");
}

TEST_F(IniFileTest, ReadOnlyFolderReportsPermission) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    fs::permissions(folder_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const Result result = ini_.Write("Setup", "COM", "COM3");
    EXPECT_EQ(result.message, "Permission denied");
    fs::permissions(folder_.Path(), fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(File()));
}

}  // namespace
}  // namespace ht57
