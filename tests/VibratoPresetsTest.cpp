#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kVibrato = {
    "Vibrato", 23, 345, buildVibratoPresets, StoredWords::None,
    {
     {"EnvFol -> Vibrato", "We let the amplitude envelope of the original sound modulate both the amplitude and frequency of the vibrato LFO, for an effect that breathes.", "1238", 0x0302, 524288,
      {{"LFO Freq hz", 0.5f, 20.0f, 6.0000005f, {{46}}},
       {"LFO AM Depth", 0.0f, 100.0f, 25.0f, {{26}}},
       {"LFO FM Depth", 0.0f, 200.0f, 100.0f, {{29}}},
       {"Vibrato Depth", 0.0f, 90.0f, 45.0f, {{56}}},
       {"Delay Time ms", 0.0f, 8.0f, 4.0f, {{81}}},
       {"Wet Mix", 0.0f, 400.0f, 140.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"EnvFol -> Vibrato & Tremolo", "The signal's amplitude envelope controls the rate of an LFO which in turn controls both the tremolo and vibrato, which slow as the signal fades.", "23478", 0x0302, 524288,
      {{"EnvFol Time ms", 15.0f, 50.0f, 24.999996f, {{111}}},
       {"LFO Freq Hz", 0.0f, 6.0f, 2.4999998f, {{46}}},
       {"LFO Freq Mod Depth", 0.0f, 400.0f, 200.0f, {{206}}},
       {"Tremolo Depth", 0.0f, 50.0f, 24.999998f, {{56}}},
       {"Vibrato Depth", 0.0f, 100.0f, 62.5f, {{59}}},
       {"Wet Mix", 0.0f, 500.0f, 220.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Filter Vibrato", "Vibrato-like effect that varies the filter frequency  instead of the signal's pitch.", "123", 0x0302, 1,
      {{"Vibrato Rate Hz", 0.5f, 12.0f, 6.0f, {{16}}},
       {"Vibrato Depth", 0.0f, 100.0f, 40.0f, {{26}}},
       {"Bandpass Frq Hz", 40.0f, 2000.0f, 800.0f, {{51}}},
       {"Bandpass Q", 1.0f, 4.0f, 2.0f, {{52}}},
       {"Wet Mix", 0.0f, 150.0f, 65.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 150.0f, 65.0f, {{93}, {94}}}}},
     {"Random Vibrato", "Lowpass-filtered noise modulates the delay time, generating a random vibrato. Lowpass Freq controls vibrato rate; Q controls coherence.", "12345678", 0x0302, 131072,
      {{"Lowpass Freq Hz", 0.0f, 10.0f, 2.9999998f, {{21}}},
       {"Lowpass Q", 0.0f, 50.0f, 5.0f, {{22}}},
       {"Vibrato Depth", 0.0f, 100.0f, 20.0f, {{26}, {29, -1.0f}}},
       {"Delay Time ms", 0.0f, 400.0f, 200.0f, {{51}, {171}}},
       {"Crossfade Rate Hz", 0.0f, 8.0f, 3.0000002f, {{106}, {226}}},
       {"Wet Mix", 0.0f, 300.0f, 210.0f, {{93}, {94}, {213}, {214}}},
       {"Delayed Dry Mix", 0.0f, 200.0f, 0.0f, {{153}, {154}}}}},
     {"Random Vibrato 2", "Lowpass-filtered noise modulates the delay time, generating a random vibrato. Lowpass Freq controls vibrato rate; Q controls coherence.", "12345678", 0x0302, 131072,
      {{"Lowpass Freq Hz", 0.0f, 10.0f, 5.0f, {{21}}},
       {"Lowpass Q", 1.0f, 50.0f, 10.0f, {{22}}},
       {"Vibrato Depth", 0.0f, 100.0f, 10.0f, {{26}, {29}}},
       {"Delay Time ms", 0.0f, 400.0f, 200.0f, {{51}, {171}}},
       {"Crossfade Rate Hz", 0.0f, 8.0f, 3.0000002f, {{106}, {226}}},
       {"Wet Mix", 0.0f, 450.0f, 210.0f, {{93}, {94}, {213}, {214}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{153}, {154}}}}},
     {"SharpFlat Vibrato", "Cross-fades between upward and downward pitch shifts.", "12345678", 0x0302, 262144,
      {{"LFO Freq Hz", 0.0f, 20.0f, 6.0f, {{16}, {136}, {106}, {226}}},
       {"Pitch Mod Depth %", 0.0f, 100.0f, 35.0f, {{26}, {146, -1.0f}}},
       {"Delay Time ms.", 1.0f, 10.0f, 4.0000005f, {{51}, {171}}},
       {"Output Volume", 0.0f, 200.0f, 140.0f, {{93}, {94}, {213}, {214}}}}},
     {"Vibrato 1", "Simple vibrato. Adjust rate and depth for desired effect.", "128", 0x0302, 524288,
      {{"Vibrato Rate hz", 0.5f, 12.0f, 6.0f, {{16}}},
       {"Vibrato Depth", 0.0f, 100.0f, 30.000002f, {{26}}},
       {"Time Delay ms", 0.0f, 2.0f, 1.0f, {{51}}},
       {"Wet Mix", 0.0f, 300.0f, 140.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Vibrato 2", "Subtle vibrato. Adjust rate and depth for desired effect.", "12", 0x0302, 524288,
      {{"Vibrato Rate hz", 0.5f, 10.0f, 5.5f, {{16}}},
       {"Vibrato Depth", 0.0f, 100.0f, 15.000001f, {{26}}},
       {"Time Delay ms", 0.0f, 2.0f, 1.0f, {{51}}},
       {"Output Volume", 0.0f, 200.0f, 70.0f, {{63}, {64}}}}},
    },
};

TEST(VibratoPresets, TheFactoryBuildersEndTheBankAtItsLastSlot)
{
    auto bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    int next = 247;
    for (PresetBuilder builder : {buildPitchTrackPresets, buildRandomPresets, buildTestTonesPresets,
                                  buildThirdPartyPresets, buildTremoloPresets, buildUserPresets,
                                  buildUtilitiesPresets, buildVibratoPresets})
        next = builder(bank.get(), next);
    EXPECT_EQ(next, 353);
    EXPECT_TRUE(bytesAreZero(&bank[353], kPresetSize));
}

TEST(VibratoPresets, DelayLinesAndWhatSweepsThem)
{
    const auto records = categoryRecords(kVibrato);
    EXPECT_SAME_FLOAT(records[5].modDepth[4][0], -0.35f);
    EXPECT_SAME_FLOAT(records[3].modDepth[0][1], -0.19999999f);
    EXPECT_EQ(bitsOf(records[0].processTime[2]), 0x43306667u) << "176.40001";
    EXPECT_EQ(bitsOf(records[5].processTime[1]), 0x43306668u) << "176.40002";
    EXPECT_EQ(bitsOf(records[0].oscFrequency[1]), 0x40C00001u) << "6.0000005 Hz, not 6";

    // The noise source of the random vibratos is low-passed at a few hertz.
    EXPECT_EQ(records[3].oscKind[0], OscKind::Noise);
    EXPECT_EQ(records[3].processKind[0], ProcessKind::LowPass);
    EXPECT_EQ(bitsOf(records[3].mainValue[0]), bitsOf(2.9999998f));
    EXPECT_EQ(bitsOf(records[3].filterQ[0]), bitsOf(5.0f));
    EXPECT_EQ(bitsOf(records[4].mainValue[0]), bitsOf(5.0f));
    EXPECT_EQ(bitsOf(records[4].filterQ[0]), bitsOf(10.0f));
    EXPECT_EQ(bitsOf(records[3].oscFrequency[0]) | records[3].freqMode[0] | records[3].note[0], 0u)
        << "noise has no frequency";

    // Filter Vibrato sweeps a band-pass filter instead of a delay.
    const OrvPreset& filter = records[2];
    EXPECT_EQ(filter.modKind[0][0], ModKind::FilterFrq);
    EXPECT_EQ(filter.modTarget[0][0], 1);
    EXPECT_EQ(bitsOf(filter.modDepth[0][0]), bitsOf(0.39999998f));
    EXPECT_EQ(filter.processKind[1], ProcessKind::BandPass);
    EXPECT_EQ(bitsOf(filter.mainValue[1]), bitsOf(800.0f));
    EXPECT_EQ(bitsOf(filter.filterQ[1]), bitsOf(2.0f));
}

TEST(VibratoPresets, EnvelopeFollowersSteerTheLfo)
{
    const auto records = categoryRecords(kVibrato);
    const OrvPreset& breathing = records[0];
    EXPECT_EQ(breathing.processKind[0], ProcessKind::EnvFollow);
    EXPECT_EQ(bitsOf(breathing.envCoefficient[0]), bitsOf(0.99977547f));
    EXPECT_EQ(bitsOf(breathing.processTime[0]), bitsOf(3087.0f));
    EXPECT_EQ(breathing.modKind[0][0], ModKind::FreqMod);
    EXPECT_EQ(bitsOf(breathing.modDepth[0][0]), bitsOf(0.25f));
    EXPECT_EQ(breathing.modKind[0][1], ModKind::AmplMod);
    EXPECT_EQ(bitsOf(breathing.modDepth[0][1]), bitsOf(1.0f));

    const OrvPreset& rate = records[1];
    EXPECT_EQ(rate.processKind[3], ProcessKind::EnvFollow);
    EXPECT_EQ(bitsOf(rate.envCoefficient[3]), bitsOf(0.99937147f));
    EXPECT_EQ(bitsOf(rate.processTime[3]), bitsOf(1102.4999f));
    EXPECT_EQ(rate.modKind[3][0], ModKind::Mix);
    EXPECT_EQ(rate.modTarget[3][0], 6);
    EXPECT_EQ(rate.oscKind[6], OscKind::NoOsc);
    EXPECT_EQ(rate.processKind[6], ProcessKind::DcOffset);
    EXPECT_EQ(bitsOf(rate.dcOffset[6]), bitsOf(1.0f));
    EXPECT_EQ(rate.modKind[6][0], ModKind::FreqMod);
    EXPECT_EQ(bitsOf(rate.modDepth[6][0]), bitsOf(2.0f));
    EXPECT_EQ(bitsOf(rate.oscFrequency[1]), bitsOf(2.4999998f));
    EXPECT_EQ(bitsOf(rate.modDepth[1][0]), bitsOf(0.24999997f));
}

// Two sines half a cycle apart fade the collecting modules 2 and 6 in turn.
TEST(VibratoPresets, CrossfadingSinesRunHalfACycleApart)
{
    const auto records = categoryRecords(kVibrato);
    for (int record : {3, 4, 5}) {
        SCOPED_TRACE(records[record].programName);
        EXPECT_EQ(bitsOf(records[record].phaseOrLfoDepth[3]), 0x3FC90FDBu); // 90 degrees
        EXPECT_EQ(bitsOf(records[record].phaseOrLfoDepth[7]), 0x4096CBE4u); // 270 degrees
        EXPECT_EQ(records[record].modKind[3][0], ModKind::AmplMod);
        EXPECT_EQ(records[record].modTarget[3][0], 2);
        EXPECT_EQ(records[record].modKind[7][0], ModKind::AmplMod);
        EXPECT_EQ(records[record].modTarget[7][0], 6);
    }
    EXPECT_EQ(bitsOf(records[3].oscFrequency[3]), bitsOf(3.0000002f));
    EXPECT_EQ(bitsOf(records[5].phaseOrLfoDepth[4]), 0x40490FDBu) << "3.1415927";
}
