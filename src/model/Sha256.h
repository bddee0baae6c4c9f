#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/Image.h"

namespace ht57 {

// SHA-256 (FIPS 180-4), fed in pieces of any size.
class Sha256 {
public:
    using Digest = std::array<Byte, 32>;

    Sha256();

    void Add(std::span<const Byte> bytes);
    // Pads and returns the digest; the object is spent afterwards.
    Digest Finish();

private:
    void Compress(const Byte* block);

    std::array<std::uint32_t, 8> state_;
    std::array<Byte, 64> pending_{};
    std::size_t pendingSize_ = 0;
    std::uint64_t totalBytes_ = 0;
};

// The digest as 64 lower-case hexadecimal digits, as sha256sum prints it.
std::string Sha256Hex(std::span<const Byte> bytes);

}  // namespace ht57
