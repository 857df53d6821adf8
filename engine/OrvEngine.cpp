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
    PlanCache& cache = *engine.planCache;
    if (!cache.valid || !samePlanInputs(cache.inputs, preset, engine.state, sampleRate)) {
        readPlanInputs(cache.inputs, preset, engine.state, sampleRate);
        cache.plan = BlockPlan {};
        buildPlan(cache.plan, preset, engine.state, sampleRate);
        cache.runner.prepare();
        cache.valid = true;
    }
    cache.runner.run(preset, inputs, outputs, frames, replace);
}
