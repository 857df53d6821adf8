#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kGranular = {
    "Granular", 9, 146, buildGranularPresets, StoredWords::RunningState | StoredWords::EditorWords | StoredWords::ShownTimes,
    {
     {"Auto Freeze Pan", "A narrow granular pulse gates the audio, which is delayed, looped & panned. Capture rate controls how often we grab the incoming audio.", "12378", 0x0302, 524288,
      {{"Delay Time ms", 100.0f, 800.0f, 250.0f, {{81}}},
       {"Feedback", 0.0f, 199.8f, 100.0f, {{86}}},
       {"Pan Rate Hz", 1.0f, 3.0f, 2.0f, {{196}}},
       {"Capture Rate Hz", 0.1f, 4.0f, 0.50000006f, {{16}}},
       {"Capture Mix", 0.0f, 750.0f, 120.0f, {{63}, {64}}},
       {"Loop Mix", 0.0f, 750.0f, 360.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Auto Freeze Pan 2", "A narrow granular pulse gates the audio, which is delayed, looped & panned. Capture rate controls how often we grab the incoming audio.", "12378", 0x0302, 524288,
      {{"Delay Time ms", 100.0f, 800.0f, 283.12885f, {{81}}},
       {"Feedback", 0.0f, 199.8f, 184.44133f, {{86}}},
       {"Pan Rate Hz", 1.0f, 3.0f, 1.0858085f, {{196}}},
       {"Capture Rate Hz", 0.1f, 4.0f, 0.13273054f, {{16}}},
       {"Capture Mix", 0.0f, 525.0f, 75.0f, {{63}, {64}}},
       {"Loop Mix", 0.0f, 525.0f, 240.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Capture & Loop", "A narrow granular pulse gates the audio, which is then delayed and looped. Capture Rate controls how often the new audio is captured.", "1238", 0x0302, 524288,
      {{"Power (width)", -100.0f, -1.0f, -50.000004f, {{21}}},
       {"Delay Time ms", 20.0f, 500.0f, 150.0f, {{81}}},
       {"Feedback", 0.0f, 200.0f, 190.0f, {{86}}},
       {"Capture Rate (Hz)", 0.0f, 2.0f, 0.75f, {{16}}},
       {"Initial Mix", 0.0f, 180.0f, 75.0f, {{63}, {64}}},
       {"Echo Mix", 0.0f, 750.0f, 300.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"DoubleFreeze", "2 narrow granular pulses gate the audio, which is then delayed and looped. ", "1235678", 0x0302, 262144,
      {{"Power (width)", -100.0f, 0.0f, -50.0f, {{21}, {141}}},
       {"Delay1 Time ms", 10.0f, 200.0f, 100.0f, {{81}}},
       {"Delay2 Time ms", 8.0f, 200.0f, 73.0f, {{201}}},
       {"Init Phase1 \xA1", 0.0f, 120.0f, 90.0f, {{19}}},
       {"Init Phase2 \xA1", 0.0f, 120.0f, 80.0f, {{139}}},
       {"Wet Mix", 0.0f, 250.0f, 125.0f, {{63}, {64}, {93}, {94}, {183}, {184}, {213}, {214}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Freeze", "A narrow granular pulse gates the audio, which is then delayed and looped. ", "1238", 0x0302, 524288,
      {{"Power (width)", -100.0f, -1.0f, -50.000004f, {{21}}},
       {"Delay Time ms", 20.0f, 500.0f, 125.0f, {{81}}},
       {"Feedback", 0.0f, 200.0f, 196.0f, {{86}}},
       {"Initial Mix", 0.0f, 450.0f, 60.000004f, {{63}, {64}}},
       {"Echo Mix", 0.0f, 450.0f, 180.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Freeze Boing", "A narrow granular pulse gates the audio, which is then delayed and looped.", "12378", 0x0302, 524288,
      {{"Power (width)", -100.0f, -1.0f, -50.000004f, {{21}}},
       {"Delay Time ms", 0.0f, 500.0f, 20.0f, {{81}}},
       {"Feedback", 0.0f, 200.0f, 199.0f, {{86}}},
       {"Boing Freq Hz", 0.03f, 6.0f, 0.5f, {{196}}},
       {"Boing Depth", 0.0f, 40.0f, 20.0f, {{206}}},
       {"Wet Mix", 0.0f, 180.0f, 90.0f, {{93}, {94}, {63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Freeze Boing discrete", "Freeze Boing with discrete shifts. The audio is pulse gated, delayed and looped.", "12378", 0x0302, 524288,
      {{"Power (width)", -100.0f, -1.0f, -50.000004f, {{21}}},
       {"Delay Time ms", 0.0f, 500.0f, 187.5f, {{81}}},
       {"Feedback", 0.0f, 200.0f, 195.0f, {{86}}},
       {"Boing Freq Hz", 0.03f, 1.0f, 0.50000006f, {{196}}},
       {"Boing Depth", 0.0f, 50.0f, 25.0f, {{206}}},
       {"Wet Mix", 0.0f, 600.0f, 180.0f, {{93}, {94}, {63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Freeze Boingfest", "A narrow granular pulse gates the audio, which is then delayed and looped. A wide range of effects are possible -- try the Random button.", "12378", 0x0302, 524288,
      {{"Delay Time ms", 0.0f, 500.0f, 20.0f, {{81}}},
       {"Feedback", 170.0f, 200.0f, 195.0f, {{86}}},
       {"Boing Freq Hz", 0.03f, 20.0f, 3.0f, {{196}}},
       {"Boing Depth", 0.0f, 40.0f, 19.999998f, {{206}}},
       {"Boing shape", -100.0f, 100.0f, -60.0f, {{201}}},
       {"Wet Mix", 0.0f, 300.0f, 82.0f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Freeze Pan", "A narrow granular pulse gates the audio, which is delayed, looped & panned. (Reclick the Preset name to sample a new segment.)", "12378", 0x0302, 524288,
      {{"Power (width)", -60.0f, -40.0f, -50.0f, {{21}}},
       {"Delay Time ms", 400.0f, 600.0f, 500.0f, {{81}}},
       {"Feedback", 150.0f, 199.8f, 199.8f, {{86}}},
       {"Pan Rate Hz", 1.0f, 3.0f, 2.0f, {{196}}},
       {"Initial Mix", 0.0f, 375.0f, 60.0f, {{63}, {64}}},
       {"Echo Mix", 0.0f, 375.0f, 180.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Granular Stretch Echo", "4 narrow granular pulses gate the audio at different phases, producing a slight time compression & some audio overlap.", "12345678", 0x0302, 65536,
      {{"Power (width)", 0.0f, 40.0f, 20.0f, {{21}, {51}, {81}, {111}}},
       {"Init Phase1 \xA1", 0.0f, 90.0f, 78.799995f, {{19}}},
       {"Init Phase2 \xA1", 0.0f, 90.0f, 56.3f, {{49}}},
       {"Init Phase3 \xA1", 0.0f, 90.0f, 33.8f, {{79}}},
       {"Init Phase4 \xA1", 0.0f, 90.0f, 11.299999f, {{109}}},
       {"Output Volume", 0.0f, 500.0f, 250.0f, {{153}, {154}, {183}, {184}, {213}, {214}, {243}, {244}}}}},
     {"Granular Stretch Echo 2", "4 narrow granular pulses gate the audio at different phases, producing a slight time stretch and some audio overlap.", "12345678", 0x0302, 65536,
      {{"Power (width)", 0.0f, 40.0f, 20.0f, {{21}, {51}, {81}, {111}}},
       {"Init Phase1 \xA1", 0.0f, 90.0f, 78.799995f, {{19}}},
       {"Init Phase2 \xA1", 0.0f, 90.0f, 56.3f, {{49}}},
       {"Init Phase3 \xA1", 0.0f, 90.0f, 33.8f, {{79}}},
       {"Init Phase4 \xA1", 0.0f, 90.0f, 11.299999f, {{109}}},
       {"Output Volume", 0.0f, 500.0f, 250.0f, {{153}, {154}, {183}, {184}, {213}, {214}, {243}, {244}}}}},
     {"Granular Synth", "A narrow granular pulse gates the audio, which is then multitap delayed. Adjust the 1st 3 sliders to get different effects. E&F enable more repeats.", "12345678", 0x0302, 65536,
      {{"Trigger Rate hz", 3.0f, 8.0f, 5.304f, {{16}}},
       {"Power (width)", -6.0f, -4.0f, -5.059f, {{21}}},
       {"ms Time", 100.0f, 500.0f, 214.0f, {{81}, {141}, {171}, {201}, {231}}},
       {"Volume 1st 4", 0.0f, 580.0f, 303.0f, {{63}, {64}, {93}, {94}, {153}, {154}, {183}, {184}}},
       {"Volume 5", 0.0f, 580.0f, 0.0f, {{213}, {214}}},
       {"Volume 6", 0.0f, 580.0f, 0.0f, {{243}, {244}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{123}, {124}}}}},
     {"Granular Synth 2", "A narrow granular pulse gates the audio, which is then multitap delayed. Adjust the 1st 3 sliders to get different effects. E&F enable more repeats.", "12345678", 0x0302, 65536,
      {{"Trigger Rate hz", 3.0f, 8.0f, 3.5f, {{16}}},
       {"Power (width)", -20.0f, -1.0f, -1.9999995f, {{21}}},
       {"ms Time", 100.0f, 500.0f, 400.0f, {{81}, {141}, {171}, {201}, {231}}},
       {"Volume 1st 4", 0.0f, 375.0f, 187.5f, {{63}, {64}, {93}, {94}, {153}, {154}, {183}, {184}}},
       {"Volume 5", 0.0f, 375.0f, 187.5f, {{213}, {214}}},
       {"Volume 6", 0.0f, 375.0f, 187.5f, {{243}, {244}}},
       {"Dry Mix", 0.0f, 375.0f, 0.0f, {{123}, {124}}}}},
     {"Reverse Playback 1 Sec.", "This reverses continuous audio playback. To match the original pitch, make sure the LFO Mod Rate x Delay Time = 1000.", "12345678", 0x0302, 262144,
      {{"LFO Mod Rate hz", 0.0f, 10.0f, 1.0f, {{16}, {136}, {106}, {226}}},
       {"Delay Time ms.", 0.0f, 4000.0f, 1000.0f, {{51}, {171}}},
       {"Output Volume", 0.0f, 280.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"Reverse Playback 2 Sec.", "This reverses continuous audio playback. To match the original pitch, make sure the LFO Mod Rate x Delay Time = 1000.", "12345678", 0x0302, 262144,
      {{"LFO Mod Rate hz", 0.0f, 10.0f, 0.49999997f, {{16}, {136}, {106}, {226}}},
       {"Delay Time ms.", 0.0f, 4000.0f, 2000.0f, {{51}, {171}}},
       {"Output Volume", 0.0f, 280.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"Reverse Stutter", "This gates the audio with multiple granular pulses,  then reverses each set of three.", "1235678", 0x0302, 262144,
      {{"Gate Rate Hz", 0.5f, 10.0f, 1.4999999f, {{16}, {46}, {76}, {106}}},
       {"Power (width)", -40.0f, 0.0f, -2.0000005f, {{21}, {51}, {81}, {111}}},
       {"Delay Time ms", 0.0f, 550.0f, 550.0f, {{141}, {171, 0.4090909f}}},
       {"Wet Mix", 0.0f, 400.0f, 160.0f, {{153}, {154}, {183}, {184}, {213}, {214}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Stutter", "This raises a sine wave to a large negative power, creating a narrow granular pulse which gates the audio, which is then multitap delayed.", "12345678", 0x0302, 65536,
      {{"Trigger Rate hz", 0.5f, 2.0f, 1.0f, {{16}}},
       {"Power (width)", -100.0f, -1.0f, -9.999997f, {{21}}},
       {"ms Time", 0.0f, 500.0f, 150.0f, {{81}, {141}, {171}, {201}, {231}}},
       {"Volume 1st 4", 0.0f, 800.0f, 408.0f, {{63}, {64}, {93}, {94}, {153}, {154}, {183}, {184}}},
       {"Volume 5", 0.0f, 800.0f, 0.0f, {{213}, {214}}},
       {"Volume 6", 0.0f, 800.0f, 0.0f, {{243}, {244}}},
       {"Dry Mix", 0.0f, 600.0f, 0.0f, {{123}, {124}}}}},
     {"Stutter Pan", "This raises a sine wave to a large negative power, creating a narrow granular pulse which gates the audio, which is then multitap delayed.", "12345678", 0x0302, 131072,
      {{"Trigger Rate hz", 0.5f, 2.0f, 0.79999995f, {{16}}},
       {"Power (width)", -100.0f, -1.0f, -9.999997f, {{21}}},
       {"ms Time", 0.0f, 500.0f, 200.0f, {{81}, {141}, {171}, {201}, {231}}},
       {"Pan Rate Hz", 0.0f, 4.0f, 1.9999999f, {{106}}},
       {"Output Level 1-4", 0.0f, 360.0f, 240.0f, {{63}, {64}, {93}, {94}, {153}, {154}, {183}, {184}}},
       {"Output Level 5", 0.0f, 360.0f, 0.0f, {{213}, {214}}},
       {"Dry Mix", 0.0f, 360.0f, 0.0f, {{243}, {244}}}}},
    },
};

TEST(GranularPresets, ProcessFieldsHoldTheDerivedSampleValues)
{
    const auto records = categoryRecords(kGranular);
    EXPECT_SAME_FLOAT(records[0].exponent[0], -50.0f);
    EXPECT_SAME_FLOAT(records[0].processTime[2], 11025.0f);
    EXPECT_SAME_FLOAT(records[2].exponent[0], -50.000004f);
    EXPECT_SAME_FLOAT(records[2].processTime[2], 6615.0005f);
    EXPECT_SAME_FLOAT(records[3].processTime[6], 3219.3003f);
    EXPECT_SAME_FLOAT(records[4].processTime[2], 5512.5f);
    EXPECT_SAME_FLOAT(records[6].processTime[2], 8268.751f);
    EXPECT_SAME_FLOAT(records[9].processTime[4], 15876.001f);
    EXPECT_SAME_FLOAT(records[11].exponent[0], -5.059f);
    EXPECT_SAME_FLOAT(records[12].exponent[0], -1.9999995f);
    EXPECT_SAME_FLOAT(records[14].processTime[5], 88200.0f);
    EXPECT_SAME_FLOAT(records[15].exponent[2], -2.0000005f);
    EXPECT_SAME_FLOAT(records[15].processTime[5], 9922.5f);
    EXPECT_SAME_FLOAT(records[16].exponent[0], -9.999997f);
}

TEST(GranularPresets, StoredRunningStateTravelsWithTheRecords)
{
    const auto records = categoryRecords(kGranular);
    // "Auto Freeze Pan": both channels of the pulse and of the pan sine, and a stale pitch.
    EXPECT_SAME_FLOAT(records[0].oscPhase[0][0], 1.5056982f);
    EXPECT_SAME_FLOAT(records[0].oscPhase[0][1], 1.5056982f);
    EXPECT_SAME_FLOAT(records[0].oscPhase[6][1], 6.233934f);
    EXPECT_SAME_FLOAT(records[0].lastPitch[6][0], 439.99988f);
    EXPECT_EQ(bitsOf(records[0].oscPhase[1][0]), 0u);
    // "Freeze Pan" stores a phase far from its initial 90 degrees.
    EXPECT_SAME_FLOAT(records[8].oscPhase[0][0], 5.7751803f);
    EXPECT_SAME_FLOAT(records[8].oscPhase[6][0], 4.6716f);
    // "Reverse Playback 1 Sec." leaves pending amplitude modulations on both output modules.
    for (int c = 0; c < kNumChannels; ++c) {
        EXPECT_EQ(records[13].pendingAmplMod[2][c], 1);
        EXPECT_EQ(records[13].pendingAmplMod[6][c], 1);
        EXPECT_EQ(records[13].pendingAmplMod[3][c], 0);
    }
    EXPECT_SAME_FLOAT(records[13].oscPhase[6][0], 4.712389f);
    EXPECT_SAME_FLOAT(records[17].oscPhase[3][1], 0.8802219f);
    for (int k = 0; k < int(kGranular.programs.size()); ++k) {
        EXPECT_TRUE(bytesAreZero(records[k].pendingTrackedFilterFrq, sizeof records[k].pendingTrackedFilterFrq));
        EXPECT_TRUE(bytesAreZero(records[k].pendingTrackedFreqMod, sizeof records[k].pendingTrackedFreqMod));
    }
}
