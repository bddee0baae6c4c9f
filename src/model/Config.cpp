#include "model/Config.h"

#include "model/DataFile.h"
#include "model/Numbers.h"
#include "model/ProfileText.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

std::string Setup(std::string_view ini, std::string_view key, std::string_view defaultValue) {
    return ProfileString(ini, "Setup", key, defaultValue);
}

std::string About(std::string_view ini, std::string_view key) {
    return ProfileString(ini, "About", key, "");
}

}  // namespace

AboutText ReadAboutText(std::string_view iniContents) {
    return {About(iniContents, "Model"), About(iniContents, "Version"),
            About(iniContents, "Copyright"), About(iniContents, "Site")};
}

StartupConfig ReadStartupConfig(std::string_view iniContents,
                                const std::filesystem::path& programFolder) {
    StartupConfig config;
    config.programFolder = programFolder;
    config.iniFile = programFolder / kIniFileName;
    config.dataFolder = programFolder / kDataFolderName;
    config.defaultDataFile = programFolder / kDefaultDataFileName;

    config.portName = Setup(iniContents, "COM", "");
    config.modelName = Setup(iniContents, "Model", "");
    // Never a hidden name: without a model (or with one starting with a dot)
    // the first save would write ".dat", which no Open dialog lists.
    const std::size_t visible = config.modelName.find_first_not_of('.');
    config.defaultSaveName = (visible == std::string::npos ? std::string(kCaptionModel)
                                                           : config.modelName.substr(visible)) +
                             ".dat";
    config.baudRate = LeadingIntegerOrZero(Setup(iniContents, "BaudRate", kDefaultBaudRate));

    config.mainCaption =
        Fill(Msg("Model", "%1 Progamming Software"), Setup(iniContents, "Model", kCaptionModel));
    config.statusModelText = Fill(Msg("Model", "%1 Programming Software"), config.modelName);
    config.treeRootText = Setup(iniContents, "Model", kTreeRootModel);

    config.copyrightPane = About(iniContents, "CopyRight");
    config.about = ReadAboutText(iniContents);
    return config;
}

std::string FileCaption(std::string_view model, std::string_view fullPath) {
    return std::string(model) + " [ " + std::string(fullPath) + " ]";
}

}  // namespace ht57
