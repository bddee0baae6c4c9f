#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "model/Image.h"
#include "model/Result.h"

namespace ht57 {

// Every successful Read leaves a copy of what was read in this folder under
// the data folder.
inline constexpr std::string_view kBackupFolderName = "Backups";

struct LocalTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int utcOffsetMinutes = 0;  // east of UTC; what the clock showed, summer time included
};

LocalTime CurrentLocalTime();

// The model name made safe as part of a file name on any system: characters
// other than letters, digits, blank, '-', '_', '.', '+' and parentheses become
// '_', and a leading dot or trailing blanks and dots go. "HT-57" when nothing
// is left.
std::string SafeFileNamePart(std::string_view text);

// "<model>_2024-05-01_13-45-07.dat"; `copy` 2 and up adds "-2" before the
// extension, for a second backup within the same second.
std::string BackupFileName(std::string_view model, const LocalTime& time, int copy = 1);

struct BackupOutcome {
    Result result;
    std::filesystem::path file;  // the file written, empty on failure
};

// Writes `bytes` as a new file in `folder` (created when missing), never over
// an existing file: a name already taken moves on to the next copy number. A
// failure leaves no partial file behind.
BackupOutcome WriteBackup(const std::filesystem::path& folder, std::string_view model,
                          const LocalTime& time, std::span<const Byte> bytes);

}  // namespace ht57
