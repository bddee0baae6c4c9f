#include "model/Numbers.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "model/TextRules.h"

namespace ht57 {
namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

using text::IsDigit;

std::string_view SkipBlanks(std::string_view text) {
    return text::TrimStart(text, text::kWhiteSpace);
}

// The longest prefix of the form digits [ "." digits ], with at least one digit.
std::string_view PlainDecimalPrefix(std::string_view text) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++digits;
        }
        if (digits > 0) {
            i = j;
        }
    }
    return digits == 0 ? std::string_view{} : text.substr(0, i);
}

std::uint64_t MultiplySaturating(std::uint64_t value, int power) {
    for (int k = 0; k < power; ++k) {
        if (value > kMax / 10) {
            return kMax;
        }
        value *= 10;
    }
    return value;
}

// The C++ library of the WebAssembly build has no floating-point from_chars
// or to_chars; there the C functions stand in, which read and write the same
// plain forms (the C locale is the only one in that build).
#ifdef __EMSCRIPTEN__
std::errc ParseDouble(std::string_view number, double& value) {
    const std::string copy(number);
    errno = 0;
    value = std::strtod(copy.c_str(), nullptr);
    return errno == ERANGE ? std::errc::result_out_of_range : std::errc{};
}

// d.dddddddddddddde+XX: 15 significant digits.
const char* WriteScientific15(char* first, char* last, double value) {
    const int length = std::snprintf(first, static_cast<std::size_t>(last - first), "%.14e", value);
    return length < 0 ? first : first + std::min<std::ptrdiff_t>(length, last - first - 1);
}
#else
std::errc ParseDouble(std::string_view number, double& value) {
    return std::from_chars(number.data(), number.data() + number.size(), value,
                           std::chars_format::fixed)
        .ec;
}

const char* WriteScientific15(char* first, char* last, double value) {
    return std::to_chars(first, last, value, std::chars_format::scientific, 14).ptr;
}
#endif

}  // namespace

std::uint64_t ScaleDecimal(std::string_view text, int power) {
    const std::string_view number = PlainDecimalPrefix(SkipBlanks(text));
    if (number.empty()) {
        return 0;
    }
    double value = 0;
    const std::errc parsed = ParseDouble(number, value);
    if (parsed == std::errc::result_out_of_range) {
        // Too large when a non-zero digit stands before the point, else too small.
        const std::string_view whole = number.substr(0, number.find('.'));
        return whole.find_first_not_of('0') == std::string_view::npos ? 0 : kMax;
    }
    if (parsed != std::errc{} || value == 0) {
        return 0;
    }
    // Round the double to 15 significant digits: d.dddddddddddddde+XX.
    char buffer[64];
    const char* end = WriteScientific15(buffer, buffer + sizeof buffer, value);
    std::uint64_t mantissa = 0;
    int exponent = 0;
    const char* p = buffer;
    for (; p < end && *p != 'e'; ++p) {
        if (IsDigit(*p)) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    if (p < end) {
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    }
    // value = mantissa x 10^(exponent - 14); scaled = value x 10^power.
    const int shift = exponent - 14 + power;
    if (shift >= 0) {
        return MultiplySaturating(mantissa, shift);
    }
    for (int k = 0; k < -shift && mantissa != 0; ++k) {
        mantissa /= 10;
    }
    return mantissa;
}

std::optional<std::int32_t> ParseLeadingInteger(std::string_view text) {
    text = SkipBlanks(text);
    if (text.empty() || !IsDigit(text.front())) {
        return std::nullopt;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            break;
        }
        value = value * 10 + (c - '0');
        if (value > kLimit) {
            value = kLimit;
        }
    }
    return static_cast<std::int32_t>(value);
}

std::string FormatScaled(std::uint64_t value, int decimals) {
    std::uint64_t divisor = 1;
    for (int k = 0; k < decimals; ++k) {
        divisor *= 10;
    }
    std::string text = std::to_string(value / divisor);
    if (decimals > 0) {
        std::string fraction = std::to_string(value % divisor);
        text += '.';
        text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

}  // namespace ht57
