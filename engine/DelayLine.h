#pragma once

#include <cstdint>

namespace orv_engine {

// Writes x at the line's write position, moves it on and returns where x went.
inline uint32_t writeLine(float* samples, uint32_t length, uint32_t& write, float x)
{
    if (write >= length)
        write = 0;
    const uint32_t position = write;
    samples[position] = x;
    write = position + 1 == length ? 0 : position + 1;
    return position;
}

// Linear interpolation between the two samples around `time` samples before `newest`.
inline float readLine(const float* samples, uint32_t length, uint32_t newest, double time)
{
    double position = double(newest) - time;
    if (position < 0.0)
        position += length;
    uint32_t index = uint32_t(position);
    if (index >= length)
        index = length - 1;
    const float fraction = float(position - index);
    const uint32_t next = index + 1 == length ? 0 : index + 1;
    return samples[index] + (samples[next] - samples[index]) * fraction;
}

} // namespace orv_engine
