#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <string>

#include "plugin/FieldModel.h"
#include "plugin/OrvCore.h"
#include "plugin/Sliders.h"

// What a factory program's sheet fixes beyond its module rows: name,
// description, the modules in use and every slider row.
struct SliderSheet {
    const char* caption;
    float minimum;
    float maximum;
    float value;
    uint16_t targets[kSliderTargets]; // unlisted places are the 0 that ends the list
};

struct ProgramSheet {
    const char* name;
    const char* description;
    int modulesInUse[kNumModules]; // module numbers from 1; 0 ends the list
    SliderSheet sliders[kNumSliders]; // a null caption: slider not used
};

inline uint32_t bitsOf(float value) { return std::bit_cast<uint32_t>(value); }

inline const uint8_t* bytesOf(const OrvPreset& preset) { return reinterpret_cast<const uint8_t*>(&preset); }

inline bool bytesAreZero(const OrvPreset& preset, size_t offset, size_t count)
{
    for (size_t byte = offset; byte < offset + count; ++byte) {
        if (bytesOf(preset)[byte] != 0)
            return false;
    }
    return true;
}

// The text, its terminator (unless it fills the field) and zeros after it.
template <size_t N>
void expectText(const char (&field)[N], const char* text)
{
    const size_t length = std::strlen(text);
    ASSERT_LE(length, N);
    EXPECT_EQ(std::string(field, std::min(length, N)), text);
    for (size_t byte = length; byte < N; ++byte)
        ASSERT_EQ(field[byte], 0) << "byte " << byte << " after \"" << text << "\"";
}

// Every per-module word of module m, as (offset of module 0, bytes per module).
inline bool moduleIsClear(const OrvPreset& preset, int m)
{
    static constexpr size_t kModuleRuns[][2] = {
        {16, 8},   {80, 8},   {144, 4},  {176, 4},  {208, 4},  {240, 4},  {272, 4},  {304, 2},
        {320, 4},  {352, 4},  {384, 4},  {416, 4},  {452, 4},  {484, 8},  {548, 2},  {564, 4},
        {596, 4},  {628, 4},  {660, 4},  {692, 2},  {708, 2},  {724, 4},  {756, 8},  {820, 4},
        {852, 4},  {884, 4},  {916, 4},  {948, 2},  {964, 4},  {996, 4},  {1028, 2}, {1044, 2},
        {1060, 2}, {1076, 2}, {1092, 4}, {1124, 2}, {2292, 2}, {2308, 4}, {2340, 4}, {2372, 2},
        {2388, 2},
    };
    for (const auto& [offset, width] : kModuleRuns) {
        if (!bytesAreZero(preset, offset + width * size_t(m), width))
            return false;
    }
    return true;
}

inline bool sliderIsClear(const OrvPreset& preset, int i)
{
    return bytesAreZero(preset, 1140 + 32 * size_t(i), 32) && bytesAreZero(preset, 1364 + 4 * size_t(i), 4) &&
           bytesAreZero(preset, 1392 + 4 * size_t(i), 4) && bytesAreZero(preset, 1420 + 4 * size_t(i), 4) &&
           bytesAreZero(preset, 1448 + 32 * size_t(i), 32) && bytesAreZero(preset, 1832 + 64 * size_t(i), 64);
}

inline bool listsModule(const ProgramSheet& sheet, int m)
{
    for (int number : sheet.modulesInUse) {
        if (number == m + 1)
            return true;
    }
    return false;
}

// Every slider row: caption, range, value within it, targets and their end;
// sliders without a caption are all zero.
inline void expectSliderRows(const OrvPreset& preset, const SliderSheet (&sliders)[kNumSliders])
{
    for (int i = 0; i < kNumSliders; ++i) {
        const SliderSheet& row = sliders[i];
        SCOPED_TRACE(testing::Message() << "slider " << char('A' + i));
        if (!row.caption) {
            EXPECT_TRUE(sliderIsClear(preset, i));
            continue;
        }
        expectText(preset.sliderCaption[i], row.caption);
        EXPECT_EQ(bitsOf(preset.sliderMin[i]), bitsOf(row.minimum));
        EXPECT_EQ(bitsOf(preset.sliderMax[i]), bitsOf(row.maximum));
        EXPECT_EQ(bitsOf(preset.sliderCurrent[i]), bitsOf(row.value));
        EXPECT_LE(preset.sliderMin[i], preset.sliderCurrent[i]);
        EXPECT_LE(preset.sliderCurrent[i], preset.sliderMax[i]);
        for (int k = 0; k < kSliderTargets; ++k) {
            EXPECT_EQ(preset.sliderTarget[i][k], row.targets[k]) << "target " << k;
            if (row.targets[k] == 0) {
                EXPECT_EQ(bitsOf(preset.sliderRatio[i][k]), 0u) << "ratio " << k << " after the list";
            }
        }
    }
}

// The header, the texts, the words every factory record of these categories
// holds, every slider row, and all-zero modules and sliders outside the sheet.
// Modules in `clearExempt` (a bit per module) may hold values though not in use.
inline void expectRecordMatchesSheet(const OrvPreset& preset, const ProgramSheet& sheet, const char* category,
                                     unsigned clearExempt = 0)
{
    SCOPED_TRACE(sheet.name);
    EXPECT_EQ(preset.version, kPresetVersion);
    EXPECT_EQ(preset.magic, kPresetMagic);
    EXPECT_EQ(preset.flags, 0x0302);
    EXPECT_EQ(preset.sampleRate, 44100u);
    EXPECT_TRUE(bytesAreZero(preset, 2, 2));
    EXPECT_TRUE(bytesAreZero(preset, 10, 2));
    EXPECT_TRUE(bytesAreZero(preset, 16, 64)) << "oscillator phases are set when the program is selected";
    EXPECT_TRUE(bytesAreZero(preset, 448, 4)) << "delay-line length is set when the program is selected";
    EXPECT_TRUE(bytesAreZero(preset, 564, 96)) << "running-state words";
    EXPECT_TRUE(bytesAreZero(preset, 756, 64)) << "detected pitches";
    EXPECT_TRUE(bytesAreZero(preset, 2280, 2404 - 2280));
    EXPECT_TRUE(bytesAreZero(preset, 2468, kPresetSize - 2468));
    expectText(preset.programName, sheet.name);
    expectText(preset.categoryName, category);
    expectText(preset.description, sheet.description);

    for (int m = 0; m < kNumModules; ++m) {
        SCOPED_TRACE(testing::Message() << "module " << m + 1);
        EXPECT_EQ(preset.inUse[m], listsModule(sheet, m) ? 1 : 0);
        if (!listsModule(sheet, m) && !(clearExempt & (1u << m))) {
            EXPECT_TRUE(moduleIsClear(preset, m));
        }
    }

    expectSliderRows(preset, sheet.sliders);
}

inline bool isFilterKind(int16_t kind)
{
    return kind == ProcessKind::LowPass || kind == ProcessKind::HighPass || kind == ProcessKind::BandPass;
}

inline bool hasProcessTime(int16_t kind)
{
    return kind == ProcessKind::Delay || kind == ProcessKind::SampHold || kind == ProcessKind::EnvFollow ||
           kind == ProcessKind::PitchTrack;
}

// The fields a module's kinds read, compared bit for bit.
inline void expectPlayedFieldsEqual(const OrvPreset& played, const OrvPreset& stored, int m)
{
    SCOPED_TRACE(testing::Message() << "module " << m + 1);
    const int16_t kind = stored.processKind[m];
    EXPECT_EQ(played.processKind[m], kind);
    EXPECT_EQ(played.oscKind[m], stored.oscKind[m]);
    EXPECT_EQ(played.freqMode[m], stored.freqMode[m]);
    EXPECT_EQ(bitsOf(played.oscFrequency[m]), bitsOf(stored.oscFrequency[m]));
    EXPECT_EQ(bitsOf(played.phaseOrLfoDepth[m]), bitsOf(stored.phaseOrLfoDepth[m]));
    if (isFilterKind(kind) || hasProcessTime(kind)) {
        EXPECT_EQ(bitsOf(played.mainValue[m]), bitsOf(stored.mainValue[m]));
    }
    if (isFilterKind(kind)) {
        EXPECT_EQ(bitsOf(played.filterQ[m]), bitsOf(stored.filterQ[m]));
    }
    if (hasProcessTime(kind)) {
        EXPECT_EQ(bitsOf(played.processTime[m]), bitsOf(stored.processTime[m]));
    }
    if (kind == ProcessKind::EnvFollow) {
        EXPECT_EQ(bitsOf(played.envThreshold[m]), bitsOf(stored.envThreshold[m]));
        EXPECT_EQ(bitsOf(played.envCoefficient[m]), bitsOf(stored.envCoefficient[m]));
    }
    if (kind == ProcessKind::RaiseToPwr) {
        EXPECT_EQ(bitsOf(played.exponent[m]), bitsOf(stored.exponent[m]));
    }
    if (kind == ProcessKind::DcOffset) {
        EXPECT_EQ(bitsOf(played.dcOffset[m]), bitsOf(stored.dcOffset[m]));
    }
    if (kind == ProcessKind::PitchTrack) {
        EXPECT_EQ(played.minLag[m], stored.minLag[m]);
        EXPECT_EQ(played.maxLag[m], stored.maxLag[m]);
        EXPECT_EQ(bitsOf(played.trackInterval[m]), bitsOf(stored.trackInterval[m]));
    }
    for (int j = 0; j < kNumSlots; ++j) {
        EXPECT_EQ(played.modKind[m][j], stored.modKind[m][j]);
        EXPECT_EQ(played.modTarget[m][j], stored.modTarget[m][j]);
        EXPECT_EQ(bitsOf(played.modDepth[m][j]), bitsOf(stored.modDepth[m][j])) << "slot " << j;
    }
    for (int c = 0; c < kNumChannels; ++c) {
        EXPECT_EQ(played.outputOn[m][c], stored.outputOn[m][c]);
        EXPECT_EQ(bitsOf(played.outputGain[m][c]), bitsOf(stored.outputGain[m][c])) << "channel " << c;
    }
}

// Applies every slider of each record as selecting it with tempo sync off
// does, and hands the played and the stored record to `check`.
template <typename Check>
void applySlidersToEachRecord(int (*builder)(OrvPreset*, int), int count, Check check)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    builder(core.bank.get(), 0);
    for (int index = 0; index < count; ++index) {
        const OrvPreset& stored = core.bank[index];
        OrvPreset played = stored;
        core.current = &played;
        core.currentIndex = index;
        unsyncProgramFromTempo(core);
        check(index, played, stored);
    }
}

// A builder run from another first index writes the same records there and
// touches nothing before or after them.
inline void expectBuilderIsRelocatable(int (*builder)(OrvPreset*, int), int count)
{
    const int first = 7;
    auto atZero = std::make_unique<OrvPreset[]>(kNumPrograms);
    auto shifted = std::make_unique<OrvPreset[]>(kNumPrograms);
    OrvPreset neighbour;
    std::memset(static_cast<void*>(&neighbour), 0x5A, kPresetSize);
    for (int index = 0; index < kNumPrograms; ++index) {
        if (index < first || index >= first + count)
            shifted[index] = neighbour;
    }
    EXPECT_EQ(builder(atZero.get(), 0), count);
    EXPECT_EQ(builder(shifted.get(), first), first + count);
    for (int index = 0; index < kNumPrograms; ++index) {
        const bool written = index >= first && index < first + count;
        const OrvPreset& expected = written ? atZero[index - first] : neighbour;
        EXPECT_EQ(std::memcmp(&shifted[index], &expected, kPresetSize), 0) << "record " << index;
    }
}

// Every listed target names a column its module's kinds serve.
inline void expectSliderTargetsServeTheirModules(const OrvPreset& preset)
{
    SCOPED_TRACE(preset.programName);
    for (int i = 0; i < kNumSliders; ++i) {
        for (int k = 0; k < kSliderTargets && preset.sliderTarget[i][k] != 0; ++k) {
            int m = 0;
            int column = 0;
            EXPECT_TRUE(splitFieldId(preset.sliderTarget[i][k], m, column));
            SCOPED_TRACE(testing::Message() << "slider " << char('A' + i) << " target " << k);
            EXPECT_EQ(preset.inUse[m], 1);
            const int16_t kind = preset.processKind[m];
            switch (column) {
            case Column::OscFrequency:
            case Column::PhaseOrDepth:
                EXPECT_NE(preset.freqMode[m], 0) << "no oscillator";
                break;
            case Column::MainValue:
                EXPECT_TRUE(isFilterKind(kind) || hasProcessTime(kind) || kind == ProcessKind::RaiseToPwr);
                break;
            case Column::SecondValue:
                EXPECT_TRUE(isFilterKind(kind) || kind == ProcessKind::EnvFollow);
                break;
            case Column::SlotADepth:
                EXPECT_NE(preset.modKind[m][0], ModKind::NoMod);
                break;
            case Column::SlotBDepth:
                EXPECT_NE(preset.modKind[m][1], ModKind::NoMod);
                break;
            case Column::LeftGain:
            case Column::RightGain:
                break;
            default:
                ADD_FAILURE() << "column " << column;
            }
        }
    }
}

// Process kind 0 modules of these categories are dry paths: "Stereo In", both
// slots "No Mod", both outputs on, gains driven by the "Dry Mix" slider.
// Returns how many the record holds.
inline int expectKindZeroModulesAreDryPaths(const OrvPreset& preset)
{
    SCOPED_TRACE(preset.programName);
    int count = 0;
    for (int m = 0; m < kNumModules; ++m) {
        if (preset.inUse[m] != 1 || preset.processKind[m] != 0)
            continue;
        ++count;
        EXPECT_EQ(preset.oscKind[m], OscKind::StereoIn);
        EXPECT_EQ(preset.modKind[m][0], ModKind::NoMod);
        EXPECT_EQ(preset.modKind[m][1], ModKind::NoMod);
        EXPECT_EQ(preset.outputOn[m][0], 1);
        EXPECT_EQ(preset.outputOn[m][1], 1);
        int drySlider = -1;
        for (int i = 0; i < kNumSliders; ++i) {
            if (std::strcmp(preset.sliderCaption[i], "Dry Mix") == 0)
                drySlider = i;
        }
        EXPECT_GE(drySlider, 0);
        if (drySlider >= 0) {
            EXPECT_EQ(preset.sliderTarget[drySlider][0], fieldId(m, Column::LeftGain));
            EXPECT_EQ(preset.sliderTarget[drySlider][1], fieldId(m, Column::RightGain));
        }
    }
    return count;
}

// A Q slider at a minimum of 0 gives its filters the floor Q of 0.01.
// Returns how many such sliders the record has.
inline int expectZeroQSlidersFloorTheirFilters(const OrvPreset& stored)
{
    SCOPED_TRACE(stored.programName);
    OrvCore core;
    OrvPreset played = stored;
    core.current = &played;
    int count = 0;
    for (int i = 0; i < kNumSliders; ++i) {
        int m = 0;
        int column = 0;
        if (!splitFieldId(stored.sliderTarget[i][0], m, column) || column != Column::SecondValue ||
            !isFilterKind(stored.processKind[m]) || stored.sliderMin[i] != 0.0f)
            continue;
        ++count;
        played.sliderCurrent[i] = 0.0f;
        applySlider(core, i);
        for (int k = 0; k < kSliderTargets && stored.sliderTarget[i][k] != 0; ++k) {
            splitFieldId(stored.sliderTarget[i][k], m, column);
            EXPECT_EQ(played.filterQ[m], 0.01f) << "module " << m + 1;
        }
    }
    return count;
}
