#pragma once

#include <cmath>
#include <random>
#include <vector>

#include "RenderChecks.h"

namespace engine_test {

// Samples from `fromSeconds` to `toSeconds` of a channel.
inline std::vector<float> secondsOf(const std::vector<float>& samples, double fromSeconds, double toSeconds)
{
    return slice(samples, size_t(std::lround(fromSeconds * kRate)), size_t(std::lround(toSeconds * kRate)));
}

inline std::vector<float> whiteNoise(float amplitude, int frames, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-amplitude, amplitude);
    std::vector<float> samples(size_t(frames), 0.0f);
    for (float& sample : samples)
        sample = noise(random);
    return samples;
}

// Where and how strongly a click arrives around `frame`.
struct Arrival {
    double size = 0.0; // sum of the magnitudes, which the linear interpolation of a delay keeps
    double time = 0.0; // magnitude-weighted mean frame, which it moves by the fractional delay
};

inline Arrival arrivalNear(const std::vector<float>& samples, double frame, int reach)
{
    Arrival arrival;
    double weighted = 0.0;
    for (long n = long(frame) - reach; n <= long(frame) + reach; ++n) {
        const double magnitude = std::fabs(samples[size_t(n)]);
        arrival.size += magnitude;
        weighted += magnitude * double(n);
    }
    arrival.time = arrival.size > 0.0 ? weighted / arrival.size : 0.0;
    return arrival;
}

// The zero-crossing frequency of the excerpt centred on `centre` seconds.
inline double frequencyAround(const std::vector<float>& samples, double centre, double halfWidth)
{
    return crossingFrequency(secondsOf(samples, centre - halfWidth, centre + halfWidth));
}

// Where a source sits between the outputs, -1 left .. 1 right, from its levels in the
// two buses under the pan law: the far side is scaled by 1 - |position|, the near side kept.
inline double panPosition(double leftLevel, double rightLevel)
{
    return leftLevel <= rightLevel ? 1.0 - leftLevel / rightLevel : rightLevel / leftLevel - 1.0;
}

} // namespace engine_test
