#pragma once

#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <string>

#include "link/SerialLink.h"
#include "model/Config.h"
#include "model/IniFile.h"
#include "model/ProgramFolders.h"
#include "model/RadioData.h"
#include "model/Result.h"

namespace ht57 {

// Makes the model's and the link engine's texts follow the translation the
// program has loaded (context "Model"). Called once, right after the
// QApplication is made and before any worker thread starts.
void TranslateModelTexts();

// Caption of the program's own message boxes.
inline constexpr const char* kProgramTitle = QT_TRANSLATE_NOOP("Program", "Program");

inline QString ProgramTitle() {
    return QCoreApplication::translate("Program", kProgramTitle);
}

// The application object: the program folder, Program.ini and the values
// taken from it, the port settings and the one data set the program edits.
// Everything else borrows these by reference; tests build their own instance
// on a folder of their choosing.
class Application {
public:
    // A portable program: everything lives in `programFolder`.
    explicit Application(std::filesystem::path programFolder);
    // Program.ini, the data folder, the templates and the pictures where
    // `folders` says (an installed program keeps them apart).
    explicit Application(const ProgramFolders& folders);

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The start-up steps before the main window: reads Program.ini, creates
    // the "Data" folder and takes the reference image from "default.dat". A
    // failure carries the message that must end the program before any
    // window shows.
    Result InitInstance();

    // Writes the port name back to [Setup] COM, unless it is empty.
    Result ExitInstance();

    RadioData& Data() { return data_; }
    const RadioData& Data() const { return data_; }
    PortSettings& Port() { return port_; }
    const StartupConfig& Config() const { return config_; }
    const std::filesystem::path& ProgramFolder() const { return config_.programFolder; }
    const std::filesystem::path& DataFolder() const { return config_.dataFolder; }
    std::filesystem::path DefaultDataFile() const { return config_.defaultDataFile; }
    // Background.bmp and logo.ico.
    const std::filesystem::path& ResourceFolder() const { return folders_.resourceFolder; }
    // Where each successful Read leaves a copy of what it read.
    const std::filesystem::path& BackupFolder() const { return folders_.backupFolder; }

    // [Setup] Model as the file now says, `defaultValue` when absent: several
    // places read it afresh, each with its own default.
    std::string SetupModel(std::string_view defaultValue) const;

    CIniFile& Ini() { return ini_; }

private:
    ProgramFolders folders_;
    CIniFile ini_;
    StartupConfig config_;
    PortSettings port_;
    RadioData data_;
};

}  // namespace ht57
