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

// As WriteTextOutput, but a data file is refused when it would go to a
// terminal. A file goes through the model's atomic-write rule: a file the
// user may not write is refused, one in a folder that takes no new files is
// rewritten in place.
Result WriteDataOutput(const std::string& output, std::span<const Byte> bytes);

// The check WriteDataOutput makes before anything is written (no terminal),
// for commands that must know before a long transfer.
Result CheckDataOutput(const std::string& output);

}  // namespace ht57::cli
