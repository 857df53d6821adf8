#include <gtest/gtest.h>

#include "FactoryCategoryChecks.h"

using namespace factory_checks;

namespace {

const CategoryTable kRandom = {
    "Random", 17, 258, buildRandomPresets,
    {
        {"Fluttery Filters", "Fluttery Filters", 131072, {0, 1, 2, 3, 4, 5, 6, 7},
         {{"Q Slope", 5, 100, 20, {22, 112, 142}},
          {"Mod Depth", 0, 120, 96, {26, 29, 56, 59, 86, 89, 116, 119, 146, 149, 176, 179, 236, 239}},
          {"LFO Freq Hz", 0.5f, 22.6f, 11.299999f, {46, 76}},
          {"Filter Freq Hz", 4, 200, 87.4f, {21, 111, 141}},
          {"Wet Mix", 0, 250, 120, {33, 123, 124, 154, 183, 244}},
          {"Dry Mix", 0, 250, 120, {213, 214}}}},
        {"Intruder Alert", "Intruder Alert", 1, {0, 1, 2, 4, 5, 6, 7},
         {{"Wet Mix", 0, 120, 54, {63, 64, 93, 94, 153, 154, 183, 214}},
          {"Dry Mix", 0, 300, 0, {243, 244}}}},
        {"Overtones", "We Sample/Hold modulate a lowpass filter which is  filtering a sawtooth wave.", 1, {0, 1, 7},
         {{"Sine Freq Hz", 20, 1000, 799, {16}},
          {"Saw Freq Hz", 40, 1000, 205.00002f, {46}},
          {"S/H  Time ms", 0, 100, 73.7f, {21}},
          {"Filt Freq Hz", 300, 2000, 961, {51}},
          {"Filt Mod Depth", 0, 100, 62, {29}},
          {"Wet Mix", 0, 100, 40, {63, 64}},
          {"Dry Mix", 0, 200, 0, {243, 244}}}},
        {"Random Bleeps", "Random Stereo Bleeps", 524288, {0, 1, 2, 3, 4, 5, 6, 7},
         {{"Freqs Hz", 10, 1000, 441, {16, 46, 136, 106}},
          {"Hz Filt Cutoffs", 80, 7500, 3721.0005f, {21, 51, 231}},
          {"Filt Q Slope", 0, 150, 84.5f, {22, 52, 232}},
          {"DelayMod Depth", 0, 150, 97.99999f, {29, 26}},
          {"OtherMod Depths", 0, 150, 62.999996f, {56, 59, 86, 89, 146, 149, 176, 179, 236, 239, 116, 119}},
          {"Wet Mix", 0, 53, 33, {33, 34, 63, 64, 94, 93}},
          {"Dry Mix", 0, 300, 0, {213, 214}}}},
        {"Random Pigeons", "Pigeon-like random preset", 262144, {0, 1, 2, 3, 4, 6, 7},
         {{"Freqs Hz", 2, 100, 5.9999995f, {46, 136, 166, 106, 226}},
          {"Cutoff Freq Hz", 200, 3008, 1504, {141, 171}},
          {"Amp Mod Depth", 0, 96, 48, {26, 29, 149, 209, 116, 119, 236}},
          {"FreqMod Depth", 0, 172, 41, {239, 206, 56, 59, 146}},
          {"Delay Time ms", 0, 246, 123, {51}},
          {"Wet Mix", 0, 144, 96, {33, 34, 153, 154, 183, 184, 213, 214, 243, 244}},
          {"Dry Mix", 0, 300, 0, {93, 94}}}},
        {"Swirly Random", "Swirly Random Preset", 1, {0, 1, 2, 3, 4, 5, 6, 7},
         {{"Freqs Hz", 80, 2000, 975, {16, 46, 166, 196, 106, 226}},
          {"Hz Filt Cutoffs", 50, 3040, 803, {141, 201, 81, 111}},
          {"Filter Q Slope", 0, 150, 81, {112, 82, 202, 142}},
          {"S/H Time ms", 0, 150, 52.9f, {21, 51, 231}},
          {"Mod Depth", 0, 100, 52, {26, 29, 56, 59, 86, 89, 146, 149, 176, 179, 206, 209, 236, 239, 116, 119}},
          {"Output Volume", 0, 50, 25, {34, 63, 93, 94, 154, 183, 184, 213, 214, 123, 124, 243}}}},
        {"Swirly Random 2", "Swirly Random 2", 524288, {2, 3, 6, 7},
         {{"Freqs Hz", 40, 2000, 999.00006f, {76, 196, 226}},
          {"Amp Mod Depth", 0, 200, 90, {86, 89, 206}},
          {"Freq Mod Depth", 0, 100, 63, {239}},
          {"Delay Time ms", 0, 400, 204, {201}},
          {"Phase Shape", -200, 0, -80.99999f, {81}},
          {"Wet Mix", 0, 27, 10.699999f, {93, 94, 213, 214, 243, 244}},
          {"Dry Mix", 0, 300, 0, {123, 124}}}},
        {"Swirly Random 3", "Swirly Random 3", 49152, {0, 1, 2, 3, 4, 5, 6, 7},
         {{"Raise to Power", -1, 1, -0.2f, {141, 51, 171, 201}},
          {"Highpass FreqHz", 10, 2500, 1265, {231}},
          {"FreqMod Depth", 0, 150, 70, {146, 29}},
          {"AmpMod Depth", 0, 100, 61, {26, 56, 59, 86, 89, 149, 176, 179, 209, 206, 116, 119, 236, 239}},
          {"Output Volume", 0, 40, 25, {63, 64, 183, 184, 213, 214, 243, 244, 153, 154}}}},
    }};

} // namespace

TEST(RandomPresets, RecordsHoldTheirTables)
{
    expectCategoryMatchesTables(kRandom);
    const auto bank = buildCategory(kRandom);
    for (int k = 0; k < 8; ++k)
        expectSlidersDriveModulesInUse(bank[258 + k], k == 4 ? 5 : -1);
}

TEST(RandomPresets, BuilderWritesOnlyItsRecords) { expectBuilderWritesOnlyItsRecords(kRandom); }

TEST(RandomPresets, LandAtTheirBankIndexes) { expectCategoryLandsInTheFactoryBank(kRandom); }

TEST(RandomPresets, SelectionSizesTheDelayLinesAnew)
{
    const std::vector<uint32_t> selected = {262144, 1, 1, 524288, 262144, 1, 524288, 524288};
    EXPECT_EQ(delayLineLengthsOnceSelected(kRandom), selected);
}

TEST(RandomPresets, SlidersAgreeWithTheirFieldsExceptWhereStoredApart)
{
    const std::vector<std::string> storedApart = {
        "record 5 module 3 cutoff",      "record 5 module 5 frequency",   "record 5 module 6 frequency",
        "record 5 module 7 frequency",   "record 7 module 1 exponent",    "record 7 module 4 exponent",
        "record 7 module 5 exponent",    "record 7 module 6 exponent",
    };
    EXPECT_EQ(valuesTheSlidersChange(kRandom), storedApart);
}

TEST(RandomPresets, RatioWordsPastTheFieldListsHoldOneOnlyInRecordsFiveAndSeven)
{
    const auto bank = buildCategory(kRandom);
    for (int k = 0; k < 8; ++k) {
        const OrvPreset& p = bank[258 + k];
        const float expected = (k == 5 || k == 7) ? 1.0f : 0.0f;
        for (int i = 0; i < kNumSliders; ++i) {
            if (p.sliderTarget[i][0] == 0)
                continue;
            for (int position = 0; position < kSliderTargets; ++position) {
                if (p.sliderTarget[i][position] == 0) {
                    EXPECT_EQ(bitsOf(p.sliderRatio[i][position]), bitsOf(expected)) << k << " " << i << " " << position;
                }
            }
        }
    }
    // Slider 4 of "Swirly Random" fills all sixteen places.
    EXPECT_EQ(bank[263].sliderTarget[4][15], 119);
    EXPECT_EQ(bitsOf(bank[263].sliderRatio[4][15]), bitsOf(1.4423077f));
}

TEST(RandomPresets, ValuesEasyToGetWrong)
{
    const auto bank = buildCategory(kRandom);
    const OrvPreset* records = &bank[258];

    // Dry modules with process kind 0; record 0's dry module has No Process.
    for (const auto& [record, module] : {std::pair {1, 7}, {2, 7}, {3, 6}, {4, 2}, {6, 3}}) {
        EXPECT_EQ(records[record].oscKind[module], OscKind::StereoIn) << record;
        EXPECT_EQ(records[record].processKind[module], 0) << record;
        EXPECT_EQ(records[record].outputOn[module][0] + records[record].outputOn[module][1], 2) << record;
    }
    EXPECT_EQ(records[0].processKind[6], ProcessKind::NoProcess);
    EXPECT_EQ(bitsOf(records[0].outputGain[6][1]), bitsOf(1.1999999f));

    // "Swirly Random" keeps frequencies of mode 2/2 that its slider later replaces.
    for (const auto& [module, frequency] : {std::pair {5, 10.910837f}, {6, 28.239815f}, {7, 26.314373f}}) {
        EXPECT_EQ(bitsOf(records[5].oscFrequency[module]), bitsOf(frequency));
        EXPECT_EQ(records[5].freqMode[module], FreqMode::Tempo);
        EXPECT_EQ(records[5].sliderFreqMode[module], FreqMode::Tempo);
    }
    EXPECT_EQ(bitsOf(records[5].mainValue[3]), bitsOf(3261.0f));

    // "Swirly Random 3": negative ratios and exponents stored apart from the slider.
    EXPECT_EQ(bitsOf(records[7].sliderRatio[0][1]), bitsOf(-18.0f));
    EXPECT_EQ(bitsOf(records[7].sliderRatio[0][3]), bitsOf(-20.999998f));
    EXPECT_EQ(bitsOf(records[7].exponent[4]), bitsOf(-0.24875621f));
    EXPECT_EQ(bitsOf(records[7].exponent[1]), bitsOf(3.6299999f));
    EXPECT_EQ(records[7].modKind[2][0], ModKind::PowerMod);

    // Negative octaves, a note and a negative offset.
    EXPECT_EQ(records[3].note[0], 10);
    EXPECT_EQ(records[3].octave[0], -2);
    EXPECT_EQ(records[4].octave[7], -3);
    EXPECT_EQ(bitsOf(records[4].dcOffset[7]), bitsOf(-0.63f));
    EXPECT_EQ(bitsOf(records[3].exponent[5]), bitsOf(-3.52f));
    EXPECT_EQ(bitsOf(records[6].phaseShape[2]), bitsOf(-0.8099999f));

    // "Random Pigeons": its tracker and the module its sliders drive while unused.
    EXPECT_EQ(records[4].maxLag[6], 386);
    EXPECT_EQ(records[4].minLag[6], 171);
    EXPECT_EQ(bitsOf(records[4].trackInterval[6]), bitsOf(1367.1001f));
    EXPECT_EQ(records[4].inUse[5], 0);
    EXPECT_EQ(records[4].sliderTarget[0][2], 166);
    EXPECT_EQ(bitsOf(records[4].sliderRatio[0][2]), bitsOf(65.5f));
    EXPECT_EQ(records[4].modTarget[1][0], 5);

    EXPECT_EQ(bitsOf(records[2].processTime[0]), bitsOf(3250.1702f));
    EXPECT_EQ(bitsOf(records[7].envCoefficient[2]), bitsOf(0.99990237f));
}
