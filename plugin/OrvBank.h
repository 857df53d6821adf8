#pragma once

#include <cstdint>

#include "OrvPreset.h"
#include "presets/FactoryPresets.h"

struct OrvCore;

struct OrvCategory {
    char name[32];
    uint32_t firstIndex;
    uint32_t count;
};

// The default program: module 0 passes the stereo input through at unity,
// every module holds the standard values of its fields, no sliders.
void initDefaultPreset(OrvPreset& preset, uint16_t flags, uint32_t sampleRate);

// Records the category, runs its builder from `first` and returns the next free index.
int addCategory(OrvCore& core, const char* name, int categoryIndex, int first, PresetBuilder builder);

// Runs the 24 builders in category order, fills the slots they leave with the
// default record and normalises captions and descriptions.
void fillFactoryBank(OrvCore& core);

// Clears the caption of each slider without targets and turns the 0xA1 degree
// signs of the description into 0xB0; captions keep theirs.
void normaliseFactoryTexts(OrvPreset& preset);
