#pragma once

#include <string>
#include <string_view>

// Character rules shared by every text the program reads: ASCII only, never
// the locale, so a file reads the same on every machine.
namespace ht57::text {

// What counts as blank differs by source: a CSV field is padded with spaces
// and tabs only; a profile line has had its line break cut off already; a
// number may be preceded by any white space, line breaks included.
inline constexpr std::string_view kFieldBlanks = " \t";
inline constexpr std::string_view kLineBlanks = " \t\r\v\f";
inline constexpr std::string_view kWhiteSpace = " \t\n\r\v\f";

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one point and at least one digit; no sign, no exponent.
constexpr bool IsPlainDecimal(std::string_view text) {
    bool point = false;
    bool digit = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (IsDigit(c)) {
            digit = true;
        } else {
            return false;
        }
    }
    return digit;
}

constexpr bool IsIn(std::string_view set, char c) {
    return set.find(c) != std::string_view::npos;
}

constexpr char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr std::string_view TrimStart(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

constexpr std::string_view Trim(std::string_view text, std::string_view blanks) {
    text = TrimStart(text, blanks);
    return text.substr(0, text.find_last_not_of(blanks) + 1);
}

constexpr bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

inline std::string ToLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = Lower(c);
    }
    return lower;
}

inline void ToUpperInPlace(std::string& text) {
    for (char& c : text) {
        c = Upper(c);
    }
}

}  // namespace ht57::text
