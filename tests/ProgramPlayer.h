#pragma once

#include <cmath>
#include <cstring>
#include <numbers>

#include "EngineTestSupport.h"
#include "plugin/OrvCore.h"
#include "plugin/Sliders.h"

namespace engine_test {

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
        const int frames = int(input.left.size());
        Stereo output = silence(frames);
        for (int done = 0; done < frames; done += blockFrames) {
            const int count = std::min(blockFrames, frames - done);
            const float* inputs[2] = {input.left.data() + done, input.right.data() + done};
            float* outputs[2] = {output.left.data() + done, output.right.data() + done};
            applyChangedSliders(core);
            processBlock(*core.engine, *core.current, inputs, outputs, count, core.sampleRate, true);
        }
        return output;
    }
};

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

} // namespace engine_test
