#pragma once

#include <string>
#include <vector>

#include "model/ImageDiff.h"

namespace ht57::cli {

// The differences as a person reads them: a line per channel, one per
// setting, then the raw bytes in hexadecimal.
std::vector<std::string> DiffLines(const DataDifferences& differences);

}  // namespace ht57::cli
