#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ProgramPlayer.h"

namespace engine_test {

inline int frames(double seconds) { return int(std::lround(seconds * kRate)); }

// A signal given as a function of time in seconds, so that a test can also read it between samples.
using Waveform = std::function<double(double)>;

inline Waveform sineWave(double frequency, double amplitude, double offset = 0.0)
{
    return [=](double t) { return offset + amplitude * std::sin(2.0 * std::numbers::pi * frequency * t); };
}

inline std::vector<float> sampled(const Waveform& wave, int count)
{
    std::vector<float> samples(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n)
        samples[size_t(n)] = float(wave(n / double(kRate)));
    return samples;
}

// A sine that plays `first` Hz, then `second` Hz, each for `seconds`, without a jump.
inline std::vector<float> pitchStep(double first, double second, double seconds, double amplitude)
{
    std::vector<float> samples(static_cast<size_t>(frames(2.0 * seconds)));
    double phase = 0.0;
    for (size_t n = 0; n < samples.size(); ++n) {
        samples[n] = float(amplitude * std::sin(phase));
        phase += 2.0 * std::numbers::pi * (long(n) < frames(seconds) ? first : second) / kRate;
    }
    return samples;
}

// What a delay swept by a sine LFO gives: the input read base × (1 + depth × sin) samples late, times the gain.
inline std::vector<double> sweptDelay(const Waveform& input, double gain, double baseSamples, double depth, double rate,
                                      int count)
{
    std::vector<double> out(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n) {
        const double t = n / double(kRate);
        const double delay = baseSamples * (1.0 + depth * std::sin(2.0 * std::numbers::pi * rate * t)) / kRate;
        out[size_t(n)] = t < delay ? 0.0 : gain * input(t - delay);
    }
    return out;
}

inline void expectSamplesNear(const std::vector<float>& actual, const std::vector<double>& expected, double tolerance,
                              const std::string& what, size_t from = 0)
{
    for (size_t n = from; n < actual.size(); ++n)
        ASSERT_NEAR(actual[n], expected[n], tolerance) << what << " at frame " << n;
}

// A program's selected state, played from its start over a stereo input.
inline Stereo playProgram(const char* name, const Stereo& input)
{
    ProgramPlayer player(0);
    const int index = player.indexOf(name);
    EXPECT_GE(index, 0) << name;
    selectProgram(player.core, index);
    return player.play(input);
}

inline double peak(const std::vector<float>& samples, size_t from = 0, size_t to = SIZE_MAX)
{
    double largest = 0.0;
    for (size_t n = from; n < std::min(to, samples.size()); ++n)
        largest = std::max(largest, double(std::fabs(samples[n])));
    return largest;
}

inline std::vector<float> excerpt(const std::vector<float>& samples, double fromSeconds, double toSeconds)
{
    return {samples.begin() + frames(fromSeconds), samples.begin() + frames(toSeconds)};
}

// The times in seconds at which the signal's magnitude rises past the threshold
// after at least `quietSeconds` below it: the starts of clicks and echoes.
inline std::vector<double> onsets(const std::vector<float>& samples, double threshold, double quietSeconds)
{
    std::vector<double> times;
    const long quietFrames = frames(quietSeconds);
    long lastLoud = -quietFrames - 1;
    for (size_t n = 0; n < samples.size(); ++n) {
        if (std::fabs(samples[n]) < threshold)
            continue;
        if (long(n) - lastLoud > quietFrames)
            times.push_back(n / double(kRate));
        lastLoud = long(n);
    }
    return times;
}

} // namespace engine_test
