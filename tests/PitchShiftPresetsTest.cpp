#include <gtest/gtest.h>

#include <string_view>

#include "FactoryRecordChecks.h"

const FactoryCategory kPitchShift = {
    "Pitch Shift", 14, 214, buildPitchShiftPresets, StoredWords::RunningState | StoredWords::EditorWords | StoredWords::ShownTimes,
    {
     {"Alternate Octaves", "Up & down pitch shifts with deglitching.  LFO Mod Rate and Delay Mod Depth parameters adjust pitch.", "12345678", 0x0302, 262144,
      {{"LFO Mod Rate hz", 0.5f, 10.0f, 2.0f, {{16}, {136}, {106}, {226}}},
       {"DelayMod Depth", -100.0f, 0.0f, -100.0f, {{26}, {146, -0.5f}}},
       {"Output Volume", 0.0f, 300.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"Alternating SharpFlat", "Cross-fades between upward and downward pitch shifts.", "12345678", 0x0302, 262144,
      {{"LFO Freq Hz", 0.0f, 20.0f, 0.99999994f, {{16}, {136}, {106}, {226}}},
       {"Pitch Mod Depth %", 0.0f, 100.0f, 40.0f, {{26}, {146, -1.0f}}},
       {"Delay Time ms.", 1.0f, 100.0f, 40.0f, {{51}, {171}}},
       {"Output Volume", 0.0f, 300.0f, 130.0f, {{93}, {94}, {213}, {214}}}}},
     {"Fear", "Pitch shift down, with deglitching.  LFO Mod Rate and Delay Mod Depth parameters adjust pitch.", "12345678", 0x0302, 131072,
      {{"LFO Mod Rate hz", 0.5f, 10.0f, 5.0f, {{16}, {136}, {106}, {226}}},
       {"DelayMod Depth", 0.0f, 35.0f, 30.0f, {{26}, {146}}},
       {"Output Volume", 0.0f, 300.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"MultiVox", "This uses a triangle-wave LFO to modulate a delay (with feedback), making the delay alternately run at higher and lower than the original pitch.", "1238", 0x0302, 524288,
      {{"LFO Freq hz", 0.3f, 2.0f, 1.0f, {{16}}},
       {"DelayMod Depth", 0.0f, 100.0f, 20.0f, {{26}}},
       {"Delay Time ms", 0.0f, 250.0f, 140.0f, {{81}}},
       {"Feed- Forward", 0.0f, 120.0f, 100.0f, {{56}}},
       {"Feedback", -70.0f, 0.0f, -49.98f, {{86}}},
       {"Wet Mix", 0.0f, 450.0f, 225.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 450.0f, 0.0f, {{243}, {244}}}}},
     {"MultiVox 2", "Another MultiVox effect. The triangle-wave-modulated pitch shifts get trapped in the feedback loop until the shift changes direction.", "1238", 0x0302, 524288,
      {{"LFO Freq hz", 0.2f, 2.0f, 0.5f, {{16}}},
       {"DelayMod Depth", 0.0f, 100.0f, 30.4f, {{26}}},
       {"Delay Time ms", 0.0f, 250.0f, 89.299995f, {{81}}},
       {"Feed- Forward", 0.0f, 150.0f, 144.6f, {{56}}},
       {"Feedback", -100.0f, 0.0f, -78.2f, {{86}}},
       {"Wet Mix", 0.0f, 750.0f, 210.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 375.0f, 0.0f, {{243}, {244}}}}},
     {"MultiVox 3", "Another MultiVox effect, with wider pitch shifts.", "1238", 0x0302, 524288,
      {{"LFO Freq hz", 0.3f, 3.0f, 1.0999999f, {{16}}},
       {"DelayMod Depth", 0.0f, 100.0f, 35.399998f, {{26}}},
       {"Delay Time ms", 0.0f, 250.0f, 106.399994f, {{81}}},
       {"Feed- Forward", 0.0f, 140.0f, 125.0f, {{56}}},
       {"Feedback", -80.0f, 0.0f, -75.0f, {{86}}},
       {"Wet Mix", 0.0f, 450.0f, 225.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"MultiVox 4", "MultiVox effect using triangle wave and feedback.", "1238", 0x0302, 524288,
      {{"LFO Freq hz", 0.3f, 2.0f, 0.7f, {{16}}},
       {"DelayMod Depth", 0.0f, 200.0f, 100.0f, {{26}}},
       {"Delay Time ms", 0.0f, 500.0f, 129.5f, {{81}}},
       {"Feed- Forward", 0.0f, 70.0f, 53.2f, {{56}}},
       {"Feedback", 0.0f, 120.0f, 102.3f, {{86}}},
       {"Wet Mix", 0.0f, 450.0f, 225.0f, {{63}, {64}, {93, 1.2853471f}, {94, 1.2853471f}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Munchkin Chorus", "Grungy extreme detune. The pos and neg Mod Depth controls adjust pitch. The Delay Time parameter also effects pitch, as does the LFO Mod Rate.", "1235", 0x0302, 65536,
      {{"LFO Mod Rate hz", 0.3f, 10.0f, 2.0f, {{16}}},
       {"Pos ModDepth", 0.0f, 100.0f, 25.0f, {{26}}},
       {"Neg ModDepth", -100.0f, 0.0f, -25.0f, {{29}}},
       {"Delay Time ms", 0.0f, 500.0f, 200.0f, {{51}, {81}}},
       {"Wet Mix", 0.0f, 200.0f, 80.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 80.0f, {{153}, {154}}}}},
     {"Phattener", "Stereo detuning, with the pitch shift deglitched by using a sine wave to cross-pan the outputs. Pitch Shift controls depth.", "12345678", 0x0302, 65536,
      {{"Xfade Rate hz", 0.2f, 4.0f, 2.0f, {{16}, {136}, {106}}},
       {"Pitch Shift", 0.0f, 3.0f, 1.0f, {{26}, {146}}},
       {"Output Volume", 0.0f, 150.0f, 65.0f, {{243}, {94, 3.0769231f}, {214, 3.0769231f}}}}},
     {"Pitch +/-100 cents", "Pitch shift, approx. +/- 100 cents. Use slider A to adjust pitch.  (Pitch Shift = 1 - 2 x delay time (Sec.) x LFO rate x interval (cents) / 100)", "12345678", 0x0302, 131072,
      {{"PitchShft Cents", -100.0f, 100.0f, 100.0f, {{26}, {146}}},
       {"LFO Rate", -4.0f, -0.5f, -2.0f, {{16}, {136}, {106}, {226}}},
       {"Delay Time ms", 0.0f, 30.0f, 14.9f, {{51}, {171}}},
       {"Output Volume", 0.0f, 250.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"Pitch 0 <-> +1 octave", "Pitch shift, +1 octave maximum. Use slider C to adjust pitch.  (Pitch Shift = 1 - 2 x delay time (Sec.) x LFO rate x interval (cents) / 100)", "12345678", 0x0302, 131072,
      {{"DelayMod Depth", -200.0f, 0.0f, -100.0f, {{26}, {146}}},
       {"LFO Rate", 0.5f, 8.0f, 4.2f, {{16}, {136}, {106}, {226}}},
       {"Shift 120=oct", 0.0f, 120.0f, 60.0f, {{51}, {171}}},
       {"Output Volume", 0.0f, 250.0f, 130.0f, {{93}, {94}, {213}, {214}}}}},
     {"Pitch 0 <-> -1 octave", "Pitch shift, -1 octave maximum. Use slider C to adjust pitch. (120 = 1 octave down) (Pitch Shift = 1 - 2 x delay time (Sec.) x LFO rate x interval (cents) / 100", "12345678", 0x0302, 131072,
      {{"DelayMod Depth", 0.0f, 100.0f, 50.0f, {{26}, {146}}},
       {"LFO Rate", 0.5f, 8.0f, 4.2f, {{16}, {136}, {106}, {226}}},
       {"Shift 120=oct", 0.0f, 120.0f, 120.0f, {{51}, {171}}},
       {"Output Volume", 0.0f, 280.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"PitchShift Down", "Pitch shift down, with deglitching.  LFO Mod Rate and Delay Mod Depth parameters adjust pitch.", "12345678", 0x0302, 262144,
      {{"LFO Mod Rate hz", 0.2f, 10.0f, 5.0f, {{16}, {136}, {106}, {226}}},
       {"DelayMod Depth", 0.0f, 100.0f, 60.000004f, {{26}, {146}}},
       {"Output Volume", 0.0f, 280.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"PitchShift Up", "Pitch shift up, with deglitching. LFO Mod Rate and Delay Mod Depth parameters adjust pitch.", "12345678", 0x0302, 262144,
      {{"LFO Mod Rate hz", 0.2f, 10.0f, 1.9999998f, {{16}, {136}, {106}, {226}}},
       {"DelayMod Depth", -100.0f, 0.0f, -39.999996f, {{26}, {146}}},
       {"Output Volume", 0.0f, 280.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"PitchShift +/- 1 octave", "Pitch shift up or down 1 octave, with cross-fade de-glitching.", "12345678", 0x0302, 262144,
      {{"LFO Mod Rate hz", 0.2f, 10.0f, 4.0000005f, {{16}, {136}, {106}, {226}}},
       {"Pitch Control", -100.0f, 50.0f, 50.0f, {{26}, {146}}},
       {"Output Volume", 0.0f, 280.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"Stereo Pan/Detune", "Channels are detuned and cross-faded left and right. Slight flanging effect.", "12568", 0x0302, 131072,
      {{"LFO Freq Hz", 0.1f, 2.0f, 0.49999997f, {{16}, {136}}},
       {"PitchMod Depth", 0.0f, 100.0f, 25.0f, {{26}, {146}}},
       {"PanMod Depth", 0.0f, 200.0f, 100.0f, {{29}, {149}}},
       {"Delay Time ms", 0.0f, 10.0f, 10.0f, {{51}, {171}, {231}}},
       {"Wet Mix", 0.0f, 420.0f, 210.0f, {{63}, {64}, {183}, {184}}},
       {"Delayed Dry Mix", 0.0f, 420.0f, 0.0f, {{243}, {244}}}}},
     {"Stereo Pan/Detune 2", "Channels are detuned and cross-faded left and right. Slight flanging effect. Like Stereo Pan/Detune, but using a Sine wave.", "12568", 0x0302, 131072,
      {{"LFO Rate Hz", 0.1f, 1.0f, 0.5f, {{16}, {136}}},
       {"PitchMod Depth", 0.0f, 100.0f, 50.0f, {{26}, {146}}},
       {"PanMod Depth", 0.0f, 200.0f, 100.0f, {{29}, {149}}},
       {"Delay Time ms", 0.0f, 5.0f, 2.5f, {{51}, {171}, {231}}},
       {"Wet Mix", 0.0f, 420.0f, 210.0f, {{63}, {64}, {183}, {184}}},
       {"Dry Mix", 0.0f, 420.0f, 0.0f, {{243}, {244}}}}},
     {"SubOctave Generator", "Left channel is the original; right channel is an octave lower.  Deglitched by using a sine wave to cross-pan the outputs.", "12345678", 0x0302, 131072,
      {{"Xfade Rate hz", 0.1f, 4.0f, 3.0f, {{16}, {136}, {106}}},
       {"Pitch Shift", 0.0f, 83.399994f, 41.699997f, {{26}, {146}}},
       {"SubOct (R) Mix", 0.0f, 400.0f, 215.00002f, {{94}, {214}}},
       {"Dry (L) Mix", 0.0f, 400.0f, 70.0f, {{243}}}}},
     {"Thick Detune", "Detune for thickening instrumentals. The pos and neg mod depth controls adjust pitch by making the sawtooth delay chase ahead/behind real time.", "1235", 0x0302, 131072,
      {{"LFO Mod Rate hz", 0.1f, 1.0f, 0.5f, {{16}}},
       {"Pos Mod Depth", 0.0f, 200.0f, 80.0f, {{26}}},
       {"Neg Mod Depth", -200.0f, 0.0f, -80.0f, {{29}}},
       {"Delay Time ms", 0.0f, 30.0f, 15.0f, {{51}, {81}}},
       {"Wet Mix", 0.0f, 150.0f, 85.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 150.0f, 85.0f, {{153}, {154}}}}},
     {"Twelve-String", "For acoustic guitar: adds a rapidly-plucked note an octave up.  The LFO Freq, LFO Mod Depth and Delay parameters affect pitch.", "1235", 0x0302, 65536,
      {{"LFO Freq hz", 1.0f, 20.0f, 8.0f, {{16}}},
       {"LFO Mod Depth", -100.0f, 0.0f, -25.0f, {{26}, {29}}},
       {"Delay 1 ms", 0.0f, 500.0f, 249.0f, {{51}}},
       {"Delay 2 ms", 0.0f, 500.0f, 251.0f, {{81}}},
       {"Wet Mix", 0.0f, 200.0f, 80.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 80.0f, {{153}, {154}}}}},
     {"Twelve-String 2", "Left channel is the original; right channel is an octave higher. Deglitched by using a sine wave to cross-pan the outputs.", "12345678", 0x0302, 65536,
      {{"Xfade Rate hz", 0.1f, 4.0f, 3.0f, {{16}, {136}, {106}}},
       {"Pitch Shift", -100.0f, 0.0f, -83.299995f, {{26}, {146}}},
       {"Output Volume", 0.0f, 200.0f, 70.0f, {{243}, {94, 2.0f}, {214, 2.0f}}}}},
     {"Voice Disguiser", "Shift voice up or down in pitch. Raising slider 2 lowers pitch.", "12345678", 0x0302, 262144,
      {{"LFO Mod Rate hz", 0.2f, 10.0f, 6.0000005f, {{16}, {136}, {106}, {226}}},
       {"Pitch Control", -64.0f, 96.0f, 96.0f, {{26}, {146}}},
       {"Output Volume", 0.0f, 280.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
    },
};

namespace {

const OrvPreset& program(std::string_view name)
{
    static const auto records = categoryRecords(kPitchShift);
    return records[programIndex(kPitchShift, name)];
}

} // namespace

TEST(PitchShiftPresets, NegativeRatesScalesAndSwitchedOffGains)
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

TEST(PitchShiftPresets, RunningStateAndFlagWordsAsStored)
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
