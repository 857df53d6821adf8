#include <gtest/gtest.h>

#include <utility>

#include <cmath>

#include "FactoryRecordChecks.h"

const FactoryCategory kFilterEffects = {
    "Filter Effects", 5, 78, buildFilterEffectsPresets, StoredWords::ShownTimes,
    {
     {"Auto-Wah", "Auto-Wah. A triangle wave controls a lowpass filter's  cutoff frequency, along with the amount of distortion.", "1235", 0x0302, 0,
      {{"LFO Rate Hz", 0.1f, 10.0f, 1.5000002f, {{16}}},
       {"FilterMod Depth", 0.0f, 100.0f, 50.0f, {{26}}},
       {"Lowpass Freq Hz", 30.0f, 3000.0f, 1000.0f, {{51}}},
       {"Filter Q", 0.0f, 10.0f, 5.0f, {{52}}},
       {"Wet Mix", 0.0f, 200.0f, 112.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 42.0f, {{93}, {94}}}}},
     {"Boo Hoo Wah", "Boo Hoo Wah. The signal's amplitude envelope controls a lowpass filter's  cutoff frequency.", "123", 0x0302, 0,
      {{"Lowpass Freq Hz", 100.0f, 4000.0f, 1500.0f, {{51}}},
       {"Filter Q", 1.0f, 3.0f, 1.8f, {{52}}},
       {"EnvFol Time ms", 50.0f, 500.0f, 350.0f, {{21}}},
       {"Delay Mod Depth", 0.0f, 100.0f, 100.0f, {{26}}},
       {"Wet Mix", 0.0f, 200.0f, 150.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 30.000002f, {{93}, {94}}}}},
     {"Bullhorn", "We distort the signal and filter it through highpass and lowpass filters.", "12358", 0x0302, 0,
      {{"Power Distort", 0.0f, 2.0f, 1.3f, {{21}}},
       {"Hi Pass Freq Hz", 10.0f, 2000.0f, 601.0301f, {{51}}},
       {"Lo Pass Freq Hz", 30.0f, 2000.0f, 1499.9999f, {{81}}},
       {"Hi Pass Q", 0.0f, 8.0f, 4.0f, {{52}}},
       {"Feedback", 0.0f, 150.0f, 80.00001f, {{146}}},
       {"Wet Mix", 0.0f, 800.0f, 520.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Chopper", "Bandpassed white noise controlled by a fast sine wave.", "1258", 0x0302, 0,
      {{"LFO Rate Hz", 0.06f, 20.0f, 10.0f, {{16}}},
       {"FilterMod Depth", 0.0f, 200.0f, 75.0f, {{26}}},
       {"PanMod Depth", 0.0f, 100.0f, 100.0f, {{29}}},
       {"Lowpass Freq Hz", 30.0f, 1000.0f, 500.00003f, {{51}}},
       {"Filter Q", 4.0f, 20.0f, 10.01f, {{52}}},
       {"Wet Mix", 0.0f, 600.0f, 300.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Dual Swept Lowpass", "This slowly sweeps a pair of highly resonant lowpass filters,  tuned in octaves.", "1236", 0x0302, 0,
      {{"Sweep Freq Hz", 0.015f, 0.59999996f, 0.19999999f, {{16}}},
       {"FilterMod Depth", 0.0f, 120.0f, 60.0f, {{26}, {29}}},
       {"Lowpass Freq Hz", 30.0f, 1000.0f, 500.00003f, {{51}, {171, 2.0f}}},
       {"Lowpass Q", 0.0f, 80.0f, 8.0f, {{52}, {172}}},
       {"Wet Mix", 0.0f, 100.0f, 66.0f, {{63}, {64}, {183}, {184}}},
       {"Dry Mix", 0.0f, 100.0f, 66.0f, {{93}, {94}}}}},
     {"EnvFol Wah", "The envelope of the signal modulates the center frequency of a bandpass filter, which filters the original signal plus three delayed copies.", "1235678", 0x0302, 0,
      {{"FilterMod Depth", 0.0f, 100.0f, 100.0f, {{26}}},
       {"Center Freq Hz", 40.0f, 4000.0f, 2000.0f, {{51}}},
       {"Q Filter Slope", 1.0f, 10.0f, 4.0f, {{52}}},
       {"EnvFol Time ms", 5.0f, 100.0f, 30.0f, {{21}}},
       {"Wet Mix", 0.0f, 250.0f, 180.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 250.0f, 50.0f, {{93}, {94}}}}},
     {"Four-Fold Wah", "A sine wave modulates the center frequency of a bandpass filter, which filters the original signal plus three delayed copies.", "1235678", 0x0302, 0,
      {{"FilterMod Depth", 0.0f, 100.0f, 60.0f, {{26}}},
       {"Center Freq Hz", 30.0f, 2000.0f, 1000.0f, {{51}}},
       {"Q Slope", 1.0f, 25.0f, 3.5f, {{52}}},
       {"LFO Rate Hz", 0.05f, 6.0f, 0.30000004f, {{16}}},
       {"Wet Mix", 0.0f, 200.0f, 120.00001f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 100.0f, {{93}, {94}}}}},
     {"Fuddizer", "Auto-Wah that sounds like an accent or speech impediment. A sine LFO controls a lowpass filter's  cutoff frequency.", "1235", 0x0302, 0,
      {{"FilterMod Depth", 0.0f, 100.0f, 49.999996f, {{26}}},
       {"Lowpass Freq Hz", 30.0f, 3000.0f, 1000.0f, {{51}}},
       {"Filter Q", 0.0f, 10.0f, 5.0f, {{52}}},
       {"LFO Freq Hz", 0.0f, 8.0f, 3.0f, {{16}}},
       {"Wet Mix", 0.0f, 200.0f, 140.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 8.0f, {{93}, {94}}}}},
     {"Megaphone", "Megaphone. We distort the signal slightly,  run it through a pair of parallel bandpass filters, then add some delay and feedback.", "1235678", 0x0302, 0,
      {{"Distort. Power", 0.0f, 1.8f, 0.9f, {{21}, {141}}},
       {"Cutoff Freq hz", 30.0f, 1000.0f, 500.00003f, {{51}, {171, 1.4f}}},
       {"Filter Q", 1.0f, 10.0f, 4.0f, {{52}, {172}}},
       {"Delay Time ms", 0.0f, 300.0f, 150.0f, {{81}, {201, 0.2f}}},
       {"Feedback", 0.0f, 5.0f, 2.0f, {{86}, {206}}},
       {"Wet Mix", 0.0f, 625.0f, 440.0f, {{63}, {64}, {183}, {184}, {93, 0.5f}, {94, 0.5f}, {213, 0.5f}, {214, 0.5f}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Psychoacoustic Bass Boost", "Makes the bass sound louder by adding harmonics to the bass signal. The Raise to Power slider provides more distortion as the slider is lowered.", "1234", 0x0302, 0,
      {{"Lowpass Freq Hz", 70.0f, 250.0f, 120.00001f, {{51}}},
       {"Lowpass Q", 1.0f, 2.0f, 1.5f, {{52}}},
       {"Raise to Power", 0.6f, 1.0f, 0.7f, {{81}}},
       {"Wet Mix", 0.0f, 200.0f, 100.0f, {{123}, {124}}},
       {"Dry Mix", 0.0f, 200.0f, 80.0f, {{33}, {34}}}}},
     {"Quad Swept Lowpass", "This slowly sweeps 4 highly resonant lowpass filters,  tuned in a harmonic series.", "1234567", 0x0302, 0,
      {{"LFO Rate BPM", 0.59999996f, 60.0f, 5.0000005f, {{16}, {136}}},
       {"FilterMod Depth", 0.0f, 100.0f, 60.000004f, {{26}, {29}, {146}, {149}}},
       {"Lowpass Freq Hz", 20.0f, 1000.0f, 200.0f, {{51}, {81, 2.0f}, {171, 3.0f}, {201, 4.0f}}},
       {"Lowpass Q", 1.0f, 80.0f, 9.999999f, {{52}, {82}, {172}, {202}}},
       {"Wet Mix", 0.0f, 120.0f, 85.0f, {{63}, {64}, {93}, {94}, {183}, {184}, {213}, {214}}},
       {"Dry Mix", 0.0f, 120.0f, 85.0f, {{123}, {124}}}}},
     {"Random S/H Filter", "Sample/hold white noise and use the result to lowpass filter the input. Try syncing the S/H time to a multiple of the music tempo (for example, triplets).", "1235", 0x0302, 0,
      {{"S/H Time ms", 0.0f, 300.0f, 160.00002f, {{21}}},
       {"Filter Freq Mod Depth", 0.0f, 80.0f, 59.999996f, {{146}}},
       {"Lowpass Freq Hz", 50.0f, 5000.0f, 1499.9999f, {{51}}},
       {"Lowpass Q", 1.0f, 20.0f, 8.5f, {{52}}},
       {"Wet Mix", 0.0f, 130.0f, 65.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 130.0f, 65.0f, {{93}, {94}}}}},
     {"S/H Mod FilterBlips", "Noise is sampled & held and used to modulate filter frequencies.", "123457", 0x0302, 0,
      {{"S/H Time ms", 10.0f, 200.0f, 50.0f, {{21}, {141}}},
       {"FilterMod Depth", 0.0f, 100.0f, 89.99999f, {{26}, {29}, {146}, {149}}},
       {"Filter Freq Hz", 60.0f, 2000.0f, 1000.0f, {{51}, {81}}},
       {"Filter Q", 1.0f, 100.0f, 50.0f, {{52}, {82}}},
       {"Wet Mix", 0.0f, 50.0f, 15.000001f, {{123}, {124}}},
       {"Dry Mix", 0.0f, 240.0f, 120.0f, {{213}, {214}}}}},
     {"Surf Noise", "Surf sounds from multiple white noise signals  through swept bandpass filters.", "12345678", 0x0302, 0,
      {{"Filter Cutoffs", 20.0f, 1500.0f, 300.0f, {{141}, {21, 1.5f}, {81, 3.0f}, {201, 0.6666667f}}},
       {"Filter Q slope", 1.0f, 15.0f, 1.5f, {{22}, {142}, {82, 0.6666667f}, {202}}},
       {"LFO Freqs Hz", 0.1f, 2.0f, 0.5f, {{226}, {166, 0.6f}, {46, 0.2f}, {106, 0.4f}}},
       {"BndPass ModDpth", 0.0f, 100.0f, 90.0f, {{59}, {56, 0.7777778f}, {116, 0.7777778f}, {119}, {176, 0.7777778f}, {179}, {236, 0.5555556f}, {239, 0.8888889f}}},
       {"Output Volume", 0.0f, 150.0f, 75.0f, {{33}, {34}, {93}, {94}, {153}, {154}, {213}, {214}}}}},
     {"Swept Bandpass", "This slowly sweeps a highly resonant bandpass filter.", "123", 0x0302, 0,
      {{"Sweep Freq Hz", 0.05f, 6.0f, 0.1f, {{16}}},
       {"FilterMod Depth", 0.0f, 95.0f, 80.0f, {{26}}},
       {"Bandpass Frq Hz", 100.0f, 2000.0f, 1000.0f, {{51}}},
       {"Bandpass Q", 1.0f, 80.0f, 5.0f, {{52}}},
       {"Wet Mix", 0.0f, 200.0f, 100.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 50.0f, {{93}, {94}}}}},
     {"Swept Lowpass", "This slowly sweeps a highly resonant lowpass filter.", "123", 0x0302, 0,
      {{"Sweep Freq Hz", 0.05f, 6.0f, 0.19999999f, {{16}}},
       {"FilterMod Depth", 0.0f, 100.0f, 80.0f, {{26}}},
       {"Lowpass Freq Hz", 100.0f, 2000.0f, 1000.0f, {{51}}},
       {"Filter Q", 1.0f, 80.0f, 5.0f, {{52}}},
       {"Wet Mix", 0.0f, 100.0f, 80.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 100.0f, 50.0f, {{93}, {94}}}}},
     {"Swept 4-Pole Lowpass", "This slowly sweeps a pair of lowpass filters in series.  Additional filters can be chained if desired.", "1236", 0x0302, 0,
      {{"LFO Freq Hz", 0.05f, 6.0f, 0.25f, {{16}}},
       {"FilterMod Depth", 0.0f, 120.0f, 60.0f, {{26}}},
       {"Lowpass Freq Hz", 40.0f, 2000.0f, 999.99994f, {{51}, {171}}},
       {"Filter Q", 0.0f, 20.0f, 5.0f, {{52}, {172}}},
       {"Wet Mix", 0.0f, 200.0f, 120.00001f, {{183}, {184}}},
       {"Dry Mix", 0.0f, 200.0f, 60.000004f, {{93}, {94}}}}},
     {"Triggered Wah", "We track the amplitude envelope of the input and use it to control the cutoff of a bandpass filter. The result is a triggered wah, useful for guitar, etc.", "123", 0x0302, 0,
      {{"FilterMod Depth", 0.0f, 100.0f, 70.0f, {{26}}},
       {"Bandpass Frq hz", 20.0f, 6000.0f, 2499.9998f, {{51}}},
       {"Bandpass Q", 1.0f, 10.0f, 5.0f, {{52}}},
       {"EnvFol Time ms", 5.0f, 200.0f, 40.0f, {{21}, {81}}},
       {"Wet Mix", 0.0f, 200.0f, 140.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 80.0f, {{93}, {94}}}}},
     {"Triggered Wah + Dist", "We track the amplitude envelope of the input and use it to control  power distortion as well as the lowpass cutoff freq.", "1234", 0x0302, 0,
      {{"FilterMod Depth", 0.0f, 100.0f, 95.0f, {{29}}},
       {"Filter Freq hz", 100.0f, 3000.0f, 1500.0f, {{81}}},
       {"Filter Q ", 1.0f, 10.0f, 5.0f, {{82}}},
       {"Power ModDepth", 0.0f, 100.0f, 95.0f, {{26}}},
       {"Distort. Power", 0.0f, 4.0f, 1.4f, {{51}}},
       {"Wet Mix", 0.0f, 200.0f, 120.00001f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{123}, {124}}}}},
     {"UFO Descending", "Bandpassed white noise controlled by a fast sine wave  and a slow descending sawtooth.", "1234", 0x0302, 0,
      {{"Vibrato Rate hz", 0.1f, 24.0f, 11.999999f, {{16}}},
       {"Vibrato Depth", 0.0f, 100.0f, 50.0f, {{26}}},
       {"Descent Rate hz", 0.01f, 0.39999998f, 0.19999999f, {{46}}},
       {"Bandpass Frq Hz", 30.0f, 3000.0f, 1500.0f, {{81}}},
       {"Bandpass Q", 10.0f, 100.0f, 50.0f, {{82}}},
       {"Wet Mix", 0.0f, 800.0f, 400.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{123}, {124}}}}},
     {"VelvetChimes - AMaj", "8 Resonators are tuned to A4, B4, C#4... A5. The resulting effect is related to that produced by singing into a piano with the damper pedal on.", "12345678", 0x0302, 0,
      {{"Bandpass Frq Hz", 20.0f, 1000.0f, 440.0f, {{21}, {51, 1.1225f}, {81, 1.2599999f}, {141, 1.498409f}, {171, 1.6818181f}, {201, 1.8877273f}, {111, 1.3347727f}, {231, 2.0f}}},
       {"Filter Q (rez)", 100.0f, 200.0f, 150.0f, {{22}, {52}, {82}, {142}, {172}, {202}, {112}, {232}}},
       {"Feedback", 0.0f, 95.0f, 85.025f, {{26}, {56}, {86}, {146}, {176}, {206}, {116}, {236}}},
       {"Output Volume", 0.0f, 1200.0f, 600.0f, {{33}, {34}, {63}, {64}, {93}, {94}, {153}, {154}, {183}, {184}, {213}, {214}, {123}, {124}, {243}, {244}}}}},
     {"VelvetChimes - Cdim7", "8 Resonators are tuned to a Cdim7 chord. The resulting effect is similar to that produced by singing into a piano with the damper pedal on.", "12345678", 0x0302, 0,
      {{"Bandpass Frq Hz", 20.0f, 1000.0f, 261.59998f, {{21}, {51, 1.1892202f}, {81, 1.4143733f}, {111, 1.6819574f}, {141, 2.0003824f}, {171, 2.3788228f}, {201, 2.8287466f}, {231, 3.3639147f}}},
       {"Filter Q", 100.0f, 200.0f, 200.0f, {{22}, {52}, {82}, {142}, {172}, {202}, {112}, {232}}},
       {"Feedback", 0.0f, 99.0f, 88.011f, {{26}, {56}, {86}, {146}, {176}, {206}, {116}, {236}}},
       {"Output Volume", 0.0f, 2000.0f, 800.0f, {{33}, {34}, {63}, {64}, {93}, {94}, {153}, {154}, {183}, {184}, {213}, {214}, {123}, {124}, {243}, {244}}}}},
     {"VelvetChimes - CMaj", "8 Resonators are tuned to C4, D4, E4... C5. The resulting effect is similar to that produced by singing into a piano with the damper pedal on.", "12345678", 0x0302, 0,
      {{"Bandpass Frq Hz", 20.0f, 1000.0f, 261.59998f, {{21}, {51, 1.1227064f}, {81, 1.2599388f}, {111, 1.3348625f}, {141, 1.4984711f}, {171, 1.6819574f}, {201, 1.8879972f}, {231, 2.0003824f}}},
       {"Filter Q", 100.0f, 200.0f, 200.0f, {{22}, {52}, {82}, {142}, {172}, {202}, {112}, {232}}},
       {"Feedback", 0.0f, 99.0f, 85.041f, {{26}, {56}, {86}, {146}, {176}, {206}, {116}, {236}}},
       {"Output Volume", 0.0f, 3000.0f, 2000.0f, {{33}, {34}, {63}, {64}, {93}, {94}, {153}, {154}, {183}, {184}, {213}, {214}, {123}, {124}, {243}, {244}}}}},
     {"VelvetChimes - Octs", "8 Resonators are tuned to A1, A2... A8. The resulting effect is related to that produced by singing into a piano with the damper pedal on.", "12345678", 0x0302, 0,
      {{"Bandpass Frq Hz", 20.0f, 500.0f, 55.0f, {{21}, {51, 2.0f}, {81, 4.0f}, {111, 8.0f}, {141, 16.0f}, {171, 32.0f}, {201, 64.0f}, {231, 128.0f}}},
       {"Filter Q", 10.0f, 200.0f, 40.0f, {{22}, {52}, {82}, {142}, {172}, {202}, {112}, {232}}},
       {"Feedback", 0.0f, 70.0f, 50.0f, {{26}, {56}, {86}, {146}, {176}, {206}, {116}, {236}}},
       {"Output Volume", 0.0f, 2000.0f, 1000.0f, {{33}, {34}, {63}, {64}, {93}, {94}, {153}, {154}, {183}, {184}, {213}, {214}, {123}, {124}, {243}, {244}}}}},
     {"Water Drips", "Watery resonant filter plops whose timing and frequency are controlled by sampling and holding white noise", "12348", 0x0302, 0,
      {{"S/H Time ms", 0.0f, 300.0f, 120.0f, {{51}}},
       {"S/H Mod depth", 0.0f, 200.0f, 95.0f, {{26}}},
       {"Bandpass frq hz", 30.0f, 2000.0f, 1000.00006f, {{81}}},
       {"Bandpass Q", 0.0f, 200.0f, 180.0f, {{82}}},
       {"FiltMod Depth", 0.0f, 200.0f, 90.0f, {{59}}},
       {"Wet Mix", 0.0f, 200.0f, 100.0f, {{123}, {124}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Winchester Wah", "We track the amplitude envelope of the input and use it to control  2 power distortions and lowpass cutoff frequencies.", "123567", 0x0302, 0,
      {{"Power Distort", 0.0f, 3.0f, 1.4f, {{51}, {171, 0.8571428f}}},
       {"PowMod Depth", 0.0f, 200.0f, 95.0f, {{26}, {146}}},
       {"FilterMod Depth", 0.0f, 200.0f, 90.0f, {{29}, {149, 0.11111111f}}},
       {"Lowpass Freq hz", 20.0f, 4000.0f, 1500.0001f, {{81}, {201, 2.6666667f}}},
       {"LowFreq Mix", 0.0f, 200.0f, 115.0f, {{93}, {94}}},
       {"HiFreq Mix", 0.0f, 200.0f, 115.0f, {{213}, {214}}}}},
     {"Wind Noise", "Creates wind sounds from multiple white noise signals  through swept bandpass filters.", "12345678", 0x0302, 0,
      {{"Filter Cutoffs", 40.0f, 1000.0f, 300.0f, {{141}, {21, 1.5f}, {81, 3.0f}, {201, 0.6666667f}}},
       {"Filter Q slope", 5.0f, 25.0f, 7.0f, {{22}, {142}, {82, 0.6666667f}, {202}}},
       {"LFO Freqs Hz", 0.2f, 2.0f, 0.5f, {{226}, {166, 0.6f}, {46, 0.2f}, {106, 0.4f}}},
       {"Bndpass ModDpth", 0.0f, 100.0f, 90.0f, {{59}, {56, 0.7777778f}, {116, 0.7777778f}, {119}, {176, 0.7777778f}, {179}, {236, 0.5555556f}, {239, 0.8888889f}}},
       {"Output Volume", 0.0f, 400.0f, 200.0f, {{33}, {34}, {93}, {94}, {153}, {154}, {213}, {214}}}}},
    },
    {},
    // "VelvetChimes - CMaj" stores feedback depths of 84.999996% while slider C stands at 85.041.
    {
        "VelvetChimes - CMaj module 1 slot A depth",
        "VelvetChimes - CMaj module 2 slot A depth",
        "VelvetChimes - CMaj module 3 slot A depth",
        "VelvetChimes - CMaj module 4 slot A depth",
        "VelvetChimes - CMaj module 5 slot A depth",
        "VelvetChimes - CMaj module 6 slot A depth",
        "VelvetChimes - CMaj module 7 slot A depth",
        "VelvetChimes - CMaj module 8 slot A depth",
    },
};

TEST(FilterEffectsPresets, ValuesThatAreEasyToGetWrong)
{
    const auto records = categoryRecords(kFilterEffects);
    const auto program = [&](int number) -> const OrvPreset& { return records[number - 1]; };

    // Decimals just off round numbers keep their own bit patterns.
    EXPECT_EQ(bitsOf(program(1).oscFrequency[0]), 0x3FC00002u); // 1.5000002 Hz
    EXPECT_EQ(bitsOf(program(3).mainValue[2]), 0x44BB7FFFu);    // 1499.9999 Hz
    EXPECT_EQ(bitsOf(program(26).processTime[0]), bitsOf(882.0f) + 1);
    EXPECT_EQ(bitsOf(program(18).processTime[0]), 0x44DC8001u); // 1764.0001 samples
    EXPECT_EQ(program(18).processTime[0], program(18).processTime[2]);

    // Percentages are the fraction nearest D / 100.
    EXPECT_EQ(bitsOf(program(1).outputGain[1][0]), 0x3F8F5C29u);  // 112%
    EXPECT_EQ(bitsOf(program(17).outputGain[5][1]), 0x3F99999Au); // 120%
    EXPECT_EQ(bitsOf(program(10).outputGain[0][0]), 0x3F4CCCCCu); // 79.999995%
    EXPECT_EQ(program(10).outputGain[2][0], 14.069758f);
    EXPECT_EQ(program(25).modDepth[2][0], 10.0f);

    // A negative depth, and a route to a module with no process.
    EXPECT_EQ(program(20).modKind[1][0], ModKind::FilterFrq);
    EXPECT_EQ(program(20).modTarget[1][0], 2);
    EXPECT_EQ(bitsOf(program(20).modDepth[1][0]), 0xBF000000u); // -50%
    EXPECT_EQ(program(1).modKind[0][1], ModKind::PowerMod);
    EXPECT_EQ(program(1).modTarget[0][1], 2);

    // Initial phases are degrees times 0.017453292 in single precision.
    for (int number : {5, 15, 16, 17, 20})
        EXPECT_EQ(bitsOf(program(number).phaseOrLfoDepth[number == 20 ? 1 : 0]), 0x40490FDBu) << number;
    for (int number : {14, 27}) {
        EXPECT_EQ(program(number).phaseOrLfoDepth[1], 0.0f);
        EXPECT_EQ(program(number).phaseOrLfoDepth[3], 231.0f * 0.017453292f);
        EXPECT_EQ(program(number).phaseOrLfoDepth[5], 44.0f * 0.017453292f);
        EXPECT_EQ(program(number).phaseOrLfoDepth[7], 123.0f * 0.017453292f);
    }

    // "Quad Swept Lowpass" counts its sweep rate in beats per minute.
    for (int m : {0, 4}) {
        EXPECT_EQ(program(11).freqMode[m], FreqMode::Bpm);
        EXPECT_EQ(program(11).sliderFreqMode[m], FreqMode::Bpm);
        EXPECT_EQ(bitsOf(program(11).oscFrequency[m]), 0x3DAAAAACu); // 0.08333334 Hz
    }
    EXPECT_EQ(program(1).freqMode[0], FreqMode::Hz);
    EXPECT_EQ(program(1).sliderFreqMode[0], FreqMode::Hz);

    // Envelope followers: time, threshold and 0.5^(1 / time).
    for (auto [number, m] : {std::pair {2, 0}, {6, 0}, {18, 0}, {19, 0}, {26, 0}, {26, 4}}) {
        const OrvPreset& p = program(number);
        EXPECT_EQ(p.processKind[m], ProcessKind::EnvFollow);
        EXPECT_EQ(p.envThreshold[m], 0.0f);
        EXPECT_EQ(p.envCoefficient[m], float(std::pow(0.5, 1.0 / double(p.processTime[m])))) << number;
    }
    EXPECT_EQ(program(2).processTime[0], 15435.001f);
    EXPECT_EQ(program(2).mainValue[0], 350.0f);

    // The resonators' volume slider fills all sixteen places, with no 0 after them.
    for (int number = 21; number <= 24; ++number) {
        EXPECT_EQ(program(number).sliderTarget[3][15], 244);
        EXPECT_EQ(program(number).sliderRatio[3][15], 1.0f);
    }
    EXPECT_EQ(program(23).sliderCurrent[2], 85.041f);
    for (int m = 0; m < kNumModules; ++m)
        EXPECT_EQ(bitsOf(program(23).modDepth[m][0]), bitsOf(0.84999996f)) << "feedback stored apart from slider C";
    EXPECT_EQ(program(21).sliderRatio[0][6], 1.3347727f);
    EXPECT_EQ(program(26).sliderRatio[2][1], 0.11111111f);
}
