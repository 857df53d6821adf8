#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

#include "engine/OrvEngine.h"
#include "plugin/OrvBank.h"

namespace engine_test {

constexpr float kRate = 44100.0f;

struct Stereo {
    std::vector<float> left;
    std::vector<float> right;
};

// A record with every module switched off.
inline OrvPreset silentRecord()
{
    OrvPreset preset;
    initDefaultPreset(preset, kPluginFlags, uint32_t(kRate));
    preset.inUse[0] = 0;
    preset.delayLineLength = 1 << 17;
    return preset;
}

// Switches a module on with both outputs at gain 1.
inline void useModule(OrvPreset& preset, int m, int16_t source, int16_t process)
{
    preset.inUse[m] = 1;
    preset.oscKind[m] = source;
    preset.processKind[m] = process;
    for (int c = 0; c < kNumChannels; ++c) {
        preset.outputOn[m][c] = 1;
        preset.outputGain[m][c] = 1.0f;
    }
}

inline void silenceOutputs(OrvPreset& preset, int m)
{
    preset.outputOn[m][0] = preset.outputOn[m][1] = 0;
}

inline void addRoute(OrvPreset& preset, int m, int slot, uint16_t kind, int target, float depth)
{
    preset.modKind[m][slot] = kind;
    preset.modTarget[m][slot] = int16_t(target);
    preset.modDepth[m][slot] = depth;
}

inline std::vector<float> sine(float frequency, float amplitude, int frames)
{
    std::vector<float> samples(static_cast<size_t>(frames));
    for (int n = 0; n < frames; ++n)
        samples[size_t(n)] = amplitude * float(std::sin(2.0 * std::numbers::pi * frequency * n / kRate));
    return samples;
}

inline Stereo silence(int frames)
{
    return {std::vector<float>(size_t(frames)), std::vector<float>(size_t(frames))};
}

// Uniform noise, the same for the same seed.
inline std::vector<float> whiteNoise(float amplitude, int frames, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-amplitude, amplitude);
    std::vector<float> samples(static_cast<size_t>(frames));
    for (float& sample : samples)
        sample = noise(random);
    return samples;
}

// Feeds the input through `processFrames(inputs, outputs, count)` in blocks of at most `blockFrames`.
template <typename ProcessFrames>
Stereo renderInBlocks(const Stereo& input, int blockFrames, ProcessFrames processFrames)
{
    const int frames = int(input.left.size());
    Stereo output = silence(frames);
    for (int done = 0; done < frames; done += blockFrames) {
        const int count = std::min(blockFrames, frames - done);
        const float* inputs[2] = {input.left.data() + done, input.right.data() + done};
        float* outputs[2] = {output.left.data() + done, output.right.data() + done};
        processFrames(inputs, outputs, count);
    }
    return output;
}

inline Stereo render(OrvEngine& engine, OrvPreset& preset, const Stereo& input, int blockFrames = 512)
{
    return renderInBlocks(input, blockFrames, [&](const float* const* inputs, float* const* outputs, int count) {
        processBlock(engine, preset, inputs, outputs, count, kRate, true);
    });
}

inline Stereo renderFresh(OrvPreset preset, const Stereo& input, int blockFrames = 512)
{
    auto engine = std::make_unique<OrvEngine>();
    return render(*engine, preset, input, blockFrames);
}

inline Stereo constant(float value, int frames)
{
    return {std::vector<float>(size_t(frames), value), std::vector<float>(size_t(frames), value)};
}

inline double rms(const std::vector<float>& samples, size_t from = 0)
{
    double sum = 0.0;
    for (size_t n = from; n < samples.size(); ++n)
        sum += double(samples[n]) * samples[n];
    return std::sqrt(sum / double(samples.size() - from));
}

inline bool allFinite(const Stereo& signal)
{
    for (const auto* channel : {&signal.left, &signal.right}) {
        for (const float sample : *channel) {
            if (!std::isfinite(sample))
                return false;
        }
    }
    return true;
}

} // namespace engine_test
