#include "model/ProgramFolders.h"

#include <system_error>

#include "model/Backup.h"
#include "model/Config.h"
#include "model/DataFile.h"
#include "model/FileAccess.h"
#include "model/UserText.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace ht57 {
namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool CanWrite([[maybe_unused]] const fs::path& folder) {
#if __has_include(<unistd.h>)
    return ::access(folder.c_str(), W_OK) == 0;
#else
    return true;
#endif
}

}  // namespace

ProgramFolders ChooseProgramFolders(const fs::path& executableFolder,
                                    const fs::path& userConfigFolder,
                                    const fs::path& userDataFolder) {
    const fs::path templates = (executableFolder / kTemplateFolder).lexically_normal();
    const bool templatesThere = Exists(templates / kDefaultDataFileName);
    const bool portableThere = Exists(executableFolder / kDefaultDataFileName);
    ProgramFolders folders;
    folders.installed = templatesThere && (!portableThere || !CanWrite(executableFolder));
    if (!folders.installed) {
        folders.configFolder = executableFolder;
        folders.resourceFolder = executableFolder;
        folders.dataFolder = executableFolder / kDataFolderName;
        folders.defaultDataFile = executableFolder / kDefaultDataFileName;
    } else {
        folders.configFolder = userConfigFolder;
        folders.resourceFolder = templates;
        folders.dataFolder = userDataFolder / kDataFolderName;
        const fs::path own = userConfigFolder / kDefaultDataFileName;
        folders.defaultDataFile = Exists(own) ? own : templates / kDefaultDataFileName;
        folders.iniTemplate = templates / kIniFileName;
    }
    folders.backupFolder = folders.dataFolder / kBackupFolderName;
    return folders;
}

Result SeedProgramFolders(const ProgramFolders& folders) {
    if (!folders.installed) {
        return Result::Success();
    }
    std::error_code ec;
    fs::create_directories(folders.configFolder, ec);
    if (ec) {
        return Result::Failure(SystemErrorText(ec.value()),
                               Fill(Msg("Model", "creating %1"), folders.configFolder.string()));
    }
    const fs::path ini = folders.configFolder / kIniFileName;
    if (Exists(ini) || !Exists(folders.iniTemplate)) {
        return Result::Success();
    }
    const FileStart contents = ReadFileStart(folders.iniTemplate, 1024 * 1024);
    if (!contents.opened || contents.error != 0) {
        return Result::Failure(SystemErrorText(contents.error),
                               Fill(Msg("Model", "reading %1"), folders.iniTemplate.string()));
    }
    return WriteFileAtomically(ini, contents.bytes);
}

}  // namespace ht57
