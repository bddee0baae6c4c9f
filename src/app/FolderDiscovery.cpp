#include "app/FolderDiscovery.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace ht57 {

std::filesystem::path ExecutableFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

ProgramFolders FindProgramFolders() {
    const auto userFolder = [](QStandardPaths::StandardLocation location) {
        return std::filesystem::path(QStandardPaths::writableLocation(location).toStdString()) /
               "ht57";
    };
    return ChooseProgramFolders(ExecutableFolder(),
                                userFolder(QStandardPaths::GenericConfigLocation),
                                userFolder(QStandardPaths::GenericDataLocation));
}

}  // namespace ht57
