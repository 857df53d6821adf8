#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "plugin/OrvCore.h"
#include "plugin/Sliders.h"

namespace engine_test {

constexpr int kSecond = int(kRate);

inline int frames(double seconds) { return int(std::lround(seconds * kRate)); }

// Plays a program of a started core the way the plug-in object does: the
// sliders that changed are written before each block, then the engine runs.
struct ProgramPlayer {
    OrvCore core;

    explicit ProgramPlayer(int program, float sampleRate = kRate, int blockSize = 512)
    {
        initCore(core, sampleRate, blockSize);
        selectProgram(core, program);
    }

    // Finds a program by its exact name; -1 when there is none.
    int indexOf(const char* name) const
    {
        for (int index = 0; index < kNumPrograms; ++index) {
            if (std::strncmp(core.bank[index].programName, name, sizeof core.bank[index].programName) == 0)
                return index;
        }
        return -1;
    }

    void setParameter(int slider, float value) { setSliderParameter(core, slider, value); }

    Stereo play(const Stereo& input, int blockFrames = 512)
    {
        return renderInBlocks(input, blockFrames, [this](const float* const* inputs, float* const* outputs, int count) {
            applyChangedSliders(core);
            processBlock(*core.engine, *core.current, inputs, outputs, count, core.sampleRate, true);
        });
    }
};

// A player on the factory program of that name, selected and not yet played.
inline ProgramPlayer playerFor(const char* name)
{
    const int index = ProgramPlayer(0).indexOf(name);
    EXPECT_GE(index, 0) << name;
    return ProgramPlayer(index);
}

// Selects each program of a category in turn, which starts it afresh, and runs `check(index)` on it.
template <typename Check>
void forEachProgramIn(ProgramPlayer& player, int categoryIndex, Check check)
{
    const OrvCategory& category = player.core.categories[categoryIndex];
    SCOPED_TRACE(category.name);
    for (uint32_t index = category.firstIndex; index < category.firstIndex + category.count; ++index) {
        ASSERT_TRUE(selectProgram(player.core, int(index)));
        SCOPED_TRACE(player.core.current->programName);
        check(int(index));
    }
}

// A signal given as a function of time in seconds, so that a test can also read it between samples.
using Waveform = std::function<double(double)>;

inline Waveform sineWave(double frequency, double amplitude, double offset = 0.0)
{
    return [=](double t) { return offset + amplitude * std::sin(2.0 * std::numbers::pi * frequency * t); };
}

// The waveform at each of `count` frames: as float to play, as double to compare against.
template <typename Sample = float>
std::vector<Sample> sampled(const Waveform& wave, int count)
{
    std::vector<Sample> samples(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n)
        samples[size_t(n)] = Sample(wave(n / double(kRate)));
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
inline Waveform sweptDelay(const Waveform& input, double gain, double baseSamples, double depth, double rate)
{
    return [=](double t) {
        const double delay = baseSamples * (1.0 + depth * std::sin(2.0 * std::numbers::pi * rate * t)) / kRate;
        return t < delay ? 0.0 : gain * input(t - delay);
    };
}

inline void expectSamplesNear(const std::vector<float>& actual, const std::vector<double>& expected, double tolerance,
                              const std::string& what, size_t from = 0)
{
    for (size_t n = from; n < actual.size(); ++n)
        ASSERT_NEAR(actual[n], expected[n], tolerance) << what << " at frame " << n;
}

// Frames from..to-1 of a channel.
inline std::vector<float> framesBetween(const std::vector<float>& samples, size_t from, size_t to)
{
    return {samples.begin() + long(from), samples.begin() + long(to)};
}

inline std::vector<float> secondsBetween(const std::vector<float>& samples, double fromSeconds, double toSeconds)
{
    return framesBetween(samples, size_t(frames(fromSeconds)), size_t(frames(toSeconds)));
}

// The largest magnitude among frames from..to-1.
inline double peak(const std::vector<float>& samples, size_t from = 0, size_t to = SIZE_MAX)
{
    double largest = 0.0;
    for (size_t n = from; n < std::min(to, samples.size()); ++n)
        largest = std::max(largest, double(std::fabs(samples[n])));
    return largest;
}

inline double peak(const Stereo& signal, size_t from = 0)
{
    return std::max(peak(signal.left, from), peak(signal.right, from));
}

// Pearson correlation of two equally long signals, without removing their means.
inline double correlation(const std::vector<float>& a, const std::vector<float>& b)
{
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (size_t n = 0; n < a.size(); ++n) {
        ab += double(a[n]) * b[n];
        aa += double(a[n]) * a[n];
        bb += double(b[n]) * b[n];
    }
    return ab / std::sqrt(aa * bb);
}

// The level of one frequency in a signal (Goertzel), as the amplitude of a sine.
inline double toneAmplitude(const std::vector<float>& samples, double frequency, size_t from = 0)
{
    const double w = 2.0 * std::numbers::pi * frequency / kRate;
    const double coefficient = 2.0 * std::cos(w);
    double previous = 0.0, beforePrevious = 0.0;
    for (size_t n = from; n < samples.size(); ++n) {
        const double current = samples[n] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / double(samples.size() - from);
}

// A signal's fundamental from its rising zero crossings, in Hz.
inline double crossingFrequency(const std::vector<float>& samples, size_t from = 0)
{
    long first = -1, last = -1, crossings = 0;
    for (size_t n = from + 1; n < samples.size(); ++n) {
        if (samples[n - 1] < 0.0f && samples[n] >= 0.0f) {
            if (first < 0)
                first = long(n);
            last = long(n);
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * double(kRate) / double(last - first) : 0.0;
}

// The zero-crossing frequency of the excerpt centred on `centre` seconds.
inline double frequencyAround(const std::vector<float>& samples, double centre, double halfWidth)
{
    return crossingFrequency(secondsBetween(samples, centre - halfWidth, centre + halfWidth));
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

// Where a source sits between the outputs, -1 left .. 1 right, from its levels in the
// two buses under the pan law: the far side is scaled by 1 - |position|, the near side kept.
inline double panPosition(double leftLevel, double rightLevel)
{
    return leftLevel <= rightLevel ? 1.0 - leftLevel / rightLevel : rightLevel / leftLevel - 1.0;
}

} // namespace engine_test
