#pragma once

#include "plugin/OrvPreset.h"

// A category builder writes its programs at bank[first] .. bank[first + N - 1]
// and returns first + N. It reads nothing and writes nothing else.
using PresetBuilder = int (*)(OrvPreset* bank, int first);

// The first five categories have no factory programs: each holds default records.
int buildAssortedFxPresets(OrvPreset* bank, int first);
int buildChorusPresets(OrvPreset* bank, int first);
int buildDelayPresets(OrvPreset* bank, int first);
int buildEnvelopeFollowerPresets(OrvPreset* bank, int first);
int buildFeedbackPresets(OrvPreset* bank, int first);

int buildFilterEffectsPresets(OrvPreset* bank, int first);
int buildFilterUtilitiesPresets(OrvPreset* bank, int first);
int buildFlangerPresets(OrvPreset* bank, int first);
int buildFmPresets(OrvPreset* bank, int first);
int buildGranularPresets(OrvPreset* bank, int first);
int buildLimiterPresets(OrvPreset* bank, int first);
int buildModularSynthPresets(OrvPreset* bank, int first);
int buildMultitapPresets(OrvPreset* bank, int first);
int buildPanEffectsPresets(OrvPreset* bank, int first);
int buildPitchShiftPresets(OrvPreset* bank, int first);
int buildPitchSweepPresets(OrvPreset* bank, int first);
int buildPitchTrackPresets(OrvPreset* bank, int first);
int buildRandomPresets(OrvPreset* bank, int first);
int buildTestTonesPresets(OrvPreset* bank, int first);
int buildThirdPartyPresets(OrvPreset* bank, int first);
int buildTremoloPresets(OrvPreset* bank, int first);
int buildUserPresets(OrvPreset* bank, int first);
int buildUtilitiesPresets(OrvPreset* bank, int first);
int buildVibratoPresets(OrvPreset* bank, int first);

// Writes `count` default records from bank[first] on; returns first + count.
int buildDefaultRecords(OrvPreset* bank, int first, int count);
