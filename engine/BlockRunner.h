#pragma once

#include <cstddef>
#include <cstdint>

#include "DelayLine.h"
#include "Oscillators.h"
#include "Schedule.h"

namespace orv_engine {

constexpr int kFilterRefreshFrames = 160;
// A delay time set anew fades from the old read position to the new one over about 6 ms.
constexpr int kCrossfadeFrames = 256;
constexpr int kTrackHistory = 2 * kLongestTrackedPeriod;

// One row per module and channel, with room for the frame before the pass.
constexpr size_t kModuleRowFrames = kPassFrames + 1;

inline float* moduleOutput(OrvEngine& engine, int module, int c)
{
    return engine.modulePass.get() + (size_t(module) * kNumChannels + size_t(c)) * kModuleRowFrames + 1;
}

// The processes that have code of their own (the others pass the signal on).
#define ORV_EACH_PROCESS                                                                                        \
    ORV_PROCESS(ProcessKind::EnvFollow)                                                                          \
    ORV_PROCESS(ProcessKind::PitchTrack)                                                                         \
    ORV_PROCESS(ProcessKind::DcOffset)                                                                           \
    ORV_PROCESS(ProcessKind::RaiseToPwr)                                                                         \
    ORV_PROCESS(ProcessKind::Delay)                                                                              \
    ORV_PROCESS(ProcessKind::SampHold)                                                                           \
    ORV_PROCESS(ProcessKind::LowPass)                                                                            \
    ORV_PROCESS(ProcessKind::HighPass)                                                                           \
    ORV_PROCESS(ProcessKind::BandPass)

// Plays one block of a plan, a pass of at most kPassFrames frames at a time: first the
// modules that run a pass at a time, then the frame loop, then the buses and the limiter.
class BlockRunner {
public:
    BlockRunner(OrvEngine& engine, const BlockPlan& plan);
    // Finds what the frame loop needs of a new plan.
    void prepare();
    void run(OrvPreset& preset, const float* const inputs[2], float* const outputs[2], int frames, bool replace);

private:
    // Block and pass set-up, the frame loop (BlockRunner.cpp)
    void loadPhases();
    void loadPendingWords();
    void handOverInboxes();
    void keepLateRoutes();
    void storePendingWords();
    void storePhases();
    void startRequestedFades();
    void readInputs(const float* const inputs[2], int offset, int count);
    void markFilterRefreshes(int count);
    void startFrame(int frame);
    void fillMixedInputs(int count);
    void findSourceRows(int index);
    void fillFrameLoopSources(int count);
    void keepLastFrames(int count);
    void runFrame(int frame);

    // Modules that run a pass at a time (PassRunner.cpp)
    void precomputeIndependentModules(int count);
    void runPassWise(const int order[], int modules, int count);
    void findPassPath(int index);
    bool takesProcessRoutes(const ModulePlan& module) const;
    bool takesTrackedRoutes(const ModulePlan& module) const;
    void gatherProcessRoutes(const ModulePlan& module, int frame, OrvChannelInputs inbox[2]) const;
    void precomputeFrameByFrame(int index, int count);
    void precomputeChannels(int index, int count);
    void gatherInputs(int index, float* const samples[2], float* const lfo[2], int count);
    void applyLevelRoutes(const ModulePlan& module, int c, float* samples, int count);
    void fillSource(int index, int c, float* samples, float* lfo, int count);
    void fillBentOscillator(const ModulePlan& module, int c, float* samples, float* lfo, int count);
    void sumRoutes(const ModulePlan& module, int c, float OrvChannelInputs::*field, float* sums, int count) const;
    template <int Channels>
    void processPass(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart);
    template <int16_t Process, int Channels>
    void processPassAs(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart);
    template <int16_t Process, int Channels>
    void runPassAs(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart);
    template <int Channels>
    void filterPass(const ModulePlan& module, float* const samples[2], int count);


    // Delays a pass at a time (DelayPasses.cpp)
    void readAhead(int index, int count);
    void runSubPasses(int count);
    void runSubPassFrame();
    void runMovingDelayFrame(int index);
    void findMovingTimes(int index, int count);
    int subPassLength(int start, int count) const;
    void readAheadMoving(int index, int count);
    void writeAhead(int index, float* const inputs[2], int count);
    bool delayPass(const ModulePlan& module, float* const samples[2], const float* const lfo[2],
                   const float (*moves)[kPassFrames], int count);

    // One module's frame: source, process, routes (ModuleStep.h, ModuleStep.cpp)
    using ModuleStep = void (BlockRunner::*)(const ModulePlan& module, OrvChannelInputs inbox[2], float sample[2],
                                             float pan[2]);
    static ModuleStep moduleStepFor(int16_t process, int channels);
    void runModule(const ModulePlan& module, OrvChannelInputs inbox[2], float sample[2], float pan[2]);
    template <int16_t Process, int Channels>
    [[gnu::noinline]] void runModuleAs(const ModulePlan& module, OrvChannelInputs inbox[2], float sample[2], float pan[2]);
    float sourceSample(const ModulePlan& module, int c, const OrvChannelInputs& in, bool tracked, float& lfo);
    double oscillatorFrequency(const ModulePlan& module, const OrvChannelInputs& in, bool tracked) const;
    float waveAt(const ModulePlan& module, double phase, double frequency, float phaseModulation, float& lfo) const;
    template <int16_t Process>
    float processAs(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, bool trackedCutoff, float lfo);
    float delaySample(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, float lfo);
    float filterSample(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, bool trackedCutoff);
    static void multiplyAmplitude(OrvChannelInputs& to, float factor);
    static void addTracked(float& sum, uint16_t& pending, float value);
    void deliver(const Route& route, OrvChannelInputs& to, float y, float depthScale, float pitch) const;
    [[gnu::noinline]] float oscillatorSample(const ModulePlan& module, int c, const OrvChannelInputs& in, bool tracked,
                                             float& lfo);
    void fillOscillator(const ModulePlan& module, int c, float* samples, float* lfo, int count);
    [[gnu::noinline]] float trackPitch(const ModulePlan& module, int c, float x, float lfo);
    float detectOrReuse(const ModulePlan& module, int c, uint32_t newest);
    float* detectionWindow(int which) const;
    void unrollHistory(const float* samples, uint32_t newest, int count, float* window) const;
    [[gnu::noinline]] void refreshFilter(const ModulePlan& module, OrvFilterState& filter, const OrvChannelInputs& in,
                                         bool trackedCutoff) const;

    // Buses and limiter (OutputStage.cpp)
    void mixBuses(int count);
    void limitAndWrite(float* const outputs[2], int offset, int count, bool replace);
    float passPeak(int count) const;
    void writeUnlimited(float* const outputs[2], int offset, int count, bool replace) const;

    float* filledSource(int index, int c) const
    {
        return engine_.sourcePass.get() + (size_t(index) * kNumChannels + size_t(c)) * kPassFrames;
    }

    float* filledLfo(int index, int c) const
    {
        return filledSource(index, c) + kNumModules * kNumChannels * kPassFrames;
    }

    // A module's output over the (sub-)pass; the frame before it sits at index -1.
    float* passOf(int index, int c) const
    {
        return output_[index][c] + passStart_;
    }

    const float* inputOf(int c) const
    {
        return engine_.passInput.get() + c * kPassFrames + passStart_;
    }

    bool refreshesAt(int frame) const
    {
        return refreshAt_[passStart_ + frame];
    }

    // Where a route into a pre-computed module reads its sender's output for each frame.
    const float* sentThrough(const Incoming& incoming, int c) const
    {
        return passOf(incoming.sender, c) - (incoming.lagged ? 1 : 0);
    }

    // Whether a route into a pre-computed module sends anything in this frame: one from a
    // later module sends nothing in the first frame after that module stood still.
    bool sends(const Incoming& incoming, int frame) const
    {
        return frame + passStart_ > 0 || !incoming.lagged || state_.ranLastPass[plan_.modules[incoming.sender].index];
    }

    float* panOf(int index, int c) const
    {
        return engine_.panPass.get() + (size_t(index) * kNumChannels + size_t(c)) * kPassFrames + passStart_;
    }

    const Route& routeOf(const Incoming& incoming) const
    {
        return plan_.modules[incoming.sender].routes[incoming.route];
    }

    // A tracker's output is its pitch × 2 / rate, so its routes can read the pitch back from it.
    float trackedPitch(const Route& route, float output) const
    {
        return route.action >= RouteAction::TrackedFrequency ? float(output * plan_.sampleRate * 0.5) : 0.0f;
    }

    double phaseIncrement(double frequency) const { return kTwoPi * frequency * plan_.framePeriod; }

    // Delay Mod * / S/H Mod * and a Sine LFO scale the time relatively (a sweep of
    // depth d moves it between T(1 - d) and T(1 + d)); PitchTrack routes add periods.
    static double modulatedTime(float time, const OrvChannelInputs& in, float lfo)
    {
        return double(time) * (1.0 + double(in.time)) * (1.0 + double(lfo)) + double(in.trackedTime);
    }

    float* line(const ModulePlan& module, int c) const
    {
        return lines_[module.index][c];
    }

    uint32_t writeLine(const ModulePlan& module, int c, float x)
    {
        return orv_engine::writeLine(line(module, c), plan_.lineLength, state_.lineWrite[module.line + c], x);
    }

    float readLine(const float* samples, uint32_t newest, double time) const
    {
        return orv_engine::readLine(samples, plan_.lineLength, newest, time);
    }

    OrvEngine& engine_;
    OrvModulationState& state_;
    OrvPreset* preset_ = nullptr; // the record of the block that plays
    const BlockPlan& plan_;
    double longestDelay_ = 0.0; // samples a read may reach back
    float threshold_ = 0.7f;
    int frame_ = 0; // the frame of the pass that runs
    int passStart_ = 0; // where the sub-pass that runs starts in the pass
    // By slot: each frame's time of a moving delay over the pass; left unset, so only
    // programs with such delays touch it.
    double movingTime_[kMaxMovingDelays][kNumChannels][kPassFrames];
    int filterCountdown_ = 0; // coefficients are refreshed at the block start and every 160 frames
    float* output_[kNumModules][kNumChannels] {}; // each planned module's row of modulePass
    float* lines_[kNumModules][kNumChannels] {};  // each module's delay lines, by module number
    // By module number: where a module step reads its source and Sine LFO value over the
    // pass, when they do not depend on the frame's routes; null: it makes them itself.
    const float* sourceRow_[kNumModules][kNumChannels] {};
    const float* lfoRow_[kNumModules][kNumChannels] {};
    ModuleStep moduleSteps_[kNumModules] {}; // by place in the plan
    int frameOrder_[kNumModules] {};         // the modules the frame loop runs or sends from, by place
    int frameOrderCount_ = 0;
    // By place: a pre-computed module runs one channel at a time (else frame by frame),
    // and routes bend its oscillator or move its pan.
    bool channelWise_[kNumModules] {};
    bool subPassed_[kNumModules] {}; // by place: it runs in the sub-passes of moving delays
    // By module number: in the plan before, it ran a pass at a time only because a moving
    // delay was read ahead; by place: it joins the frame loop from there, so its inbox must
    // take the routes that arrive late.
    bool wasPrecomputedByMovingDelay_[kNumModules] {};
    bool handOver_[kNumModules] {};
    // By module number: the inbox such a module would hold after the block in the frame loop.
    OrvChannelInputs lateInbox_[kNumModules][kNumChannels] {};
    bool shapesSource_[kNumModules] {};
    int lastWindow_ = 0;      // the history of the block's last pitch detection, with its lags and result
    int lastShortest_ = 0;
    int lastLongest_ = 0;     // 0: no detection yet
    float lastPitch_ = 0.0f;
    bool refreshAt_[kPassFrames] {};
    bool refreshFilters_ = false;
};

// The plan the engine plays, what it was made from and its runner.
struct PlanCache {
    explicit PlanCache(OrvEngine& engine) : runner(engine, plan) {}

    PlanInputs inputs {};
    BlockPlan plan;
    BlockRunner runner;
    bool valid = false;
};

} // namespace orv_engine
