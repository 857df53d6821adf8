#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kMultitap = {
    "Multitap", 12, 174, buildMultitapPresets, StoredWords::ShownTimes,
    {
     {"Dual WaveVerb", "Dual WaveVerb", "12345678", 0x0302, 0,
      {{"Delay Time ms", 0.0f, 100.0f, 23.0f, {{21}, {51}, {81, 1.3478261f}, {141, 2.3043478f}, {171, 2.3043478f}, {201, 3.173913f}}},
       {"Lowpass Freq Hz", 20.0f, 250.0f, 120.0f, {{111}, {231, 0.6666667f}}},
       {"Lowpass Q", 0.0f, 1.0f, 0.099999994f, {{112}, {232}}},
       {"Output Volume", 0.0f, 600.0f, 300.0f, {{33}, {34}, {153}, {154}, {93}, {94}, {213}, {214}}}}},
     {"EchoVerb", "Dual WaveVerb", "12345678", 0x0302, 0,
      {{"Delay Time ms", 0.0f, 500.0f, 416.0f, {{21}, {51}, {81, 1.3478261f}, {141, 2.3043478f}, {171, 2.3043478f}, {201, 3.173913f}}},
       {"Lowpass Freq Hz", 20.0f, 250.0f, 130.0f, {{111}, {231, 0.6666667f}}},
       {"Lowpass Q", 0.1f, 1.0f, 0.6f, {{112}, {232}}},
       {"Output Volume", 0.0f, 560.0f, 280.0f, {{33}, {34}, {153}, {154}, {93}, {94}, {213}, {214}}}}},
     {"Mandolin Bells", "A narrow granular pulse gates the audio, which is then delayed and looped. Capture Rate controls how often we grab new audio input.", "12378", 0x0302, 0,
      {{"Delay Time ms", 0.05f, 20.0f, 7.0f, {{81}}},
       {"Feedback", 170.0f, 200.0f, 195.85602f, {{86}}},
       {"Boing Freq Hz", 0.03f, 20.0f, 3.28f, {{196}}},
       {"Boing Depth", 0.0f, 40.0f, 4.6396103f, {{206}}},
       {"Capture Rate Hz", 0.0f, 10.0f, 6.0f, {{16}}},
       {"Wet Mix", 0.0f, 450.0f, 150.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Multi-Delay Bell", "Eight outputs are produced, each delayed by an additional Delay Time.  A bell-shaped curve weights the outputs, so the effect fades in and out.", "12345678", 0x0302, 0,
      {{"Delay Time ms", 100.0f, 150.0f, 130.0f, {{51}, {81}, {141}, {171}, {201}, {111}, {231}}},
       {"Wet Mix", 0.0f, 250.0f, 87.5f, {{63}, {64}, {93, 1.6f}, {94, 1.6f}, {123, 2.0f}, {124, 2.0f}, {153, 2.0f}, {154, 2.0f}, {183, 1.6f}, {184, 1.6f}, {213}, {214}, {243, 0.4f}, {244, 0.4f}}},
       {"Dry Mix", 0.0f, 250.0f, 35.0f, {{33}, {34}}}}},
     {"Multitap", "Jittery multi-echo", "12345678", 0x0302, 0,
      {{" Delay Time ms", 0.0f, 200.0f, 100.0f, {{51}, {81, 1.237f}, {111, 1.39f}, {171, 1.05f}, {201, 1.207f}, {231, 1.37f}}},
       {"Feed forward ", 0.0f, 99.0f, 75.0f, {{26}, {56}, {86}, {146}, {176}, {206}}},
       {"Wet Mix", 0.0f, 300.0f, 150.0f, {{64}, {183}, {93}, {214}, {243}, {124}}},
       {"Dry Mix", 0.0f, 300.0f, 150.0f, {{33}, {154}}}}},
     {"BraskVerb", "The dry signal is panned right and the reverb is thrown to the left.", "12345678", 0x0302, 0,
      {{"Delay Time ms", 0.0f, 100.0f, 65.0f, {{21}, {51, 0.7215385f}, {81, 0.7846154f}, {111, 0.8769231f}, {141, 0.94f}, {171, 1.0461539f}}},
       {"Feedback", 0.0f, 100.0f, 90.0f, {{26}, {56, 0.95555556f}, {86, 0.93333334f}, {116, 0.8888889f}, {146, 0.8666667f}, {176, 0.82222223f}, {206, 1.1111112f}}},
       {"Feed- forward", 0.0f, 100.0f, 100.0f, {{29}, {59}, {89}, {119}, {149}, {179, 2.0f}, {209, 2.0f}}},
       {"Lowpass Freq Hz", 20.0f, 4000.0f, 2000.0f, {{201}}},
       {"Wet Mix (Left)", 0.0f, 200.0f, 120.00001f, {{33}}},
       {"Dry Mix (Right)", 0.0f, 200.0f, 60.000004f, {{244}}}}},
     {"PreEchoes 1", "This creates 4 pre-echoes, which are lowpass-filtered  and mixed together with the delayed input signal.", "1235678", 0x0302, 0,
      {{"Delay Time ms", 0.0f, 278.0f, 278.0f, {{171}, {141, 0.7446043f}, {81, 0.4964029f}, {51, 0.24820144f}}},
       {"Echo Depth", 0.0f, 500.0f, 300.0f, {{146}, {86, 0.5f}, {56, 0.25f}, {26, 0.125f}}},
       {"Lowpass Freq Hz", 20.0f, 2000.0f, 1000.0f, {{201}}},
       {"Lowpass Q", 0.0f, 2.0f, 1.0f, {{202}}},
       {"Delayed Mix", 0.0f, 375.0f, 190.0f, {{183}, {184}}},
       {"Wet Mix", 0.0f, 375.0f, 178.0f, {{213}, {214}}},
       {"Dry Mix", 0.0f, 375.0f, 0.0f, {{243}, {244}}}}},
     {"PreEchoes 2", "This creates 4 pre-echoes, which are lowpass-filtered  and mixed together with the delayed input signal.", "1235678", 0x0302, 0,
      {{"Unfiltered Delay ms", 0.0f, 278.0f, 278.0f, {{171}}},
       {"Filtered Delay ms", 0.0f, 232.0f, 116.0f, {{141}, {81, 0.6637931f}, {51, 0.33620688f}}},
       {"Feedfwd", 0.0f, 100.0f, 100.0f, {{89}, {59, 0.5f}, {29, 0.25f}, {146, 2.0f}, {86, 2.0f}, {56, 2.0f}, {26, 2.0f}}},
       {"Lowpass Freq Hz", 20.0f, 4000.0f, 2000.0001f, {{201}}},
       {"Wet Mix", 0.0f, 375.0f, 200.00002f, {{213}, {214}}},
       {"Delayed Mix", 0.0f, 375.0f, 158.0f, {{183}, {184}}},
       {"Dry Mix", 0.0f, 375.0f, 0.0f, {{243}, {244}}}}},
     {"PreEchoes 3", "Eight outputs are each delayed by an additional  factor of the Golden Mean. Inter-stage gain controls whether echoes are amplified or attenuated.", "12345678", 0x0302, 0,
      {{"ms Delay", 0.0f, 500.0f, 250.0f, {{51}, {81, 0.61803395f}, {111, 0.38196605f}, {141, 0.23606798f}, {171, 0.14589801f}, {201, 0.09016994f}, {231, 0.05572809f}}},
       {"Inter-stage gain", 0.0f, 161.8034f, 125.00001f, {{26}, {56}, {86}, {116}, {146}, {176}, {206}}},
       {"Wet Mix", 0.0f, 120.0f, 60.0f, {{63}, {64}, {93}, {94}, {123}, {124}, {153}, {154}, {183}, {184}, {213}, {214}, {243}, {244}}},
       {"Dry Mix", 0.0f, 120.0f, 60.0f, {{33}, {34}}}}},
     {"ShroedVerb 1", "Metallic 'verb. 6 comb filters + an all-pass diffusion filter", "12345678", 0x0302, 0,
      {{"Delay Time ms", 0.0f, 500.0f, 150.0f, {{21}, {51, 1.117647f}, {81, 1.1960784f}, {111, 1.3137255f}, {141, 1.3921568f}, {171, 1.5294118f}}},
       {"Feedback", 0.0f, 80.0f, 80.0f, {{26}, {56, 0.95555556f}, {86, 0.93333334f}, {116, 0.8888889f}, {146, 0.8666667f}, {176, 0.82222223f}}},
       {"Feed- forward", 0.0f, 500.0f, 500.0f, {{29}, {59}, {89}, {149}, {179}, {119}}},
       {"Output Volume", 0.0f, 70.0f, 50.0f, {{243}, {244}, {213, -1.4f}, {214, -1.4f}}}}},
     {"ShroedVerb 2", "Interestingly colored 'verb. 6 comb filters + an all-pass diffusion filter.", "12345678", 0x0302, 0,
      {{"Delay Time ms", 0.0f, 500.0f, 51.0f, {{21}, {51, 1.1156862f}, {81, 1.1960784f}, {111, 1.3137255f}, {141, 1.3941176f}, {171, 1.5294118f}}},
       {"Feedback", 0.0f, 100.0f, 90.0f, {{26}, {56, 0.95555556f}, {86, 0.93333334f}, {146, 0.8666667f}, {176, 0.82222223f}, {116, 0.8888889f}}},
       {"Feed- forward", 0.0f, 100.0f, 100.0f, {{29}, {59}, {89}, {149}, {119}}},
       {"Output Volume", 0.0f, 200.0f, 120.00001f, {{243}, {244}, {213, -1.3728571f}, {214, -1.3728571f}}}}},
     {"Train Station", "Multitap delay with a lowpass filter in the feedback loop.", "12345678", 0x0302, 0,
      {{"Lowpass Freq hz", 100.0f, 4000.0f, 2000.0f, {{111}, {51, 0.5f}}},
       {"Short Delay ms", 5.0f, 58.0f, 13.003f, {{81}, {141, 2.2307692f}}},
       {"Long Delay ms", 10.0f, 242.0f, 121.0f, {{231}, {201, 0.8016529f}, {171, 0.6859504f}}},
       {"Feedback", 0.0f, 250.0f, 250.0f, {{179}, {149, 1.2f}, {236}}},
       {"Output Volume", 0.0f, 600.0f, 325.0f, {{63}, {94}, {153}, {184}, {214}, {243}, {123}, {124}}}}},
     {"Verb 1", "Simple, limited reverb.", "1234567", 0x0302, 0,
      {{"Short Time ms", 0.0f, 100.0f, 7.0f, {{51}, {81, 1.8571428f}}},
       {"Long Time ms", 0.0f, 100.0f, 29.0f, {{171}, {141, 0.5862069f}, {201, 1.4827586f}}},
       {"Feedback", 0.0f, 200.0f, 100.0f, {{59}, {89}, {149}, {179}, {209}}},
       {"Wet Mix", 0.0f, 300.0f, 150.0f, {{63}, {94}, {153}, {184}, {213}, {214}}},
       {"Dry Mix", 0.0f, 300.0f, 150.0f, {{123}, {124}}}}},
     {"Verb 2", "Simple, limited reverb.", "12345678", 0x0302, 0,
      {{"Short Time ms", 0.0f, 50.0f, 13.0f, {{51}, {81, 1.7692307f}}},
       {"Long Time ms", 0.0f, 50.0f, 31.0f, {{141}, {171, 1.516129f}, {201, 1.9032258f}, {231, 2.3548386f}}},
       {"Feedback", 0.0f, 200.0f, 100.0f, {{59}, {89}, {149}, {179}, {209}, {236}, {239}}},
       {"Wet Mix", 0.0f, 300.0f, 160.00002f, {{63}, {94}, {153}, {184}, {214}, {243}}},
       {"Dry Mix", 0.0f, 300.0f, 160.00002f, {{123}, {124}}}}},
     {"WaveVerb", "Slightly metallic 'verb. ", "12345678", 0x0302, 0,
      {{"Delay Time ms", 0.0f, 166.0f, 31.0f, {{81}, {111, 1.548387f}, {141, 2.6774194f}, {171, 2.1290324f}, {231, 0.5483871f}}},
       {"Lowpass Freq Hz", 20.0f, 200.0f, 100.0f, {{201}}},
       {"Lowpass Q", 0.0f, 0.19999999f, 0.099999994f, {{202}}},
       {"Mix 1", 0.0f, 600.0f, 300.0f, {{33}, {34}}},
       {"Mix 2", 0.0f, 600.0f, 300.0f, {{243}, {244}}}}},
    },
    {},
    // "EchoVerb" and "ShroedVerb 1" store delay times and depths that their sliders replace.
    {
        "EchoVerb module 5 processTime",
        "EchoVerb module 6 processTime",
        "EchoVerb module 7 processTime",
        "ShroedVerb 1 module 2 slot A depth",
        "ShroedVerb 1 module 2 processTime",
        "ShroedVerb 1 module 2 mainValue",
        "ShroedVerb 1 module 3 slot A depth",
        "ShroedVerb 1 module 3 processTime",
        "ShroedVerb 1 module 3 mainValue",
        "ShroedVerb 1 module 4 slot A depth",
        "ShroedVerb 1 module 4 processTime",
        "ShroedVerb 1 module 4 mainValue",
        "ShroedVerb 1 module 5 slot A depth",
        "ShroedVerb 1 module 5 processTime",
        "ShroedVerb 1 module 5 mainValue",
        "ShroedVerb 1 module 6 slot A depth",
        "ShroedVerb 1 module 6 processTime",
        "ShroedVerb 1 module 6 mainValue",
    },
};

TEST(MultitapPresets, ModuleRowsKeepTheirExactValues)
{
    const auto bank = buildCategory(kMultitap, kMultitap.first);

    EXPECT_SAME_FLOAT(bank[174].processTime[0], 1014.3001f);
    EXPECT_SAME_FLOAT(bank[174].filterQ[3], 0.099999994f);
    EXPECT_EQ(bank[174].oscKind[7], OscKind::StereoIn);

    const OrvPreset& echoVerb = bank[175];
    EXPECT_SAME_FLOAT(echoVerb.mainValue[2], 560.6957f);
    EXPECT_SAME_FLOAT(echoVerb.processTime[2], 24726.682f);
    for (int module : {4, 5, 6})
        EXPECT_SAME_FLOAT(echoVerb.processTime[module], 31744.0f);
    EXPECT_SAME_FLOAT(echoVerb.mainValue[6], 1320.3478f);
    EXPECT_SAME_FLOAT(echoVerb.mainValue[7], 86.66667f);

    const OrvPreset& mandolin = bank[176];
    EXPECT_EQ(mandolin.freqMode[0], FreqMode::Hz);
    EXPECT_EQ(mandolin.sliderFreqMode[0], FreqMode::Tempo);
    EXPECT_SAME_FLOAT(mandolin.phaseOrLfoDepth[0], 1.5707964f); // 90 degrees
    EXPECT_SAME_FLOAT(mandolin.exponent[0], -50.0f);
    EXPECT_EQ(mandolin.modKind[0][0], ModKind::RingMod);
    EXPECT_EQ(mandolin.modTarget[2][0], 2);
    EXPECT_SAME_FLOAT(mandolin.modDepth[2][0], 1.9585601f);
    EXPECT_SAME_FLOAT(mandolin.modDepth[6][0], 0.046396103f);
    EXPECT_EQ(mandolin.outputOn[6][0], 0);
    EXPECT_SAME_FLOAT(mandolin.outputGain[6][0], 0.0f);

    EXPECT_SAME_FLOAT(bank[177].outputGain[1][0], 0.875f);
    EXPECT_SAME_FLOAT(bank[177].processTime[7], 5733.0005f);

    const OrvPreset& multitap = bank[178];
    EXPECT_EQ(multitap.oscKind[0], OscKind::LeftIn);
    EXPECT_EQ(multitap.oscKind[4], OscKind::RightIn);
    EXPECT_EQ(multitap.outputOn[0][1], 0);
    EXPECT_SAME_FLOAT(multitap.outputGain[0][1], 1.0f);
    EXPECT_SAME_FLOAT(multitap.mainValue[5], 104.99999f);
    EXPECT_SAME_FLOAT(multitap.processTime[6], 5322.8706f);

    const OrvPreset& braskVerb = bank[179];
    EXPECT_EQ(braskVerb.modTarget[0][0], 0);
    EXPECT_SAME_FLOAT(braskVerb.modDepth[1][0], 0.85999995f);
    EXPECT_SAME_FLOAT(braskVerb.outputGain[1][0], -0.7f);
    EXPECT_EQ(braskVerb.outputOn[6][0], 0);
    EXPECT_SAME_FLOAT(braskVerb.outputGain[6][0], -2.7459998f);
    EXPECT_SAME_FLOAT(braskVerb.outputGain[6][1], 7.0f);
    EXPECT_EQ(braskVerb.processKind[7], ProcessKind::NoProcess);

    EXPECT_SAME_FLOAT(bank[180].outputGain[0][0], 0.188f);
    EXPECT_SAME_FLOAT(bank[181].outputGain[5][1], 1.5799999f);

    const OrvPreset& preEchoes3 = bank[182];
    EXPECT_SAME_FLOAT(preEchoes3.mainValue[2], 154.50848f);
    EXPECT_SAME_FLOAT(preEchoes3.processTime[2], 6813.824f);
    EXPECT_SAME_FLOAT(preEchoes3.outputGain[7][0], 0.59999996f);

    const OrvPreset& shroedVerb1 = bank[183];
    EXPECT_SAME_FLOAT(shroedVerb1.processTime[0], 6615.0005f);
    for (int module = 1; module <= 5; ++module)
        EXPECT_SAME_FLOAT(shroedVerb1.processTime[module], 7015.0f);
    EXPECT_SAME_FLOAT(shroedVerb1.mainValue[1], 167.6f);
    EXPECT_SAME_FLOAT(shroedVerb1.modDepth[3][0], 0.71099997f);
    EXPECT_SAME_FLOAT(shroedVerb1.outputGain[6][0], -0.7f);

    EXPECT_SAME_FLOAT(bank[184].outputGain[6][1], -1.6474285f);
    EXPECT_SAME_FLOAT(bank[185].processTime[2], 573.4324f);
    EXPECT_SAME_FLOAT(bank[185].mainValue[4], 29.006691f);
    EXPECT_SAME_FLOAT(bank[187].outputGain[1][0], 1.6000001f);
    EXPECT_SAME_FLOAT(bank[188].filterQ[6], 0.099999994f);
}
