#include "BlockRunner.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "ModuleStep.h"

namespace orv_engine {

constexpr float kLargestFloat = std::numeric_limits<float>::max(); // beyond it, or NaN: not finite
constexpr float kDenormalOffset = 1.0e-20f; // far below hearing, far above the denormal range

BlockRunner::BlockRunner(OrvEngine& engine, const BlockPlan& plan)
    : engine_(engine), state_(engine.state), plan_(plan)
{
}

void BlockRunner::prepare()
{
    longestDelay_ = double(plan_.lineLength - 1);
    frameOrderCount_ = 0;
    for (int index = 0; index < plan_.moduleCount; ++index) {
        const ModulePlan& module = plan_.modules[index];
        for (int c = 0; c < kNumChannels; ++c) {
            output_[index][c] = moduleOutput(engine_, module.index, c);
            if (module.line >= 0)
                lines_[module.index][c] = engine_.delayPool.get() + size_t(module.line + c) * plan_.lineLength;
        }
        moduleSteps_[index] = moduleStepFor(module.process, module.channels);
        if (!module.precomputed || module.liveRouteCount > 0)
            frameOrder_[frameOrderCount_++] = index;
        findSourceRows(index);
        findPassPath(index);
        handOver_[index] = !module.precomputed && wasPrecomputedByMovingDelay_[module.index];
    }
    std::fill_n(subPassed_, kNumModules, false);
    for (int order = 0; order < plan_.subPassCount; ++order)
        subPassed_[plan_.subPassOrder[order]] = true;
    std::fill_n(wasPrecomputedByMovingDelay_, kNumModules, false);
    for (int index = 0; index < plan_.moduleCount; ++index)
        wasPrecomputedByMovingDelay_[plan_.modules[index].index] = plan_.modules[index].precomputedByMovingDelay;
    // Modules and channels that do not run keep a last frame of 0 (see keepLastFrames).
    bool runs[kNumModules][kNumChannels] {};
    for (int index = 0; index < plan_.moduleCount; ++index) {
        for (int c = 0; c < plan_.modules[index].channels; ++c)
            runs[plan_.modules[index].index][c] = true;
    }
    for (int m = 0; m < kNumModules; ++m) {
        state_.ranLastPass[m] = state_.ranLastPass[m] && runs[m][0];
        for (int c = 0; c < kNumChannels; ++c) {
            if (!runs[m][c])
                moduleOutput(engine_, m, c)[-1] = 0.0f;
        }
    }
}

BlockRunner::ModuleStep BlockRunner::moduleStepFor(int16_t process, int channels)
{
    switch (process) {
#define ORV_PROCESS(kind) \
    case kind: return channels == 2 ? &BlockRunner::runModuleAs<kind, 2> : &BlockRunner::runModuleAs<kind, 1>;
        ORV_EACH_PROCESS
#undef ORV_PROCESS
    default:
        return channels == 2 ? &BlockRunner::runModuleAs<ProcessKind::NoProcess, 2>
                             : &BlockRunner::runModuleAs<ProcessKind::NoProcess, 1>;
    }
}

void BlockRunner::findSourceRows(int index)
{
    static constexpr float kSilentPass[kPassFrames] {};
    const ModulePlan& module = plan_.modules[index];
    const float* left = engine_.passInput.get();
    const float* right = left + kPassFrames;
    for (int c = 0; c < kNumChannels; ++c) {
        const float* row = nullptr;
        const float* lfo = kSilentPass;
        switch (module.source) {
        case OscKind::LeftIn: row = left; break;
        case OscKind::RightIn: row = right; break;
        case OscKind::StereoIn: row = c == 0 ? left : right; break;
        case OscKind::LeftRightIn: row = filledSource(index, 0); break;
        case OscKind::NoOsc: row = kSilentPass; break;
        default:
            if (module.sourceFilled) {
                row = filledSource(index, c);
                lfo = filledLfo(index, c);
            }
            break;
        }
        sourceRow_[module.index][c] = row;
        lfoRow_[module.index][c] = lfo;
    }
}

void BlockRunner::run(OrvPreset& preset, const float* const inputs[2], float* const outputs[2], int frames,
                      bool replace)
{
    preset_ = &preset;
    const float threshold = engine_.limiterThreshold;
    threshold_ = std::isfinite(threshold) && threshold > 0.0f ? std::min(threshold, kSignalCeiling) : 0.7f;
    filterCountdown_ = 0;
    lastWindow_ = 0;
    lastShortest_ = 0;
    lastLongest_ = 0;
    lastPitch_ = 0.0f;
    loadPhases();
    loadPendingWords();
    handOverInboxes();
    startRequestedFades();
    for (int done = 0; done < frames; done += kPassFrames) {
        const int count = std::min(kPassFrames, frames - done);
        readInputs(inputs, done, count);
        fillMixedInputs(count);
        markFilterRefreshes(count);
        precomputeIndependentModules(count);
        if (plan_.prePassCount + plan_.subPassCount + plan_.postPassCount < plan_.moduleCount) {
            fillFrameLoopSources(count);
            for (int frame = 0; frame < count; ++frame)
                runFrame(frame);
        }
        runPassWise(plan_.postPassOrder, plan_.postPassCount, count);
        mixBuses(count);
        keepLastFrames(count);
        limitAndWrite(outputs, done, count, replace);
    }
    storePhases();
    storePendingWords();
    keepLateRoutes();
}

void BlockRunner::loadPhases()
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        const int m = plan_.modules[index].index;
        for (int c = 0; c < kNumChannels && hasPhase(plan_.modules[index].source); ++c) {
            // The record holds the phase in single precision; the engine keeps running
            // on its own double unless someone wrote a new phase into the record.
            if (std::memcmp(&preset_->oscPhase[m][c], &state_.storedPhase[m][c], sizeof(float)) != 0)
                state_.phase[m][c] = wrapPhase(preset_->oscPhase[m][c]);
        }
    }
}

// The record's pending words travel in the inboxes of the frame loop while the block
// plays; a pre-computed module has none and nothing sends to its inbox.
void BlockRunner::loadPendingWords()
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        if (plan_.modules[index].precomputed)
            continue;
        const int m = plan_.modules[index].index;
        for (int c = 0; c < kNumChannels; ++c) {
            OrvChannelInputs& inbox = state_.inputs[m][c];
            inbox.amplitudeCount = preset_->pendingAmplMod[m][c];
            inbox.trackedFrequencyCount = preset_->pendingTrackedFreqMod[m][c];
            inbox.trackedCutoffCount = preset_->pendingTrackedFilterFrq[m][c];
        }
    }
}

// A module that runs a pass at a time only because a moving delay is read ahead reads its
// late routes from its senders' last frames; should it join the frame loop, it finds them in
// its inbox as the frame loop would have left it, with the depths they were sent at.
void BlockRunner::keepLateRoutes()
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        const ModulePlan& module = plan_.modules[index];
        if (!module.precomputedByMovingDelay)
            continue;
        OrvChannelInputs (&late)[kNumChannels] = lateInbox_[module.index];
        for (int c = 0; c < kNumChannels; ++c) {
            late[c] = {};
            late[c].mix = module.selfMixCount > 0 ? state_.inputs[module.index][c].mix : 0.0f;
        }
        for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
            const Incoming& from = module.incoming[incoming];
            if (!from.lagged)
                continue;
            const Route& route = routeOf(from);
            for (int c = 0; c < plan_.modules[from.sender].channels; ++c) {
                const float y = passOf(from.sender, c)[-1];
                deliver(route, late[c], y, 1.0f, trackedPitch(route, y));
            }
        }
    }
}

void BlockRunner::handOverInboxes()
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        const ModulePlan& module = plan_.modules[index];
        // After a program change nothing ran before: the inbox starts empty.
        if (std::exchange(handOver_[index], false) && state_.ranLastPass[module.index]
            && !hasPendingWord(*preset_, module.index))
            std::copy_n(lateInbox_[module.index], kNumChannels, state_.inputs[module.index]);
    }
}

void BlockRunner::storePendingWords()
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        if (plan_.modules[index].precomputed)
            continue;
        const int m = plan_.modules[index].index;
        for (int c = 0; c < kNumChannels; ++c) {
            const OrvChannelInputs& inbox = state_.inputs[m][c];
            preset_->pendingAmplMod[m][c] = inbox.amplitudeCount;
            preset_->pendingTrackedFreqMod[m][c] = inbox.trackedFrequencyCount;
            preset_->pendingTrackedFilterFrq[m][c] = inbox.trackedCutoffCount;
        }
    }
}

void BlockRunner::storePhases()
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        const ModulePlan& module = plan_.modules[index];
        if (!hasPhase(module.source))
            continue;
        for (int c = 0; c < module.channels; ++c) {
            const float phase = float(state_.phase[module.index][c]);
            preset_->oscPhase[module.index][c] = phase < float(kTwoPi) ? phase : 0.0f;
            state_.storedPhase[module.index][c] = preset_->oscPhase[module.index][c];
        }
    }
}

void BlockRunner::startRequestedFades()
{
    for (int m = 0; m < kNumModules; ++m) {
        if (!std::exchange(state_.fadeRequested[m], false) || !state_.delayRead[m])
            continue;
        for (int c = 0; c < kNumChannels; ++c)
            state_.fadeFromTime[m][c] = state_.lastDelayTime[m][c];
        state_.fadeRemaining[m] = kCrossfadeFrames;
    }
}

// Non-finite samples count as 0; a tiny offset of alternating sign keeps
// decaying filters and feedback loops out of the denormal range.
// The offset's sign follows the frame's parity within the pass, so the loop has no
// carried state and vectorises a pair of frames at a time.
void BlockRunner::readInputs(const float* const inputs[2], int offset, int count)
{
    const float evenOffset = state_.denormalSign ? kDenormalOffset : -kDenormalOffset;
    const auto finite = [](float x) { return std::fabs(x) <= kLargestFloat ? x : 0.0f; };
    for (int c = 0; c < kNumChannels; ++c) {
        const float* from = inputs[c] + offset;
        float* to = engine_.passInput.get() + c * kPassFrames;
        int frame = 0;
#if defined(__SSE2__)
        const __m128 largest = _mm_set1_ps(kLargestFloat);
        const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
        const __m128 offsets = _mm_setr_ps(evenOffset, -evenOffset, evenOffset, -evenOffset);
        for (; frame + 4 <= count; frame += 4) {
            const __m128 x = _mm_loadu_ps(from + frame);
            const __m128 finiteX = _mm_and_ps(x, _mm_cmple_ps(_mm_and_ps(x, magnitude), largest));
            _mm_storeu_ps(to + frame, _mm_add_ps(finiteX, offsets));
        }
#endif
        for (; frame + 1 < count; frame += 2) {
            to[frame] = finite(from[frame]) + evenOffset;
            to[frame + 1] = finite(from[frame + 1]) - evenOffset;
        }
        if (frame < count)
            to[frame] = finite(from[frame]) + evenOffset;
    }
    if (count % 2 != 0)
        state_.denormalSign = !state_.denormalSign;
}

// `filterCountdown_` is the number of frames until the next refresh.
void BlockRunner::markFilterRefreshes(int count)
{
    std::fill_n(refreshAt_, count, false);
    int frame = filterCountdown_;
    for (; frame < count; frame += kFilterRefreshFrames)
        refreshAt_[frame] = true;
    filterCountdown_ = frame - count;
}

void BlockRunner::startFrame(int frame)
{
    frame_ = passStart_ + frame;
    refreshFilters_ = refreshesAt(frame);
}

// The average of both inputs, for the module steps of L+R In modules.
void BlockRunner::fillMixedInputs(int count)
{
    const float* left = engine_.passInput.get();
    const float* right = left + kPassFrames;
    for (int index = 0; index < plan_.moduleCount; ++index) {
        if (plan_.modules[index].source != OscKind::LeftRightIn)
            continue;
        float* mixed = filledSource(index, 0);
        for (int frame = 0; frame < count; ++frame)
            mixed[frame] = (left[frame] + right[frame]) * 0.5f;
    }
}

// An oscillator's samples do not depend on the other modules unless a route bends
// its frequency or phase, so those of the frame loop are made a pass at a time.
void BlockRunner::fillFrameLoopSources(int count)
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        const ModulePlan& module = plan_.modules[index];
        if (!module.sourceFilled)
            continue;
        for (int c = 0; c < module.channels; ++c)
            fillOscillator(module, c, filledSource(index, c), filledLfo(index, c), count);
    }
}

// Keeps each module's last frame for routes that arrive one frame late; a channel
// that does not run keeps 0 (see prepare).
void BlockRunner::keepLastFrames(int count)
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        state_.ranLastPass[plan_.modules[index].index] = true;
        for (int c = 0; c < plan_.modules[index].channels; ++c)
            passOf(index, c)[-1] = passOf(index, c)[count - 1];
    }
}

// The other modules run frame by frame; the pre-computed ones only send to them. The
// frame loop runs whole passes, so it reads and writes the rows from their start.
void BlockRunner::runFrame(int frame)
{
    startFrame(frame);
    for (int place = 0; place < frameOrderCount_; ++place) {
        const int index = frameOrder_[place];
        const ModulePlan& module = plan_.modules[index];
        if (!module.precomputed) {
            float sample[kNumChannels]; // the step sets each channel it runs
            float pan[kNumChannels];
            (this->*moduleSteps_[index])(module, state_.inputs[module.index], sample, pan);
            if (module.channels == 1)
                state_.inputs[module.index][1] = {};
            for (int c = 0; c < module.channels; ++c) {
                output_[index][c][frame] = sample[c];
                if (module.panned)
                    panOf(index, c)[frame] = pan[c];
            }
            continue;
        }
        // The other routes' targets took them in the pre-pass.
        for (int live = 0; live < module.liveRouteCount; ++live) {
            const Route& r = module.routes[module.liveRoutes[live]];
            for (int c = 0; c < module.channels; ++c) {
                const float y = output_[index][c][frame];
                deliver(r, state_.inputs[r.target][c], y, 1.0f, trackedPitch(r, y));
            }
        }
    }
}

} // namespace orv_engine
