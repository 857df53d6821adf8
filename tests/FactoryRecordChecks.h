#pragma once

// Checks shared by the tests of the category builders that write whole
// factory records: the builder contract, the invariants every factory record
// keeps, and a program-by-program comparison with a table of expected values.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "plugin/OrvCore.h"
#include "plugin/OrvPreset.h"
#include "plugin/Sliders.h"
#include "presets/FactoryPresets.h"

namespace factory_checks {

inline uint32_t bitsOf(float value) { return std::bit_cast<uint32_t>(value); }

// Floats are compared by bit pattern: 0.79999995 must not pass for 0.8.
#define EXPECT_SAME_FLOAT(actual, expected) EXPECT_EQ(factory_checks::bitsOf(actual), factory_checks::bitsOf(expected))

inline bool bytesAreZero(const void* data, size_t size)
{
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0)
            return false;
    }
    return true;
}

// Every array of the record indexed by module first.
template <auto... Fields>
bool moduleSlicesAreZero(const OrvPreset& preset, int module)
{
    return (bytesAreZero(&(preset.*Fields)[module], sizeof((preset.*Fields)[module])) && ...);
}

inline bool moduleIsBlank(const OrvPreset& p, int module)
{
    using P = OrvPreset;
    return moduleSlicesAreZero<&P::oscPhase, &P::outputGain, &P::outputOn, &P::dcOffset, &P::modTarget,
                               &P::envCoefficient, &P::envThreshold, &P::freqMode, &P::mainValue, &P::filterQ,
                               &P::oscFrequency, &P::phaseOrLfoDepth, &P::modKind, &P::modDepth, &P::note,
                               &P::pendingAmplMod, &P::pendingTrackedFilterFrq, &P::pendingTrackedFreqMod,
                               &P::secondValue, &P::octave, &P::inUse, &P::phaseShape, &P::lastPitch, &P::minLag,
                               &P::trackInterval, &P::maxLag, &P::exponent, &P::processKind, &P::quantizeStep,
                               &P::processTime, &P::oscKind, &P::moduleWord1044, &P::moduleWord1060,
                               &P::moduleWord1076, &P::channelWord, &P::sliderFreqMode, &P::delayTimeMode,
                               &P::savedProcessTime, &P::savedOscFrequency, &P::savedFreqMode,
                               &P::savedDelayTimeMode>(p, module);
}

// A text ends inside its field and every byte after its terminator is zero;
// only a description may fill its field without one.
template <size_t N>
void expectCleanText(const char (&field)[N], bool mayFill)
{
    const size_t length = strnlen(field, N);
    EXPECT_TRUE(length < N || mayFill) << "unterminated text of " << N << " bytes";
    EXPECT_TRUE(bytesAreZero(field + length, N - length)) << std::string_view(field, length);
}

// The process fields that the module's process kind does not read, which the
// builders leave zero.
inline void expectUnreadProcessFieldsZero(const OrvPreset& p, int m)
{
    const int kind = p.processKind[m];
    const bool timed = kind == ProcessKind::EnvFollow || kind == ProcessKind::PitchTrack ||
                       kind == ProcessKind::Delay || kind == ProcessKind::SampHold;
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
        {"time", bitsOf(p.processTime[m]), timed},
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

// A slider target that names a module that is not in use: allowed only where
// the program's documentation says so.
struct TargetOutsideUse {
    int program;
    uint16_t fieldId;
};

inline void expectSliderInvariants(const OrvPreset& p, int program, const std::vector<TargetOutsideUse>& allowed)
{
    for (int i = 0; i < kNumSliders; ++i) {
        SCOPED_TRACE(testing::Message() << "slider " << i);
        if (p.sliderTarget[i][0] == 0) {
            EXPECT_EQ(p.sliderMin[i], 0.0f);
            EXPECT_EQ(p.sliderMax[i], 0.0f);
            EXPECT_EQ(p.sliderCurrent[i], 0.0f);
            EXPECT_TRUE(bytesAreZero(p.sliderCaption[i], sizeof p.sliderCaption[i]));
            EXPECT_TRUE(bytesAreZero(p.sliderTarget[i], sizeof p.sliderTarget[i]));
            EXPECT_TRUE(bytesAreZero(p.sliderRatio[i], sizeof p.sliderRatio[i]));
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
            // A field id is 8 + 30 * module + column, columns 1..27.
            const int module = (id - 8) / 30;
            const int column = (id - 8) % 30;
            ASSERT_TRUE(id > 8 && module < kNumModules && column >= 1 && column <= 27) << id;
            bool isAllowed = false;
            for (const TargetOutsideUse& outside : allowed)
                isAllowed = isAllowed || (outside.program == program && outside.fieldId == id);
            EXPECT_EQ(p.inUse[module] == 1, !isAllowed) << "field id " << id;
        }
    }
}

inline void expectFactoryRecordInvariants(const OrvPreset& p, int program, const char* category,
                                          const std::vector<TargetOutsideUse>& allowed = {})
{
    SCOPED_TRACE(testing::Message() << "program " << program << " \"" << p.programName << "\"");
    EXPECT_EQ(p.version, kPresetVersion);
    EXPECT_EQ(p.magic, kPresetMagic);
    EXPECT_EQ(p.flags, 0x0302);
    EXPECT_EQ(p.sampleRate, 44100u);
    EXPECT_EQ(p.pad0, 0);
    EXPECT_EQ(p.pad1, 0);
    EXPECT_TRUE(bytesAreZero(&p.recordWord2280, offsetof(OrvPreset, categoryName) - offsetof(OrvPreset, recordWord2280)))
        << "bytes 2280..2403";
    EXPECT_TRUE(bytesAreZero(p.reserved, sizeof p.reserved));
    EXPECT_STREQ(p.categoryName, category);
    expectCleanText(p.categoryName, false);
    expectCleanText(p.programName, false);
    expectCleanText(p.description, true);
    for (int m = 0; m < kNumModules; ++m) {
        SCOPED_TRACE(testing::Message() << "module " << m);
        if (p.inUse[m] == 0) {
            EXPECT_TRUE(moduleIsBlank(p, m));
        } else {
            expectUnreadProcessFieldsZero(p, m);
        }
    }
    expectSliderInvariants(p, program, allowed);
}

// Runs the builder at its category position with guard records around it, and
// again at index 0: it must return first + count, touch nothing outside its
// records and write the same records wherever it starts.
inline void expectBuilderContract(PresetBuilder build, int first, int count)
{
    auto placed = std::make_unique<OrvPreset[]>(kNumPrograms);
    auto atZero = std::make_unique<OrvPreset[]>(kNumPrograms);
    std::memset(&placed[first - 1], 0xA5, kPresetSize);
    std::memset(&placed[first + count], 0xA5, kPresetSize);
    OrvPreset guard;
    std::memset(&guard, 0xA5, kPresetSize);

    EXPECT_EQ(build(placed.get(), first), first + count);
    EXPECT_EQ(build(atZero.get(), 0), count);

    EXPECT_EQ(std::memcmp(&placed[first - 1], &guard, kPresetSize), 0);
    EXPECT_EQ(std::memcmp(&placed[first + count], &guard, kPresetSize), 0);
    for (int index = 0; index < kNumPrograms; ++index) {
        if (index < first - 1 || index > first + count) {
            EXPECT_TRUE(bytesAreZero(&placed[index], kPresetSize)) << index;
        }
        if (index >= count) {
            EXPECT_TRUE(bytesAreZero(&atZero[index], kPresetSize)) << index;
        }
    }
    for (int k = 0; k < count; ++k)
        EXPECT_EQ(std::memcmp(&placed[first + k], &atZero[k], kPresetSize), 0) << "record first + " << k;
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

struct ProgramCard {
    const char* name;
    const char* description;
    uint32_t delayLineLength;
    std::vector<int> modulesInUse;
    std::vector<SliderRow> sliders; // A, B, ... in order; the rest hold nothing
};

inline void expectMatchesCard(const OrvPreset& p, const ProgramCard& card)
{
    SCOPED_TRACE(card.name);
    EXPECT_STREQ(p.programName, card.name);
    EXPECT_EQ(std::string_view(p.description, strnlen(p.description, sizeof p.description)),
              std::string_view(card.description));
    EXPECT_EQ(p.delayLineLength, card.delayLineLength);
    std::vector<int> inUse;
    for (int m = 0; m < kNumModules; ++m) {
        if (p.inUse[m] != 0)
            inUse.push_back(m);
    }
    EXPECT_EQ(inUse, card.modulesInUse);
    ASSERT_LE(card.sliders.size(), size_t(kNumSliders));
    for (size_t i = 0; i < card.sliders.size(); ++i) {
        const SliderRow& row = card.sliders[i];
        SCOPED_TRACE(row.caption);
        EXPECT_STREQ(p.sliderCaption[i], row.caption);
        EXPECT_SAME_FLOAT(p.sliderMin[i], row.min);
        EXPECT_SAME_FLOAT(p.sliderMax[i], row.max);
        EXPECT_SAME_FLOAT(p.sliderCurrent[i], row.value);
        for (size_t k = 0; k < row.targets.size(); ++k) {
            EXPECT_EQ(p.sliderTarget[i][k], row.targets[k].fieldId) << "target " << k;
            EXPECT_SAME_FLOAT(p.sliderRatio[i][k], row.targets[k].ratio);
        }
        EXPECT_EQ(p.sliderTarget[i][row.targets.size()], 0) << "list end";
    }
    for (size_t i = card.sliders.size(); i < size_t(kNumSliders); ++i)
        EXPECT_EQ(p.sliderTarget[i][0], 0) << "slider " << i << " holds targets";
}

// The fields that the engine reads for a module of these kinds.
inline void expectReadFieldsEqual(const OrvPreset& played, const OrvPreset& stored, int m)
{
    SCOPED_TRACE(testing::Message() << stored.programName << ", module " << m);
    const int kind = stored.processKind[m];
    EXPECT_SAME_FLOAT(played.oscFrequency[m], stored.oscFrequency[m]);
    EXPECT_EQ(played.freqMode[m], stored.freqMode[m]);
    EXPECT_SAME_FLOAT(played.phaseOrLfoDepth[m], stored.phaseOrLfoDepth[m]);
    EXPECT_SAME_FLOAT(played.mainValue[m], stored.mainValue[m]);
    EXPECT_SAME_FLOAT(played.filterQ[m], stored.filterQ[m]);
    for (int j = 0; j < kNumSlots; ++j)
        EXPECT_SAME_FLOAT(played.modDepth[m][j], stored.modDepth[m][j]);
    for (int c = 0; c < kNumChannels; ++c)
        EXPECT_SAME_FLOAT(played.outputGain[m][c], stored.outputGain[m][c]);
    const bool timed = kind == ProcessKind::EnvFollow || kind == ProcessKind::PitchTrack ||
                       kind == ProcessKind::Delay || kind == ProcessKind::SampHold;
    if (timed) {
        EXPECT_SAME_FLOAT(played.processTime[m], stored.processTime[m]);
    }
    if (kind == ProcessKind::EnvFollow) {
        EXPECT_SAME_FLOAT(played.envCoefficient[m], stored.envCoefficient[m]);
        EXPECT_SAME_FLOAT(played.envThreshold[m], stored.envThreshold[m]);
    }
    if (kind == ProcessKind::PitchTrack) {
        EXPECT_EQ(played.minLag[m], stored.minLag[m]);
        EXPECT_EQ(played.maxLag[m], stored.maxLag[m]);
        EXPECT_SAME_FLOAT(played.trackInterval[m], stored.trackInterval[m]);
    }
    if (kind == ProcessKind::DcOffset) {
        EXPECT_SAME_FLOAT(played.dcOffset[m], stored.dcOffset[m]);
    }
    if (kind == ProcessKind::RaiseToPwr) {
        EXPECT_SAME_FLOAT(played.exponent[m], stored.exponent[m]);
    }
}

// Selects every program of the category at 44100 Hz with tempo sync off and
// writes each slider's ratio * value into its fields: the fields the modules'
// kinds read must keep the values the builder stored, bit for bit, and no
// module may come into use.
inline void expectSlidersAgreeWithFields(PresetBuilder build, int first, int count)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);
    auto stored = std::make_unique<OrvPreset[]>(count);
    build(stored.get(), 0);
    for (int k = 0; k < count; ++k) {
        ASSERT_TRUE(selectProgram(core, first + k));
        for (int slider = 0; slider < kNumSliders; ++slider)
            applySlider(core, slider);
        for (int m = 0; m < kNumModules; ++m) {
            EXPECT_EQ(core.current->inUse[m], stored[k].inUse[m]);
            if (stored[k].inUse[m] != 0) {
                expectReadFieldsEqual(*core.current, stored[k], m);
            }
        }
    }
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

} // namespace factory_checks
