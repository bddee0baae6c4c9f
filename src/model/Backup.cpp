#include "model/Backup.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "model/Config.h"
#include "model/FileAccess.h"
#include "model/UserText.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define HT57_BACKUP_FSYNC 1
#endif

namespace ht57 {
namespace {

// Enough for any model name a person types; keeps the whole name well under
// every file system's limit.
constexpr std::size_t kLongestModelPart = 64;
constexpr int kMostCopies = 1000;

bool IsSafe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view(" -_.+()").find(c) != std::string_view::npos;
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

Result Failure(int code, const std::filesystem::path& file) {
    return Result::Failure(SystemErrorText(code),
                           Fill(Msg("Model", "writing the backup %1"), file.string()));
}

// Writes the whole file and makes it reach the disk; false with `error` set
// when anything fails.
bool WriteAll(std::FILE* stream, std::span<const Byte> bytes, int& error) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size() ||
        std::fflush(stream) != 0) {
        error = errno != 0 ? errno : EIO;
        return false;
    }
#ifdef HT57_BACKUP_FSYNC
    if (::fsync(::fileno(stream)) != 0) {
        error = errno != 0 ? errno : EIO;
        return false;
    }
#endif
    return true;
}

}  // namespace

LocalTime CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
#ifdef _WIN32
    std::tm utc{};
    gmtime_s(&utc, &now);
    utc.tm_isdst = parts.tm_isdst;
    const int offset = static_cast<int>(std::difftime(now, std::mktime(&utc)) / 60);
#else
    const int offset = static_cast<int>(parts.tm_gmtoff / 60);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
            parts.tm_min,         parts.tm_sec,     offset};
}

std::string SafeFileNamePart(std::string_view text) {
    std::string safe;
    for (const char c : text.substr(0, std::min(text.size(), kLongestModelPart))) {
        safe += IsSafe(c) ? c : '_';
    }
    while (!safe.empty() && safe.front() == '.') {
        safe.erase(safe.begin());
    }
    while (!safe.empty() && (safe.back() == ' ' || safe.back() == '.')) {
        safe.pop_back();
    }
    return safe.empty() ? std::string(kCaptionModel) : safe;
}

std::string BackupFileName(std::string_view model, const LocalTime& time, int copy) {
    std::string name = SafeFileNamePart(model) + "_" + std::to_string(time.year) + "-" +
                       TwoDigits(time.month) + "-" + TwoDigits(time.day) + "_" +
                       TwoDigits(time.hour) + "-" + TwoDigits(time.minute) + "-" +
                       TwoDigits(time.second);
    if (copy > 1) {
        name += "-" + std::to_string(copy);
    }
    return name + ".dat";
}

BackupOutcome WriteBackup(const std::filesystem::path& folder, std::string_view model,
                          const LocalTime& time, std::span<const Byte> bytes) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        return {Failure(ec.value(), folder), {}};
    }
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        const std::filesystem::path file = folder / BackupFileName(model, time, copy);
        errno = 0;
        // "x": created here or not at all, so no earlier backup is overwritten.
        std::FILE* stream = std::fopen(file.c_str(), "wbx");
        if (stream == nullptr) {
            const int error = errno != 0 ? errno : EIO;
            if (error == EEXIST) {
                continue;
            }
            return {Failure(error, file), {}};
        }
        int error = 0;
        const bool written = WriteAll(stream, bytes, error);
        if (std::fclose(stream) != 0 && written) {
            error = errno != 0 ? errno : EIO;
        }
        if (error != 0) {
            std::filesystem::remove(file, ec);
            return {Failure(error, file), {}};
        }
        return {Result::Success(), file};
    }
    return {Failure(EEXIST, folder / BackupFileName(model, time)), {}};
}

}  // namespace ht57
