#include <gtest/gtest.h>

#include <cmath>

#include "FactoryRecordChecks.h"

const FactoryCategory kFlanger = {
    "Flanger", 7, 121, buildFlangerPresets, StoredWords::ShownTimes,
    {
     {"Allpass PseudoPhaser", "Allpass PseudoPhaser", "1234568", 0x0302, 0,
      {{"Allpass Coeff", 0.0f, 300.0f, 270.0f, {{26}, {56}, {146, -1.0f}, {176, -1.0f}}},
       {"Feed forward", 0.0f, 200.0f, 200.0f, {{86}}},
       {"Feedback", 150.0f, 290.0f, 210.0f, {{116}}},
       {"Allpass Delay ms", 0.0f, 20.0f, 18.0f, {{141}, {171, 1.2222223f}}},
       {"Delay Mod Depth", 0.0f, 40.0f, 16.0f, {{236}, {239}}},
       {"Wet Mix", 0.0f, 80.0f, 40.0f, {{123}, {124}}},
       {"Dry Mix", 0.0f, 100.0f, 0.0f, {{93}, {94}}}}},
     {"Double Bifurcated Sprocket Fl.", "Two parallel flangers with the same modulation rate and depth, but different delay times.", "123678", 0x0302, 0,
      {{"LFO Rate BPM", 4.0f, 60.0f, 16.0f, {{16}}},
       {"Delay Mod", 0.0f, 100.0f, 95.0f, {{26}, {29}}},
       {"1st Delay Time ms", 0.1f, 5.0f, 1.5f, {{81}}},
       {"2nd Delay Time ms", 0.1f, 5.0f, 3.0000002f, {{201}}},
       {"Flange Depth", 0.0f, 100.0f, 70.0f, {{56}, {86}, {176}, {206}}},
       {"Wet Mix", 0.0f, 750.0f, 405.00003f, {{183}, {184}, {213}, {214}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Echo + Flange", "Echo followed by Flanger.", "123568", 0x0302, 0,
      {{"Flange LFO  hz", 0.02f, 1.0f, 0.29999986f, {{16}}},
       {"Flange Delay ms", 0.0f, 4.0f, 1.5f, {{81}}},
       {"Flange Feedback", 0.0f, 135.0f, 90.0f, {{56}, {86}}},
       {"Echo Time ms", 0.0f, 400.0f, 200.0f, {{171}}},
       {"Echo Feedback", 0.0f, 150.0f, 100.05f, {{176}}},
       {"Wet Mix", 0.0f, 500.0f, 280.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"EnvFol->ExtremeFlangeEcho", "Envelope Follower modulates extreme flanger plus echo.", "123568", 0x0302, 0,
      {{"Flange Delay ms", 0.0f, 30.0f, 15.0f, {{81}}},
       {"Flange Feedback", 0.0f, 140.0f, 138.0f, {{56}, {86}}},
       {"Echo Time ms", 0.0f, 400.0f, 200.0f, {{171}}},
       {"Echo Feedback", 0.0f, 200.0f, 198.0f, {{176}}},
       {"Wet Mix", 0.0f, 120.0f, 50.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Extreme Flange + Echo", "Flanger with extreme feedback, plus echo.", "123568", 0x0302, 0,
      {{"Flange LFO  hz", 0.03f, 1.0f, 0.39999998f, {{16}}},
       {"Flange Delay ms", 0.0f, 4.0f, 1.5f, {{81}}},
       {"Flange Feedback", 0.0f, 136.0f, 135.0f, {{56}, {86}}},
       {"Echo Time ms", 0.0f, 400.0f, 200.0f, {{171}}},
       {"Echo Feedback", 0.0f, 250.0f, 200.0f, {{176}}},
       {"Wet Mix", 0.0f, 50.0f, 24.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Extreme Flange + Echo Expl.", "Pitch Shift Flanger with extreme feedback, plus echo explosions.", "123568", 0x0302, 0,
      {{"Flange LFO  hz", 0.03f, 1.0f, 0.39999998f, {{16}}},
       {"Flange Delay ms", 0.0f, 557.0f, 278.5f, {{81}}},
       {"Flange Feedback", 0.0f, 130.0f, 120.0f, {{56}, {86}}},
       {"Echo Time ms", 0.0f, 400.0f, 200.0f, {{171}}},
       {"Echo Feedback", 0.0f, 250.0f, 200.0f, {{176}}},
       {"Wet Mix", 0.0f, 300.0f, 110.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Flange + Echo", "Flanger plus echo.", "123568", 0x0302, 0,
      {{"Flange LFO  hz", 0.03f, 1.0f, 0.39999998f, {{16}}},
       {"Flange Delay ms", 0.0f, 4.0f, 1.5f, {{81}}},
       {"Flange Feedback", 0.0f, 120.0f, 100.0f, {{56}, {86}}},
       {"Echo Time ms", 0.0f, 400.0f, 200.0f, {{171}}},
       {"Echo Feedback", 0.0f, 250.0f, 200.0f, {{176}}},
       {"Wet Mix", 0.0f, 300.0f, 160.00002f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Flange + Echo 2", "Flanger plus echo.", "123568", 0x0302, 0,
      {{"Flange LFO  hz", 0.03f, 1.0f, 0.15f, {{16}}},
       {"Flange Delay ms", 0.01f, 4.0f, 1.5f, {{81}}},
       {"Flange Feedback", 0.0f, 120.0f, 100.0f, {{56}, {86}}},
       {"Echo Time ms", 0.0f, 1000.0f, 600.0f, {{171}}},
       {"Echo Feedback", 0.0f, 250.0f, 150.0f, {{176}}},
       {"Wet Mix", 0.0f, 400.0f, 200.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Flange 1", "Simple flanger ", "123", 0x0302, 0,
      {{"Flange LFO  hz", 0.03f, 1.0f, 0.39999998f, {{16}}},
       {"Flange Delay ms", 0.0f, 4.0f, 1.5f, {{81}}},
       {"Delay Mod", 0.0f, 100.0f, 90.0f, {{26}}},
       {"Feedback", 0.0f, 100.0f, 90.0f, {{56}, {86}}},
       {"Wet Mix", 0.0f, 200.0f, 100.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 100.0f, {{63}, {64}}}}},
     {"Flange 2", "Another simple flanger.", "1238", 0x0302, 0,
      {{"Flange Rate hz", 0.03f, 1.0f, 0.19999999f, {{16}}},
       {"Mod Depth", 0.0f, 100.0f, 90.0f, {{26}}},
       {"Feedback", 0.0f, 100.0f, 33.0f, {{86}}},
       {"Delay Time ms", 0.0f, 6.0f, 3.0f, {{81}}},
       {"Wet Mix", 0.0f, 360.0f, 180.0f, {{93}, {94}, {63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"FlangeVerb", "Flanger feeds a series of 3 interconnected delays  for a reverberant flange effect.", "123567", 0x0302, 0,
      {{"Flange Rate hz", 0.03f, 1.0f, 0.29999998f, {{16}}},
       {"Flange Depth", 0.0f, 100.0f, 95.0f, {{26}}},
       {"Short Delay ms", 0.0f, 10.0f, 3.0f, {{81}}},
       {"Long Delay ms", 0.0f, 100.0f, 61.0f, {{171}, {141, 1.2295082f}, {201, 1.295082f}}},
       {"Wet Mix", 0.0f, 400.0f, 200.0f, {{93}, {94}, {153}, {154}, {183}, {184}, {213}, {214}}},
       {"Dry Mix", 0.0f, 400.0f, 200.0f, {{63}, {64}}}}},
     {"Ned Flangers", "Self-modulating flanger, in which the envelope of the signal  is used to modulate the flanger delay time. ", "2358", 0x0302, 0,
      {{"DelayMod Depth", 0.0f, 100.0f, 80.0f, {{146}}},
       {"Feedback", 0.0f, 175.0f, 65.0f, {{86}}},
       {"Delay Time ms", 0.0f, 4.0f, 2.0f, {{81}}},
       {"EnvFol Time ms", 5.0f, 120.0f, 60.0f, {{141}}},
       {"Wet Mix", 0.0f, 225.0f, 165.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Random Flange", "A low-pass filtered noise is used to modulate the flanger delay time. ", "2358", 0x0302, 0,
      {{"Noise Cutoff Hz", 0.03f, 2.0f, 0.2f, {{141}}},
       {"Filter Q Slope", 0.2f, 5.0f, 3.0f, {{142}}},
       {"DelayMod Depth", 0.0f, 10000.0f, 8000.0f, {{146}}},
       {"Feedback", 0.0f, 175.0f, 90.00001f, {{86}}},
       {"Delay Time ms", 0.0f, 5.0f, 3.5f, {{81}}},
       {"Wet Mix", 0.0f, 300.0f, 135.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Submarine", "Flanger feeds a series of 3 interconnected delays for a reverberant metallic underwater sound. Adjust Flange Time for different effects.", "123567", 0x0302, 0,
      {{"Flange Rate hz", 0.03f, 2.0f, 0.7f, {{16}}},
       {"Flange Time ms", 0.0f, 10.0f, 5.0f, {{81}}},
       {"Delay Time ms", 0.0f, 122.0f, 61.0f, {{171}, {141, 1.2295082f}, {201, 1.295082f}}},
       {"Feedback", -175.0f, 0.0f, -175.0f, {{86}, {146}, {176}, {206}}},
       {"Wet Mix", 0.0f, 250.0f, 100.0f, {{93}, {94}, {153}, {154}, {183}, {184}, {213}, {214}}},
       {"Dry Mix", 0.0f, 250.0f, 100.0f, {{63}, {64}}}}},
     {"Tape Flange", "Gentle tape flange.  Use for vocals, etc.", "123", 0x0302, 0,
      {{"Flange Rate hz", 0.03f, 1.0f, 0.39999998f, {{16}}},
       {"Mod Depth", 0.0f, 100.0f, 50.0f, {{26}}},
       {"Feedback", -100.0f, 0.0f, -24.0f, {{86}}},
       {"Delay Time ms", 0.0f, 10.0f, 3.0f, {{81}}},
       {"Wet Mix", 0.0f, 300.0f, 140.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 300.0f, 140.0f, {{63}, {64}}}}},
     {"Thru-Zero Flange", "Through-zero tape flange. Depth & delay time vary pitch, Feedback varies sharpness.", "12568", 0x0302, 0,
      {{"LFO rate hz", 0.03f, 1.0f, 0.30000004f, {{46}}},
       {"DelayMod Depth", 0.0f, 100.0f, 50.0f, {{56}}},
       {"Delay time ms", 0.0f, 10.0f, 3.0f, {{141}, {171}}},
       {"Feedback", 0.0f, 100.0f, 50.0f, {{146}, {176}}},
       {"Wet Mix", 0.0f, 600.0f, 300.0f, {{153}, {154}, {183}, {184}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Vocal Flange", "Double flange for vocals", "1235678", 0x0302, 0,
      {{"LFO 1 hz", 0.03f, 1.0f, 0.7f, {{16}}},
       {"LFO 2 hz", -1.0f, -0.03f, -0.39999995f, {{136}}},
       {"DelayMod Depth", 0.0f, 100.0f, 60.000004f, {{26}, {146, 0.56666666f}}},
       {"Feedback", 0.0f, 100.0f, 45.0f, {{86}, {206}}},
       {"Delay Time ms", 0.0f, 20.0f, 6.0f, {{81}, {201}}},
       {"Wet Mix", 0.0f, 750.0f, 360.0f, {{183}, {184}, {213}, {214}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"XFlange", "Pitch Shift Flanger with extreme feedback, plus echo explosions.", "123568", 0x0302, 0,
      {{"Flange LFO  hz", 0.03f, 1.0f, 0.5400001f, {{16}}},
       {"Flange Delay ms", 0.0f, 557.0f, 400.0f, {{81}}},
       {"Flange Feedback", 0.0f, 130.0f, 120.0f, {{56}, {86}}},
       {"Echo Time ms", 0.0f, 400.0f, 377.0f, {{171}}},
       {"Echo Feedback", 0.0f, 250.0f, 200.0f, {{176}}},
       {"Wet Mix", 0.0f, 200.0f, 90.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"2 to 1 Flange", "The left channel flanges at twice the rate of the right channel.", "1235678", 0x0302, 0,
      {{"LFlange Rate hz", 0.03f, 1.0f, 0.6f, {{16}}},
       {"RFlange Rate hz", 0.03f, 1.0f, 0.30000004f, {{136}}},
       {"Flange Depth", 0.0f, 100.0f, 50.0f, {{26}, {146}}},
       {"Feedback", 0.0f, 150.0f, 125.0f, {{86}, {206}}},
       {"Wet Mix", 0.0f, 300.0f, 112.0f, {{63}, {93}, {184}, {214}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
    },
};

TEST(FlangerPresets, ModuleRowsKeepTheirExactValues)
{
    const auto bank = buildCategory(kFlanger, kFlanger.first);

    const OrvPreset& allpass = bank[121];
    EXPECT_SAME_FLOAT(allpass.modDepth[0][0], 2.7f);
    EXPECT_SAME_FLOAT(allpass.modDepth[4][0], -2.7f);
    EXPECT_EQ(allpass.modTarget[4][0], 0);
    EXPECT_EQ(allpass.modTarget[5][1], 3);
    EXPECT_SAME_FLOAT(allpass.mainValue[5], 22.000002f);
    EXPECT_SAME_FLOAT(allpass.processTime[5], 970.20013f);
    EXPECT_EQ(allpass.outputOn[2][0], 1);
    EXPECT_SAME_FLOAT(allpass.outputGain[2][0], 0.0f);
    EXPECT_SAME_FLOAT(allpass.outputGain[3][1], 0.39999998f);
    EXPECT_EQ(allpass.oscKind[7], OscKind::Sine);
    EXPECT_EQ(allpass.modKind[7][1], ModKind::DelayMod);

    const OrvPreset& sprocket = bank[122];
    EXPECT_EQ(sprocket.freqMode[0], FreqMode::Bpm);
    EXPECT_EQ(sprocket.sliderFreqMode[0], FreqMode::Bpm);
    EXPECT_SAME_FLOAT(sprocket.oscFrequency[0], 0.26666668f);
    EXPECT_SAME_FLOAT(sprocket.processTime[6], 132.30002f);
    EXPECT_SAME_FLOAT(sprocket.outputGain[6][1], 4.05f);

    const OrvPreset& envelopeFlange = bank[124];
    EXPECT_EQ(envelopeFlange.processKind[0], ProcessKind::EnvFollow);
    EXPECT_SAME_FLOAT(envelopeFlange.mainValue[0], 30.0f);
    EXPECT_SAME_FLOAT(envelopeFlange.processTime[0], 1323.0f);
    EXPECT_SAME_FLOAT(envelopeFlange.envThreshold[0], 0.0f);
    EXPECT_SAME_FLOAT(envelopeFlange.envCoefficient[0], float(std::pow(0.5, 1.0 / 1323.0)));
    EXPECT_SAME_FLOAT(envelopeFlange.modDepth[5][0], 1.9799999f);
    EXPECT_EQ(envelopeFlange.oscKind[7], OscKind::StereoIn);
    EXPECT_EQ(envelopeFlange.processKind[7], 0);

    EXPECT_SAME_FLOAT(bank[123].modDepth[5][0], 1.0005f);
    EXPECT_SAME_FLOAT(bank[126].processTime[2], 12281.851f);
    EXPECT_SAME_FLOAT(bank[127].outputGain[4][0], 1.6000001f);

    const OrvPreset& nedFlangers = bank[132];
    EXPECT_EQ(nedFlangers.inUse[0], 0);
    EXPECT_SAME_FLOAT(nedFlangers.modDepth[4][0], 0.79999995f);
    EXPECT_SAME_FLOAT(nedFlangers.processTime[4], 2646.0f);
    EXPECT_SAME_FLOAT(nedFlangers.envCoefficient[4], float(std::pow(0.5, 1.0 / 2646.0)));

    const OrvPreset& randomFlange = bank[133];
    EXPECT_EQ(randomFlange.inUse[0], 0);
    EXPECT_EQ(randomFlange.oscKind[4], OscKind::Noise);
    EXPECT_EQ(randomFlange.freqMode[4], 0); // noise has no frequency to show
    EXPECT_EQ(randomFlange.processKind[4], ProcessKind::LowPass);
    EXPECT_SAME_FLOAT(randomFlange.mainValue[4], 0.2f);
    EXPECT_SAME_FLOAT(randomFlange.filterQ[4], 3.0f);
    EXPECT_SAME_FLOAT(randomFlange.modDepth[4][0], 80.0f);
    EXPECT_SAME_FLOAT(randomFlange.modDepth[2][0], 0.90000004f);

    const OrvPreset& submarine = bank[134];
    for (int module : {2, 4, 5, 6}) {
        EXPECT_EQ(submarine.modTarget[module][0], module);
        EXPECT_SAME_FLOAT(submarine.modDepth[module][0], -1.75f);
    }
    EXPECT_EQ(submarine.modTarget[6][1], 3);
    EXPECT_EQ(submarine.inUse[3], 0);

    EXPECT_SAME_FLOAT(bank[135].modDepth[2][0], -0.24f);

    const OrvPreset& vocalFlange = bank[137];
    EXPECT_EQ(vocalFlange.oscKind[0], OscKind::Triangle);
    EXPECT_SAME_FLOAT(vocalFlange.oscFrequency[4], -0.39999995f);
    EXPECT_SAME_FLOAT(vocalFlange.modDepth[4][0], 0.34000003f);

    const OrvPreset& xFlange = bank[138];
    EXPECT_EQ(xFlange.processKind[0], ProcessKind::RaiseToPwr);
    EXPECT_SAME_FLOAT(xFlange.exponent[0], 0.1f);
    EXPECT_SAME_FLOAT(xFlange.processTime[5], 16625.7f);

    const OrvPreset& twoToOne = bank[139];
    EXPECT_EQ(twoToOne.oscKind[1], OscKind::LeftIn);
    EXPECT_EQ(twoToOne.oscKind[5], OscKind::RightIn);
    EXPECT_EQ(twoToOne.outputOn[1][0], 1);
    EXPECT_SAME_FLOAT(twoToOne.outputGain[1][0], 1.12f);
    EXPECT_EQ(twoToOne.outputOn[1][1], 0);
    EXPECT_SAME_FLOAT(twoToOne.outputGain[1][1], 1.0f);
}
