#include "floatFromBigEndian.h"

#include <bit>

float floatFromBigEndian(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3)
{
    const uint32_t bits = (uint32_t(b0) << 24) | (uint32_t(b1) << 16) | (uint32_t(b2) << 8) | uint32_t(b3);
    return std::bit_cast<float>(bits);
}
