#pragma once

#include <filesystem>
#include <string>

#include "CliOptions.h"
#include "link/SerialLink.h"
#include "model/ProgramFolders.h"

namespace ht57::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
// import: rows skipped or changed; apply: values stored otherwise than given
inline constexpr int kExitWrittenWithChanges = 3;
// write --verify: the write completed, the read-back failed or differs.
inline constexpr int kExitWrittenUnverified = 4;
inline constexpr int kExitTrouble = 2;  // diff: a file could not be read
inline constexpr int kExitInterrupted = 130;

// The program's files as the program itself finds them: beside the tool for
// a portable copy, in the user's folders and the templates when installed.
struct Installation {
    std::filesystem::path defaultDataFile;
    PortSettings port;  // [Setup] COM and BaudRate
    std::string model;  // [Setup] Model, which names backups
};

Installation LoadInstallation(const ProgramFolders& folders);

// Each returns the process exit code; failures are reported on stderr in
// the program's own words.
int RunRead(const CliOptions& options, const Installation& installation);
int RunWrite(const CliOptions& options, const Installation& installation);
int RunList(const CliOptions& options, const Installation& installation);
int RunExport(const CliOptions& options, const Installation& installation);
int RunImport(const CliOptions& options, const Installation& installation);
int RunDump(const CliOptions& options, const Installation& installation);
int RunApply(const CliOptions& options, const Installation& installation);
// Exit 0 when the files hold the same bytes, 1 when they differ, 2 when one
// cannot be read, as diff does.
int RunDiff(const CliOptions& options);

}  // namespace ht57::cli
