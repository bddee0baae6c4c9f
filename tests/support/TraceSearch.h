#pragma once

#include <algorithm>
#include <vector>

#include "model/Image.h"

namespace ht57::test {

// How often `needle` stands in the simulator's trace (overlaps counted).
inline int CountOf(const std::vector<Byte>& haystack, const std::vector<Byte>& needle) {
    int count = 0;
    for (auto it = haystack.begin();
         (it = std::search(it, haystack.end(), needle.begin(), needle.end())) != haystack.end();
         ++it) {
        ++count;
    }
    return count;
}

}  // namespace ht57::test
