// ht57-cli: Read, Write, the channel listing, channel CSV files, the whole
// configuration as YAML and data file comparison without the window.

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "CliOptions.h"
#include "CliPorts.h"
#include "model/Config.h"

int main(int argc, char** argv) {
    using namespace ht57::cli;
    std::string error;
    const auto options = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "ht57-cli: %s\n\n%s", error.c_str(), CliUsage().c_str());
        return kExitUsage;
    }
    if (options->command == Command::Help) {
        std::fputs(CliUsage(options->helpTopic).c_str(), stdout);
        return kExitSuccess;
    }
    if (options->command == Command::Version) {
        std::puts("ht57-cli " HT57_VERSION);
        return kExitSuccess;
    }
    // The serial line needs a QCoreApplication, and it tells where the
    // program folder is.
    QCoreApplication app(argc, argv);
    const auto userFolder = [](QStandardPaths::StandardLocation location) {
        return std::filesystem::path(QStandardPaths::writableLocation(location).toStdString()) /
               "ht57";
    };
    const ht57::ProgramFolders folders =
        ht57::ChooseProgramFolders(QCoreApplication::applicationDirPath().toStdString(),
                                   userFolder(QStandardPaths::GenericConfigLocation),
                                   userFolder(QStandardPaths::GenericDataLocation));
    // The tool reads Program.ini but never writes it; an installed program's
    // first start seeds it, and until then the template is read as it stands.
    ht57::ProgramFolders readable = folders;
    if (folders.installed && !std::filesystem::exists(folders.configFolder / ht57::kIniFileName)) {
        readable.configFolder = folders.iniTemplate.parent_path();
    }
    const Installation installation = LoadInstallation(readable);
    switch (options->command) {
        case Command::Read:
            return RunRead(*options, installation);
        case Command::Write:
            return RunWrite(*options, installation);
        case Command::List:
            return RunList(*options, installation);
        case Command::Export:
            return RunExport(*options, installation);
        case Command::Import:
            return RunImport(*options, installation);
        case Command::Dump:
            return RunDump(*options, installation);
        case Command::Apply:
            return RunApply(*options, installation);
        case Command::Diff:
            return RunDiff(*options);
        case Command::Ports:
            return RunPorts();
        case Command::Help:
        case Command::Version:
            break;
    }
    return kExitSuccess;
}
