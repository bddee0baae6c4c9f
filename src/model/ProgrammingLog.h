#pragma once

#include <filesystem>
#include <mutex>
#include <string>

#include "model/Backup.h"
#include "model/Image.h"
#include "model/Result.h"

namespace ht57 {

// How one radio of a batch came out, in the words the log and the command
// line use: "verified", "written" or "failed: <cause>".
enum class RadioResult { Verified, Written, Failed };

std::string RadioOutcomeText(RadioResult result, const std::string& cause = {});

// The cause a radio stopped by the user is logged with.
inline constexpr const char* kInterruptedCause = "Interrupted";

// "2024-05-01T12:03:09+02:00": the local time with its offset from UTC.
std::string Iso8601(const LocalTime& time);

// SHA-256 of the bytes a Write sends (0x000 to 0xFEF): the same for every
// radio written from one file, so a log shows which radios got which data.
std::string WrittenBytesDigest(const Image& image);

// One row of the programming log.
struct ProgrammingRecord {
    std::string time;      // Iso8601
    std::string port;      // as the session opened it
    std::string dataFile;  // the data file's name, without its folder
    std::string digest;    // WrittenBytesDigest
    std::string outcome;   // RadioOutcomeText
};

// The CSV header line and a row, each ending in CRLF.
std::string ProgrammingLogHeader();
std::string ProgrammingLogLine(const ProgrammingRecord& record);

// Appends rows to a CSV file, the header first when the file is new or
// empty. Each row reaches the disk before Append returns, and rows of
// several threads or programs appending at once never mix.
class ProgrammingLog {
public:
    explicit ProgrammingLog(std::filesystem::path file) : file_(std::move(file)) {}

    // Whether rows can be appended, creating the file (empty) when missing;
    // checked before the first radio so no batch runs for a log it cannot keep.
    Result Check() const;

    Result Append(const ProgrammingRecord& record);

    const std::filesystem::path& File() const { return file_; }

private:
    std::filesystem::path file_;
    std::mutex mutex_;
};

}  // namespace ht57
