#include "FactoryProgramChecks.h"

namespace {

constexpr int kFirst = 165;
constexpr int kCount = 9;

const ProgramExpectation kModularSynthPrograms[kCount] = {
    {"Diminished S/H",
     "Stereo diminished Sample/Hold arpeggios. The Semitone slider controls the pitch quantization interval.",
     "1238",
     {
         {"Hold Time ms", 0, 150, 90.399994f, {{21, 1}}},
         {"PitchMod Depth", 0, 100, 80, {{26, 1}}},
         {"Center Freq hz", 20, 1000, 440, {{46, 1}}},
         {"Quant. Semitone", 0, 6, 3, {{51, 1}}},
         {"Raise to Power", 0, 10, 3.6f, {{81, 1}}},
         {"Wet Mix", 0, 40, 15, {{93, 1}, {94, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Full-Wave Rectifier",
     "Full Wave Rectifier. The negative part of the waveform is inverted to become positive.",
     "18",
     {
         {"Raise to Power", -5, 0, -0.99999994f, {{21, 1}}},
         {"Wet Mix", 0, 200, 140, {{33, 1}, {34, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Infinite Clipper",
     "Extreme Distortion. Multiplies the gain by 100 million, then uses Raise to Power to clip the signal at +/- 100% (1 bit). Wet Mix lowers the volume.",
     "123567",
     {
         {"Distort. mult.", 100, 10000, 10000, {{26, 1}, {56, 1}, {86, 1}, {146, 1}}},
         {"Wet mix", 0, 20, 10, {{183, 1}, {184, 1}}},
         {"Dry mix", 0, 100, 0, {{213, 1}, {214, 0}}},
     }},
    {"Phase Mod Alt Tones",
     "Harsh alternating PhaseShaping tones",
     "1238",
     {
         {"Carrier Freq hz", 5, 250, 220.90001f, {{16, 1}}},
         {"Phase Shape", 0, 200, 100, {{21, 1}}},
         {"Mod Freq hz", 1, 250, 43.800007f, {{46, 1}}},
         {"Phase ModDepth", 0, 200, 100, {{56, 1}}},
         {"Lowpass Freq Hz", 0, 5000, 999.9999f, {{81, 1}}},
         {"Wet Mix", 0, 50, 25, {{93, 1}, {94, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"PhaseShape OverMod",
     "Harsh PhaseShaping overmodulation.",
     "12348",
     {
         {"Mod Freq hz", 5, 500, 212.90001f, {{16, 1}}},
         {"Carrier Freq hz", 1, 500, 221.7f, {{46, 1}}},
         {"Phase ModDepth", 0, 400, 200, {{26, 1}}},
         {"Phase Mod Mod", 0, 400, 200, {{86, 1}}},
         {"Lowpass Freq Hz", 0, 2000, 749.99994f, {{111, 1}}},
         {"Wet Mix", 0, 100, 35, {{123, 1}, {124, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Sample/Hold Tones",
     "We sample and hold the modulating sine wave and use that to frequency modulate the carrier. All parameters affect the resulting pattern.",
     "128",
     {
         {"Mod Freq hz", 0.1f, 500, 80.00001f, {{16, 1}}},
         {"Carrier Freq hz", 20, 500, 440, {{46, 1}}},
         {"Hold Time ms", 0, 200, 90, {{21, 1}}},
         {"FM Depth", 0, 400, 200, {{26, 1}}},
         {"Wet Mix", 0, 20, 12, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Saw Harmonics",
     "A swept bandpass filter separates out the harmonics of a fixed sawtooth wave.",
     "128",
     {
         {"Saw Freq Hz", 40, 300, 130.79999f, {{46, 1}}},
         {"FiltMod LFO Hz", 0.02f, 0.5f, 0.1f, {{16, 1}}},
         {"FiltMod Depth", 0, 500, 200, {{26, 1}}},
         {"Bandpass Frq Hz", 40, 600, 300, {{51, 1}}},
         {"Filter Q slope", 5, 200, 100, {{52, 1}}},
         {"Wet Mix", 0, 120, 70, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Square Harmonics",
     "This demonstrates how a swept bandpass filter can separate out the harmonics of a fixed square wave. Note it has odd harmonics only.",
     "128",
     {
         {"Square Freq Hz", 30, 300, 130.8f, {{46, 1}}},
         {"FiltMod LFO Hz", 0.01f, 0.2f, 0.1f, {{16, 1}}},
         {"FiltMod Depth", 0, 600, 400, {{26, 1}}},
         {"Bandpass Frq Hz", 20, 600, 300, {{51, 1}}},
         {"Filter Q slope", 5, 200, 100, {{52, 1}}},
         {"Wet Mix", 0, 70, 30, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Swept Aliasing",
     "Harsh aliasing sounds produced by sweeping a very short sample/hold time.",
     "1238",
     {
         {"SampHold Depth", 0, 100, 50, {{26, 1}}},
         {"SampHold Frq hz", 0.06f, 0.5f, 0.09999999f, {{16, 1}}},
         {"S/H Time ms", 0, 2, 0.5f, {{51, 1}}},
         {"Lowpass Freq Hz", 0, 8000, 2000.0001f, {{81, 1}}},
         {"Wet Mix", 0, 200, 80, {{93, 1}, {94, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
};

} // namespace

TEST(ModularSynthPresets, BuilderWritesItsProgramsAtTheirBankIndexes)
{
    expectBuilderIsRelocatable(buildModularSynthPresets, kCount);
    const auto bank = buildCategory(buildModularSynthPresets, kFirst, kCount);
    for (int program = 0; program < kCount; ++program)
        expectFactoryRecord(bank[kFirst + program], "Modular Synth", kModularSynthPrograms[program]);
    expectRecordsInFactoryBank(bank.get(), kFirst, kCount);
}

TEST(ModularSynthPresets, ModuleRowsKeepTheirExactValues)
{
    const auto bank = buildCategory(buildModularSynthPresets, kFirst, kCount);

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

TEST(ModularSynthPresets, SlidersAgreeWithTheFieldsTheyDrive)
{
    EXPECT_EQ(fieldsChangedBySelection(kFirst, kCount), std::vector<std::string> {});
}
