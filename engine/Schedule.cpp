#include "Schedule.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "Bounds.h"

namespace orv_engine {

namespace {

// Safe ranges of record fields inside the engine (the record keeps what it holds).
constexpr float kMaxFrequency = 1.0e5f;
constexpr float kMaxDepth = 1.0e4f;
constexpr float kMaxGain = 1.0e4f;
constexpr float kMaxMagnitude = 1.0e4f; // offsets, thresholds, Q, exponents, steps
constexpr double kLimiterReleaseSeconds = 0.05;
constexpr float kMaxEnvCoefficient = 0.999999f;

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

} // namespace

namespace {

const unsigned char* recordBytes(const OrvPreset& preset, size_t at)
{
    return reinterpret_cast<const unsigned char*>(&preset) + at;
}

bool fading(const OrvModulationState& state, int m)
{
    return state.fadeRequested[m] || state.fadeRemaining[m] > 0;
}

} // namespace

void readPlanInputs(PlanInputs& inputs, const OrvPreset& preset, const OrvModulationState& state, float sampleRate)
{
    std::memcpy(inputs.moduleFields, recordBytes(preset, PlanInputs::kModuleFieldsAt), sizeof inputs.moduleFields);
    std::memcpy(inputs.trackerFields, recordBytes(preset, PlanInputs::kTrackerFieldsAt), sizeof inputs.trackerFields);
    inputs.sampleRate = sampleRate;
    for (int m = 0; m < kNumModules; ++m)
        inputs.fading[m] = fading(state, m);
}

bool samePlanInputs(const PlanInputs& inputs, const OrvPreset& preset, const OrvModulationState& state,
                    float sampleRate)
{
    for (int m = 0; m < kNumModules; ++m) {
        if (inputs.fading[m] != fading(state, m))
            return false;
    }
    return std::memcmp(&inputs.sampleRate, &sampleRate, sizeof sampleRate) == 0
        && std::memcmp(inputs.moduleFields, recordBytes(preset, PlanInputs::kModuleFieldsAt), sizeof inputs.moduleFields) == 0
        && std::memcmp(inputs.trackerFields, recordBytes(preset, PlanInputs::kTrackerFieldsAt), sizeof inputs.trackerFields) == 0;
}

void buildPlan(BlockPlan& plan, const OrvPreset& preset, const OrvModulationState& state, float sampleRate)
{
    plan.sampleRate = std::isfinite(sampleRate) && sampleRate >= 1000.0f ? std::min(double(sampleRate), 1.0e6) : 44100.0;
    plan.framePeriod = 1.0 / plan.sampleRate;
    plan.limiterRelease = 1.0 - std::exp(-1.0 / (kLimiterReleaseSeconds * plan.sampleRate));

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
        module.liveRouteCount = 0;
        for (int route = 0; route < module.routeCount; ++route) {
            if (!module.routes[route].pulled)
                module.liveRoutes[module.liveRouteCount++] = route;
        }
    }
}

} // namespace orv_engine
