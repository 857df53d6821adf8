#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "FactoryProgramChecks.h"
#include "FactorySheetChecks.h"
#include "presets/FactoryPresets.h"

// Checks of the categories that store every record word themselves and leave
// the fields no kind reads empty: the record-wide rules, every slider row, and
// stored fields that agree with their sliders.

template <size_t N>
std::string textOf(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

// The category's records, built alone from index 0 of a zeroed bank.
inline std::vector<OrvPreset> categoryRecords(PresetBuilder builder, int count)
{
    std::vector<OrvPreset> records(kNumPrograms);
    builder(records.data(), 0);
    records.resize(count);
    return records;
}

// Through the bank: the category's entry and its records at their indexes.
inline void expectInFactoryBank(const char* category, int categoryIndex, int first, PresetBuilder builder, int count)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);
    EXPECT_STREQ(core.categories[categoryIndex].name, category);
    EXPECT_EQ(core.categories[categoryIndex].firstIndex, uint32_t(first));
    EXPECT_EQ(core.categories[categoryIndex].count, uint32_t(count));
    const std::vector<OrvPreset> records = categoryRecords(builder, count);
    for (int k = 0; k < count; ++k)
        EXPECT_EQ(std::memcmp(&core.bank[first + k], &records[k], kPresetSize), 0) << "bank index " << first + k;
}

inline bool isSliderColumn(int column)
{
    for (int sliderColumn : {Column::OscFrequency, Column::PhaseOrDepth, Column::MainValue, Column::SecondValue,
                             Column::SlotADepth, Column::SlotBDepth, Column::LeftGain, Column::RightGain})
        if (column == sliderColumn)
            return true;
    return false;
}

// The rules every record of a category keeps: header words, texts ending in
// their fields with zeros after, unused modules and sliders all zero, slider
// values in range and field ids that address a driven column of a module in use.
inline void expectRecordRules(const OrvPreset& p, const char* category)
{
    SCOPED_TRACE(textOf(p.programName));
    EXPECT_EQ(p.version, kPresetVersion);
    EXPECT_EQ(p.magic, kPresetMagic);
    EXPECT_EQ(p.sampleRate, 44100u);
    EXPECT_TRUE(bytesAreZero(p, 2, 2));
    EXPECT_TRUE(bytesAreZero(p, 10, 2));
    EXPECT_TRUE(bytesAreZero(p, 2280, 12)) << "record words";
    EXPECT_TRUE(bytesAreZero(p, 2468, kPresetSize - 2468));
    expectText(p.categoryName, category);
    expectText(p.programName, textOf(p.programName).c_str());
    expectText(p.description, textOf(p.description).c_str());

    for (int m = 0; m < kNumModules; ++m) {
        if (p.inUse[m] == 0) {
            EXPECT_TRUE(moduleIsClear(p, m)) << "module " << m << " is not in use";
            continue;
        }
        EXPECT_EQ(p.inUse[m], 1) << "module " << m;
        for (int j = 0; j < kNumSlots; ++j) {
            if (p.modKind[m][j] != ModKind::NoMod) {
                const int target = p.modTarget[m][j];
                ASSERT_TRUE(target >= 0 && target < kNumModules) << "module " << m << " slot " << j;
                EXPECT_EQ(p.inUse[target], 1) << "module " << m << " slot " << j << " aims at a module not in use";
            }
        }
    }

    for (int i = 0; i < kNumSliders; ++i) {
        SCOPED_TRACE("slider " + std::to_string(i));
        if (p.sliderTarget[i][0] == 0) {
            EXPECT_TRUE(sliderIsClear(p, i));
            continue;
        }
        expectText(p.sliderCaption[i], textOf(p.sliderCaption[i]).c_str());
        EXPECT_LE(p.sliderMin[i], p.sliderCurrent[i]);
        EXPECT_LE(p.sliderCurrent[i], p.sliderMax[i]);
        bool ended = false;
        for (int k = 0; k < kSliderTargets; ++k) {
            const uint16_t id = p.sliderTarget[i][k];
            ended = ended || id == 0;
            if (ended) {
                EXPECT_EQ(id, 0) << "field " << k << " after the end of the list";
                EXPECT_EQ(bitsOf(p.sliderRatio[i][k]), 0u) << "ratio " << k << " after the end of the list";
                continue;
            }
            int module = 0;
            int column = 0;
            ASSERT_TRUE(splitFieldId(id, module, column) && module < kNumModules) << id;
            EXPECT_EQ(p.inUse[module], 1) << "field " << id << " of a module not in use";
            EXPECT_TRUE(isSliderColumn(column)) << "field " << id;
            EXPECT_NE(p.sliderRatio[i][k], 0.0f) << "field " << id;
        }
    }
}

// The fields left open for a module in use hold nothing: running state, the
// per-module and per-channel words, second value, saved tempo values, the
// delay-time mode, and the target and depth of a slot without modulation.
inline void expectOpenFieldsEmpty(const OrvPreset& p)
{
    SCOPED_TRACE(textOf(p.programName));
    for (int m = 0; m < kNumModules; ++m) {
        if (p.inUse[m] == 0)
            continue;
        for (int c = 0; c < kNumChannels; ++c) {
            EXPECT_EQ(bitsOf(p.oscPhase[m][c]) | bitsOf(p.lastPitch[m][c]), 0u) << m;
            EXPECT_EQ(p.pendingAmplMod[m][c] | p.pendingTrackedFilterFrq[m][c] | p.pendingTrackedFreqMod[m][c], 0) << m;
            EXPECT_EQ(p.channelWord[m][c], 0) << m;
        }
        EXPECT_EQ(p.moduleWord1044[m] | p.moduleWord1060[m] | p.moduleWord1076[m] | p.delayTimeMode[m], 0) << m;
        EXPECT_EQ(p.savedFreqMode[m] | p.savedDelayTimeMode[m], 0) << m;
        EXPECT_EQ(bitsOf(p.secondValue[m]) | bitsOf(p.savedProcessTime[m]) | bitsOf(p.savedOscFrequency[m]), 0u) << m;
        for (int j = 0; j < kNumSlots; ++j) {
            if (p.modKind[m][j] == ModKind::NoMod) {
                EXPECT_EQ(p.modTarget[m][j], 0) << m << " slot " << j;
                EXPECT_EQ(bitsOf(p.modDepth[m][j]), 0u) << m << " slot " << j;
            }
        }
    }
}

struct ExpectedProgram {
    const char* name;
    const char* description;
    uint16_t flags;
    uint32_t delayLineLength;
};

// Names, descriptions, flags and delay-line lengths in record order, and the
// record rules for each record.
inline void expectPrograms(const std::vector<OrvPreset>& records, const char* category,
                           const std::vector<ExpectedProgram>& programs)
{
    ASSERT_EQ(records.size(), programs.size());
    for (size_t k = 0; k < programs.size(); ++k) {
        SCOPED_TRACE("record " + std::to_string(k));
        expectText(records[k].programName, programs[k].name);
        expectText(records[k].description, programs[k].description);
        EXPECT_EQ(records[k].flags, programs[k].flags);
        EXPECT_EQ(records[k].delayLineLength, programs[k].delayLineLength);
        expectRecordRules(records[k], category);
    }
}

struct ExpectedSlider {
    int record;
    int slider;
    const char* caption;
    float minimum;
    float maximum;
    float current;
    std::vector<std::pair<uint16_t, float>> fields; // field id and ratio, in list order
};

// Every used slider of the category, bit for bit; the others are unused.
inline void expectSliders(const std::vector<OrvPreset>& records, const std::vector<ExpectedSlider>& sliders)
{
    std::vector<int> used(records.size(), 0);
    for (const ExpectedSlider& expected : sliders) {
        SCOPED_TRACE("record " + std::to_string(expected.record) + " slider " + std::to_string(expected.slider));
        const OrvPreset& p = records.at(size_t(expected.record));
        const int i = expected.slider;
        ++used[size_t(expected.record)];
        expectText(p.sliderCaption[i], expected.caption);
        EXPECT_EQ(bitsOf(p.sliderMin[i]), bitsOf(expected.minimum));
        EXPECT_EQ(bitsOf(p.sliderMax[i]), bitsOf(expected.maximum));
        EXPECT_EQ(bitsOf(p.sliderCurrent[i]), bitsOf(expected.current));
        for (size_t k = 0; k < expected.fields.size(); ++k) {
            EXPECT_EQ(p.sliderTarget[i][k], expected.fields[k].first) << "field " << k;
            EXPECT_EQ(bitsOf(p.sliderRatio[i][k]), bitsOf(expected.fields[k].second)) << "ratio " << k;
        }
        if (expected.fields.size() < kSliderTargets) {
            EXPECT_EQ(p.sliderTarget[i][expected.fields.size()], 0) << "list does not end";
        }
    }
    for (size_t k = 0; k < records.size(); ++k) {
        int inUse = 0;
        for (int i = 0; i < kNumSliders; ++i)
            inUse += records[k].sliderTarget[i][0] != 0;
        EXPECT_EQ(inUse, used[k]) << "sliders in use in record " << k;
    }
}

// Selecting each program writes every slider's ratio * value into its fields
// (tempo sync off, 44100 Hz). The fields the modules' kinds read must come out
// as stored, to the bit: the transcription of every slider row agrees with its
// module rows. Outside the filters these records leave the main value empty,
// since only the derived time or amount plays.
inline void expectSlidersAgreeWithFields(int first, int count)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);
    for (int index = first; index < first + count; ++index) {
        const OrvPreset stored = core.bank[index];
        SCOPED_TRACE(textOf(stored.programName));
        ASSERT_TRUE(selectProgram(core, index));
        for (int m = 0; m < kNumModules; ++m) {
            if (stored.inUse[m] == 0)
                continue;
            for (const ModuleField& field : fieldsReadByKinds(stored, m)) {
                if (field.offset == offsetof(OrvPreset, mainValue) && !isFilterKind(stored.processKind[m]))
                    continue;
                const size_t offset = moduleOffset(field, m);
                EXPECT_EQ(std::memcmp(bytesOf(stored) + offset, bytesOf(*core.current) + offset, field.bytesPerModule), 0)
                    << "module " << m << " " << field.name;
            }
        }
    }
}
