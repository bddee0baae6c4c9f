#include "model/RecentFiles.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace ht57 {
namespace {

constexpr std::string_view kCountKey = "Count";
// Profile values are read into 256 bytes.
constexpr std::size_t kLongestValue = 255;

std::string FileKey(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

std::string Utf8(const std::filesystem::path& file) {
    const std::u8string text = file.u8string();
    return {text.begin(), text.end()};
}

}  // namespace

std::vector<std::filesystem::path> WithRecentFile(std::vector<std::filesystem::path> files,
                                                  const std::filesystem::path& file) {
    const std::filesystem::path normal = file.lexically_normal();
    std::erase_if(files, [&](const std::filesystem::path& kept) {
        return kept.lexically_normal() == normal;
    });
    files.insert(files.begin(), file);
    if (files.size() > kRecentFileCount) {
        files.resize(kRecentFileCount);
    }
    return files;
}

std::vector<std::filesystem::path> ReadRecentFiles(const CIniFile& ini) {
    const std::string countText = ini.GetString(kRecentSection, kCountKey, "0");
    std::size_t count = 0;
    std::from_chars(countText.data(), countText.data() + countText.size(), count);
    std::vector<std::filesystem::path> files;
    for (std::size_t i = 0; i < std::min(count, kRecentFileCount); ++i) {
        const std::string value = ini.GetString(kRecentSection, FileKey(i), "");
        if (!value.empty()) {
            files.emplace_back(std::u8string(value.begin(), value.end()));
        }
    }
    return files;
}

Result WriteRecentFiles(CIniFile& ini, const std::vector<std::filesystem::path>& files) {
    // Entries past the count stay in the file but are never read.
    std::size_t written = 0;
    for (const std::filesystem::path& file : files) {
        const std::string value = Utf8(file);
        if (written == kRecentFileCount || value.empty() || value.size() > kLongestValue) {
            continue;
        }
        if (Result result = ini.Write(kRecentSection, FileKey(written), value); !result) {
            return result;
        }
        ++written;
    }
    return ini.Write(kRecentSection, kCountKey, std::to_string(written));
}

}  // namespace ht57
