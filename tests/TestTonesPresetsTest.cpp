#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kTestTones = {
    "Test Tones", 18, 266, buildTestTonesPresets, StoredWords::None,
    {
     {"Add 50/60-cycle Hum", "This adds 50 or 60 cycle hum, with optional harmonics.", "12", 0x0302, 1,
      {{"Hum Freq hz", 50.0f, 60.0f, 60.0f, {{46}}},
       {"Power Distort%", 0.0f, 10.0f, 0.5f, {{51}}},
       {"Hum Mix", 0.0f, 200.0f, 20.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 120.00001f, {{33}, {34}}}}},
     {"Additive Synthesis", "Slider A controls the frequency of the fundamental tone. The remaining sliders control the relative amplitudes of various harmonics.", "12345678", 0x0302, 1,
      {{"Fund. Freq Hz", 20.0f, 500.0f, 100.0f, {{16}, {46, 2.0f}, {76, 3.0f}, {106, 4.0f}, {136, 5.0f}, {166, 6.0f}, {196, 7.0f}, {226, 8.0f}}},
       {"1st Harm Vol", 0.0f, 300.0f, 200.0f, {{33}, {34}}},
       {"2ndHarm Vol", 0.0f, 300.0f, 100.0f, {{63}, {64}}},
       {"3rdHarm Vol", 0.0f, 300.0f, 50.0f, {{93}, {94}}},
       {"4,6,8 Vol", 0.0f, 300.0f, 25.0f, {{123}, {124}, {183, 0.248f}, {184, 0.248f}, {243, 0.063999996f}, {244, 0.063999996f}}},
       {"5,7 Vol", 0.0f, 300.0f, 12.5f, {{153}, {154}, {213, 0.248f}, {214, 0.248f}}}}},
     {"Click Track", "Simple click-track generator.", "12358", 0x0302, 1,
      {{"BeatsPer Minute", 30.0f, 300.0f, 100.0f, {{16}}},
       {"Power shaping", 0.0f, 100.0f, 50.0f, {{51}}},
       {"Lowpass freq Hz", 60.0f, 1200.0f, 600.0f, {{81}}},
       {"Lowpass Q", 0.0f, 24.0f, 12.0f, {{82}}},
       {"Wet Mix", 0.0f, 200.0f, 50.0f, {{153}, {154}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Guitar Tuning", "Guitar tuning pitches", "1235678", 0x0302, 1,
      {{"Low E volume", 0.0f, 350.0f, 175.0f, {{33}, {34}}},
       {"A volume", 0.0f, 350.0f, 0.0f, {{63}, {64}}},
       {"D volume", 0.0f, 350.0f, 0.0f, {{93}, {94}}},
       {"G volume", 0.0f, 350.0f, 0.0f, {{153}, {154}}},
       {"B volume", 0.0f, 350.0f, 0.0f, {{183}, {184}}},
       {"High E volume", 0.0f, 350.0f, 0.0f, {{213}, {214}}},
       {"Dry Mix", 0.0f, 350.0f, 0.0f, {{243}, {244}}}}},
     {"Polyrhythmic Click Track", "Experiment with polyrhythms. 1st slider controls the overall rate. Use remaining sliders to turn multiples of that rate on or off.", "123458", 0x0302, 1,
      {{"Base BPM", 0.0f, 120.0f, 59.999996f, {{16}, {46, 2.0f}, {76, 3.0000005f}, {106, 4.0f}, {136, 5.000001f}}},
       {"1x Level", 0.0f, 2000.0f, 0.0f, {{26}}},
       {"2x Level", 0.0f, 2000.0f, 999.99994f, {{56}}},
       {"3x Level", 0.0f, 2000.0f, 1000.0f, {{86}}},
       {"4x Level", 0.0f, 2000.0f, 0.0f, {{116}}},
       {"5x Level", 0.0f, 2000.0f, 0.0f, {{146}}},
       {"Overall Level", 0.0f, 100.0f, 50.0f, {{243}, {244}}}}},
     {"Sine Wave Sweep", "This does an upward sine wave sweep from 0 hz to  twice the specified Carrier frequency.", "12", 0x0302, 1,
      {{"Carrier Freq hz", 30.0f, 1000.0f, 440.0f, {{46}}},
       {"Mod Rate hz", 0.1f, 5.0f, 1.0f, {{16}}},
       {"FM Depth", 0.0f, 200.0f, 100.0f, {{26}}},
       {"Output Volume", 0.0f, 30.0f, 10.0f, {{63}, {64}}}}},
     {"Tone Generator", "Simple tone generator. Set Quant to quantize to the desired number of semitones.", "1234", 0x0302, 1,
      {{"Freq Hz", 50.0f, 10000.0f, 440.0f, {{16}, {46}, {76}, {106}}},
       {"Quant Semitones", 0.0f, 12.0f, 1.0f, {{21}, {51}, {81}, {111}}},
       {"Sine Mix", 0.0f, 100.0f, 50.0f, {{33}, {34}}},
       {"Triangle Mix", 0.0f, 100.0f, 0.0f, {{63}, {64}}},
       {"Square Mix", 0.0f, 100.0f, 0.0f, {{93}, {94}}},
       {"Saw Mix", 0.0f, 100.0f, 0.0f, {{123}, {124}}}}},
     {"White Noise", "White Noise", "1", 0x0302, 1,
      {{"Output Volume", 0.0f, 50.0f, 10.0f, {{33}, {34}}}}},
    },
};

TEST(TestTonesPresets, ClockSawsRunInBeatsPerMinuteFromPhasePi)
{
    const auto records = categoryRecords(kTestTones);
    const OrvPreset& click = records[2];
    EXPECT_EQ(click.freqMode[0], FreqMode::Bpm);
    EXPECT_EQ(click.sliderFreqMode[0], FreqMode::Bpm);
    EXPECT_EQ(bitsOf(click.oscFrequency[0]), bitsOf(1.6666667f));
    EXPECT_EQ(bitsOf(click.phaseOrLfoDepth[0]), 0u);
    EXPECT_EQ(click.processKind[2], ProcessKind::HighPass);

    const OrvPreset& poly = records[4];
    const float frequencies[] = {1.0f, 2.0f, 3.0000005f, 4.0f, 5.000001f};
    for (int module = 0; module < 5; ++module) {
        EXPECT_EQ(poly.oscKind[module], OscKind::Saw) << module;
        EXPECT_EQ(poly.freqMode[module], FreqMode::Bpm) << module;
        EXPECT_EQ(poly.sliderFreqMode[module], FreqMode::Bpm) << module;
        EXPECT_EQ(bitsOf(poly.oscFrequency[module]), bitsOf(frequencies[module])) << module;
        EXPECT_EQ(bitsOf(poly.phaseOrLfoDepth[module]), 0x40490FDBu) << module;
        EXPECT_EQ(poly.outputOn[module][0] + poly.outputOn[module][1], 0) << module;
    }
    EXPECT_EQ(bitsOf(poly.modDepth[1][0]), 0x411FFFFFu);

    const OrvPreset& sweep = records[5];
    EXPECT_EQ(bitsOf(sweep.phaseOrLfoDepth[0]), 0x40490FDBu);
    EXPECT_EQ(bitsOf(sweep.phaseOrLfoDepth[1]), 0u);
}

TEST(TestTonesPresets, ValuesEasyToGetWrong)
{
    const auto records = categoryRecords(kTestTones);

    // The strings hold their own frequencies, shown as Hz through mode word 0.
    const int strings[] = {0, 1, 2, 4, 5, 6};
    const float pitches[] = {82.40686f, 109.99997f, 146.83235f, 195.99767f, 246.9416f, 329.6275f};
    const uint16_t notes[] = {4, 9, 2, 7, 11, 4};
    const int16_t octaves[] = {2, 2, 3, 3, 3, 4};
    for (int string = 0; string < 6; ++string) {
        const int module = strings[string];
        EXPECT_EQ(bitsOf(records[3].oscFrequency[module]), bitsOf(pitches[string])) << module;
        EXPECT_EQ(records[3].note[module], notes[string]) << module;
        EXPECT_EQ(records[3].octave[module], octaves[string]) << module;
        EXPECT_EQ(records[3].freqMode[module], 0) << module;
        EXPECT_EQ(records[3].sliderFreqMode[module], FreqMode::Hz) << module;
    }
    EXPECT_EQ(bitsOf(records[3].oscFrequency[1]), 0x42DBFFFCu);

    // Exact 440 Hz tones.
    EXPECT_EQ(bitsOf(records[5].oscFrequency[1]), 0x43DC0000u);
    for (int module = 0; module < 4; ++module)
        EXPECT_EQ(bitsOf(records[6].oscFrequency[module]), 0x43DC0000u) << module;

    // Input modules pass the signal with process kind 0 at gain 0.
    for (int record : {2, 3}) {
        EXPECT_EQ(records[record].oscKind[7], OscKind::StereoIn) << record;
        EXPECT_EQ(records[record].processKind[7], 0) << record;
        EXPECT_EQ(records[record].outputOn[7][0] + records[record].outputOn[7][1], 2) << record;
    }

    EXPECT_EQ(bitsOf(records[0].sliderCurrent[3]), 0x42F00001u);
    EXPECT_EQ(bitsOf(records[0].outputGain[0][0]), bitsOf(1.2f));
    EXPECT_EQ(bitsOf(records[0].outputGain[1][1]), 0x3E4CCCCCu);
    EXPECT_EQ(bitsOf(records[7].outputGain[0][0]), 0x3DCCCCCCu);
    EXPECT_EQ(bitsOf(records[1].sliderRatio[4][2]), bitsOf(0.248f));
    EXPECT_EQ(bitsOf(records[1].sliderRatio[4][4]), bitsOf(0.063999996f));
    EXPECT_EQ(bitsOf(records[1].outputGain[5][0]), bitsOf(0.061999995f));
    EXPECT_EQ(bitsOf(records[1].outputGain[7][1]), bitsOf(0.015999999f));
    EXPECT_EQ(records[7].oscKind[0], OscKind::Noise);
}
