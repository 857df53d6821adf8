#pragma once

#include "plugin/OrvPreset.h"

// Running state of the modules that preparation clears.
struct OrvModulationState {
    float busLeft = 0.0f;
    float busRight = 0.0f;
};

struct OrvEngine {
    float limiterThreshold = 0.7f; // plug-in wide, set only through "Limiter Setup"
    bool limiterEngaged = false;   // gain reduced since the plug-in object last reported it
    OrvModulationState state;
};

// Clears every running value of the engine, so the next block starts fresh.
void clearModulationState(OrvEngine& engine);

// Asks for a short cross-fade on the module's delay read position.
void requestDelayCrossfade(OrvEngine& engine, int module);

// Plays one block of the program. Inputs and outputs may be the same memory.
void processBlock(OrvEngine& engine, OrvPreset& preset, const float* const inputs[2], float* const outputs[2],
                  int frames, float sampleRate, bool replace);
