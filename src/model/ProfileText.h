#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ht57 {

// The text of a private-profile (INI) file: "[section]" lines and "key=value"
// lines. Section and key names match without regard to ASCII case, blanks
// around names and values are ignored, a value wrapped in a matching pair of
// quotes loses them, and lines starting with ';' are comments. Any bytes are
// accepted: lines without '=' are skipped, a section line without its ']'
// names the rest of the line, and a value ends at a NUL byte.

// Values are read into a 256-byte buffer, so at most 255 bytes come back.
inline constexpr std::size_t kProfileValueLimit = 255;

// The value of `key` in the first section named `section` that holds it;
// nullopt when there is no such key. The value is not cut.
std::optional<std::string> FindProfileValue(std::string_view contents, std::string_view section,
                                            std::string_view key);

// What the profile-string read returns: the value, or `defaultValue` without
// its trailing blanks when the key is absent, cut to kProfileValueLimit bytes
// (never inside a UTF-8 character).
std::string ProfileString(std::string_view contents, std::string_view section, std::string_view key,
                          std::string_view defaultValue);

// False for names and values that cannot be written without breaking the file
// or changing other entries: line breaks or NUL anywhere, a ']' in the section,
// a '=' in the key, a key that is blank or starts with '[' or ';'.
bool IsWritableProfileEntry(std::string_view section, std::string_view key, std::string_view value);

// `contents` with key=value set in section: the key's line is rewritten in
// place, a missing key is added after the last entry of the section, a
// missing section is appended at the end. Every other line stays exactly as it
// was, line endings included. nullopt when the entry is not writable.
std::optional<std::string> SetProfileValue(std::string_view contents, std::string_view section,
                                           std::string_view key, std::string_view value);

}  // namespace ht57
