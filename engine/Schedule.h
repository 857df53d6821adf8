#pragma once

#include <cstddef>
#include <cstdint>

#include "OrvEngine.h"

namespace orv_engine {

// At most this many delays whose time moves are read ahead in one plan.
constexpr int kMaxMovingDelays = 2;

// Process times and periods the engine takes no further than this many samples.
constexpr float kMaxTime = 1.0e7f;

// What a route does to its target's inbox, decided once per block; the tracked actions come last.
enum class RouteAction : uint8_t { AddToField, Amplitude, Ring, TrackedFrequency, TrackedCutoff, TrackedTime };

struct Route {
    int slot;
    int target;
    float depth;
    RouteAction action;
    float OrvChannelInputs::*field; // for AddToField
    bool pulled;                    // the target is pre-computed and reads this route itself
};

// A route into a pre-computed module, by the sender's place in the plan.
struct Incoming {
    int sender;
    int route;
    bool lagged; // from a later module: it arrives one frame late
};

struct ModulePlan {
    int index;
    int16_t source;
    int16_t process;
    int channels; // 1 when channel 1 cannot be heard or sent anywhere
    bool panned;
    bool precomputed; // runs a pass at a time, in the block pre-pass or after the frame loop (see planPrePass)
    bool readsAhead;  // a pre-computed Delay whose output is read before its input is known
    bool timeMoves;   // ...whose time Delay Mod routes move, so it is read ahead a sub-pass at a time
    int movingSlot;   // where such a delay keeps its times over the pass, -1 for none
    bool precomputedByMovingDelay; // it would run in the frame loop if no such delay were read ahead
    bool sourceFilled; // a frame-loop oscillator no route bends: its source runs a pass at a time
    int incomingCount;
    Incoming incoming[kNumModules * kNumSlots]; // for a pre-computed module: the routes it pulls in
    int selfMixCount;                           // for a pre-computed module: its Mix routes into itself
    float selfMixDepth[kNumSlots];
    bool outputOn[kNumChannels];
    float outputGain[kNumChannels];
    float frequency;
    float dcOffset;
    float envCoefficient;
    float envTimeScale;
    float envThreshold;
    float cutoff;
    float q;
    float lfoDepth;
    float processTime;
    float exponent;
    float quantizeStep;
    float shape;
    float sourceGain; // the module's share of its own input, beside the Mix routes into it
    int shortestPeriod;
    int longestPeriod; // 0: the line is too short to detect anything
    float trackInterval;
    int line; // first of the module's two delay lines, -1 for none
    int routeCount;
    Route routes[kNumSlots];
    int liveRouteCount; // the routes that are not pulled: they go through the target's inbox
    int liveRoutes[kNumSlots];
};

// What a module's Mix routes into itself send to its next frame, as delivery adds them.
inline float selfMix(const ModulePlan& module, float output)
{
    float sum = 0.0f;
    for (int route = 0; route < module.selfMixCount; ++route)
        sum += module.selfMixDepth[route] * output;
    return sum;
}

// What the record says for this block, checked and bounded once.
struct BlockPlan {
    ModulePlan modules[kNumModules];
    int moduleCount = 0;
    int planIndex[kNumModules] {}; // where a module in use sits in `modules`
    int prePassOrder[kNumModules] {}; // the pre-computed modules, every sender before its targets
    int prePassCount = 0;
    // The pre-computed modules that a delay whose time moves reaches, in the same order: they
    // run after the others, in sub-passes no longer than that delay's time.
    int subPassOrder[kNumModules] {};
    int subPassCount = 0;
    int postPassOrder[kNumModules] {}; // the modules that run after the frame loop, in the same order
    int postPassCount = 0;
    float busScale[kNumChannels] {};
    uint32_t lineLength = 1;
    double sampleRate = 44100.0;
    double framePeriod = 1.0 / 44100.0; // seconds; oscillators multiply by it rather than divide every frame
    double limiterRelease = 0.0;        // the share of the way to its target a releasing limiter goes per frame
};

inline bool isFilter(int16_t process)
{
    return process == ProcessKind::LowPass || process == ProcessKind::HighPass || process == ProcessKind::BandPass;
}

inline bool usesLine(int16_t process)
{
    return process == ProcessKind::Delay || process == ProcessKind::PitchTrack;
}

// The processes whose time a Sine LFO moves.
inline bool readsLfo(int16_t process)
{
    return usesLine(process) || process == ProcessKind::SampHold;
}

inline bool isWaveOscillator(int16_t source)
{
    return source >= OscKind::Sine && source <= OscKind::Saw;
}

inline bool hasPhase(int16_t source)
{
    return isWaveOscillator(source) || source == OscKind::SineLfo;
}

inline bool isLevelRoute(const Route& route)
{
    return (route.action == RouteAction::AddToField && route.field == &OrvChannelInputs::mix)
        || route.action == RouteAction::Amplitude || route.action == RouteAction::Ring;
}

// Routes that only the process reads, so they can be gathered frame by frame beside a pass.
inline bool isProcessRoute(const Route& route)
{
    if (route.action == RouteAction::TrackedTime)
        return true;
    return route.action == RouteAction::AddToField
        && (route.field == &OrvChannelInputs::cutoff || route.field == &OrvChannelInputs::q
            || route.field == &OrvChannelInputs::time || route.field == &OrvChannelInputs::power);
}

// Freq Mod, Phase Mod and Pan Mod: they bend an oscillator or move the pan.
inline bool isSourceRoute(const Route& route)
{
    return route.action == RouteAction::AddToField
        && (route.field == &OrvChannelInputs::frequency || route.field == &OrvChannelInputs::phase
            || route.field == &OrvChannelInputs::pan);
}

inline bool isDepthRoute(const Route& route)
{
    return route.action == RouteAction::AddToField
        && (route.field == &OrvChannelInputs::slotADepth || route.field == &OrvChannelInputs::slotBDepth);
}

inline bool hasPendingWord(const OrvPreset& preset, int m)
{
    for (int c = 0; c < kNumChannels; ++c) {
        if (preset.pendingAmplMod[m][c] || preset.pendingTrackedFilterFrq[m][c] || preset.pendingTrackedFreqMod[m][c])
            return true;
    }
    return false;
}

// Everything of the record and the running state that a plan is made from, so a plan is
// made again only when one of them changes: two stretches of the record that hold every
// field a plan reads (beside a few display words) and of the values a block writes only
// the pending words, which rarely change.
struct PlanInputs {
    static constexpr size_t kModuleFieldsAt = offsetof(OrvPreset, outputGain);
    static constexpr size_t kTrackerFieldsAt = offsetof(OrvPreset, minLag);
    unsigned char moduleFields[offsetof(OrvPreset, lastPitch) - kModuleFieldsAt];
    unsigned char trackerFields[offsetof(OrvPreset, moduleWord1044) - kTrackerFieldsAt];
    float sampleRate;
    bool fading[kNumModules];
};

void readPlanInputs(PlanInputs& inputs, const OrvPreset& preset, const OrvModulationState& state, float sampleRate);
// Bit for bit.
bool samePlanInputs(const PlanInputs& inputs, const OrvPreset& preset, const OrvModulationState& state,
                    float sampleRate);

// Turns the record into this block's plan: what each module in use does, its routes
// with their depths, the lines it owns and the order modules run in.
void buildPlan(BlockPlan& plan, const OrvPreset& preset, const OrvModulationState& state, float sampleRate);

// Chooses the modules that run a pass at a time, before or after the frame loop, and their order.
void planPrePass(BlockPlan& plan, const OrvPreset& preset, const OrvModulationState& state);

} // namespace orv_engine
