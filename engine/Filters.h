#pragma once

#include <cmath>

#include "Oscillators.h"

// One channel of a two-pole filter; coefficients and state in double precision.
struct OrvFilterState {
    double b0 = 0.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    double z1 = 0.0, z2 = 0.0;
    // What the coefficients were made from; a refresh with the same values keeps them.
    double madeForCutoff = 0.0, madeForQ = 0.0, madeForRate = 0.0;
    int madeForShape = -1;
};

namespace orv_engine {

enum class FilterShape { LowPass, HighPass, BandPass };

// Two-pole (biquad) coefficients, band-pass at 0 dB peak; cutoff and Q are
// expected inside their safe ranges already.
struct BiquadCoefficients {
    double b0, b1, b2, a1, a2;
};

inline BiquadCoefficients biquad(FilterShape shape, double cutoff, double q, double sampleRate)
{
    const double w0 = kTwoPi * cutoff / sampleRate;
    const double cosW0 = std::cos(w0);
    const double alpha = std::sin(w0) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    double b0 = 0.0, b1 = 0.0, b2 = 0.0;
    switch (shape) {
    case FilterShape::LowPass:
        b0 = b2 = (1.0 - cosW0) * 0.5;
        b1 = 1.0 - cosW0;
        break;
    case FilterShape::HighPass:
        b0 = b2 = (1.0 + cosW0) * 0.5;
        b1 = -(1.0 + cosW0);
        break;
    case FilterShape::BandPass:
        b0 = alpha;
        b2 = -alpha;
        break;
    }
    return {b0 / a0, b1 / a0, b2 / a0, -2.0 * cosW0 / a0, (1.0 - alpha) / a0};
}

inline float filterStep(OrvFilterState& filter, float x)
{
    const double y = filter.b0 * x + filter.z1;
    filter.z1 = filter.b1 * x - filter.a1 * y + filter.z2;
    filter.z2 = filter.b2 * x - filter.a2 * y;
    return float(y);
}

} // namespace orv_engine
