#include "link/PortNames.h"

#include <cctype>
#include <limits>

namespace ht57 {

std::string PortNameForNumber(int number) {
    std::string name = "COM" + std::to_string(number);
    return number >= 10 ? "\\\\.\\" + name : name;
}

std::optional<int> ScanPortNumber(std::string_view name) {
    // "%*[^M]" needs at least one character that is not 'M'.
    const std::size_t m = name.find('M');
    if (m == std::string_view::npos || m == 0) {
        return std::nullopt;
    }
    std::size_t i = m + 1;
    while (i < name.size() && std::isspace(static_cast<unsigned char>(name[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < name.size() && (name[i] == '+' || name[i] == '-')) {
        negative = name[i] == '-';
        ++i;
    }
    if (i >= name.size() || !std::isdigit(static_cast<unsigned char>(name[i]))) {
        return std::nullopt;
    }
    long long value = 0;
    for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i) {
        value = value * 10 + (name[i] - '0');
        if (value > std::numeric_limits<int>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace ht57
