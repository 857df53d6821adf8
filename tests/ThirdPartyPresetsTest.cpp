#include <gtest/gtest.h>

#include "FactoryCategoryChecks.h"

using namespace factory_checks;

namespace {

const CategoryTable kThirdParty = {
    "Third Party", 19, 274, buildThirdPartyPresets,
    {
        {"Cop Radio",
         "The distortion slider works backwards.  The high mix & hipass vol sliders mix the undistorted highs back into the signal.",
         1, {0, 1, 2, 7},
         {{"Distor- tion", 0, 1, 0.1f, {21}},
          {"DistRoll off hz", 20, 4000, 843.9999f, {51}},
          {"HighMix Freq hz", 50, 6000, 378, {81}},
          {"Lowpass Volume", 0, 600, 60, {63, 64}},
          {"Hipass Volume", 0, 600, 300, {93, 94}},
          {"Dry Mix", 0, 200, 0, {243, 244}}}},
        {"Evil Triplets", "Evil Triplets Speech Deconstructor", 131072, {0, 1, 2, 4, 7},
         {{"DelayMod Depth", 0, 200, 57.6f, {26}},
          {"LFO rate Hz", 0.5f, 10, 2.8999999f, {16}},
          {"\xA1 InitPhase", 0, 500, 147, {19}},
          {"ms Time", 0, 500, 148.5f, {141, 21, 51}},
          {"Evilness", 0, 10, 0, {146}},
          {"Wet Mix", 0, 270, 133, {153, 154, 63, 64, 93, 94}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"Extreme Wow&Flutter", "Extreme Wow & Flutter.", 524288, {0, 1, 2, 7},
         {{"DelayMod Depth", 0, 200, 75, {26}},
          {"Delay Time ms", 0, 250, 38.2f, {51}},
          {"Feedback", 0, 50, 23.2f, {86}},
          {"LFO Freq", 0.2f, 5, 0.79999995f, {16}},
          {"\xA1 InitPhase", 0, 500, 81, {19}},
          {"Wet Mix", 0, 600, 262, {63, 64, 93, 94}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"FlangerHell", "Flanger with feedback and echo. ", 262144, {0, 1, 2, 4, 5, 7},
         {{"LFO on flange", 0.1f, 1, 0.655f, {16}},
          {"Delay on flange", 0, 4, 1.852f, {81}},
          {"Feedback flange", 0, 106, 105.364f, {56, 86}},
          {"Echo time", 0, 400, 234.4f, {171}},
          {"Feedback", 0, 150, 120, {176}},
          {"Wet Mix", 0, 400, 180, {153, 154}},
          {"Dry Mix", 0, 200, 0, {243, 244}}}},
        {"GrittyDelays", "The module adds a gritty, vibrating delay to your sound.", 262144, {0, 1, 2, 3, 4, 7},
         {{"Lowpass freq hz", 40, 2000, 1231.9999f, {111, 51}},
          {"Short delay ms", 0, 200, 28.8f, {81, 141}},
          {"LFO Freq Hz", 0.3f, 4, 2, {16}},
          {"DelayMod Depth", 0, 20, 10, {26}},
          {"Wet Mix", 0, 267, 133, {63, 64, 123, 124, 153, 154}},
          {"Dry Mix", 0, 267, 0, {243, 244}}}},
        {"HyPeR WaRp", "WaRpEd  Pitch Shifting & LFO Modulation", 524288, {0, 1, 2, 4, 7},
         {{"DelayMod Depth", 0, 200, 149.6f, {26}},
          {"Delay Time ms", 0, 250, 74.3f, {51}},
          {"Feedback", 0, 70, 45.36f, {86}},
          {"RingMod Depth", 0, 50, 30.300001f, {146}},
          {"LFO Freq Hz", 0.3f, 10, 3.0000002f, {16}},
          {"Wet Mix", 0, 333, 187, {63, 64, 93, 94, 153, 154}},
          {"Dry Mix", 0, 333, 0, {243, 244}}}},
        {"MultiVox 6", "MultiVox effect using triangle wave and feedback.", 524288, {0, 1, 2, 7},
         {{"LFO Freq hz", 0.2f, 10, 0.8500001f, {16}},
          {"DelayMod Depth", 0, 100, 74, {26}},
          {"Delay Time ms", 0, 500, 30, {81}},
          {"Feed- Forward", 0, 50, 41.6f, {56}},
          {"Feedback", 0, 200, 48.75f, {86}},
          {"Wet Mix", 0, 450, 270, {63, 64, 93, 94}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"MultiVox Sine", "A MultiVox effect using Sine.", 262144, {0, 1, 2, 7},
         {{"DelayMod Depth", 0, 100, 47.8f, {26}},
          {"Repeat Volume", 0, 50, 33.6f, {56}},
          {"Feedback Danger", 0, 100, 92.8f, {86}},
          {"LFO Rate Hz", 0.2f, 10, 1.3000001f, {16}},
          {"Delay times ms", 0, 200, 40, {21, 81}},
          {"Wet Mix", 0, 300, 180, {63, 64, 93, 94}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"PA Effect", "Adjust delay time for faster or slower slap.  Add some feedback if desired.", 524288, {0, 1, 2, 7},
         {{"Delay time ms", 0, 200, 150, {51}},
          {"Distort Power", 1, 2, 1.1f, {21}},
          {"Feedback", 0, 100, 10, {56}},
          {"FiltFreq Hz", 30, 7000, 2800, {81}},
          {"Wet Mix", 0, 300, 180, {63, 64, 93, 94}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"Paraboost EQ", "Single Band Parametric Boost EQ", 1, {0, 1},
         {{"Freq Hz", 20, 2000, 1000, {51}},
          {"Filter Q Width", 1, 20, 1.0353f, {52}},
          {"Wet Mix", 0, 150, 75, {63, 64}},
          {"Dry Mix", 0, 150, 31, {33, 34}}}},
        {"PTrk -> RM -> DDL", "Ring mod that follows the original pitch.", 262144, {0, 1, 2, 4, 5},
         {{"PitchTrk Lo Hz", 50, 500, 257, {21}},
          {"PitchTrk Hi Hz", 150, 1000, 509, {22}},
          {"Tracker Time ms", 20, 500, 251.5f, {19}},
          {"LFO Mod Depth", 0, 500, 248, {26}},
          {"Wet Mix", 0, 180, 90, {93, 183, 184, 94}},
          {"Dry Mix", 0, 180, 90, {153, 154}}}},
        {"Radio Prometheus", "The signal is lowpass filtered to simulate telephone bandwidth.", 1,
         {0, 1, 2, 3, 4, 5, 6, 7},
         {{"HighPass FreqHz", 10, 600, 300, {201}},
          {"Distort Power", 0.5f, 1.4f, 0.7f, {111}},
          {"LowPass Freq Hz", 50, 12000, 1799.9999f, {21, 81, 51, 231}},
          {"Filter Q Slope", 1, 4, 2, {22, 52, 82, 202, 232}},
          {"Wet Mix", 0, 3000, 1700, {243, 244}},
          {"Dry Mix", 0, 300, 0, {183, 184}}}},
        {"Ring Worm", "The signal's amplitude envelope modulates a lowpass filter, and there's some ring modulation..", 1,
         {1, 2, 5, 6, 7},
         {{"LFO Rate Hz", 0.2f, 100, 5.1f, {166}},
          {"Wow Factor", 0, 100, 100, {56}},
          {"Wow Freq.", 40, 4000, 2984.0002f, {81}},
          {"Wow Q", 1, 10, 4.5f, {82}},
          {"Wet Mix", 0, 800, 220, {93, 94}},
          {"Dry Mix", 0, 200, 0, {243, 244}}}},
        {"Spasms", "Saw LFO modulates delay inside a feedback loop, causing distortion, robotic and flanging effects.", 524288,
         {0, 1, 2, 4, 7},
         {{"DelayMod Depth", 0, 60, 54.5f, {26}},
          {"Delay Time ms", 0, 150, 45.3f, {51}},
          {"Feedback", 0, 150, 147.9f, {86}},
          {"RingMod Depth", 0, 170, 125, {146}},
          {"EnvFol Time ms", 10, 500, 472, {141}},
          {"Wet Mix", 0, 150, 75, {63, 64, 93, 94}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"Subtle Boings", "Not very subtle boings caused by delay modulating a short delay inside a feedback loop.", 524288,
         {0, 1, 4, 7},
         {{"Delay Time ms", 0, 100, 5.8f, {21}},
          {"Feedback", 0, 100, 71.9f, {56}},
          {"Vibrato Rate Hz", 0.5f, 12, 8.004001f, {136}},
          {"Vibrato Depth", 0, 20, 6.26f, {146}},
          {"Wet Mix", 0, 300, 135, {33, 34, 63, 64}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"Super Flanger", "Super Flanger", 262144, {0, 1, 2, 4, 7},
         {{"Feedback", 0, 151.8f, 151.8f, {86}},
          {"Feed- forward", 0, 123.3f, 123.3f, {56}},
          {"HoldTime ms", 0, 500, 197, {21}},
          {"Delay time ms", 0, 20, 5.32f, {51, 81}},
          {"DelayMod Depth", 0, 120, 109.6f, {26}},
          {"Wet Mix", 0, 150, 45, {63, 64, 93, 94}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"The Blech", "The amplitude envelope of the original sound modulates the noise filter cutoff.", 1, {0, 2, 3},
         {{"Filt Freq Hz", 50, 5000, 2999.9998f, {111}},
          {"Filter Q Slope", 1, 10, 1, {112}},
          {"EnvFol Time ms", 1, 60, 30, {81}},
          {"FiltMod Depth", 0, 100, 100, {86}},
          {"Noise Mix", 0, 50, 14, {123, 124}},
          {"Dry Mix", 0, 200, 120.00001f, {33, 34}}}},
        {"The Cauldron", "Very soupy. Great with drum loops.", 262144, {0, 1, 2, 4},
         {{"Echo Time ms", 120, 130, 125, {51}},
          {"Lowpass Freq hz", 550, 560, 556, {81}},
          {"Feedback", 660, 681.6f, 681.6f, {86}},
          {"Filter LFO hz", 6, 7, 6.4f, {136}},
          {"FilterMod Depth", 110, 115.5f, 115.5f, {146}},
          {"Wet Mix", 0, 200, 75, {63, 93, 94, 64}},
          {"Dry Mix", 0, 200, 37.5f, {33, 34}}}},
        {"WeirdChorus", "Lots of pitch-shifting", 524288, {0, 1, 2, 7},
         {{"LFO Freq  hz", 0.2f, 10, 0.99999994f, {16}},
          {"Delay Time ms", 0, 500, 14, {81}},
          {"DelayMod Depth", 0, 50, 20, {26}},
          {"Feedback", 0, 170, 160.82f, {86}},
          {"Wet Mix", 0, 180, 98, {63, 64, 93, 94}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
    }};

} // namespace

TEST(ThirdPartyPresets, RecordsHoldTheirTables)
{
    expectCategoryMatchesTables(kThirdParty);
    const auto bank = buildCategory(kThirdParty);
    for (int k = 0; k < 19; ++k)
        expectSlidersDriveModulesInUse(bank[274 + k]);
}

TEST(ThirdPartyPresets, BuilderWritesOnlyItsRecords) { expectBuilderWritesOnlyItsRecords(kThirdParty); }

TEST(ThirdPartyPresets, LandAtTheirBankIndexes) { expectCategoryLandsInTheFactoryBank(kThirdParty); }

TEST(ThirdPartyPresets, StoredDelayLineLengthsAreTheSelectedOnes)
{
    EXPECT_EQ(delayLineLengthsOnceSelected(kThirdParty), storedDelayLineLengths(kThirdParty));
}

TEST(ThirdPartyPresets, SlidersAgreeWithTheirFields)
{
    EXPECT_EQ(valuesTheSlidersChange(kThirdParty), std::vector<std::string> {});
}

TEST(ThirdPartyPresets, PhaseCaptionsKeepByteA1InTheFilledBank)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);
    for (const auto& [index, slider, phase] : {std::tuple {275, 2, 2.565634f}, std::tuple {276, 4, 1.4137167f}}) {
        EXPECT_EQ(std::memcmp(core.bank[index].sliderCaption[slider], "\xA1 InitPhase", 12), 0) << index;
        EXPECT_EQ(core.bank[index].sliderTarget[slider][0], 19) << index;
        EXPECT_EQ(bitsOf(core.bank[index].phaseOrLfoDepth[0]), bitsOf(phase)) << index;
    }
}

TEST(ThirdPartyPresets, ValuesEasyToGetWrong)
{
    const auto bank = buildCategory(kThirdParty);
    const OrvPreset* records = &bank[274];

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
