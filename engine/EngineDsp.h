#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace orv_dsp {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPi = std::numbers::pi;

// Module signals are held inside this bound, so runaway feedback saturates
// instead of overflowing; a NaN becomes 0.
constexpr float kSignalCeiling = 1.0e5f;

inline float bounded(float x, float limit = kSignalCeiling)
{
    const float number = x == x ? x : 0.0f;
    return std::min(std::max(number, -limit), limit);
}

// A record field as the engine may use it: inside [low, high], `fallback` when not finite.
inline float clampField(float value, float low, float high, float fallback)
{
    if (!std::isfinite(value))
        return fallback;
    return std::clamp(value, low, high);
}

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

} // namespace orv_dsp
