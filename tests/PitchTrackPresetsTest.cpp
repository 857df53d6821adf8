#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kPitchTrack = {
    "Pitch Track", 16, 247, buildPitchTrackPresets, StoredWords::None,
    {
     {"Calliope", "We slowly pitch track a monophonic input, frequency modulate a squared-off sine wave and frequency quantize it. Filtered noise is added.", "12358", 0x0302, 524288,
      {{"PitchTrk Lo  Hz", 50.0f, 500.0f, 160.0f, {{21}}},
       {"PitchTrk Hi  Hz", 150.0f, 500.0f, 300.0f, {{22}}},
       {"PitchTrk Int ms", 20.0f, 160.0f, 80.0f, {{19}}},
       {"Pitch Scale", 0.0f, 400.0f, 200.0f, {{26}, {29}}},
       {"Tone Volume", 0.0f, 75.0f, 30.0f, {{93}, {94}}},
       {"Noise Volume", 0.0f, 1200.0f, 840.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"PitchTrack Bandpass", "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and use it to sweep the bandpass filter frequency.", "123", 0x0302, 262144,
      {{"PitchTrk Lo  Hz", 50.0f, 500.0f, 160.0f, {{21}}},
       {"PitchTrk Hi  Hz", 150.0f, 500.0f, 300.0f, {{22}}},
       {"FilterFrq Scale", 0.0f, 800.0f, 400.0f, {{26}}},
       {"Filter Q", 1.0f, 10.0f, 5.0f, {{52}}},
       {"Wet Mix", 0.0f, 250.0f, 125.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 250.0f, 50.0f, {{93}, {94}}}}},
     {"PitchTrack Whistle", "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and sweep the filter freq of white noise, resulting in a whistled sound.", "123", 0x0302, 131072,
      {{"PitchTrk Lo  hz", 50.0f, 500.0f, 160.0f, {{21}}},
       {"PitchTrk Hi  hz", 150.0f, 500.0f, 300.0f, {{22}}},
       {"FilterFrq Scale", 0.0f, 800.0f, 400.0f, {{26}}},
       {"Filter Q", 5.0f, 250.0f, 170.0f, {{52}}},
       {"Wet Mix", 0.0f, 1000.0f, 560.0f, {{63}, {64, 0.25f}}},
       {"Dry Mix", 0.0f, 1000.0f, 133.0f, {{94}, {93, 0.25f}}}}},
     {"PitchTrack Whistle 2", "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and sweep the filter freq of white noise, resulting in a whistled sound.", "123", 0x0302, 131072,
      {{"PitchTrk Lo  hz", 50.0f, 500.0f, 160.0f, {{21}}},
       {"PitchTrk Hi  hz", 150.0f, 500.0f, 300.0f, {{22}}},
       {"FilterFrq Scale", 0.0f, 500.0f, 400.0f, {{26}}},
       {"Filter Q", 5.0f, 250.0f, 170.0f, {{52}}},
       {"Wet Mix", 0.0f, 600.0f, 400.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 600.0f, 100.0f, {{93}, {94}}}}},
     {"PitchTrack Whistle + Vib", "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale= 400),  sweep the noise filter freq and add vibrato, resulting in a musical saw.", "1256", 0x0302, 262144,
      {{"PitchTrk Lo  hz", 50.0f, 500.0f, 160.0f, {{21}}},
       {"PitchTrk Hi  hz", 150.0f, 500.0f, 300.0f, {{22}}},
       {"FilterFrq Scale", 0.0f, 800.0f, 400.0f, {{26}}},
       {"Filter Q", 5.0f, 250.0f, 170.0f, {{52}}},
       {"Vibrato Depth", 0.0f, 20.0f, 10.0f, {{146}}},
       {"Wet Mix", 0.0f, 800.0f, 400.00006f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 240.0f, 120.0f, {{183}, {184}}}}},
     {"PitchTrack->RingMod", "This pitch-tracks a monophonic signal and uses the result to modulate a ring modulation oscillator, resulting in ring mod that follows the original pitch.", "1235", 0x0302, 262144,
      {{"PitchTrk Lo hz", 50.0f, 500.0f, 160.0f, {{21}}},
       {"PitchTrk Hi hz", 150.0f, 500.0f, 300.0f, {{22}}},
       {"PitchTrk Int ms", 15.0f, 50.0f, 20.0f, {{19}}},
       {"Freq Mod Depth", 0.0f, 500.0f, 200.0f, {{26}}},
       {"Wet Mix", 0.0f, 200.0f, 100.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 40.0f, {{153}, {154}}}}},
     {"PitchTrack->SitarDrone", "Resonant delay gives voice or instrumentals a sitar-like drone. Pitch Tracker modulates Delay Time, which in turn controls the drone pitch. ", "123", 0x0302, 131072,
      {{"Delay Time ms", 0.0f, 2.0f, 0.4f, {{51}}},
       {"Feedback", -90.0f, 198.0f, 198.0f, {{56}}},
       {"DelayMod Depth", 0.0f, 200.0f, 90.0f, {{86}}},
       {"Wet Mix", 0.0f, 200.0f, 90.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 90.0f, {{33}, {34}}}}},
     {"Pitch Wah", "Pitch Wah. The signal's frequency envelope controls a lowpass filter's  cutoff frequency.", "123", 0x0302, 262144,
      {{"Filter Q", 0.1f, 5.0f, 1.8f, {{52}}},
       {"Delay Mod Depth", 0.0f, 800.0f, 600.0f, {{26}}},
       {"Wet Mix", 0.0f, 400.0f, 150.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 400.0f, 15.000001f, {{93}, {94}}}}},
     {"Slide Whistle", "We pitch track the input and frequency modulate a slightly distorted  sine wave. Envelope Follower controls the amplitude.", "1235678", 0x0302, 262144,
      {{"PitchTrk Lo  Hz", 50.0f, 500.0f, 160.0f, {{21}}},
       {"PitchTrk Hi  Hz", 150.0f, 500.0f, 300.0f, {{22}}},
       {"Pitch Scale %", 0.0f, 800.0f, 400.0f, {{26}, {29}}},
       {"Power Distort", 0.4f, 2.0f, 0.75f, {{51}}},
       {"Tone Volume", 0.0f, 1500.0f, 105.0f, {{63}, {64}}},
       {"Noise Volume", 0.0f, 1500.0f, 840.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{243}, {244}}}}},
     {"Theremin", "We pitch track the input at 4 different intervals (to smooth the tracking) and frequency modulate a slightly distorted sine wave.", "1235678", 0x0302, 131072,
      {{"PitchTrk Lo hz", 50.0f, 500.0f, 160.0f, {{21}, {51}, {141}, {171}}},
       {"PitchTrk Hi hz", 150.0f, 2000.0f, 300.0f, {{22}, {52}, {142}, {172}}},
       {"PitchTrk Int ms", 20.0f, 100.0f, 31.04f, {{19}, {49, 1.1935484f}, {139, 1.3870968f}, {169, 1.7096775f}}},
       {"Pitch Scale %", 0.0f, 100.0f, 50.0f, {{26}, {56}, {146}, {176}}},
       {"Vibrato Depth", 0.0f, 6.0f, 6.0f, {{206}}},
       {"Wet Mix", 0.0f, 60.0f, 40.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Theremin+EnvFol", "We pitch track the input and frequency modulate a slightly distorted  sine wave. Envelope Follower controls the amplitude.", "12345678", 0x0302, 32768,
      {{"PitchTrk Lo  Hz", 50.0f, 500.0f, 160.0f, {{21}, {51}, {141}, {171}}},
       {"PitchTrk Hi  Hz", 150.0f, 500.0f, 300.0f, {{22}, {52}, {142}, {172}}},
       {"PitchTrk Int ms", 20.0f, 60.0f, 25.0f, {{19}, {49, 1.2f}, {139, 1.4f}, {169, 1.7f}, {111, 4.8f}}},
       {"Pitch Scale %", 0.0f, 100.0f, 50.0f, {{26}, {56}, {146}, {176}}},
       {"Vibrato Depth", 0.0f, 10.0f, 5.0f, {{206}}},
       {"Output Volume", 0.0f, 200.0f, 100.0f, {{93}, {94}}}}},
    },
};

TEST(PitchTrackPresets, ValuesEasyToGetWrong)
{
    const auto records = categoryRecords(kPitchTrack);

    // Trackers search lags from 147 samples up to 276, or 441 in record 7.
    EXPECT_EQ(records[0].minLag[0], 147);
    EXPECT_EQ(records[0].maxLag[0], 276);
    EXPECT_EQ(records[7].maxLag[0], 441);
    EXPECT_SAME_FLOAT(records[0].trackInterval[0], 3528.0002f);
    EXPECT_SAME_FLOAT(records[9].trackInterval[5], 2340.3162f);
    EXPECT_SAME_FLOAT(records[10].trackInterval[1], 1323.0001f);

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
