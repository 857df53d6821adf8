#pragma once

#include <cmath>

#include "Bounds.h"

namespace orv_engine {

// sign(x)·|x|^e for e ≥ 0; |x|^|e| for e < 0 (a rectifier at -1, narrow pulses
// from a sine at large negative powers); clamped to [-1, 1]. Levels of the
// anti-denormal offset are silence: a small exponent would make them audible.
inline float raiseToPower(float x, float exponent)
{
    constexpr float kSilence = 1.0e-18f;
    const float magnitude = std::fabs(x);
    float result;
    if (magnitude < kSilence)
        result = 0.0f;
    else if (exponent == 1.0f)
        result = x;
    else if (exponent < 0.0f)
        result = exponent == -1.0f ? magnitude : std::pow(magnitude, -exponent);
    else if (exponent == 2.0f)
        result = x * magnitude;
    else if (exponent == 0.5f)
        result = std::copysign(std::sqrt(magnitude), x);
    else
        result = x == 0.0f ? 0.0f : std::copysign(std::pow(magnitude, exponent), x);
    return bounded(result, 1.0f);
}

// Env. Follow: a leaky sum of |x| scaled by 1 / time, curved below the threshold; -1 in silence.
inline float followEnvelope(double& envelope, float x, float coefficient, float timeScale, float threshold)
{
    envelope = coefficient * envelope + std::fabs(x);
    const float level = float(envelope) * timeScale;
    if (level < threshold) {
        const float ratio = level / threshold;
        return 2.0f * threshold * (ratio * ratio) * (ratio * ratio) - 1.0f;
    }
    return 2.0f * level - 1.0f;
}

// Quantize Frq: rounds to whole steps of `step` semitones from the stored frequency
// (440 Hz when that is not above 0).
inline double quantizeFrequency(double frequency, double stored, double step)
{
    if (frequency <= 0.0 || step <= 0.0)
        return frequency;
    const double reference = stored > 0.0 ? stored : 440.0;
    const double steps = std::round(12.0 * std::log2(frequency / reference) / step);
    return reference * std::exp2(steps * step / 12.0);
}

} // namespace orv_engine
