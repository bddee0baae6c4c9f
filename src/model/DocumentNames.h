#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/Backup.h"

namespace ht57 {

// "2026-12-09".
std::string DateText(const LocalTime& time);
// "2026-12-09 06:15".
std::string DateTimeText(const LocalTime& time);

// The name data read from a radio goes by until it is saved: the model (made
// safe for a file name) and the day, "HT-57 2026-12-09".
std::string ReadDocumentStem(std::string_view model, const LocalTime& time);

// The name a save or export dialog proposes: the open file's name with
// `extension` (".dat", ".csv"), or `untitledStem` with it when the data is in
// no file. An empty stem gives "HT-57".
std::string ProposedFileName(const std::filesystem::path& currentFile,
                             std::string_view untitledStem, std::string_view extension);

}  // namespace ht57
