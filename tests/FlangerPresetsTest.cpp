#include <cmath>

#include "FactoryProgramChecks.h"

namespace {

constexpr int kFirst = 121;
constexpr int kCount = 19;

const ProgramExpectation kFlangerPrograms[kCount] = {
    {"Allpass PseudoPhaser",
     "Allpass PseudoPhaser",
     "1234568",
     {
         {"Allpass Coeff", 0, 300, 270, {{26, 1}, {56, 1}, {146, -1}, {176, -1}}},
         {"Feed forward", 0, 200, 200, {{86, 1}}},
         {"Feedback", 150, 290, 210, {{116, 1}}},
         {"Allpass Delay ms", 0, 20, 18, {{141, 1}, {171, 1.2222223f}}},
         {"Delay Mod Depth", 0, 40, 16, {{236, 1}, {239, 1}}},
         {"Wet Mix", 0, 80, 40, {{123, 1}, {124, 1}}},
         {"Dry Mix", 0, 100, 0, {{93, 1}, {94, 1}}},
     }},
    {"Double Bifurcated Sprocket Fl.",
     "Two parallel flangers with the same modulation rate and depth, but different delay times.",
     "123678",
     {
         {"LFO Rate BPM", 4, 60, 16, {{16, 1}}},
         {"Delay Mod", 0, 100, 95, {{26, 1}, {29, 1}}},
         {"1st Delay Time ms", 0.1f, 5, 1.5f, {{81, 1}}},
         {"2nd Delay Time ms", 0.1f, 5, 3.0000002f, {{201, 1}}},
         {"Flange Depth", 0, 100, 70, {{56, 1}, {86, 1}, {176, 1}, {206, 1}}},
         {"Wet Mix", 0, 750, 405.00003f, {{183, 1}, {184, 1}, {213, 1}, {214, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Echo + Flange",
     "Echo followed by Flanger.",
     "123568",
     {
         {"Flange LFO  hz", 0.02f, 1, 0.29999986f, {{16, 1}}},
         {"Flange Delay ms", 0, 4, 1.5f, {{81, 1}}},
         {"Flange Feedback", 0, 135, 90, {{56, 1}, {86, 1}}},
         {"Echo Time ms", 0, 400, 200, {{171, 1}}},
         {"Echo Feedback", 0, 150, 100.05f, {{176, 1}}},
         {"Wet Mix", 0, 500, 280, {{63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"EnvFol->ExtremeFlangeEcho",
     "Envelope Follower modulates extreme flanger plus echo.",
     "123568",
     {
         {"Flange Delay ms", 0, 30, 15, {{81, 1}}},
         {"Flange Feedback", 0, 140, 138, {{56, 1}, {86, 1}}},
         {"Echo Time ms", 0, 400, 200, {{171, 1}}},
         {"Echo Feedback", 0, 200, 198, {{176, 1}}},
         {"Wet Mix", 0, 120, 50, {{153, 1}, {154, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Extreme Flange + Echo",
     "Flanger with extreme feedback, plus echo.",
     "123568",
     {
         {"Flange LFO  hz", 0.03f, 1, 0.39999998f, {{16, 1}}},
         {"Flange Delay ms", 0, 4, 1.5f, {{81, 1}}},
         {"Flange Feedback", 0, 136, 135, {{56, 1}, {86, 1}}},
         {"Echo Time ms", 0, 400, 200, {{171, 1}}},
         {"Echo Feedback", 0, 250, 200, {{176, 1}}},
         {"Wet Mix", 0, 50, 24, {{153, 1}, {154, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Extreme Flange + Echo Expl.",
     "Pitch Shift Flanger with extreme feedback, plus echo explosions.",
     "123568",
     {
         {"Flange LFO  hz", 0.03f, 1, 0.39999998f, {{16, 1}}},
         {"Flange Delay ms", 0, 557, 278.5f, {{81, 1}}},
         {"Flange Feedback", 0, 130, 120, {{56, 1}, {86, 1}}},
         {"Echo Time ms", 0, 400, 200, {{171, 1}}},
         {"Echo Feedback", 0, 250, 200, {{176, 1}}},
         {"Wet Mix", 0, 300, 110, {{153, 1}, {154, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Flange + Echo",
     "Flanger plus echo.",
     "123568",
     {
         {"Flange LFO  hz", 0.03f, 1, 0.39999998f, {{16, 1}}},
         {"Flange Delay ms", 0, 4, 1.5f, {{81, 1}}},
         {"Flange Feedback", 0, 120, 100, {{56, 1}, {86, 1}}},
         {"Echo Time ms", 0, 400, 200, {{171, 1}}},
         {"Echo Feedback", 0, 250, 200, {{176, 1}}},
         {"Wet Mix", 0, 300, 160.00002f, {{153, 1}, {154, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Flange + Echo 2",
     "Flanger plus echo.",
     "123568",
     {
         {"Flange LFO  hz", 0.03f, 1, 0.15f, {{16, 1}}},
         {"Flange Delay ms", 0.01f, 4, 1.5f, {{81, 1}}},
         {"Flange Feedback", 0, 120, 100, {{56, 1}, {86, 1}}},
         {"Echo Time ms", 0, 1000, 600, {{171, 1}}},
         {"Echo Feedback", 0, 250, 150, {{176, 1}}},
         {"Wet Mix", 0, 400, 200, {{153, 1}, {154, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Flange 1",
     "Simple flanger ",
     "123",
     {
         {"Flange LFO  hz", 0.03f, 1, 0.39999998f, {{16, 1}}},
         {"Flange Delay ms", 0, 4, 1.5f, {{81, 1}}},
         {"Delay Mod", 0, 100, 90, {{26, 1}}},
         {"Feedback", 0, 100, 90, {{56, 1}, {86, 1}}},
         {"Wet Mix", 0, 200, 100, {{93, 1}, {94, 1}}},
         {"Dry Mix", 0, 200, 100, {{63, 1}, {64, 1}}},
     }},
    {"Flange 2",
     "Another simple flanger.",
     "1238",
     {
         {"Flange Rate hz", 0.03f, 1, 0.19999999f, {{16, 1}}},
         {"Mod Depth", 0, 100, 90, {{26, 1}}},
         {"Feedback", 0, 100, 33, {{86, 1}}},
         {"Delay Time ms", 0, 6, 3, {{81, 1}}},
         {"Wet Mix", 0, 360, 180, {{93, 1}, {94, 1}, {63, 1}, {64, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"FlangeVerb",
     "Flanger feeds a series of 3 interconnected delays  for a reverberant flange effect.",
     "123567",
     {
         {"Flange Rate hz", 0.03f, 1, 0.29999998f, {{16, 1}}},
         {"Flange Depth", 0, 100, 95, {{26, 1}}},
         {"Short Delay ms", 0, 10, 3, {{81, 1}}},
         {"Long Delay ms", 0, 100, 61, {{171, 1}, {141, 1.2295082f}, {201, 1.295082f}}},
         {"Wet Mix", 0, 400, 200, {{93, 1}, {94, 1}, {153, 1}, {154, 1}, {183, 1}, {184, 1}, {213, 1}, {214, 1}}},
         {"Dry Mix", 0, 400, 200, {{63, 1}, {64, 1}}},
     }},
    {"Ned Flangers",
     "Self-modulating flanger, in which the envelope of the signal  is used to modulate the flanger delay time. ",
     "2358",
     {
         {"DelayMod Depth", 0, 100, 80, {{146, 1}}},
         {"Feedback", 0, 175, 65, {{86, 1}}},
         {"Delay Time ms", 0, 4, 2, {{81, 1}}},
         {"EnvFol Time ms", 5, 120, 60, {{141, 1}}},
         {"Wet Mix", 0, 225, 165, {{63, 1}, {64, 1}, {93, 1}, {94, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Random Flange",
     "A low-pass filtered noise is used to modulate the flanger delay time. ",
     "2358",
     {
         {"Noise Cutoff Hz", 0.03f, 2, 0.2f, {{141, 1}}},
         {"Filter Q Slope", 0.2f, 5, 3, {{142, 1}}},
         {"DelayMod Depth", 0, 10000, 8000, {{146, 1}}},
         {"Feedback", 0, 175, 90.00001f, {{86, 1}}},
         {"Delay Time ms", 0, 5, 3.5f, {{81, 1}}},
         {"Wet Mix", 0, 300, 135, {{63, 1}, {64, 1}, {93, 1}, {94, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Submarine",
     "Flanger feeds a series of 3 interconnected delays for a reverberant metallic underwater sound. Adjust Flange Time for different effects.",
     "123567",
     {
         {"Flange Rate hz", 0.03f, 2, 0.7f, {{16, 1}}},
         {"Flange Time ms", 0, 10, 5, {{81, 1}}},
         {"Delay Time ms", 0, 122, 61, {{171, 1}, {141, 1.2295082f}, {201, 1.295082f}}},
         {"Feedback", -175, 0, -175, {{86, 1}, {146, 1}, {176, 1}, {206, 1}}},
         {"Wet Mix", 0, 250, 100, {{93, 1}, {94, 1}, {153, 1}, {154, 1}, {183, 1}, {184, 1}, {213, 1}, {214, 1}}},
         {"Dry Mix", 0, 250, 100, {{63, 1}, {64, 1}}},
     }},
    {"Tape Flange",
     "Gentle tape flange.  Use for vocals, etc.",
     "123",
     {
         {"Flange Rate hz", 0.03f, 1, 0.39999998f, {{16, 1}}},
         {"Mod Depth", 0, 100, 50, {{26, 1}}},
         {"Feedback", -100, 0, -24, {{86, 1}}},
         {"Delay Time ms", 0, 10, 3, {{81, 1}}},
         {"Wet Mix", 0, 300, 140, {{93, 1}, {94, 1}}},
         {"Dry Mix", 0, 300, 140, {{63, 1}, {64, 1}}},
     }},
    {"Thru-Zero Flange",
     "Through-zero tape flange. Depth & delay time vary pitch, Feedback varies sharpness.",
     "12568",
     {
         {"LFO rate hz", 0.03f, 1, 0.30000004f, {{46, 1}}},
         {"DelayMod Depth", 0, 100, 50, {{56, 1}}},
         {"Delay time ms", 0, 10, 3, {{141, 1}, {171, 1}}},
         {"Feedback", 0, 100, 50, {{146, 1}, {176, 1}}},
         {"Wet Mix", 0, 600, 300, {{153, 1}, {154, 1}, {183, 1}, {184, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"Vocal Flange",
     "Double flange for vocals",
     "1235678",
     {
         {"LFO 1 hz", 0.03f, 1, 0.7f, {{16, 1}}},
         {"LFO 2 hz", -1, -0.03f, -0.39999995f, {{136, 1}}},
         {"DelayMod Depth", 0, 100, 60.000004f, {{26, 1}, {146, 0.56666666f}}},
         {"Feedback", 0, 100, 45, {{86, 1}, {206, 1}}},
         {"Delay Time ms", 0, 20, 6, {{81, 1}, {201, 1}}},
         {"Wet Mix", 0, 750, 360, {{183, 1}, {184, 1}, {213, 1}, {214, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"XFlange",
     "Pitch Shift Flanger with extreme feedback, plus echo explosions.",
     "123568",
     {
         {"Flange LFO  hz", 0.03f, 1, 0.5400001f, {{16, 1}}},
         {"Flange Delay ms", 0, 557, 400, {{81, 1}}},
         {"Flange Feedback", 0, 130, 120, {{56, 1}, {86, 1}}},
         {"Echo Time ms", 0, 400, 377, {{171, 1}}},
         {"Echo Feedback", 0, 250, 200, {{176, 1}}},
         {"Wet Mix", 0, 200, 90, {{153, 1}, {154, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
    {"2 to 1 Flange",
     "The left channel flanges at twice the rate of the right channel.",
     "1235678",
     {
         {"LFlange Rate hz", 0.03f, 1, 0.6f, {{16, 1}}},
         {"RFlange Rate hz", 0.03f, 1, 0.30000004f, {{136, 1}}},
         {"Flange Depth", 0, 100, 50, {{26, 1}, {146, 1}}},
         {"Feedback", 0, 150, 125, {{86, 1}, {206, 1}}},
         {"Wet Mix", 0, 300, 112, {{63, 1}, {93, 1}, {184, 1}, {214, 1}}},
         {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
     }},
};

std::unique_ptr<OrvPreset[]> buildFlangers() { return buildCategory(buildFlangerPresets, kFirst, kCount); }

} // namespace

TEST(FlangerPresets, BuilderWritesItsProgramsAtTheirBankIndexes)
{
    expectBuilderIsRelocatable(buildFlangerPresets, kCount);
    const auto bank = buildFlangers();
    for (int program = 0; program < kCount; ++program)
        expectFactoryRecord(bank[kFirst + program], "Flanger", kFlangerPrograms[program]);
    expectRecordsInFactoryBank(bank.get(), kFirst, kCount);
}

TEST(FlangerPresets, ModuleRowsKeepTheirExactValues)
{
    const auto bank = buildFlangers();

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

TEST(FlangerPresets, SlidersAgreeWithTheFieldsTheyDrive)
{
    EXPECT_EQ(fieldsChangedBySelection(kFirst, kCount), std::vector<std::string> {});
}
