#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/Image.h"
#include "model/Result.h"

namespace ht57::cli {

// Where -o sends what a command writes. "-", and any path that names the
// stream standard output already is (/dev/stdout, /proc/self/fd/1, the file a
// shell redirected it to), is written to standard output in place, so nothing
// else written there is lost. Other devices and pipes are written as they
// are; regular files are replaced atomically.
Result WriteTextOutput(const std::string& output, std::string_view text);

// As WriteTextOutput, but a data file is refused when standard output is a
// terminal, and a regular file the user may not write is refused.
Result WriteDataOutput(const std::string& output, std::span<const Byte> bytes);

// The checks WriteDataOutput makes before anything is written, for commands
// that must know before a long transfer whether their result can be kept.
Result CheckDataOutput(const std::string& output);

}  // namespace ht57::cli
