#include "FactoryPresets.h"
#include "plugin/OrvBank.h"

int buildDefaultRecords(OrvPreset* bank, int first, int count)
{
    for (int index = first; index < first + count; ++index)
        initDefaultPreset(bank[index], kPluginFlags, 44100);
    return first + count;
}

// No factory programs are defined for these five categories.
int buildAssortedFxPresets(OrvPreset* bank, int first) { return buildDefaultRecords(bank, first, 16); }
int buildChorusPresets(OrvPreset* bank, int first) { return buildDefaultRecords(bank, first, 16); }
int buildDelayPresets(OrvPreset* bank, int first) { return buildDefaultRecords(bank, first, 16); }
int buildEnvelopeFollowerPresets(OrvPreset* bank, int first) { return buildDefaultRecords(bank, first, 15); }
int buildFeedbackPresets(OrvPreset* bank, int first) { return buildDefaultRecords(bank, first, 15); }
