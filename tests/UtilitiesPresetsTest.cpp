#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kUtilities = {
    "Utilities", 22, 326, buildUtilitiesPresets, StoredWords::None,
    {
     {"Adjust L/R Balance", "Use this to adjust the left/right balance, in case one channel is louder  than the other.", "12", 0x0302, 1,
      {{"Left Out Vol", 0.0f, 200.0f, 70.0f, {{33}}},
       {"Right Out Vol", 0.0f, 200.0f, 70.0f, {{64}}}}},
     {"Bipolar->Unipolar", "Converts a normal bipolar (pos & neg) signal to unipolar (positive only) by doing a DC offset then scaling by half. Only for test signals, not music.", "1", 0x0302, 1, {}},
     {"Correct DC Offset", "Adjust Slider A to correct a DC offset without filtering.", "1", 0x0302, 1,
      {{"DC Offset %", -100.0f, 100.0f, -5.0f, {{21}}},
       {"Output Level", 0.0f, 100.0f, 65.0f, {{33}, {34}}}}},
     {"Feedback Eliminator", "Adds a slight frequency modulation to break up feedback. Experiment to find the best settings.", "26", 0x0302, 524288,
      {{"LFO Rate Hz", 0.05f, 10.0f, 4.0f, {{166}}},
       {"Delay Mod Depth %", 0.0f, 10.0f, 5.0f, {{176}}},
       {"Delay Time ms.", 0.0f, 10.0f, 5.0f, {{51}}},
       {"Output Volume", 0.0f, 100.0f, 72.0f, {{63}, {64}}}}},
     {"Filter 60Hz+harmonix", "This comb filter puts notches at 60 Hz & each harmonic (0, 120, 180, etc.) (Delay Time = 1/frequency). The result is rough due to cancellations.", "12", 0x0302, 262144,
      {{"Delay Time ms", 0.0f, 40.0f, 16.699999f, {{51}}},
       {"Output Volume", 0.0f, 200.0f, 75.0f, {{33}, {34}, {63, -1.0f}, {64, -1.0f}}}}},
     {"Filter 60Hz+oddHarm", "This comb filter puts notches at 60 Hz and each odd harmonic (180, etc.) (Delay Time = .5/frequency). The result can be rough due to cancellations.", "12", 0x0302, 262144,
      {{"Delay Time ms", 0.0f, 20.0f, 8.3f, {{51}}},
       {"Output Volume", 0.0f, 200.0f, 80.0f, {{33}, {34}, {63}, {64}}}}},
     {"Left -> Both", "This copies the left channel of a stereo sound to both channels.", "1", 0x0300, 1,
      {{"Output Volume", 0.0f, 200.0f, 70.0f, {{33}, {34}}}}},
     {"Phase Inverter", "This inverts the phase of the right channel. You can invert either or both channels. Note that the bass is weaker if the channels are out of phase.", "1256", 0x0302, 1,
      {{"Left Phase", -100.0f, 100.0f, 100.0f, {{153}}},
       {"Right Phase", -100.0f, 100.0f, -100.0f, {{184}}},
       {"Output Volume", 0.0f, 150.0f, 70.0f, {{26}, {56}}}}},
     {"Right -> Both", "This copies the right channel of a stereo sound to both channels.", "1", 0x0300, 1,
      {{"Output Volume", 0.0f, 150.0f, 70.0f, {{33}, {34}}}}},
     {"Rumble Filter", "Rumble filter. This does a good job of taking out 50/60 cycle hum. Adjust Cutoff to raise or lower filter freq. Lower Feedfwd if it clips. ", "123", 0x0302, 1,
      {{"Cutoff Freq hz", 10.0f, 200.0f, 90.0f, {{21}, {51}, {81}}},
       {"Filter Q slope", 0.1f, 2.0f, 1.0f, {{22}, {52}}},
       {"Feed- forward", 0.0f, 200.0f, 200.0f, {{26}, {56}}},
       {"Output Volume", 0.0f, 200.0f, 82.0f, {{93}, {94}}}}},
     {"Simple Delay", "Simple Delay", "12", 0x0302, 262144,
      {{"Delay Time ms", 0.0f, 4000.0f, 2000.0f, {{21}}},
       {"Wet Mix", 0.0f, 300.0f, 60.0f, {{33}, {34}}},
       {"Dry Mix", 0.0f, 300.0f, 100.0f, {{63}, {64}}}}},
     {"Stereo Delay", "Stereo Delay", "123", 0x0302, 131072,
      {{"Left Delay ms", 0.0f, 2000.0f, 1000.0f, {{21}}},
       {"Right Delay ms", 0.0f, 2000.0f, 1500.0f, {{81}}},
       {"Left Wet Mix", 0.0f, 200.0f, 60.000004f, {{33}}},
       {"Right Wet Mix", 0.0f, 200.0f, 60.000004f, {{94}}},
       {"Dry Mix", 0.0f, 200.0f, 100.0f, {{63}, {64}}}}},
     {"Stereo->Difference", "This sets both channels to the signal formed from  the difference of the left and right channels. This often reduces bass and increases reverb.", "12", 0x0300, 1,
      {{"Output Volume", 0.0f, 200.0f, 100.0f, {{63}, {64}}}}},
     {"Stereo->Mono", "This sets each channel to the average of the left and right channels, scaled by Output Volume. (The result still has the original number of channels.)", "1", 0x0302, 1,
      {{"Output Volume", 0.0f, 200.0f, 70.0f, {{33}, {34}}}}},
     {"Stereo->Sum&Diff", "This sets the left channel to the sum of the left + right channels and sets the right channel to their difference (right - left).", "123", 0x0300, 1,
      {{"Sum Volume", 0.0f, 200.0f, 70.0f, {{33}}},
       {"Difference Volume", 0.0f, 200.0f, 150.0f, {{94}}}}},
     {"Swap Channels", "This swaps the left and right channels.", "12", 0x0300, 1,
      {{"Output Volume", 0.0f, 200.0f, 70.0f, {{34}, {63}}}}},
     {"Unipolar->Bipolar", "This converts a unipolar (positive only) signal to a bipolar signal (pos & neg). Only for test signals, not music.", "1", 0x0302, 1, {}},
     {"Zero Left Channel", "This silences the left channel.", "1", 0x0300, 1,
      {{"Output Volume", 0.0f, 200.0f, 70.0f, {{34}}}}},
     {"Zero Right Channel", "This silences the right channel.", "1", 0x0300, 1,
      {{"Output Volume", 0.0f, 200.0f, 70.0f, {{33}}}}},
    },
    // "Bipolar->Unipolar" and "Unipolar->Bipolar" keep their unused modules set up for the editor.
    {1, 16},
};

// Mixes that invert or carry a channel into the module that is heard.
TEST(UtilitiesPresets, MixesInvertOrCarryChannels)
{
    const auto records = categoryRecords(kUtilities);
    const struct {
        int record, module, target;
        float depth;
    } mixes[] = {{7, 0, 4, 0.7f}, {7, 1, 5, 0.7f}, {12, 0, 1, -1}, {14, 1, 2, -1}};
    for (const auto& mix : mixes) {
        const OrvPreset& p = records[size_t(mix.record)];
        EXPECT_EQ(p.modKind[mix.module][0], ModKind::Mix) << mix.record;
        EXPECT_EQ(p.modTarget[mix.module][0], mix.target) << mix.record;
        EXPECT_EQ(bitsOf(p.modDepth[mix.module][0]), bitsOf(mix.depth)) << mix.record;
    }
}

TEST(UtilitiesPresets, OffsetsFiltersAndDelays)
{
    const auto records = categoryRecords(kUtilities);
    EXPECT_EQ(bitsOf(records[2].dcOffset[0]), 0xBD4CCCCCu) << "-0.049999997, not -0.05";

    // Delay times in samples are 44100 * (ms * 0.001) in single precision.
    EXPECT_EQ(bitsOf(records[3].processTime[1]), 0x435C8001u) << "220.50002, not 220.5";
    EXPECT_EQ(bitsOf(records[11].outputGain[0][1]), bitsOf(2.0f)) << "the left delay's unused right gain";

    // The rumble filter: three 90 Hz high-pass stages, each mixed into the next.
    const OrvPreset& rumble = records[9];
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(rumble.oscKind[m], m == 0 ? OscKind::StereoIn : OscKind::NoOsc) << m;
        EXPECT_EQ(rumble.processKind[m], ProcessKind::HighPass) << m;
        EXPECT_EQ(bitsOf(rumble.mainValue[m]), bitsOf(90.0f)) << m;
        EXPECT_EQ(bitsOf(rumble.filterQ[m]), bitsOf(1.0f)) << m;
    }
    EXPECT_EQ(rumble.modKind[0][0], ModKind::Mix);
    EXPECT_EQ(rumble.modTarget[1][0], 2);
    EXPECT_EQ(bitsOf(rumble.modDepth[1][0]), bitsOf(2.0f));
    EXPECT_EQ(bitsOf(rumble.outputGain[2][1]), bitsOf(0.82f));
}

TEST(UtilitiesPresets, FeedbackEliminatorSweepsItsDelayFromAKindZeroModule)
{
    const OrvPreset p = categoryRecords(kUtilities)[3];
    EXPECT_EQ(p.oscKind[5], OscKind::Sine);
    EXPECT_EQ(p.processKind[5], 0);
    EXPECT_EQ(bitsOf(p.oscFrequency[5]), bitsOf(4.0f));
    EXPECT_EQ(p.freqMode[5], FreqMode::Hz);
    EXPECT_EQ(p.sliderFreqMode[5], 0);
    EXPECT_EQ(p.note[5], 0);
    EXPECT_EQ(p.octave[5], 0);
    EXPECT_EQ(p.modKind[5][0], ModKind::DelayMod);
    EXPECT_EQ(p.modTarget[5][0], 1);
    EXPECT_EQ(bitsOf(p.modDepth[5][0]), bitsOf(0.049999997f));
    EXPECT_EQ(p.outputOn[5][0] | p.outputOn[5][1], 0);
    EXPECT_EQ(bitsOf(p.outputGain[5][0]) | bitsOf(p.outputGain[5][1]), 0u);
}
