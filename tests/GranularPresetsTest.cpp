#include <gtest/gtest.h>

#include <cstring>

#include "FactoryRecordChecks.h"
#include "plugin/OrvCore.h"

namespace {

constexpr int kGranularFirst = 146;
constexpr int kGranularCount = 18;

const ExpectedProgram kGranularPrograms[kGranularCount] = {
    {"Auto Freeze Pan",
     "A narrow granular pulse gates the audio, which is delayed, looped & panned. Capture rate controls how often we grab the incoming audio.",
     524288, {0, 1, 2, 6, 7},
     {{"Delay Time ms", 100, 800, 250, {{81, 1}}},
      {"Feedback", 0, 199.8f, 100, {{86, 1}}},
      {"Pan Rate Hz", 1, 3, 2, {{196, 1}}},
      {"Capture Rate Hz", 0.1f, 4, 0.50000006f, {{16, 1}}},
      {"Capture Mix", 0, 750, 120, {{63, 1}, {64, 1}}},
      {"Loop Mix", 0, 750, 360, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Auto Freeze Pan 2",
     "A narrow granular pulse gates the audio, which is delayed, looped & panned. Capture rate controls how often we grab the incoming audio.",
     524288, {0, 1, 2, 6, 7},
     {{"Delay Time ms", 100, 800, 283.12885f, {{81, 1}}},
      {"Feedback", 0, 199.8f, 184.44133f, {{86, 1}}},
      {"Pan Rate Hz", 1, 3, 1.0858085f, {{196, 1}}},
      {"Capture Rate Hz", 0.1f, 4, 0.13273054f, {{16, 1}}},
      {"Capture Mix", 0, 525, 75, {{63, 1}, {64, 1}}},
      {"Loop Mix", 0, 525, 240, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Capture & Loop",
     "A narrow granular pulse gates the audio, which is then delayed and looped. Capture Rate controls how often the new audio is captured.",
     524288, {0, 1, 2, 7},
     {{"Power (width)", -100, -1, -50.000004f, {{21, 1}}},
      {"Delay Time ms", 20, 500, 150, {{81, 1}}},
      {"Feedback", 0, 200, 190, {{86, 1}}},
      {"Capture Rate (Hz)", 0, 2, 0.75f, {{16, 1}}},
      {"Initial Mix", 0, 180, 75, {{63, 1}, {64, 1}}},
      {"Echo Mix", 0, 750, 300, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"DoubleFreeze",
     "2 narrow granular pulses gate the audio, which is then delayed and looped. ",
     262144, {0, 1, 2, 4, 5, 6, 7},
     {{"Power (width)", -100, 0, -50, {{21, 1}, {141, 1}}},
      {"Delay1 Time ms", 10, 200, 100, {{81, 1}}},
      {"Delay2 Time ms", 8, 200, 73, {{201, 1}}},
      {"Init Phase1 \xA1", 0, 120, 90, {{19, 1}}},
      {"Init Phase2 \xA1", 0, 120, 80, {{139, 1}}},
      {"Wet Mix", 0, 250, 125, {{63, 1}, {64, 1}, {93, 1}, {94, 1}, {183, 1}, {184, 1}, {213, 1}, {214, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Freeze",
     "A narrow granular pulse gates the audio, which is then delayed and looped. ",
     524288, {0, 1, 2, 7},
     {{"Power (width)", -100, -1, -50.000004f, {{21, 1}}},
      {"Delay Time ms", 20, 500, 125, {{81, 1}}},
      {"Feedback", 0, 200, 196, {{86, 1}}},
      {"Initial Mix", 0, 450, 60.000004f, {{63, 1}, {64, 1}}},
      {"Echo Mix", 0, 450, 180, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Freeze Boing",
     "A narrow granular pulse gates the audio, which is then delayed and looped.",
     524288, {0, 1, 2, 6, 7},
     {{"Power (width)", -100, -1, -50.000004f, {{21, 1}}},
      {"Delay Time ms", 0, 500, 20, {{81, 1}}},
      {"Feedback", 0, 200, 199, {{86, 1}}},
      {"Boing Freq Hz", 0.03f, 6, 0.5f, {{196, 1}}},
      {"Boing Depth", 0, 40, 20, {{206, 1}}},
      {"Wet Mix", 0, 180, 90, {{93, 1}, {94, 1}, {63, 1}, {64, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Freeze Boing discrete",
     "Freeze Boing with discrete shifts. The audio is pulse gated, delayed and looped.",
     524288, {0, 1, 2, 6, 7},
     {{"Power (width)", -100, -1, -50.000004f, {{21, 1}}},
      {"Delay Time ms", 0, 500, 187.5f, {{81, 1}}},
      {"Feedback", 0, 200, 195, {{86, 1}}},
      {"Boing Freq Hz", 0.03f, 1, 0.50000006f, {{196, 1}}},
      {"Boing Depth", 0, 50, 25, {{206, 1}}},
      {"Wet Mix", 0, 600, 180, {{93, 1}, {94, 1}, {63, 1}, {64, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Freeze Boingfest",
     "A narrow granular pulse gates the audio, which is then delayed and looped. A wide range of effects are possible -- try the Random button.",
     524288, {0, 1, 2, 6, 7},
     {{"Delay Time ms", 0, 500, 20, {{81, 1}}},
      {"Feedback", 170, 200, 195, {{86, 1}}},
      {"Boing Freq Hz", 0.03f, 20, 3, {{196, 1}}},
      {"Boing Depth", 0, 40, 19.999998f, {{206, 1}}},
      {"Boing shape", -100, 100, -60, {{201, 1}}},
      {"Wet Mix", 0, 300, 82, {{63, 1}, {64, 1}, {93, 1}, {94, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Freeze Pan",
     "A narrow granular pulse gates the audio, which is delayed, looped & panned. (Reclick the Preset name to sample a new segment.)",
     524288, {0, 1, 2, 6, 7},
     {{"Power (width)", -60, -40, -50, {{21, 1}}},
      {"Delay Time ms", 400, 600, 500, {{81, 1}}},
      {"Feedback", 150, 199.8f, 199.8f, {{86, 1}}},
      {"Pan Rate Hz", 1, 3, 2, {{196, 1}}},
      {"Initial Mix", 0, 375, 60, {{63, 1}, {64, 1}}},
      {"Echo Mix", 0, 375, 180, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Granular Stretch Echo",
     "4 narrow granular pulses gate the audio at different phases, producing a slight time compression & some audio overlap.",
     65536, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"Power (width)", 0, 40, 20, {{21, 1}, {51, 1}, {81, 1}, {111, 1}}},
      {"Init Phase1 \xA1", 0, 90, 78.799995f, {{19, 1}}},
      {"Init Phase2 \xA1", 0, 90, 56.3f, {{49, 1}}},
      {"Init Phase3 \xA1", 0, 90, 33.8f, {{79, 1}}},
      {"Init Phase4 \xA1", 0, 90, 11.299999f, {{109, 1}}},
      {"Output Volume", 0, 500, 250, {{153, 1}, {154, 1}, {183, 1}, {184, 1}, {213, 1}, {214, 1}, {243, 1}, {244, 1}}}}},
    {"Granular Stretch Echo 2",
     "4 narrow granular pulses gate the audio at different phases, producing a slight time stretch and some audio overlap.",
     65536, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"Power (width)", 0, 40, 20, {{21, 1}, {51, 1}, {81, 1}, {111, 1}}},
      {"Init Phase1 \xA1", 0, 90, 78.799995f, {{19, 1}}},
      {"Init Phase2 \xA1", 0, 90, 56.3f, {{49, 1}}},
      {"Init Phase3 \xA1", 0, 90, 33.8f, {{79, 1}}},
      {"Init Phase4 \xA1", 0, 90, 11.299999f, {{109, 1}}},
      {"Output Volume", 0, 500, 250, {{153, 1}, {154, 1}, {183, 1}, {184, 1}, {213, 1}, {214, 1}, {243, 1}, {244, 1}}}}},
    {"Granular Synth",
     "A narrow granular pulse gates the audio, which is then multitap delayed. Adjust the 1st 3 sliders to get different effects. E&F enable more repeats.",
     65536, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"Trigger Rate hz", 3, 8, 5.304f, {{16, 1}}},
      {"Power (width)", -6, -4, -5.059f, {{21, 1}}},
      {"ms Time", 100, 500, 214, {{81, 1}, {141, 1}, {171, 1}, {201, 1}, {231, 1}}},
      {"Volume 1st 4", 0, 580, 303, {{63, 1}, {64, 1}, {93, 1}, {94, 1}, {153, 1}, {154, 1}, {183, 1}, {184, 1}}},
      {"Volume 5", 0, 580, 0, {{213, 1}, {214, 1}}},
      {"Volume 6", 0, 580, 0, {{243, 1}, {244, 1}}},
      {"Dry Mix", 0, 400, 0, {{123, 1}, {124, 1}}}}},
    {"Granular Synth 2",
     "A narrow granular pulse gates the audio, which is then multitap delayed. Adjust the 1st 3 sliders to get different effects. E&F enable more repeats.",
     65536, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"Trigger Rate hz", 3, 8, 3.5f, {{16, 1}}},
      {"Power (width)", -20, -1, -1.9999995f, {{21, 1}}},
      {"ms Time", 100, 500, 400, {{81, 1}, {141, 1}, {171, 1}, {201, 1}, {231, 1}}},
      {"Volume 1st 4", 0, 375, 187.5f, {{63, 1}, {64, 1}, {93, 1}, {94, 1}, {153, 1}, {154, 1}, {183, 1}, {184, 1}}},
      {"Volume 5", 0, 375, 187.5f, {{213, 1}, {214, 1}}},
      {"Volume 6", 0, 375, 187.5f, {{243, 1}, {244, 1}}},
      {"Dry Mix", 0, 375, 0, {{123, 1}, {124, 1}}}}},
    {"Reverse Playback 1 Sec.",
     "This reverses continuous audio playback. To match the original pitch, make sure the LFO Mod Rate x Delay Time = 1000.",
     262144, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"LFO Mod Rate hz", 0, 10, 1, {{16, 1}, {136, 1}, {106, 1}, {226, 1}}},
      {"Delay Time ms.", 0, 4000, 1000, {{51, 1}, {171, 1}}},
      {"Output Volume", 0, 280, 140, {{93, 1}, {94, 1}, {213, 1}, {214, 1}}}}},
    {"Reverse Playback 2 Sec.",
     "This reverses continuous audio playback. To match the original pitch, make sure the LFO Mod Rate x Delay Time = 1000.",
     262144, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"LFO Mod Rate hz", 0, 10, 0.49999997f, {{16, 1}, {136, 1}, {106, 1}, {226, 1}}},
      {"Delay Time ms.", 0, 4000, 2000, {{51, 1}, {171, 1}}},
      {"Output Volume", 0, 280, 140, {{93, 1}, {94, 1}, {213, 1}, {214, 1}}}}},
    {"Reverse Stutter",
     "This gates the audio with multiple granular pulses,  then reverses each set of three.",
     262144, {0, 1, 2, 4, 5, 6, 7},
     {{"Gate Rate Hz", 0.5f, 10, 1.4999999f, {{16, 1}, {46, 1}, {76, 1}, {106, 1}}},
      {"Power (width)", -40, 0, -2.0000005f, {{21, 1}, {51, 1}, {81, 1}, {111, 1}}},
      {"Delay Time ms", 0, 550, 550, {{141, 1}, {171, 0.4090909f}}},
      {"Wet Mix", 0, 400, 160, {{153, 1}, {154, 1}, {183, 1}, {184, 1}, {213, 1}, {214, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}},
    {"Stutter",
     "This raises a sine wave to a large negative power, creating a narrow granular pulse which gates the audio, which is then multitap delayed.",
     65536, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"Trigger Rate hz", 0.5f, 2, 1, {{16, 1}}},
      {"Power (width)", -100, -1, -9.999997f, {{21, 1}}},
      {"ms Time", 0, 500, 150, {{81, 1}, {141, 1}, {171, 1}, {201, 1}, {231, 1}}},
      {"Volume 1st 4", 0, 800, 408, {{63, 1}, {64, 1}, {93, 1}, {94, 1}, {153, 1}, {154, 1}, {183, 1}, {184, 1}}},
      {"Volume 5", 0, 800, 0, {{213, 1}, {214, 1}}},
      {"Volume 6", 0, 800, 0, {{243, 1}, {244, 1}}},
      {"Dry Mix", 0, 600, 0, {{123, 1}, {124, 1}}}}},
    {"Stutter Pan",
     "This raises a sine wave to a large negative power, creating a narrow granular pulse which gates the audio, which is then multitap delayed.",
     131072, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"Trigger Rate hz", 0.5f, 2, 0.79999995f, {{16, 1}}},
      {"Power (width)", -100, -1, -9.999997f, {{21, 1}}},
      {"ms Time", 0, 500, 200, {{81, 1}, {141, 1}, {171, 1}, {201, 1}, {231, 1}}},
      {"Pan Rate Hz", 0, 4, 1.9999999f, {{106, 1}}},
      {"Output Level 1-4", 0, 360, 240, {{63, 1}, {64, 1}, {93, 1}, {94, 1}, {153, 1}, {154, 1}, {183, 1}, {184, 1}}},
      {"Output Level 5", 0, 360, 0, {{213, 1}, {214, 1}}},
      {"Dry Mix", 0, 360, 0, {{243, 1}, {244, 1}}}}}
};

// Module 3 of "Reverse Stutter" is off, yet its sliders A and B name it.
const std::vector<TargetOutsideUse> kGranularTargetsOutsideUse = {{15, 106}, {15, 111}};

const OrvPreset* builtGranular()
{
    static const auto bank = [] {
        auto records = std::make_unique<OrvPreset[]>(kGranularCount);
        buildGranularPresets(records.get(), 0);
        return records;
    }();
    return bank.get();
}

} // namespace

TEST(GranularPresets, BuilderWritesOnlyItsRecordsWhereverItStarts)
{
    expectBuilderIsRelocatable(buildGranularPresets, kGranularCount);
}

TEST(GranularPresets, EveryRecordKeepsTheFactoryInvariants)
{
    for (int k = 0; k < kGranularCount; ++k)
        expectFactoryRecordInvariants(builtGranular()[k], k, "Granular", kGranularTargetsOutsideUse);
}

TEST(GranularPresets, EveryRecordHoldsItsTextsAndSliders)
{
    for (int k = 0; k < kGranularCount; ++k)
        expectProgram(builtGranular()[k], kGranularPrograms[k]);
}

TEST(GranularPresets, SlidersAgreeWithTheFieldsTheyDrive)
{
    expectSlidersAgreeWithFields(buildGranularPresets, kGranularCount);
}

TEST(GranularPresets, ModuleRowsHoldTheirExactValues)
{
    using namespace OscKind;
    using namespace ProcessKind;
    using namespace ModKind;
    const ModuleRow rows[] = {
        // "Auto Freeze Pan": frequency mode 1 with 2 in the second copy.
        {0, 0, OscKind::Sine, 0.50000006f, 1, 2, 9, 4, 1.5707964f, RaiseToPwr, -50, 1, {RingMod, NoMod}, {1, 1},
         {1, 1}, {0, 0}, {1, 1}, {1, 0, 1, 0, 0}},
        // The dry path: process kind 0, everything else zero but its slots and switches.
        {0, 7, StereoIn, 0, 0, 0, 0, 0, 0, 0, 0, 0, {NoMod, NoMod}, {0, 0}, {1, 1}, {1, 1}, {0, 0}, {0, 0, 0, 0, 0}},
        // "DoubleFreeze": the second chain, its pulse starting at 80 degrees.
        {3, 4, OscKind::Sine, 0.0802215f, 2, 2, 9, 4, 1.3962634f, RaiseToPwr, -50, 1, {RingMod, NoMod}, {5, 5},
         {1, 1}, {0, 0}, {1, 1}, {1, 0, 1, 0, 0}},
        {3, 6, NoOsc, 439.99988f, 0, 1, 9, 4, 0, ProcessKind::Delay, 73, 41.5f, {Mix, NoMod}, {6, 3}, {1.995f, 1},
         {1, 1}, {1.25f, 1.25f}, {1, 1, 0, 1, 1}},
        {7, 6, OscKind::Sine, 3, 1, 1, 9, 4, 0, RaiseToPwr, -60, 41.5f, {DelayMod, NoMod}, {2, 3}, {0.19999997f, 1},
         {0, 0}, {0, 0}, {1, 0, 1, 0, 0}},
        {9, 5, StereoIn, 5, 1, 1, 9, 4, 0, ProcessKind::Delay, 240, 1, {Mix, NoMod}, {6, 0}, {1, 1}, {1, 1},
         {2.5f, 2.5f}, {1, 0, 1, 1, 1}},
        {11, 0, OscKind::Sine, 5.304f, 1, 1, 9, 4, 0, RaiseToPwr, -5.059f, 1, {RingMod, NoMod}, {1, 1}, {1, 1},
         {0, 0}, {1, 1}, {1, 0, 1, 0, 0}},
        // "Reverse Playback 1 Sec.": a saw whose unread main value sits just below 222.8.
        {13, 0, Saw, 1, 1, 1, 9, 4, 4.712389f, NoProcess, 222.79999f, 1, {DelayMod, NoMod}, {1, 3}, {1, 1}, {0, 0},
         {1, 1}, {1, 0, 1, 0, 0}},
        {15, 5, StereoIn, 439.99988f, 0, 1, 9, 4, 0, ProcessKind::Delay, 225, 1, {NoMod, NoMod}, {6, 0}, {1, 1},
         {1, 1}, {1.5999999f, 1.5999999f}, {1, 1, 0, 1, 1}},
        {17, 3, OscKind::Sine, 1.9999999f, 1, 1, 9, 4, 0, RaiseToPwr, 0.5f, 1, {PanMod, NoMod}, {2, 4},
         {0.79999995f, 1}, {0, 0}, {1, 1}, {0, 1, 0, 0, 0}},
    };
    for (const ModuleRow& row : rows)
        expectModuleRow(builtGranular()[row.program], row);
}

TEST(GranularPresets, ProcessFieldsHoldTheDerivedSampleValues)
{
    const OrvPreset* records = builtGranular();
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
    const OrvPreset* records = builtGranular();
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
    for (int k = 0; k < kGranularCount; ++k) {
        EXPECT_TRUE(fieldIsZero(records[k].pendingTrackedFilterFrq, sizeof records[k].pendingTrackedFilterFrq));
        EXPECT_TRUE(fieldIsZero(records[k].pendingTrackedFreqMod, sizeof records[k].pendingTrackedFreqMod));
    }
}

TEST(GranularPresets, BankKeepsTheDegreeSignOfThePhaseCaptions)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);
    EXPECT_STREQ(core.bank[kGranularFirst + 3].sliderCaption[3], "Init Phase1 \xA1");
    EXPECT_STREQ(core.bank[kGranularFirst + 3].sliderCaption[4], "Init Phase2 \xA1");
    EXPECT_STREQ(core.bank[kGranularFirst + 10].sliderCaption[4], "Init Phase4 \xA1");
    for (int k = 0; k < kGranularCount; ++k) {
        OrvPreset expected = builtGranular()[k];
        normaliseFactoryTexts(expected);
        EXPECT_EQ(std::memcmp(&core.bank[kGranularFirst + k], &expected, kPresetSize), 0) << kGranularPrograms[k].name;
    }
}

TEST(GranularPresets, SelectionPreparesTheStoredValues)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);

    // Three Delay modules need six lines; the records store half the computed length.
    for (const int k : {9, 10}) {
        EXPECT_EQ(core.bank[kGranularFirst + k].delayLineLength, 65536u);
        ASSERT_TRUE(selectProgram(core, kGranularFirst + k));
        EXPECT_EQ(core.current->delayLineLength, 131072u);
    }

    // "Freeze Pan": selecting, and selecting again, restarts the pulse at its 90 degree peak.
    ASSERT_TRUE(selectProgram(core, kGranularFirst + 8));
    EXPECT_SAME_FLOAT(core.current->oscPhase[0][0], 1.5707964f);
    EXPECT_SAME_FLOAT(core.current->oscPhase[0][1], 1.5707964f);
    EXPECT_EQ(bitsOf(core.current->oscPhase[6][0]), 0u);
    core.current->oscPhase[0][0] = 3.0f;
    ASSERT_TRUE(selectProgram(core, kGranularFirst + 8));
    EXPECT_SAME_FLOAT(core.current->oscPhase[0][0], 1.5707964f);
    // Module 6 holds 1 in its second frequency-mode word, module 0 holds 2.
    EXPECT_EQ(core.sliders.curve[3], SliderCurve::Square);

    ASSERT_TRUE(selectProgram(core, kGranularFirst + 0));
    EXPECT_EQ(core.sliders.curve[2], SliderCurve::Square);
    EXPECT_EQ(core.sliders.curve[3], SliderCurve::Linear);

    ASSERT_TRUE(selectProgram(core, kGranularFirst + 3));
    EXPECT_SAME_FLOAT(core.current->oscPhase[0][1], 1.5707964f);
    EXPECT_SAME_FLOAT(core.current->oscPhase[4][0], 1.3962634f);
    EXPECT_EQ(core.current->delayLineLength, 262144u);

    // "Reverse Stutter": sliders A and B write into module 3, which stays off.
    ASSERT_TRUE(selectProgram(core, kGranularFirst + 15));
    EXPECT_EQ(core.current->inUse[3], 0);
    EXPECT_SAME_FLOAT(core.current->oscFrequency[3], 1.4999999f);
    EXPECT_EQ(core.current->freqMode[3], FreqMode::Hz);
    EXPECT_SAME_FLOAT(core.current->mainValue[3], -2.0000005f);
}
