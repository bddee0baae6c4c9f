#include "model/ProfileText.h"

#include <vector>

#include "model/TextRules.h"

namespace ht57 {
namespace {

std::string_view Trim(std::string_view text) {
    return text::Trim(text, text::kLineBlanks);
}

// Offsets of one line: content excludes its line break.
struct Line {
    std::size_t begin;
    std::size_t contentEnd;
    std::size_t end;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Lines as a text editor shows them: ended by CRLF, LF or a lone CR. A UTF-8
// byte-order mark belongs to no line, but stays in the text for writing back.
std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (pos < text.size()) {
        const std::size_t lineBreak = text.find_first_of("\r\n", pos);
        if (lineBreak == std::string_view::npos) {
            lines.push_back({pos, text.size(), text.size()});
            break;
        }
        const bool crlf = text.substr(lineBreak, 2) == "\r\n";
        const std::size_t end = lineBreak + (crlf ? 2 : 1);
        lines.push_back({pos, lineBreak, end});
        pos = end;
    }
    return lines;
}

enum class LineKind { Blank, Comment, Section, Entry, Other };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;   // section or key
    std::string_view value;  // entries only, trimmed
};

ParsedLine ParseLine(std::string_view content) {
    const std::string_view text = Trim(content);
    if (text.empty()) {
        return {};
    }
    if (text.front() == '[') {
        std::string_view name = text.substr(1);
        name = name.substr(0, name.find(']'));
        return {LineKind::Section, Trim(name), {}};
    }
    if (text.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Other, {}, {}};
    }
    return {LineKind::Entry, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

struct Location {
    std::optional<std::size_t> keyLine;
    std::optional<std::size_t> sectionLine;  // first section of that name
    std::size_t lastLineOfSection = 0;       // last non-blank, non-comment line of it
};

Location Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location location;
    bool inMatchingSection = false;
    bool inFirstMatchingSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const ParsedLine parsed = ParseLine(text.substr(line.begin, line.contentEnd - line.begin));
        switch (parsed.kind) {
            case LineKind::Section:
                inMatchingSection = text::EqualsNoCase(parsed.name, section);
                inFirstMatchingSection = inMatchingSection && !location.sectionLine;
                if (inFirstMatchingSection) {
                    location.sectionLine = i;
                    location.lastLineOfSection = i;
                }
                break;
            case LineKind::Entry:
                if (inMatchingSection && text::EqualsNoCase(parsed.name, key)) {
                    location.keyLine = i;
                    return location;
                }
                [[fallthrough]];
            case LineKind::Other:
                if (inFirstMatchingSection) {
                    location.lastLineOfSection = i;
                }
                break;
            case LineKind::Blank:
            case LineKind::Comment:
                break;
        }
    }
    return location;
}

// The file's own line break, from its first line; LF for a file of one line.
std::string_view LineEnding(std::string_view text) {
    const std::size_t lineBreak = text.find_first_of("\r\n");
    if (lineBreak == std::string_view::npos || text[lineBreak] == '\n') {
        return "\n";
    }
    return text.substr(lineBreak, 2) == "\r\n" ? "\r\n" : "\r";
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Cuts to the value limit without leaving half of a UTF-8 character behind.
std::string CutToLimit(std::string text) {
    if (text.size() <= kProfileValueLimit) {
        return text;
    }
    std::size_t cut = kProfileValueLimit;
    if (IsContinuationByte(text[cut])) {
        std::size_t start = cut;
        for (int k = 0; k < 3 && start > 0 && IsContinuationByte(text[start]); ++k) {
            --start;
        }
        if (static_cast<unsigned char>(text[start]) >= 0xC0) {
            cut = start;
        }
    }
    text.resize(cut);
    return text;
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view contents, std::string_view section,
                                            std::string_view key) {
    const std::vector<Line> lines = SplitLines(contents);
    const Location location = Locate(contents, lines, Trim(section), Trim(key));
    if (!location.keyLine) {
        return std::nullopt;
    }
    const Line& line = lines[*location.keyLine];
    std::string_view value =
        Trim(UpToNul(ParseLine(contents.substr(line.begin, line.contentEnd - line.begin)).value));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::string ProfileString(std::string_view contents, std::string_view section, std::string_view key,
                          std::string_view defaultValue) {
    if (std::optional<std::string> value = FindProfileValue(contents, section, key)) {
        return CutToLimit(std::move(*value));
    }
    defaultValue = UpToNul(defaultValue);
    const std::size_t last = defaultValue.find_last_not_of(" \t");
    return CutToLimit(
        std::string(defaultValue.substr(0, last == std::string_view::npos ? 0 : last + 1)));
}

bool IsWritableProfileEntry(std::string_view section, std::string_view key,
                            std::string_view value) {
    constexpr std::string_view kLineBreaking{"\r\n\0", 3};
    for (std::string_view text : {section, key, value}) {
        if (text.find_first_of(kLineBreaking) != std::string_view::npos) {
            return false;
        }
    }
    const std::string_view name = Trim(key);
    return section.find(']') == std::string_view::npos && !name.empty() &&
           name.find('=') == std::string_view::npos && name.front() != '[' && name.front() != ';';
}

std::optional<std::string> SetProfileValue(std::string_view contents, std::string_view section,
                                           std::string_view key, std::string_view value) {
    if (!IsWritableProfileEntry(section, key, value)) {
        return std::nullopt;
    }
    section = Trim(section);
    key = Trim(key);
    const std::vector<Line> lines = SplitLines(contents);
    const Location location = Locate(contents, lines, section, key);
    const std::string_view eol = LineEnding(contents);
    std::string result;

    if (location.keyLine) {
        // Keep the key as spelt in the file and the blanks after '='.
        const Line& line = lines[*location.keyLine];
        std::size_t valueStart = contents.find('=', line.begin) + 1;
        while (valueStart < line.contentEnd &&
               (contents[valueStart] == ' ' || contents[valueStart] == '\t')) {
            ++valueStart;
        }
        result.append(contents.substr(0, valueStart));
        result.append(value);
        result.append(contents.substr(line.contentEnd));
        return result;
    }

    const std::string entry = std::string(key) + "=" + std::string(value);
    if (location.sectionLine) {
        const Line& after = lines[location.lastLineOfSection];
        result.append(contents.substr(0, after.end));
        if (after.end == after.contentEnd) {
            result.append(eol);
        }
        result.append(entry).append(eol);
        result.append(contents.substr(after.end));
        return result;
    }

    result.assign(contents);
    if (!lines.empty() && lines.back().end == lines.back().contentEnd) {
        result.append(eol);
    }
    if (!lines.empty() &&
        ParseLine(contents.substr(lines.back().begin, lines.back().contentEnd - lines.back().begin))
                .kind != LineKind::Blank) {
        result.append(eol);
    }
    result.append("[").append(section).append("]").append(eol);
    result.append(entry).append(eol);
    return result;
}

}  // namespace ht57
