#include "PitchDetector.h"

#include <algorithm>

namespace {

// Below this mean square the window counts as silence.
constexpr double kSilentPower = 1.0e-9;
// A period is accepted where the normalised difference dips below this (noise stays near 1).
constexpr float kPeriodicity = 0.3f;

double dotProduct(const float* a, const float* b, int count)
{
    // Four partial sums keep the loop independent of the rounding order of one long chain.
    double sums[4] {};
    int index = 0;
    for (; index + 4 <= count; index += 4) {
        for (int lane = 0; lane < 4; ++lane)
            sums[lane] += double(a[index + lane]) * double(b[index + lane]);
    }
    for (; index < count; ++index)
        sums[0] += double(a[index]) * double(b[index]);
    return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

} // namespace

float detectPitch(const float* history, int shortestPeriod, int longestPeriod, float sampleRate, float* scratch)
{
    const int window = longestPeriod;
    const double windowPower = dotProduct(history, history, window);
    if (windowPower < kSilentPower * window)
        return 0.0f;

    // scratch[i] holds the normalised difference at period first + i.
    const int first = std::max(1, shortestPeriod - 1);
    const int last = longestPeriod;
    double laggedPower = dotProduct(history + first, history + first, window);
    for (int period = first; period <= last; ++period) {
        const double correlation = dotProduct(history, history + period, window);
        const double power = windowPower + laggedPower;
        scratch[period - first] = power > 0.0 ? float(1.0 - 2.0 * correlation / power) : 1.0f;
        if (period < last) {
            const float leaving = history[period];
            const float entering = history[period + window];
            laggedPower += double(entering) * entering - double(leaving) * leaving;
        }
    }

    int best = -1;
    for (int period = std::max(shortestPeriod, first); period <= last; ++period) {
        if (scratch[period - first] < kPeriodicity) {
            best = period;
            break;
        }
    }
    if (best < 0)
        return 0.0f;
    while (best < last && scratch[best + 1 - first] < scratch[best - first])
        ++best;

    double period = best;
    if (best > first && best < last) {
        const double before = scratch[best - 1 - first];
        const double at = scratch[best - first];
        const double after = scratch[best + 1 - first];
        const double curvature = before - 2.0 * at + after;
        if (curvature > 0.0)
            period += std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5);
    }
    return float(sampleRate / period);
}
