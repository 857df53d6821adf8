#include "FactoryProgramChecks.h"

namespace {

constexpr int kFirst = 140;
constexpr int kCount = 6;

const ProgramExpectation kFmPrograms[kCount] = {
    {"Car Alarm",
     "The negative modulation depth makes the sawtooth wave  slide down instead of up.",
     "128",
     {
         {"Carrier Freq hz", 40, 2000, 750, {{46, 1}}},
         {"Mod Rate hz", 0.2f, 10, 2.6999998f, {{16, 1}}},
         {"Mod Depth", -100, 100, -20.999998f, {{26, 1}}},
         {"Wet Mix", 0, 100, 16, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"FM-ed Delay Mod",
     "Sine wave FM controls the delay time, resulting in  FM-like effects being applied to the source signal.",
     "2358",
     {
         {"LFO 1 Freq Hz", 1, 500, 3.5f, {{46, 1}}},
         {"LFO 2 Freq Hz", 1, 500, 9.999999f, {{76, 1}}},
         {"FM Depth", 0, 100, 25, {{56, 1}}},
         {"DelayMod Depth", 0, 2, 0.1f, {{86, 1}}},
         {"Delay Time ms", 0, 600, 300, {{141, 1}}},
         {"Wet Mix", 0, 160, 120, {{153, 1}, {154, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Ray Gun",
     "Simple FM effect",
     "128",
     {
         {"Carrier Freq hz", 50, 2000, 1108.7f, {{46, 1}}},
         {"Mod Rate hz", 0.1f, 30, 17.299997f, {{16, 1}}},
         {"Mod Depth", 0, 100, 35, {{26, 1}}},
         {"Wet Mix", 0, 50, 16, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Siren",
     "Raising the output to the 2nd power (adjusted for sign)  gives the sine wave some higher harmonics.",
     "128",
     {
         {"Carrier Freq hz", 40, 2000, 750, {{46, 1}}},
         {"Mod Rate hz", 0.1f, 10, 2.7000003f, {{16, 1}}},
         {"Mod Depth", 0, 100, 21, {{26, 1}}},
         {"Raise to Power", 0, 5, 2, {{51, 1}}},
         {"Wet Mix", 0, 50, 20, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Telephone Ring",
     "Mod Depth controls the musical interval produced by the square LFO. (For a major 3rd interval, square root of 5/4 yields 1.095 -> 9.5% mod.)",
     "128",
     {
         {"Carrier Freq hz", 60, 2000, 1000.00006f, {{46, 1}}},
         {"Mod Rate hz", 0.3f, 20, 10, {{16, 1}}},
         {"Mod Depth", 0, 20, 9.54f, {{26, 1}}},
         {"Wet Mix", 0, 50, 20, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Two-tone siren",
     "Two-tone siren, with a sine pulse wave.",
     "128",
     {
         {"LFO Freq hz", 0.2f, 2.3999999f, 1.1999999f, {{16, 1}}},
         {"FreqMod Depth", 0, 26, 13, {{26, 1}}},
         {"Sine Freq hz", 40, 1400, 700, {{46, 1}}},
         {"Power distort.", 0, 4, 2, {{51, 1}}},
         {"Wet Mix", 0, 50, 18, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
};

} // namespace

TEST(FmPresets, BuilderWritesItsProgramsAtTheirBankIndexes)
{
    expectBuilderIsRelocatable(buildFmPresets, kCount);
    const auto bank = buildCategory(buildFmPresets, kFirst, kCount);
    for (int program = 0; program < kCount; ++program)
        expectFactoryRecord(bank[kFirst + program], "FM", kFmPrograms[program]);
    expectRecordsInFactoryBank(bank.get(), kFirst, kCount);
}

TEST(FmPresets, ModuleRowsKeepTheirExactValues)
{
    const auto bank = buildCategory(buildFmPresets, kFirst, kCount);

    const OrvPreset& carAlarm = bank[140];
    EXPECT_EQ(carAlarm.oscKind[0], OscKind::Saw);
    EXPECT_SAME_FLOAT(carAlarm.oscFrequency[0], 2.6999998f);
    EXPECT_SAME_FLOAT(carAlarm.phaseOrLfoDepth[0], 3.14159274f); // 180 degrees: the float nearest pi
    EXPECT_SAME_FLOAT(carAlarm.modDepth[0][0], -0.20999998f);
    EXPECT_EQ(carAlarm.freqMode[1], FreqMode::Hz);
    EXPECT_SAME_FLOAT(carAlarm.oscFrequency[1], 750.0f);
    EXPECT_EQ(carAlarm.oscKind[7], OscKind::StereoIn);
    EXPECT_EQ(carAlarm.processKind[7], 0);

    const OrvPreset& delayMod = bank[141];
    EXPECT_EQ(delayMod.inUse[0], 0);
    EXPECT_EQ(delayMod.oscKind[7], OscKind::NoOsc);
    EXPECT_EQ(delayMod.processKind[7], 0);
    EXPECT_EQ(delayMod.modKind[7][0], ModKind::NoMod);
    EXPECT_EQ(delayMod.outputOn[7][1], 1);
    EXPECT_EQ(delayMod.modKind[2][0], ModKind::DelayMod);
    EXPECT_EQ(delayMod.modTarget[2][0], 4);
    EXPECT_SAME_FLOAT(delayMod.modDepth[2][0], 0.001f);
    EXPECT_SAME_FLOAT(delayMod.oscFrequency[2], 9.999999f);
    EXPECT_SAME_FLOAT(delayMod.processTime[4], 13230.001f);
    EXPECT_SAME_FLOAT(delayMod.outputGain[4][0], 1.1999999f);

    EXPECT_SAME_FLOAT(bank[142].oscFrequency[1], 1108.7f);
    EXPECT_SAME_FLOAT(bank[143].exponent[1], 2.0f);
    EXPECT_SAME_FLOAT(bank[143].outputGain[1][1], 0.19999999f);
    EXPECT_EQ(bank[144].oscKind[0], OscKind::Square);
    EXPECT_SAME_FLOAT(bank[144].modDepth[0][0], 0.0954f);
    EXPECT_SAME_FLOAT(bank[144].oscFrequency[1], 1000.00006f);
    EXPECT_SAME_FLOAT(bank[145].outputGain[1][0], 0.17999999f);
}

TEST(FmPresets, SlidersAgreeWithTheFieldsTheyDrive)
{
    EXPECT_EQ(fieldsChangedBySelection(kFirst, kCount), std::vector<std::string> {});
}
