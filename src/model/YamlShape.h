#pragma once

#include <cstddef>
#include <istream>
#include <streambuf>
#include <string_view>

#include "model/Result.h"

namespace ht57 {

// A configuration nests four levels (top, section, channel, field); this
// leaves room for any style a person writes it in.
inline constexpr int kDeepestYamlNesting = 16;

// Characters a YAML token can begin or end with, line ends included, that a
// text may hold. A whole configuration in any style holds a few thousand.
inline constexpr std::size_t kMostYamlMarks = 20'000;

// Refuses YAML text that means more than one thing, or that would cost more
// to read than any configuration does, before a document is built from it:
// a key given twice in one mapping (numbers written with leading zeros count
// as the number), a second document, nesting deeper than
// kDeepestYamlNesting, more than kMostYamlMarks marks, or text that is no
// YAML. The message names the line, and for a repeated key both lines.
Result CheckYamlShape(std::string_view yaml);

// YAML text read in place: yaml-cpp takes a stream, and a string stream
// would hold a copy of text that may run to megabytes.
class YamlTextStream : private std::streambuf, public std::istream {
public:
    explicit YamlTextStream(std::string_view text) : std::istream(this) {
        // The buffer is only read from, so the text is never written through.
        char* first = const_cast<char*>(text.data());
        setg(first, first, first + text.size());
    }
};

}  // namespace ht57
