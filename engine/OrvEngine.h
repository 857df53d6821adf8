#pragma once

#include <cstdint>
#include <memory>

#include "Filters.h"
#include "plugin/OrvPreset.h"

// Every delay line of a program comes out of one pool: lines × length never exceeds it.
constexpr int kDelayPoolSamples = 1 << 20;
// Frames handled per inner pass; a block of any size runs as several passes.
constexpr int kPassFrames = 256;
// The pitch detector searches periods up to this many samples (about 21.5 Hz at 44100 Hz).
constexpr int kLongestTrackedPeriod = 2048;

// What other modules sent to one channel of a module since it last ran; the
// module consumes (and clears) it when it runs, so a route into a later module
// acts in the same frame and one into an earlier module in the next. A module of
// the block pre-pass gathers the same from its senders' output instead.
struct OrvChannelInputs {
    float mix = 0.0f;           // sum of depth × sample of the Mix routes
    float amplitude = 0.0f;     // product of the Ampl Mod and Ring Mod factors, valid while counted
    float pan = 0.0f;           // sum of depth × sample of the Pan Mod routes
    float frequency = 0.0f;     // relative Freq Mod: the stored frequency × this is added
    float trackedFrequency = 0.0f; // Hz from PitchTrack routes, valid while counted
    float cutoff = 0.0f;        // relative Filter Frq *
    float trackedCutoff = 0.0f; // Hz from PitchTrack routes, valid while counted
    float q = 0.0f;             // relative Filter Q *
    float time = 0.0f;          // relative Delay Mod * / S/H Mod *
    float trackedTime = 0.0f;   // samples from PitchTrack Delay Mod * / S/H Mod *
    float phase = 0.0f;         // Phase Mod *, added to the PhaseShape amount
    float power = 0.0f;         // relative Power Mod *
    float slotADepth = 0.0f;    // relative Mod A Mod
    float slotBDepth = 0.0f;    // relative Mod B Mod
    // The record's pending words while a block plays (564, 628 and 596 + 4m + 2c).
    uint16_t amplitudeCount = 0;
    uint16_t trackedFrequencyCount = 0;
    uint16_t trackedCutoffCount = 0;
};

// Running values of the modules; clearModulationState resets all of it.
struct OrvModulationState {
    OrvChannelInputs inputs[kNumModules][kNumChannels];
    double phase[kNumModules][kNumChannels] {};    // radians
    float storedPhase[kNumModules][kNumChannels] {}; // what the last block wrote into the record
    double envelope[kNumModules][kNumChannels] {};
    float held[kNumModules][kNumChannels] {};       // Samp/Hold value
    double holdCountdown[kNumModules][kNumChannels] {};
    double trackCountdown[kNumModules][kNumChannels] {};
    float pitch[kNumModules][kNumChannels] {};     // Hz detected by PitchTrack, 0 = none
    OrvFilterState filter[kNumModules][kNumChannels];
    uint32_t lineWrite[2 * kNumModules] {};        // write position of each handed-out line
    float lastDelayTime[kNumModules][kNumChannels] {};
    float fadeFromTime[kNumModules][kNumChannels] {};
    int fadeRemaining[kNumModules] {};
    bool ranLastPass[kNumModules] {};               // its last frame is kept for routes that arrive late
    bool fadeRequested[kNumModules] {};
    bool delayRead[kNumModules] {}; // a fade needs a read position to start from
    double limiterGain = 1.0;
    bool denormalSign = false;
};

// What of the delay pool may still hold audio from before the last reset. A
// block clears, before it plays, only as much of each line as its reads can
// reach; a line its writes have gone all the way round holds nothing stale.
struct StaleDelayMemory {
    bool any = false;     // some of the pool is stale
    bool laidOut = false; // a block has laid out the lines below since the reset
    uint32_t lineLength = 0;
    int lineCount = 0;
    uint32_t cleanFrom[2 * kNumModules] {};   // per line: from here to its end it holds zeros
    uint32_t writeBefore[2 * kNumModules] {}; // per line: its write position when the block began
};

namespace orv_engine {
struct PlanCache;
}

struct OrvEngine {
    OrvEngine();
    ~OrvEngine();

    float limiterThreshold = 0.7f; // plug-in wide, set only through "Limiter Setup"
    bool limiterEngaged = false;   // gain reduced since the plug-in object last reported it
    OrvModulationState state;
    uint32_t noiseState;                  // the Noise source's generator, seeded apart per engine
    StaleDelayMemory staleDelays;
    std::unique_ptr<float[]> delayPool;   // kDelayPoolSamples
    std::unique_ptr<float[]> trackWindow; // a pitch detection's scratch and the unrolled histories of the last two
    std::unique_ptr<float[]> passInput;   // one pass of sanitised input, left then right
    std::unique_ptr<float[]> passOutput;  // one pass of bus output, left then right
    std::unique_ptr<float[]> modulePass;  // each module's output over one pass and the frame before, left then right
    std::unique_ptr<float[]> panPass;     // one pass of each module's pan position, left then right
    std::unique_ptr<float[]> lfoPass;     // one pass of a Sine LFO's value per channel
    std::unique_ptr<float[]> sourcePass;  // one pass of each frame-loop oscillator, then of each one's Sine LFO value
    std::unique_ptr<float[]> lineInput;   // one pass of a delay's input when its output was read ahead
    std::unique_ptr<orv_engine::PlanCache> planCache; // the plan made from the record, until the record changes
};

// Clears every running value of the engine, so the next block starts fresh and
// no earlier program's audio is replayed. The delay memory is cleared by the
// blocks that follow, on the audio thread, each only as far as it can read, so
// a host thread that resets the engine under the plug-in's lock holds it only
// briefly and a program change costs the audio thread little.
void clearModulationState(OrvEngine& engine);

// Asks for a short cross-fade on the module's delay read position.
void requestDelayCrossfade(OrvEngine& engine, int module);

// Plays one block of the program. Inputs and outputs may be the same memory.
void processBlock(OrvEngine& engine, OrvPreset& preset, const float* const inputs[2], float* const outputs[2],
                  int frames, float sampleRate, bool replace);
