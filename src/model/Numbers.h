#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ht57 {

// Every number the program reads from text goes through these two functions.
// Only a plain decimal number is accepted (leading blanks, digits, an optional
// point and digits); signs, exponents, "inf", "nan" and hexadecimal forms read
// as no number at all. Results saturate instead of overflowing.

// The leading decimal number of `text`, taken to 15 significant digits (as a
// double would carry it), multiplied by 10^power exactly and truncated toward
// zero. 0 when the text does not begin with a number; saturates at UINT64_MAX.
std::uint64_t ScaleDecimal(std::string_view text, int power);

// The leading run of decimal digits as an integer, like "%d" or atoi without a
// sign; nullopt when the text does not begin with a digit. Saturates at INT32_MAX.
std::optional<std::int32_t> ParseLeadingInteger(std::string_view text);

// ParseLeadingInteger with 0 for text that holds no number.
inline std::int32_t LeadingIntegerOrZero(std::string_view text) {
    return ParseLeadingInteger(text).value_or(0);
}

// value / 10^decimals written with exactly `decimals` digits after the point,
// as "%.Nf" prints an exact decimal quotient.
std::string FormatScaled(std::uint64_t value, int decimals);

}  // namespace ht57
