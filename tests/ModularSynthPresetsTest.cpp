#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kModularSynth = {
    "Modular Synth", 11, 165, buildModularSynthPresets, StoredWords::ShownTimes,
    {
     {"Diminished S/H", "Stereo diminished Sample/Hold arpeggios. The Semitone slider controls the pitch quantization interval.", "1238", 0x0302, 0,
      {{"Hold Time ms", 0.0f, 150.0f, 90.399994f, {{21}}},
       {"PitchMod Depth", 0.0f, 100.0f, 80.0f, {{26}}},
       {"Center Freq hz", 20.0f, 1000.0f, 440.0f, {{46}}},
       {"Quant. Semitone", 0.0f, 6.0f, 3.0f, {{51}}},
       {"Raise to Power", 0.0f, 10.0f, 3.6f, {{81}}},
       {"Wet Mix", 0.0f, 40.0f, 15.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Full-Wave Rectifier", "Full Wave Rectifier. The negative part of the waveform is inverted to become positive.", "18", 0x0302, 0,
      {{"Raise to Power", -5.0f, 0.0f, -0.99999994f, {{21}}},
       {"Wet Mix", 0.0f, 200.0f, 140.0f, {{33}, {34}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Infinite Clipper", "Extreme Distortion. Multiplies the gain by 100 million, then uses Raise to Power to clip the signal at +/- 100% (1 bit). Wet Mix lowers the volume.", "123567", 0x0302, 0,
      {{"Distort. mult.", 100.0f, 10000.0f, 10000.0f, {{26}, {56}, {86}, {146}}},
       {"Wet mix", 0.0f, 20.0f, 10.0f, {{183}, {184}}},
       {"Dry mix", 0.0f, 100.0f, 0.0f, {{213}, {214, 0.0f}}}}},
     {"Phase Mod Alt Tones", "Harsh alternating PhaseShaping tones", "1238", 0x0302, 0,
      {{"Carrier Freq hz", 5.0f, 250.0f, 220.90001f, {{16}}},
       {"Phase Shape", 0.0f, 200.0f, 100.0f, {{21}}},
       {"Mod Freq hz", 1.0f, 250.0f, 43.800007f, {{46}}},
       {"Phase ModDepth", 0.0f, 200.0f, 100.0f, {{56}}},
       {"Lowpass Freq Hz", 0.0f, 5000.0f, 999.9999f, {{81}}},
       {"Wet Mix", 0.0f, 50.0f, 25.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"PhaseShape OverMod", "Harsh PhaseShaping overmodulation.", "12348", 0x0302, 0,
      {{"Mod Freq hz", 5.0f, 500.0f, 212.90001f, {{16}}},
       {"Carrier Freq hz", 1.0f, 500.0f, 221.7f, {{46}}},
       {"Phase ModDepth", 0.0f, 400.0f, 200.0f, {{26}}},
       {"Phase Mod Mod", 0.0f, 400.0f, 200.0f, {{86}}},
       {"Lowpass Freq Hz", 0.0f, 2000.0f, 749.99994f, {{111}}},
       {"Wet Mix", 0.0f, 100.0f, 35.0f, {{123}, {124}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Sample/Hold Tones", "We sample and hold the modulating sine wave and use that to frequency modulate the carrier. All parameters affect the resulting pattern.", "128", 0x0302, 0,
      {{"Mod Freq hz", 0.1f, 500.0f, 80.00001f, {{16}}},
       {"Carrier Freq hz", 20.0f, 500.0f, 440.0f, {{46}}},
       {"Hold Time ms", 0.0f, 200.0f, 90.0f, {{21}}},
       {"FM Depth", 0.0f, 400.0f, 200.0f, {{26}}},
       {"Wet Mix", 0.0f, 20.0f, 12.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Saw Harmonics", "A swept bandpass filter separates out the harmonics of a fixed sawtooth wave.", "128", 0x0302, 0,
      {{"Saw Freq Hz", 40.0f, 300.0f, 130.79999f, {{46}}},
       {"FiltMod LFO Hz", 0.02f, 0.5f, 0.1f, {{16}}},
       {"FiltMod Depth", 0.0f, 500.0f, 200.0f, {{26}}},
       {"Bandpass Frq Hz", 40.0f, 600.0f, 300.0f, {{51}}},
       {"Filter Q slope", 5.0f, 200.0f, 100.0f, {{52}}},
       {"Wet Mix", 0.0f, 120.0f, 70.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Square Harmonics", "This demonstrates how a swept bandpass filter can separate out the harmonics of a fixed square wave. Note it has odd harmonics only.", "128", 0x0302, 0,
      {{"Square Freq Hz", 30.0f, 300.0f, 130.8f, {{46}}},
       {"FiltMod LFO Hz", 0.01f, 0.2f, 0.1f, {{16}}},
       {"FiltMod Depth", 0.0f, 600.0f, 400.0f, {{26}}},
       {"Bandpass Frq Hz", 20.0f, 600.0f, 300.0f, {{51}}},
       {"Filter Q slope", 5.0f, 200.0f, 100.0f, {{52}}},
       {"Wet Mix", 0.0f, 70.0f, 30.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Swept Aliasing", "Harsh aliasing sounds produced by sweeping a very short sample/hold time.", "1238", 0x0302, 0,
      {{"SampHold Depth", 0.0f, 100.0f, 50.0f, {{26}}},
       {"SampHold Frq hz", 0.06f, 0.5f, 0.09999999f, {{16}}},
       {"S/H Time ms", 0.0f, 2.0f, 0.5f, {{51}}},
       {"Lowpass Freq Hz", 0.0f, 8000.0f, 2000.0001f, {{81}}},
       {"Wet Mix", 0.0f, 200.0f, 80.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
    },
};

TEST(ModularSynthPresets, ModuleRowsKeepTheirExactValues)
{
    const auto bank = buildCategory(kModularSynth, kModularSynth.first);

    const OrvPreset& diminished = bank[165];
    EXPECT_EQ(diminished.oscKind[0], OscKind::Noise);
    EXPECT_EQ(diminished.processKind[0], ProcessKind::SampHold);
    EXPECT_SAME_FLOAT(diminished.mainValue[0], 90.399994f);
    EXPECT_SAME_FLOAT(diminished.processTime[0], 3986.64f);
    EXPECT_SAME_FLOAT(diminished.modDepth[0][0], 0.79999995f);
    EXPECT_EQ(diminished.processKind[1], ProcessKind::QuantizeFrq);
    EXPECT_SAME_FLOAT(diminished.quantizeStep[1], 3.0f);
    EXPECT_SAME_FLOAT(diminished.exponent[2], 3.6f);
    EXPECT_SAME_FLOAT(diminished.outputGain[2][0], 0.14999999f);

    EXPECT_SAME_FLOAT(bank[166].exponent[0], -0.99999994f);

    const OrvPreset& clipper = bank[167];
    for (int module : {0, 1, 2, 4})
        EXPECT_SAME_FLOAT(clipper.modDepth[module][0], 100.0f);
    EXPECT_EQ(clipper.modTarget[2][0], 4);
    EXPECT_SAME_FLOAT(clipper.exponent[5], 1.0f);
    EXPECT_SAME_FLOAT(clipper.outputGain[5][0], 0.099999994f);
    EXPECT_EQ(clipper.oscKind[6], OscKind::StereoIn);
    EXPECT_EQ(clipper.processKind[6], ProcessKind::NoProcess);

    const OrvPreset& altTones = bank[168];
    EXPECT_SAME_FLOAT(altTones.phaseShape[0], 1.0f);
    EXPECT_EQ(altTones.modKind[1][0], ModKind::PhaseMod);
    EXPECT_EQ(altTones.modTarget[1][0], 0);
    EXPECT_SAME_FLOAT(altTones.mainValue[2], 999.9999f);

    const OrvPreset& overMod = bank[169];
    EXPECT_SAME_FLOAT(overMod.dcOffset[0], 1.0f);
    EXPECT_SAME_FLOAT(overMod.modDepth[0][0], 2.0f);
    EXPECT_EQ(overMod.freqMode[2], FreqMode::Tempo);
    EXPECT_EQ(overMod.sliderFreqMode[2], FreqMode::Tempo);
    EXPECT_SAME_FLOAT(overMod.oscFrequency[2], 0.31974363f);
    EXPECT_SAME_FLOAT(overMod.phaseOrLfoDepth[2], 4.712389f); // 270 degrees
    EXPECT_EQ(overMod.modKind[2][0], ModKind::ModAMod);
    EXPECT_EQ(overMod.modTarget[2][0], 0);
    EXPECT_SAME_FLOAT(overMod.outputGain[1][1], 0.035f);
    EXPECT_SAME_FLOAT(overMod.mainValue[3], 749.99994f);

    const OrvPreset& sawHarmonics = bank[171];
    EXPECT_EQ(sawHarmonics.oscKind[0], OscKind::Triangle);
    EXPECT_SAME_FLOAT(sawHarmonics.phaseOrLfoDepth[0], 4.712389f);
    EXPECT_EQ(sawHarmonics.modKind[0][0], ModKind::FilterFrq);
    EXPECT_EQ(sawHarmonics.processKind[1], ProcessKind::BandPass);
    EXPECT_SAME_FLOAT(sawHarmonics.filterQ[1], 100.0f);
    EXPECT_SAME_FLOAT(bank[172].outputGain[1][0], 0.29999998f);

    const OrvPreset& aliasing = bank[173];
    EXPECT_EQ(aliasing.modKind[0][0], ModKind::SampHoldMod);
    EXPECT_SAME_FLOAT(aliasing.processTime[1], 22.050001f);
    EXPECT_SAME_FLOAT(aliasing.mainValue[2], 2000.0001f);
}
