#include "model/ProgrammingLog.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "model/CsvText.h"
#include "model/FileAccess.h"
#include "model/Sha256.h"
#include "model/UserText.h"

#if __has_include(<sys/file.h>)
#include <sys/file.h>
#include <unistd.h>
#define HT57_LOG_FLOCK 1
#endif

namespace ht57 {
namespace {

struct FileCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

OpenFile OpenForAppend(const std::filesystem::path& file) {
#ifdef _WIN32
    return OpenFile(_wfopen(file.c_str(), L"ab"));
#else
    return OpenFile(std::fopen(file.c_str(), "ab"));
#endif
}

Result Failure(int code, const std::filesystem::path& file) {
    return Result::Failure(SystemErrorText(code != 0 ? code : EIO),
                           Fill(Msg("Model", "writing the programming log %1"), file.string()));
}

}  // namespace

std::string RadioOutcomeText(RadioResult result, const std::string& cause) {
    switch (result) {
        case RadioResult::Verified:
            return "verified";
        case RadioResult::Written:
            return "written";
        case RadioResult::Failed:
            break;
    }
    return "failed: " + cause;
}

std::string Iso8601(const LocalTime& time) {
    const int offset = time.utcOffsetMinutes < 0 ? -time.utcOffsetMinutes : time.utcOffsetMinutes;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", time.year,
                  time.month, time.day, time.hour, time.minute, time.second,
                  time.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::string WrittenBytesDigest(const Image& image) {
    return Sha256Hex(std::span<const Byte>(image.data(), region::kWriteEnd));
}

std::string ProgrammingLogHeader() {
    return CsvLine({"Time", "Port", "Data file", "SHA-256", "Outcome"});
}

std::string ProgrammingLogLine(const ProgrammingRecord& record) {
    return CsvLine({record.time, record.port, record.dataFile, record.digest, record.outcome});
}

Result ProgrammingLog::Check() const {
    errno = 0;
    if (!OpenForAppend(file_)) {
        return Failure(errno, file_);
    }
    return Result::Success();
}

Result ProgrammingLog::Append(const ProgrammingRecord& record) {
    const std::lock_guard lock(mutex_);
    errno = 0;
    OpenFile stream = OpenForAppend(file_);
    if (!stream) {
        return Failure(errno, file_);
    }
#ifdef HT57_LOG_FLOCK
    // Another program appending to the same log waits for this row.
    while (::flock(::fileno(stream.get()), LOCK_EX) != 0 && errno == EINTR) {
    }
#endif
    std::string text = ProgrammingLogLine(record);
    if (std::fseek(stream.get(), 0, SEEK_END) == 0 && std::ftell(stream.get()) == 0) {
        text = ProgrammingLogHeader() + text;
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stream.get()) != text.size() ||
        std::fflush(stream.get()) != 0) {
        return Failure(errno, file_);
    }
#ifdef HT57_LOG_FLOCK
    if (::fsync(::fileno(stream.get())) != 0) {
        return Failure(errno, file_);
    }
#endif
    return Result::Success();
}

}  // namespace ht57
