#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kFm = {
    "FM", 8, 140, buildFmPresets, StoredWords::ShownTimes,
    {
     {"Car Alarm", "The negative modulation depth makes the sawtooth wave  slide down instead of up.", "128", 0x0302, 0,
      {{"Carrier Freq hz", 40.0f, 2000.0f, 750.0f, {{46}}},
       {"Mod Rate hz", 0.2f, 10.0f, 2.6999998f, {{16}}},
       {"Mod Depth", -100.0f, 100.0f, -20.999998f, {{26}}},
       {"Wet Mix", 0.0f, 100.0f, 16.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"FM-ed Delay Mod", "Sine wave FM controls the delay time, resulting in  FM-like effects being applied to the source signal.", "2358", 0x0302, 0,
      {{"LFO 1 Freq Hz", 1.0f, 500.0f, 3.5f, {{46}}},
       {"LFO 2 Freq Hz", 1.0f, 500.0f, 9.999999f, {{76}}},
       {"FM Depth", 0.0f, 100.0f, 25.0f, {{56}}},
       {"DelayMod Depth", 0.0f, 2.0f, 0.1f, {{86}}},
       {"Delay Time ms", 0.0f, 600.0f, 300.0f, {{141}}},
       {"Wet Mix", 0.0f, 160.0f, 120.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Ray Gun", "Simple FM effect", "128", 0x0302, 0,
      {{"Carrier Freq hz", 50.0f, 2000.0f, 1108.7f, {{46}}},
       {"Mod Rate hz", 0.1f, 30.0f, 17.299997f, {{16}}},
       {"Mod Depth", 0.0f, 100.0f, 35.0f, {{26}}},
       {"Wet Mix", 0.0f, 50.0f, 16.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Siren", "Raising the output to the 2nd power (adjusted for sign)  gives the sine wave some higher harmonics.", "128", 0x0302, 0,
      {{"Carrier Freq hz", 40.0f, 2000.0f, 750.0f, {{46}}},
       {"Mod Rate hz", 0.1f, 10.0f, 2.7000003f, {{16}}},
       {"Mod Depth", 0.0f, 100.0f, 21.0f, {{26}}},
       {"Raise to Power", 0.0f, 5.0f, 2.0f, {{51}}},
       {"Wet Mix", 0.0f, 50.0f, 20.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Telephone Ring", "Mod Depth controls the musical interval produced by the square LFO. (For a major 3rd interval, square root of 5/4 yields 1.095 -> 9.5% mod.)", "128", 0x0302, 0,
      {{"Carrier Freq hz", 60.0f, 2000.0f, 1000.00006f, {{46}}},
       {"Mod Rate hz", 0.3f, 20.0f, 10.0f, {{16}}},
       {"Mod Depth", 0.0f, 20.0f, 9.54f, {{26}}},
       {"Wet Mix", 0.0f, 50.0f, 20.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Two-tone siren", "Two-tone siren, with a sine pulse wave.", "128", 0x0302, 0,
      {{"LFO Freq hz", 0.2f, 2.3999999f, 1.1999999f, {{16}}},
       {"FreqMod Depth", 0.0f, 26.0f, 13.0f, {{26}}},
       {"Sine Freq hz", 40.0f, 1400.0f, 700.0f, {{46}}},
       {"Power distort.", 0.0f, 4.0f, 2.0f, {{51}}},
       {"Wet Mix", 0.0f, 50.0f, 18.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
    },
};

TEST(FmPresets, ModuleRowsKeepTheirExactValues)
{
    const auto bank = buildCategory(kFm, kFm.first);

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
