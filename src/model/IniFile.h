#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/Result.h"

namespace ht57 {

// A private-profile file in the program folder, read and written with the
// profile-string rules of ProfileText.h. Every call reads the file afresh, as
// the platform calls did, so edits made by hand between calls are seen.
class CIniFile {
public:
    // Larger files are read only this far and never rewritten.
    static constexpr std::size_t kMaxFileSize = 1024 * 1024;
    // Longer lines are read only this far, so that one cannot hide the rest.
    static constexpr std::size_t kMaxLineLength = 64 * 1024;

    CIniFile() = default;
    explicit CIniFile(std::filesystem::path programFolder);

    // Path = program folder + name.
    void SetFileName(std::string_view name);
    const std::filesystem::path& Path() const { return path_; }

    // The whole file, empty when it is absent or unreadable.
    std::string ReadContents() const;

    // An empty key gives the default without touching the file.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;

    // 0 when key or value is empty (nothing is written) or the write failed,
    // otherwise non-zero.
    int WriteString(std::string_view section, std::string_view key, std::string_view value);

    // WriteString with the reason for a failure. The file is replaced
    // atomically; a missing file or section is created.
    Result Write(std::string_view section, std::string_view key, std::string_view value);

private:
    std::filesystem::path programFolder_;
    std::filesystem::path path_;
};

}  // namespace ht57
