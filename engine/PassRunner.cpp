#include <algorithm>
#include <limits>

#include "ModuleStep.h"

namespace orv_engine {

namespace {

// A pre-computed module's Mix routes into itself over one pass: each frame's input
// takes what the frame before sent, and the inbox holds it between passes.
class OwnFeedback {
public:
    OwnFeedback(const ModulePlan& module, OrvChannelInputs (&inbox)[kNumChannels])
        : module_(module), inbox_(inbox), active_(module.selfMixCount > 0)
    {
        for (int c = 0; c < kNumChannels; ++c)
            carried_[c] = active_ ? inbox[c].mix : 0.0f;
    }

    ~OwnFeedback()
    {
        if (active_) {
            for (int c = 0; c < kNumChannels; ++c)
                inbox_[c].mix = carried_[c];
        }
    }

    OwnFeedback(const OwnFeedback&) = delete;
    OwnFeedback& operator=(const OwnFeedback&) = delete;

    float input(int c, float x) const { return active_ ? bounded(x + carried_[c]) : x; }

    float output(int c, float y)
    {
        if (active_)
            carried_[c] = selfMix(module_, y);
        return y;
    }

private:
    const ModulePlan& module_;
    OrvChannelInputs (&inbox_)[kNumChannels];
    bool active_;
    float carried_[kNumChannels];
};

} // namespace

void BlockRunner::precomputeIndependentModules(int count)
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        if (plan_.modules[index].readsAhead && !plan_.modules[index].timeMoves)
            readAhead(index, count);
    }
    runPassWise(plan_.prePassOrder, plan_.prePassCount, count);
    if (plan_.subPassCount > 0)
        runSubPasses(count);
}

void BlockRunner::runPassWise(const int order[], int modules, int count)
{
    for (int place = 0; place < modules; ++place) {
        const int index = order[place];
        if (channelWise_[index])
            precomputeChannels(index, count);
        else
            precomputeFrameByFrame(index, count);
    }
}

// A pre-computed module runs one channel at a time when its routes only add to its level
// and process, or, without feedback of its own, bend an oscillator, move its pan and add
// at most one level route: one route sums in either order, so both ways agree.
void BlockRunner::findPassPath(int index)
{
    const ModulePlan& module = plan_.modules[index];
    bool levelAndProcessOnly = true;
    bool shapedOnly = true;
    bool amplitude = false;
    int levelRoutes = 0;
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        const Route& route = routeOf(module.incoming[incoming]);
        if (isLevelRoute(route)) {
            ++levelRoutes;
            amplitude = amplitude || route.action != RouteAction::AddToField;
        } else if (!isProcessRoute(route)) {
            levelAndProcessOnly = false;
            shapedOnly = shapedOnly && isSourceRoute(route);
        }
    }
    shapesSource_[index] = !levelAndProcessOnly;
    if (levelAndProcessOnly)
        channelWise_[index] = !(module.selfMixCount > 0 && amplitude);
    else
        channelWise_[index] = shapedOnly && levelRoutes <= 1 && module.selfMixCount == 0
            && module.source != OscKind::Noise;
}

bool BlockRunner::takesTrackedRoutes(const ModulePlan& module) const
{
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        if (routeOf(module.incoming[incoming]).action >= RouteAction::TrackedFrequency)
            return true;
    }
    return false;
}

bool BlockRunner::takesProcessRoutes(const ModulePlan& module) const
{
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        if (isProcessRoute(routeOf(module.incoming[incoming])))
            return true;
    }
    return false;
}

// What the process routes into a pre-computed module send it in one frame.
void BlockRunner::gatherProcessRoutes(const ModulePlan& module, int frame, OrvChannelInputs inbox[2]) const
{
    inbox[0] = inbox[1] = {};
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        const Route& route = routeOf(module.incoming[incoming]);
        if (!isProcessRoute(route) || !sends(module.incoming[incoming], frame))
            continue;
        const int sender = module.incoming[incoming].sender;
        for (int c = 0; c < plan_.modules[sender].channels; ++c) {
            const float y = sentThrough(module.incoming[incoming], c)[frame];
            deliver(route, inbox[c], y, 1.0f, trackedPitch(route, y));
        }
    }
}

// A module fed by earlier pre-computed modules takes their routes from their output.
void BlockRunner::precomputeFrameByFrame(int index, int count)
{
    const ModulePlan& module = plan_.modules[index];
    for (int frame = 0; frame < count; ++frame) {
        startFrame(frame);
        OrvChannelInputs inbox[kNumChannels] {};
        // The inbox keeps what the module sent itself last frame.
        if (module.selfMixCount > 0) {
            for (int c = 0; c < kNumChannels; ++c)
                inbox[c].mix = state_.inputs[module.index][c].mix;
        }
        for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
            const ModulePlan& sender = plan_.modules[module.incoming[incoming].sender];
            const Route& route = sender.routes[module.incoming[incoming].route];
            if (!sends(module.incoming[incoming], frame))
                continue;
            for (int c = 0; c < sender.channels; ++c) {
                const float y = sentThrough(module.incoming[incoming], c)[frame];
                deliver(route, inbox[c], y, 1.0f, trackedPitch(route, y));
            }
        }
        float sample[kNumChannels] {};
        float pan[kNumChannels] {};
        runModule(module, inbox, sample, pan);
        for (int c = 0; c < module.channels; ++c) {
            passOf(index, c)[frame] = sample[c];
            panOf(index, c)[frame] = pan[c];
            if (module.selfMixCount > 0)
                state_.inputs[module.index][c].mix = selfMix(module, sample[c]);
        }
    }
}

// A module that only Mix, Ampl Mod and Ring Mod routes of pre-computed modules reach
// runs one channel at a time: source, the routes' levels, process.
void BlockRunner::precomputeChannels(int index, int count)
{
    const ModulePlan& module = plan_.modules[index];
    float* const lfo[kNumChannels] = {engine_.lfoPass.get(), engine_.lfoPass.get() + kPassFrames};
    if (module.readsAhead) {
        float* const inputs[kNumChannels] = {engine_.lineInput.get(), engine_.lineInput.get() + kPassFrames};
        gatherInputs(index, inputs, lfo, count);
        writeAhead(index, inputs, count);
        return;
    }
    float* const samples[kNumChannels] = {passOf(index, 0), passOf(index, 1)};
    gatherInputs(index, samples, lfo, count);
    const int fadeStart = state_.fadeRemaining[module.index];
    if (module.channels == 2)
        processPass<2>(module, samples, lfo, count, fadeStart);
    else
        processPass<1>(module, samples, lfo, count, fadeStart);
    state_.fadeRemaining[module.index] = std::max(0, fadeStart - count);
}

// The module's source and level routes over the pass, into `samples`.
void BlockRunner::gatherInputs(int index, float* const samples[2], float* const lfo[2], int count)
{
    const ModulePlan& module = plan_.modules[index];
    double (&phase)[kNumChannels] = state_.phase[module.index];
    // An oscillator nobody modulates plays the same in both channels when their phases agree.
    const bool sameSource = module.channels == 2 && hasPhase(module.source) && phase[0] == phase[1]
        && !shapesSource_[index];
    fillSource(index, 0, samples[0], lfo[0], count);
    if (sameSource) {
        std::copy_n(samples[0], count, samples[1]);
        std::copy_n(lfo[0], count, lfo[1]);
        phase[1] = phase[0];
    } else if (module.channels == 2) {
        fillSource(index, 1, samples[1], lfo[1], count);
    }
    for (int c = 0; c < module.channels; ++c) {
        if (module.sourceGain != 1.0f) {
            for (int frame = 0; frame < count; ++frame)
                samples[c][frame] *= module.sourceGain;
        }
        applyLevelRoutes(module, c, samples[c], count);
        if (shapesSource_[index] && module.panned)
            sumRoutes(module, c, &OrvChannelInputs::pan, panOf(index, c), count);
    }
}

// What the routes into one field of a pre-computed module add up to in each frame of the
// pass, in the order its inbox would take them.
void BlockRunner::sumRoutes(const ModulePlan& module, int c, float OrvChannelInputs::*field, float* sums,
                                  int count) const
{
    std::fill_n(sums, count, 0.0f);
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        const Incoming& from = module.incoming[incoming];
        const Route& route = routeOf(from);
        if (route.action != RouteAction::AddToField || route.field != field || plan_.modules[from.sender].channels <= c)
            continue;
        const float* sent = sentThrough(from, c);
        for (int frame = sends(from, 0) ? 0 : 1; frame < count; ++frame)
            sums[frame] += route.depth * sent[frame];
    }
}

// Mix routes add first; Ampl Mod and Ring Mod factors then multiply, as in a module step.
void BlockRunner::applyLevelRoutes(const ModulePlan& module, int c, float* samples, int count)
{
    if (module.incomingCount == 0 && module.selfMixCount == 0)
        return;
    // A module the frame loop would run takes its Mix routes summed first, as its inbox does.
    if (module.precomputedByMovingDelay) {
        float mixed[kPassFrames];
        sumRoutes(module, c, &OrvChannelInputs::mix, mixed, count);
        for (int frame = 0; frame < count; ++frame)
            samples[frame] += mixed[frame];
    }
    for (int pass = module.precomputedByMovingDelay ? 1 : 0; pass < 2; ++pass) {
        for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
            const Incoming& from = module.incoming[incoming];
            const Route& route = routeOf(from);
            if (plan_.modules[from.sender].channels <= c || !isLevelRoute(route)
                || (route.action == RouteAction::AddToField) != (pass == 0))
                continue;
            const float* sent = sentThrough(from, c);
            const float depth = route.depth;
            const int first = sends(from, 0) ? 0 : 1;
            if (route.action == RouteAction::AddToField) {
                for (int frame = first; frame < count; ++frame)
                    samples[frame] += depth * sent[frame];
            } else if (route.action == RouteAction::Amplitude) {
                for (int frame = first; frame < count; ++frame)
                    samples[frame] *= 0.5f + 0.5f * (depth * sent[frame]);
            } else {
                for (int frame = first; frame < count; ++frame)
                    samples[frame] *= 1.0f - std::fabs(depth) + depth * sent[frame];
            }
        }
    }
    if (module.selfMixCount > 0)
        return; // bounded once the module's own feedback is added
    boundRow(samples, samples, count);
}

void BlockRunner::fillSource(int index, int c, float* samples, float* lfo, int count)
{
    static constexpr OrvChannelInputs kNothingSent {};
    const ModulePlan& module = plan_.modules[index];
    const float* left = inputOf(0);
    const float* right = inputOf(1);
    if (module.source != OscKind::SineLfo && readsLfo(module.process))
        std::fill_n(lfo, count, 0.0f);
    // A module whose routes shape its source takes its input unbounded, as a module step does.
    const float ceiling = shapesSource_[index] ? std::numeric_limits<float>::infinity() : kSignalCeiling;
    switch (module.source) {
    case OscKind::LeftIn:
    case OscKind::RightIn:
    case OscKind::StereoIn: {
        const float* input = module.source == OscKind::LeftIn || (module.source == OscKind::StereoIn && c == 0) ? left : right;
        boundRow(samples, input, count, ceiling);
        return;
    }
    case OscKind::LeftRightIn:
        for (int frame = 0; frame < count; ++frame)
            samples[frame] = bounded((left[frame] + right[frame]) * 0.5f, ceiling);
        return;
    case OscKind::NoOsc:
        std::fill_n(samples, count, 0.0f);
        return;
    case OscKind::Noise:
        for (int frame = 0; frame < count; ++frame)
            samples[frame] = sourceSample(module, c, kNothingSent, false, lfo[frame]);
        return;
    default:
        if (shapesSource_[index])
            fillBentOscillator(module, c, samples, lfo, count);
        else
            fillOscillator(module, c, samples, lfo, count);
        return;
    }
}

// An oscillator that Freq Mod and Phase Mod routes of pre-computed modules bend, frame by
// frame as a module step makes it.
void BlockRunner::fillBentOscillator(const ModulePlan& module, int c, float* samples, float* lfo, int count)
{
    float frequency[kPassFrames];
    float phase[kPassFrames];
    sumRoutes(module, c, &OrvChannelInputs::frequency, frequency, count);
    sumRoutes(module, c, &OrvChannelInputs::phase, phase, count);
    // oscillatorSample, with the phase kept in a register.
    OrvChannelInputs in {};
    double at = state_.phase[module.index][c];
    for (int frame = 0; frame < count; ++frame) {
        in.frequency = frequency[frame];
        const double hertz = oscillatorFrequency(module, in, false);
        samples[frame] = waveAt(module, at, hertz, phase[frame], lfo[frame]);
        at = wrapPhase(at + phaseIncrement(hertz));
    }
    state_.phase[module.index][c] = at;
}

// Both channels of a pass go side by side, so their dependency chains overlap.
template <int Channels>
void BlockRunner::processPass(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart)
{
    switch (module.process) {
#define ORV_PROCESS(kind) \
    case kind: return processPassAs<kind, Channels>(module, samples, lfo, count, fadeStart);
        ORV_EACH_PROCESS
#undef ORV_PROCESS
    default: // the source passes unprocessed, beside the module's own feedback
        if (module.selfMixCount > 0)
            runPassAs<ProcessKind::NoProcess, Channels>(module, samples, lfo, count, fadeStart);
        return;
    }
}

template <int16_t Process, int Channels>
void BlockRunner::processPassAs(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart)
{
    if constexpr (Process == ProcessKind::LowPass || Process == ProcessKind::HighPass
                  || Process == ProcessKind::BandPass) {
        filterPass<Channels>(module, samples, count);
    } else {
        runPassAs<Process, Channels>(module, samples, lfo, count, fadeStart);
    }
}

template <int16_t Process, int Channels>
void BlockRunner::runPassAs(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart)
{
    static constexpr OrvChannelInputs kNothingSent[kNumChannels] {};
    const bool modulated = takesProcessRoutes(module);
    OrvChannelInputs gathered[kNumChannels] {};
    const OrvChannelInputs* in = modulated ? gathered : kNothingSent;
    // Without PitchTrack routes the process routes sum into one field, time or power,
    // which is summed for the whole pass first.
    constexpr bool kTimed = Process == ProcessKind::Delay || Process == ProcessKind::SampHold;
    float OrvChannelInputs::*const summedField = kTimed ? &OrvChannelInputs::time : &OrvChannelInputs::power;
    const bool summed = modulated && !takesTrackedRoutes(module);
    float sums[Channels][kPassFrames];
    if (summed) {
        for (int c = 0; c < Channels; ++c)
            sumRoutes(module, c, summedField, sums[c], count);
    }
    if constexpr (Process == ProcessKind::Delay) {
        if (fadeStart == 0 && module.selfMixCount == 0 && (summed || !modulated)
            && delayPass(module, samples, lfo, summed ? sums : nullptr, count))
            return;
    }
    if constexpr (Process != ProcessKind::Delay) { // a delay's fade counts frames across both channels
        // Unmodulated and not fed back, each channel runs on alone (their states are apart).
        // raiseToPower bounds its result already.
        if (!modulated && module.selfMixCount == 0) {
            for (int c = 0; c < Channels; ++c) {
                for (int frame = 0; frame < count; ++frame) {
                    const float y = processAs<Process>(module, c, samples[c][frame], kNothingSent[c], false, lfo[c][frame]);
                    samples[c][frame] = Process == ProcessKind::RaiseToPwr ? y : bounded(y);
                }
            }
            return;
        }
    }
    OwnFeedback feedback(module, state_.inputs[module.index]);
    for (int frame = 0; frame < count; ++frame) {
        if constexpr (Process == ProcessKind::Delay)
            state_.fadeRemaining[module.index] = std::max(0, fadeStart - frame);
        if (summed) {
            for (int c = 0; c < Channels; ++c)
                gathered[c].*summedField = sums[c][frame];
        } else if (modulated) {
            gatherProcessRoutes(module, frame, gathered);
        }
        for (int c = 0; c < Channels; ++c) {
            const float x = feedback.input(c, samples[c][frame]);
            samples[c][frame] = feedback.output(c, bounded(processAs<Process>(module, c, x, in[c], false, lfo[c][frame])));
        }
    }
}

// A filter pass keeps its state in registers; routes to cutoff and Q only matter
// where the coefficients are refreshed.
template <int Channels>
void BlockRunner::filterPass(const ModulePlan& module, float* const samples[2], int count)
{
    const bool modulated = takesProcessRoutes(module);
    OrvFilterState filter[Channels];
    std::copy_n(state_.filter[module.index], Channels, filter);
    const auto refresh = [&](int frame) {
        OrvChannelInputs in[kNumChannels] {};
        if (modulated)
            gatherProcessRoutes(module, frame, in);
        for (int c = 0; c < Channels; ++c)
            refreshFilter(module, filter[c], in[c], false);
    };
    if (module.selfMixCount == 0) {
        // Without its own feedback each channel runs on alone from one refresh to the next.
        for (int frame = 0; frame < count;) {
            if (refreshesAt(frame))
                refresh(frame);
            int end = frame + 1;
            while (end < count && !refreshesAt(end))
                ++end;
            for (int c = 0; c < Channels; ++c) {
                OrvFilterState state = filter[c];
                for (int step = frame; step < end; ++step)
                    samples[c][step] = bounded(filterStep(state, samples[c][step]));
                filter[c] = state;
            }
            frame = end;
        }
    } else {
        OwnFeedback feedback(module, state_.inputs[module.index]);
        for (int frame = 0; frame < count; ++frame) {
            if (refreshesAt(frame))
                refresh(frame);
            for (int c = 0; c < Channels; ++c) {
                const float x = feedback.input(c, samples[c][frame]);
                samples[c][frame] = feedback.output(c, bounded(filterStep(filter[c], x)));
            }
        }
    }
    std::copy_n(filter, Channels, state_.filter[module.index]);
}

} // namespace orv_engine
