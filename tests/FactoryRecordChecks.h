#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/FieldModel.h"
#include "plugin/OrvCore.h"
#include "presets/FactoryPresets.h"

// Floats are compared by bit pattern: 0.79999995 must not pass for 0.8.
inline uint32_t bitsOf(float value) { return std::bit_cast<uint32_t>(value); }

#define EXPECT_SAME_FLOAT(actual, expected) EXPECT_EQ(bitsOf(actual), bitsOf(expected))

// One place of a slider's list: the field it drives and the factor applied.
struct ExpectedTarget {
    uint16_t fieldId;
    float ratio = 1.0f;
};

// An empty caption marks a slider that is not used and holds nothing. Places
// after the listed ones hold id 0 and ratio 0; a list may spell out a
// non-zero ratio after its end as {0, ratio}.
struct ExpectedSlider {
    const char* caption = "";
    float minimum = 0.0f;
    float maximum = 0.0f;
    float value = 0.0f;
    std::vector<ExpectedTarget> targets;
};

struct ExpectedProgram {
    const char* name;
    const char* description;
    const char* modulesInUse; // module numbers from 1, e.g. "1235"
    uint16_t flags;
    uint32_t delayLineLength;
    std::vector<ExpectedSlider> sliders; // A, B, ...; sliders after the last row hold nothing
};

// What a category's records keep beyond the fields their modules' kinds read;
// a category keeps any of these or none.
namespace StoredWords {
enum : unsigned {
    None = 0,
    RunningState = 1, // oscillator phases, detected pitches, pending modulation words
    EditorWords = 2,  // the per-module and per-channel words and the second value
    ShownTimes = 4,   // the ms a time module shows (its main value), in step with its slider
};
}

struct FactoryCategory {
    const char* name;
    int categoryIndex;
    int first;
    PresetBuilder builder;
    unsigned storedWords;
    std::vector<ExpectedProgram> programs;
    // Programs (counted from 0) whose unused modules are switched off rather than clear.
    std::vector<int> programsWithSwitchedOffModules = {};
    // "<program name> module <n> <field>" for each played field that selection
    // sets apart from what the builder stored.
    std::vector<std::string> fieldsSelectionChanges = {};
};

extern const FactoryCategory kFilterEffects, kFilterUtilities, kFlanger, kFm, kGranular, kLimiter, kModularSynth,
    kMultitap, kPanEffects, kPitchShift, kPitchSweep, kPitchTrack, kRandom, kTestTones, kThirdParty, kTremolo,
    kUserPresets, kUtilities, kVibrato;

inline const uint8_t* bytesOf(const OrvPreset& preset) { return reinterpret_cast<const uint8_t*>(&preset); }

inline bool bytesAreZero(const void* first, size_t count)
{
    const auto* bytes = static_cast<const uint8_t*>(first);
    for (size_t byte = 0; byte < count; ++byte) {
        if (bytes[byte] != 0)
            return false;
    }
    return true;
}

// Where one module's value lies in a per-module array of the record.
struct ModuleField {
    const char* name;
    size_t offset;
    size_t bytesPerModule;
    size_t width; // bytes compared, less than bytesPerModule for one slot of a module

    const uint8_t* of(const OrvPreset& preset, int module) const
    {
        return bytesOf(preset) + offset + bytesPerModule * size_t(module);
    }
};

#define ORV_MODULE_FIELD(member)                                                                                       \
    ModuleField {#member, offsetof(OrvPreset, member), sizeof(OrvPreset::member[0]), sizeof(OrvPreset::member[0])}

// Every per-module array before the slider rows; the delay-time modes and
// saved values after them are checked as one run of the record.
inline constexpr ModuleField kEveryModuleField[] = {
    ORV_MODULE_FIELD(oscPhase), ORV_MODULE_FIELD(outputGain), ORV_MODULE_FIELD(outputOn),
    ORV_MODULE_FIELD(dcOffset), ORV_MODULE_FIELD(modTarget), ORV_MODULE_FIELD(envCoefficient),
    ORV_MODULE_FIELD(envThreshold), ORV_MODULE_FIELD(freqMode), ORV_MODULE_FIELD(mainValue),
    ORV_MODULE_FIELD(filterQ), ORV_MODULE_FIELD(oscFrequency), ORV_MODULE_FIELD(phaseOrLfoDepth),
    ORV_MODULE_FIELD(modKind), ORV_MODULE_FIELD(modDepth), ORV_MODULE_FIELD(note),
    ORV_MODULE_FIELD(pendingAmplMod), ORV_MODULE_FIELD(pendingTrackedFilterFrq),
    ORV_MODULE_FIELD(pendingTrackedFreqMod), ORV_MODULE_FIELD(secondValue), ORV_MODULE_FIELD(octave),
    ORV_MODULE_FIELD(inUse), ORV_MODULE_FIELD(phaseShape), ORV_MODULE_FIELD(lastPitch), ORV_MODULE_FIELD(minLag),
    ORV_MODULE_FIELD(trackInterval), ORV_MODULE_FIELD(maxLag), ORV_MODULE_FIELD(exponent),
    ORV_MODULE_FIELD(processKind), ORV_MODULE_FIELD(quantizeStep), ORV_MODULE_FIELD(processTime),
    ORV_MODULE_FIELD(oscKind), ORV_MODULE_FIELD(moduleWord1044), ORV_MODULE_FIELD(moduleWord1060),
    ORV_MODULE_FIELD(moduleWord1076), ORV_MODULE_FIELD(channelWord), ORV_MODULE_FIELD(sliderFreqMode),
};

inline constexpr ModuleField kRunningStateFields[] = {
    ORV_MODULE_FIELD(oscPhase), ORV_MODULE_FIELD(lastPitch), ORV_MODULE_FIELD(pendingAmplMod),
    ORV_MODULE_FIELD(pendingTrackedFilterFrq), ORV_MODULE_FIELD(pendingTrackedFreqMod),
};

inline constexpr ModuleField kEditorWordFields[] = {
    ORV_MODULE_FIELD(moduleWord1044), ORV_MODULE_FIELD(moduleWord1060), ORV_MODULE_FIELD(moduleWord1076),
    ORV_MODULE_FIELD(channelWord), ORV_MODULE_FIELD(secondValue),
};

inline bool isOscillator(int16_t kind)
{
    return kind == OscKind::Sine || kind == OscKind::Triangle || kind == OscKind::Square || kind == OscKind::Saw ||
           kind == OscKind::SineLfo;
}

inline bool isFilter(int16_t kind)
{
    return kind == ProcessKind::LowPass || kind == ProcessKind::HighPass || kind == ProcessKind::BandPass;
}

inline bool isTimed(int16_t kind)
{
    return kind == ProcessKind::Delay || kind == ProcessKind::SampHold || kind == ProcessKind::EnvFollow;
}

// The fields the engine plays a module from, given its kinds.
inline std::vector<ModuleField> fieldsPlayed(const OrvPreset& preset, int module)
{
    std::vector<ModuleField> fields = {ORV_MODULE_FIELD(outputGain)};
    if (isOscillator(preset.oscKind[module]))
        fields.insert(fields.end(), {ORV_MODULE_FIELD(oscFrequency), ORV_MODULE_FIELD(phaseOrLfoDepth)});
    for (int slot = 0; slot < kNumSlots; ++slot) {
        if (preset.modKind[module][slot] != ModKind::NoMod) {
            fields.push_back({slot == 0 ? "slot A depth" : "slot B depth",
                              offsetof(OrvPreset, modDepth) + sizeof(float) * size_t(slot), sizeof(float) * kNumSlots,
                              sizeof(float)});
        }
    }
    const int16_t kind = preset.processKind[module];
    if (isFilter(kind))
        fields.insert(fields.end(), {ORV_MODULE_FIELD(mainValue), ORV_MODULE_FIELD(filterQ)});
    if (isTimed(kind))
        fields.push_back(ORV_MODULE_FIELD(processTime));
    if (kind == ProcessKind::EnvFollow)
        fields.insert(fields.end(), {ORV_MODULE_FIELD(envCoefficient), ORV_MODULE_FIELD(envThreshold)});
    if (kind == ProcessKind::PitchTrack)
        fields.insert(fields.end(), {ORV_MODULE_FIELD(minLag), ORV_MODULE_FIELD(maxLag), ORV_MODULE_FIELD(trackInterval)});
    if (kind == ProcessKind::RaiseToPwr)
        fields.push_back(ORV_MODULE_FIELD(exponent));
    if (kind == ProcessKind::DcOffset)
        fields.push_back(ORV_MODULE_FIELD(dcOffset));
    if (kind == ProcessKind::PhaseShape)
        fields.push_back(ORV_MODULE_FIELD(phaseShape));
    if (kind == ProcessKind::QuantizeFrq)
        fields.push_back(ORV_MODULE_FIELD(quantizeStep));
    return fields;
}

#undef ORV_MODULE_FIELD

inline bool fieldIsZero(const ModuleField& field, const OrvPreset& preset, int module)
{
    return bytesAreZero(field.of(preset, module), field.width);
}

// A switched-off module: No Osc, No Process, No Mod with depth 0 or 1, both
// outputs on at gain 1, nothing else.
inline bool moduleIsSwitchedOff(const OrvPreset& preset, int module)
{
    OrvPreset rest = preset;
    bool switchedOff = rest.oscKind[module] == OscKind::NoOsc && rest.processKind[module] == ProcessKind::NoProcess;
    rest.oscKind[module] = 0;
    rest.processKind[module] = 0;
    for (int slot = 0; slot < kNumSlots; ++slot) {
        const float depth = rest.modDepth[module][slot];
        switchedOff = switchedOff && rest.modKind[module][slot] == ModKind::NoMod && (depth == 0.0f || depth == 1.0f);
        rest.modKind[module][slot] = 0;
        rest.modDepth[module][slot] = 0.0f;
    }
    for (int channel = 0; channel < kNumChannels; ++channel) {
        switchedOff = switchedOff && rest.outputOn[module][channel] == 1 && rest.outputGain[module][channel] == 1.0f;
        rest.outputOn[module][channel] = 0;
        rest.outputGain[module][channel] = 0.0f;
    }
    for (const ModuleField& field : kEveryModuleField)
        switchedOff = switchedOff && fieldIsZero(field, rest, module);
    return switchedOff;
}

// The text, its terminator unless it fills the field, and zeros after it.
template <size_t N>
void expectText(const char (&field)[N], const char* text)
{
    const size_t length = std::strlen(text);
    ASSERT_LE(length, N) << text;
    EXPECT_EQ(std::string(field, strnlen(field, N)), text);
    EXPECT_TRUE(bytesAreZero(field + length, N - length)) << "bytes after \"" << text << "\"";
}

inline void expectSliderRow(const OrvPreset& record, int slider, const ExpectedSlider& expected)
{
    SCOPED_TRACE(testing::Message() << "slider " << char('A' + slider));
    expectText(record.sliderCaption[slider], expected.caption);
    EXPECT_SAME_FLOAT(record.sliderMin[slider], expected.minimum);
    EXPECT_SAME_FLOAT(record.sliderMax[slider], expected.maximum);
    EXPECT_SAME_FLOAT(record.sliderCurrent[slider], expected.value);
    ASSERT_LE(expected.targets.size(), size_t(kSliderTargets));
    for (size_t place = 0; place < size_t(kSliderTargets); ++place) {
        const ExpectedTarget target = place < expected.targets.size() ? expected.targets[place] : ExpectedTarget {0, 0.0f};
        EXPECT_EQ(record.sliderTarget[slider][place], target.fieldId) << "place " << place;
        EXPECT_SAME_FLOAT(record.sliderRatio[slider][place], target.ratio) << "place " << place;
    }
}

// The record holds its program's texts, header words and slider rows; unused
// modules and sliders and every word the category does not store are zero.
inline void expectRecordMatchesProgram(const OrvPreset& record, const FactoryCategory& category, int program)
{
    const ExpectedProgram& expected = category.programs[size_t(program)];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(record.version, kPresetVersion);
    EXPECT_EQ(record.magic, kPresetMagic);
    EXPECT_EQ(record.flags, expected.flags);
    EXPECT_EQ(record.sampleRate, 44100u);
    EXPECT_EQ(record.delayLineLength, expected.delayLineLength);
    EXPECT_EQ(record.pad0 | record.pad1 | record.pad2, 0);
    // Record words, delay-time modes and the values saved before tempo sync.
    EXPECT_TRUE(bytesAreZero(&record.recordWord2280, offsetof(OrvPreset, categoryName) - offsetof(OrvPreset, recordWord2280)));
    EXPECT_TRUE(bytesAreZero(record.reserved, sizeof record.reserved));
    expectText(record.programName, expected.name);
    expectText(record.categoryName, category.name);
    expectText(record.description, expected.description);

    const auto& switchedOff = category.programsWithSwitchedOffModules;
    const bool unusedAreSwitchedOff = std::find(switchedOff.begin(), switchedOff.end(), program) != switchedOff.end();
    for (int module = 0; module < kNumModules; ++module) {
        SCOPED_TRACE(testing::Message() << "module " << module + 1);
        const bool inUse = std::strchr(expected.modulesInUse, '1' + module) != nullptr;
        EXPECT_EQ(record.inUse[module], inUse ? 1 : 0);
        if (!inUse && unusedAreSwitchedOff) {
            EXPECT_TRUE(moduleIsSwitchedOff(record, module));
            continue;
        }
        std::vector<ModuleField> zeroFields(std::begin(kEveryModuleField), std::end(kEveryModuleField));
        if (inUse) {
            zeroFields.clear();
            if (!(category.storedWords & StoredWords::RunningState))
                zeroFields.insert(zeroFields.end(), std::begin(kRunningStateFields), std::end(kRunningStateFields));
            if (!(category.storedWords & StoredWords::EditorWords))
                zeroFields.insert(zeroFields.end(), std::begin(kEditorWordFields), std::end(kEditorWordFields));
        }
        for (const ModuleField& field : zeroFields)
            EXPECT_TRUE(fieldIsZero(field, record, module)) << field.name;
    }

    ASSERT_LE(expected.sliders.size(), size_t(kNumSliders));
    for (int slider = 0; slider < kNumSliders; ++slider)
        expectSliderRow(record, slider,
                        size_t(slider) < expected.sliders.size() ? expected.sliders[size_t(slider)] : ExpectedSlider {});
}

inline std::unique_ptr<OrvPreset[]> buildCategory(const FactoryCategory& category, int first)
{
    auto bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    EXPECT_EQ(category.builder(bank.get(), first), first + int(category.programs.size()));
    return bank;
}

// The category's records built alone from index 0 of a zeroed bank: records[k] is program k.
inline std::unique_ptr<OrvPreset[]> categoryRecords(const FactoryCategory& category) { return buildCategory(category, 0); }

inline int programIndex(const FactoryCategory& category, std::string_view name)
{
    for (size_t program = 0; program < category.programs.size(); ++program) {
        if (name == category.programs[program].name)
            return int(program);
    }
    ADD_FAILURE() << "no program " << name;
    return 0;
}

// A builder run from another first index of a zeroed bank writes the same
// records there and touches nothing before or after them.
inline void expectBuilderWritesOnlyItsRecords(const FactoryCategory& category)
{
    const int count = int(category.programs.size());
    const auto atHome = buildCategory(category, category.first);
    const int moved = category.first == 3 ? 5 : 3;
    auto shifted = std::make_unique<OrvPreset[]>(kNumPrograms);
    OrvPreset neighbour;
    std::memset(static_cast<void*>(&neighbour), 0x5A, kPresetSize);
    for (int index = 0; index < kNumPrograms; ++index) {
        if (index < moved || index >= moved + count)
            shifted[index] = neighbour;
    }
    EXPECT_EQ(category.builder(shifted.get(), moved), moved + count);
    for (int index = 0; index < kNumPrograms; ++index) {
        const bool written = index >= moved && index < moved + count;
        const OrvPreset& expected = written ? atHome[category.first + index - moved] : neighbour;
        EXPECT_EQ(std::memcmp(&shifted[index], &expected, kPresetSize), 0) << "record " << index;
    }
}

// Filling the factory bank puts the category's records at their indexes,
// changed only by the bank's text pass, which keeps the used sliders' captions
// byte for byte (a degree sign stays 0xA1).
inline void expectCategoryLandsInTheFactoryBank(const FactoryCategory& category)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);
    const OrvCategory& entry = core.categories[category.categoryIndex];
    EXPECT_STREQ(entry.name, category.name);
    EXPECT_EQ(entry.firstIndex, uint32_t(category.first));
    EXPECT_EQ(entry.count, uint32_t(category.programs.size()));
    const auto built = buildCategory(category, category.first);
    for (int index = category.first; index < category.first + int(category.programs.size()); ++index) {
        OrvPreset expected = built[index];
        normaliseFactoryTexts(expected);
        EXPECT_EQ(std::memcmp(&core.bank[index], &expected, kPresetSize), 0) << "bank index " << index;
        const ExpectedProgram& program = category.programs[size_t(index - category.first)];
        for (size_t slider = 0; slider < program.sliders.size(); ++slider)
            expectText(core.bank[index].sliderCaption[slider], program.sliders[slider].caption);
    }
}

// Selects every program of the category in a started core (44100 Hz, tempo
// sync off), which writes each slider's value times its ratios into its fields,
// and names each played field, and each shown time the category keeps, that
// no longer holds what the builder stored.
inline std::vector<std::string> fieldsChangedBySelection(const FactoryCategory& category)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);
    std::vector<std::string> changed;
    for (int program = 0; program < int(category.programs.size()); ++program) {
        const OrvPreset stored = core.bank[category.first + program];
        EXPECT_TRUE(selectProgram(core, category.first + program));
        for (int module = 0; module < kNumModules; ++module) {
            if (stored.inUse[module] == 0)
                continue;
            std::vector<ModuleField> fields = fieldsPlayed(stored, module);
            if ((category.storedWords & StoredWords::ShownTimes) && isTimed(stored.processKind[module]))
                fields.push_back({"mainValue", offsetof(OrvPreset, mainValue), sizeof(float), sizeof(float)});
            for (const ModuleField& field : fields) {
                if (std::memcmp(field.of(stored, module), field.of(*core.current, module), field.width) != 0)
                    changed.push_back(std::string(category.programs[size_t(program)].name) + " module " +
                                      std::to_string(module + 1) + " " + field.name);
            }
        }
    }
    return changed;
}
