#include <gtest/gtest.h>

#include <cmath>

#include "FactoryRecordChecks.h"

const FactoryCategory kFilterUtilities = {
    "Filter Utilities", 6, 105, buildFilterUtilitiesPresets, StoredWords::ShownTimes,
    {
     {"Bandpass", "Second-order bandpass filter. ", "12", 0x0302, 0,
      {{"Cutoff Freq Hz", 20.0f, 5000.0f, 500.00003f, {{21}}},
       {"Q Slope", 1.0f, 100.0f, 1.0f, {{22}}},
       {"Wet Mix", 0.0f, 300.0f, 84.0f, {{33}, {34}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{63}, {64}}}}},
     {"BS Filter", "BS Filter automatically removes lies from politician's speeches.", "12", 0x0302, 0,
      {{"% BS Reduction", 0.0f, 100.0f, 100.0f, {{33}, {34}}}}},
     {"Cardboard Tube", "Simple physical model of an 11-inch cardboard tube. Feedback controls comb filter resonance; delay time varies length of tube.", "1237", 0x0302, 0,
      {{"Delay Time ms", 0.0f, 10.0f, 3.1999998f, {{51}}},
       {"Feedback", -120.0f, 0.0f, -100.0f, {{56}}},
       {"Lowpass Freq Hz", 10.0f, 1000.0f, 349.99997f, {{201}}},
       {"Lowpass Q", 0.1f, 0.5f, 0.1f, {{202}}},
       {"Wet Mix", 0.0f, 800.0f, 440.0f, {{213}, {214}}},
       {"Dry Mix", 0.0f, 150.0f, 0.0f, {{33}, {34}}}}},
     {"DC Offset Filter", "6th-order filter for eliminating DC offsets.", "123", 0x0302, 0,
      {{"Cutoff Freq hz", 10.0f, 100.0f, 10.0f, {{21}, {51}, {81}}},
       {"Filter Q slope", 1.0f, 2.0f, 1.0f, {{22}, {52}}},
       {"Output Volume", 0.0f, 250.0f, 120.0f, {{93}, {94}}}}},
     {"Filtered Noise", "This lets you select different flavors of filtered noise.", "12345", 0x0302, 0,
      {{"Cutoff Freq Hz", 50.0f, 4000.0f, 1000.0f, {{51}, {81}, {111}}},
       {"Q Slope", 1.0f, 100.0f, 1.0f, {{52}, {82}, {112}}},
       {"Lowpass Mix", 0.0f, 200.0f, 0.0f, {{63}, {64}}},
       {"Highpass Mix", 0.0f, 200.0f, 0.0f, {{93}, {94}}},
       {"Bandpass Mix", 0.0f, 160.0f, 80.0f, {{123}, {124}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{33}, {34}}}}},
     {"Highpass", "Second-order highpass filter. ", "12", 0x0302, 0,
      {{"Cutoff Freq Hz", 10.0f, 5000.0f, 499.99997f, {{21}}},
       {"Q Slope", 0.1f, 100.0f, 0.99999994f, {{22}}},
       {"Wet Mix", 0.0f, 400.0f, 220.0f, {{33}, {34}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{63}, {64}}}}},
     {"Lowpass", "Second-order lowpass filter. ", "12", 0x0302, 0,
      {{"Cutoff Freq Hz", 20.0f, 5000.0f, 500.00003f, {{21}}},
       {"Q Slope", 0.1f, 100.0f, 0.99999994f, {{22}}},
       {"Wet Mix", 0.0f, 400.0f, 260.0f, {{33}, {34}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{63}, {64}}}}},
     {"Notch Filter", "A crude notch filter made from multiple parallel lowpass and highpass filters. (Works most predictably with a Q of 1.)", "12345678", 0x0302, 0,
      {{"Notch Freq Hz", 10.0f, 1000.0f, 200.0f, {{21}, {51}, {81}, {141}, {171}, {201}, {111}, {231}}},
       {"Notch Q", 0.956f, 2.0f, 1.0f, {{22}, {52}, {82}, {142}, {172}, {202}, {112}, {232}}},
       {"Feedfwd Gain", 0.0f, 300.0f, 250.0f, {{26}, {29}, {56}, {59}, {86}, {89}, {146}, {149}, {176}, {179}, {116}, {119}}},
       {"Output Volume", 0.0f, 1600.0f, 950.0f, {{213}, {214}, {243}, {244}}}}},
     {"Phone Bandwidth", "Three lowpass filters in series, to simulate telephone bandwidth.", "1238", 0x0302, 0,
      {{"Lowpass Freq Hz", 100.0f, 5000.0f, 1805.0f, {{21}}},
       {"Lowpass Freq Hz", 100.0f, 5000.0f, 2400.0002f, {{81}}},
       {"Lowpass Freq Hz", 100.0f, 5000.0f, 2999.9998f, {{51}}},
       {"Q Slope", 1.0f, 4.0f, 1.5f, {{22}, {82, 0.75f}, {52, 0.5f}}},
       {"Wet Mix", 0.0f, 1600.0f, 800.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Pseudo-Stereo", "Simple Pseudo-Stereo using alternate filter banks. Start with a 2-channel selection with both channels being the same.", "12345678", 0x0302, 0,
      {{"Lowest Band Hz", 4.0f, 120.0f, 100.0f, {{21}, {51, 2.0f}, {81, 4.0f}, {111, 8.0f}, {141, 16.0f}, {171, 32.0f}, {201, 64.0f}, {231, 128.0f}}},
       {"Q Slope", 1.0f, 2.0f, 1.0f, {{22}, {52}, {82}, {112}, {142}, {172}, {202}, {232}}},
       {"Output Volume", 0.0f, 250.0f, 115.0f, {{33}, {64}, {93}, {124}, {153}, {184}, {213}, {244}}}}},
     {"Simple Graphic EQ", "Simple parallel filter bank.", "12345678", 0x0302, 0,
      {{"100 hz level", 0.0f, 500.0f, 200.0f, {{33}, {34}}},
       {"200 hz level", 0.0f, 500.0f, 200.0f, {{63}, {64}}},
       {"400 hz level", 0.0f, 500.0f, 200.0f, {{93}, {94}}},
       {"800 hz level", 0.0f, 500.0f, 200.0f, {{123}, {124}}},
       {"1.6 kHz level", 0.0f, 500.0f, 200.0f, {{153}, {154}}},
       {"3.2 kHz & above", 0.0f, 500.0f, 200.0f, {{183}, {184}, {213}, {214}, {243}, {244}}}}},
     {"Simple Noise Reduction", "Simple single-ended noise reduction. We track the amplitude envelope of the input and use it to control the cutoff of a bandpass filter. ", "12", 0x0302, 0,
      {{"EnvFol Time ms", 1.0f, 10.0f, 5.0f, {{21}}},
       {"FilterMod Depth", 0.0f, 100.0f, 90.0f, {{26}}},
       {"Lowpass Freq Hz", 20.0f, 14000.0f, 7000.0f, {{51}}},
       {"Q Slope", 0.1f, 0.5f, 0.25f, {{52}}},
       {"Output Volume", 0.0f, 300.0f, 135.0f, {{63}, {64}}}}},
     {"Single-End Noise Reduction", "Simple single-ended noise reduction. When the amplitude envelope  tails off, we lower the cutoff of a bandpass filter.", "12", 0x0302, 0,
      {{"EnvFol Time ms", 1.0f, 10.0f, 5.0f, {{21}}},
       {"EnvFol Thresh", 0.0f, 100.0f, 0.0f, {{22}}},
       {"EnvFol Depth", 0.0f, 100.0f, 90.0f, {{26}}},
       {"Lowpass Freq Hz", 100.0f, 15000.0f, 7000.0f, {{51}}},
       {"Lowpass Q", 0.0f, 2.0f, 0.25f, {{52}}},
       {"Output Volume", 0.0f, 300.0f, 135.0f, {{63}, {64}}}}},
     {"Vocal Pop Remover", "Remove vocal pops ('P's and 'B's, etc.).  Highpass filters the signal to get rid of the strong low frequency burst.", "12", 0x0302, 0,
      {{"Highpass Frq Hz", 20.0f, 400.0f, 200.0f, {{21}}},
       {"Highpass Q", 1.0f, 4.0f, 2.0f, {{22}}},
       {"Wet Mix", 0.0f, 400.0f, 160.0f, {{33}, {34}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{63}, {64}}}}},
     {"Whisper", "This filters out much of a voice's fundamental and its harmonics, and passes the sibilants.", "128", 0x0302, 0,
      {{"Lowpass Freq Hz", 10.0f, 7400.0f, 3700.0f, {{21}}},
       {"Lowpass Q", 0.0f, 2.0f, 1.0f, {{22}}},
       {"Hipass Freq Hz", 10.0f, 10000.0f, 5000.0005f, {{51}}},
       {"Highpass Q", 0.0f, 2.0f, 1.0f, {{52}}},
       {"Wet Mix", 0.0f, 1000.0f, 500.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Wind Noise Filter", "A simple filter for removing low-frequency wind noise. ", "3", 0x0302, 0,
      {{"Cutoff Freq Hz", 20.0f, 500.0f, 150.0f, {{81}}},
       {"Q Slope", 1.0f, 2.0f, 1.0f, {{82}}},
       {"Output Volume", 0.0f, 200.0f, 100.0f, {{93}, {94}}}}},
    },
    // Modules 6 to 8 of "Filtered Noise" are not in use yet hold the fields of a switched-off module.
    {4},
};

TEST(FilterUtilitiesPresets, ValuesThatAreEasyToGetWrong)
{
    const auto records = categoryRecords(kFilterUtilities);
    const auto program = [&](int number) -> const OrvPreset& { return records[number - 1]; };

    // Negative gains, depths and slider ranges.
    EXPECT_EQ(program(2).outputGain[1][0], -1.0f);
    EXPECT_EQ(program(2).outputGain[1][1], -1.0f);
    EXPECT_EQ(program(3).modTarget[1][0], 2);
    EXPECT_EQ(program(3).modDepth[1][0], -1.0f);
    EXPECT_EQ(program(3).sliderMin[1], -120.0f);
    EXPECT_EQ(program(3).sliderCurrent[1], -100.0f);

    // Decimals just below round numbers, and a delay time that is no multiple of 44.1.
    EXPECT_EQ(bitsOf(program(6).filterQ[0]), 0x3F7FFFFFu); // 0.99999994
    EXPECT_EQ(bitsOf(program(6).mainValue[0]), bitsOf(500.0f) - 1);
    EXPECT_EQ(program(3).mainValue[1], 3.1999998f);
    EXPECT_EQ(program(3).processTime[1], 141.12f);
    EXPECT_EQ(program(3).filterQ[6], 0.1f);

    // Percentages, also on switched-off outputs.
    EXPECT_EQ(bitsOf(program(4).outputGain[2][0]), 0x3F999999u); // 119.99999%
    EXPECT_EQ(bitsOf(program(14).outputGain[0][1]), 0x3FCCCCCCu); // 159.99999%
    EXPECT_EQ(program(3).outputOn[1][0], 0);
    EXPECT_EQ(program(3).outputGain[1][0], 0.66699994f);
    EXPECT_EQ(program(8).outputOn[4][1], 0);
    EXPECT_EQ(program(8).outputGain[4][1], 2.0f);
    for (int m = 0; m < kNumModules; ++m) {
        const int offSide = m % 2 == 0 ? 1 : 0;
        EXPECT_EQ(program(10).outputOn[m][offSide], 0);
        EXPECT_EQ(program(10).outputOn[m][1 - offSide], 1);
        EXPECT_EQ(program(10).outputGain[m][offSide], 2.0f);
        EXPECT_EQ(program(10).outputGain[m][1 - offSide], 1.15f);
    }

    // Envelope followers: time, threshold and 0.5^(1 / time).
    for (int number : {12, 13}) {
        const OrvPreset& p = program(number);
        EXPECT_EQ(p.processTime[0], 220.50002f);
        EXPECT_EQ(p.envThreshold[0], 0.0f);
        EXPECT_EQ(p.envCoefficient[0], float(std::pow(0.5, 1.0 / double(p.processTime[0]))));
    }

    // Ratios other than 1.
    EXPECT_EQ(program(9).sliderRatio[3][1], 0.75f);
    EXPECT_EQ(program(9).sliderRatio[3][2], 0.5f);
    EXPECT_EQ(program(10).sliderRatio[0][7], 128.0f);
}
