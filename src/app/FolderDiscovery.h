#pragma once

#include <filesystem>

#include "model/ProgramFolders.h"

namespace ht57 {

// The folder of the running executable: Program.ini, default.dat, the
// pictures and the "Data" folder live there. Needs a QCoreApplication.
std::filesystem::path ExecutableFolder();

// The folders of this run: beside the executable for a portable copy; for an
// installed one, Program.ini in the user's configuration folder and the Data
// folder in the user's data folder, ~/.config/ht57 and ~/.local/share/ht57 on
// Linux. Needs a QCoreApplication.
ProgramFolders FindProgramFolders();

}  // namespace ht57
