#include "app/Application.h"

#include <QCoreApplication>
#include <system_error>

#include "model/Backup.h"
#include "model/DataFile.h"
#include "model/UserText.h"

namespace ht57 {

namespace {

ProgramFolders Portable(const std::filesystem::path& programFolder) {
    ProgramFolders folders;
    folders.configFolder = programFolder;
    folders.resourceFolder = programFolder;
    folders.dataFolder = programFolder / kDataFolderName;
    folders.backupFolder = folders.dataFolder / kBackupFolderName;
    folders.defaultDataFile = programFolder / kDefaultDataFileName;
    return folders;
}

}  // namespace

void TranslateModelTexts() {
    SetTextTranslator([](const char* source) {
        return QCoreApplication::translate("Model", source).toStdString();
    });
}

Application::Application(std::filesystem::path programFolder)
    : Application(Portable(programFolder)) {}

Application::Application(const ProgramFolders& folders)
    : folders_(folders),
      ini_(folders.configFolder),
      config_(ReadStartupConfig({}, folders.configFolder)) {
    ini_.SetFileName(kIniFileName);
    config_.dataFolder = folders_.dataFolder;
    config_.defaultDataFile = folders_.defaultDataFile;
}

Result Application::InitInstance() {
    config_ = ReadStartupConfig(ini_.ReadContents(), config_.programFolder);
    config_.dataFolder = folders_.dataFolder;
    config_.defaultDataFile = folders_.defaultDataFile;
    port_.name = config_.portName;
    port_.baudRate = config_.baudRate;

    // A folder that cannot be created is not reported: the file dialogs
    // then start wherever the system puts them.
    std::error_code ignored;
    if (!std::filesystem::exists(config_.dataFolder, ignored)) {
        // An installed program's user data folder may not exist yet either.
        std::filesystem::create_directories(config_.dataFolder, ignored);
    }

    return LoadReferenceImage(config_.defaultDataFile, data_.reference);
}

Result Application::ExitInstance() {
    if (port_.name.empty()) {
        return Result::Success();
    }
    return ini_.Write("Setup", "COM", port_.name);
}

std::string Application::SetupModel(std::string_view defaultValue) const {
    return ini_.GetString("Setup", "Model", defaultValue);
}

}  // namespace ht57
