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

// One line for each value a dump of the stored bytes holds otherwise than a
// dump of the same data after normalisation (what the views show after Open),
// naming the line, the key path, the stored value and the shown one.
std::vector<std::string> NormalisedValues(std::string_view stored, std::string_view shown);

}  // namespace ht57
