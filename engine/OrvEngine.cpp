#include "OrvEngine.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

#include "EngineDsp.h"
#include "PitchDetector.h"

using namespace orv_dsp;

namespace {

constexpr float kDenormalOffset = 1.0e-20f; // far below hearing, far above the denormal range
constexpr int kFilterRefreshFrames = 160;
// A delay time set anew fades from the old read position to the new one over about 6 ms.
constexpr int kCrossfadeFrames = 256;
// Square and Saw are band-limited from this frequency up.
constexpr double kBandLimitFrom = 20.0;
constexpr double kLimiterReleaseSeconds = 0.05;
// A releasing limiter this close to its target gain takes it, so quiet audio passes bit for bit.
constexpr double kLimiterSnap = 1.0e-6;
constexpr int kNoiseCentre = 16383;
constexpr float kNoiseScale = 6.103888e-05f;
constexpr int kTrackHistory = 2 * kLongestTrackedPeriod;
// Safe ranges of record fields inside the engine (the record keeps what it holds).
constexpr float kMaxFrequency = 1.0e5f;
constexpr float kMaxDepth = 1.0e4f;
constexpr float kMaxGain = 1.0e4f;
constexpr float kMaxMagnitude = 1.0e4f; // offsets, thresholds, Q, exponents, steps
// Filters keep their cutoff inside 1 Hz .. 0.49 × rate and Q inside 0.01 .. 1000, whatever modulates them.
constexpr double kMinCutoff = 1.0;
constexpr double kMaxCutoffRatio = 0.49;
constexpr double kMinQ = 0.01;
constexpr double kMaxQ = 1000.0;
constexpr float kMaxEnvCoefficient = 0.999999f;
constexpr float kMaxTime = 1.0e7f;
// A filter state this large only comes from a coefficient jump on a wild sweep; it restarts.
constexpr double kFilterStateLimit = 1.0e12;

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
};

// What the record says for this block, checked and bounded once.
struct BlockPlan {
    ModulePlan modules[kNumModules];
    int moduleCount = 0;
    int planIndex[kNumModules] {}; // where a module in use sits in `modules`
    int prePassOrder[kNumModules] {}; // the pre-computed modules, every sender before its targets
    int prePassCount = 0;
    int postPassOrder[kNumModules] {}; // the modules that run after the frame loop, in the same order
    int postPassCount = 0;
    float busScale[kNumChannels] {};
    uint32_t lineLength = 1;
    double sampleRate = 44100.0;
    double framePeriod = 1.0 / 44100.0; // seconds; oscillators multiply by it rather than divide every frame
};

int16_t knownSource(int16_t kind)
{
    switch (kind) {
    case OscKind::LeftIn: case OscKind::RightIn: case OscKind::LeftRightIn: case OscKind::StereoIn:
    case OscKind::Sine: case OscKind::Triangle: case OscKind::Square: case OscKind::Saw:
    case OscKind::Noise: case OscKind::SineLfo:
        return kind;
    default:
        return OscKind::NoOsc;
    }
}

// Codes that are no menu position act as No Process.
int16_t knownProcess(int16_t kind)
{
    switch (kind) {
    case ProcessKind::EnvFollow: case ProcessKind::PitchTrack: case ProcessKind::QuantizeFrq:
    case ProcessKind::DcOffset: case ProcessKind::PhaseShape: case ProcessKind::RaiseToPwr:
    case ProcessKind::Delay: case ProcessKind::SampHold:
    case ProcessKind::LowPass: case ProcessKind::HighPass: case ProcessKind::BandPass:
        return kind;
    default:
        return ProcessKind::NoProcess;
    }
}

bool isFilter(int16_t process)
{
    return process == ProcessKind::LowPass || process == ProcessKind::HighPass || process == ProcessKind::BandPass;
}

bool usesLine(int16_t process)
{
    return process == ProcessKind::Delay || process == ProcessKind::PitchTrack;
}

bool isWaveOscillator(int16_t source)
{
    return source >= OscKind::Sine && source <= OscKind::Saw;
}

bool hasPhase(int16_t source)
{
    return isWaveOscillator(source) || source == OscKind::SineLfo;
}

// Whether a route of this kind acts on a module with this process (the starred kinds need a match).
bool routeActsOn(uint16_t kind, int16_t targetProcess)
{
    switch (kind) {
    case ModKind::AmplMod: case ModKind::RingMod: case ModKind::Mix: case ModKind::PanMod:
    case ModKind::FreqMod: case ModKind::ModAMod: case ModKind::ModBMod:
        return true;
    case ModKind::DelayMod:
        return usesLine(targetProcess);
    case ModKind::SampHoldMod:
        return targetProcess == ProcessKind::SampHold;
    case ModKind::PhaseMod:
        return targetProcess == ProcessKind::PhaseShape;
    case ModKind::PowerMod:
        return targetProcess == ProcessKind::RaiseToPwr;
    case ModKind::FilterFrq: case ModKind::FilterQ:
        return isFilter(targetProcess);
    default:
        return false;
    }
}

// The record's line length when it fits the pool for this many lines, else the length sizing would give.
uint32_t usableLineLength(uint32_t stored, int lines)
{
    if (lines == 0)
        return 1;
    if (stored >= 1 && uint64_t(stored) * uint64_t(lines) <= uint64_t(kDelayPoolSamples))
        return stored;
    return uint32_t(kDelayPoolSamples) / std::bit_ceil(uint32_t(lines));
}

void planModule(ModulePlan& plan, const OrvPreset& preset, int m, uint32_t lineLength)
{
    plan.index = m;
    plan.source = knownSource(preset.oscKind[m]);
    plan.process = knownProcess(preset.processKind[m]);
    for (int c = 0; c < kNumChannels; ++c) {
        plan.outputOn[c] = preset.outputOn[m][c] == 1;
        plan.outputGain[c] = clampField(preset.outputGain[m][c], -kMaxGain, kMaxGain, 0.0f);
    }
    plan.frequency = clampField(preset.oscFrequency[m], -kMaxFrequency, kMaxFrequency, 0.0f);
    plan.dcOffset = clampField(preset.dcOffset[m], -kMaxMagnitude, kMaxMagnitude, 0.0f);
    plan.processTime = clampField(preset.processTime[m], 0.0f, kMaxTime, 0.0f);
    plan.envCoefficient = clampField(preset.envCoefficient[m], 0.0f, kMaxEnvCoefficient, 0.0f);
    plan.envTimeScale = 1.0f / std::max(plan.processTime, 1.0f);
    plan.envThreshold = clampField(preset.envThreshold[m], 0.0f, kMaxMagnitude, 0.0f);
    plan.cutoff = clampField(preset.mainValue[m], -kMaxFrequency, kMaxFrequency, 1000.0f);
    plan.q = clampField(preset.filterQ[m], -kMaxMagnitude, kMaxMagnitude, 1.0f);
    plan.lfoDepth = clampField(preset.phaseOrLfoDepth[m], -kMaxDepth, kMaxDepth, 0.0f);
    plan.exponent = clampField(preset.exponent[m], -kMaxMagnitude, kMaxMagnitude, 1.0f);
    plan.quantizeStep = clampField(preset.quantizeStep[m], 0.0f, kMaxMagnitude, 0.0f);
    plan.shape = clampField(preset.phaseShape[m], -kMaxDepth, kMaxDepth, 0.0f);
    plan.sourceGain = 1.0f;

    // The detector compares a window of one longest period with the one before it,
    // so the longest period is at most half the line.
    const int longestFit = int(std::min<uint32_t>(kLongestTrackedPeriod, lineLength / 2));
    const int lowLag = std::max(2, std::min(preset.minLag[m], preset.maxLag[m]));
    const int highLag = std::min(std::max(preset.minLag[m], preset.maxLag[m]), longestFit);
    plan.shortestPeriod = lowLag;
    plan.longestPeriod = highLag > lowLag ? highLag : 0;
    plan.trackInterval = clampField(preset.trackInterval[m], 1.0f, kMaxTime, 1.0f);
    plan.line = -1;
    plan.routeCount = 0;
}

Route makeRoute(int slot, uint16_t kind, int target, float depth, bool fromTracker)
{
    Route route {slot, target, depth, RouteAction::AddToField, nullptr, false};
    switch (kind) {
    case ModKind::Mix: route.field = &OrvChannelInputs::mix; break;
    case ModKind::AmplMod: route.action = RouteAction::Amplitude; break;
    case ModKind::RingMod: route.action = RouteAction::Ring; break;
    case ModKind::PanMod: route.field = &OrvChannelInputs::pan; break;
    case ModKind::FreqMod:
        route.field = &OrvChannelInputs::frequency;
        if (fromTracker)
            route.action = RouteAction::TrackedFrequency;
        break;
    case ModKind::FilterFrq:
        route.field = &OrvChannelInputs::cutoff;
        if (fromTracker)
            route.action = RouteAction::TrackedCutoff;
        break;
    case ModKind::DelayMod:
    case ModKind::SampHoldMod:
        route.field = &OrvChannelInputs::time;
        if (fromTracker)
            route.action = RouteAction::TrackedTime;
        break;
    // Phase Mod * adds to the PhaseShape amount: the sender bends the target's waveform back and forth.
    case ModKind::PhaseMod: route.field = &OrvChannelInputs::phase; break;
    case ModKind::PowerMod: route.field = &OrvChannelInputs::power; break;
    case ModKind::FilterQ: route.field = &OrvChannelInputs::q; break;
    case ModKind::ModAMod: route.field = &OrvChannelInputs::slotADepth; break;
    default: route.field = &OrvChannelInputs::slotBDepth; break; // Mod B Mod, the last kind routeActsOn lets through
    }
    return route;
}

bool hasPendingWord(const OrvPreset& preset, int m)
{
    for (int c = 0; c < kNumChannels; ++c) {
        if (preset.pendingAmplMod[m][c] || preset.pendingTrackedFilterFrq[m][c] || preset.pendingTrackedFreqMod[m][c])
            return true;
    }
    return false;
}

bool isLevelRoute(const Route& route)
{
    return (route.action == RouteAction::AddToField && route.field == &OrvChannelInputs::mix)
        || route.action == RouteAction::Amplitude || route.action == RouteAction::Ring;
}

// Routes that only the process reads, so they can be gathered frame by frame beside a pass.
bool isProcessRoute(const Route& route)
{
    if (route.action == RouteAction::TrackedTime)
        return true;
    return route.action == RouteAction::AddToField
        && (route.field == &OrvChannelInputs::cutoff || route.field == &OrvChannelInputs::q
            || route.field == &OrvChannelInputs::time || route.field == &OrvChannelInputs::power);
}

// A Delay whose time nothing moves and that is longer than a pass gives the whole pass
// from what its line held before it, so a loop of routes through it does not hold the
// pass back: its output is read ahead and its input written once its senders have run.
bool canReadAhead(const BlockPlan& plan, const ModulePlan& module, bool fading)
{
    if (module.process != ProcessKind::Delay || module.source == OscKind::SineLfo || fading
        || std::min(double(module.processTime), double(plan.lineLength) - 1.0) < double(kPassFrames + 1))
        return false;
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        const Route& route = plan.modules[module.incoming[incoming].sender].routes[module.incoming[incoming].route];
        // Its own feedback is added before Ampl Mod and Ring Mod factors, which a pass cannot do.
        if (!isLevelRoute(route) || (module.selfMixCount > 0 && route.action != RouteAction::AddToField))
            return false;
    }
    return true;
}

bool isDepthRoute(const Route& route)
{
    return route.action == RouteAction::AddToField
        && (route.field == &OrvChannelInputs::slotADepth || route.field == &OrvChannelInputs::slotBDepth);
}

// Orders the pre-pass so every module follows its senders; a delay read ahead sends from the start.
void schedulePrePass(BlockPlan& plan, const bool candidate[kNumModules])
{
    for (int index = 0; index < plan.moduleCount; ++index)
        plan.modules[index].precomputed = false;
    plan.prePassCount = 0;
    for (bool progress = true; progress;) {
        progress = false;
        for (int index = 0; index < plan.moduleCount; ++index) {
            ModulePlan& module = plan.modules[index];
            if (!candidate[index] || module.precomputed)
                continue;
            const bool sendersReady = std::all_of(module.incoming, module.incoming + module.incomingCount,
                [&](const Incoming& incoming) {
                    const ModulePlan& sender = plan.modules[incoming.sender];
                    return sender.precomputed || sender.readsAhead;
                });
            if (sendersReady) {
                module.precomputed = true;
                plan.prePassOrder[plan.prePassCount++] = index;
                progress = true;
            }
        }
    }
}

// A module of the frame loop that no loop of routes passes through, and that sends only
// to such modules, runs after the frame loop a whole pass at a time, from its output.
void planPostPass(BlockPlan& plan, const bool candidate[kNumModules])
{
    // reaches[a][b]: a path of routes leads from a to b through modules of the frame loop.
    // A module whose slot depths are modulated only sends through inboxes.
    bool reaches[kNumModules][kNumModules] {};
    bool depthModulated[kNumModules] {};
    for (int index = 0; index < plan.moduleCount; ++index) {
        const ModulePlan& module = plan.modules[index];
        for (int route = 0; route < module.routeCount; ++route) {
            const Route& r = module.routes[route];
            const int target = plan.planIndex[r.target];
            depthModulated[target] = depthModulated[target] || isDepthRoute(r);
            if (!module.precomputed && !plan.modules[target].precomputed
                && !(target == index && r.field == &OrvChannelInputs::mix))
                reaches[index][target] = true;
        }
    }
    for (int via = 0; via < plan.moduleCount; ++via) {
        for (int from = 0; from < plan.moduleCount; ++from) {
            for (int to = 0; to < plan.moduleCount; ++to)
                reaches[from][to] = reaches[from][to] || (reaches[from][via] && reaches[via][to]);
        }
    }
    bool perFrame[kNumModules] {};
    for (int index = 0; index < plan.moduleCount; ++index) {
        const ModulePlan& module = plan.modules[index];
        perFrame[index] = !module.precomputed
            && (reaches[index][index] || !candidate[index]
                || std::any_of(module.incoming, module.incoming + module.incomingCount,
                               [&](const Incoming& incoming) { return depthModulated[incoming.sender]; }));
    }
    for (int index = 0; index < plan.moduleCount; ++index) {
        for (int to = 0; to < plan.moduleCount; ++to)
            perFrame[index] = perFrame[index] || (reaches[index][to] && perFrame[to]);
    }
    plan.postPassCount = 0;
    for (bool progress = true; progress;) {
        progress = false;
        for (int index = 0; index < plan.moduleCount; ++index) {
            ModulePlan& module = plan.modules[index];
            if (perFrame[index] || module.precomputed)
                continue;
            const bool sendersDone = std::all_of(module.incoming, module.incoming + module.incomingCount,
                [&](const Incoming& incoming) {
                    return plan.modules[incoming.sender].precomputed || perFrame[incoming.sender];
                });
            if (sendersDone) {
                module.precomputed = true;
                plan.postPassOrder[plan.postPassCount++] = index;
                progress = true;
            }
        }
    }
}

// The block pre-pass takes every module that depends on nothing the frame loop computes:
// its routes come from modules of the pre-pass or are Mix routes into itself, and leave
// its slot depths alone. Senders run before their targets, so a target reads whole passes
// of them; modules on a loop of routes stay in the frame loop.
void planPrePass(BlockPlan& plan, const OrvPreset& preset, const OrvModulationState& state)
{
    bool candidate[kNumModules];
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        candidate[index] = !hasPendingWord(preset, module.index);
        module.precomputed = false;
        module.incomingCount = 0;
        module.selfMixCount = 0;
    }
    // A later sender's routes were delivered after the target ran in the frame before,
    // so they come first, as in a frame-loop inbox.
    for (const bool later : {true, false}) {
        for (int sender = 0; sender < plan.moduleCount; ++sender) {
            const ModulePlan& from = plan.modules[sender];
            for (int route = 0; route < from.routeCount; ++route) {
                const Route& r = from.routes[route];
                const int target = plan.planIndex[r.target];
                ModulePlan& to = plan.modules[target];
                if ((sender >= target) != later)
                    continue;
                if (sender == target && r.field == &OrvChannelInputs::mix)
                    to.selfMixDepth[to.selfMixCount++] = r.depth;
                else
                    to.incoming[to.incomingCount++] = {sender, route, later};
                if (isDepthRoute(r))
                    candidate[target] = false;
            }
        }
    }
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        const int m = module.index;
        module.readsAhead = candidate[index] && canReadAhead(plan, module, state.fadeRequested[m] || state.fadeRemaining[m] > 0);
    }
    // A delay read ahead must also take its input in the pre-pass; where it cannot, it
    // gives up reading ahead and the schedule starts over.
    for (bool settled = false; !settled;) {
        schedulePrePass(plan, candidate);
        settled = true;
        for (int index = 0; index < plan.moduleCount; ++index) {
            ModulePlan& module = plan.modules[index];
            if (module.readsAhead && !module.precomputed) {
                module.readsAhead = false;
                settled = false;
            }
        }
    }
    planPostPass(plan, candidate);
}

bool givesSignal(int16_t source) { return source != OscKind::NoOsc && source != OscKind::SineLfo; }

// A module's input is the average of what feeds it: its own source, when that gives
// a signal, and each Mix route into it. So a loop's depth is its share of the input:
// a delay fed by one module and by itself at 196 % repeats at 98 % and freezes, and
// two feedback routes at 135 % around a flanger stay below 1 (0.911).
void averageModuleInputs(BlockPlan& plan)
{
    int feeds[kNumModules] {};
    for (int index = 0; index < plan.moduleCount; ++index) {
        const ModulePlan& module = plan.modules[index];
        feeds[module.index] += givesSignal(module.source) ? 1 : 0;
        for (int route = 0; route < module.routeCount; ++route) {
            if (module.routes[route].field == &OrvChannelInputs::mix)
                ++feeds[module.routes[route].target];
        }
    }
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        if (feeds[module.index] > 1)
            module.sourceGain = 1.0f / float(feeds[module.index]);
        for (int route = 0; route < module.routeCount; ++route) {
            Route& r = module.routes[route];
            if (r.field == &OrvChannelInputs::mix && feeds[r.target] > 1)
                r.depth /= float(feeds[r.target]);
        }
    }
}

void buildPlan(BlockPlan& plan, const OrvPreset& preset, const OrvModulationState& state, float sampleRate)
{
    plan.sampleRate = std::isfinite(sampleRate) && sampleRate >= 1000.0f ? std::min(double(sampleRate), 1.0e6) : 44100.0;
    plan.framePeriod = 1.0 / plan.sampleRate;

    bool inUse[kNumModules];
    int lineModules = 0;
    for (int m = 0; m < kNumModules; ++m) {
        inUse[m] = preset.inUse[m] == 1;
        if (inUse[m] && usesLine(knownProcess(preset.processKind[m])))
            ++lineModules;
    }
    plan.lineLength = usableLineLength(preset.delayLineLength, 2 * lineModules);

    bool panned[kNumModules] {};
    plan.moduleCount = 0;
    int nextLine = 0;
    for (int m = 0; m < kNumModules; ++m) {
        if (!inUse[m])
            continue;
        plan.planIndex[m] = plan.moduleCount;
        ModulePlan& module = plan.modules[plan.moduleCount++];
        planModule(module, preset, m, plan.lineLength);
        if (usesLine(module.process)) {
            module.line = nextLine;
            nextLine += kNumChannels;
        }
        for (int slot = 0; slot < kNumSlots; ++slot) {
            const uint16_t kind = preset.modKind[m][slot];
            const int target = preset.modTarget[m][slot];
            if (target < 0 || target >= kNumModules || !inUse[target]
                || !routeActsOn(kind, knownProcess(preset.processKind[target])))
                continue;
            module.routes[module.routeCount++] = makeRoute(slot, kind, target,
                clampField(preset.modDepth[m][slot], -kMaxDepth, kMaxDepth, 0.0f), module.process == ProcessKind::PitchTrack);
            if (kind == ModKind::PanMod)
                panned[target] = true;
        }
    }

    averageModuleInputs(plan);

    // Each bus averages the switched-on channels that feed it; a panned channel feeds both buses.
    int busCount[kNumChannels] {};
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        module.panned = panned[module.index];
        module.channels = module.outputOn[1] || module.routeCount > 0 ? 2 : 1;
        for (int bus = 0; bus < kNumChannels; ++bus) {
            if (module.outputOn[bus])
                busCount[bus] += module.panned ? module.channels : 1;
        }
    }
    for (int bus = 0; bus < kNumChannels; ++bus)
        plan.busScale[bus] = busCount[bus] > 0 ? 1.0f / float(busCount[bus]) : 0.0f;
    planPrePass(plan, preset, state);
    bool bent[kNumModules] {};
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        for (int route = 0; route < module.routeCount; ++route) {
            Route& r = module.routes[route];
            r.pulled = plan.modules[plan.planIndex[r.target]].precomputed;
            if (r.field == &OrvChannelInputs::frequency || r.field == &OrvChannelInputs::phase)
                bent[r.target] = true;
        }
    }
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        module.sourceFilled = !module.precomputed && hasPhase(module.source) && !bent[module.index];
    }
}

// What a module's Mix routes into itself send to its next frame, as delivery adds them.
float selfMix(const ModulePlan& module, float output)
{
    float sum = 0.0f;
    for (int route = 0; route < module.selfMixCount; ++route)
        sum += module.selfMixDepth[route] * output;
    return sum;
}

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

class FlushDenormals {
public:
#if defined(__SSE__)
    FlushDenormals() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ | 0x8040); } // flush-to-zero and denormals-are-zero
    ~FlushDenormals() { _mm_setcsr(saved_); }

private:
    unsigned saved_;
#endif
};

// One row per module and channel, with room for the frame before the pass.
constexpr size_t kModuleRowFrames = kPassFrames + 1;

float* moduleOutput(OrvEngine& engine, int module, int c)
{
    return engine.modulePass.get() + (size_t(module) * kNumChannels + size_t(c)) * kModuleRowFrames + 1;
}

void addPending(uint16_t& pending)
{
    if (pending < UINT16_MAX)
        ++pending;
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

class BlockRunner {
public:
    BlockRunner(OrvEngine& engine, OrvPreset& preset, const BlockPlan& plan)
        : engine_(engine), state_(engine.state), preset_(preset), plan_(plan)
    {
        const double releaseFrames = kLimiterReleaseSeconds * plan.sampleRate;
        limiterRelease_ = 1.0 - std::exp(-1.0 / releaseFrames);
        longestDelay_ = double(plan.lineLength - 1);
        const float threshold = engine.limiterThreshold;
        threshold_ = std::isfinite(threshold) && threshold > 0.0f ? std::min(threshold, kSignalCeiling) : 0.7f;
        for (int index = 0; index < plan.moduleCount; ++index) {
            const ModulePlan& module = plan.modules[index];
            for (int c = 0; c < kNumChannels; ++c) {
                output_[index][c] = moduleOutput(engine, module.index, c);
                if (module.line >= 0)
                    lines_[module.index][c] = engine.delayPool.get() + size_t(module.line + c) * plan.lineLength;
            }
        }
    }

    void run(const float* const inputs[2], float* const outputs[2], int frames, bool replace)
    {
        loadPhases();
        loadPendingWords();
        startRequestedFades();
        for (int done = 0; done < frames; done += kPassFrames) {
            const int count = std::min(kPassFrames, frames - done);
            readInputs(inputs, done, count);
            markFilterRefreshes(count);
            precomputeIndependentModules(count);
            if (plan_.prePassCount + plan_.postPassCount < plan_.moduleCount) {
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
    }

private:
    void loadPhases()
    {
        for (int index = 0; index < plan_.moduleCount; ++index) {
            const int m = plan_.modules[index].index;
            for (int c = 0; c < kNumChannels; ++c) {
                // The record holds the phase in single precision; the engine keeps running
                // on its own double unless someone wrote a new phase into the record.
                if (std::memcmp(&preset_.oscPhase[m][c], &state_.storedPhase[m][c], sizeof(float)) != 0)
                    state_.phase[m][c] = wrapPhase(preset_.oscPhase[m][c]);
            }
        }
    }

    // The record's pending words travel in the inboxes while the block plays.
    void loadPendingWords()
    {
        for (int index = 0; index < plan_.moduleCount; ++index) {
            const int m = plan_.modules[index].index;
            for (int c = 0; c < kNumChannels; ++c) {
                OrvChannelInputs& inbox = state_.inputs[m][c];
                inbox.amplitudeCount = preset_.pendingAmplMod[m][c];
                inbox.trackedFrequencyCount = preset_.pendingTrackedFreqMod[m][c];
                inbox.trackedCutoffCount = preset_.pendingTrackedFilterFrq[m][c];
            }
        }
    }

    void storePendingWords()
    {
        for (int index = 0; index < plan_.moduleCount; ++index) {
            const int m = plan_.modules[index].index;
            for (int c = 0; c < kNumChannels; ++c) {
                const OrvChannelInputs& inbox = state_.inputs[m][c];
                preset_.pendingAmplMod[m][c] = inbox.amplitudeCount;
                preset_.pendingTrackedFreqMod[m][c] = inbox.trackedFrequencyCount;
                preset_.pendingTrackedFilterFrq[m][c] = inbox.trackedCutoffCount;
            }
        }
    }

    void storePhases()
    {
        for (int index = 0; index < plan_.moduleCount; ++index) {
            const ModulePlan& module = plan_.modules[index];
            if (!hasPhase(module.source))
                continue;
            for (int c = 0; c < module.channels; ++c) {
                const float phase = float(state_.phase[module.index][c]);
                preset_.oscPhase[module.index][c] = phase < float(kTwoPi) ? phase : 0.0f;
                state_.storedPhase[module.index][c] = preset_.oscPhase[module.index][c];
            }
        }
    }

    void startRequestedFades()
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
    // carried state and vectorises.
    void readInputs(const float* const inputs[2], int offset, int count)
    {
        const float evenOffset = state_.denormalSign ? kDenormalOffset : -kDenormalOffset;
        const float offsets[2] = {evenOffset, -evenOffset};
        for (int c = 0; c < kNumChannels; ++c) {
            const float* from = inputs[c] + offset;
            float* to = engine_.passInput.get() + c * kPassFrames;
            for (int frame = 0; frame < count; ++frame)
                to[frame] = (std::isfinite(from[frame]) ? from[frame] : 0.0f) + offsets[frame & 1];
        }
        if (count % 2 != 0)
            state_.denormalSign = !state_.denormalSign;
    }

    // `filterCountdown_` is the number of frames until the next refresh.
    void markFilterRefreshes(int count)
    {
        std::fill_n(refreshAt_, count, false);
        int frame = filterCountdown_;
        for (; frame < count; frame += kFilterRefreshFrames)
            refreshAt_[frame] = true;
        filterCountdown_ = frame - count;
    }

    void startFrame(int frame)
    {
        frame_ = frame;
        inputLeft_ = engine_.passInput[frame];
        inputRight_ = engine_.passInput[kPassFrames + frame];
        refreshFilters_ = refreshAt_[frame];
    }

    // An oscillator's samples do not depend on the other modules unless a route bends
    // its frequency or phase, so those of the frame loop are made a pass at a time.
    void fillFrameLoopSources(int count)
    {
        for (int index = 0; index < plan_.moduleCount; ++index) {
            const ModulePlan& module = plan_.modules[index];
            if (!module.sourceFilled)
                continue;
            for (int c = 0; c < module.channels; ++c)
                fillOscillator(module, c, filledSource(index, c), filledLfo(index, c), count);
        }
    }

    float* filledSource(int index, int c) const
    {
        return engine_.sourcePass.get() + (size_t(index) * kNumChannels + size_t(c)) * kPassFrames;
    }

    float* filledLfo(int index, int c) const
    {
        return filledSource(index, c) + kNumModules * kNumChannels * kPassFrames;
    }

    // A module's output over the pass; the frame before the pass sits at index -1.
    float* passOf(int index, int c) const
    {
        return output_[index][c];
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
        return frame > 0 || !incoming.lagged || state_.ranLastPass[plan_.modules[incoming.sender].index];
    }

    // Keeps each module's last frame for routes that arrive one frame late; a channel
    // that did not run gives 0.
    void keepLastFrames(int count)
    {
        for (int m = 0; m < kNumModules; ++m) {
            state_.ranLastPass[m] = false;
            for (int c = 0; c < kNumChannels; ++c)
                moduleOutput(engine_, m, c)[-1] = 0.0f;
        }
        for (int index = 0; index < plan_.moduleCount; ++index) {
            state_.ranLastPass[plan_.modules[index].index] = true;
            for (int c = 0; c < plan_.modules[index].channels; ++c)
                passOf(index, c)[-1] = passOf(index, c)[count - 1];
        }
    }

    float* panOf(int index, int c) const
    {
        return engine_.panPass.get() + (size_t(index) * kNumChannels + size_t(c)) * kPassFrames;
    }

    void precomputeIndependentModules(int count)
    {
        for (int order = 0; order < plan_.prePassCount; ++order) {
            if (plan_.modules[plan_.prePassOrder[order]].readsAhead)
                readAhead(plan_.prePassOrder[order], count);
        }
        runPassWise(plan_.prePassOrder, plan_.prePassCount, count);
    }

    void runPassWise(const int order[], int modules, int count)
    {
        for (int place = 0; place < modules; ++place) {
            const int index = order[place];
            const ModulePlan& module = plan_.modules[index];
            if (leavesSourceAlone(module) && !(module.selfMixCount > 0 && takesAmplitudeRoutes(module)))
                precomputeChannels(index, count);
            else
                precomputeFrameByFrame(index, count);
        }
    }

    // Whether every route into the module leaves its source and pan alone.
    bool leavesSourceAlone(const ModulePlan& module) const
    {
        for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
            const Route& route = routeOf(module.incoming[incoming]);
            if (!isLevelRoute(route) && !isProcessRoute(route))
                return false;
        }
        return true;
    }

    bool takesAmplitudeRoutes(const ModulePlan& module) const
    {
        for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
            const RouteAction action = routeOf(module.incoming[incoming]).action;
            if (action == RouteAction::Amplitude || action == RouteAction::Ring)
                return true;
        }
        return false;
    }


    bool takesProcessRoutes(const ModulePlan& module) const
    {
        for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
            if (isProcessRoute(routeOf(module.incoming[incoming])))
                return true;
        }
        return false;
    }

    // What the process routes into a pre-computed module send it in one frame.
    void gatherProcessRoutes(const ModulePlan& module, int frame, OrvChannelInputs inbox[2]) const
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

    const Route& routeOf(const Incoming& incoming) const
    {
        return plan_.modules[incoming.sender].routes[incoming.route];
    }

    // A module fed by earlier pre-computed modules takes their routes from their output.
    void precomputeFrameByFrame(int index, int count)
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
    void precomputeChannels(int index, int count)
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
    void gatherInputs(int index, float* const samples[2], float* const lfo[2], int count)
    {
        const ModulePlan& module = plan_.modules[index];
        double (&phase)[kNumChannels] = state_.phase[module.index];
        // An oscillator nobody modulates plays the same in both channels when their phases agree.
        const bool sameSource = module.channels == 2 && hasPhase(module.source) && phase[0] == phase[1];
        fillSource(module, 0, samples[0], lfo[0], count);
        if (sameSource) {
            std::copy_n(samples[0], count, samples[1]);
            std::copy_n(lfo[0], count, lfo[1]);
            phase[1] = phase[0];
        } else if (module.channels == 2) {
            fillSource(module, 1, samples[1], lfo[1], count);
        }
        for (int c = 0; c < module.channels; ++c) {
            if (module.sourceGain != 1.0f) {
                for (int frame = 0; frame < count; ++frame)
                    samples[c][frame] *= module.sourceGain;
            }
            applyLevelRoutes(module, c, samples[c], count);
        }
    }

    // A delay read ahead gives its pass from what its line held before the pass.
    void readAhead(int index, int count)
    {
        const ModulePlan& module = plan_.modules[index];
        const double time = std::clamp(double(module.processTime), 0.0, longestDelay_);
        for (int c = 0; c < module.channels; ++c) {
            const uint32_t write = state_.lineWrite[module.line + c];
            uint32_t newest = write >= plan_.lineLength ? 0 : write;
            const float* samples = line(module, c);
            float* output = passOf(index, c);
            for (int frame = 0; frame < count; ++frame) {
                output[frame] = bounded(readLine(samples, newest, time));
                newest = newest + 1 == plan_.lineLength ? 0 : newest + 1;
            }
            state_.lastDelayTime[module.index][c] = float(time);
        }
        state_.delayRead[module.index] = true;
    }

    // ...and takes its input for the pass once its senders have run.
    void writeAhead(int index, float* const inputs[2], int count)
    {
        const ModulePlan& module = plan_.modules[index];
        OwnFeedback feedback(module, state_.inputs[module.index]);
        for (int c = 0; c < module.channels; ++c) {
            const float* output = passOf(index, c);
            for (int frame = 0; frame < count; ++frame) {
                writeLine(module, c, feedback.input(c, inputs[c][frame]));
                feedback.output(c, output[frame]);
            }
        }
    }

    // Mix routes add first; Ampl Mod and Ring Mod factors then multiply, as in a module step.
    void applyLevelRoutes(const ModulePlan& module, int c, float* samples, int count)
    {
        if (module.incomingCount == 0 && module.selfMixCount == 0)
            return;
        for (int pass = 0; pass < 2; ++pass) {
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
        for (int frame = 0; frame < count; ++frame)
            samples[frame] = bounded(samples[frame]);
    }

    // A tracker's output is its pitch × 2 / rate, so its routes can read the pitch back from it.
    float trackedPitch(const Route& route, float output) const
    {
        return route.action >= RouteAction::TrackedFrequency ? float(output * plan_.sampleRate * 0.5) : 0.0f;
    }

    void fillSource(const ModulePlan& module, int c, float* samples, float* lfo, int count)
    {
        static constexpr OrvChannelInputs kNothingSent {};
        const float* left = engine_.passInput.get();
        const float* right = left + kPassFrames;
        if (module.source != OscKind::SineLfo)
            std::fill_n(lfo, count, 0.0f);
        switch (module.source) {
        case OscKind::LeftIn:
        case OscKind::RightIn:
        case OscKind::StereoIn: {
            const float* input = module.source == OscKind::LeftIn || (module.source == OscKind::StereoIn && c == 0) ? left : right;
            for (int frame = 0; frame < count; ++frame)
                samples[frame] = bounded(input[frame]);
            return;
        }
        case OscKind::LeftRightIn:
            for (int frame = 0; frame < count; ++frame)
                samples[frame] = bounded((left[frame] + right[frame]) * 0.5f);
            return;
        case OscKind::NoOsc:
            std::fill_n(samples, count, 0.0f);
            return;
        case OscKind::Noise:
            for (int frame = 0; frame < count; ++frame)
                samples[frame] = sourceSample(module, c, kNothingSent, false, lfo[frame]);
            return;
        default:
            fillOscillator(module, c, samples, lfo, count);
            return;
        }
    }

    // Both channels of a pass go side by side, so their dependency chains overlap.
    template <int Channels>
    void processPass(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart)
    {
        switch (module.process) {
#define ORV_PROCESS(kind) \
    case kind: return processPassAs<kind, Channels>(module, samples, lfo, count, fadeStart);
            ORV_EACH_PROCESS
#undef ORV_PROCESS
        default:
            return; // the source passes unprocessed
        }
    }

    template <int16_t Process, int Channels>
    void processPassAs(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart)
    {
        if constexpr (Process == ProcessKind::LowPass || Process == ProcessKind::HighPass
                      || Process == ProcessKind::BandPass) {
            filterPass<Channels>(module, samples, count);
        } else {
            runPassAs<Process, Channels>(module, samples, lfo, count, fadeStart);
        }
    }

    template <int16_t Process, int Channels>
    void runPassAs(const ModulePlan& module, float* const samples[2], float* const lfo[2], int count, int fadeStart)
    {
        static constexpr OrvChannelInputs kNothingSent[kNumChannels] {};
        const bool modulated = takesProcessRoutes(module);
        OrvChannelInputs gathered[kNumChannels];
        const OrvChannelInputs* in = modulated ? gathered : kNothingSent;
        OwnFeedback feedback(module, state_.inputs[module.index]);
        for (int frame = 0; frame < count; ++frame) {
            if constexpr (Process == ProcessKind::Delay)
                state_.fadeRemaining[module.index] = std::max(0, fadeStart - frame);
            if (modulated)
                gatherProcessRoutes(module, frame, gathered);
            for (int c = 0; c < Channels; ++c) {
                const float x = feedback.input(c, samples[c][frame]);
                samples[c][frame] = feedback.output(c, bounded(processAs<Process>(module, c, x, in[c], false, lfo[c][frame])));
            }
        }
    }

    // A filter pass keeps its state in registers; routes to cutoff and Q only matter
    // where the coefficients are refreshed.
    template <int Channels>
    void filterPass(const ModulePlan& module, float* const samples[2], int count)
    {
        const bool modulated = takesProcessRoutes(module);
        OrvFilterState filter[Channels];
        std::copy_n(state_.filter[module.index], Channels, filter);
        OwnFeedback feedback(module, state_.inputs[module.index]);
        for (int frame = 0; frame < count; ++frame) {
            if (refreshAt_[frame]) {
                OrvChannelInputs in[kNumChannels] {};
                if (modulated)
                    gatherProcessRoutes(module, frame, in);
                for (int c = 0; c < Channels; ++c)
                    refreshFilter(module, filter[c], in[c], false);
            }
            for (int c = 0; c < Channels; ++c) {
                const float x = feedback.input(c, samples[c][frame]);
                samples[c][frame] = feedback.output(c, bounded(filterStep(filter[c], x)));
            }
        }
        std::copy_n(filter, Channels, state_.filter[module.index]);
    }

    // The other modules run frame by frame; the pre-computed ones only send to them.
    void runFrame(int frame)
    {
        startFrame(frame);
        for (int index = 0; index < plan_.moduleCount; ++index) {
            const ModulePlan& module = plan_.modules[index];
            if (!module.precomputed) {
                float sample[kNumChannels] {};
                float pan[kNumChannels] {};
                runModule(module, state_.inputs[module.index], sample, pan);
                if (module.channels == 1)
                    state_.inputs[module.index][1] = {};
                for (int c = 0; c < module.channels; ++c) {
                    passOf(index, c)[frame] = sample[c];
                    if (module.panned)
                        panOf(index, c)[frame] = pan[c];
                }
                continue;
            }
            for (int route = 0; route < module.routeCount; ++route) {
                const Route& r = module.routes[route];
                if (r.pulled)
                    continue; // the target took the route in the pre-pass
                for (int c = 0; c < module.channels; ++c) {
                    const float y = passOf(index, c)[frame];
                    deliver(r, state_.inputs[r.target][c], y, 1.0f, trackedPitch(r, y));
                }
            }
        }
    }

    // Each bus sums its switched-on module channels at their gains and takes the average.
    // A panned channel p in [-1, 1] stays at full level in the bus it moves towards and
    // fades out of the other: left × min(1, 1 - p), right × min(1, 1 + p).
    void mixBuses(int count)
    {
        float* bus[kNumChannels] = {engine_.passOutput.get(), engine_.passOutput.get() + kPassFrames};
        std::fill_n(bus[0], kNumChannels * kPassFrames, 0.0f);
        for (int index = 0; index < plan_.moduleCount; ++index) {
            const ModulePlan& module = plan_.modules[index];
            if (!module.panned) {
                for (int c = 0; c < kNumChannels; ++c) {
                    if (!module.outputOn[c])
                        continue;
                    const float* samples = passOf(index, c);
                    const float gain = module.outputGain[c];
                    for (int frame = 0; frame < count; ++frame)
                        bus[c][frame] += samples[frame] * gain;
                }
                continue;
            }
            for (int c = 0; c < module.channels; ++c) {
                const float* samples = passOf(index, c);
                const float* pan = panOf(index, c);
                for (int frame = 0; frame < count; ++frame) {
                    const float position = std::clamp(pan[frame], -1.0f, 1.0f);
                    if (module.outputOn[0])
                        bus[0][frame] += samples[frame] * module.outputGain[0] * std::min(1.0f, 1.0f - position);
                    if (module.outputOn[1])
                        bus[1][frame] += samples[frame] * module.outputGain[1] * std::min(1.0f, 1.0f + position);
                }
            }
        }
        for (int c = 0; c < kNumChannels; ++c) {
            for (int frame = 0; frame < count; ++frame)
                bus[c][frame] = bounded(bus[c][frame] * plan_.busScale[c]);
        }
    }

    // Both channels of a module run side by side: they never read each other, and their
    // dependency chains then overlap in the processor. Kept out of line, as one compact
    // step runs much faster than eight inlined copies. `inbox` holds what was sent to
    // the module; a module of the frame loop sends from here and clears its inbox.
    template <int16_t Process, int Channels>
    [[gnu::noinline]] void runModuleAs(const ModulePlan& module, OrvChannelInputs inbox[2], float sample[2], float pan[2])
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
            if (module.sourceFilled) {
                const int index = plan_.planIndex[m];
                source = filledSource(index, c)[frame_];
                lfo[c] = filledLfo(index, c)[frame_];
            } else {
                source = sourceSample(module, c, in, in.trackedFrequencyCount != 0, lfo[c]);
            }
            x[c] = source * module.sourceGain + in.mix;
            if (in.amplitudeCount != 0)
                x[c] *= in.amplitude;
            x[c] = bounded(x[c]);
        }
        for (int c = 0; c < Channels; ++c)
            sample[c] = bounded(processAs<Process>(module, c, x[c], inbox[c], inbox[c].trackedCutoffCount != 0, lfo[c]));
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
        for (int index = 0; index < module.routeCount; ++index) {
            const Route& route = module.routes[index];
            if (route.pulled)
                continue; // the target runs after the frame loop and reads this route itself
            for (int c = 0; c < Channels; ++c)
                deliver(route, state_.inputs[route.target][c], sample[c], depthScale[c][route.slot], state_.pitch[m][c]);
        }
    }

    float sourceSample(const ModulePlan& module, int c, const OrvChannelInputs& in, bool tracked, float& lfo)
    {
        switch (module.source) {
        case OscKind::LeftIn:
            return inputLeft_;
        case OscKind::RightIn:
            return inputRight_;
        case OscKind::LeftRightIn:
            return (inputLeft_ + inputRight_) * 0.5f;
        case OscKind::StereoIn:
            return c == 0 ? inputLeft_ : inputRight_;
        case OscKind::Noise:
            return float(nextNoiseValue(engine_.noiseState) - kNoiseCentre) * kNoiseScale;
        case OscKind::NoOsc:
            return 0.0f;
        default:
            return oscillatorSample(module, c, in, tracked, lfo);
        }
    }

    [[gnu::noinline]] float oscillatorSample(const ModulePlan& module, int c, const OrvChannelInputs& in, bool tracked,
                                             float& lfo)
    {
        const double frequency = oscillatorFrequency(module, in, tracked);
        double& phase = state_.phase[module.index][c];
        const float value = waveAt(module, phase, frequency, in.phase, lfo);
        phase = wrapPhase(phase + phaseIncrement(frequency));
        return value;
    }

    // An oscillator that nothing modulates keeps one frequency over the pass.
    void fillOscillator(const ModulePlan& module, int c, float* samples, float* lfo, int count)
    {
        static constexpr OrvChannelInputs kNothingSent {};
        const double frequency = oscillatorFrequency(module, kNothingSent, false);
        const double increment = phaseIncrement(frequency);
        double phase = state_.phase[module.index][c];
        for (int frame = 0; frame < count; ++frame) {
            samples[frame] = waveAt(module, phase, frequency, 0.0f, lfo[frame]);
            phase = wrapPhase(phase + increment);
        }
        state_.phase[module.index][c] = phase;
    }

    double phaseIncrement(double frequency) const { return kTwoPi * frequency * plan_.framePeriod; }

    double oscillatorFrequency(const ModulePlan& module, const OrvChannelInputs& in, bool tracked) const
    {
        const double stored = module.frequency;
        const double frequency = (tracked ? double(in.trackedFrequency) : stored) + double(in.frequency) * stored;
        return module.process == ProcessKind::QuantizeFrq ? quantize(frequency, stored, module.quantizeStep) : frequency;
    }

    // The oscillator's value at `phase`; a Sine LFO gives 0 and its sine × depth in `lfo`.
    float waveAt(const ModulePlan& module, double phase, double frequency, float phaseModulation, float& lfo) const
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

    // Rounds to whole steps of `step` semitones from the stored frequency (440 Hz when that is not above 0).
    static double quantize(double frequency, double stored, double step)
    {
        if (frequency <= 0.0 || step <= 0.0)
            return frequency;
        const double reference = stored > 0.0 ? stored : 440.0;
        const double steps = std::round(12.0 * std::log2(frequency / reference) / step);
        return reference * std::exp2(steps * step / 12.0);
    }

    // One process, chosen at compile time so each module step carries only its own code.
    template <int16_t Process>
    float processAs(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, bool trackedCutoff, float lfo)
    {
        const int m = module.index;
        switch (Process) {
        case ProcessKind::EnvFollow: {
            double& envelope = state_.envelope[m][c];
            envelope = module.envCoefficient * envelope + std::fabs(x);
            const float level = float(envelope) * module.envTimeScale;
            const float threshold = module.envThreshold;
            if (level < threshold) {
                const float ratio = level / threshold;
                return 2.0f * threshold * (ratio * ratio) * (ratio * ratio) - 1.0f;
            }
            return 2.0f * level - 1.0f;
        }
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

    float processSample(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, bool trackedCutoff,
                        float lfo)
    {
        switch (module.process) {
#define ORV_PROCESS(kind) \
    case kind: return processAs<kind>(module, c, x, in, trackedCutoff, lfo);
            ORV_EACH_PROCESS
#undef ORV_PROCESS
        default:
            return x;
        }
    }

    template <int16_t Process>
    void runModuleWith(const ModulePlan& module, OrvChannelInputs inbox[2], float sample[2], float pan[2])
    {
        if (module.channels == 2)
            runModuleAs<Process, 2>(module, inbox, sample, pan);
        else
            runModuleAs<Process, 1>(module, inbox, sample, pan);
    }

    void runModule(const ModulePlan& module, OrvChannelInputs inbox[2], float sample[2], float pan[2])
    {
        switch (module.process) {
#define ORV_PROCESS(kind) \
    case kind: return runModuleWith<kind>(module, inbox, sample, pan);
            ORV_EACH_PROCESS
#undef ORV_PROCESS
        default:
            return runModuleWith<ProcessKind::NoProcess>(module, inbox, sample, pan);
        }
    }

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

    // Writes x into the channel's line and returns the position it went to.
    uint32_t writeLine(const ModulePlan& module, int c, float x)
    {
        uint32_t& write = state_.lineWrite[module.line + c];
        if (write >= plan_.lineLength)
            write = 0;
        const uint32_t position = write;
        line(module, c)[position] = x;
        write = position + 1 == plan_.lineLength ? 0 : position + 1;
        return position;
    }

    // Linear interpolation between the two samples around `time` samples before `newest`.
    float readLine(const float* samples, uint32_t newest, double time) const
    {
        double position = double(newest) - time;
        if (position < 0.0)
            position += plan_.lineLength;
        uint32_t index = uint32_t(position);
        if (index >= plan_.lineLength)
            index = plan_.lineLength - 1;
        const float fraction = float(position - index);
        const uint32_t next = index + 1 == plan_.lineLength ? 0 : index + 1;
        return samples[index] + (samples[next] - samples[index]) * fraction;
    }

    float delaySample(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, float lfo)
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

    [[gnu::noinline]] float trackPitch(const ModulePlan& module, int c, float x, float lfo)
    {
        const int m = module.index;
        const uint32_t newest = writeLine(module, c, x);
        double& countdown = state_.trackCountdown[m][c];
        if (countdown <= 0.0) {
            float pitch = 0.0f;
            if (module.longestPeriod > 0)
                pitch = detectOrReuse(module, c, newest);
            state_.pitch[m][c] = pitch;
            preset_.lastPitch[m][c] = pitch;
            // Re-detecting more often than the analysis window is long would only repeat work.
            const double interval = double(module.trackInterval) * (1.0 + double(lfo));
            countdown += std::clamp(interval, double(std::max(module.longestPeriod, 1)), double(kMaxTime));
        }
        countdown -= 1.0;
        return float(state_.pitch[m][c] * 2.0 / plan_.sampleRate);
    }

    // A detection on the same history as the one before (both channels of a tracker of one
    // input) gives the same pitch, so it is reused.
    float detectOrReuse(const ModulePlan& module, int c, uint32_t newest)
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
    float* detectionWindow(int which) const
    {
        return engine_.trackWindow.get() + kLongestTrackedPeriod + 2 + which * kTrackHistory;
    }

    // Copies the `count` newest samples of a line, oldest first, into `window`.
    void unrollHistory(const float* samples, uint32_t newest, int count, float* window) const
    {
        const uint32_t length = plan_.lineLength;
        const uint32_t start = (newest + length - uint32_t(count) + 1) % length;
        const uint32_t firstPart = std::min<uint32_t>(uint32_t(count), length - start);
        std::memcpy(window, samples + start, firstPart * sizeof(float));
        std::memcpy(window + firstPart, samples, (uint32_t(count) - firstPart) * sizeof(float));
    }

    [[gnu::noinline]] void refreshFilter(const ModulePlan& module, OrvFilterState& filter, const OrvChannelInputs& in,
                                         bool trackedCutoff) const
    {
        const double main = module.cutoff;
        const double cutoff = (trackedCutoff ? double(in.trackedCutoff) : main) + double(in.cutoff) * main;
        const double q = double(module.q) * (1.0 + double(in.q));
        const FilterShape shape = module.process == ProcessKind::LowPass ? FilterShape::LowPass
            : module.process == ProcessKind::HighPass                    ? FilterShape::HighPass
                                                                         : FilterShape::BandPass;
        const BiquadCoefficients k = biquad(shape, std::clamp(cutoff, kMinCutoff, kMaxCutoffRatio * plan_.sampleRate),
                                            std::clamp(q, kMinQ, kMaxQ), plan_.sampleRate);
        filter.b0 = k.b0;
        filter.b1 = k.b1;
        filter.b2 = k.b2;
        filter.a1 = k.a1;
        filter.a2 = k.a2;
        if (!(std::fabs(filter.z1) < kFilterStateLimit && std::fabs(filter.z2) < kFilterStateLimit))
            filter.z1 = filter.z2 = 0.0;
    }

    float filterSample(const ModulePlan& module, int c, float x, const OrvChannelInputs& in, bool trackedCutoff)
    {
        OrvFilterState& filter = state_.filter[module.index][c];
        if (refreshFilters_)
            refreshFilter(module, filter, in, trackedCutoff);
        return filterStep(filter, x);
    }

    static float filterStep(OrvFilterState& filter, float x)
    {
        const double y = filter.b0 * x + filter.z1;
        filter.z1 = filter.b1 * x - filter.a1 * y + filter.z2;
        filter.z2 = filter.b2 * x - filter.a2 * y;
        return float(y);
    }

    static void multiplyAmplitude(OrvChannelInputs& to, float factor)
    {
        to.amplitude = to.amplitudeCount == 0 ? factor : to.amplitude * factor;
        addPending(to.amplitudeCount);
    }

    static void addTracked(float& sum, uint16_t& pending, float value)
    {
        sum = pending == 0 ? value : sum + value;
        addPending(pending);
    }

    // Applies one route's sample to the inbox of its target; `pitch` is the sender's
    // detected pitch when it is a tracker.
    void deliver(const Route& route, OrvChannelInputs& to, float y, float depthScale, float pitch) const
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

    // Stereo-linked peak limiter without look-ahead: the gain drops at once to what
    // keeps the frame at the threshold and recovers smoothly.
    void limitAndWrite(float* const outputs[2], int offset, int count, bool replace)
    {
        if (state_.limiterGain == 1.0 && passPeak(count) <= threshold_) {
            writeUnlimited(outputs, offset, count, replace);
            return;
        }
        double gain = state_.limiterGain;
        for (int frame = 0; frame < count; ++frame) {
            const float left = engine_.passOutput[frame];
            const float right = engine_.passOutput[kPassFrames + frame];
            const float peak = std::max(std::fabs(left), std::fabs(right));
            const double needed = peak > threshold_ ? double(threshold_) / peak : 1.0;
            // A gain at its target stays there; the branch keeps quiet audio off the release's chain.
            if (needed < gain) {
                gain = needed;
            } else if (needed != gain) {
                gain += (needed - gain) * limiterRelease_;
                if (needed - gain < kLimiterSnap)
                    gain = needed;
            }
            if (gain < 1.0)
                engine_.limiterEngaged = true;
            const float limited[kNumChannels] = {bounded(float(left * gain), threshold_),
                                                 bounded(float(right * gain), threshold_)};
            for (int c = 0; c < kNumChannels; ++c) {
                float& out = outputs[c][offset + frame];
                out = replace ? limited[c] : out + limited[c];
            }
        }
        state_.limiterGain = gain;
    }

    float passPeak(int count) const
    {
        float peak = 0.0f;
        for (int c = 0; c < kNumChannels; ++c) {
            const float* bus = engine_.passOutput.get() + c * kPassFrames;
            for (int frame = 0; frame < count; ++frame)
                peak = std::max(peak, std::fabs(bus[frame]));
        }
        return peak;
    }

    // A pass the limiter leaves alone at unity gain (bus samples are always finite).
    void writeUnlimited(float* const outputs[2], int offset, int count, bool replace) const
    {
        for (int c = 0; c < kNumChannels; ++c) {
            const float* bus = engine_.passOutput.get() + c * kPassFrames;
            float* out = outputs[c] + offset;
            if (replace)
                std::copy_n(bus, count, out);
            else
                for (int frame = 0; frame < count; ++frame)
                    out[frame] += bus[frame];
        }
    }

    OrvEngine& engine_;
    OrvModulationState& state_;
    OrvPreset& preset_;
    const BlockPlan& plan_;
    double limiterRelease_ = 0.0;
    double longestDelay_ = 0.0; // samples a read may reach back
    float threshold_ = 0.7f;
    float inputLeft_ = 0.0f;
    float inputRight_ = 0.0f;
    int frame_ = 0; // the frame of the pass that runs
    int filterCountdown_ = 0; // coefficients are refreshed at the block start and every 160 frames
    float* output_[kNumModules][kNumChannels] {}; // each planned module's row of modulePass
    float* lines_[kNumModules][kNumChannels] {};  // each module's delay lines, by module number
    int lastWindow_ = 0;      // the history of the block's last pitch detection, with its lags and result
    int lastShortest_ = 0;
    int lastLongest_ = 0;     // 0: no detection yet
    float lastPitch_ = 0.0f;
    bool refreshAt_[kPassFrames] {};
    bool refreshFilters_ = false;
};

// Each engine starts its noise from its own seed, so two instances never play the same noise.
uint32_t newNoiseSeed()
{
    static std::atomic<uint32_t> instances {0};
    const auto now = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    return uint32_t(now ^ (now >> 32)) + 0x9E3779B9u * ++instances;
}

} // namespace

OrvEngine::OrvEngine()
    : noiseState(newNoiseSeed()),
      delayPool(std::make_unique<float[]>(kDelayPoolSamples)),
      trackWindow(std::make_unique<float[]>(kLongestTrackedPeriod + 2 + 2 * kTrackHistory)),
      passInput(std::make_unique<float[]>(kNumChannels * kPassFrames)),
      passOutput(std::make_unique<float[]>(kNumChannels * kPassFrames)),
      modulePass(std::make_unique<float[]>(kNumModules * kNumChannels * kModuleRowFrames)),
      panPass(std::make_unique<float[]>(kNumModules * kNumChannels * kPassFrames)),
      lfoPass(std::make_unique<float[]>(kNumChannels * kPassFrames)),
      sourcePass(std::make_unique<float[]>(2 * kNumModules * kNumChannels * kPassFrames)),
      lineInput(std::make_unique<float[]>(kNumChannels * kPassFrames))
{
}

void clearModulationState(OrvEngine& engine)
{
    engine.state = OrvModulationState {};
    std::fill_n(engine.modulePass.get(), kNumModules * kNumChannels * kModuleRowFrames, 0.0f);
    engine.delayPoolStale = true;
}

void requestDelayCrossfade(OrvEngine& engine, int module)
{
    if (module >= 0 && module < kNumModules)
        engine.state.fadeRequested[module] = true;
}

void processBlock(OrvEngine& engine, OrvPreset& preset, const float* const inputs[2], float* const outputs[2],
                  int frames, float sampleRate, bool replace)
{
    if (frames <= 0)
        return;
    [[maybe_unused]] FlushDenormals flushDenormals;
    if (engine.delayPoolStale) {
        std::fill_n(engine.delayPool.get(), kDelayPoolSamples, 0.0f);
        engine.delayPoolStale = false;
    }
    BlockPlan plan;
    buildPlan(plan, preset, engine.state, sampleRate);
    BlockRunner(engine, preset, plan).run(inputs, outputs, frames, replace);
}
