#include "OrvEngine.h"

void clearModulationState(OrvEngine& engine)
{
    engine.state = OrvModulationState {};
}

void requestDelayCrossfade(OrvEngine&, int) {}

void processBlock(OrvEngine&, OrvPreset&, const float* const inputs[2], float* const outputs[2], int frames, float,
                  bool replace)
{
    for (int channel = 0; channel < 2; ++channel) {
        for (int frame = 0; frame < frames; ++frame) {
            const float sample = inputs[channel][frame];
            outputs[channel][frame] = replace ? sample : outputs[channel][frame] + sample;
        }
    }
}
