#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kPitchSweep = {
    "Pitch Sweep", 15, 236, buildPitchSweepPresets, StoredWords::RunningState | StoredWords::EditorWords | StoredWords::ShownTimes,
    {
     {"Crystal Gliss Alternating", "Up & down pitch shifts with deglitching.  LFO Mod Rate and Delay Mod Depth parameters adjust pitch.", "12345678", 0x0302, 262144,
      {{"LFO Mod Rate hz", 0.1f, 10.0f, 0.4f, {{16}, {136}, {106}, {226}}},
       {"DelayMod Depth", -20.0f, 0.0f, -13.0f, {{26}, {146, -0.5f}}},
       {"Delay Time ms", 100.0f, 500.0f, 300.0f, {{51}, {171}}},
       {"Feedback %", 0.0f, 350.0f, 350.0f, {{86}, {206}}},
       {"Output Volume", 0.0f, 200.0f, 55.0f, {{93}, {94}, {213}, {214}}}}},
     {"Crystal Gliss Down", "A sawtooth wave modulates the delay time, causing the pitch to  shift down each time it goes through the feedback loop.", "1238", 0x0302, 524288,
      {{"Saw LFO Rate hz", 0.1f, 1.0f, 0.2f, {{16}}},
       {"Delay Time ms", 0.0f, 300.0f, 150.0f, {{81}}},
       {"DelayMod Depth", 0.0f, 200.0f, 80.0f, {{26}}},
       {"Feedback", 0.0f, 175.0f, 150.0f, {{86}}},
       {"Wet Mix 1", 0.0f, 600.0f, 188.0f, {{93}, {94}}},
       {"Wet Mix 2", 0.0f, 600.0f, 66.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Crystal Gliss Up", "Another sound with pitch change inside a feedback loop. The negative modulation depth causes the pitch to increase.", "1238", 0x0302, 524288,
      {{"Saw LFO Rate hz", 0.1f, 1.0f, 0.19999999f, {{16}}},
       {"Delay Time ms", 0.0f, 250.0f, 125.0f, {{81}}},
       {"DelayMod Depth", -200.0f, 0.0f, -79.99999f, {{26}}},
       {"Feedback", 0.0f, 175.0f, 150.0f, {{86}}},
       {"Wet Mix 1", 0.0f, 450.0f, 188.0f, {{93}, {94}}},
       {"Wet Mix 2", 0.0f, 450.0f, 66.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Gliss Down + Filter Sweep", "This combines a downward pitch-change loop with a  slow filter sweep in the feedback path.", "123568", 0x0302, 524288,
      {{"Saw LFO Rate hz", 0.1f, 1.0f, 0.2f, {{16}}},
       {"Delay Time hz", 150.0f, 500.0f, 250.0f, {{81}}},
       {"DelayMod Depth", 0.0f, 200.0f, 80.0f, {{26}}},
       {"Bandpass Frq hz", 30.0f, 2000.0f, 1000.00006f, {{141}}},
       {"Feedback", 0.0f, 100.0f, 100.0f, {{146}}},
       {"Wet Mix", 0.0f, 150.0f, 52.5f, {{153}, {154}, {63, 0.35f}, {64, 0.35f}}},
       {"Dry Mix", 0.0f, 150.0f, 0.0f, {{243}, {244}}}}},
     {"Gliss Up + Filter Sweep", "This combines an upward pitch-change loop with a  slow filter sweep in the feedback path.", "123568", 0x0302, 524288,
      {{"Saw LFO Rate hz", 0.1f, 1.0f, 0.2f, {{16}}},
       {"Delay Time hz", 150.0f, 500.0f, 250.0f, {{81}}},
       {"DelayMod Depth", -200.0f, 0.0f, -70.00001f, {{26}}},
       {"Bandpass Frq hz", 30.0f, 2000.0f, 1000.00006f, {{141}}},
       {"Feedback", 0.0f, 100.0f, 100.0f, {{146}}},
       {"Wet Mix", 0.0f, 150.0f, 50.0f, {{153}, {154}, {63, 0.35f}, {64, 0.35f}}},
       {"Dry Mix", 0.0f, 150.0f, 0.0f, {{243}, {244}}}}},
     {"Pitch Panic", "Channels get cross-faded left and right while the pitches are  swept in opposite directions.", "12568", 0x0302, 131072,
      {{"XFade Rate Hz", 0.2f, 1.0f, 0.39999998f, {{16}, {136}}},
       {"PitchMod Depth", 0.0f, 100.0f, 25.0f, {{26}, {146}}},
       {"PanMod Depth", 0.0f, 200.0f, 100.0f, {{29}, {149}}},
       {"Delay Time ms", 0.0f, 500.0f, 250.0f, {{51}, {171}, {231}}},
       {"Wet Mix", 0.0f, 450.0f, 210.0f, {{63}, {64}, {183}, {184}}},
       {"Dry Mix", 0.0f, 450.0f, 0.0f, {{243}, {244}}}}},
     {"PitchSweep DownUp", "A sine-wave LFO modulates a delay, resulting in a downward, then upward, pitch sweep.", "128", 0x0302, 524288,
      {{"LFO Init Phase\xA1", 0.0f, 360.0f, 180.0f, {{19}}},
       {"Delay ModDepth", 0.0f, 100.0f, 100.0f, {{26}}},
       {"Delay Time ms", 0.0f, 550.0f, 550.0f, {{51}}},
       {"LFO Rate Hz", 0.05f, 0.4f, 0.2f, {{16}}},
       {"Wet Mix", 0.0f, 300.0f, 140.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"PitchSweep UpDown", "A sine-wave LFO modulates a delay, resulting in an upward, then downward, pitch sweep.", "128", 0x0302, 524288,
      {{"LFO Init Phase\xA1", 0.0f, 360.0f, 0.0f, {{19}}},
       {"Delay ModDepth", 0.0f, 100.0f, 100.0f, {{26}}},
       {"LFO Rate Hz", 0.05f, 0.4f, 0.2f, {{16}}},
       {"Delay Time ms", 0.0f, 1100.0f, 550.0f, {{51}}},
       {"Wet Mix", 0.0f, 300.0f, 140.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"PitchSweep UpDown 2", "A sine-wave LFO modulates a delay, resulting in an upward,  then downward pitch sweep.", "128", 0x0302, 524288,
      {{"LFO Init Phase\xA1", 0.0f, 360.0f, 315.0f, {{19}}},
       {"Delay ModDepth", 0.0f, 100.0f, 100.0f, {{26}}},
       {"LFO Rate Hz", 0.05f, 0.6f, 0.3f, {{16}}},
       {"Delay Time ms", 0.0f, 1100.0f, 550.0f, {{51}}},
       {"Wet Mix", 0.0f, 300.0f, 140.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Stereo Pan Sweep", "Stereo Pan with extreme pitch shifts. Channels are delay modulated and cross-faded left and right.", "12568", 0x0302, 262144,
      {{"LFO Rate Hz", 0.1f, 1.0f, 0.5f, {{16}, {136}}},
       {"PitchMod Depth", 0.0f, 100.0f, 50.0f, {{26}, {146}}},
       {"PanMod Depth", 0.0f, 200.0f, 100.0f, {{29}, {149}}},
       {"Delay Time ms", 0.0f, 500.0f, 250.0f, {{51}, {171}}},
       {"Wet Mix", 0.0f, 420.0f, 210.0f, {{63}, {64}, {183}, {184}}},
       {"Dry Mix", 0.0f, 420.0f, 0.0f, {{243}, {244}}}}},
     {"Warped Speech", "A sine-wave LFO modulates a delay, resulting in slow pitch changes a la Twin Peaks.", "128", 0x0302, 524288,
      {{"DelayMod Hz", 0.5f, 4.0f, 2.0f, {{16}}},
       {"Delay Time ms", 0.0f, 30.0f, 15.0f, {{51}}},
       {"DelayMod Depth", -66.0f, 0.0f, -33.0f, {{26}}},
       {"Wet Mix", 0.0f, 225.0f, 105.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 225.0f, 0.0f, {{243}, {244}}}}},
    },
};

TEST(PitchSweepPresets, FeedbackLoopsIntoEarlierModules)
{
    const auto records = categoryRecords(kPitchSweep);
    const OrvPreset& alternating = records[0];
    EXPECT_EQ(alternating.modKind[2][0], ModKind::Mix);
    EXPECT_EQ(alternating.modTarget[2][0], 1);
    EXPECT_EQ(alternating.modKind[6][0], ModKind::Mix);
    EXPECT_EQ(alternating.modTarget[6][0], 5);
    EXPECT_EQ(alternating.modDepth[6][0], 3.5f);
    EXPECT_EQ(bitsOf(alternating.modDepth[0][0]), bitsOf(-0.13f));
    EXPECT_EQ(bitsOf(alternating.modDepth[4][0]), bitsOf(0.065f));
    EXPECT_EQ(alternating.sliderRatio[1][1], -0.5f);
    EXPECT_EQ(bitsOf(alternating.processTime[5]), bitsOf(13230.001f));

    for (int k : {1, 2}) {
        SCOPED_TRACE(records[k].programName);
        EXPECT_EQ(records[k].processKind[2], ProcessKind::Delay);
        EXPECT_EQ(records[k].modKind[2][0], ModKind::Mix);
        EXPECT_EQ(records[k].modTarget[2][0], 2); // the delay feeds its own input
        EXPECT_EQ(records[k].modDepth[2][0], 1.5f);
        EXPECT_EQ(bitsOf(records[k].outputGain[1][0]), bitsOf(0.65999997f));
    }
    EXPECT_EQ(bitsOf(records[2].modDepth[0][0]), bitsOf(-0.7999999f));

    const OrvPreset& filterSweep = records[3];
    EXPECT_EQ(filterSweep.processKind[4], ProcessKind::BandPass);
    EXPECT_EQ(bitsOf(filterSweep.mainValue[4]), bitsOf(1000.00006f));
    EXPECT_EQ(filterSweep.modKind[4][0], ModKind::Mix);
    EXPECT_EQ(filterSweep.modTarget[4][0], 2);
    EXPECT_EQ(filterSweep.outputOn[2][0] | filterSweep.outputOn[2][1], 0);
    EXPECT_EQ(filterSweep.modKind[5][0], ModKind::FilterFrq);
    EXPECT_EQ(bitsOf(filterSweep.oscFrequency[5]), bitsOf(-0.15f));
    EXPECT_EQ(bitsOf(filterSweep.sliderRatio[5][2]), bitsOf(0.35f));
    EXPECT_EQ(bitsOf(filterSweep.outputGain[1][1]), bitsOf(0.18374999f));
    EXPECT_EQ(bitsOf(records[4].oscFrequency[5]), bitsOf(0.14999999f));
}
