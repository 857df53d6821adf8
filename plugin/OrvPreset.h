#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

constexpr int kNumModules = 8;
constexpr int kNumChannels = 2;
constexpr int kNumSlots = 2;
constexpr int kNumSliders = 7;
constexpr int kSliderTargets = 16;
constexpr int kNumPrograms = 354;
constexpr int kNumCategories = 24;
constexpr int kPresetSize = 2500;

constexpr uint16_t kPresetVersion = 10;
constexpr uint32_t kPresetMagic = 314159265;
constexpr uint16_t kPluginFlags = 0x0300;
constexpr uint16_t kFlagTwoLinesPerModule = 0x0100;
constexpr int16_t kNoTarget = 8;
constexpr float kNoSavedValue = -1.0f;
constexpr uint16_t kNoSavedMode = 65535;

// Kind codes are the 1-based positions in the editor's menus, separators counted.
namespace OscKind {
enum : int16_t {
    NoOsc = 1, LeftIn = 3, RightIn = 4, LeftRightIn = 5, StereoIn = 6,
    Sine = 8, Triangle = 9, Square = 10, Saw = 11, Noise = 12, SineLfo = 14,
};
}

namespace ProcessKind {
enum : int16_t {
    NoProcess = 1, EnvFollow = 3, PitchTrack = 4, QuantizeFrq = 5, DcOffset = 7,
    PhaseShape = 8, RaiseToPwr = 9, Delay = 11, SampHold = 12,
    LowPass = 14, HighPass = 15, BandPass = 16,
};
}

namespace ModKind {
enum : uint16_t {
    NoMod = 1, AmplMod = 3, RingMod = 4, Mix = 5, PanMod = 6, FreqMod = 8,
    DelayMod = 9, SampHoldMod = 10, PhaseMod = 12, PowerMod = 13,
    FilterFrq = 15, FilterQ = 16, ModAMod = 18, ModBMod = 19,
};
}

// Frequency-unit words (freqMode, sliderFreqMode).
namespace FreqMode {
enum : uint16_t { Hz = 1, Tempo = 2, Bpm = 3, TempoMultiple = 4 };
}

// Delay-time unit words.
namespace DelayTimeMode {
enum : uint16_t { Milliseconds = 1, Tempo = 2 };
}

// One program: 2500 bytes, a structure of arrays over 8 modules and 7 sliders.
// Indexes: [module][channel], [module][slot], [slider][target].
// Every member is naturally aligned and every gap is an explicit pad, so the
// struct has no implicit padding and its layout is the chunk's layout.
struct OrvPreset {
    uint16_t version;
    uint16_t pad0;
    uint32_t magic;
    uint16_t flags;
    uint16_t pad1;
    uint32_t sampleRate;                         // rate the sample-based values are scaled for
    float oscPhase[kNumModules][kNumChannels];   // radians, running state
    float outputGain[kNumModules][kNumChannels]; // factor, shown in percent
    uint16_t outputOn[kNumModules][kNumChannels];
    float dcOffset[kNumModules];
    int16_t modTarget[kNumModules][kNumSlots]; // module index, 8 = none
    float envCoefficient[kNumModules];
    float envThreshold[kNumModules];
    uint16_t freqMode[kNumModules]; // unit the frequency is shown in
    float mainValue[kNumModules];   // filter cutoff in Hz, else the source of derived fields
    float filterQ[kNumModules];
    float oscFrequency[kNumModules];   // Hz
    float phaseOrLfoDepth[kNumModules]; // initial phase in radians; depth fraction for Sine LFO
    uint32_t delayLineLength;          // samples per line
    uint16_t modKind[kNumModules][kNumSlots];
    float modDepth[kNumModules][kNumSlots];
    uint16_t note[kNumModules]; // 0..11 = C..B
    uint16_t pendingAmplMod[kNumModules][kNumChannels];
    uint16_t pendingTrackedFilterFrq[kNumModules][kNumChannels];
    uint16_t pendingTrackedFreqMod[kNumModules][kNumChannels];
    float secondValue[kNumModules];
    int16_t octave[kNumModules];
    uint16_t inUse[kNumModules];
    float phaseShape[kNumModules];
    float lastPitch[kNumModules][kNumChannels]; // Hz, running state
    int32_t minLag[kNumModules];                // samples
    float trackInterval[kNumModules];           // samples between pitch detections
    int32_t maxLag[kNumModules];                // samples
    float exponent[kNumModules];
    int16_t processKind[kNumModules];
    float quantizeStep[kNumModules]; // semitones
    float processTime[kNumModules];  // samples
    int16_t oscKind[kNumModules];
    uint16_t moduleWord1044[kNumModules];
    uint16_t moduleWord1060[kNumModules]; // shown by the editor as column 4
    uint16_t moduleWord1076[kNumModules];
    uint16_t channelWord[kNumModules][kNumChannels];
    uint16_t sliderFreqMode[kNumModules]; // unit a slider's frequency value is given in
    uint16_t sliderTarget[kNumSliders][kSliderTargets]; // field ids, 0 ends the list
    float sliderMin[kNumSliders];
    float sliderMax[kNumSliders];
    float sliderCurrent[kNumSliders];
    char sliderCaption[kNumSliders][32]; // "name unit"
    char description[160];
    float sliderRatio[kNumSliders][kSliderTargets];
    uint16_t recordWord2280;
    uint16_t pad2;
    uint32_t recordWord2284;
    uint32_t recordWord2288;
    uint16_t delayTimeMode[kNumModules];
    float savedProcessTime[kNumModules];   // before tempo sync, -1 = none
    float savedOscFrequency[kNumModules];  // before tempo sync, -1 = none
    uint16_t savedFreqMode[kNumModules];   // 65535 = none
    uint16_t savedDelayTimeMode[kNumModules];
    char categoryName[32];
    char programName[32];
    char reserved[32]; // always zero
};

static_assert(sizeof(OrvPreset) == kPresetSize);
static_assert(std::is_standard_layout_v<OrvPreset> && std::is_trivially_copyable_v<OrvPreset>);
static_assert(offsetof(OrvPreset, magic) == 4);
static_assert(offsetof(OrvPreset, flags) == 8);
static_assert(offsetof(OrvPreset, sampleRate) == 12);
static_assert(offsetof(OrvPreset, oscPhase) == 16);
static_assert(offsetof(OrvPreset, outputGain) == 80);
static_assert(offsetof(OrvPreset, outputOn) == 144);
static_assert(offsetof(OrvPreset, dcOffset) == 176);
static_assert(offsetof(OrvPreset, modTarget) == 208);
static_assert(offsetof(OrvPreset, envCoefficient) == 240);
static_assert(offsetof(OrvPreset, envThreshold) == 272);
static_assert(offsetof(OrvPreset, freqMode) == 304);
static_assert(offsetof(OrvPreset, mainValue) == 320);
static_assert(offsetof(OrvPreset, filterQ) == 352);
static_assert(offsetof(OrvPreset, oscFrequency) == 384);
static_assert(offsetof(OrvPreset, phaseOrLfoDepth) == 416);
static_assert(offsetof(OrvPreset, delayLineLength) == 448);
static_assert(offsetof(OrvPreset, modKind) == 452);
static_assert(offsetof(OrvPreset, modDepth) == 484);
static_assert(offsetof(OrvPreset, note) == 548);
static_assert(offsetof(OrvPreset, pendingAmplMod) == 564);
static_assert(offsetof(OrvPreset, pendingTrackedFilterFrq) == 596);
static_assert(offsetof(OrvPreset, pendingTrackedFreqMod) == 628);
static_assert(offsetof(OrvPreset, secondValue) == 660);
static_assert(offsetof(OrvPreset, octave) == 692);
static_assert(offsetof(OrvPreset, inUse) == 708);
static_assert(offsetof(OrvPreset, phaseShape) == 724);
static_assert(offsetof(OrvPreset, lastPitch) == 756);
static_assert(offsetof(OrvPreset, minLag) == 820);
static_assert(offsetof(OrvPreset, trackInterval) == 852);
static_assert(offsetof(OrvPreset, maxLag) == 884);
static_assert(offsetof(OrvPreset, exponent) == 916);
static_assert(offsetof(OrvPreset, processKind) == 948);
static_assert(offsetof(OrvPreset, quantizeStep) == 964);
static_assert(offsetof(OrvPreset, processTime) == 996);
static_assert(offsetof(OrvPreset, oscKind) == 1028);
static_assert(offsetof(OrvPreset, moduleWord1044) == 1044);
static_assert(offsetof(OrvPreset, moduleWord1060) == 1060);
static_assert(offsetof(OrvPreset, moduleWord1076) == 1076);
static_assert(offsetof(OrvPreset, channelWord) == 1092);
static_assert(offsetof(OrvPreset, sliderFreqMode) == 1124);
static_assert(offsetof(OrvPreset, sliderTarget) == 1140);
static_assert(offsetof(OrvPreset, sliderMin) == 1364);
static_assert(offsetof(OrvPreset, sliderMax) == 1392);
static_assert(offsetof(OrvPreset, sliderCurrent) == 1420);
static_assert(offsetof(OrvPreset, sliderCaption) == 1448);
static_assert(offsetof(OrvPreset, description) == 1672);
static_assert(offsetof(OrvPreset, sliderRatio) == 1832);
static_assert(offsetof(OrvPreset, recordWord2280) == 2280);
static_assert(offsetof(OrvPreset, recordWord2284) == 2284);
static_assert(offsetof(OrvPreset, recordWord2288) == 2288);
static_assert(offsetof(OrvPreset, delayTimeMode) == 2292);
static_assert(offsetof(OrvPreset, savedProcessTime) == 2308);
static_assert(offsetof(OrvPreset, savedOscFrequency) == 2340);
static_assert(offsetof(OrvPreset, savedFreqMode) == 2372);
static_assert(offsetof(OrvPreset, savedDelayTimeMode) == 2388);
static_assert(offsetof(OrvPreset, categoryName) == 2404);
static_assert(offsetof(OrvPreset, programName) == 2436);
static_assert(offsetof(OrvPreset, reserved) == 2468);

// Big-endian (chunk) form of one record, field by field; text bytes are kept.
void presetToBigEndian(const OrvPreset& preset, uint8_t out[kPresetSize]);
void presetFromBigEndian(const uint8_t in[kPresetSize], OrvPreset& preset);
