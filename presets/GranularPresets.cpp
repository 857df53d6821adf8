#include "FactoryPresets.h"

// Default records keep the category's bank indexes until its programs are written.
int buildGranularPresets(OrvPreset* bank, int first)
{
    return buildDefaultRecords(bank, first, 18);
}
