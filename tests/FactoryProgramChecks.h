#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FactorySheetChecks.h"
#include "presets/FactoryPresets.h"

// Expected content of one factory program: its texts, the modules in use and
// every slider row.
struct TargetExpectation {
    uint16_t fieldId;
    float ratio;
};

struct SliderExpectation {
    const char* caption;
    float min;
    float max;
    float value;
    TargetExpectation targets[kSliderTargets];
};

struct ProgramExpectation {
    const char* name;
    const char* description;
    const char* modulesInUse; // module numbers counted from 1, e.g. "1238"
    SliderExpectation sliders[kNumSliders];
};

#define EXPECT_SAME_FLOAT(actual, expected) EXPECT_EQ(bitsOf(actual), bitsOf(expected))

// Where one module's value lies in a per-module array of the record.
struct ModuleField {
    const char* name;
    size_t offset;
    size_t bytesPerModule;
};

#define ORV_MODULE_FIELD(member) ModuleField {#member, offsetof(OrvPreset, member), sizeof(OrvPreset::member[0])}

// Fields no reader takes from a factory record, running state and the words the
// core fills on selection: these builders leave them all zero.
inline constexpr ModuleField kUnwrittenModuleFields[] = {
    ORV_MODULE_FIELD(oscPhase), ORV_MODULE_FIELD(note), ORV_MODULE_FIELD(pendingAmplMod),
    ORV_MODULE_FIELD(pendingTrackedFilterFrq), ORV_MODULE_FIELD(pendingTrackedFreqMod),
    ORV_MODULE_FIELD(secondValue), ORV_MODULE_FIELD(octave), ORV_MODULE_FIELD(lastPitch),
    ORV_MODULE_FIELD(minLag), ORV_MODULE_FIELD(trackInterval), ORV_MODULE_FIELD(maxLag),
    ORV_MODULE_FIELD(moduleWord1044), ORV_MODULE_FIELD(moduleWord1060), ORV_MODULE_FIELD(moduleWord1076),
    ORV_MODULE_FIELD(channelWord), ORV_MODULE_FIELD(delayTimeMode), ORV_MODULE_FIELD(savedProcessTime),
    ORV_MODULE_FIELD(savedOscFrequency), ORV_MODULE_FIELD(savedFreqMode), ORV_MODULE_FIELD(savedDelayTimeMode),
};

// The fields a module's source and process kinds read.
inline std::vector<ModuleField> fieldsReadByKinds(const OrvPreset& record, int module)
{
    std::vector<ModuleField> fields = {
        ORV_MODULE_FIELD(inUse),    ORV_MODULE_FIELD(oscKind),  ORV_MODULE_FIELD(processKind),
        ORV_MODULE_FIELD(modKind),  ORV_MODULE_FIELD(modTarget), ORV_MODULE_FIELD(modDepth),
        ORV_MODULE_FIELD(outputOn), ORV_MODULE_FIELD(outputGain),
    };
    const int16_t source = record.oscKind[module];
    if (source == OscKind::Sine || source == OscKind::Triangle || source == OscKind::Square || source == OscKind::Saw ||
        source == OscKind::SineLfo) {
        fields.insert(fields.end(), {ORV_MODULE_FIELD(oscFrequency), ORV_MODULE_FIELD(freqMode),
                                     ORV_MODULE_FIELD(sliderFreqMode), ORV_MODULE_FIELD(phaseOrLfoDepth)});
    }
    switch (record.processKind[module]) {
    case ProcessKind::EnvFollow:
        fields.insert(fields.end(), {ORV_MODULE_FIELD(envCoefficient), ORV_MODULE_FIELD(envThreshold)});
        [[fallthrough]];
    case ProcessKind::Delay:
    case ProcessKind::SampHold:
        fields.insert(fields.end(), {ORV_MODULE_FIELD(mainValue), ORV_MODULE_FIELD(processTime)});
        break;
    case ProcessKind::LowPass:
    case ProcessKind::HighPass:
    case ProcessKind::BandPass:
        fields.insert(fields.end(), {ORV_MODULE_FIELD(mainValue), ORV_MODULE_FIELD(filterQ)});
        break;
    case ProcessKind::RaiseToPwr:
        fields.push_back(ORV_MODULE_FIELD(exponent));
        break;
    case ProcessKind::DcOffset:
        fields.push_back(ORV_MODULE_FIELD(dcOffset));
        break;
    case ProcessKind::PhaseShape:
        fields.push_back(ORV_MODULE_FIELD(phaseShape));
        break;
    case ProcessKind::QuantizeFrq:
        fields.push_back(ORV_MODULE_FIELD(quantizeStep));
        break;
    default:
        break;
    }
    return fields;
}

#undef ORV_MODULE_FIELD

inline size_t moduleOffset(const ModuleField& field, int module) { return field.offset + field.bytesPerModule * size_t(module); }

inline bool moduleInUse(const ProgramExpectation& program, int module)
{
    return std::strchr(program.modulesInUse, '1' + module) != nullptr;
}

inline void expectSliderRow(const OrvPreset& record, const ProgramExpectation& program, int slider)
{
    SCOPED_TRACE(testing::Message() << "slider " << char('A' + slider));
    const SliderExpectation& expected = program.sliders[slider];
    if (expected.caption == nullptr) {
        EXPECT_TRUE(sliderIsClear(record, slider));
        return;
    }
    expectText(record.sliderCaption[slider], expected.caption);
    EXPECT_SAME_FLOAT(record.sliderMin[slider], expected.min);
    EXPECT_SAME_FLOAT(record.sliderMax[slider], expected.max);
    EXPECT_SAME_FLOAT(record.sliderCurrent[slider], expected.value);
    EXPECT_LE(record.sliderMin[slider], record.sliderCurrent[slider]);
    EXPECT_LE(record.sliderCurrent[slider], record.sliderMax[slider]);
    for (int target = 0; target < kSliderTargets; ++target) {
        SCOPED_TRACE(testing::Message() << "target " << target);
        const TargetExpectation& expectedTarget = expected.targets[target];
        EXPECT_EQ(record.sliderTarget[slider][target], expectedTarget.fieldId);
        EXPECT_SAME_FLOAT(record.sliderRatio[slider][target], expectedTarget.ratio);
        if (expectedTarget.fieldId == 0)
            continue;
        // Every target addresses a column a slider can drive, of a module in use.
        const int module = (expectedTarget.fieldId - 8) / 30;
        const int column = (expectedTarget.fieldId - 8) % 30;
        EXPECT_TRUE(moduleInUse(program, module));
        EXPECT_NE(std::string("\x08\x0B\x0D\x0E\x12\x15\x19\x1A").find(char(column)), std::string::npos)
            << "column " << column;
    }
}

// Everything a builder must write for one program, and nothing else.
inline void expectFactoryRecord(const OrvPreset& record, const char* category, const ProgramExpectation& program)
{
    SCOPED_TRACE(program.name);
    EXPECT_EQ(record.version, kPresetVersion);
    EXPECT_EQ(record.pad0, 0);
    EXPECT_EQ(record.magic, kPresetMagic);
    EXPECT_EQ(record.flags, 0x0302);
    EXPECT_EQ(record.pad1, 0);
    EXPECT_EQ(record.sampleRate, 44100u);
    EXPECT_EQ(record.delayLineLength, 0u);
    expectText(record.description, program.description);
    expectText(record.categoryName, category);
    expectText(record.programName, program.name);
    EXPECT_TRUE(bytesAreZero(record, offsetof(OrvPreset, recordWord2280),
                             offsetof(OrvPreset, delayTimeMode) - offsetof(OrvPreset, recordWord2280)));
    EXPECT_TRUE(bytesAreZero(record, offsetof(OrvPreset, reserved), sizeof record.reserved));

    for (int module = 0; module < kNumModules; ++module) {
        SCOPED_TRACE(testing::Message() << "module " << module + 1);
        if (!moduleInUse(program, module)) {
            EXPECT_TRUE(moduleIsClear(record, module));
            continue;
        }
        EXPECT_EQ(record.inUse[module], 1);
        for (const ModuleField& field : kUnwrittenModuleFields)
            EXPECT_TRUE(bytesAreZero(record, moduleOffset(field, module), field.bytesPerModule)) << field.name;
        for (int slot = 0; slot < kNumSlots; ++slot) {
            EXPECT_GE(record.modKind[module][slot], ModKind::NoMod);
            if (record.modKind[module][slot] == ModKind::NoMod) {
                EXPECT_EQ(record.modTarget[module][slot], 0);
                EXPECT_SAME_FLOAT(record.modDepth[module][slot], 0.0f);
            } else {
                EXPECT_GE(record.modTarget[module][slot], 0);
                EXPECT_LT(record.modTarget[module][slot], kNumModules);
            }
        }
    }
    for (int slider = 0; slider < kNumSliders; ++slider)
        expectSliderRow(record, program, slider);
}

// The category built at its own first index into a zeroed bank.
inline std::unique_ptr<OrvPreset[]> buildCategory(PresetBuilder builder, int first, int count)
{
    auto bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    EXPECT_EQ(builder(bank.get(), first), first + count);
    return bank;
}

// The whole bank as start-up fills it holds the category's records at their indexes.
inline void expectRecordsInFactoryBank(const OrvPreset* built, int first, int count)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);
    for (int program = 0; program < count; ++program)
        EXPECT_EQ(std::memcmp(&core.bank[first + program], &built[first + program], kPresetSize), 0)
            << "bank index " << first + program;
}

// Selects each program of a category in a started core (44100 Hz, tempo sync
// off), which applies every slider to its fields again, and names each field
// read by its module's kinds that no longer holds what the builder stored, as
// "<bank index> module <n> <field>". Slider rows must come through unchanged.
inline std::vector<std::string> fieldsChangedBySelection(int first, int count, int blockSize = 512)
{
    OrvCore core;
    initCore(core, 44100.0f, blockSize);
    std::vector<std::string> changed;
    for (int index = first; index < first + count; ++index) {
        const OrvPreset stored = core.bank[index];
        EXPECT_TRUE(selectProgram(core, index));
        const OrvPreset& played = core.bank[index];
        for (int module = 0; module < kNumModules; ++module) {
            if (stored.inUse[module] == 0)
                continue;
            for (const ModuleField& field : fieldsReadByKinds(stored, module)) {
                const size_t offset = moduleOffset(field, module);
                if (std::memcmp(bytesOf(stored) + offset, bytesOf(played) + offset, field.bytesPerModule) != 0)
                    changed.push_back(std::to_string(index) + " module " + std::to_string(module + 1) + " " + field.name);
            }
        }
        const size_t sliderBytes = offsetof(OrvPreset, recordWord2280) - offsetof(OrvPreset, sliderTarget);
        EXPECT_EQ(std::memcmp(&stored.sliderTarget, &played.sliderTarget, sliderBytes), 0) << index;
    }
    return changed;
}
