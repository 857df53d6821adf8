#pragma once

// Checks for the factory records that carry stored running state and a stored
// delay-line length ("Granular", "Pan Effects"), on top of the shared ones.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "FactorySheetChecks.h"

// Floats are compared by bit pattern: 0.79999995 must not pass for 0.8.
#define EXPECT_SAME_FLOAT(actual, expected) EXPECT_EQ(bitsOf(actual), bitsOf(expected))

inline bool fieldIsZero(const void* field, size_t size)
{
    const auto* bytes = static_cast<const uint8_t*>(field);
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0)
            return false;
    }
    return true;
}

// A text ends inside its field and every byte after its terminator is zero;
// only a description may fill its field without one.
template <size_t N>
void expectCleanText(const char (&field)[N], bool mayFill)
{
    const size_t length = strnlen(field, N);
    EXPECT_TRUE(length < N || mayFill) << "unterminated text of " << N << " bytes";
    EXPECT_TRUE(fieldIsZero(field + length, N - length)) << std::string_view(field, length);
}

// The process fields that the module's process kind does not read stay zero.
inline void expectUnreadProcessFieldsZero(const OrvPreset& p, int m)
{
    const int16_t kind = p.processKind[m];
    const struct {
        const char* name;
        uint32_t bits;
        bool read;
    } fields[] = {
        {"second value", bitsOf(p.secondValue[m]), false},
        {"shape", bitsOf(p.phaseShape[m]), false},
        {"quantize step", bitsOf(p.quantizeStep[m]), false},
        {"offset", bitsOf(p.dcOffset[m]), kind == ProcessKind::DcOffset},
        {"exponent", bitsOf(p.exponent[m]), kind == ProcessKind::RaiseToPwr},
        {"time", bitsOf(p.processTime[m]), hasProcessTime(kind)},
        {"coefficient", bitsOf(p.envCoefficient[m]), kind == ProcessKind::EnvFollow},
        {"threshold", bitsOf(p.envThreshold[m]), kind == ProcessKind::EnvFollow},
        {"minimum lag", uint32_t(p.minLag[m]), kind == ProcessKind::PitchTrack},
        {"maximum lag", uint32_t(p.maxLag[m]), kind == ProcessKind::PitchTrack},
        {"interval", bitsOf(p.trackInterval[m]), kind == ProcessKind::PitchTrack},
    };
    for (const auto& field : fields) {
        if (!field.read) {
            EXPECT_EQ(field.bits, 0u) << field.name;
        }
    }
}

// A slider target in a module that is not in use, where the program has one.
struct TargetOutsideUse {
    int program;
    uint16_t fieldId;
};

inline void expectSliderInvariants(const OrvPreset& p, int program, const std::vector<TargetOutsideUse>& allowed)
{
    for (int i = 0; i < kNumSliders; ++i) {
        SCOPED_TRACE(testing::Message() << "slider " << char('A' + i));
        if (p.sliderTarget[i][0] == 0) {
            EXPECT_TRUE(sliderIsClear(p, i));
            continue;
        }
        EXPECT_LE(p.sliderMin[i], p.sliderCurrent[i]);
        EXPECT_LE(p.sliderCurrent[i], p.sliderMax[i]);
        expectCleanText(p.sliderCaption[i], false);
        bool ended = false;
        for (int k = 0; k < kSliderTargets; ++k) {
            const uint16_t id = p.sliderTarget[i][k];
            ended = ended || id == 0;
            if (ended) {
                EXPECT_EQ(id, 0) << "target " << k;
                EXPECT_EQ(bitsOf(p.sliderRatio[i][k]), 0u) << "target " << k;
                continue;
            }
            int module = 0;
            int column = 0;
            ASSERT_TRUE(splitFieldId(id, module, column)) << id;
            bool isAllowed = false;
            for (const TargetOutsideUse& outside : allowed)
                isAllowed = isAllowed || (outside.program == program && outside.fieldId == id);
            EXPECT_EQ(p.inUse[module] == 1, !isAllowed) << "field id " << id;
        }
    }
}

// What every record of these categories keeps: the header words, zero words
// where nothing is stored, clean texts, modules that are off all zero and
// unread process fields zero, sliders in range with in-use targets.
inline void expectFactoryRecordInvariants(const OrvPreset& p, int program, const char* category,
                                          const std::vector<TargetOutsideUse>& allowed = {})
{
    SCOPED_TRACE(testing::Message() << "program " << program << " \"" << p.programName << "\"");
    EXPECT_EQ(p.version, kPresetVersion);
    EXPECT_EQ(p.magic, kPresetMagic);
    EXPECT_EQ(p.flags, 0x0302);
    EXPECT_EQ(p.sampleRate, 44100u);
    EXPECT_TRUE(bytesAreZero(p, 2, 2));
    EXPECT_TRUE(bytesAreZero(p, 10, 2));
    EXPECT_TRUE(bytesAreZero(p, 2280, 2404 - 2280));
    EXPECT_TRUE(bytesAreZero(p, 2468, kPresetSize - 2468));
    EXPECT_STREQ(p.categoryName, category);
    expectCleanText(p.categoryName, false);
    expectCleanText(p.programName, false);
    expectCleanText(p.description, true);
    for (int m = 0; m < kNumModules; ++m) {
        SCOPED_TRACE(testing::Message() << "module " << m);
        if (p.inUse[m] == 0) {
            EXPECT_TRUE(moduleIsClear(p, m));
        } else {
            expectUnreadProcessFieldsZero(p, m);
        }
    }
    expectSliderInvariants(p, program, allowed);
}

struct SliderTarget {
    uint16_t fieldId;
    float ratio;
};

struct SliderRow {
    const char* caption;
    float min;
    float max;
    float value;
    std::vector<SliderTarget> targets;
};

struct ExpectedProgram {
    const char* name;
    const char* description;
    uint32_t delayLineLength;
    std::vector<int> modulesInUse;
    std::vector<SliderRow> sliders; // A, B, ... in order; the rest hold nothing
};

inline void expectProgram(const OrvPreset& p, const ExpectedProgram& expected)
{
    SCOPED_TRACE(expected.name);
    expectText(p.programName, expected.name);
    expectText(p.description, expected.description);
    EXPECT_EQ(p.delayLineLength, expected.delayLineLength);
    std::vector<int> inUse;
    for (int m = 0; m < kNumModules; ++m) {
        if (p.inUse[m] != 0)
            inUse.push_back(m);
    }
    EXPECT_EQ(inUse, expected.modulesInUse);
    ASSERT_LE(expected.sliders.size(), size_t(kNumSliders));
    for (size_t i = 0; i < expected.sliders.size(); ++i) {
        const SliderRow& row = expected.sliders[i];
        SCOPED_TRACE(row.caption);
        expectText(p.sliderCaption[i], row.caption);
        EXPECT_SAME_FLOAT(p.sliderMin[i], row.min);
        EXPECT_SAME_FLOAT(p.sliderMax[i], row.max);
        EXPECT_SAME_FLOAT(p.sliderCurrent[i], row.value);
        for (size_t k = 0; k < row.targets.size(); ++k) {
            EXPECT_EQ(p.sliderTarget[i][k], row.targets[k].fieldId) << "target " << k;
            EXPECT_SAME_FLOAT(p.sliderRatio[i][k], row.targets[k].ratio);
        }
        EXPECT_EQ(p.sliderTarget[i][row.targets.size()], 0) << "list end";
    }
    for (size_t i = expected.sliders.size(); i < size_t(kNumSliders); ++i)
        EXPECT_EQ(p.sliderTarget[i][0], 0) << "slider " << i << " holds targets";
}

// Every slider applied at its stored value leaves the fields that the modules
// in use read as stored, and brings no module into use.
inline void expectSlidersAgreeWithFields(PresetBuilder build, int count)
{
    applySlidersToEachRecord(build, count, [](int, const OrvPreset& played, const OrvPreset& stored) {
        SCOPED_TRACE(stored.programName);
        for (int m = 0; m < kNumModules; ++m) {
            EXPECT_EQ(played.inUse[m], stored.inUse[m]) << "module " << m;
            if (stored.inUse[m] != 0) {
                expectPlayedFieldsEqual(played, stored, m);
            }
        }
    });
}

// One row of a module table: kinds, oscillator, main value, slots, outputs and
// the flag words 1044, 1060, 1076 and the two channel words.
struct ModuleRow {
    int program;
    int module;
    int16_t oscKind;
    float frequency;
    uint16_t freqMode;
    uint16_t sliderFreqMode;
    uint16_t note;
    int16_t octave;
    float phaseOrDepth;
    int16_t processKind;
    float mainValue;
    float filterQ;
    uint16_t slotKind[kNumSlots];
    int16_t slotTarget[kNumSlots];
    float slotDepth[kNumSlots];
    uint16_t outputOn[kNumChannels];
    float outputGain[kNumChannels];
    uint16_t flagWords[5];
};

inline void expectModuleRow(const OrvPreset& p, const ModuleRow& row)
{
    const int m = row.module;
    SCOPED_TRACE(testing::Message() << p.programName << ", module " << m);
    EXPECT_EQ(p.inUse[m], 1);
    EXPECT_EQ(p.oscKind[m], row.oscKind);
    EXPECT_SAME_FLOAT(p.oscFrequency[m], row.frequency);
    EXPECT_EQ(p.freqMode[m], row.freqMode);
    EXPECT_EQ(p.sliderFreqMode[m], row.sliderFreqMode);
    EXPECT_EQ(p.note[m], row.note);
    EXPECT_EQ(p.octave[m], row.octave);
    EXPECT_SAME_FLOAT(p.phaseOrLfoDepth[m], row.phaseOrDepth);
    EXPECT_EQ(p.processKind[m], row.processKind);
    EXPECT_SAME_FLOAT(p.mainValue[m], row.mainValue);
    EXPECT_SAME_FLOAT(p.filterQ[m], row.filterQ);
    for (int j = 0; j < kNumSlots; ++j) {
        EXPECT_EQ(p.modKind[m][j], row.slotKind[j]) << "slot " << j;
        EXPECT_EQ(p.modTarget[m][j], row.slotTarget[j]) << "slot " << j;
        EXPECT_SAME_FLOAT(p.modDepth[m][j], row.slotDepth[j]);
    }
    for (int c = 0; c < kNumChannels; ++c) {
        EXPECT_EQ(p.outputOn[m][c], row.outputOn[c]) << "channel " << c;
        EXPECT_SAME_FLOAT(p.outputGain[m][c], row.outputGain[c]);
    }
    const uint16_t flagWords[5] = {p.moduleWord1044[m], p.moduleWord1060[m], p.moduleWord1076[m],
                                   p.channelWord[m][0], p.channelWord[m][1]};
    for (int w = 0; w < 5; ++w)
        EXPECT_EQ(flagWords[w], row.flagWords[w]) << "flag word " << w;
}
