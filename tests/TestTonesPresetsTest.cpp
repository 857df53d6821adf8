#include <gtest/gtest.h>

#include "FactoryCategoryChecks.h"

using namespace factory_checks;

namespace {

const CategoryTable kTestTones = {
    "Test Tones", 18, 266, buildTestTonesPresets,
    {
        {"Add 50/60-cycle Hum", "This adds 50 or 60 cycle hum, with optional harmonics.", 1, {0, 1},
         {{"Hum Freq hz", 50, 60, 60, {46}},
          {"Power Distort%", 0, 10, 0.5f, {51}},
          {"Hum Mix", 0, 200, 20, {63, 64}},
          {"Dry Mix", 0, 200, 120.00001f, {33, 34}}}},
        {"Additive Synthesis",
         "Slider A controls the frequency of the fundamental tone. The remaining sliders control the relative amplitudes of various harmonics.",
         1, {0, 1, 2, 3, 4, 5, 6, 7},
         {{"Fund. Freq Hz", 20, 500, 100, {16, 46, 76, 106, 136, 166, 196, 226}},
          {"1st Harm Vol", 0, 300, 200, {33, 34}},
          {"2ndHarm Vol", 0, 300, 100, {63, 64}},
          {"3rdHarm Vol", 0, 300, 50, {93, 94}},
          {"4,6,8 Vol", 0, 300, 25, {123, 124, 183, 184, 243, 244}},
          {"5,7 Vol", 0, 300, 12.5f, {153, 154, 213, 214}}}},
        {"Click Track", "Simple click-track generator.", 1, {0, 1, 2, 4, 7},
         {{"BeatsPer Minute", 30, 300, 100, {16}},
          {"Power shaping", 0, 100, 50, {51}},
          {"Lowpass freq Hz", 60, 1200, 600, {81}},
          {"Lowpass Q", 0, 24, 12, {82}},
          {"Wet Mix", 0, 200, 50, {153, 154}},
          {"Dry Mix", 0, 200, 0, {243, 244}}}},
        {"Guitar Tuning", "Guitar tuning pitches", 1, {0, 1, 2, 4, 5, 6, 7},
         {{"Low E volume", 0, 350, 175, {33, 34}},
          {"A volume", 0, 350, 0, {63, 64}},
          {"D volume", 0, 350, 0, {93, 94}},
          {"G volume", 0, 350, 0, {153, 154}},
          {"B volume", 0, 350, 0, {183, 184}},
          {"High E volume", 0, 350, 0, {213, 214}},
          {"Dry Mix", 0, 350, 0, {243, 244}}}},
        {"Polyrhythmic Click Track",
         "Experiment with polyrhythms. 1st slider controls the overall rate. Use remaining sliders to turn multiples of that rate on or off.",
         1, {0, 1, 2, 3, 4, 7},
         {{"Base BPM", 0, 120, 59.999996f, {16, 46, 76, 106, 136}},
          {"1x Level", 0, 2000, 0, {26}},
          {"2x Level", 0, 2000, 999.99994f, {56}},
          {"3x Level", 0, 2000, 1000, {86}},
          {"4x Level", 0, 2000, 0, {116}},
          {"5x Level", 0, 2000, 0, {146}},
          {"Overall Level", 0, 100, 50, {243, 244}}}},
        {"Sine Wave Sweep", "This does an upward sine wave sweep from 0 hz to  twice the specified Carrier frequency.", 1,
         {0, 1},
         {{"Carrier Freq hz", 30, 1000, 440, {46}},
          {"Mod Rate hz", 0.1f, 5, 1, {16}},
          {"FM Depth", 0, 200, 100, {26}},
          {"Output Volume", 0, 30, 10, {63, 64}}}},
        {"Tone Generator", "Simple tone generator. Set Quant to quantize to the desired number of semitones.", 1,
         {0, 1, 2, 3},
         {{"Freq Hz", 50, 10000, 440, {16, 46, 76, 106}},
          {"Quant Semitones", 0, 12, 1, {21, 51, 81, 111}},
          {"Sine Mix", 0, 100, 50, {33, 34}},
          {"Triangle Mix", 0, 100, 0, {63, 64}},
          {"Square Mix", 0, 100, 0, {93, 94}},
          {"Saw Mix", 0, 100, 0, {123, 124}}}},
        {"White Noise", "White Noise", 1, {0}, {{"Output Volume", 0, 50, 10, {33, 34}}}},
    }};

} // namespace

TEST(TestTonesPresets, RecordsHoldTheirTables)
{
    expectCategoryMatchesTables(kTestTones);
    const auto bank = buildCategory(kTestTones);
    for (int k = 0; k < 8; ++k)
        expectSlidersDriveModulesInUse(bank[266 + k]);
}

TEST(TestTonesPresets, BuilderWritesOnlyItsRecords) { expectBuilderWritesOnlyItsRecords(kTestTones); }

TEST(TestTonesPresets, LandAtTheirBankIndexes) { expectCategoryLandsInTheFactoryBank(kTestTones); }

TEST(TestTonesPresets, StoredDelayLineLengthsAreTheSelectedOnes)
{
    EXPECT_EQ(delayLineLengthsOnceSelected(kTestTones), storedDelayLineLengths(kTestTones));
}

TEST(TestTonesPresets, SlidersAgreeWithTheirFields)
{
    EXPECT_EQ(valuesTheSlidersChange(kTestTones), std::vector<std::string> {});
}

TEST(TestTonesPresets, ClockSawsRunInBeatsPerMinuteFromPhasePi)
{
    const auto bank = buildCategory(kTestTones);
    const OrvPreset& click = bank[268];
    EXPECT_EQ(click.freqMode[0], FreqMode::Bpm);
    EXPECT_EQ(click.sliderFreqMode[0], FreqMode::Bpm);
    EXPECT_EQ(bitsOf(click.oscFrequency[0]), bitsOf(1.6666667f));
    EXPECT_EQ(bitsOf(click.phaseOrLfoDepth[0]), 0u);
    EXPECT_EQ(click.processKind[2], ProcessKind::HighPass);

    const OrvPreset& poly = bank[270];
    const float frequencies[] = {1.0f, 2.0f, 3.0000005f, 4.0f, 5.000001f};
    for (int module = 0; module < 5; ++module) {
        EXPECT_EQ(poly.oscKind[module], OscKind::Saw) << module;
        EXPECT_EQ(poly.freqMode[module], FreqMode::Bpm) << module;
        EXPECT_EQ(poly.sliderFreqMode[module], FreqMode::Bpm) << module;
        EXPECT_EQ(bitsOf(poly.oscFrequency[module]), bitsOf(frequencies[module])) << module;
        EXPECT_EQ(bitsOf(poly.phaseOrLfoDepth[module]), 0x40490FDBu) << module;
        EXPECT_EQ(poly.outputOn[module][0] + poly.outputOn[module][1], 0) << module;
    }
    EXPECT_EQ(bitsOf(poly.sliderCurrent[0]), 0x426FFFFFu);
    EXPECT_EQ(bitsOf(poly.sliderRatio[0][2]), 0x40400002u);
    EXPECT_EQ(bitsOf(poly.sliderRatio[0][4]), 0x40A00002u);
    EXPECT_EQ(bitsOf(poly.sliderCurrent[2]), 0x4479FFFFu);
    EXPECT_EQ(bitsOf(poly.modDepth[1][0]), 0x411FFFFFu);

    const OrvPreset& sweep = bank[271];
    EXPECT_EQ(bitsOf(sweep.phaseOrLfoDepth[0]), 0x40490FDBu);
    EXPECT_EQ(bitsOf(sweep.phaseOrLfoDepth[1]), 0u);
}

TEST(TestTonesPresets, ValuesEasyToGetWrong)
{
    const auto bank = buildCategory(kTestTones);
    const OrvPreset* records = &bank[266];

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
