#include "FactoryProgramChecks.h"

namespace {

constexpr int kFirst = 174;
constexpr int kCount = 15;
constexpr int kEchoVerb = 175;
constexpr int kShroedVerb1 = 183;

const ProgramExpectation kMultitapPrograms[kCount] = {
    {"Dual WaveVerb",
     "Dual WaveVerb",
     "12345678",
     {
         {"Delay Time ms", 0, 100, 23, {{21, 1}, {51, 1}, {81, 1.3478261f}, {141, 2.3043478f}, {171, 2.3043478f}, {201, 3.173913f}}},
         {"Lowpass Freq Hz", 20, 250, 120, {{111, 1}, {231, 0.6666667f}}},
         {"Lowpass Q", 0, 1, 0.099999994f, {{112, 1}, {232, 1}}},
         {"Output Volume", 0, 600, 300, {{33, 1}, {34, 1}, {153, 1}, {154, 1}, {93, 1}, {94, 1}, {213, 1}, {214, 1}}},
     }},
    {"EchoVerb",
     "Dual WaveVerb",
     "12345678",
     {
         {"Delay Time ms", 0, 500, 416, {{21, 1}, {51, 1}, {81, 1.3478261f}, {141, 2.3043478f}, {171, 2.3043478f}, {201, 3.173913f}}},
         {"Lowpass Freq Hz", 20, 250, 130, {{111, 1}, {231, 0.6666667f}}},
         {"Lowpass Q", 0.1f, 1, 0.6f, {{112, 1}, {232, 1}}},
         {"Output Volume", 0, 560, 280, {{33, 1}, {34, 1}, {153, 1}, {154, 1}, {93, 1}, {94, 1}, {213, 1}, {214, 1}}},
     }},
    {"Mandolin Bells",
     "A narrow granular pulse gates the audio, which is then delayed and looped. Capture Rate controls how often we grab new audio input.",
     "12378",
     {
         {"Delay Time ms", 0.05f, 20, 7, {{81, 1}}},
         {"Feedback", 170, 200, 195.85602f, {{86, 1}}},
         {"Boing Freq Hz", 0.03f, 20, 3.28f, {{196, 1}}},
         {"Boing Depth", 0, 40, 4.6396103f, {{206, 1}}},
         {"Capture Rate Hz", 0, 10, 6, {{16, 1}}},
         {"Wet Mix", 0, 450, 150, {{63, 1}, {64, 1}, {93, 1}, {94, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Multi-Delay Bell",
     "Eight outputs are produced, each delayed by an additional Delay Time.  A bell-shaped curve weights the outputs, so the effect fades in and out.",
     "12345678",
     {
         {"Delay Time ms", 100, 150, 130, {{51, 1}, {81, 1}, {141, 1}, {171, 1}, {201, 1}, {111, 1}, {231, 1}}},
         {"Wet Mix", 0, 250, 87.5f, {{63, 1}, {64, 1}, {93, 1.6f}, {94, 1.6f}, {123, 2}, {124, 2}, {153, 2}, {154, 2}, {183, 1.6f}, {184, 1.6f}, {213, 1}, {214, 1}, {243, 0.4f}, {244, 0.4f}}},
         {"Dry Mix", 0, 250, 35, {{33, 1}, {34, 1}}},
     }},
    {"Multitap",
     "Jittery multi-echo",
     "12345678",
     {
         {" Delay Time ms", 0, 200, 100, {{51, 1}, {81, 1.237f}, {111, 1.39f}, {171, 1.05f}, {201, 1.207f}, {231, 1.37f}}},
         {"Feed forward ", 0, 99, 75, {{26, 1}, {56, 1}, {86, 1}, {146, 1}, {176, 1}, {206, 1}}},
         {"Wet Mix", 0, 300, 150, {{64, 1}, {183, 1}, {93, 1}, {214, 1}, {243, 1}, {124, 1}}},
         {"Dry Mix", 0, 300, 150, {{33, 1}, {154, 1}}},
     }},
    {"BraskVerb",
     "The dry signal is panned right and the reverb is thrown to the left.",
     "12345678",
     {
         {"Delay Time ms", 0, 100, 65, {{21, 1}, {51, 0.7215385f}, {81, 0.7846154f}, {111, 0.8769231f}, {141, 0.94f}, {171, 1.0461539f}}},
         {"Feedback", 0, 100, 90, {{26, 1}, {56, 0.95555556f}, {86, 0.93333334f}, {116, 0.8888889f}, {146, 0.8666667f}, {176, 0.82222223f}, {206, 1.1111112f}}},
         {"Feed- forward", 0, 100, 100, {{29, 1}, {59, 1}, {89, 1}, {119, 1}, {149, 1}, {179, 2}, {209, 2}}},
         {"Lowpass Freq Hz", 20, 4000, 2000, {{201, 1}}},
         {"Wet Mix (Left)", 0, 200, 120.00001f, {{33, 1}}},
         {"Dry Mix (Right)", 0, 200, 60.000004f, {{244, 1}}},
     }},
    {"PreEchoes 1",
     "This creates 4 pre-echoes, which are lowpass-filtered  and mixed together with the delayed input signal.",
     "1235678",
     {
         {"Delay Time ms", 0, 278, 278, {{171, 1}, {141, 0.7446043f}, {81, 0.4964029f}, {51, 0.24820144f}}},
         {"Echo Depth", 0, 500, 300, {{146, 1}, {86, 0.5f}, {56, 0.25f}, {26, 0.125f}}},
         {"Lowpass Freq Hz", 20, 2000, 1000, {{201, 1}}},
         {"Lowpass Q", 0, 2, 1, {{202, 1}}},
         {"Delayed Mix", 0, 375, 190, {{183, 1}, {184, 1}}},
         {"Wet Mix", 0, 375, 178, {{213, 1}, {214, 1}}},
         {"Dry Mix", 0, 375, 0, {{243, 1}, {244, 1}}},
     }},
    {"PreEchoes 2",
     "This creates 4 pre-echoes, which are lowpass-filtered  and mixed together with the delayed input signal.",
     "1235678",
     {
         {"Unfiltered Delay ms", 0, 278, 278, {{171, 1}}},
         {"Filtered Delay ms", 0, 232, 116, {{141, 1}, {81, 0.6637931f}, {51, 0.33620688f}}},
         {"Feedfwd", 0, 100, 100, {{89, 1}, {59, 0.5f}, {29, 0.25f}, {146, 2}, {86, 2}, {56, 2}, {26, 2}}},
         {"Lowpass Freq Hz", 20, 4000, 2000.0001f, {{201, 1}}},
         {"Wet Mix", 0, 375, 200.00002f, {{213, 1}, {214, 1}}},
         {"Delayed Mix", 0, 375, 158, {{183, 1}, {184, 1}}},
         {"Dry Mix", 0, 375, 0, {{243, 1}, {244, 1}}},
     }},
    {"PreEchoes 3",
     "Eight outputs are each delayed by an additional  factor of the Golden Mean. Inter-stage gain controls whether echoes are amplified or attenuated.",
     "12345678",
     {
         {"ms Delay", 0, 500, 250, {{51, 1}, {81, 0.61803395f}, {111, 0.38196605f}, {141, 0.23606798f}, {171, 0.14589801f}, {201, 0.09016994f}, {231, 0.05572809f}}},
         {"Inter-stage gain", 0, 161.8034f, 125.00001f, {{26, 1}, {56, 1}, {86, 1}, {116, 1}, {146, 1}, {176, 1}, {206, 1}}},
         {"Wet Mix", 0, 120, 60, {{63, 1}, {64, 1}, {93, 1}, {94, 1}, {123, 1}, {124, 1}, {153, 1}, {154, 1}, {183, 1}, {184, 1}, {213, 1}, {214, 1}, {243, 1}, {244, 1}}},
         {"Dry Mix", 0, 120, 60, {{33, 1}, {34, 1}}},
     }},
    {"ShroedVerb 1",
     "Metallic 'verb. 6 comb filters + an all-pass diffusion filter",
     "12345678",
     {
         {"Delay Time ms", 0, 500, 150, {{21, 1}, {51, 1.117647f}, {81, 1.1960784f}, {111, 1.3137255f}, {141, 1.3921568f}, {171, 1.5294118f}}},
         {"Feedback", 0, 80, 80, {{26, 1}, {56, 0.95555556f}, {86, 0.93333334f}, {116, 0.8888889f}, {146, 0.8666667f}, {176, 0.82222223f}}},
         {"Feed- forward", 0, 500, 500, {{29, 1}, {59, 1}, {89, 1}, {149, 1}, {179, 1}, {119, 1}}},
         {"Output Volume", 0, 70, 50, {{243, 1}, {244, 1}, {213, -1.4f}, {214, -1.4f}}},
     }},
    {"ShroedVerb 2",
     "Interestingly colored 'verb. 6 comb filters + an all-pass diffusion filter.",
     "12345678",
     {
         {"Delay Time ms", 0, 500, 51, {{21, 1}, {51, 1.1156862f}, {81, 1.1960784f}, {111, 1.3137255f}, {141, 1.3941176f}, {171, 1.5294118f}}},
         {"Feedback", 0, 100, 90, {{26, 1}, {56, 0.95555556f}, {86, 0.93333334f}, {146, 0.8666667f}, {176, 0.82222223f}, {116, 0.8888889f}}},
         {"Feed- forward", 0, 100, 100, {{29, 1}, {59, 1}, {89, 1}, {149, 1}, {119, 1}}},
         {"Output Volume", 0, 200, 120.00001f, {{243, 1}, {244, 1}, {213, -1.3728571f}, {214, -1.3728571f}}},
     }},
    {"Train Station",
     "Multitap delay with a lowpass filter in the feedback loop.",
     "12345678",
     {
         {"Lowpass Freq hz", 100, 4000, 2000, {{111, 1}, {51, 0.5f}}},
         {"Short Delay ms", 5, 58, 13.003f, {{81, 1}, {141, 2.2307692f}}},
         {"Long Delay ms", 10, 242, 121, {{231, 1}, {201, 0.8016529f}, {171, 0.6859504f}}},
         {"Feedback", 0, 250, 250, {{179, 1}, {149, 1.2f}, {236, 1}}},
         {"Output Volume", 0, 600, 325, {{63, 1}, {94, 1}, {153, 1}, {184, 1}, {214, 1}, {243, 1}, {123, 1}, {124, 1}}},
     }},
    {"Verb 1",
     "Simple, limited reverb.",
     "1234567",
     {
         {"Short Time ms", 0, 100, 7, {{51, 1}, {81, 1.8571428f}}},
         {"Long Time ms", 0, 100, 29, {{171, 1}, {141, 0.5862069f}, {201, 1.4827586f}}},
         {"Feedback", 0, 200, 100, {{59, 1}, {89, 1}, {149, 1}, {179, 1}, {209, 1}}},
         {"Wet Mix", 0, 300, 150, {{63, 1}, {94, 1}, {153, 1}, {184, 1}, {213, 1}, {214, 1}}},
         {"Dry Mix", 0, 300, 150, {{123, 1}, {124, 1}}},
     }},
    {"Verb 2",
     "Simple, limited reverb.",
     "12345678",
     {
         {"Short Time ms", 0, 50, 13, {{51, 1}, {81, 1.7692307f}}},
         {"Long Time ms", 0, 50, 31, {{141, 1}, {171, 1.516129f}, {201, 1.9032258f}, {231, 2.3548386f}}},
         {"Feedback", 0, 200, 100, {{59, 1}, {89, 1}, {149, 1}, {179, 1}, {209, 1}, {236, 1}, {239, 1}}},
         {"Wet Mix", 0, 300, 160.00002f, {{63, 1}, {94, 1}, {153, 1}, {184, 1}, {214, 1}, {243, 1}}},
         {"Dry Mix", 0, 300, 160.00002f, {{123, 1}, {124, 1}}},
     }},
    {"WaveVerb",
     "Slightly metallic 'verb. ",
     "12345678",
     {
         {"Delay Time ms", 0, 166, 31, {{81, 1}, {111, 1.548387f}, {141, 2.6774194f}, {171, 2.1290324f}, {231, 0.5483871f}}},
         {"Lowpass Freq Hz", 20, 200, 100, {{201, 1}}},
         {"Lowpass Q", 0, 0.19999999f, 0.099999994f, {{202, 1}}},
         {"Mix 1", 0, 600, 300, {{33, 1}, {34, 1}}},
         {"Mix 2", 0, 600, 300, {{243, 1}, {244, 1}}},
     }},
};

OrvCore coreWithProgram(int index, int blockSize = 512)
{
    OrvCore core;
    initCore(core, 44100.0f, blockSize);
    EXPECT_TRUE(selectProgram(core, index));
    return core;
}

} // namespace

TEST(MultitapPresets, BuilderWritesItsProgramsAtTheirBankIndexes)
{
    expectBuilderIsRelocatable(buildMultitapPresets, kCount);
    const auto bank = buildCategory(buildMultitapPresets, kFirst, kCount);
    for (int program = 0; program < kCount; ++program)
        expectFactoryRecord(bank[kFirst + program], "Multitap", kMultitapPrograms[program]);
    expectRecordsInFactoryBank(bank.get(), kFirst, kCount);
}

TEST(MultitapPresets, ModuleRowsKeepTheirExactValues)
{
    const auto bank = buildCategory(buildMultitapPresets, kFirst, kCount);

    EXPECT_SAME_FLOAT(bank[174].processTime[0], 1014.3001f);
    EXPECT_SAME_FLOAT(bank[174].filterQ[3], 0.099999994f);
    EXPECT_EQ(bank[174].oscKind[7], OscKind::StereoIn);

    const OrvPreset& echoVerb = bank[kEchoVerb];
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

    const OrvPreset& shroedVerb1 = bank[kShroedVerb1];
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

TEST(MultitapPresets, OnlyEchoVerbAndShroedVerb1PlayOtherValuesThanStored)
{
    const std::vector<std::string> expected = {
        "175 module 5 processTime", "175 module 6 processTime", "175 module 7 processTime",
        "183 module 2 modDepth",    "183 module 2 mainValue",   "183 module 2 processTime",
        "183 module 3 modDepth",    "183 module 3 mainValue",   "183 module 3 processTime",
        "183 module 4 modDepth",    "183 module 4 mainValue",   "183 module 4 processTime",
        "183 module 5 modDepth",    "183 module 5 mainValue",   "183 module 5 processTime",
        "183 module 6 modDepth",    "183 module 6 mainValue",   "183 module 6 processTime",
    };
    EXPECT_EQ(fieldsChangedBySelection(kFirst, kCount), expected);
}

TEST(MultitapPresets, SelectionGivesTheSliderTimesAndDepths)
{
    OrvCore echoVerb = coreWithProgram(kEchoVerb);
    const OrvPreset& echo = *echoVerb.current;
    EXPECT_EQ(echo.delayLineLength, 65536u);
    EXPECT_NEAR(echo.processTime[4], 958.60864 * 44.1, 0.01);
    EXPECT_NEAR(echo.processTime[5], 958.60864 * 44.1, 0.01);
    EXPECT_NEAR(echo.processTime[6], 1320.3478 * 44.1, 0.01);

    // A block of 8192 samples leaves 57344 of the line for the longest echo.
    OrvCore bigBlocks = coreWithProgram(kEchoVerb, 8192);
    EXPECT_SAME_FLOAT(bigBlocks.current->processTime[6], 57344.0f);
    EXPECT_NEAR(bigBlocks.current->processTime[5], 958.60864 * 44.1, 0.01);

    OrvCore shroedVerb = coreWithProgram(kShroedVerb1);
    const OrvPreset& shroed = *shroedVerb.current;
    const float delays[] = {150.0f, 167.64706f, 179.41176f, 197.05882f, 208.82353f, 229.41177f};
    const float depths[] = {0.79999995f, 0.7644444f, 0.7466666f, 0.7111111f, 0.6933333f, 0.6577778f};
    for (int module = 0; module < 6; ++module) {
        EXPECT_FLOAT_EQ(shroed.mainValue[module], delays[module]) << module;
        EXPECT_FLOAT_EQ(shroed.modDepth[module][0], depths[module]) << module;
    }
    EXPECT_SAME_FLOAT(shroed.processTime[0], 6615.0005f);

    for (int index = 182; index < kFirst + kCount; ++index)
        EXPECT_EQ(coreWithProgram(index).current->delayLineLength, 65536u) << index;
}
