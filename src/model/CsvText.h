#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ht57 {

// One record of a comma-separated file.
struct CsvRow {
    int line = 0;  // 1-based line on which the record starts
    std::vector<std::string> fields;
    bool unterminatedQuote = false;  // a quoted field ran to the end of the text
};

// Splits comma-separated text into records. A UTF-8 byte-order mark at the
// start is dropped; lines may end in CRLF, LF or CR; a quoted field may hold
// commas, line breaks and doubled quotes. Blank lines and lines that begin
// with '#' yield no record. Fields are not trimmed: blanks inside a name are
// part of it. `separator` is ',' for files, '\t' for text a spreadsheet copies.
std::vector<CsvRow> ParseCsv(std::string_view text, char separator = ',');

// A field as written to a file: quoted when it holds a comma, a quote or a
// line break, or begins or ends with a blank (which readers tend to trim).
std::string CsvField(std::string_view value);

// A record ending in CRLF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace ht57
