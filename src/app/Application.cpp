#include "app/Application.h"

#include <system_error>

#include "model/DataFile.h"

namespace ht57 {

Application::Application(std::filesystem::path programFolder)
    : ini_(programFolder), config_(ReadStartupConfig({}, programFolder)) {
    ini_.SetFileName(kIniFileName);
}

Result Application::InitInstance() {
    config_ = ReadStartupConfig(ini_.ReadContents(), config_.programFolder);
    port_.name = config_.portName;
    port_.baudRate = config_.baudRate;

    // A folder that cannot be created is not reported: the file dialogs
    // then start wherever the system puts them.
    std::error_code ignored;
    if (!std::filesystem::exists(config_.dataFolder, ignored)) {
        std::filesystem::create_directory(config_.dataFolder, ignored);
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
