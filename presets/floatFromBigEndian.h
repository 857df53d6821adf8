#pragma once

#include <cstdint>

// The float whose IEEE 754 bit pattern is b0 b1 b2 b3, most significant byte
// first. Every pattern passes unchanged: denormals, negative zero and NaNs.
float floatFromBigEndian(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3);
