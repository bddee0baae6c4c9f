#include "model/FileAccess.h"
#include "model/UserText.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define HT57_HAS_FSYNC 1
#endif

namespace ht57 {
namespace fs = std::filesystem;

namespace {

std::FILE* OpenFile(const fs::path& file, const char* mode) {
#ifdef _WIN32
    const std::string narrow(mode);
    return _wfopen(file.c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
#else
    return std::fopen(file.c_str(), mode);
#endif
}

int LastErrorOr(int fallback) {
    return errno != 0 ? errno : fallback;
}

Result Failure(int code, std::string detail) {
    return Result::Failure(SystemErrorText(code), std::move(detail));
}

std::string RandomSuffix() {
    static thread_local std::mt19937_64 generator{
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(generator()));
    return buffer;
}

// Creates a new file beside `target` that did not exist before.
std::FILE* CreateTemporaryBeside(const fs::path& target, fs::path& temporary, int& error) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target;
        temporary.replace_filename("." + target.filename().string() + "." + RandomSuffix() +
                                   ".tmp");
        errno = 0;
        if (std::FILE* file = OpenFile(temporary, "wbx")) {
            return file;
        }
        error = LastErrorOr(EIO);
        if (error != EEXIST) {
            return nullptr;
        }
    }
    return nullptr;
}

#if defined(__linux__) && defined(O_TMPFILE)
// A file with no name in `folder`: a save killed before it is linked leaves
// nothing behind. Returns -1 where the file system cannot make one.
int CreateAnonymousIn(const fs::path& folder) {
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// Gives the anonymous file a temporary name beside `target`, so that it can
// be renamed over it: a file system without a way to link an open file
// reports failure and the caller falls back to a named temporary file.
bool LinkAnonymousBeside(int descriptor, const fs::path& target, fs::path& temporary, int& error) {
    const std::string self = "/proc/self/fd/" + std::to_string(descriptor);
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target;
        temporary.replace_filename("." + target.filename().string() + "." + RandomSuffix() +
                                   ".tmp");
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        error = errno;
        if (error != EEXIST) {
            return false;
        }
    }
    return false;
}
#endif

// Makes the data of a closed-or-open stream reach the disk before the rename
// makes it visible under the target's name.
bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef HT57_HAS_FSYNC
    if (::fsync(::fileno(file)) != 0) {
        return false;
    }
#endif
    return true;
}

// Writes `bytes` to a new file beside `target` that is complete, on the disk
// and carries the permissions of the file it will replace before it gets its
// temporary name `temporary`. Where the file system makes files without a
// name, a save killed before it is done leaves nothing behind; elsewhere a
// named temporary file takes the bytes from the start.
Result WriteTemporaryBeside(const fs::path& target, const fs::path& folder,
                            const fs::file_status& existing, std::span<const Byte> bytes,
                            fs::path& temporary) {
    const auto writeAll = [&](std::FILE* stream) {
        errno = 0;
        return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
               FlushToDisk(stream);
    };
    std::error_code ec;
#if defined(__linux__) && defined(O_TMPFILE)
    if (const int descriptor = CreateAnonymousIn(folder); descriptor >= 0) {
        std::FILE* stream = ::fdopen(descriptor, "wb");
        if (stream == nullptr) {
            ::close(descriptor);
        } else {
            int error = 0;
            bool linked = false;
            if (!writeAll(stream)) {
                error = LastErrorOr(EIO);
            } else {
                if (fs::is_regular_file(existing)) {
                    (void)::fchmod(descriptor,
                                   static_cast<mode_t>(existing.permissions() & fs::perms::all));
                }
                linked = LinkAnonymousBeside(descriptor, target, temporary, error);
            }
            errno = 0;
            if (std::fclose(stream) != 0 && linked) {
                fs::remove(temporary, ec);
                return Failure(LastErrorOr(EIO),
                               Fill(Msg("Model", "Cannot write %1"), target.string()));
            }
            if (linked) {
                return Result::Success();
            }
            if (error != 0 && error != EXDEV && error != ENOENT && error != EPERM &&
                error != EOPNOTSUPP) {
                return Failure(error, Fill(Msg("Model", "Cannot write %1"), target.string()));
            }
            // No way to name the file here: write a named one instead.
        }
    }
#else
    (void)folder;
#endif
    int error = 0;
    std::FILE* stream = CreateTemporaryBeside(target, temporary, error);
    if (stream == nullptr) {
        return Failure(error,
                       Fill(Msg("Model", "Cannot create a file beside %1"), target.string()));
    }
    const bool written = writeAll(stream);
    error = LastErrorOr(EIO);
    errno = 0;
    const bool closed = std::fclose(stream) == 0;
    if (written && !closed) {
        error = LastErrorOr(EIO);
    }
    if (!written || !closed) {
        fs::remove(temporary, ec);
        return Failure(error, Fill(Msg("Model", "Cannot write %1"), target.string()));
    }
    if (fs::is_regular_file(existing)) {
        fs::permissions(temporary, existing.permissions(), ec);
    }
    return Result::Success();
}

// Whether the user may change `path`. Besides asking the system, a file or
// folder without any write permission bit counts as protected for every
// user, the superuser included: replacing a write-protected file by renaming
// a new one over it would otherwise succeed behind the protection's back.
bool MayWrite(const fs::path& path, const fs::file_status& status) {
    constexpr fs::perms kAnyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & kAnyWrite) == fs::perms::none) {
        return false;
    }
#ifdef HT57_HAS_FSYNC
    return ::access(path.c_str(), W_OK) == 0;
#else
    (void)path;
    return true;
#endif
}

// Left-overs of saves of `target` that were killed before their rename:
// ".NAME.<16 hex digits>.tmp" beside it.
void RemoveStaleTemporaries(const fs::path& target) {
    const std::string prefix = "." + target.filename().string() + ".";
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 16 + 4 || !name.starts_with(prefix) ||
            !name.ends_with(".tmp")) {
            continue;
        }
        const std::string_view hex = std::string_view(name).substr(prefix.size(), 16);
        if (hex.find_first_not_of("0123456789abcdef") == std::string_view::npos &&
            it->is_regular_file(ec)) {
            stale.push_back(it->path());
        }
    }
    for (const fs::path& file : stale) {
        fs::remove(file, ec);
    }
}

// Rewrites a file in its own place, for a folder that takes no new files.
// A write that fails puts the old contents back.
Result WriteInPlace(const fs::path& target, std::span<const Byte> bytes) {
    errno = 0;
    std::FILE* stream = OpenFile(target, "r+b");
    if (stream == nullptr) {
        return Failure(LastErrorOr(EIO), Fill(Msg("Model", "Cannot write %1"), target.string()));
    }
    std::vector<Byte> old;
    Byte chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0;) {
        old.insert(old.end(), chunk, chunk + got);
    }
    const auto writeAll = [stream](std::span<const Byte> data) {
        std::rewind(stream);
        errno = 0;
        return std::fwrite(data.data(), 1, data.size(), stream) == data.size() &&
               FlushToDisk(stream)
#ifdef HT57_HAS_FSYNC
               && ::ftruncate(::fileno(stream), static_cast<off_t>(data.size())) == 0
#endif
            ;
    };
    int error = 0;
    if (std::ferror(stream)) {
        error = LastErrorOr(EIO);
    } else if (!writeAll(bytes)) {
        error = LastErrorOr(EIO);
        std::clearerr(stream);
        (void)writeAll(old);
    }
    if (std::fclose(stream) != 0 && error == 0) {
        error = LastErrorOr(EIO);
    }
    if (error != 0) {
        return Failure(error, Fill(Msg("Model", "Cannot write %1"), target.string()));
    }
    return Result::Success();
}

void SyncFolder([[maybe_unused]] const fs::path& folder) {
#ifdef HT57_HAS_FSYNC
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    const int descriptor = ::open(name.c_str(), O_RDONLY);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
#endif
}

// The library's text for a code no system uses, with that code's number (if it
// shows) written as `code`'s.
std::string UnknownCodeText(int unused, int code) {
    std::string text = std::system_category().message(unused);
    const std::string digits = std::to_string(unused);
    if (const std::size_t at = text.find(digits); at != std::string::npos) {
        text.replace(at, digits.size(), std::to_string(code));
    }
    return text;
}

}  // namespace

std::string SystemErrorText(int code) {
    if (code == 0) {
        return Fill(kNoErrorText);
    }
    // C libraries word the text of an unknown code differently ("Unknown
    // error 987654", "No error information", "unspecified system_category
    // error"), and some word negative codes apart: a code is unknown when its
    // text is the one an unused code of its sign gets.
    constexpr int kUnusedCode = 1 << 30;
    const std::string text = std::system_category().message(code);
    if (text.empty() || text == UnknownCodeText(code < 0 ? -kUnusedCode : kUnusedCode, code)) {
        return Fill(kNoErrorText);
    }
    return text;
}

FileStart ReadFileStart(const fs::path& file, std::size_t limit, std::size_t lineLimit) {
    FileStart result;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found) {
        // A missing file, or a path through something that is not a folder.
        result.error = ec ? ec.value() : ENOENT;
        return result;
    }
    if (ec) {
        result.error = ec.value();
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.error = fs::is_directory(status) ? EISDIR : EINVAL;
        return result;
    }
    errno = 0;
    std::FILE* stream = OpenFile(file, "rb");
    if (stream == nullptr) {
        result.error = LastErrorOr(EIO);
        return result;
    }
    result.opened = true;
    constexpr std::size_t kChunk = 64 * 1024;
    std::vector<Byte> chunk(kChunk);
    std::size_t lineLength = 0;  // bytes of the current line seen so far
    while (result.bytes.size() < limit) {
        errno = 0;
        const std::size_t got = std::fread(chunk.data(), 1, kChunk, stream);
        for (std::size_t i = 0; i < got && result.bytes.size() < limit; ++i) {
            const bool lineBreak = chunk[i] == '\n' || chunk[i] == '\r';
            lineLength = lineBreak ? 0 : lineLength + 1;
            if (lineLength <= lineLimit) {
                result.bytes.push_back(chunk[i]);
            }
        }
        if (got < kChunk) {
            if (std::ferror(stream)) {
                result.error = LastErrorOr(EIO);
            }
            break;
        }
    }
    std::fclose(stream);
    return result;
}

Result WriteFileAtomically(const fs::path& target, std::span<const Byte> bytes) {
    std::error_code ec;
    fs::path destination = target;
    // Replace the file a link points at, not the link itself.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path real = fs::canonical(target, ec);
        if (!ec) {
            destination = real;
        }
    }
    const fs::file_status existing = fs::status(destination, ec);
    if (fs::is_directory(existing)) {
        return Failure(EISDIR, Fill(Msg("Model", "Cannot replace %1"), destination.string()));
    }
    if (fs::exists(existing) && !fs::is_regular_file(existing)) {
        return Failure(EINVAL, Fill(Msg("Model", "Cannot replace %1"), destination.string()));
    }
    if (fs::is_regular_file(existing) && !MayWrite(destination, existing)) {
        return Failure(EACCES, Fill(Msg("Model", "Cannot write %1"), destination.string()));
    }
    const fs::path folder =
        destination.parent_path().empty() ? fs::path(".") : destination.parent_path();
    if (fs::is_regular_file(existing) && !MayWrite(folder, fs::status(folder, ec))) {
        return WriteInPlace(destination, bytes);
    }
    RemoveStaleTemporaries(destination);

    fs::path temporary;
    Result written = WriteTemporaryBeside(destination, folder, existing, bytes, temporary);
    if (!written) {
        return written;
    }
    fs::rename(temporary, destination, ec);
    if (ec) {
        const int code = ec.value();
        fs::remove(temporary, ec);
        return Failure(code, Fill(Msg("Model", "Cannot replace %1"), destination.string()));
    }
    SyncFolder(destination.parent_path());
    return Result::Success();
}

}  // namespace ht57
