#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "ProgramPlayer.h"

namespace engine_test {

constexpr int kSecond = int(kRate);

// A player on the factory program of that name.
inline ProgramPlayer playerFor(const char* name)
{
    const int index = ProgramPlayer(0).indexOf(name);
    EXPECT_GE(index, 0) << name;
    return ProgramPlayer(index);
}

// Samples from..to-1 of a channel.
inline std::vector<float> slice(const std::vector<float>& samples, size_t from, size_t to)
{
    return std::vector<float>(samples.begin() + long(from), samples.begin() + long(to));
}

inline float peak(const std::vector<float>& samples, size_t from = 0)
{
    float largest = 0.0f;
    for (size_t n = from; n < samples.size(); ++n)
        largest = std::max(largest, std::fabs(samples[n]));
    return largest;
}

inline float peak(const Stereo& signal, size_t from = 0)
{
    return std::max(peak(signal.left, from), peak(signal.right, from));
}

} // namespace engine_test
