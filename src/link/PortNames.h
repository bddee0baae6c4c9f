#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ht57 {

inline constexpr int kPortCount = 16;

// Port n becomes "COM%d" for 1..9 and the device-namespace form "\\.\COM%d"
// from 10 upward.
std::string PortNameForNumber(int number);

// The number after the first 'M' of a name, read like scanf's "%*[^M]M%d":
// at least one character before the 'M', optional blanks and sign, then
// digits. "COM3" gives 3, "\\.\COM12" gives 12, "/dev/ttyACM0" gives 0;
// no number (or one too large for an int) gives nullopt. Callers check the
// range 1..kPortCount themselves.
std::optional<int> ScanPortNumber(std::string_view name);

}  // namespace ht57
