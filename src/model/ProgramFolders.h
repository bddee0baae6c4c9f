#pragma once

#include <filesystem>

#include "model/Result.h"

namespace ht57 {

// Where an installed program finds its templates, from its executable's folder.
inline constexpr const char* kTemplateFolder = "../share/ht57";

// Where the program keeps its files. A portable copy keeps everything beside
// the executable. An installed one (its folder holds no default.dat, or cannot
// be written, and the installed templates are there) reads its templates from
// the template folder and keeps Program.ini, the Data folder and the backups
// in the user's own folders.
struct ProgramFolders {
    bool installed = false;
    std::filesystem::path configFolder;     // Program.ini, read at start and written at exit
    std::filesystem::path resourceFolder;   // pictures: Background.bmp, logo.ico
    std::filesystem::path dataFolder;       // "Data", the file dialogs' folder
    std::filesystem::path backupFolder;     // "Backups" in the data folder
    std::filesystem::path defaultDataFile;  // the user's own default.dat, else the template
    std::filesystem::path iniTemplate;      // copied to the config folder when missing
};

// `userConfigFolder` and `userDataFolder` are the program's folders under the
// user's configuration and data locations (~/.config/ht57, ~/.local/share/ht57).
ProgramFolders ChooseProgramFolders(const std::filesystem::path& executableFolder,
                                    const std::filesystem::path& userConfigFolder,
                                    const std::filesystem::path& userDataFolder);

// An installed program's first start: creates the config folder and copies
// the Program.ini template into it unless one is there. Nothing for a
// portable copy. An existing Program.ini is never touched.
Result SeedProgramFolders(const ProgramFolders& folders);

}  // namespace ht57
