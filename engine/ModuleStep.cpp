#include "ModuleStep.h"

#include <algorithm>
#include <cstring>

#include "PitchDetector.h"

namespace orv_engine {

// Filters keep their cutoff inside 1 Hz .. 0.49 × rate and Q inside 0.01 .. 1000, whatever modulates them.
constexpr double kMinCutoff = 1.0;
constexpr double kMaxCutoffRatio = 0.49;
constexpr double kMinQ = 0.01;
constexpr double kMaxQ = 1000.0;
// A filter state this large only comes from a coefficient jump on a wild sweep; it restarts.
constexpr double kFilterStateLimit = 1.0e12;

float BlockRunner::oscillatorSample(const ModulePlan& module, int c, const OrvChannelInputs& in, bool tracked,
                                    float& lfo)
{
    const double frequency = oscillatorFrequency(module, in, tracked);
    double& phase = state_.phase[module.index][c];
    const float value = waveAt(module, phase, frequency, in.phase, lfo);
    phase = wrapPhase(phase + phaseIncrement(frequency));
    return value;
}

// An oscillator that nothing modulates keeps one frequency over the pass.
void BlockRunner::fillOscillator(const ModulePlan& module, int c, float* samples, float* lfo, int count)
{
    static constexpr OrvChannelInputs kNothingSent {};
    const double frequency = oscillatorFrequency(module, kNothingSent, false);
    const double increment = phaseIncrement(frequency);
    double phase = state_.phase[module.index][c];
    // Without PhaseShape the waveform and its band-limiting step stay put over the pass,
    // so each gets a loop of its own; the values are waveAt's.
    const auto run = [&](auto wave) {
        for (int frame = 0; frame < count; ++frame) {
            samples[frame] = wave(phase, frame);
            phase = wrapPhase(phase + increment);
        }
    };
    const double step = std::fabs(frequency) >= kBandLimitFrom ? std::min(0.5, std::fabs(frequency) * plan_.framePeriod)
                                                                : 0.0;
    if (module.process == ProcessKind::PhaseShape) {
        run([&](double at, int frame) { return waveAt(module, at, frequency, 0.0f, lfo[frame]); });
    } else {
        switch (module.source) {
        case OscKind::SineLfo:
            run([&](double at, int frame) {
                lfo[frame] = float(fastSine(at)) * module.lfoDepth;
                return 0.0f;
            });
            break;
        case OscKind::Sine: run([](double at, int) { return float(fastSine(at)); }); break;
        case OscKind::Triangle: run([](double at, int) { return float(triangleWave(at)); }); break;
        case OscKind::Square: run([step](double at, int) { return float(squareWave(at, step)); }); break;
        default: run([step](double at, int) { return float(sawWave(at, step)); }); break;
        }
    }
    state_.phase[module.index][c] = phase;
}

float BlockRunner::trackPitch(const ModulePlan& module, int c, float x, float lfo)
{
    const int m = module.index;
    const uint32_t newest = writeLine(module, c, x);
    double& countdown = state_.trackCountdown[m][c];
    if (countdown <= 0.0) {
        float pitch = 0.0f;
        if (module.longestPeriod > 0)
            pitch = detectOrReuse(module, c, newest);
        state_.pitch[m][c] = pitch;
        preset_->lastPitch[m][c] = pitch;
        // Re-detecting more often than the analysis window is long would only repeat work.
        const double interval = double(module.trackInterval) * (1.0 + double(lfo));
        countdown += std::clamp(interval, double(std::max(module.longestPeriod, 1)), double(kMaxTime));
    }
    countdown -= 1.0;
    return float(state_.pitch[m][c] * 2.0 / plan_.sampleRate);
}

// A detection on the same history as the one before (both channels of a tracker of one
// input) gives the same pitch, so it is reused.
float BlockRunner::detectOrReuse(const ModulePlan& module, int c, uint32_t newest)
{
    const int count = 2 * module.longestPeriod;
    float* window = detectionWindow(1 - lastWindow_);
    unrollHistory(line(module, c), newest, count, window);
    if (lastLongest_ == module.longestPeriod && lastShortest_ == module.shortestPeriod
        && std::memcmp(window, detectionWindow(lastWindow_), size_t(count) * sizeof(float)) == 0)
        return lastPitch_;
    lastPitch_ = detectPitch(window, module.shortestPeriod, module.longestPeriod, float(plan_.sampleRate),
                             engine_.trackWindow.get());
    lastWindow_ = 1 - lastWindow_;
    lastShortest_ = module.shortestPeriod;
    lastLongest_ = module.longestPeriod;
    return lastPitch_;
}

// The detector's scratch comes first in trackWindow, then two histories.
float* BlockRunner::detectionWindow(int which) const
{
    return engine_.trackWindow.get() + kLongestTrackedPeriod + 2 + which * kTrackHistory;
}

// Copies the `count` newest samples of a line, oldest first, into `window`.
void BlockRunner::unrollHistory(const float* samples, uint32_t newest, int count, float* window) const
{
    const uint32_t length = plan_.lineLength;
    const uint32_t start = (newest + length - uint32_t(count) + 1) % length;
    const uint32_t firstPart = std::min<uint32_t>(uint32_t(count), length - start);
    std::memcpy(window, samples + start, firstPart * sizeof(float));
    std::memcpy(window + firstPart, samples, (uint32_t(count) - firstPart) * sizeof(float));
}

void BlockRunner::refreshFilter(const ModulePlan& module, OrvFilterState& filter, const OrvChannelInputs& in,
                                bool trackedCutoff) const
{
    const double main = module.cutoff;
    const double cutoff = (trackedCutoff ? double(in.trackedCutoff) : main) + double(in.cutoff) * main;
    const double q = double(module.q) * (1.0 + double(in.q));
    const FilterShape shape = module.process == ProcessKind::LowPass ? FilterShape::LowPass
        : module.process == ProcessKind::HighPass                    ? FilterShape::HighPass
                                                                     : FilterShape::BandPass;
    const double safeCutoff = std::clamp(cutoff, kMinCutoff, kMaxCutoffRatio * plan_.sampleRate);
    const double safeQ = std::clamp(q, kMinQ, kMaxQ);
    if (safeCutoff != filter.madeForCutoff || safeQ != filter.madeForQ || plan_.sampleRate != filter.madeForRate
        || int(shape) != filter.madeForShape) {
        const BiquadCoefficients k = biquad(shape, safeCutoff, safeQ, plan_.sampleRate);
        filter.b0 = k.b0;
        filter.b1 = k.b1;
        filter.b2 = k.b2;
        filter.a1 = k.a1;
        filter.a2 = k.a2;
        filter.madeForCutoff = safeCutoff;
        filter.madeForQ = safeQ;
        filter.madeForRate = plan_.sampleRate;
        filter.madeForShape = int(shape);
    }
    if (!(std::fabs(filter.z1) < kFilterStateLimit && std::fabs(filter.z2) < kFilterStateLimit))
        filter.z1 = filter.z2 = 0.0;
}

} // namespace orv_engine
