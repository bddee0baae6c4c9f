#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/Image.h"
#include "model/Result.h"
#include "model/UserText.h"

namespace ht57 {

// Shown when the operating system has no text for an error code.
inline constexpr const char* kNoErrorText = Msg("Model", "Sorry, error not find.");

// The operating system's own text for an error code (errno on POSIX), or
// kNoErrorText when it has none.
std::string SystemErrorText(int code);

struct FileStart {
    bool opened = false;      // false when the file is absent, not a regular file or unreadable
    int error = 0;            // error code of the failed open or read, 0 when there was none
    std::vector<Byte> bytes;  // at most the limit asked for, from the start of the file
};

// Reads up to `limit` bytes from the start of a regular file. Directories,
// pipes and devices are never opened, so nothing here can block or read forever.
// Bytes of a line (ended by LF or CR) beyond `lineLimit` are passed over
// without counting towards `limit`, so one huge line cannot hide the rest.
FileStart ReadFileStart(const std::filesystem::path& file, std::size_t limit,
                        std::size_t lineLimit = SIZE_MAX);

// Replaces `target` with `bytes` so that the file is either the old one or the
// complete new one: the bytes go to a temporary file beside it, are flushed to
// the disk and then renamed over the target. On failure the old file is left
// untouched and the temporary file removed. Temporary files an earlier,
// killed save of the same target left behind are removed first.
// A file the user may not write is refused (EACCES) and left alone. A
// writable file in a folder that takes no new files is rewritten in place;
// a write that fails there puts the old contents back.
Result WriteFileAtomically(const std::filesystem::path& target, std::span<const Byte> bytes);

}  // namespace ht57
