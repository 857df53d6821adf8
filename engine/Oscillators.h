#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace orv_engine {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPi = std::numbers::pi;

// A 15-bit noise value (0..32767) from a linear congruential generator that
// each engine owns, so the audio thread shares no state and takes no lock.
inline int nextNoiseValue(uint32_t& state)
{
    state = state * 1103515245u + 12345u;
    return int(state >> 16) & 0x7FFF;
}

inline double wrapPhase(double phase)
{
    if (phase >= 0.0 && phase < kTwoPi)
        return phase;
    if (!std::isfinite(phase))
        return 0.0;
    phase -= kTwoPi * std::floor(phase / kTwoPi);
    return phase < kTwoPi ? phase : 0.0;
}

// Sine of a phase in [0, 2π) from an odd polynomial, within 1e-9 of the library's.
inline double fastSine(double phase)
{
    double x = phase - kPi; // sin(phase) = -sin(phase - π)
    if (x > 0.5 * kPi)
        x = kPi - x;
    else if (x < -0.5 * kPi)
        x = -kPi - x;
    const double x2 = x * x;
    const double series = 1.0 + x2 * (-1.0 / 6 + x2 * (1.0 / 120 + x2 * (-1.0 / 5040 + x2 * (1.0 / 362880
        + x2 * (-1.0 / 39916800 + x2 * (1.0 / 6227020800.0))))));
    return -x * series;
}

// Smoothing residual of a unit step at normalised distance t from it (polyBLEP).
inline double stepResidual(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// Oscillators are ±1 and aligned with the sine: Square is high over the first
// half cycle, Saw rises from 0 and jumps from highest to lowest at phase π.
inline double triangleWave(double phase)
{
    const double t = phase / kTwoPi;
    if (t < 0.25)
        return 4.0 * t;
    if (t < 0.75)
        return 2.0 - 4.0 * t;
    return 4.0 * t - 4.0;
}

// `dt` is the phase step as a fraction of a cycle; 0 gives the plain waveform.
inline double squareWave(double phase, double dt)
{
    const double t = phase / kTwoPi;
    double value = t < 0.5 ? 1.0 : -1.0;
    if (dt > 0.0) {
        value += stepResidual(t, dt);
        double fromFall = t + 0.5;
        if (fromFall >= 1.0)
            fromFall -= 1.0;
        value -= stepResidual(fromFall, dt);
    }
    return value;
}

inline double sawWave(double phase, double dt)
{
    const double t = phase / kTwoPi;
    double value = t < 0.5 ? 2.0 * t : 2.0 * t - 2.0;
    if (dt > 0.0) {
        double fromJump = t + 0.5;
        if (fromJump >= 1.0)
            fromJump -= 1.0;
        value -= stepResidual(fromJump, dt);
    }
    return value;
}

// PhaseShape bends the oscillator's phase at a knee: amount 0 leaves it, towards
// +1 the first half cycle is squeezed, towards -1 the second (phase distortion;
// on a Square it moves the edge, i.e. pulse width). `slope` returns how much
// faster the bent phase runs, for the band-limiting.
inline double shapePhase(double phase, double amount, double& slope)
{
    const double knee = kPi * (1.0 - std::clamp(amount, -0.99, 0.99));
    if (phase < knee) {
        slope = kPi / knee;
        return phase * slope;
    }
    slope = kPi / (kTwoPi - knee);
    return kPi + (phase - knee) * slope;
}

} // namespace orv_engine
