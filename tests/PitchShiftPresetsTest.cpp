#include "PitchProgramChecks.h"
#include "presets/FactoryPresets.h"

namespace {

constexpr int kFirst = 214;
constexpr int kCount = 22;

constexpr unsigned kTwoVoices = 0xFF; // modules 0..7
constexpr unsigned kSweptFeedback = 0x87; // modules 0, 1, 2, 7
constexpr unsigned kThreeDelays = 0x17; // modules 0, 1, 2, 4
constexpr unsigned kCrossedChannels = 0xB3; // modules 0, 1, 4, 5, 7

const PitchProgram kPrograms[kCount] = {
    {"Alternate Octaves", 262144,
     "Up & down pitch shifts with deglitching.  LFO Mod Rate and Delay Mod Depth parameters adjust pitch.",
     kTwoVoices,
     {{"LFO Mod Rate hz", 0.5f, 10, 2, {16, 136, 106, 226}},
      {"DelayMod Depth", -100, 0, -100, {26, 146}},
      {"Output Volume", 0, 300, 140, {93, 94, 213, 214}}}},
    {"Alternating SharpFlat", 262144, "Cross-fades between upward and downward pitch shifts.", kTwoVoices,
     {{"LFO Freq Hz", 0, 20, 0.99999994f, {16, 136, 106, 226}},
      {"Pitch Mod Depth %", 0, 100, 40, {26, 146}},
      {"Delay Time ms.", 1, 100, 40, {51, 171}},
      {"Output Volume", 0, 300, 130, {93, 94, 213, 214}}}},
    {"Fear", 131072,
     "Pitch shift down, with deglitching.  LFO Mod Rate and Delay Mod Depth parameters adjust pitch.", kTwoVoices,
     {{"LFO Mod Rate hz", 0.5f, 10, 5, {16, 136, 106, 226}},
      {"DelayMod Depth", 0, 35, 30, {26, 146}},
      {"Output Volume", 0, 300, 140, {93, 94, 213, 214}}}},
    {"MultiVox", 524288,
     "This uses a triangle-wave LFO to modulate a delay (with feedback), making the delay alternately run at higher "
     "and lower than the original pitch.",
     kSweptFeedback,
     {{"LFO Freq hz", 0.3f, 2, 1, {16}},
      {"DelayMod Depth", 0, 100, 20, {26}},
      {"Delay Time ms", 0, 250, 140, {81}},
      {"Feed- Forward", 0, 120, 100, {56}},
      {"Feedback", -70, 0, -49.98f, {86}},
      {"Wet Mix", 0, 450, 225, {63, 64, 93, 94}},
      {"Dry Mix", 0, 450, 0, {243, 244}}}},
    {"MultiVox 2", 524288,
     "Another MultiVox effect. The triangle-wave-modulated pitch shifts get trapped in the feedback loop until the "
     "shift changes direction.",
     kSweptFeedback,
     {{"LFO Freq hz", 0.2f, 2, 0.5f, {16}},
      {"DelayMod Depth", 0, 100, 30.4f, {26}},
      {"Delay Time ms", 0, 250, 89.299995f, {81}},
      {"Feed- Forward", 0, 150, 144.6f, {56}},
      {"Feedback", -100, 0, -78.2f, {86}},
      {"Wet Mix", 0, 750, 210, {63, 64, 93, 94}},
      {"Dry Mix", 0, 375, 0, {243, 244}}}},
    {"MultiVox 3", 524288, "Another MultiVox effect, with wider pitch shifts.", kSweptFeedback,
     {{"LFO Freq hz", 0.3f, 3, 1.0999999f, {16}},
      {"DelayMod Depth", 0, 100, 35.399998f, {26}},
      {"Delay Time ms", 0, 250, 106.399994f, {81}},
      {"Feed- Forward", 0, 140, 125, {56}},
      {"Feedback", -80, 0, -75, {86}},
      {"Wet Mix", 0, 450, 225, {63, 64, 93, 94}},
      {"Dry Mix", 0, 300, 0, {243, 244}}}},
    {"MultiVox 4", 524288, "MultiVox effect using triangle wave and feedback.", kSweptFeedback,
     {{"LFO Freq hz", 0.3f, 2, 0.7f, {16}},
      {"DelayMod Depth", 0, 200, 100, {26}},
      {"Delay Time ms", 0, 500, 129.5f, {81}},
      {"Feed- Forward", 0, 70, 53.2f, {56}},
      {"Feedback", 0, 120, 102.3f, {86}},
      {"Wet Mix", 0, 450, 225, {63, 64, 93, 94}},
      {"Dry Mix", 0, 300, 0, {243, 244}}}},
    {"Munchkin Chorus", 65536,
     "Grungy extreme detune. The pos and neg Mod Depth controls adjust pitch. The Delay Time parameter also effects "
     "pitch, as does the LFO Mod Rate.",
     kThreeDelays,
     {{"LFO Mod Rate hz", 0.3f, 10, 2, {16}},
      {"Pos ModDepth", 0, 100, 25, {26}},
      {"Neg ModDepth", -100, 0, -25, {29}},
      {"Delay Time ms", 0, 500, 200, {51, 81}},
      {"Wet Mix", 0, 200, 80, {63, 64, 93, 94}},
      {"Dry Mix", 0, 200, 80, {153, 154}}}},
    {"Phattener", 65536,
     "Stereo detuning, with the pitch shift deglitched by using a sine wave to cross-pan the outputs. Pitch Shift "
     "controls depth.",
     kTwoVoices,
     {{"Xfade Rate hz", 0.2f, 4, 2, {16, 136, 106}},
      {"Pitch Shift", 0, 3, 1, {26, 146}},
      {"Output Volume", 0, 150, 65, {243, 94, 214}}}},
    {"Pitch +/-100 cents", 131072,
     "Pitch shift, approx. +/- 100 cents. Use slider A to adjust pitch.  (Pitch Shift = 1 - 2 x delay time (Sec.) x "
     "LFO rate x interval (cents) / 100)",
     kTwoVoices,
     {{"PitchShft Cents", -100, 100, 100, {26, 146}},
      {"LFO Rate", -4, -0.5f, -2, {16, 136, 106, 226}},
      {"Delay Time ms", 0, 30, 14.9f, {51, 171}},
      {"Output Volume", 0, 250, 140, {93, 94, 213, 214}}}},
    {"Pitch 0 <-> +1 octave", 131072,
     "Pitch shift, +1 octave maximum. Use slider C to adjust pitch.  (Pitch Shift = 1 - 2 x delay time (Sec.) x LFO "
     "rate x interval (cents) / 100)",
     kTwoVoices,
     {{"DelayMod Depth", -200, 0, -100, {26, 146}},
      {"LFO Rate", 0.5f, 8, 4.2f, {16, 136, 106, 226}},
      {"Shift 120=oct", 0, 120, 60, {51, 171}},
      {"Output Volume", 0, 250, 130, {93, 94, 213, 214}}}},
    {"Pitch 0 <-> -1 octave", 131072,
     "Pitch shift, -1 octave maximum. Use slider C to adjust pitch. (120 = 1 octave down) (Pitch Shift = 1 - 2 x "
     "delay time (Sec.) x LFO rate x interval (cents) / 100",
     kTwoVoices,
     {{"DelayMod Depth", 0, 100, 50, {26, 146}},
      {"LFO Rate", 0.5f, 8, 4.2f, {16, 136, 106, 226}},
      {"Shift 120=oct", 0, 120, 120, {51, 171}},
      {"Output Volume", 0, 280, 140, {93, 94, 213, 214}}}},
    {"PitchShift Down", 262144,
     "Pitch shift down, with deglitching.  LFO Mod Rate and Delay Mod Depth parameters adjust pitch.", kTwoVoices,
     {{"LFO Mod Rate hz", 0.2f, 10, 5, {16, 136, 106, 226}},
      {"DelayMod Depth", 0, 100, 60.000004f, {26, 146}},
      {"Output Volume", 0, 280, 140, {93, 94, 213, 214}}}},
    {"PitchShift Up", 262144,
     "Pitch shift up, with deglitching. LFO Mod Rate and Delay Mod Depth parameters adjust pitch.", kTwoVoices,
     {{"LFO Mod Rate hz", 0.2f, 10, 1.9999998f, {16, 136, 106, 226}},
      {"DelayMod Depth", -100, 0, -39.999996f, {26, 146}},
      {"Output Volume", 0, 280, 140, {93, 94, 213, 214}}}},
    {"PitchShift +/- 1 octave", 262144, "Pitch shift up or down 1 octave, with cross-fade de-glitching.", kTwoVoices,
     {{"LFO Mod Rate hz", 0.2f, 10, 4.0000005f, {16, 136, 106, 226}},
      {"Pitch Control", -100, 50, 50, {26, 146}},
      {"Output Volume", 0, 280, 140, {93, 94, 213, 214}}}},
    {"Stereo Pan/Detune", 131072, "Channels are detuned and cross-faded left and right. Slight flanging effect.",
     kCrossedChannels,
     {{"LFO Freq Hz", 0.1f, 2, 0.49999997f, {16, 136}},
      {"PitchMod Depth", 0, 100, 25, {26, 146}},
      {"PanMod Depth", 0, 200, 100, {29, 149}},
      {"Delay Time ms", 0, 10, 10, {51, 171, 231}},
      {"Wet Mix", 0, 420, 210, {63, 64, 183, 184}},
      {"Delayed Dry Mix", 0, 420, 0, {243, 244}}}},
    {"Stereo Pan/Detune 2", 131072,
     "Channels are detuned and cross-faded left and right. Slight flanging effect. Like Stereo Pan/Detune, but using "
     "a Sine wave.",
     kCrossedChannels,
     {{"LFO Rate Hz", 0.1f, 1, 0.5f, {16, 136}},
      {"PitchMod Depth", 0, 100, 50, {26, 146}},
      {"PanMod Depth", 0, 200, 100, {29, 149}},
      {"Delay Time ms", 0, 5, 2.5f, {51, 171, 231}},
      {"Wet Mix", 0, 420, 210, {63, 64, 183, 184}},
      {"Dry Mix", 0, 420, 0, {243, 244}}}},
    {"SubOctave Generator", 131072,
     "Left channel is the original; right channel is an octave lower.  Deglitched by using a sine wave to cross-pan "
     "the outputs.",
     kTwoVoices,
     {{"Xfade Rate hz", 0.1f, 4, 3, {16, 136, 106}},
      {"Pitch Shift", 0, 83.399994f, 41.699997f, {26, 146}},
      {"SubOct (R) Mix", 0, 400, 215.00002f, {94, 214}},
      {"Dry (L) Mix", 0, 400, 70, {243}}}},
    {"Thick Detune", 131072,
     "Detune for thickening instrumentals. The pos and neg mod depth controls adjust pitch by making the sawtooth "
     "delay chase ahead/behind real time.",
     kThreeDelays,
     {{"LFO Mod Rate hz", 0.1f, 1, 0.5f, {16}},
      {"Pos Mod Depth", 0, 200, 80, {26}},
      {"Neg Mod Depth", -200, 0, -80, {29}},
      {"Delay Time ms", 0, 30, 15, {51, 81}},
      {"Wet Mix", 0, 150, 85, {63, 64, 93, 94}},
      {"Dry Mix", 0, 150, 85, {153, 154}}}},
    {"Twelve-String", 65536,
     "For acoustic guitar: adds a rapidly-plucked note an octave up.  The LFO Freq, LFO Mod Depth and Delay "
     "parameters affect pitch.",
     kThreeDelays,
     {{"LFO Freq hz", 1, 20, 8, {16}},
      {"LFO Mod Depth", -100, 0, -25, {26, 29}},
      {"Delay 1 ms", 0, 500, 249, {51}},
      {"Delay 2 ms", 0, 500, 251, {81}},
      {"Wet Mix", 0, 200, 80, {63, 64, 93, 94}},
      {"Dry Mix", 0, 200, 80, {153, 154}}}},
    {"Twelve-String 2", 65536,
     "Left channel is the original; right channel is an octave higher. Deglitched by using a sine wave to cross-pan "
     "the outputs.",
     kTwoVoices,
     {{"Xfade Rate hz", 0.1f, 4, 3, {16, 136, 106}},
      {"Pitch Shift", -100, 0, -83.299995f, {26, 146}},
      {"Output Volume", 0, 200, 70, {243, 94, 214}}}},
    {"Voice Disguiser", 262144, "Shift voice up or down in pitch. Raising slider 2 lowers pitch.", kTwoVoices,
     {{"LFO Mod Rate hz", 0.2f, 10, 6.0000005f, {16, 136, 106, 226}},
      {"Pitch Control", -64, 96, 96, {26, 146}},
      {"Output Volume", 0, 280, 140, {93, 94, 213, 214}}}},
};

struct PitchShiftPresets : testing::Test {
    std::unique_ptr<OrvPreset[]> records = std::make_unique<OrvPreset[]>(kCount);
    void SetUp() override { ASSERT_EQ(buildPitchShiftPresets(records.get(), 0), kCount); }
    const OrvPreset& program(std::string_view name) const
    {
        for (int k = 0; k < kCount; ++k) {
            if (name == records[k].programName)
                return records[k];
        }
        ADD_FAILURE() << "no program " << name;
        return records[0];
    }
};

} // namespace

TEST_F(PitchShiftPresets, EveryRecordHoldsItsProgram)
{
    for (int k = 0; k < kCount; ++k) {
        expectPitchRecord(records[k], kPrograms[k], "Pitch Shift");
    }
}

TEST_F(PitchShiftPresets, SlidersAgreeWithTheirFields) { expectSlidersReproduceStoredFields(buildPitchShiftPresets, kCount); }

TEST_F(PitchShiftPresets, BuilderWritesOnlyItsRecordsAndTheBankHoldsThem)
{
    expectBuilderIsRelocatable(buildPitchShiftPresets, kCount);
    expectBankHoldsCategory(buildPitchShiftPresets, kFirst, kCount);
}

TEST_F(PitchShiftPresets, FullDescriptionHasNoTerminatorAndStopsAtItsField)
{
    const OrvPreset& preset = program("Pitch 0 <-> -1 octave");
    EXPECT_EQ(strnlen(preset.description, sizeof preset.description), sizeof preset.description);
    EXPECT_EQ(std::string_view(preset.description + 155, 5), "/ 100");
    EXPECT_EQ(bitsOf(preset.sliderRatio[0][0]), 0x3F800000u);
}

TEST_F(PitchShiftPresets, TwoVoiceLayoutHalfACycleApart)
{
    const OrvPreset& preset = program("Alternate Octaves");
    const int16_t sources[kNumModules] = {OscKind::Saw, OscKind::StereoIn, OscKind::NoOsc, OscKind::Sine,
                                          OscKind::Saw, OscKind::StereoIn, OscKind::NoOsc, OscKind::Sine};
    const uint16_t slotA[kNumModules] = {ModKind::DelayMod, ModKind::Mix, ModKind::NoMod, ModKind::AmplMod,
                                         ModKind::DelayMod, ModKind::Mix, ModKind::NoMod, ModKind::AmplMod};
    const int16_t slotATarget[kNumModules] = {1, 2, 1, 2, 5, 6, 5, 6};
    const uint32_t startPhase[kNumModules] = {0, 0, 0x3FC90FDB, 0x3FC90FDB, 0x40490FDB, 0, 0x4096CBE4, 0x4096CBE4};
    for (int module = 0; module < kNumModules; ++module) {
        SCOPED_TRACE(module);
        EXPECT_EQ(preset.oscKind[module], sources[module]);
        EXPECT_EQ(preset.modKind[module][0], slotA[module]);
        EXPECT_EQ(preset.modTarget[module][0], slotATarget[module]);
        EXPECT_EQ(preset.modKind[module][1], ModKind::NoMod);
        EXPECT_EQ(bitsOf(preset.phaseOrLfoDepth[module]), startPhase[module]);
        const bool outputModule = module == 2 || module == 6;
        EXPECT_EQ(preset.outputOn[module][0], outputModule);
        EXPECT_EQ(preset.outputOn[module][1], outputModule);
    }
    EXPECT_EQ(preset.processKind[1], ProcessKind::Delay);
    EXPECT_EQ(bitsOf(preset.mainValue[1]), bitsOf(125.0f));
    EXPECT_EQ(bitsOf(preset.processTime[5]), bitsOf(5512.5f));
    EXPECT_EQ(bitsOf(preset.mainValue[0]), 0x435ECCCCu); // 222.79999, not the float nearest 222.8
    EXPECT_EQ(bitsOf(preset.modDepth[0][0]), bitsOf(-1.0f));
    EXPECT_EQ(bitsOf(preset.modDepth[4][0]), bitsOf(0.5f));
    EXPECT_EQ(preset.sliderRatio[1][1], -0.5f);
    EXPECT_EQ(preset.modTarget[0][1], 5); // a "No Mod" slot keeps its stored target
    EXPECT_EQ(bitsOf(preset.filterQ[7]), bitsOf(64.5f));
}

TEST_F(PitchShiftPresets, RunningStateAndFlagWordsAsStored)
{
    const OrvPreset& preset = program("Alternate Octaves");
    EXPECT_EQ(bitsOf(preset.oscPhase[0][1]), bitsOf(2.6098206f));
    EXPECT_EQ(bitsOf(preset.oscPhase[7][0]), bitsOf(1.0403374f));
    EXPECT_EQ(bitsOf(preset.lastPitch[6][0]), 0x43DBFFFCu); // 439.99988, not 440
    EXPECT_EQ(preset.lastPitch[5][0], 0.0f);
    EXPECT_EQ(preset.pendingAmplMod[2][0], 1);
    EXPECT_EQ(preset.pendingAmplMod[6][1], 1);
    EXPECT_EQ(preset.pendingAmplMod[3][0], 0);
    EXPECT_EQ(preset.moduleWord1044[2], 1);
    EXPECT_EQ(preset.moduleWord1060[2], 0);
    EXPECT_EQ(preset.moduleWord1076[2], 1);
    EXPECT_EQ(preset.channelWord[2][1], 1);
    EXPECT_EQ(preset.channelWord[3][0], 0);

    const OrvPreset& detune = program("Stereo Pan/Detune");
    EXPECT_EQ(detune.moduleWord1060[1], 1);
    EXPECT_EQ(detune.moduleWord1076[1], 0);
    EXPECT_EQ(detune.freqMode[1], 0);
    EXPECT_EQ(detune.sliderFreqMode[1], FreqMode::Hz);
    EXPECT_EQ(detune.note[1], 5); // F
    EXPECT_EQ(detune.octave[1], 3);
    EXPECT_EQ(bitsOf(detune.oscFrequency[1]), bitsOf(174.61407f));
    EXPECT_EQ(bitsOf(detune.processTime[7]), bitsOf(441.00003f));
    EXPECT_EQ(detune.filterQ[7], 0.0f);

    const OrvPreset& sharpFlat = program("Alternating SharpFlat");
    EXPECT_EQ(sharpFlat.freqMode[6], 0);
    EXPECT_EQ(sharpFlat.sliderFreqMode[6], FreqMode::Hz);
    EXPECT_EQ(bitsOf(sharpFlat.oscFrequency[6]), 0x43DBFFFCu);
    EXPECT_EQ(bitsOf(sharpFlat.outputGain[1][0]), bitsOf(1.5f));
    EXPECT_EQ(sharpFlat.outputOn[1][0], 0);
}

TEST_F(PitchShiftPresets, DryModulesWithProcessCodeZero)
{
    for (const char* name : {"MultiVox", "MultiVox 2", "MultiVox 3", "MultiVox 4"}) {
        SCOPED_TRACE(name);
        const OrvPreset& preset = program(name);
        EXPECT_EQ(preset.oscKind[7], OscKind::StereoIn);
        EXPECT_EQ(preset.processKind[7], 0);
        EXPECT_EQ(preset.mainValue[7], 0.0f);
        EXPECT_EQ(preset.filterQ[7], 0.0f);
        for (int slot = 0; slot < kNumSlots; ++slot) {
            EXPECT_EQ(preset.modKind[7][slot], ModKind::NoMod);
            EXPECT_EQ(preset.modTarget[7][slot], 0);
            EXPECT_EQ(preset.modDepth[7][slot], 1.0f);
        }
        EXPECT_EQ(preset.outputOn[7][0] + preset.outputOn[7][1], 2);
        EXPECT_EQ(bitsOf(preset.outputGain[7][0]) | bitsOf(preset.outputGain[7][1]), 0u);
        EXPECT_EQ(preset.moduleWord1044[7] | preset.moduleWord1076[7], 0);
        EXPECT_EQ(preset.modKind[2][0], ModKind::Mix);
        EXPECT_EQ(preset.modTarget[2][0], 1); // feedback into the earlier module
    }
    const OrvPreset& fourth = program("MultiVox 4");
    EXPECT_EQ(fourth.oscKind[0], OscKind::Saw);
    EXPECT_EQ(bitsOf(fourth.sliderRatio[5][2]), bitsOf(1.2853471f));
    EXPECT_EQ(bitsOf(fourth.outputGain[2][1]), bitsOf(2.892031f));
    EXPECT_EQ(bitsOf(fourth.modDepth[2][0]), bitsOf(1.023f));
    EXPECT_EQ(bitsOf(program("MultiVox").modDepth[2][0]), bitsOf(-0.4998f));
}

TEST_F(PitchShiftPresets, NegativeRatesScalesAndSwitchedOffGains)
{
    const OrvPreset& cents = program("Pitch +/-100 cents");
    for (int module : {0, 3, 4, 7})
        EXPECT_EQ(bitsOf(cents.oscFrequency[module]), 0xC0000000u) << module; // -2 Hz
    EXPECT_EQ(bitsOf(cents.processTime[1]), bitsOf(657.09f));

    const OrvPreset& phattener = program("Phattener");
    EXPECT_EQ(phattener.oscKind[1], OscKind::RightIn);
    EXPECT_EQ(phattener.oscKind[7], OscKind::LeftIn);
    EXPECT_EQ(phattener.processKind[7], ProcessKind::Delay);
    EXPECT_EQ(bitsOf(phattener.sliderRatio[2][1]), bitsOf(3.0769231f));
    EXPECT_EQ(phattener.modKind[3][1], ModKind::PanMod);
    EXPECT_EQ(phattener.modDepth[3][1], -1.0f);
    EXPECT_EQ(phattener.outputOn[7][0], 1);
    EXPECT_EQ(phattener.outputOn[7][1], 0);
    EXPECT_EQ(bitsOf(phattener.outputGain[7][0]), bitsOf(0.65f));
    EXPECT_EQ(phattener.outputGain[7][1], 1.0f);
    EXPECT_EQ(phattener.outputOn[2][0], 0);
    EXPECT_EQ(phattener.outputGain[2][0], 2.0f);

    const OrvPreset& twelve = program("Twelve-String");
    EXPECT_EQ(bitsOf(twelve.processTime[2]), bitsOf(11069.101f));
    EXPECT_EQ(bitsOf(twelve.modDepth[0][1]), bitsOf(-0.25f));
    EXPECT_EQ(bitsOf(twelve.outputGain[4][0]), bitsOf(0.79999995f));
    EXPECT_EQ(bitsOf(program("Voice Disguiser").filterQ[6]), bitsOf(3.9853506f));
    EXPECT_EQ(bitsOf(program("PitchShift Up").modDepth[4][0]), bitsOf(-0.39999995f));
}

TEST_F(PitchShiftPresets, StoredDelayLineLengthsGiveWayToTheComputedOnes)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);
    const struct {
        int position;
        uint32_t stored;
        uint32_t played;
    } kLengths[] = {{2, 131072, 262144}, {18, 131072, 262144}, {19, 65536, 131072}, {20, 65536, 131072}};
    for (const auto& length : kLengths) {
        SCOPED_TRACE(kPrograms[length.position].name);
        EXPECT_EQ(core.bank[kFirst + length.position].delayLineLength, length.stored);
        ASSERT_TRUE(selectProgram(core, kFirst + length.position));
        EXPECT_EQ(core.current->delayLineLength, length.played);
    }
}
