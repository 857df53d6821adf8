#include "PitchProgramChecks.h"
#include "presets/FactoryPresets.h"

namespace {

constexpr int kFirst = 236;
constexpr int kCount = 11;

constexpr unsigned kTwoVoices = 0xFF; // modules 0..7
constexpr unsigned kOneLoop = 0x87; // modules 0, 1, 2, 7
constexpr unsigned kLoopWithFilter = 0xB7; // modules 0, 1, 2, 4, 5, 7
constexpr unsigned kCrossedChannels = 0xB3; // modules 0, 1, 4, 5, 7
constexpr unsigned kOneDelay = 0x83; // modules 0, 1, 7

const PitchProgram kPrograms[kCount] = {
    {"Crystal Gliss Alternating", 262144,
     "Up & down pitch shifts with deglitching.  LFO Mod Rate and Delay Mod Depth parameters adjust pitch.",
     kTwoVoices,
     {{"LFO Mod Rate hz", 0.1f, 10, 0.4f, {16, 136, 106, 226}},
      {"DelayMod Depth", -20, 0, -13, {26, 146}},
      {"Delay Time ms", 100, 500, 300, {51, 171}},
      {"Feedback %", 0, 350, 350, {86, 206}},
      {"Output Volume", 0, 200, 55, {93, 94, 213, 214}}}},
    {"Crystal Gliss Down", 524288,
     "A sawtooth wave modulates the delay time, causing the pitch to  shift down each time it goes through the "
     "feedback loop.",
     kOneLoop,
     {{"Saw LFO Rate hz", 0.1f, 1, 0.2f, {16}},
      {"Delay Time ms", 0, 300, 150, {81}},
      {"DelayMod Depth", 0, 200, 80, {26}},
      {"Feedback", 0, 175, 150, {86}},
      {"Wet Mix 1", 0, 600, 188, {93, 94}},
      {"Wet Mix 2", 0, 600, 66, {63, 64}},
      {"Dry Mix", 0, 300, 0, {243, 244}}}},
    {"Crystal Gliss Up", 524288,
     "Another sound with pitch change inside a feedback loop. The negative modulation depth causes the pitch to "
     "increase.",
     kOneLoop,
     {{"Saw LFO Rate hz", 0.1f, 1, 0.19999999f, {16}},
      {"Delay Time ms", 0, 250, 125, {81}},
      {"DelayMod Depth", -200, 0, -79.99999f, {26}},
      {"Feedback", 0, 175, 150, {86}},
      {"Wet Mix 1", 0, 450, 188, {93, 94}},
      {"Wet Mix 2", 0, 450, 66, {63, 64}},
      {"Dry Mix", 0, 300, 0, {243, 244}}}},
    {"Gliss Down + Filter Sweep", 524288,
     "This combines a downward pitch-change loop with a  slow filter sweep in the feedback path.", kLoopWithFilter,
     {{"Saw LFO Rate hz", 0.1f, 1, 0.2f, {16}},
      {"Delay Time hz", 150, 500, 250, {81}},
      {"DelayMod Depth", 0, 200, 80, {26}},
      {"Bandpass Frq hz", 30, 2000, 1000.00006f, {141}},
      {"Feedback", 0, 100, 100, {146}},
      {"Wet Mix", 0, 150, 52.5f, {153, 154, 63, 64}},
      {"Dry Mix", 0, 150, 0, {243, 244}}}},
    {"Gliss Up + Filter Sweep", 524288,
     "This combines an upward pitch-change loop with a  slow filter sweep in the feedback path.", kLoopWithFilter,
     {{"Saw LFO Rate hz", 0.1f, 1, 0.2f, {16}},
      {"Delay Time hz", 150, 500, 250, {81}},
      {"DelayMod Depth", -200, 0, -70.00001f, {26}},
      {"Bandpass Frq hz", 30, 2000, 1000.00006f, {141}},
      {"Feedback", 0, 100, 100, {146}},
      {"Wet Mix", 0, 150, 50, {153, 154, 63, 64}},
      {"Dry Mix", 0, 150, 0, {243, 244}}}},
    {"Pitch Panic", 131072,
     "Channels get cross-faded left and right while the pitches are  swept in opposite directions.",
     kCrossedChannels,
     {{"XFade Rate Hz", 0.2f, 1, 0.39999998f, {16, 136}},
      {"PitchMod Depth", 0, 100, 25, {26, 146}},
      {"PanMod Depth", 0, 200, 100, {29, 149}},
      {"Delay Time ms", 0, 500, 250, {51, 171, 231}},
      {"Wet Mix", 0, 450, 210, {63, 64, 183, 184}},
      {"Dry Mix", 0, 450, 0, {243, 244}}}},
    {"PitchSweep DownUp", 524288,
     "A sine-wave LFO modulates a delay, resulting in a downward, then upward, pitch sweep.", kOneDelay,
     {{"LFO Init Phase\xA1", 0, 360, 180, {19}},
      {"Delay ModDepth", 0, 100, 100, {26}},
      {"Delay Time ms", 0, 550, 550, {51}},
      {"LFO Rate Hz", 0.05f, 0.4f, 0.2f, {16}},
      {"Wet Mix", 0, 300, 140, {63, 64}},
      {"Dry Mix", 0, 300, 0, {243, 244}}}},
    {"PitchSweep UpDown", 524288,
     "A sine-wave LFO modulates a delay, resulting in an upward, then downward, pitch sweep.", kOneDelay,
     {{"LFO Init Phase\xA1", 0, 360, 0, {19}},
      {"Delay ModDepth", 0, 100, 100, {26}},
      {"LFO Rate Hz", 0.05f, 0.4f, 0.2f, {16}},
      {"Delay Time ms", 0, 1100, 550, {51}},
      {"Wet Mix", 0, 300, 140, {63, 64}},
      {"Dry Mix", 0, 300, 0, {243, 244}}}},
    {"PitchSweep UpDown 2", 524288,
     "A sine-wave LFO modulates a delay, resulting in an upward,  then downward pitch sweep.", kOneDelay,
     {{"LFO Init Phase\xA1", 0, 360, 315, {19}},
      {"Delay ModDepth", 0, 100, 100, {26}},
      {"LFO Rate Hz", 0.05f, 0.6f, 0.3f, {16}},
      {"Delay Time ms", 0, 1100, 550, {51}},
      {"Wet Mix", 0, 300, 140, {63, 64}},
      {"Dry Mix", 0, 300, 0, {243, 244}}}},
    {"Stereo Pan Sweep", 262144,
     "Stereo Pan with extreme pitch shifts. Channels are delay modulated and cross-faded left and right.",
     kCrossedChannels,
     {{"LFO Rate Hz", 0.1f, 1, 0.5f, {16, 136}},
      {"PitchMod Depth", 0, 100, 50, {26, 146}},
      {"PanMod Depth", 0, 200, 100, {29, 149}},
      {"Delay Time ms", 0, 500, 250, {51, 171}},
      {"Wet Mix", 0, 420, 210, {63, 64, 183, 184}},
      {"Dry Mix", 0, 420, 0, {243, 244}}}},
    {"Warped Speech", 524288,
     "A sine-wave LFO modulates a delay, resulting in slow pitch changes a la Twin Peaks.", kOneDelay,
     {{"DelayMod Hz", 0.5f, 4, 2, {16}},
      {"Delay Time ms", 0, 30, 15, {51}},
      {"DelayMod Depth", -66, 0, -33, {26}},
      {"Wet Mix", 0, 225, 105, {63, 64}},
      {"Dry Mix", 0, 225, 0, {243, 244}}}},
};

struct PitchSweepPresets : testing::Test {
    std::unique_ptr<OrvPreset[]> records = std::make_unique<OrvPreset[]>(kCount);
    void SetUp() override { ASSERT_EQ(buildPitchSweepPresets(records.get(), 0), kCount); }
};

} // namespace

TEST_F(PitchSweepPresets, EveryRecordHoldsItsProgram)
{
    for (int k = 0; k < kCount; ++k) {
        expectPitchRecord(records[k], kPrograms[k], "Pitch Sweep");
    }
}

TEST_F(PitchSweepPresets, SlidersAgreeWithTheirFields) { expectSlidersReproduceStoredFields(buildPitchSweepPresets, kCount); }

TEST_F(PitchSweepPresets, BuilderWritesOnlyItsRecordsAndTheBankHoldsThem)
{
    expectBuilderIsRelocatable(buildPitchSweepPresets, kCount);
    expectBankHoldsCategory(buildPitchSweepPresets, kFirst, kCount);
}

TEST_F(PitchSweepPresets, DegreeCaptionsKeepTheirByteInTheBank)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);
    for (int index : {kFirst + 6, kFirst + 7, kFirst + 8})
        EXPECT_EQ(uint8_t(core.bank[index].sliderCaption[0][14]), 0xA1) << index;
}

TEST_F(PitchSweepPresets, FeedbackLoopsIntoEarlierModules)
{
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

TEST_F(PitchSweepPresets, RunningStateFlagWordsAndDryPaths)
{
    const OrvPreset& alternating = records[0];
    EXPECT_EQ(alternating.pendingAmplMod[2][0], 1);
    EXPECT_EQ(alternating.pendingAmplMod[6][1], 1);
    EXPECT_EQ(bitsOf(alternating.oscPhase[7][1]), bitsOf(0.47595444f));
    EXPECT_EQ(bitsOf(alternating.lastPitch[7][0]), 0x43DBFFFCu);
    EXPECT_EQ(bitsOf(alternating.filterQ[6]), bitsOf(41.5f));
    EXPECT_EQ(alternating.channelWord[2][0] + alternating.channelWord[2][1], 2);
    EXPECT_EQ(alternating.channelWord[1][0] + alternating.channelWord[1][1], 0);

    const OrvPreset& downUp = records[6];
    EXPECT_EQ(bitsOf(downUp.phaseOrLfoDepth[0]), 0x40490FDBu); // pi
    EXPECT_EQ(bitsOf(downUp.oscPhase[0][0]), bitsOf(5.69032f));
    EXPECT_EQ(downUp.freqMode[1], 0);
    EXPECT_EQ(downUp.sliderFreqMode[1], FreqMode::Hz);
    EXPECT_EQ(downUp.moduleWord1044[1], 1);
    EXPECT_EQ(downUp.moduleWord1060[1], 1);
    EXPECT_EQ(downUp.moduleWord1076[1], 0);
    EXPECT_EQ(bitsOf(downUp.processTime[1]), bitsOf(24255.0f));
    EXPECT_EQ(bitsOf(records[8].phaseOrLfoDepth[0]), bitsOf(5.497787f));

    for (int k = 1; k < kCount; ++k) {
        SCOPED_TRACE(records[k].programName);
        EXPECT_EQ(records[k].oscKind[7], OscKind::StereoIn);
        EXPECT_EQ(records[k].processKind[7], k == 5 ? ProcessKind::Delay : 0);
        EXPECT_EQ(records[k].outputOn[7][0] + records[k].outputOn[7][1], 2);
        EXPECT_EQ(bitsOf(records[k].outputGain[7][0]) | bitsOf(records[k].outputGain[7][1]), 0u);
    }
    EXPECT_EQ(bitsOf(records[5].processTime[7]), bitsOf(11025.0f));
}
