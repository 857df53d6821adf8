#pragma once

#include <algorithm>
#include <cstdint>

#include "Bounds.h"

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

// Where a read `time` samples before `newest` falls: the sample before it and how far on.
struct LinePoint {
    uint32_t index;
    float fraction;
};

inline LinePoint pointBefore(uint32_t length, uint32_t newest, double time)
{
    double position = double(newest) - time;
    if (position < 0.0)
        position += length;
    uint32_t index = uint32_t(position);
    if (index >= length)
        index = length - 1;
    return {index, float(position - index)};
}

// Linear interpolation between the two samples around `time` samples before `newest`.
inline float readLine(const float* samples, uint32_t length, uint32_t newest, double time)
{
    const auto [index, fraction] = pointBefore(length, newest, time);
    const uint32_t next = index + 1 == length ? 0 : index + 1;
    return samples[index] + (samples[next] - samples[index]) * fraction;
}

// Writes `count` samples in a row, as writeLine does one at a time.
inline void writeLineRun(float* samples, uint32_t length, uint32_t& write, const float* from, int count)
{
    if (write >= length)
        write = 0;
    for (int done = 0; done < count;) {
        const int run = int(std::min<uint32_t>(uint32_t(count - done), length - write));
        std::copy_n(from + done, run, samples + write);
        done += run;
        write += uint32_t(run);
        if (write == length)
            write = 0;
    }
}

// `count` frames of readLine at one time, bounded, the first reading back from `newest`.
// A time of at least one sample keeps position - index exact in double (a float time
// has no bits below 2^-23, a position none above 2^20), so every frame reads at the
// first frame's fraction from the pair one sample on.
inline void readConstantDelay(const float* samples, uint32_t length, uint32_t newest, double time, float* output,
                              int count)
{
    auto [index, fraction] = pointBefore(length, newest, time);
    for (int frame = 0; frame < count;) {
        if (index + 1 == length) {
            output[frame++] = samples[index] + (samples[0] - samples[index]) * fraction;
            index = 0;
            continue;
        }
        const int run = int(std::min<uint32_t>(uint32_t(count - frame), length - 1 - index));
        const float* from = samples + index;
        float* to = output + frame;
        for (int step = 0; step < run; ++step)
            to[step] = from[step] + (from[step + 1] - from[step]) * fraction;
        frame += run;
        index += uint32_t(run);
    }
    boundRow(output, output, count);
}

} // namespace orv_engine
