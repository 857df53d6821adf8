#pragma once

#include <cmath>

#include "BlockRunner.h"
#include "Bounds.h"
#include "Filters.h"
#include "Oscillators.h"
#include "Processes.h"

namespace orv_engine {

// Square and Saw are band-limited from this frequency up.
constexpr double kBandLimitFrom = 20.0;
constexpr int kNoiseCentre = 16383;
constexpr float kNoiseScale = 6.103888e-05f;

inline void addPending(uint16_t& pending)
{
    if (pending < UINT16_MAX)
        ++pending;
}

inline void BlockRunner::runModule(const ModulePlan& module, OrvChannelInputs inbox[2], float sample[2], float pan[2])
{
    (this->*moduleSteps_[plan_.planIndex[module.index]])(module, inbox, sample, pan);
}

// Both channels of a module run side by side: they never read each other, and their
// dependency chains then overlap in the processor. Kept out of line, as one compact
// step runs much faster than eight inlined copies. `inbox` holds what was sent to
// the module; a module of the frame loop sends from here and clears its inbox.
template <int16_t Process, int Channels>
void BlockRunner::runModuleAs(const ModulePlan& module, OrvChannelInputs inbox[2], float sample[2], float pan[2])
{
    const int m = module.index;
    // Inbox fields are read one by one where they are used: copying a whole inbox
    // right after senders wrote single fields of it stalls the processor.
    float x[kNumChannels] {};
    float lfo[kNumChannels] {};
    for (int c = 0; c < Channels; ++c) {
        const OrvChannelInputs& in = inbox[c];
        pan[c] = in.pan;
        float source;
        if (const float* row = sourceRow_[m][c]) {
            source = row[frame_];
            lfo[c] = lfoRow_[m][c][frame_];
        } else {
            source = sourceSample(module, c, in, in.trackedFrequencyCount != 0, lfo[c]);
        }
        x[c] = source * module.sourceGain + in.mix;
        if (in.amplitudeCount != 0)
            x[c] *= in.amplitude;
        x[c] = bounded(x[c]);
    }
    for (int c = 0; c < Channels; ++c) {
        if constexpr (Process == ProcessKind::NoProcess)
            sample[c] = x[c]; // bounded already
        else
            sample[c] = bounded(processAs<Process>(module, c, x[c], inbox[c], inbox[c].trackedCutoffCount != 0, lfo[c]));
    }
    if (state_.fadeRemaining[m] > 0)
        --state_.fadeRemaining[m];
    if (module.precomputed)
        return;

    // Mod A Mod / Mod B Mod scale a slot's depth relatively.
    float depthScale[kNumChannels][kNumSlots] {};
    for (int c = 0; c < Channels; ++c) {
        depthScale[c][0] = 1.0f + inbox[c].slotADepth;
        depthScale[c][1] = 1.0f + inbox[c].slotBDepth;
        inbox[c] = {};
    }
    // A pulled route's target runs after the frame loop and reads the route itself.
    for (int live = 0; live < module.liveRouteCount; ++live) {
        const Route& route = module.routes[module.liveRoutes[live]];
        for (int c = 0; c < Channels; ++c)
            deliver(route, state_.inputs[route.target][c], sample[c], depthScale[c][route.slot], state_.pitch[m][c]);
    }
}

inline float BlockRunner::sourceSample(const ModulePlan& module, int c, const OrvChannelInputs& in, bool tracked, float& lfo)
{
    // The inputs and No Osc come from rows (see sourceRow_).
    if (module.source == OscKind::Noise)
        return float(nextNoiseValue(engine_.noiseState) - kNoiseCentre) * kNoiseScale;
    return oscillatorSample(module, c, in, tracked, lfo);
}

inline double BlockRunner::oscillatorFrequency(const ModulePlan& module, const OrvChannelInputs& in, bool tracked) const
{
    const double stored = module.frequency;
    const double frequency = (tracked ? double(in.trackedFrequency) : stored) + double(in.frequency) * stored;
    return module.process == ProcessKind::QuantizeFrq ? quantizeFrequency(frequency, stored, module.quantizeStep) : frequency;
}

// The oscillator's value at `phase`; a Sine LFO gives 0 and its sine × depth in `lfo`.
inline float BlockRunner::waveAt(const ModulePlan& module, double phase, double frequency, float phaseModulation, float& lfo) const
{
    if (module.source == OscKind::SineLfo) {
        lfo = float(fastSine(phase)) * module.lfoDepth;
        return 0.0f;
    }
    double slope = 1.0;
    const double at = module.process == ProcessKind::PhaseShape
        ? shapePhase(phase, double(module.shape) + phaseModulation, slope)
        : phase;
    const double step = std::fabs(frequency) >= kBandLimitFrom
        ? std::min(0.5, std::fabs(frequency) * plan_.framePeriod * slope)
        : 0.0;
    switch (module.source) {
    case OscKind::Sine: return float(fastSine(at));
    case OscKind::Triangle: return float(triangleWave(at));
    case OscKind::Square: return float(squareWave(at, step));
    default: return float(sawWave(at, step));
    }
}

// One process, chosen at compile time so each module step carries only its own code.
template <int16_t Process>
float BlockRunner::processAs(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, bool trackedCutoff, float lfo)
{
    const int m = module.index;
    switch (Process) {
    case ProcessKind::EnvFollow:
        return followEnvelope(state_.envelope[m][c], x, module.envCoefficient, module.envTimeScale,
                              module.envThreshold);
    case ProcessKind::PitchTrack:
        return trackPitch(module, c, x, lfo);
    case ProcessKind::DcOffset:
        return x + module.dcOffset;
    case ProcessKind::RaiseToPwr:
        // Power Mod * scales the exponent relatively, as Freq Mod scales the frequency.
        return raiseToPower(x, module.exponent * (1.0f + in.power));
    case ProcessKind::Delay:
        return delaySample(module, c, x, in, lfo);
    case ProcessKind::SampHold: {
        double& countdown = state_.holdCountdown[m][c];
        if (countdown <= 0.0) {
            state_.held[m][c] = x;
            countdown += std::clamp(modulatedTime(module.processTime, in, lfo), 1.0, double(kMaxTime));
        }
        countdown -= 1.0;
        return state_.held[m][c];
    }
    case ProcessKind::LowPass:
    case ProcessKind::HighPass:
    case ProcessKind::BandPass:
        return filterSample(module, c, x, in, trackedCutoff);
    default:
        return x;
    }
}

inline float BlockRunner::delaySample(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, float lfo)
{
    const int m = module.index;
    const uint32_t newest = writeLine(module, c, x);
    const double longest = longestDelay_;
    const double time = std::clamp(modulatedTime(module.processTime, in, lfo), 0.0, longest);
    const float* samples = line(module, c);
    float y = readLine(samples, newest, time);
    if (const int remaining = state_.fadeRemaining[m]; remaining > 0) {
        const float old = float(remaining) / float(kCrossfadeFrames);
        const double from = std::clamp(double(state_.fadeFromTime[m][c]), 0.0, longest);
        y += (readLine(samples, newest, from) - y) * old;
    }
    state_.lastDelayTime[m][c] = float(time);
    state_.delayRead[m] = true;
    return y;
}

inline float BlockRunner::filterSample(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, bool trackedCutoff)
{
    OrvFilterState& filter = state_.filter[module.index][c];
    if (refreshFilters_)
        refreshFilter(module, filter, in, trackedCutoff);
    return filterStep(filter, x);
}

inline void BlockRunner::multiplyAmplitude(OrvChannelInputs& to, float factor)
{
    to.amplitude = to.amplitudeCount == 0 ? factor : to.amplitude * factor;
    addPending(to.amplitudeCount);
}

inline void BlockRunner::addTracked(float& sum, uint16_t& pending, float value)
{
    sum = pending == 0 ? value : sum + value;
    addPending(pending);
}

// Applies one route's sample to the inbox of its target; `pitch` is the sender's
// detected pitch when it is a tracker.
inline void BlockRunner::deliver(const Route& route, OrvChannelInputs& to, float y, float depthScale, float pitch) const
{
    const float depth = route.depth * depthScale;
    const float amount = depth * y;
    if (route.action == RouteAction::AddToField) {
        to.*route.field += amount;
        return;
    }
    switch (route.action) {
    case RouteAction::Amplitude:
        multiplyAmplitude(to, 0.5f + 0.5f * amount);
        break;
    case RouteAction::Ring:
        // Depth blends the dry signal into the product: depth 1 multiplies by the
        // sender (a 0..1 pulse gates), smaller depths make a partial tremolo, and
        // a negative depth multiplies by the inverted sender.
        multiplyAmplitude(to, 1.0f - std::fabs(depth) + amount);
        break;
    // From a tracker the routes carry its pitch in Hz and periods, and nothing without a pitch.
    case RouteAction::TrackedFrequency:
        if (pitch > 0.0f)
            addTracked(to.trackedFrequency, to.trackedFrequencyCount, depth * pitch);
        break;
    case RouteAction::TrackedCutoff:
        if (pitch > 0.0f)
            addTracked(to.trackedCutoff, to.trackedCutoffCount, depth * pitch);
        break;
    case RouteAction::TrackedTime:
        if (pitch > 0.0f)
            to.trackedTime += float(depth * plan_.sampleRate / pitch);
        break;
    default:
        break;
    }
}

} // namespace orv_engine
