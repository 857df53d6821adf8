#pragma once

#include "FactorySheetChecks.h"

// The programs of "Pitch Shift" and "Pitch Sweep" keep the running state,
// flag words and delay-line length they were stored with, so their records
// are checked against the header, texts and sliders typed by hand, and against
// zero only where nothing was stored.
struct PitchProgram {
    const char* name;
    uint32_t delayLineLength;
    const char* description;
    unsigned modulesInUse; // bit m: module m (from 0) is in use
    SliderSheet sliders[kNumSliders];
};

inline void expectPitchRecord(const OrvPreset& preset, const PitchProgram& program, const char* category)
{
    SCOPED_TRACE(program.name);
    EXPECT_EQ(preset.version, kPresetVersion);
    EXPECT_EQ(preset.magic, kPresetMagic);
    EXPECT_EQ(preset.flags, 0x0302);
    EXPECT_EQ(preset.sampleRate, 44100u);
    EXPECT_EQ(preset.delayLineLength, program.delayLineLength);
    EXPECT_TRUE(bytesAreZero(preset, 2, 2));
    EXPECT_TRUE(bytesAreZero(preset, 10, 2));
    EXPECT_TRUE(bytesAreZero(preset, 2280, 2404 - 2280)) << "record words, delay-time modes and saved values";
    EXPECT_TRUE(bytesAreZero(preset, 2468, kPresetSize - 2468));
    expectText(preset.programName, program.name);
    expectText(preset.categoryName, category);
    expectText(preset.description, program.description);

    for (int m = 0; m < kNumModules; ++m) {
        SCOPED_TRACE(testing::Message() << "module " << m);
        const bool used = (program.modulesInUse >> m) & 1;
        EXPECT_EQ(preset.inUse[m], used ? 1 : 0);
        if (!used) {
            EXPECT_TRUE(moduleIsClear(preset, m));
            continue;
        }
        // Their processes are Delay, BandPass and none: every other process field stays zero.
        for (float field : {preset.dcOffset[m], preset.envCoefficient[m], preset.envThreshold[m],
                            preset.secondValue[m], preset.phaseShape[m], preset.trackInterval[m],
                            preset.exponent[m], preset.quantizeStep[m]})
            EXPECT_EQ(bitsOf(field), 0u);
        EXPECT_EQ(preset.minLag[m] | preset.maxLag[m], 0);
        EXPECT_EQ(preset.pendingTrackedFilterFrq[m][0] | preset.pendingTrackedFilterFrq[m][1] |
                      preset.pendingTrackedFreqMod[m][0] | preset.pendingTrackedFreqMod[m][1],
                  0);
        if (preset.processKind[m] != ProcessKind::Delay) {
            EXPECT_EQ(bitsOf(preset.processTime[m]), 0u);
        }
    }
    expectSliderRows(preset, program.sliders);
    expectSliderTargetsServeTheirModules(preset);
}

// Every slider applied as selecting the program does leaves the fields that
// the modules play from as stored, bit for bit.
inline void expectSlidersReproduceStoredFields(PresetBuilder build, int count)
{
    applySlidersToEachRecord(build, count, [](int, const OrvPreset& played, const OrvPreset& stored) {
        SCOPED_TRACE(stored.programName);
        for (int m = 0; m < kNumModules; ++m) {
            if (stored.inUse[m] == 1)
                expectPlayedFieldsEqual(played, stored, m);
        }
        EXPECT_EQ(std::memcmp(played.sliderCurrent, stored.sliderCurrent, sizeof stored.sliderCurrent), 0);
    });
}

// fillFactoryBank places the category's records at their bank indexes, and its
// text pass leaves them as built.
inline void expectBankHoldsCategory(PresetBuilder build, int first, int count)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);

    auto built = std::make_unique<OrvPreset[]>(count);
    build(built.get(), 0);
    for (int k = 0; k < count; ++k)
        EXPECT_EQ(std::memcmp(&core.bank[first + k], &built[k], kPresetSize), 0) << "bank index " << first + k;
}
