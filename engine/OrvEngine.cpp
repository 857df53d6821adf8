#include "OrvEngine.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

#include "BlockRunner.h"

using namespace orv_engine;

namespace {

class FlushDenormals {
public:
#if defined(__SSE__)
    FlushDenormals() : saved_(_mm_getcsr()) { _mm_setcsr(saved_ | 0x8040); } // flush-to-zero and denormals-are-zero
    ~FlushDenormals() { _mm_setcsr(saved_); }

private:
    unsigned saved_;
#endif
};

// Each engine starts its noise from its own seed, so two instances never play the same noise.
uint32_t newNoiseSeed()
{
    static std::atomic<uint32_t> instances {0};
    const auto now = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    return uint32_t(now ^ (now >> 32)) + 0x9E3779B9u * ++instances;
}

// Samples beyond the longest read a line's reads may touch: the interpolation's
// second sample and the frame being written.
constexpr uint32_t kReadMargin = 4;

// How far back a module's reads may reach in this block: a Delay at a fixed time that
// time, a tracker its analysis window, a Delay whose time moves its whole line.
uint32_t longestRead(const BlockPlan& plan, const ModulePlan& module, const bool timeMoves[kNumModules])
{
    if (module.process == ProcessKind::PitchTrack)
        return uint32_t(2 * module.longestPeriod);
    const double time = module.processTime;
    if (timeMoves[module.index] || module.source == OscKind::SineLfo || !(time >= 0.0 && time < plan.lineLength))
        return plan.lineLength;
    return uint32_t(time);
}

void clearStaleLine(OrvEngine& engine, int line, uint32_t from)
{
    StaleDelayMemory& stale = engine.staleDelays;
    float* samples = engine.delayPool.get() + size_t(line) * stale.lineLength;
    std::fill(samples + from, samples + stale.cleanFrom[line], 0.0f);
    stale.cleanFrom[line] = from;
}

// The lines are laid out anew: every stale sample is cleared once.
void clearAllStale(OrvEngine& engine)
{
    StaleDelayMemory& stale = engine.staleDelays;
    for (int line = 0; line < stale.lineCount; ++line)
        clearStaleLine(engine, line, std::min(engine.state.lineWrite[line], stale.cleanFrom[line]));
    std::fill(engine.delayPool.get() + size_t(stale.lineCount) * stale.lineLength,
              engine.delayPool.get() + kDelayPoolSamples, 0.0f);
    stale.any = false;
}

// Before a block: clears what of each line the block may read and is not yet clean.
void clearWhatTheBlockReads(OrvEngine& engine, const BlockPlan& plan)
{
    StaleDelayMemory& stale = engine.staleDelays;
    int lineCount = 0;
    bool timeMoves[kNumModules] {};
    for (int index = 0; index < plan.moduleCount; ++index) {
        const ModulePlan& module = plan.modules[index];
        if (module.line >= 0)
            lineCount = std::max(lineCount, module.line + kNumChannels);
        for (int route = 0; route < module.routeCount; ++route) {
            const Route& r = module.routes[route];
            if (r.action == RouteAction::TrackedTime
                || (r.action == RouteAction::AddToField && r.field == &OrvChannelInputs::time))
                timeMoves[r.target] = true;
        }
    }
    if (!stale.laidOut) {
        stale.laidOut = true;
        stale.lineLength = plan.lineLength;
        stale.lineCount = lineCount;
        std::fill_n(stale.cleanFrom, lineCount, plan.lineLength);
    } else if (stale.lineLength != plan.lineLength || stale.lineCount != lineCount) {
        clearAllStale(engine);
        return;
    }
    const uint32_t length = plan.lineLength;
    for (int index = 0; index < plan.moduleCount; ++index) {
        const ModulePlan& module = plan.modules[index];
        if (module.line < 0)
            continue;
        const uint32_t reach = longestRead(plan, module, timeMoves) + kReadMargin;
        for (int line = module.line; line < module.line + kNumChannels; ++line) {
            const uint32_t write = std::min(engine.state.lineWrite[line], length);
            stale.writeBefore[line] = write;
            if (stale.cleanFrom[line] <= write || reach <= write)
                continue;
            const uint32_t from = std::max(write, length - std::min(reach - write, length));
            if (from < stale.cleanFrom[line])
                clearStaleLine(engine, line, from);
        }
    }
}

// After a block: a line its writes have reached its clean end holds nothing stale.
void noteLinesWritten(OrvEngine& engine, const BlockPlan& plan, int frames)
{
    StaleDelayMemory& stale = engine.staleDelays;
    for (int index = 0; index < plan.moduleCount; ++index) {
        const ModulePlan& module = plan.modules[index];
        for (int c = 0; c < module.channels && module.line >= 0; ++c) {
            const int line = module.line + c;
            if (uint64_t(stale.writeBefore[line]) + uint64_t(frames) >= stale.cleanFrom[line])
                stale.cleanFrom[line] = 0;
        }
    }
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
      lineInput(std::make_unique<float[]>(kNumChannels * kPassFrames)),
      planCache(std::make_unique<PlanCache>(*this))
{
}

OrvEngine::~OrvEngine() = default;

void clearModulationState(OrvEngine& engine)
{
    engine.state = OrvModulationState {};
    std::fill_n(engine.modulePass.get(), kNumModules * kNumChannels * kModuleRowFrames, 0.0f);
    engine.staleDelays = StaleDelayMemory {};
    engine.staleDelays.any = true;
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
    PlanCache& cache = *engine.planCache;
    if (!cache.valid || !samePlanInputs(cache.inputs, preset, engine.state, sampleRate)) {
        readPlanInputs(cache.inputs, preset, engine.state, sampleRate);
        cache.plan = BlockPlan {};
        buildPlan(cache.plan, preset, engine.state, sampleRate);
        cache.runner.prepare();
        cache.valid = true;
    }
    const bool staleDelays = engine.staleDelays.any;
    if (staleDelays)
        clearWhatTheBlockReads(engine, cache.plan);
    cache.runner.run(preset, inputs, outputs, frames, replace);
    if (staleDelays && engine.staleDelays.any)
        noteLinesWritten(engine, cache.plan, frames);
}
