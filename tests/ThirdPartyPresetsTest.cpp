#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kThirdParty = {
    "Third Party", 19, 274, buildThirdPartyPresets, StoredWords::None,
    {
     {"Cop Radio", "The distortion slider works backwards.  The high mix & hipass vol sliders mix the undistorted highs back into the signal.", "1238", 0x0302, 1,
      {{"Distor- tion", 0.0f, 1.0f, 0.1f, {{21}}},
       {"DistRoll off hz", 20.0f, 4000.0f, 843.9999f, {{51}}},
       {"HighMix Freq hz", 50.0f, 6000.0f, 378.0f, {{81}}},
       {"Lowpass Volume", 0.0f, 600.0f, 60.0f, {{63}, {64}}},
       {"Hipass Volume", 0.0f, 600.0f, 300.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Evil Triplets", "Evil Triplets Speech Deconstructor", "12358", 0x0302, 131072,
      {{"DelayMod Depth", 0.0f, 200.0f, 57.6f, {{26}}},
       {"LFO rate Hz", 0.5f, 10.0f, 2.8999999f, {{16}}},
       {"\xA1 InitPhase", 0.0f, 500.0f, 147.0f, {{19}}},
       {"ms Time", 0.0f, 500.0f, 148.5f, {{141}, {21, 0.9919192f}, {51, 0.38518518f}}},
       {"Evilness", 0.0f, 10.0f, 0.0f, {{146}}},
       {"Wet Mix", 0.0f, 270.0f, 133.0f, {{153}, {154}, {63, 2.0f}, {64, 2.0f}, {93, 2.0f}, {94, 2.0f}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Extreme Wow&Flutter", "Extreme Wow & Flutter.", "1238", 0x0302, 524288,
      {{"DelayMod Depth", 0.0f, 200.0f, 75.0f, {{26}}},
       {"Delay Time ms", 0.0f, 250.0f, 38.2f, {{51}}},
       {"Feedback", 0.0f, 50.0f, 23.2f, {{86}}},
       {"LFO Freq", 0.2f, 5.0f, 0.79999995f, {{16}}},
       {"\xA1 InitPhase", 0.0f, 500.0f, 81.0f, {{19}}},
       {"Wet Mix", 0.0f, 600.0f, 262.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"FlangerHell", "Flanger with feedback and echo. ", "123568", 0x0302, 262144,
      {{"LFO on flange", 0.1f, 1.0f, 0.655f, {{16}}},
       {"Delay on flange", 0.0f, 4.0f, 1.852f, {{81}}},
       {"Feedback flange", 0.0f, 106.0f, 105.364f, {{56}, {86}}},
       {"Echo time", 0.0f, 400.0f, 234.4f, {{171}}},
       {"Feedback", 0.0f, 150.0f, 120.0f, {{176}}},
       {"Wet Mix", 0.0f, 400.0f, 180.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"GrittyDelays", "The module adds a gritty, vibrating delay to your sound.", "123458", 0x0302, 262144,
      {{"Lowpass freq hz", 40.0f, 2000.0f, 1231.9999f, {{111}, {51, 0.5f}}},
       {"Short delay ms", 0.0f, 200.0f, 28.8f, {{81}, {141, 2.2307692f}}},
       {"LFO Freq Hz", 0.3f, 4.0f, 2.0f, {{16}}},
       {"DelayMod Depth", 0.0f, 20.0f, 10.0f, {{26}}},
       {"Wet Mix", 0.0f, 267.0f, 133.0f, {{63}, {64}, {123}, {124}, {153}, {154}}},
       {"Dry Mix", 0.0f, 267.0f, 0.0f, {{243}, {244}}}}},
     {"HyPeR WaRp", "WaRpEd  Pitch Shifting & LFO Modulation", "12358", 0x0302, 524288,
      {{"DelayMod Depth", 0.0f, 200.0f, 149.6f, {{26}}},
       {"Delay Time ms", 0.0f, 250.0f, 74.3f, {{51}}},
       {"Feedback", 0.0f, 70.0f, 45.36f, {{86}}},
       {"RingMod Depth", 0.0f, 50.0f, 30.300001f, {{146}}},
       {"LFO Freq Hz", 0.3f, 10.0f, 3.0000002f, {{16}}},
       {"Wet Mix", 0.0f, 333.0f, 187.0f, {{63}, {64}, {93}, {94}, {153, 0.26666668f}, {154, 0.26666668f}}},
       {"Dry Mix", 0.0f, 333.0f, 0.0f, {{243}, {244}}}}},
     {"MultiVox 6", "MultiVox effect using triangle wave and feedback.", "1238", 0x0302, 524288,
      {{"LFO Freq hz", 0.2f, 10.0f, 0.8500001f, {{16}}},
       {"DelayMod Depth", 0.0f, 100.0f, 74.0f, {{26}}},
       {"Delay Time ms", 0.0f, 500.0f, 30.0f, {{81}}},
       {"Feed- Forward", 0.0f, 50.0f, 41.6f, {{56}}},
       {"Feedback", 0.0f, 200.0f, 48.75f, {{86}}},
       {"Wet Mix", 0.0f, 450.0f, 270.0f, {{63}, {64}, {93, 1.2853471f}, {94, 1.2853471f}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"MultiVox Sine", "A MultiVox effect using Sine.", "1238", 0x0302, 262144,
      {{"DelayMod Depth", 0.0f, 100.0f, 47.8f, {{26}}},
       {"Repeat Volume", 0.0f, 50.0f, 33.6f, {{56}}},
       {"Feedback Danger", 0.0f, 100.0f, 92.8f, {{86}}},
       {"LFO Rate Hz", 0.2f, 10.0f, 1.3000001f, {{16}}},
       {"Delay times ms", 0.0f, 200.0f, 40.0f, {{21}, {81, 0.86499995f}}},
       {"Wet Mix", 0.0f, 300.0f, 180.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"PA Effect", "Adjust delay time for faster or slower slap.  Add some feedback if desired.", "1238", 0x0302, 524288,
      {{"Delay time ms", 0.0f, 200.0f, 150.0f, {{51}}},
       {"Distort Power", 1.0f, 2.0f, 1.1f, {{21}}},
       {"Feedback", 0.0f, 100.0f, 10.0f, {{56}}},
       {"FiltFreq Hz", 30.0f, 7000.0f, 2800.0f, {{81}}},
       {"Wet Mix", 0.0f, 300.0f, 180.0f, {{63}, {64}, {93, 1.890411f}, {94, 1.890411f}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Paraboost EQ", "Single Band Parametric Boost EQ", "12", 0x0302, 1,
      {{"Freq Hz", 20.0f, 2000.0f, 1000.0f, {{51}}},
       {"Filter Q Width", 1.0f, 20.0f, 1.0353f, {{52}}},
       {"Wet Mix", 0.0f, 150.0f, 75.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 150.0f, 31.0f, {{33}, {34}}}}},
     {"PTrk -> RM -> DDL", "Ring mod that follows the original pitch.", "12356", 0x0302, 262144,
      {{"PitchTrk Lo Hz", 50.0f, 500.0f, 257.0f, {{21}}},
       {"PitchTrk Hi Hz", 150.0f, 1000.0f, 509.0f, {{22}}},
       {"Tracker Time ms", 20.0f, 500.0f, 251.5f, {{19}}},
       {"LFO Mod Depth", 0.0f, 500.0f, 248.0f, {{26}}},
       {"Wet Mix", 0.0f, 180.0f, 90.0f, {{93}, {183, 0.258f}, {184, 0.258f}, {94}}},
       {"Dry Mix", 0.0f, 180.0f, 90.0f, {{153}, {154}}}}},
     {"Radio Prometheus", "The signal is lowpass filtered to simulate telephone bandwidth.", "12345678", 0x0302, 1,
      {{"HighPass FreqHz", 10.0f, 600.0f, 300.0f, {{201}}},
       {"Distort Power", 0.5f, 1.4f, 0.7f, {{111}}},
       {"LowPass Freq Hz", 50.0f, 12000.0f, 1799.9999f, {{21}, {81, 1.3333334f}, {51, 1.6666666f}, {231, 3.3333333f}}},
       {"Filter Q Slope", 1.0f, 4.0f, 2.0f, {{22}, {52, 0.5f}, {82, 0.75f}, {202, 0.5f}, {232, 0.5f}}},
       {"Wet Mix", 0.0f, 3000.0f, 1700.0f, {{243}, {244}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{183}, {184}}}}},
     {"Ring Worm", "The signal's amplitude envelope modulates a lowpass filter, and there's some ring modulation..", "23678", 0x0302, 1,
      {{"LFO Rate Hz", 0.2f, 100.0f, 5.1f, {{166}}},
       {"Wow Factor", 0.0f, 100.0f, 100.0f, {{56}}},
       {"Wow Freq.", 40.0f, 4000.0f, 2984.0002f, {{81}}},
       {"Wow Q", 1.0f, 10.0f, 4.5f, {{82}}},
       {"Wet Mix", 0.0f, 800.0f, 220.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Spasms", "Saw LFO modulates delay inside a feedback loop, causing distortion, robotic and flanging effects.", "12358", 0x0302, 524288,
      {{"DelayMod Depth", 0.0f, 60.0f, 54.5f, {{26}}},
       {"Delay Time ms", 0.0f, 150.0f, 45.3f, {{51}}},
       {"Feedback", 0.0f, 150.0f, 147.9f, {{86}}},
       {"RingMod Depth", 0.0f, 170.0f, 125.0f, {{146}}},
       {"EnvFol Time ms", 10.0f, 500.0f, 472.0f, {{141}}},
       {"Wet Mix", 0.0f, 150.0f, 75.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Subtle Boings", "Not very subtle boings caused by delay modulating a short delay inside a feedback loop.", "1258", 0x0302, 524288,
      {{"Delay Time ms", 0.0f, 100.0f, 5.8f, {{21}}},
       {"Feedback", 0.0f, 100.0f, 71.9f, {{56}}},
       {"Vibrato Rate Hz", 0.5f, 12.0f, 8.004001f, {{136}}},
       {"Vibrato Depth", 0.0f, 20.0f, 6.26f, {{146}}},
       {"Wet Mix", 0.0f, 300.0f, 135.0f, {{33}, {34}, {63}, {64}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Super Flanger", "Super Flanger", "12358", 0x0302, 262144,
      {{"Feedback", 0.0f, 151.8f, 151.8f, {{86}}},
       {"Feed- forward", 0.0f, 123.3f, 123.3f, {{56}}},
       {"HoldTime ms", 0.0f, 500.0f, 197.0f, {{21}}},
       {"Delay time ms", 0.0f, 20.0f, 5.32f, {{51}, {81, 1.5849055f}}},
       {"DelayMod Depth", 0.0f, 120.0f, 109.6f, {{26}}},
       {"Wet Mix", 0.0f, 150.0f, 45.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"The Blech", "The amplitude envelope of the original sound modulates the noise filter cutoff.", "134", 0x0302, 1,
      {{"Filt Freq Hz", 50.0f, 5000.0f, 2999.9998f, {{111}}},
       {"Filter Q Slope", 1.0f, 10.0f, 1.0f, {{112}}},
       {"EnvFol Time ms", 1.0f, 60.0f, 30.0f, {{81}}},
       {"FiltMod Depth", 0.0f, 100.0f, 100.0f, {{86}}},
       {"Noise Mix", 0.0f, 50.0f, 14.0f, {{123}, {124}}},
       {"Dry Mix", 0.0f, 200.0f, 120.00001f, {{33}, {34}}}}},
     {"The Cauldron", "Very soupy. Great with drum loops.", "1235", 0x0302, 262144,
      {{"Echo Time ms", 120.0f, 130.0f, 125.0f, {{51}}},
       {"Lowpass Freq hz", 550.0f, 560.0f, 556.0f, {{81}}},
       {"Feedback", 660.0f, 681.6f, 681.6f, {{86}}},
       {"Filter LFO hz", 6.0f, 7.0f, 6.4f, {{136}}},
       {"FilterMod Depth", 110.0f, 115.5f, 115.5f, {{146}}},
       {"Wet Mix", 0.0f, 200.0f, 75.0f, {{63}, {93}, {94, 0.8f}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 37.5f, {{33}, {34}}}}},
     {"WeirdChorus", "Lots of pitch-shifting", "1238", 0x0302, 524288,
      {{"LFO Freq  hz", 0.2f, 10.0f, 0.99999994f, {{16}}},
       {"Delay Time ms", 0.0f, 500.0f, 14.0f, {{81}}},
       {"DelayMod Depth", 0.0f, 50.0f, 20.0f, {{26}}},
       {"Feedback", 0.0f, 170.0f, 160.82f, {{86}}},
       {"Wet Mix", 0.0f, 180.0f, 98.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
    },
};

TEST(ThirdPartyPresets, ValuesEasyToGetWrong)
{
    const auto records = categoryRecords(kThirdParty);

    // Dry modules: process kind 0 in thirteen records, No Process in the others.
    for (int record : {0, 1, 2, 3, 4, 5, 6, 12, 13, 14, 15, 18})
        EXPECT_EQ(records[record].processKind[7], 0) << record;
    EXPECT_EQ(records[11].processKind[5], 0);
    for (const auto& [record, module] : {std::pair {7, 7}, {8, 7}, {9, 0}, {10, 4}, {16, 0}, {17, 0}})
        EXPECT_EQ(records[record].processKind[module], ProcessKind::NoProcess) << record;

    // "GrittyDelays" mixes into module 5, which is not in use.
    EXPECT_EQ(records[4].modKind[4][0], ModKind::Mix);
    EXPECT_EQ(records[4].modTarget[4][0], 5);
    EXPECT_EQ(records[4].inUse[5], 0);
    EXPECT_EQ(bitsOf(records[4].modDepth[4][1]), bitsOf(3.072f));

    // "PA Effect" feeds its delay back into itself.
    EXPECT_EQ(records[8].modKind[1][0], ModKind::Mix);
    EXPECT_EQ(records[8].modTarget[1][0], 1);
    EXPECT_EQ(bitsOf(records[8].modDepth[1][0]), bitsOf(0.099999994f));

    // "Radio Prometheus" inverts its distortion power by the envelope.
    EXPECT_EQ(records[11].modKind[4][0], ModKind::PowerMod);
    EXPECT_EQ(records[11].modTarget[4][0], 3);
    EXPECT_EQ(bitsOf(records[11].modDepth[4][0]), 0xBF800000u);
    EXPECT_EQ(bitsOf(records[11].sliderRatio[2][1]), bitsOf(1.3333334f));
    EXPECT_EQ(bitsOf(records[11].sliderRatio[3][2]), bitsOf(0.75f));

    // The tracker of "PTrk -> RM -> DDL".
    EXPECT_EQ(records[10].maxLag[0], 172);
    EXPECT_EQ(records[10].minLag[0], 86);
    EXPECT_EQ(bitsOf(records[10].trackInterval[0]), bitsOf(11091.15f));

    EXPECT_EQ(bitsOf(records[17].modDepth[2][0]), bitsOf(6.8159995f));
    EXPECT_EQ(bitsOf(records[17].phaseOrLfoDepth[4]), bitsOf(0.05235988f));
    EXPECT_EQ(bitsOf(records[15].phaseOrLfoDepth[0]), bitsOf(0.09599311f));
    EXPECT_EQ(bitsOf(records[5].outputGain[4][0]), bitsOf(0.49866667f));
    EXPECT_EQ(bitsOf(records[13].envCoefficient[4]), bitsOf(0.9999667f));
    EXPECT_EQ(records[1].modKind[4][0], ModKind::ModAMod);
    EXPECT_EQ(records[1].octave[0], -3);
    EXPECT_EQ(records[12].note[5], 6);
    EXPECT_EQ(records[12].octave[5], -1);
}
