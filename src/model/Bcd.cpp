#include "model/Bcd.h"

namespace ht57 {
namespace {

std::uint32_t EncodePairs(std::uint32_t value, int pairs) {
    std::uint32_t field = 0;
    for (int k = 0; k < pairs; ++k) {
        const std::uint32_t pair = value % 100;
        value /= 100;
        field |= ((pair / 10) << 4 | (pair % 10)) << (8 * k);
    }
    return field;
}

std::uint32_t DecodePairs(std::uint32_t field, int pairs) {
    std::uint32_t value = 0;
    std::uint32_t weight = 1;
    for (int k = 0; k < pairs; ++k) {
        const std::uint32_t byte = (field >> (8 * k)) & 0xFF;
        value += ((byte >> 4) * 10 + (byte & 0x0F)) * weight;
        weight *= 100;
    }
    return value;
}

}  // namespace

std::uint32_t EncodeBcd32(std::uint32_t value) {
    return EncodePairs(value, 4);
}
std::uint32_t DecodeBcd32(std::uint32_t field) {
    return DecodePairs(field, 4);
}
std::uint16_t EncodeBcd16(std::uint32_t value) {
    return static_cast<std::uint16_t>(EncodePairs(value, 2));
}
std::uint32_t DecodeBcd16(std::uint16_t field) {
    return DecodePairs(field, 2);
}

}  // namespace ht57
