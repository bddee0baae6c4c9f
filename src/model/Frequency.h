#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ht57 {

// Frequencies are whole units of 10 Hz; 146.52 MHz is 14,652,000.
inline constexpr std::uint32_t kUnitsPerMHz = 100'000;

// MHz text to 10 Hz units, exact in decimal: "136.015" gives 13,601,500.
// Text that does not begin with a plain decimal number gives 0; values beyond
// 32 bits saturate at UINT32_MAX.
std::uint32_t ParseFrequency(std::string_view text);

// 10 Hz units to MHz text as "%3.5f" would print the exact quotient.
std::string FormatFrequency(std::uint32_t value);

// Moves a value onto the nearest point of the union of the 5 kHz and 6.25 kHz
// rasters; a tie goes to the earlier of: down 5k, up 5k, down 6.25k, up 6.25k.
std::uint32_t SnapFrequency(std::uint32_t value);

}  // namespace ht57
