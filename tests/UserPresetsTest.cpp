#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kUserPresets = {
    "User Presets", 21, 301, buildUserPresets, StoredWords::EditorWords,
    {
     {"Blank 1", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 2", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 3", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 4", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 5", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 6", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 7", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 8", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 9", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 10", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 11", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 12", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 13", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 14", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 15", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 16", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 17", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 18", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 19", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 20", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 21", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 22", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 23", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 24", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 25", "Blank preset.", "1", 0x0302, 1, {}},
    },
};

TEST(UserPresets, BlankRecordsDifferOnlyInTheirNames)
{
    const auto records = categoryRecords(kUserPresets);
    for (int k = 1; k < int(kUserPresets.programs.size()); ++k) {
        OrvPreset renamed = records[k];
        std::memcpy(renamed.programName, records[0].programName, sizeof renamed.programName);
        EXPECT_EQ(std::memcmp(&renamed, &records[0], kPresetSize), 0) << records[k].programName;
    }
}

TEST(UserPresets, ModuleZeroHoldsTheValuesAUserProgramStartsFrom)
{
    const OrvPreset p = categoryRecords(kUserPresets)[0];
    EXPECT_EQ(p.inUse[0], 1);
    EXPECT_EQ(p.oscKind[0], OscKind::NoOsc);
    EXPECT_EQ(p.processKind[0], ProcessKind::NoProcess);
    for (int j = 0; j < kNumSlots; ++j) {
        EXPECT_EQ(p.modKind[0][j], ModKind::NoMod);
        EXPECT_EQ(p.modTarget[0][j], 1) << "module 1, which is not in use";
        EXPECT_EQ(bitsOf(p.modDepth[0][j]), bitsOf(1.0f));
    }
    for (int c = 0; c < kNumChannels; ++c) {
        EXPECT_EQ(p.outputOn[0][c], 0) << "silent until an output is switched on";
        EXPECT_EQ(bitsOf(p.outputGain[0][c]), bitsOf(1.0f));
        EXPECT_EQ(p.channelWord[0][c], 1);
        EXPECT_EQ(bitsOf(p.oscPhase[0][c]), 0u);
    }
    EXPECT_EQ(bitsOf(p.oscFrequency[0]), 0x43DBFFFCu) << "439.99988, not 440";
    EXPECT_EQ(p.freqMode[0], 0);
    EXPECT_EQ(p.sliderFreqMode[0], FreqMode::Hz);
    EXPECT_EQ(p.note[0], 9);
    EXPECT_EQ(p.octave[0], 4);
    EXPECT_EQ(bitsOf(p.phaseOrLfoDepth[0]), 0u);
    EXPECT_EQ(bitsOf(p.mainValue[0]), bitsOf(-2.0f));
    EXPECT_EQ(bitsOf(p.processTime[0]), bitsOf(-88.200005f));
    EXPECT_EQ(bitsOf(p.envCoefficient[0]), bitsOf(1.0078897f));
    EXPECT_EQ(bitsOf(p.envThreshold[0]), 0u);
    EXPECT_EQ(bitsOf(p.dcOffset[0]), bitsOf(-0.02f));
    EXPECT_EQ(bitsOf(p.phaseShape[0]), bitsOf(-0.02f));
    EXPECT_EQ(bitsOf(p.exponent[0]), bitsOf(-2.0f));
    EXPECT_EQ(bitsOf(p.quantizeStep[0]), bitsOf(-2.0f));
    EXPECT_EQ(bitsOf(p.filterQ[0]), bitsOf(1.0f));
    EXPECT_EQ(bitsOf(p.secondValue[0]), bitsOf(3.0f));
    EXPECT_EQ(p.minLag[0], 40);
    EXPECT_EQ(p.maxLag[0], 200);
    EXPECT_EQ(bitsOf(p.trackInterval[0]), 1764u) << "the bit pattern of the integer 1764";
    EXPECT_EQ(p.moduleWord1044[0], 1);
    EXPECT_EQ(p.moduleWord1060[0], 1);
    EXPECT_EQ(p.moduleWord1076[0], 0);
    EXPECT_EQ(p.delayTimeMode[0], 0);

    // The stored values agree with each other in single precision: -2 ms.
    EXPECT_EQ(p.processTime[0], 44100.0f * (p.mainValue[0] * 0.001f));
    EXPECT_EQ(p.dcOffset[0], p.mainValue[0] * 0.01f);
}
