#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ht57 {

inline constexpr std::string_view kIniFileName = "Program.ini";
inline constexpr std::string_view kDataFolderName = "Data";
inline constexpr std::string_view kDefaultBaudRate = "9600";
// The model the main window's first caption names when Program.ini names none.
inline constexpr std::string_view kCaptionModel = "HT-57";
inline constexpr std::string_view kTreeRootModel = "DRN552";

// The four lines of the About box, from section About.
struct AboutText {
    std::string model;
    std::string version;
    std::string copyright;
    std::string site;
    friend bool operator==(const AboutText&, const AboutText&) = default;
};

// Everything start-up and main-window creation take from Program.ini. The Model
// key is read by several places, each with its own default, so each use has
// its own field.
struct StartupConfig {
    std::filesystem::path programFolder;
    std::filesystem::path iniFile;          // program folder + "Program.ini"
    std::filesystem::path dataFolder;       // program folder + "Data"
    std::filesystem::path defaultDataFile;  // program folder + "default.dat"
    std::string portName;                   // [Setup] COM
    std::string modelName;                  // [Setup] Model, default empty
    std::string defaultSaveName;            // model name + ".dat", never hidden
    std::int32_t baudRate = 0;              // leading digits of [Setup] BaudRate
    std::string mainCaption;                // Model (default "HT-57") + " Progamming Software"
    std::string statusModelText;            // Model (default empty) + " Programming Software"
    std::string treeRootText;               // Model, default "DRN552"
    std::string copyrightPane;              // [About] CopyRight
    AboutText about;
};

// Reads the configuration from the text of Program.ini; absent keys take
// their defaults, so empty contents give the configuration of a fresh install.
StartupConfig ReadStartupConfig(std::string_view iniContents,
                                const std::filesystem::path& programFolder);

// The About box lines from the text of Program.ini.
AboutText ReadAboutText(std::string_view iniContents);

// Main window caption after a file was opened or saved: "<model> [ <path> ]".
std::string FileCaption(std::string_view model, std::string_view fullPath);

}  // namespace ht57
