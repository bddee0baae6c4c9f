#include "model/CsvText.h"

namespace ht57 {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Length of the line break at `i` (CRLF, LF or a lone CR), 0 when there is none.
std::size_t BreakLength(std::string_view text, std::size_t i) {
    if (text[i] == '\n') {
        return 1;
    }
    if (text[i] == '\r') {
        return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
    }
    return 0;
}

bool IsBlank(const CsvRow& row) {
    return row.fields.size() == 1 && row.fields.front().empty() && !row.unterminatedQuote;
}

}  // namespace

std::vector<CsvRow> ParseCsv(std::string_view text, char separator) {
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    std::vector<CsvRow> rows;
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        CsvRow row;
        row.line = line;
        if (text[i] == '#') {
            while (i < text.size() && BreakLength(text, i) == 0) {
                ++i;
            }
            if (i < text.size()) {
                i += BreakLength(text, i);
                ++line;
            }
            continue;
        }
        std::string field;
        bool quoted = false;      // inside a quoted part of the field
        bool fieldBegun = false;  // the field has content, so a quote is literal
        bool recordEnded = false;
        while (i < text.size() && !recordEnded) {
            const char c = text[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                    } else {
                        quoted = false;
                        ++i;
                    }
                    continue;
                }
                if (const std::size_t length = BreakLength(text, i); length > 0) {
                    field.append(text.substr(i, length));
                    i += length;
                    ++line;
                    continue;
                }
                field += c;
                ++i;
            } else if (c == separator) {
                row.fields.push_back(std::move(field));
                field.clear();
                fieldBegun = false;
                ++i;
            } else if (const std::size_t length = BreakLength(text, i); length > 0) {
                i += length;
                ++line;
                recordEnded = true;
            } else if (c == '"' && !fieldBegun) {
                quoted = true;
                fieldBegun = true;
                ++i;
            } else {
                field += c;
                fieldBegun = true;
                ++i;
            }
        }
        row.unterminatedQuote = quoted;
        row.fields.push_back(std::move(field));
        if (!IsBlank(row)) {
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::string CsvField(std::string_view value) {
    const bool needsQuotes = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!needsQuotes) {
        return std::string(value);
    }
    std::string quotedValue = "\"";
    for (const char c : value) {
        if (c == '"') {
            quotedValue += '"';
        }
        quotedValue += c;
    }
    quotedValue += '"';
    return quotedValue;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += CsvField(fields[i]);
    }
    line += "\r\n";
    return line;
}

}  // namespace ht57
