#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ht57 {

// One line for each value `given` names that `stored` (a dump of the data it
// was applied to) holds otherwise, naming the given line, the key path, the
// value given and the value stored. Numbers count as equal when only their
// writing differs ("100" and "100.00"), flags when they mean the same.
// Keys `stored` lacks are passed over. Both texts must be valid YAML.
std::vector<std::string> ReadBackDifferences(std::string_view given, std::string_view stored);

}  // namespace ht57
