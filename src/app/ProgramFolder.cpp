#include "app/ProgramFolder.h"

#include <QCoreApplication>

namespace ht57 {

std::filesystem::path ExecutableFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace ht57
