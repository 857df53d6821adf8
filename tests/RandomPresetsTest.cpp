#include <gtest/gtest.h>

#include <utility>

#include "FactoryRecordChecks.h"

const FactoryCategory kRandom = {
    "Random", 17, 258, buildRandomPresets, StoredWords::None,
    {
     {"Fluttery Filters", "Fluttery Filters", "12345678", 0x0302, 131072,
      {{"Q Slope", 5.0f, 100.0f, 20.0f, {{22}, {112, 0.24637683f}, {142, 0.10144928f}}},
       {"Mod Depth", 0.0f, 120.0f, 96.0f, {{26}, {29, 0.9375f}, {56, 0.46875f}, {59, 0.7083333f}, {86, 0.6770833f}, {89, 0.6875f}, {116, 0.9375f}, {119, 0.875f}, {146, 0.5f}, {149, 0.41666666f}, {176, 0.59375f}, {179, 0.6875f}, {236, 0.6145833f}, {239, 0.59375f}}},
       {"LFO Freq Hz", 0.5f, 22.6f, 11.299999f, {{46}, {76, 1.7345133f}}},
       {"Filter Freq Hz", 4.0f, 200.0f, 87.4f, {{21}, {111, 24.13223f}, {141, 29.314049f}}},
       {"Wet Mix", 0.0f, 250.0f, 120.0f, {{33}, {123}, {124}, {154, 2.0f}, {183}, {244, 2.0f}}},
       {"Dry Mix", 0.0f, 250.0f, 120.0f, {{213}, {214}}}}},
     {"Intruder Alert", "Intruder Alert", "1235678", 0x0302, 1,
      {{"Wet Mix", 0.0f, 120.0f, 54.0f, {{63}, {64}, {93}, {94}, {153}, {154}, {183}, {214}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"Overtones", "We Sample/Hold modulate a lowpass filter which is  filtering a sawtooth wave.", "128", 0x0302, 1,
      {{"Sine Freq Hz", 20.0f, 1000.0f, 799.0f, {{16}}},
       {"Saw Freq Hz", 40.0f, 1000.0f, 205.00002f, {{46}}},
       {"S/H  Time ms", 0.0f, 100.0f, 73.7f, {{21}}},
       {"Filt Freq Hz", 300.0f, 2000.0f, 961.0f, {{51}}},
       {"Filt Mod Depth", 0.0f, 100.0f, 62.0f, {{29}}},
       {"Wet Mix", 0.0f, 100.0f, 40.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
     {"Random Bleeps", "Random Stereo Bleeps", "12345678", 0x0302, 524288,
      {{"Freqs Hz", 10.0f, 1000.0f, 441.0f, {{16}, {46, 0.09342404f}, {136, 1.331746f}, {106, 11.959184f}}},
       {"Hz Filt Cutoffs", 80.0f, 7500.0f, 3721.0005f, {{21}, {51, 0.56275195f}, {231, 0.42300457f}}},
       {"Filt Q Slope", 0.0f, 150.0f, 84.5f, {{22}, {52, 0.6449704f}, {232, 0.33136094f}}},
       {"DelayMod Depth", 0.0f, 150.0f, 97.99999f, {{29}, {26, 0.37755102f}}},
       {"OtherMod Depths", 0.0f, 150.0f, 62.999996f, {{56}, {59, 0.96825397f}, {86, 1.3174603f}, {89, 1.2222222f}, {146, 0.6507937f}, {149, 1.0952381f}, {176, 0.7936508f}, {179, 0.74603176f}, {236, 0.8888889f}, {239, 1.031746f}, {116, 1.4285715f}, {119, 1.3492063f}}},
       {"Wet Mix", 0.0f, 53.0f, 33.0f, {{33}, {34}, {63}, {64}, {94}, {93}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{213}, {214}}}}},
     {"Random Pigeons", "Pigeon-like random preset", "1234578", 0x0302, 262144,
      {{"Freqs Hz", 2.0f, 100.0f, 5.9999995f, {{46}, {136, 105.5f}, {166, 65.5f}, {106, 58.2f}, {226, 1.1666666f}}},
       {"Cutoff Freq Hz", 200.0f, 3008.0f, 1504.0f, {{141}, {171, 0.38031915f}}},
       {"Amp Mod Depth", 0.0f, 96.0f, 48.0f, {{26}, {29, 1.7916666f}, {149, 1.375f}, {209, 1.0833334f}, {116, 1.7083334f}, {119}, {236, 1.6041666f}}},
       {"FreqMod Depth", 0.0f, 172.0f, 41.0f, {{239}, {206, 2.097561f}, {56, 1.2682927f}, {59, 1.0731708f}, {146, 1.8536586f}}},
       {"Delay Time ms", 0.0f, 246.0f, 123.0f, {{51}}},
       {"Wet Mix", 0.0f, 144.0f, 96.0f, {{33}, {34}, {153}, {154}, {183}, {184}, {213}, {214}, {243}, {244}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{93}, {94}}}}},
     {"Swirly Random", "Swirly Random Preset", "12345678", 0x0302, 1,
      {{"Freqs Hz", 80.0f, 2000.0f, 975.0f, {{16}, {46, 0.83487177f}, {166, 0.034871794f}, {196, 0.09025641f}, {106, 0.60205126f}, {226, 0.08410256f}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}}},
       {"Hz Filt Cutoffs", 50.0f, 3040.0f, 803.0f, {{141}, {201, 4.3212953f}, {81, 4.5678706f}, {111, 4.0610213f}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}}},
       {"Filter Q Slope", 0.0f, 150.0f, 81.0f, {{112}, {82, 0.049382716f}, {202, 0.7777778f}, {142, 1.1851852f}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}}},
       {"S/H Time ms", 0.0f, 150.0f, 52.9f, {{21}, {51, 1.8147447f}, {231, 1.8071833f}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}}},
       {"Mod Depth", 0.0f, 100.0f, 52.0f, {{26}, {29, 1.3846154f}, {56, 0.9807692f}, {59, 1.3461539f}, {86, 0.90384614f}, {89, 1.1346154f}, {146}, {149, 0.8076923f}, {176, 0.6923077f}, {179, 1.5769231f}, {206, 1.4230769f}, {209, 1.0384616f}, {236, 1.0384616f}, {239, 1.0192307f}, {116, 1.2307693f}, {119, 1.4423077f}}},
       {"Output Volume", 0.0f, 50.0f, 25.0f, {{34}, {63}, {93}, {94}, {154}, {183}, {184}, {213}, {214}, {123}, {124}, {243}, {0}, {0}, {0}, {0}}}}},
     {"Swirly Random 2", "Swirly Random 2", "3478", 0x0302, 524288,
      {{"Freqs Hz", 40.0f, 2000.0f, 999.00006f, {{76}, {196, 0.45945945f}, {226, 0.020620622f}}},
       {"Amp Mod Depth", 0.0f, 200.0f, 90.0f, {{86}, {89, 0.98888886f}, {206, 0.7888889f}}},
       {"Freq Mod Depth", 0.0f, 100.0f, 63.0f, {{239}}},
       {"Delay Time ms", 0.0f, 400.0f, 204.0f, {{201}}},
       {"Phase Shape", -200.0f, 0.0f, -80.99999f, {{81}}},
       {"Wet Mix", 0.0f, 27.0f, 10.699999f, {{93}, {94}, {213}, {214}, {243}, {244}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{123}, {124}}}}},
     {"Swirly Random 3", "Swirly Random 3", "12345678", 0x0302, 49152,
      {{"Raise to Power", -1.0f, 1.0f, -0.2f, {{141}, {51, -18.0f}, {171, -1.5f}, {201, -20.999998f}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}}},
       {"Highpass FreqHz", 10.0f, 2500.0f, 1265.0f, {{231}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}}},
       {"FreqMod Depth", 0.0f, 150.0f, 70.0f, {{146}, {29, 1.1714286f}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}, {0}}},
       {"AmpMod Depth", 0.0f, 100.0f, 61.0f, {{26}, {56, 1.6065574f}, {59, 0.59016395f}, {86, 1.3606558f}, {89, 0.7704918f}, {149, 1.2295082f}, {176, 1.5081967f}, {179, 0.6721311f}, {209, 1.1967213f}, {206, 1.0819672f}, {116, 1.295082f}, {119, 0.6393443f}, {236, 0.75409836f}, {239, 0.8032787f}, {0}, {0}}},
       {"Output Volume", 0.0f, 40.0f, 25.0f, {{63}, {64}, {183}, {184}, {213}, {214}, {243}, {244}, {153}, {154}, {0}, {0}, {0}, {0}, {0}, {0}}}}},
    },
    {},
    // "Swirly Random" and "Swirly Random 3" store frequencies, a cutoff and exponents their sliders replace.
    {
        "Swirly Random module 4 mainValue",
        "Swirly Random module 6 oscFrequency",
        "Swirly Random module 7 oscFrequency",
        "Swirly Random module 8 oscFrequency",
        "Swirly Random 3 module 2 exponent",
        "Swirly Random 3 module 5 exponent",
        "Swirly Random 3 module 6 exponent",
        "Swirly Random 3 module 7 exponent",
    },
};

TEST(RandomPresets, ValuesEasyToGetWrong)
{
    const auto records = categoryRecords(kRandom);

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
