#pragma once

#include <filesystem>

namespace ht57 {

// The folder of the running executable: Program.ini, default.dat, the
// pictures and the "Data" folder live there. Needs a QCoreApplication.
std::filesystem::path ExecutableFolder();

}  // namespace ht57
