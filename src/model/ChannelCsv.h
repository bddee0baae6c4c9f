#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/Image.h"
#include "model/Result.h"

namespace ht57 {

// The channel list layout other radio programs exchange, with busy lock, which
// they have no column for, last. Export writes this header; import matches
// columns by name, so the older 17-column form and a bare "Location,Frequency"
// file read as well.
inline constexpr std::string_view kChannelCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,"
    "BusyLock";

// A Power column at or above this many tenths of a watt means High; export
// writes High as 5.0W and Low as 1.0W.
inline constexpr int kHighPowerTenthsOfWatt = 20;

// Larger files are refused rather than read into memory.
inline constexpr std::size_t kChannelCsvSizeLimit = 16 * 1024 * 1024;

enum class ImportScope {
    NamedChannels,  // channels the file does not name keep their records
    ReplaceAll,     // channels no imported row fills are cleared
};

// Where rows land. By Location, a file numbered from 0 moves up by one. In
// order, rows take channels from `firstChannel` on, skipping channels in use
// when `fillFree` is set; the Location column is then not needed.
struct ImportPlacement {
    bool inOrder = false;
    int firstChannel = 1;
    bool fillFree = false;
};

struct ImportOptions {
    ImportScope scope = ImportScope::NamedChannels;
    ImportPlacement placement{};
    // Names cut to five characters that would read alike get a number at
    // their end instead (CITY1, CITY2).
    bool distinctNames = false;
    // Columns whose header is empty or no column of a channel list are
    // passed over, each named in the report, instead of refusing the file.
    bool ignoreUnknownColumns = false;
    // ',' for files; '\t' for rows pasted from a spreadsheet.
    char separator = ',';
};

// A row that was skipped, or imported with a change or something worth a note.
struct ImportIssue {
    int line = 0;
    int location = 0;  // 0 when the row names no usable channel
    bool skipped = false;
    std::vector<std::string> reasons;
};

struct ChannelImportReport {
    int rows = 0;      // data rows read (blank and comment lines not counted)
    int imported = 0;  // rows stored into a channel
    int skipped = 0;
    int cleared = 0;  // channels cleared by ReplaceAll
    std::vector<ImportIssue> issues;
    // About the whole file: a shifted numbering, a column missing or passed
    // over, cut names that read alike.
    std::vector<std::string> notes;
    // Channels a skipped row named and no row stored: they keep their record,
    // under ReplaceAll too.
    std::vector<int> kept;
};

// One CSV row per channel in use under `limits`, after the header, CRLF line
// ends; busy lock goes in the last column, which other programs ignore.
std::string ExportChannelCsv(const Image& image, const FrequencyLimits& limits);

// Stores the rows of a channel CSV into the image as the channel grid would
// store them: frequencies snapped to the raster, tones from the tone list,
// names cut to five name characters, busy lock Off unless the file gives it.
// A row whose receive or transmit frequency lies outside `limits`, whose
// meaning the radio cannot hold, or that has values past the header's
// columns, is skipped, and the channel it names keeps its record even under
// ReplaceAll; every skipped or changed row is listed in `report`, values the
// radio has no place for (Skip, Comment) included, and so is every column of
// the layout the file lacks, with the value its fields took.
// Fails, changing nothing, when the text is no channel list (no Location or
// Frequency column, a column named twice, a column with values whose header
// is empty or unknown unless `ignoreUnknownColumns`, no data row, a quote
// never closed), or when no row could be stored (the report then says why).
Result ImportChannelCsv(std::string_view csv, const ImportOptions& options,
                        const FrequencyLimits& limits, Image& image, ChannelImportReport& report);

inline Result ImportChannelCsv(std::string_view csv, ImportScope scope,
                               const FrequencyLimits& limits, Image& image,
                               ChannelImportReport& report) {
    return ImportChannelCsv(csv, ImportOptions{.scope = scope}, limits, image, report);
}

// What the import did in one line: rows stored of rows read, skipped, the
// channels of skipped rows kept, the other channels cleared.
std::string ImportSummary(const ChannelImportReport& report);

// The report as a person reads it: one line per issue, the notes, the
// channels kept, then the summary.
std::vector<std::string> ImportReportLines(const ChannelImportReport& report);

// What the first line of a text names, to tell a channel list's header from
// the grid's own column titles.
struct ChannelListHeader {
    bool frequency = false;
    bool location = false;
};
ChannelListHeader ReadChannelListHeader(std::string_view text, char separator);

Result ReadChannelCsvFile(const std::filesystem::path& file, std::string& text);
Result WriteChannelCsvFile(const std::filesystem::path& file, const Image& image,
                           const FrequencyLimits& limits);

}  // namespace ht57
