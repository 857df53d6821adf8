#include <gtest/gtest.h>

#include "FactoryCategoryChecks.h"

using namespace factory_checks;

namespace {

const CategoryTable kPitchTrack = {
    "Pitch Track", 16, 247, buildPitchTrackPresets,
    {
        {"Calliope",
         "We slowly pitch track a monophonic input, frequency modulate a squared-off sine wave and frequency quantize it. Filtered noise is added.",
         524288, {0, 1, 2, 4, 7},
         {{"PitchTrk Lo  Hz", 50, 500, 160, {21}},
          {"PitchTrk Hi  Hz", 150, 500, 300, {22}},
          {"PitchTrk Int ms", 20, 160, 80, {19}},
          {"Pitch Scale", 0, 400, 200, {26, 29}},
          {"Tone Volume", 0, 75, 30, {93, 94}},
          {"Noise Volume", 0, 1200, 840, {153, 154}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"PitchTrack Bandpass",
         "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and use it to sweep the bandpass filter frequency.",
         262144, {0, 1, 2},
         {{"PitchTrk Lo  Hz", 50, 500, 160, {21}},
          {"PitchTrk Hi  Hz", 150, 500, 300, {22}},
          {"FilterFrq Scale", 0, 800, 400, {26}},
          {"Filter Q", 1, 10, 5, {52}},
          {"Wet Mix", 0, 250, 125, {63, 64}},
          {"Dry Mix", 0, 250, 50, {93, 94}}}},
        {"PitchTrack Whistle",
         "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and sweep the filter freq of white noise, resulting in a whistled sound.",
         131072, {0, 1, 2},
         {{"PitchTrk Lo  hz", 50, 500, 160, {21}},
          {"PitchTrk Hi  hz", 150, 500, 300, {22}},
          {"FilterFrq Scale", 0, 800, 400, {26}},
          {"Filter Q", 5, 250, 170, {52}},
          {"Wet Mix", 0, 1000, 560, {63, 64}},
          {"Dry Mix", 0, 1000, 133, {94, 93}}}},
        {"PitchTrack Whistle 2",
         "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and sweep the filter freq of white noise, resulting in a whistled sound.",
         131072, {0, 1, 2},
         {{"PitchTrk Lo  hz", 50, 500, 160, {21}},
          {"PitchTrk Hi  hz", 150, 500, 300, {22}},
          {"FilterFrq Scale", 0, 500, 400, {26}},
          {"Filter Q", 5, 250, 170, {52}},
          {"Wet Mix", 0, 600, 400, {63, 64}},
          {"Dry Mix", 0, 600, 100, {93, 94}}}},
        {"PitchTrack Whistle + Vib",
         "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale= 400),  sweep the noise filter freq and add vibrato, resulting in a musical saw.",
         262144, {0, 1, 4, 5},
         {{"PitchTrk Lo  hz", 50, 500, 160, {21}},
          {"PitchTrk Hi  hz", 150, 500, 300, {22}},
          {"FilterFrq Scale", 0, 800, 400, {26}},
          {"Filter Q", 5, 250, 170, {52}},
          {"Vibrato Depth", 0, 20, 10, {146}},
          {"Wet Mix", 0, 800, 400.00006f, {63, 64}},
          {"Dry Mix", 0, 240, 120, {183, 184}}}},
        {"PitchTrack->RingMod",
         "This pitch-tracks a monophonic signal and uses the result to modulate a ring modulation oscillator, resulting in ring mod that follows the original pitch.",
         262144, {0, 1, 2, 4},
         {{"PitchTrk Lo hz", 50, 500, 160, {21}},
          {"PitchTrk Hi hz", 150, 500, 300, {22}},
          {"PitchTrk Int ms", 15, 50, 20, {19}},
          {"Freq Mod Depth", 0, 500, 200, {26}},
          {"Wet Mix", 0, 200, 100, {93, 94}},
          {"Dry Mix", 0, 200, 40, {153, 154}}}},
        {"PitchTrack->SitarDrone",
         "Resonant delay gives voice or instrumentals a sitar-like drone. Pitch Tracker modulates Delay Time, which in turn controls the drone pitch. ",
         131072, {0, 1, 2},
         {{"Delay Time ms", 0, 2, 0.4f, {51}},
          {"Feedback", -90, 198, 198, {56}},
          {"DelayMod Depth", 0, 200, 90, {86}},
          {"Wet Mix", 0, 200, 90, {63, 64}},
          {"Dry Mix", 0, 200, 90, {33, 34}}}},
        {"Pitch Wah",
         "Pitch Wah. The signal's frequency envelope controls a lowpass filter's  cutoff frequency.",
         262144, {0, 1, 2},
         {{"Filter Q", 0.1f, 5, 1.8f, {52}},
          {"Delay Mod Depth", 0, 800, 600, {26}},
          {"Wet Mix", 0, 400, 150, {63, 64}},
          {"Dry Mix", 0, 400, 15.000001f, {93, 94}}}},
        {"Slide Whistle",
         "We pitch track the input and frequency modulate a slightly distorted  sine wave. Envelope Follower controls the amplitude.",
         262144, {0, 1, 2, 4, 5, 6, 7},
         {{"PitchTrk Lo  Hz", 50, 500, 160, {21}},
          {"PitchTrk Hi  Hz", 150, 500, 300, {22}},
          {"Pitch Scale %", 0, 800, 400, {26, 29}},
          {"Power Distort", 0.4f, 2, 0.75f, {51}},
          {"Tone Volume", 0, 1500, 105, {63, 64}},
          {"Noise Volume", 0, 1500, 840, {93, 94}},
          {"Dry Mix", 0, 400, 0, {243, 244}}}},
        {"Theremin",
         "We pitch track the input at 4 different intervals (to smooth the tracking) and frequency modulate a slightly distorted sine wave.",
         131072, {0, 1, 2, 4, 5, 6, 7},
         {{"PitchTrk Lo hz", 50, 500, 160, {21, 51, 141, 171}},
          {"PitchTrk Hi hz", 150, 2000, 300, {22, 52, 142, 172}},
          {"PitchTrk Int ms", 20, 100, 31.04f, {19, 49, 139, 169}},
          {"Pitch Scale %", 0, 100, 50, {26, 56, 146, 176}},
          {"Vibrato Depth", 0, 6, 6, {206}},
          {"Wet Mix", 0, 60, 40, {93, 94}},
          {"Dry Mix", 0, 200, 0, {243, 244}}}},
        {"Theremin+EnvFol",
         "We pitch track the input and frequency modulate a slightly distorted  sine wave. Envelope Follower controls the amplitude.",
         32768, {0, 1, 2, 3, 4, 5, 6, 7},
         {{"PitchTrk Lo  Hz", 50, 500, 160, {21, 51, 141, 171}},
          {"PitchTrk Hi  Hz", 150, 500, 300, {22, 52, 142, 172}},
          {"PitchTrk Int ms", 20, 60, 25, {19, 49, 139, 169, 111}},
          {"Pitch Scale %", 0, 100, 50, {26, 56, 146, 176}},
          {"Vibrato Depth", 0, 10, 5, {206}},
          {"Output Volume", 0, 200, 100, {93, 94}}}},
    }};

} // namespace

TEST(PitchTrackPresets, RecordsHoldTheirTables)
{
    expectCategoryMatchesTables(kPitchTrack);
    const auto bank = buildCategory(kPitchTrack);
    for (int k = 0; k < 11; ++k)
        expectSlidersDriveModulesInUse(bank[247 + k]);
}

TEST(PitchTrackPresets, BuilderWritesOnlyItsRecords) { expectBuilderWritesOnlyItsRecords(kPitchTrack); }

TEST(PitchTrackPresets, LandAtTheirBankIndexes) { expectCategoryLandsInTheFactoryBank(kPitchTrack); }

TEST(PitchTrackPresets, SelectionSizesTheDelayLinesAnew)
{
    const std::vector<uint32_t> selected = {524288, 524288, 262144, 262144, 262144, 524288,
                                            262144, 524288, 262144, 131072, 65536};
    EXPECT_EQ(delayLineLengthsOnceSelected(kPitchTrack), selected);
}

TEST(PitchTrackPresets, SlidersAgreeWithTheirFields)
{
    EXPECT_EQ(valuesTheSlidersChange(kPitchTrack), std::vector<std::string> {});
}

TEST(PitchTrackPresets, TrackersSearchTheirLags)
{
    struct Tracker {
        int record;
        int module;
        int32_t maxLag;
        float interval;
    };
    const Tracker trackers[] = {
        {0, 0, 276, 3528.0002f}, {1, 0, 276, 1102.5f},    {2, 0, 276, 882.00006f},  {3, 0, 276, 882.00006f},
        {4, 0, 276, 882.00006f}, {5, 0, 276, 882.00006f}, {6, 2, 276, 882.00006f},  {7, 0, 441, 882.00006f},
        {8, 0, 276, 882.00006f}, {9, 0, 276, 1368.864f},  {9, 1, 276, 1633.8057f},  {9, 4, 276, 1898.747f},
        {9, 5, 276, 2340.3162f}, {10, 0, 276, 1102.5f},   {10, 1, 276, 1323.0001f}, {10, 4, 276, 1543.5f},
        {10, 5, 276, 1874.25f},
    };
    const auto bank = buildCategory(kPitchTrack);
    for (const Tracker& tracker : trackers) {
        const OrvPreset& p = bank[247 + tracker.record];
        SCOPED_TRACE(std::string(p.programName) + " module " + std::to_string(tracker.module));
        EXPECT_EQ(p.processKind[tracker.module], ProcessKind::PitchTrack);
        EXPECT_EQ(p.maxLag[tracker.module], tracker.maxLag);
        EXPECT_EQ(p.minLag[tracker.module], 147);
        EXPECT_EQ(bitsOf(p.trackInterval[tracker.module]), bitsOf(tracker.interval));
        EXPECT_EQ(p.outputOn[tracker.module][0] + p.outputOn[tracker.module][1], 0);
    }
}

TEST(PitchTrackPresets, ValuesEasyToGetWrong)
{
    const auto bank = buildCategory(kPitchTrack);
    const OrvPreset* records = &bank[247];

    // The tone sines sit just below 440 Hz, shown as Hz through mode word 0.
    for (const auto& [record, module] : {std::pair {0, 1}, {8, 1}, {9, 2}, {10, 2}}) {
        EXPECT_EQ(bitsOf(records[record].oscFrequency[module]), 0x43DBFFFCu) << record;
        EXPECT_EQ(records[record].freqMode[module], 0) << record;
        EXPECT_EQ(records[record].sliderFreqMode[module], FreqMode::Hz) << record;
        EXPECT_EQ(records[record].note[module], 9) << record;
        EXPECT_EQ(records[record].octave[module], 4) << record;
    }

    // Record 9's interval slider spreads the four trackers by 37/31, 43/31 and 53/31.
    EXPECT_EQ(bitsOf(records[9].sliderRatio[2][0]), bitsOf(1.0f));
    EXPECT_EQ(bitsOf(records[9].sliderRatio[2][1]), bitsOf(float(37.0 / 31.0)));
    EXPECT_EQ(bitsOf(records[9].sliderRatio[2][2]), bitsOf(float(43.0 / 31.0)));
    EXPECT_EQ(bitsOf(records[9].sliderRatio[2][3]), bitsOf(float(53.0 / 31.0)));
    EXPECT_EQ(bitsOf(records[10].sliderRatio[2][1]), bitsOf(1.2f));
    EXPECT_EQ(bitsOf(records[10].sliderRatio[2][4]), bitsOf(4.8f));

    // Record 2's mixes are unbalanced through a 0.25 ratio on the second field.
    EXPECT_EQ(bitsOf(records[2].sliderRatio[4][1]), bitsOf(0.25f));
    EXPECT_EQ(bitsOf(records[2].sliderRatio[5][1]), bitsOf(0.25f));
    EXPECT_EQ(bitsOf(records[2].outputGain[1][0]), bitsOf(5.6f));
    EXPECT_EQ(bitsOf(records[2].outputGain[1][1]), bitsOf(1.4f));
    EXPECT_EQ(bitsOf(records[2].outputGain[2][0]), bitsOf(0.33249998f));
    EXPECT_EQ(bitsOf(records[2].outputGain[2][1]), bitsOf(1.3299999f));

    // Dry modules: process kind 0 in records 0 and 8, No Process in record 9.
    for (int record : {0, 8}) {
        EXPECT_EQ(records[record].oscKind[7], OscKind::StereoIn);
        EXPECT_EQ(records[record].processKind[7], 0);
        EXPECT_EQ(records[record].outputOn[7][0], 1);
        EXPECT_EQ(records[record].outputOn[7][1], 1);
    }
    EXPECT_EQ(records[9].processKind[7], ProcessKind::NoProcess);

    // Envelope followers of records 8 and 10 and the delays that feed them.
    for (const auto& [record, follower, delay, delayTime] :
         {std::tuple {8, 6, 5, 1764.0001f}, std::tuple {10, 7, 3, 5292.0005f}}) {
        EXPECT_EQ(records[record].processKind[follower], ProcessKind::EnvFollow);
        EXPECT_EQ(bitsOf(records[record].envCoefficient[follower]), bitsOf(0.9989527f));
        EXPECT_EQ(bitsOf(records[record].envThreshold[follower]), bitsOf(0.099999994f));
        EXPECT_EQ(bitsOf(records[record].processTime[follower]), bitsOf(661.5f));
        EXPECT_EQ(records[record].modKind[delay][0], ModKind::Mix);
        EXPECT_EQ(records[record].modTarget[delay][0], follower);
        EXPECT_EQ(bitsOf(records[record].processTime[delay]), bitsOf(delayTime));
    }

    // Record 6: the tracker stretches the resonant delay by 0.9 periods.
    EXPECT_EQ(records[6].modKind[2][0], ModKind::DelayMod);
    EXPECT_EQ(records[6].modTarget[2][0], 1);
    EXPECT_EQ(bitsOf(records[6].modDepth[2][0]), bitsOf(0.9f));
    EXPECT_EQ(bitsOf(records[6].processTime[1]), bitsOf(17.640001f));
    EXPECT_EQ(bitsOf(records[6].modDepth[1][0]), bitsOf(1.9799999f));

    EXPECT_EQ(bitsOf(records[0].exponent[2]), bitsOf(0.39999998f));
    EXPECT_EQ(bitsOf(records[4].outputGain[1][0]), bitsOf(4.0000005f));
    EXPECT_EQ(bitsOf(records[9].phaseShape[2]), bitsOf(0.099999994f));
    EXPECT_EQ(bitsOf(records[10].modDepth[6][0]), bitsOf(0.049999997f));
}
