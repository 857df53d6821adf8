#include "OrvBank.h"

#include <cassert>
#include <cstring>

#include "FieldModel.h"
#include "OrvCore.h"

void initDefaultPreset(OrvPreset& preset, uint16_t flags, uint32_t sampleRate)
{
    preset = OrvPreset {};
    preset.version = kPresetVersion;
    preset.magic = kPresetMagic;
    preset.flags = flags;
    preset.sampleRate = sampleRate;
    preset.delayLineLength = 1;
    for (int m = 0; m < kNumModules; ++m) {
        preset.oscKind[m] = OscKind::NoOsc;
        preset.processKind[m] = ProcessKind::NoProcess;
        for (int j = 0; j < kNumSlots; ++j) {
            preset.modKind[m][j] = ModKind::NoMod;
            preset.modTarget[m][j] = kNoTarget;
            preset.modDepth[m][j] = 1.0f;
        }
        for (int c = 0; c < kNumChannels; ++c)
            preset.outputGain[m][c] = 1.0f;
        preset.freqMode[m] = FreqMode::Hz;
        preset.sliderFreqMode[m] = FreqMode::Hz;
        preset.note[m] = 9;
        preset.octave[m] = 4;
        preset.oscFrequency[m] = 440.0f;
        preset.envCoefficient[m] = 0.98f;
        preset.mainValue[m] = 40.0f;
        preset.filterQ[m] = 1.0f;
        preset.exponent[m] = 40.0f;
        preset.quantizeStep[m] = 1.0f;
        preset.secondValue[m] = 1.0f;
        preset.minLag[m] = 40;
        preset.maxLag[m] = 200;
        preset.trackInterval[m] = float(sampleRate) * 0.04f;
        preset.moduleWord1060[m] = 1;
        preset.delayTimeMode[m] = DelayTimeMode::Milliseconds;
        preset.savedProcessTime[m] = kNoSavedValue;
        preset.savedOscFrequency[m] = kNoSavedValue;
        preset.savedFreqMode[m] = kNoSavedMode;
        preset.savedDelayTimeMode[m] = kNoSavedMode;
    }
    preset.inUse[0] = 1;
    preset.oscKind[0] = OscKind::StereoIn;
    preset.outputOn[0][0] = 1;
    preset.outputOn[0][1] = 1;
    std::strcpy(preset.programName, "Default");
}

int addCategory(OrvCore& core, const char* name, int categoryIndex, int first, PresetBuilder builder)
{
    OrvCategory& category = core.categories[categoryIndex];
    std::strncpy(category.name, name, sizeof category.name - 1);
    category.firstIndex = uint32_t(first);
    const int next = builder(core.bank.get(), first);
    assert(next >= first && next <= kNumPrograms);
    category.count = uint32_t(next - first);
    return next;
}

namespace {

struct CategoryEntry {
    const char* name;
    PresetBuilder builder;
};

constexpr CategoryEntry kCategories[kNumCategories] = {
    {"Assorted FX", buildAssortedFxPresets},
    {"Chorus", buildChorusPresets},
    {"Delay", buildDelayPresets},
    {"Envelope Follower", buildEnvelopeFollowerPresets},
    {"Feedback", buildFeedbackPresets},
    {"Filter Effects", buildFilterEffectsPresets},
    {"Filter Utilities", buildFilterUtilitiesPresets},
    {"Flanger", buildFlangerPresets},
    {"FM", buildFmPresets},
    {"Granular", buildGranularPresets},
    {"Limiter", buildLimiterPresets},
    {"Modular Synth", buildModularSynthPresets},
    {"Multitap", buildMultitapPresets},
    {"Pan Effects", buildPanEffectsPresets},
    {"Pitch Shift", buildPitchShiftPresets},
    {"Pitch Sweep", buildPitchSweepPresets},
    {"Pitch Track", buildPitchTrackPresets},
    {"Random", buildRandomPresets},
    {"Test Tones", buildTestTonesPresets},
    {"Third Party", buildThirdPartyPresets},
    {"Tremolo", buildTremoloPresets},
    {"User Presets", buildUserPresets},
    {"Utilities", buildUtilitiesPresets},
    {"Vibrato", buildVibratoPresets},
};

// The degree sign of the factory descriptions is stored as 0xA1; the last two
// bytes of a description are left as they are.
constexpr size_t kDescriptionBytesConverted = 158;

} // namespace

void fillFactoryBank(OrvCore& core)
{
    int next = 0;
    for (int index = 0; index < kNumCategories; ++index)
        next = addCategory(core, kCategories[index].name, index, next, kCategories[index].builder);
    for (int index = next; index < kNumPrograms; ++index)
        initDefaultPreset(core.bank[index], core.flagsTemplate, uint32_t(core.sampleRate));

    for (int index = 0; index < kNumPrograms; ++index)
        normaliseFactoryTexts(core.bank[index]);
}

void normaliseFactoryTexts(OrvPreset& preset)
{
    for (int slider = 0; slider < kNumSliders; ++slider) {
        if (preset.sliderTarget[slider][0] == 0)
            preset.sliderCaption[slider][0] = 0;
    }
    for (size_t byte = 0; byte < kDescriptionBytesConverted; ++byte) {
        if (uint8_t(preset.description[byte]) == 0xA1)
            preset.description[byte] = char(0xB0);
    }
}
