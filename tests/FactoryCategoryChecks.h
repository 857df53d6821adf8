#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "plugin/OrvCore.h"
#include "presets/FactoryPresets.h"

// Checks shared by the tests of the categories from "Pitch Track" on, whose
// records carry their own delay-line length. Each category test holds a
// hand-written table of its programs' texts, modules in use and sliders; these
// helpers compare the built records with it and with the record rules every
// such factory program follows.
namespace factory_checks {

inline uint32_t bitsOf(float value) { return std::bit_cast<uint32_t>(value); }

struct SliderRow {
    const char* caption;
    float min;
    float max;
    float value;
    std::vector<uint16_t> fieldIds;
};

struct ProgramTable {
    const char* name;
    const char* description;
    uint32_t delayLineLength;
    std::vector<int> modulesInUse;
    std::vector<SliderRow> sliders;
};

struct CategoryTable {
    const char* name;
    int categoryIndex;
    int first;
    PresetBuilder builder;
    std::vector<ProgramTable> programs;
};

// One value of a module, by its place in the record.
struct ModuleValue {
    std::string name;
    size_t offset;
    size_t size;
};

template <typename Value>
ModuleValue moduleValue(const OrvPreset& preset, const char* name, int module, const Value& value)
{
    const auto offset = size_t(reinterpret_cast<const char*>(&value) - reinterpret_cast<const char*>(&preset));
    return {"module " + std::to_string(module) + " " + name, offset, sizeof value};
}

inline bool isOscillator(int16_t kind)
{
    return kind == OscKind::Sine || kind == OscKind::Triangle || kind == OscKind::Square || kind == OscKind::Saw ||
           kind == OscKind::SineLfo;
}

// The values that a module's source, process and slot kinds read while it plays.
inline std::vector<ModuleValue> valuesTheKindsRead(const OrvPreset& p, int m)
{
    std::vector<ModuleValue> values;
    if (isOscillator(p.oscKind[m])) {
        values.push_back(moduleValue(p, "frequency", m, p.oscFrequency[m]));
        values.push_back(moduleValue(p, "phase or depth", m, p.phaseOrLfoDepth[m]));
    }
    switch (p.processKind[m]) {
    case ProcessKind::EnvFollow:
        values.push_back(moduleValue(p, "coefficient", m, p.envCoefficient[m]));
        values.push_back(moduleValue(p, "threshold", m, p.envThreshold[m]));
        values.push_back(moduleValue(p, "time", m, p.processTime[m]));
        break;
    case ProcessKind::PitchTrack:
        values.push_back(moduleValue(p, "maximum lag", m, p.maxLag[m]));
        values.push_back(moduleValue(p, "minimum lag", m, p.minLag[m]));
        values.push_back(moduleValue(p, "interval", m, p.trackInterval[m]));
        break;
    case ProcessKind::QuantizeFrq:
        values.push_back(moduleValue(p, "step", m, p.quantizeStep[m]));
        break;
    case ProcessKind::DcOffset:
        values.push_back(moduleValue(p, "offset", m, p.dcOffset[m]));
        break;
    case ProcessKind::PhaseShape:
        values.push_back(moduleValue(p, "shape", m, p.phaseShape[m]));
        break;
    case ProcessKind::RaiseToPwr:
        values.push_back(moduleValue(p, "exponent", m, p.exponent[m]));
        break;
    case ProcessKind::Delay:
    case ProcessKind::SampHold:
        values.push_back(moduleValue(p, "time", m, p.processTime[m]));
        break;
    case ProcessKind::LowPass:
    case ProcessKind::HighPass:
    case ProcessKind::BandPass:
        values.push_back(moduleValue(p, "cutoff", m, p.mainValue[m]));
        values.push_back(moduleValue(p, "Q", m, p.filterQ[m]));
        break;
    default:
        break;
    }
    for (int j = 0; j < kNumSlots; ++j) {
        if (p.modKind[m][j] != ModKind::NoMod)
            values.push_back(moduleValue(p, j == 0 ? "slot A depth" : "slot B depth", m, p.modDepth[m][j]));
    }
    values.push_back(moduleValue(p, "left gain", m, p.outputGain[m][0]));
    values.push_back(moduleValue(p, "right gain", m, p.outputGain[m][1]));
    return values;
}

template <size_t Size>
void eraseText(char (&field)[Size])
{
    std::memset(field, 0, strnlen(field, Size));
}

template <typename Value>
void eraseValue(Value& value)
{
    std::memset(&value, 0, sizeof value);
}

// Clears every value a program lists (header, texts, module rows, slider rows);
// what is left must be zero.
// Text bytes are cleared up to their terminator only, so padding stays checked.
inline void eraseListedValues(OrvPreset& p)
{
    p.version = 0;
    p.magic = 0;
    p.flags = 0;
    p.sampleRate = 0;
    p.delayLineLength = 0;
    eraseText(p.description);
    eraseText(p.categoryName);
    eraseText(p.programName);
    for (int m = 0; m < kNumModules; ++m) {
        if (p.inUse[m] != 1)
            continue;
        for (const ModuleValue& value : valuesTheKindsRead(p, m))
            std::memset(reinterpret_cast<char*>(&p) + value.offset, 0, value.size);
        if (isOscillator(p.oscKind[m])) {
            p.freqMode[m] = 0;
            p.sliderFreqMode[m] = 0;
            p.note[m] = 0;
            p.octave[m] = 0;
        }
        for (int j = 0; j < kNumSlots; ++j) {
            if (p.modKind[m][j] != ModKind::NoMod)
                p.modTarget[m][j] = 0;
            p.modKind[m][j] = 0;
        }
        p.outputOn[m][0] = 0;
        p.outputOn[m][1] = 0;
        p.inUse[m] = 0;
        p.oscKind[m] = 0;
        p.processKind[m] = 0;
    }
    for (int i = 0; i < kNumSliders; ++i) {
        if (p.sliderTarget[i][0] == 0)
            continue;
        eraseValue(p.sliderMin[i]);
        eraseValue(p.sliderMax[i]);
        eraseValue(p.sliderCurrent[i]);
        eraseText(p.sliderCaption[i]);
        eraseValue(p.sliderTarget[i]);
        eraseValue(p.sliderRatio[i]);
    }
}

template <size_t Size>
void expectText(const char (&field)[Size], const char* text, const char* what)
{
    const size_t length = std::strlen(text);
    ASSERT_LE(length, Size) << what;
    EXPECT_EQ(std::string(field, strnlen(field, Size)), std::string(text)) << what;
}

inline int moduleOfFieldId(uint16_t id) { return (id - 9) / 30; }

// The record holds what its table lists and nothing else.
inline void expectRecordMatchesTable(const OrvPreset& record, const ProgramTable& table, const char* category)
{
    SCOPED_TRACE(table.name);
    EXPECT_EQ(record.version, kPresetVersion);
    EXPECT_EQ(record.magic, kPresetMagic);
    EXPECT_EQ(record.flags, 0x0302);
    EXPECT_EQ(record.sampleRate, 44100u);
    EXPECT_EQ(record.delayLineLength, table.delayLineLength);
    expectText(record.programName, table.name, "program name");
    expectText(record.categoryName, category, "category name");
    expectText(record.description, table.description, "description");

    for (int m = 0; m < kNumModules; ++m) {
        const auto& listed = table.modulesInUse;
        const bool inUse = std::find(listed.begin(), listed.end(), m) != listed.end();
        EXPECT_EQ(record.inUse[m], inUse ? 1 : 0) << "module " << m;
    }

    for (int i = 0; i < kNumSliders; ++i) {
        SCOPED_TRACE("slider " + std::to_string(i));
        if (i >= int(table.sliders.size())) {
            EXPECT_EQ(record.sliderTarget[i][0], 0);
            continue;
        }
        const SliderRow& slider = table.sliders[size_t(i)];
        expectText(record.sliderCaption[i], slider.caption, "caption");
        EXPECT_EQ(bitsOf(record.sliderMin[i]), bitsOf(slider.min));
        EXPECT_EQ(bitsOf(record.sliderMax[i]), bitsOf(slider.max));
        EXPECT_EQ(bitsOf(record.sliderCurrent[i]), bitsOf(slider.value));
        EXPECT_TRUE(record.sliderMin[i] <= record.sliderCurrent[i] && record.sliderCurrent[i] <= record.sliderMax[i]);
        std::vector<uint16_t> ids(std::begin(record.sliderTarget[i]), std::end(record.sliderTarget[i]));
        std::vector<uint16_t> expectedIds = slider.fieldIds;
        expectedIds.resize(kSliderTargets, 0);
        EXPECT_EQ(ids, expectedIds);
    }

    OrvPreset rest = record;
    eraseListedValues(rest);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&rest);
    for (size_t byte = 0; byte < sizeof rest; ++byte)
        EXPECT_EQ(bytes[byte], 0) << "byte " << byte << " holds a value the program does not list";
}

// Every field id of every used slider addresses a module in use, except in `unusedModule`.
inline void expectSlidersDriveModulesInUse(const OrvPreset& record, int unusedModule = -1)
{
    SCOPED_TRACE(record.programName);
    for (int i = 0; i < kNumSliders; ++i) {
        for (int k = 0; k < kSliderTargets && record.sliderTarget[i][k] != 0; ++k) {
            const int module = moduleOfFieldId(record.sliderTarget[i][k]);
            if (module != unusedModule) {
                EXPECT_EQ(record.inUse[module], 1) << "slider " << i << " field " << k;
            }
        }
    }
}

inline std::unique_ptr<OrvPreset[]> buildCategory(const CategoryTable& category)
{
    auto bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    category.builder(bank.get(), category.first);
    return bank;
}

inline void expectCategoryMatchesTables(const CategoryTable& category)
{
    const auto bank = buildCategory(category);
    for (size_t k = 0; k < category.programs.size(); ++k)
        expectRecordMatchesTable(bank[category.first + int(k)], category.programs[k], category.name);
}

// The builder writes exactly its own records, the same wherever it starts.
inline void expectBuilderWritesOnlyItsRecords(const CategoryTable& category)
{
    const int count = int(category.programs.size());
    const int last = category.first + count - 1;
    OrvPreset sentinel;
    std::memset(&sentinel, 0x5A, sizeof sentinel);
    auto bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    bank[category.first - 1] = sentinel;
    bank[last + 1] = sentinel;
    EXPECT_EQ(category.builder(bank.get(), category.first), last + 1);

    const OrvPreset blank {};
    for (int index = 0; index < kNumPrograms; ++index) {
        if (index >= category.first && index <= last)
            continue;
        const OrvPreset& expected = (index == category.first - 1 || index == last + 1) ? sentinel : blank;
        EXPECT_EQ(std::memcmp(&bank[index], &expected, kPresetSize), 0) << "record " << index;
    }

    auto moved = std::make_unique<OrvPreset[]>(kNumPrograms);
    EXPECT_EQ(category.builder(moved.get(), 3), 3 + count);
    for (int k = 0; k < count; ++k)
        EXPECT_EQ(std::memcmp(&moved[3 + k], &bank[category.first + k], kPresetSize), 0) << "record " << k;
}

// Filling the factory bank puts the category's records at their indexes,
// changed only by the bank's text pass.
inline void expectCategoryLandsInTheFactoryBank(const CategoryTable& category)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);
    const OrvCategory& entry = core.categories[category.categoryIndex];
    EXPECT_STREQ(entry.name, category.name);
    EXPECT_EQ(entry.firstIndex, uint32_t(category.first));
    EXPECT_EQ(entry.count, uint32_t(category.programs.size()));

    const auto built = buildCategory(category);
    for (size_t k = 0; k < category.programs.size(); ++k) {
        const int index = category.first + int(k);
        OrvPreset expected = built[index];
        normaliseFactoryTexts(expected);
        EXPECT_STREQ(core.bank[index].programName, category.programs[k].name);
        EXPECT_EQ(std::memcmp(&core.bank[index], &expected, kPresetSize), 0) << "record " << index;
    }
}

// The delay-line length each program of the category holds once selected.
inline std::vector<uint32_t> delayLineLengthsOnceSelected(const CategoryTable& category)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);
    std::vector<uint32_t> lengths;
    for (size_t k = 0; k < category.programs.size(); ++k) {
        EXPECT_TRUE(selectProgram(core, category.first + int(k)));
        lengths.push_back(core.current->delayLineLength);
    }
    return lengths;
}

inline std::vector<uint32_t> storedDelayLineLengths(const CategoryTable& category)
{
    std::vector<uint32_t> lengths;
    for (const ProgramTable& program : category.programs)
        lengths.push_back(program.delayLineLength);
    return lengths;
}

// Selects every program of the category (tempo sync off, 44100 Hz), which
// writes each slider's value times its ratios into its fields, and names each
// value read by a module's kinds that the selection changed.
inline std::vector<std::string> valuesTheSlidersChange(const CategoryTable& category)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);
    std::vector<std::string> changed;
    for (size_t k = 0; k < category.programs.size(); ++k) {
        const int index = category.first + int(k);
        const OrvPreset stored = core.bank[index];
        EXPECT_TRUE(selectProgram(core, index));
        const auto* before = reinterpret_cast<const char*>(&stored);
        const auto* after = reinterpret_cast<const char*>(core.current);
        for (int m = 0; m < kNumModules; ++m) {
            if (stored.inUse[m] != 1)
                continue;
            for (const ModuleValue& value : valuesTheKindsRead(stored, m)) {
                if (std::memcmp(before + value.offset, after + value.offset, value.size) != 0)
                    changed.push_back("record " + std::to_string(k) + " " + value.name);
            }
        }
    }
    return changed;
}

} // namespace factory_checks
