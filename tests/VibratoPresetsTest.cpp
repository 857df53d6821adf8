#include <gtest/gtest.h>

#include <tuple>

#include "CategoryRecordChecks.h"

namespace {

constexpr int kVibratoFirst = 345;
constexpr int kVibratoCount = 8;

std::vector<OrvPreset> vibratoRecords() { return categoryRecords(buildVibratoPresets, kVibratoCount); }

constexpr const char* kRandomVibratoText = "Lowpass-filtered noise modulates the delay time, generating a random "
                                           "vibrato. Lowpass Freq controls vibrato rate; Q controls coherence.";

} // namespace

TEST(VibratoPresets, BuilderWritesItsEightRecordsAtTheirBankIndexes)
{
    expectBuilderIsRelocatable(buildVibratoPresets, kVibratoCount);
    expectInFactoryBank("Vibrato", 23, kVibratoFirst, buildVibratoPresets, kVibratoCount);
}

TEST(VibratoPresets, TheFactoryBuildersEndTheBankAtItsLastSlot)
{
    auto bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    int next = 247;
    for (PresetBuilder builder : {buildPitchTrackPresets, buildRandomPresets, buildTestTonesPresets,
                                  buildThirdPartyPresets, buildTremoloPresets, buildUserPresets,
                                  buildUtilitiesPresets, buildVibratoPresets})
        next = builder(bank.get(), next);
    EXPECT_EQ(next, 353);
    EXPECT_TRUE(bytesAreZero(bank[353], 0, kPresetSize));
}

TEST(VibratoPresets, NamesDescriptionsAndRecordWords)
{
    const std::vector<OrvPreset> records = vibratoRecords();
    expectPrograms(records, "Vibrato",
                   {
                       {"EnvFol -> Vibrato",
                        "We let the amplitude envelope of the original sound modulate both the amplitude and "
                        "frequency of the vibrato LFO, for an effect that breathes.",
                        0x0302, 524288},
                       {"EnvFol -> Vibrato & Tremolo",
                        "The signal's amplitude envelope controls the rate of an LFO which in turn controls both the "
                        "tremolo and vibrato, which slow as the signal fades.",
                        0x0302, 524288},
                       {"Filter Vibrato",
                        "Vibrato-like effect that varies the filter frequency  instead of the signal's pitch.", 0x0302,
                        1},
                       {"Random Vibrato", kRandomVibratoText, 0x0302, 131072},
                       {"Random Vibrato 2", kRandomVibratoText, 0x0302, 131072},
                       {"SharpFlat Vibrato", "Cross-fades between upward and downward pitch shifts.", 0x0302, 262144},
                       {"Vibrato 1", "Simple vibrato. Adjust rate and depth for desired effect.", 0x0302, 524288},
                       {"Vibrato 2", "Subtle vibrato. Adjust rate and depth for desired effect.", 0x0302, 524288},
                   });
    for (const OrvPreset& record : records)
        expectOpenFieldsEmpty(record);
}

TEST(VibratoPresets, Sliders)
{
    const std::vector<std::pair<uint16_t, float>> bothLines = {{51, 1}, {171, 1}};
    const std::vector<std::pair<uint16_t, float>> crossfaders = {{106, 1}, {226, 1}};
    const std::vector<std::pair<uint16_t, float>> collectors = {{93, 1}, {94, 1}, {213, 1}, {214, 1}};
    expectSliders(vibratoRecords(),
                  {
                      {0, 0, "LFO Freq hz", 0.5f, 20, 6.0000005f, {{46, 1}}},
                      {0, 1, "LFO AM Depth", 0, 100, 25, {{26, 1}}},
                      {0, 2, "LFO FM Depth", 0, 200, 100, {{29, 1}}},
                      {0, 3, "Vibrato Depth", 0, 90, 45, {{56, 1}}},
                      {0, 4, "Delay Time ms", 0, 8, 4, {{81, 1}}},
                      {0, 5, "Wet Mix", 0, 400, 140, {{93, 1}, {94, 1}}},
                      {0, 6, "Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
                      {1, 0, "EnvFol Time ms", 15, 50, 24.999996f, {{111, 1}}},
                      {1, 1, "LFO Freq Hz", 0, 6, 2.4999998f, {{46, 1}}},
                      {1, 2, "LFO Freq Mod Depth", 0, 400, 200, {{206, 1}}},
                      {1, 3, "Tremolo Depth", 0, 50, 24.999998f, {{56, 1}}},
                      {1, 4, "Vibrato Depth", 0, 100, 62.5f, {{59, 1}}},
                      {1, 5, "Wet Mix", 0, 500, 220, {{93, 1}, {94, 1}}},
                      {1, 6, "Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}},
                      {2, 0, "Vibrato Rate Hz", 0.5f, 12, 6, {{16, 1}}},
                      {2, 1, "Vibrato Depth", 0, 100, 40, {{26, 1}}},
                      {2, 2, "Bandpass Frq Hz", 40, 2000, 800, {{51, 1}}},
                      {2, 3, "Bandpass Q", 1, 4, 2, {{52, 1}}},
                      {2, 4, "Wet Mix", 0, 150, 65, {{63, 1}, {64, 1}}},
                      {2, 5, "Dry Mix", 0, 150, 65, {{93, 1}, {94, 1}}},
                      {3, 0, "Lowpass Freq Hz", 0, 10, 2.9999998f, {{21, 1}}},
                      {3, 1, "Lowpass Q", 0, 50, 5, {{22, 1}}},
                      {3, 2, "Vibrato Depth", 0, 100, 20, {{26, 1}, {29, -1}}},
                      {3, 3, "Delay Time ms", 0, 400, 200, bothLines},
                      {3, 4, "Crossfade Rate Hz", 0, 8, 3.0000002f, crossfaders},
                      {3, 5, "Wet Mix", 0, 300, 210, collectors},
                      {3, 6, "Delayed Dry Mix", 0, 200, 0, {{153, 1}, {154, 1}}},
                      {4, 0, "Lowpass Freq Hz", 0, 10, 5, {{21, 1}}},
                      {4, 1, "Lowpass Q", 1, 50, 10, {{22, 1}}},
                      {4, 2, "Vibrato Depth", 0, 100, 10, {{26, 1}, {29, 1}}},
                      {4, 3, "Delay Time ms", 0, 400, 200, bothLines},
                      {4, 4, "Crossfade Rate Hz", 0, 8, 3.0000002f, crossfaders},
                      {4, 5, "Wet Mix", 0, 450, 210, collectors},
                      {4, 6, "Dry Mix", 0, 200, 0, {{153, 1}, {154, 1}}},
                      {5, 0, "LFO Freq Hz", 0, 20, 6, {{16, 1}, {136, 1}, {106, 1}, {226, 1}}},
                      {5, 1, "Pitch Mod Depth %", 0, 100, 35, {{26, 1}, {146, -1}}},
                      {5, 2, "Delay Time ms.", 1, 10, 4.0000005f, bothLines},
                      {5, 3, "Output Volume", 0, 200, 140, collectors},
                      {6, 0, "Vibrato Rate hz", 0.5f, 12, 6, {{16, 1}}},
                      {6, 1, "Vibrato Depth", 0, 100, 30.000002f, {{26, 1}}},
                      {6, 2, "Time Delay ms", 0, 2, 1, {{51, 1}}},
                      {6, 3, "Wet Mix", 0, 300, 140, {{63, 1}, {64, 1}}},
                      {6, 4, "Dry Mix", 0, 300, 0, {{243, 1}, {244, 1}}},
                      {7, 0, "Vibrato Rate hz", 0.5f, 10, 5.5f, {{16, 1}}},
                      {7, 1, "Vibrato Depth", 0, 100, 15.000001f, {{26, 1}}},
                      {7, 2, "Time Delay ms", 0, 2, 1, {{51, 1}}},
                      {7, 3, "Output Volume", 0, 200, 70, {{63, 1}, {64, 1}}},
                  });
}

TEST(VibratoPresets, SlidersAgreeWithTheFieldsTheyDrive)
{
    expectSlidersAgreeWithFields(kVibratoFirst, kVibratoCount);
}

TEST(VibratoPresets, DelayLinesAndWhatSweepsThem)
{
    const std::vector<OrvPreset> records = vibratoRecords();
    const struct {
        int record, module;
        float samples;
        int sweeper, slot;
        float depth;
    } sweeps[] = {
        {0, 2, 176.40001f, 1, 0, 0.45f},       {1, 2, 35.280003f, 1, 1, 0.625f},
        {3, 1, 8820, 0, 0, 0.19999999f},       {3, 5, 8820, 0, 1, -0.19999999f},
        {4, 1, 8820, 0, 0, 0.099999994f},      {4, 5, 8820, 0, 1, 0.099999994f},
        {5, 1, 176.40002f, 0, 0, 0.35f},       {5, 5, 176.40002f, 4, 0, -0.35f},
        {6, 1, 44.100002f, 0, 0, 0.3f},        {7, 1, 44.100002f, 0, 0, 0.15f},
    };
    for (const auto& sweep : sweeps) {
        SCOPED_TRACE("record " + std::to_string(sweep.record) + " module " + std::to_string(sweep.module));
        const OrvPreset& p = records[size_t(sweep.record)];
        EXPECT_EQ(p.oscKind[sweep.module], OscKind::StereoIn);
        EXPECT_EQ(p.processKind[sweep.module], ProcessKind::Delay);
        EXPECT_EQ(bitsOf(p.processTime[sweep.module]), bitsOf(sweep.samples));
        EXPECT_EQ(p.delayTimeMode[sweep.module], 0);
        EXPECT_EQ(p.modKind[sweep.sweeper][sweep.slot], ModKind::DelayMod);
        EXPECT_EQ(p.modTarget[sweep.sweeper][sweep.slot], sweep.module);
        EXPECT_EQ(bitsOf(p.modDepth[sweep.sweeper][sweep.slot]), bitsOf(sweep.depth));
    }
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
    const std::vector<OrvPreset> records = vibratoRecords();
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

TEST(VibratoPresets, CrossfadesAndDryPaths)
{
    const std::vector<OrvPreset> records = vibratoRecords();
    // Two sines half a cycle apart fade the collecting modules 2 and 6 in turn.
    for (int record : {3, 4, 5}) {
        SCOPED_TRACE("record " + std::to_string(record));
        const OrvPreset& p = records[size_t(record)];
        for (const auto& [line, collector, fader, phase] :
             {std::tuple {1, 2, 3, 0x3FC90FDBu}, std::tuple {5, 6, 7, 0x4096CBE4u}}) {
            EXPECT_EQ(p.modKind[line][0], ModKind::Mix);
            EXPECT_EQ(p.modTarget[line][0], collector);
            EXPECT_EQ(p.outputOn[line][0] | p.outputOn[line][1], 0);
            EXPECT_EQ(p.oscKind[collector], OscKind::NoOsc);
            EXPECT_EQ(p.outputOn[collector][0] & p.outputOn[collector][1], 1);
            EXPECT_EQ(p.oscKind[fader], OscKind::Sine);
            EXPECT_EQ(bitsOf(p.phaseOrLfoDepth[fader]), phase);
            EXPECT_EQ(p.modKind[fader][0], ModKind::AmplMod);
            EXPECT_EQ(p.modTarget[fader][0], collector);
        }
    }
    EXPECT_EQ(bitsOf(records[3].oscFrequency[3]), bitsOf(3.0000002f));
    EXPECT_EQ(records[5].oscKind[0], OscKind::Saw);
    EXPECT_EQ(bitsOf(records[5].phaseOrLfoDepth[0]), 0u);
    EXPECT_EQ(records[5].oscKind[4], OscKind::Saw);
    EXPECT_EQ(bitsOf(records[5].phaseOrLfoDepth[4]), 0x40490FDBu) << "3.1415927";

    // Module 7 of records 0, 1 and 6 is the dry path, stored with process kind 0.
    for (int record : {0, 1, 6}) {
        const OrvPreset& p = records[size_t(record)];
        EXPECT_EQ(p.oscKind[7], OscKind::StereoIn) << record;
        EXPECT_EQ(p.processKind[7], 0) << record;
        EXPECT_EQ(p.outputOn[7][0] & p.outputOn[7][1], 1) << record;
        EXPECT_EQ(bitsOf(p.outputGain[7][0]) | bitsOf(p.outputGain[7][1]), 0u) << record;
    }
    // Records 3 and 4 keep a delayed dry path at gain 0 on module 4.
    for (int record : {3, 4}) {
        const OrvPreset& p = records[size_t(record)];
        EXPECT_EQ(p.processKind[4], ProcessKind::Delay) << record;
        EXPECT_EQ(p.outputOn[4][0] & p.outputOn[4][1], 1) << record;
        EXPECT_EQ(bitsOf(p.outputGain[4][0]) | bitsOf(p.outputGain[4][1]), 0u) << record;
    }
}
