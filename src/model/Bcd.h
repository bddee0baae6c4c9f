#pragma once

#include <cstdint>

#include "model/Image.h"

namespace ht57 {

// Packed BCD, least significant digit pair first. Decoding does not check
// that the nibbles are decimal: an all-0xFF field decodes to 166,666,665.
// Encoding keeps the low 8 (or 4) decimal digits.
std::uint32_t EncodeBcd32(std::uint32_t value);
std::uint32_t DecodeBcd32(std::uint32_t field);
std::uint16_t EncodeBcd16(std::uint32_t value);
std::uint32_t DecodeBcd16(std::uint16_t field);

inline std::uint32_t LoadLe32(const Byte* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline void StoreLe32(Byte* p, std::uint32_t v) {
    p[0] = static_cast<Byte>(v);
    p[1] = static_cast<Byte>(v >> 8);
    p[2] = static_cast<Byte>(v >> 16);
    p[3] = static_cast<Byte>(v >> 24);
}

inline std::uint16_t LoadLe16(const Byte* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline void StoreLe16(Byte* p, std::uint16_t v) {
    p[0] = static_cast<Byte>(v);
    p[1] = static_cast<Byte>(v >> 8);
}

inline std::uint32_t ReadBcd32(const Byte* p) {
    return DecodeBcd32(LoadLe32(p));
}
inline void WriteBcd32(Byte* p, std::uint32_t value) {
    StoreLe32(p, EncodeBcd32(value));
}
inline std::uint32_t ReadBcd16(const Byte* p) {
    return DecodeBcd16(LoadLe16(p));
}
inline void WriteBcd16(Byte* p, std::uint32_t value) {
    StoreLe16(p, EncodeBcd16(value));
}

}  // namespace ht57
