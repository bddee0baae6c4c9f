#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "model/IniFile.h"
#include "model/Result.h"

namespace ht57 {

// The data files last opened or saved, most recent first, kept in their own
// section of Program.ini for the File menu.
inline constexpr std::size_t kRecentFileCount = 8;
inline constexpr std::string_view kRecentSection = "Recent Files";

// `file` moves to the front; the same file further down goes, and the list
// keeps the eight most recent.
std::vector<std::filesystem::path> WithRecentFile(std::vector<std::filesystem::path> files,
                                                  const std::filesystem::path& file);

// The list as kept; empty when the section is missing.
std::vector<std::filesystem::path> ReadRecentFiles(const CIniFile& ini);

// A path longer than a profile value can hold is left out rather than kept cut.
Result WriteRecentFiles(CIniFile& ini, const std::vector<std::filesystem::path>& files);

}  // namespace ht57
