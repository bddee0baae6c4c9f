#pragma once

#include "model/Image.h"

namespace ht57 {

// `width` bits of `byte` starting at bit `shift` (bit 0 is the least significant).
constexpr int GetBits(Byte byte, int shift, int width) {
    return (byte >> shift) & ((1 << width) - 1);
}

constexpr bool GetBit(Byte byte, int bit) {
    return GetBits(byte, bit, 1) != 0;
}

// Replaces those bits with the low `width` bits of `value`; a negative value
// therefore sets them all, as a list without a selection does.
constexpr void SetBits(Byte& byte, int shift, int width, int value) {
    const unsigned mask = ((1u << width) - 1u) << shift;
    byte = static_cast<Byte>((byte & ~mask) | ((static_cast<unsigned>(value) << shift) & mask));
}

constexpr void SetBit(Byte& byte, int bit, bool on) {
    SetBits(byte, bit, 1, on ? 1 : 0);
}

}  // namespace ht57
