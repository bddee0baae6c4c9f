#include <gtest/gtest.h>

#include "model/Config.h"

namespace ht57 {
namespace {

const std::filesystem::path kFolder = "/opt/ht57";

TEST(StartupConfig, FreshInstallWithoutProgramIni) {
    const StartupConfig config = ReadStartupConfig("", kFolder);
    EXPECT_EQ(config.programFolder, kFolder);
    EXPECT_EQ(config.iniFile, kFolder / "Program.ini");
    EXPECT_EQ(config.dataFolder, kFolder / "Data");
    EXPECT_EQ(config.defaultDataFile, kFolder / "default.dat");
    EXPECT_EQ(config.portName, "");
    EXPECT_EQ(config.modelName, "");
    EXPECT_EQ(config.defaultSaveName, "HT-57.dat");
    EXPECT_EQ(config.baudRate, 9600);
    EXPECT_EQ(config.mainCaption, "HT-57 Progamming Software");
    EXPECT_EQ(config.statusModelText, " Programming Software");
    EXPECT_EQ(config.treeRootText, "DRN552");
    EXPECT_EQ(config.copyrightPane, "");
    EXPECT_EQ(config.about, AboutText{});
}

TEST(StartupConfig, ModelKeyFeedsEveryReader) {
    const StartupConfig config = ReadStartupConfig("[Setup]\nModel=RX9\nCOM=COM3\n", kFolder);
    EXPECT_EQ(config.portName, "COM3");
    EXPECT_EQ(config.modelName, "RX9");
    EXPECT_EQ(config.defaultSaveName, "RX9.dat");
    EXPECT_EQ(config.mainCaption, "RX9 Progamming Software");
    EXPECT_EQ(config.statusModelText, "RX9 Programming Software");
    EXPECT_EQ(config.treeRootText, "RX9");
}

TEST(StartupConfig, BaudRateTakesLeadingDigits) {
    const struct {
        const char* ini;
        std::int32_t baud;
    } cases[] = {
        {"[Setup]\nBaudRate=19200\n", 19200},
        {"[Setup]\nBaudRate=19200abc\n", 19200},
        {"[Setup]\nBaudRate=abc\n", 0},
        {"[Setup]\nBaudRate=\n", 0},
        {"[Setup]\nBaudRate=-4800\n", 0},
        {"[Setup]\nBaudRate= 4800 \n", 4800},
        {"[Setup]\nBaudRate=99999999999999999999\n", 2147483647},
        {"[About]\nBaudRate=1200\n", 9600},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadStartupConfig(c.ini, kFolder).baudRate, c.baud) << c.ini;
    }
}

TEST(StartupConfig, AboutValuesAndTheSharedCopyrightKey) {
    const StartupConfig config = ReadStartupConfig(
        "[About]\nModel=M\nVersion=V\nCopyright=C\nSite=S\n[Setup]\nModel=HT-57\n", kFolder);
    EXPECT_EQ(config.about, (AboutText{"M", "V", "C", "S"}));
    // CopyRight and Copyright are one key.
    EXPECT_EQ(config.copyrightPane, "C");
    EXPECT_EQ(config.modelName, "HT-57");
    EXPECT_EQ(ReadAboutText("[About]\nCOPYRIGHT=x\n").copyright, "x");
}

TEST(FileCaption, ModelThenPathInBrackets) {
    EXPECT_EQ(FileCaption("HT-57", "/home/u/Data/a.dat"), "HT-57 [ /home/u/Data/a.dat ]");
    EXPECT_EQ(FileCaption("", "x.dat"), " [ x.dat ]");
}

}  // namespace
}  // namespace ht57
