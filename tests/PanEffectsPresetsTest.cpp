#include <gtest/gtest.h>

#include <cstring>

#include "FactoryRecordChecks.h"
#include "plugin/OrvCore.h"

namespace {

constexpr int kPanFirst = 189;
constexpr int kPanCount = 25;

const ExpectedProgram kPanPrograms[kPanCount] = {
    {"AutoPan",
     "This patch automatically pans a stereo selection between left and right.",
     1, {0, 1, 7},
     {{"LFO Rate BPM", 20, 300, 30, {{16, 1}}},
      {"PanMod Depth", 0, 120, 60, {{26, 1}}},
      {"Wet Mix", 0, 400, 180, {{63, 1}, {64, 1}}},
      {"Dry Mix", 0, 400, 0, {{243, 1}, {244, 1}}}}},
    {"BPM Pan",
     "Slider A controls the Pan Rate (bpm). Slider B controls whether the panning LFO is an abrupt square wave (0), a sine (1), or left/center/right (5).",
     1, {0, 1, 7},
     {{"Pan Rate bpm", 30, 250, 100, {{16, 1}}},
      {"Pan Shape", 0, 5, 0.5f, {{21, 1}}},
      {"Pan Mod Depth", 0, 100, 100, {{26, 1}}},
      {"Wet Mix", 0, 400, 140, {{63, 1}, {64, 1}}},
      {"Dry Mix", 0, 400, 0, {{243, 1}, {244, 1}}}}},
    {"Comb Pseudo-Stereo",
     "Pseudo-stereo using two comb filters.",
     131072, {0, 1, 4, 5},
     {{"Delay Time ms", 0, 30, 15, {{51, 1}, {171, 1}}},
      {"Output Volume", 0, 150, 75, {{33, 1}, {63, 1}, {154, 1}, {184, -1}}}}},
    {"Comb Pseudo-Stereo 2",
     "Pseudo-stereo using complementary comb filters, and bypassing the comb filter for the low frequencies",
     262144, {0, 1, 2},
     {{"Comb Delay ms", 3, 12, 7.5f, {{51, 1}}},
      {"Filter cutoff Hz", 10, 200, 100, {{21, 1}, {81, 1}}},
      {"Output Volume", 0, 400, 200, {{33, 1}, {34, 1}, {63, 1}, {64, 1}, {93, 1}, {94, 1}}}}},
    {"Comb Pseudo-Stereo 3",
     "Pseudo-stereo using complementary comb filters, and bypassing the comb filter for the low frequencies. Sums to mono.",
     262144, {0, 1, 2, 5},
     {{"Comb Delay ms", 3, 12, 6, {{51, 1}}},
      {"Lowpass Freq Hz", 500, 4000, 2000, {{21, 1}}},
      {"LFO Freq Hz", 0, 1, 0.1f, {{166, 1}}},
      {"LFO Depth %", 0, 50, 20, {{176, 1}}},
      {"Output Volume", 0, 200, 100, {{63, 1}, {64, -1}, {93, 1}, {94, 1}}}}},
    {"Comb Pseudo-Stereo 4",
     "Pseudo-stereo using complementary comb filters. Sums to mono.",
     131072, {0, 1},
     {{"Delay ms", 1, 10, 5, {{21, 1}, {51, 1}}},
      {"Feedback %", 0, 100, 80.00001f, {{26, 1}, {56, -1}}},
      {"Output Volume", 0, 200, 100, {{33, 1}, {64, 1}}}}},
    {"CrossPan",
     "This patch automatically cross-pans the channels of a stereo selection in opposite directions.",
     1, {0, 1, 2, 7},
     {{"Pan Rate hz", 0.3f, 4, 0.5f, {{16, 1}}},
      {"Pan Depth", 0, 100, 100, {{26, 1}, {29, -1}}},
      {"Wet Mix", 0, 375, 187.5f, {{63, 1}, {64, 1}, {93, 1}, {94, 1}}},
      {"Dry Mix", 0, 375, 0, {{243, 1}, {244, 1}}}}},
    {"EnvFol->Pan",
     "Pan sounds left/right according to their amplitude Envelope. PanMod Depth varies effect amount. Adjust L/R Offset as desired.",
     524288, {0, 1, 2},
     {{"PanMod Depth", 0, 200, 150, {{56, 1}}},
      {"L/R Pan Offset", 0, 400, 175, {{26, 1}}},
      {"Time Const%", 1, 50, 25, {{51, 1}, {81, 1}}},
      {"EnvFol Thresh", 0, 100, 0, {{52, 1}}},
      {"Wet Mix", 0, 400, 150, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 400, 0, {{33, 1}, {34, 1}}}}},
    {"EnvFol->Pan Rate",
     "The rate at which the input is panned between left and right is modulated by the envelope of the signal; it pans faster as the signal gets louder.",
     1, {0, 1, 2, 4, 7},
     {{"Pan Rate Hz", 0.5f, 8, 1.6000001f, {{46, 1}}},
      {"Pan Depth", 0, 200, 100, {{56, 1}}},
      {"EnvFol Time ms", 0, 30, 14.999999f, {{21, 1}}},
      {"Pan Rate Mod Depth", 0, 500, 350, {{146, 1}}},
      {"Wet Mix", 0, 300, 150, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 300, 0, {{243, 1}, {244, 1}}}}},
    {"EnvFol->Rotary",
     "The signal's envelope controls an LFO which sweeps the filter frequency and delay time, resulting in phase shifts, filter and panning fx.",
     131072, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"EnvFol Time ms", 0, 400, 180, {{21, 1}, {141, 0.6666667f}, {111, 0.6666667f}, {231, 0.6666667f}}},
      {"LFO Freq Hz", 0.5f, 24, 12.000001f, {{46, 1}, {166, -1}}},
      {"FiltMod Depth", 0, 100, 40, {{56, 1}, {176, 1}}},
      {"DelayMod Depth", 0, 1, 0.1f, {{59, 1}, {179, 1}}},
      {"Lowpass Freq Hz", 30, 5000, 2500, {{81, 1}}},
      {"Wet Mix", 0, 320, 160, {{123, 1}, {244, 1}}},
      {"Delayed Dry Mix", 0, 100, 50, {{153, 1}, {154, 1}}}}},
    {"In & Out of Phase",
     "This periodically  inverts the phase of one or both channels. To keep one channel fixed, set its Rate slider to 0. Set Phases to either 100 or -100.",
     1, {0, 1, 2, 3},
     {{"L Inversion Rate BPM", 0, 360, 0, {{76, 1}}},
      {"R Inversion Rate BPM", 0, 360, 30, {{106, 1}}},
      {"Raise to power", 0, 1, 0.5f, {{81, 1}, {111, 1}}},
      {"L Phase (+/-100)", -100, 100, -100, {{86, 1}}},
      {"R Phase (+/-100)", -100, 100, 100, {{116, 1}}},
      {"Output Volume", 0, 120, 70, {{33, 1}, {64, 1}}}}},
    {"Modulated AutoPan",
     "The sine wave which pans a stereo selection between left and right is itself slowly frequency modulated.",
     1, {0, 1, 2, 7},
     {{"Pan Rate Hz", 0.5f, 8, 3.9999998f, {{46, 1}}},
      {"Pan Depth", 0, 200, 100, {{56, 1}}},
      {"Pan Mod Rate Hz", 0.1f, 1, 0.39999998f, {{16, 1}}},
      {"Pan Mod Depth", 0, 200, 70, {{26, 1}}},
      {"Wet Mix", 0, 400, 140, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 400, 0, {{243, 1}, {244, 1}}}}},
    {"Mono Unlike Stereo",
     "Use this to encode audio so it will sound like the right input when mixed to stereo, but like the left input (at a low level) when mixed to mono.",
     1, {0, 1, 4, 5},
     {{"Left Input Level", 0, 20, 4.9999995f, {{26, 1}, {29, 1}}},
      {"Right Input Level", 0, 400, 200, {{56, 1}, {59, -1}}},
      {"Output Volume", 0, 200, 100, {{153, 1}, {184, 1}}}}},
    {"M-S Decoder",
     "M/S Decoder (Also works as M/S Encoder). Converts mid-side coincident stereo microphone pair to left/right signals. Width normally = 100.",
     1, {0, 1, 5},
     {{"Stereo Width", 0, 300, 100, {{176, 1}}},
      {"Output Volume", 0, 200, 75, {{33, 1}, {34, 1}, {63, 1}, {64, -1}}}}},
    {"PingPong Echoes",
     "Stereo echoes ping-pong back and forth.",
     131072, {0, 1, 2},
     {{"Delay ms", 0, 500, 371.4f, {{51, 1}, {81, 1}}},
      {"Feedback", 0, 180, 45, {{56, 1}, {86, 1}}},
      {"Wet Mix", 0, 200, 100, {{64, 1}, {93, 1}}},
      {"Dry Mix", 0, 200, 100, {{33, 1}, {34, 1}}}}},
    {"PingPong Echoes 2",
     "Left channel ping-pongs from left, to center, to right, back to left, and so on. Likewise for the right. Setting Feedback to 0 stops it after one cycle.",
     65536, {0, 1, 2, 3, 4, 5, 6, 7},
     {{"Delay ms", 0, 600, 600, {{51, 1}, {81, 1}, {111, 1}, {171, 1}, {201, 1}, {231, 1}}},
      {"Feed- forward", 0, 75, 50, {{26, 1}, {56, 1}, {86, 1}, {146, 1}, {176, 1}, {206, 1}}},
      {"Feedback", 0, 300, 150, {{116, 1}, {236, 1}}},
      {"Wet Mix", 0, 600, 280, {{94, 1}, {63, 0.707f}, {64, 0.707f}, {123, 1}, {183, 0.707f}, {184, 0.707f}, {213, 1}, {244, 1}}},
      {"Dry Mix", 0, 600, 280, {{33, 1}, {154, 1}}}}},
    {"PitchTrack->Pan",
     "Pan monophonic sounds left/right according to their pitch. PanMod varies effect amount. Adjust L/R skew - negative skews to left.",
     262144, {0, 1, 2, 7},
     {{"PitchTrk Lo hz", 50, 300, 150.00002f, {{21, 1}}},
      {"PitchTrk  Hi hz", 150, 500, 300, {{22, 1}}},
      {"PtchTrk Int ms", 20, 50, 30, {{19, 1}}},
      {"Pan Mod Depth", 0, 12000, 9900, {{26, 1}}},
      {"L/R Skew", -100, 0, -90, {{51, 1}}},
      {"Wet Mix", 0, 400, 200, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 400, 0, {{243, 1}, {244, 1}}}}},
    {"PsychoAcoustic Pan",
     "This does psycho-acoustic panning by varying the phase and delay between the two channels. Best with held chords and headphones.",
     131072, {0, 1, 4, 5},
     {{"Pan Rate 1 hz", 0.2f, 4, 1, {{16, 1}}},
      {"Pan Rate 2 hz", 0.1f, 2.1999998f, 1.3f, {{136, 1}}},
      {"DelayMod Depth", 0, 20, 0.19999999f, {{26, 1}, {146, 1}}},
      {"Delay Time 1", 0, 400, 200, {{51, 1}}},
      {"Delay Time 2", 0, 400, 200, {{171, 1}}},
      {"Output Volume", 0, 200, 65, {{63, 1}, {184, 1}}}}},
    {"Random Pan",
     "This samples white noise, lowpasses it, and uses the resulting signal to randomly pan the source signal left and right.",
     1, {0, 1, 2, 7},
     {{"S/H Time ms", 0, 100, 50, {{21, 1}}},
      {"Lowpass Freq Hz", 0.1f, 4, 1.9999998f, {{51, 1}}},
      {"Lowpass Q", 0, 2, 1, {{52, 1}}},
      {"PanMod Depth", 0, 500, 250, {{56, 1}}},
      {"Wet Mix", 0, 400, 170, {{93, 1}, {94, 1}}},
      {"Dry Mix", 0, 400, 0, {{243, 1}, {244, 1}}}}},
    {"Stereo Sim",
     "Stereo simulation: Sums both source channels, sends LF to both sides, applies mono compatible stereo effect on HF.",
     262144, {0, 1, 2, 3, 4, 5, 6},
     {{"Combs (ms)", 2, 12, 6, {{111, 1}}},
      {"Width", 0, 100, 90, {{86, 1}}},
      {"Input Trim", 14, 125, 75, {{26, 1}}},
      {"hz Cutoff", 20, 125, 80, {{51, 1}}},
      {"Output Volume", 0, 300, 150, {{63, 1}, {64, 1}, {183, 1}, {214, 1}}}}},
    {"Stereo Width",
     "Stereo Width control, using an M-S encoder and decoder, with a gain in the Side channel path. Set Width <100 to decrease, >100 to increase.",
     1, {0, 1, 4, 5, 6},
     {{"Stereo Width", 0, 1000, 300, {{176, 1}}},
      {"Output Volume", 0, 120, 60.000008f, {{63, 1}, {64, 1}, {213, 1}, {214, -1}}}}},
    {"VariBand CrossPan",
     "The signal is split into 2 frequency bands which are crosspanned. The crosspan LFO rate is slowly modulated by the LFO Mod Freq.",
     1, {0, 1, 2, 6, 7},
     {{"Cutoff Freq Hz", 4, 1000, 500.00803f, {{21, 1}, {51, 1}}},
      {"Filter Q", 1, 10, 1, {{22, 1}, {52, 1}}},
      {"LFO Rate Hz", 0.2f, 10, 6.0000005f, {{76, 1}}},
      {"LFO Mod Freq Hz", 0.1f, 2, 0.29999998f, {{196, 1}}},
      {"LFO Mod Depth", 0, 100, 50, {{206, 1}}},
      {"Wet Mix", 0, 360, 180, {{33, 1}, {34, 1}, {63, 1}, {64, 1}}},
      {"Dry Mix", 0, 360, 0, {{243, 1}, {244, 1}}}}},
    {"VariBand CrossPan 2",
     "Two frequency bands are crosspanned at a rate which is slowly modulated by the LFO Mod Freq. The Cutoff Freq is also modulated.",
     1, {0, 1, 2, 5, 6, 7},
     {{"Cutoff Freq Hz", 4, 1000, 500.00803f, {{21, 1}, {51, 1}}},
      {"Filter Q", 1, 10, 5.005f, {{22, 1}, {52, 1}}},
      {"LFO Rate Hz", 0.3f, 12, 6, {{76, 1}}},
      {"LFO Mod Freq Hz", 0.1f, 0.59999996f, 0.3f, {{166, 1}, {196, 1}}},
      {"LFO&Filt Depth", 0, 100, 50, {{206, 1}, {176, 0.6f}, {179, 0.6f}}},
      {"Wet Mix", 0, 180, 90, {{33, 1}, {34, 1}, {63, 1}, {64, 1}}},
      {"Dry Mix", 0, 180, 0, {{243, 1}, {244, 1}}}}},
    {"VariBand EnvFol CrossPan",
     "The signal is split into 2 frequency bands which are crosspanned. The crosspan LFO rate is modulated at a rate based on the signal's envelope.",
     1, {0, 1, 2, 3, 6, 7},
     {{"Cutoff Freq Hz", 4, 1000, 500.00803f, {{21, 1}, {51, 1}}},
      {"LFO Rate Hz", 0.2f, 10, 6.0000005f, {{76, 1}}},
      {"Pan Mod Depth %", 0, 100, 49.999996f, {{86, 1}, {89, -1}}},
      {"Env. Fol Depth %", 0, 400, 199.99998f, {{206, 1}}},
      {"LFO Freq Mod Depth", 0, 100, 50, {{236, 1}}},
      {"Wet Mix", 0, 600, 300, {{33, 1}, {34, 1}, {63, 1}, {64, 1}}},
      {"Dry Mix", 0, 300, 0, {{123, 1}, {124, 1}}}}},
    {"VariBand EnvFol CrossPan 2",
     "Two frequency bands are crosspanned at a rate which is slowly modulated by the LFO Mod Freq. The Cutoff Freq is also modulated.",
     1, {0, 1, 2, 4, 5, 6, 7},
     {{"Cutoff Freq Hz", 4, 1000, 500.00803f, {{21, 1}, {51, 1}}},
      {"Filter Q", 1, 10, 5.005f, {{22, 1}, {52, 1}}},
      {"LFO Rate Hz", 0.3f, 12, 6, {{76, 1}}},
      {"LFO&Filt Depth", 0, 100, 49.999996f, {{206, 1}, {176, 0.6f}, {179, 0.6f}}},
      {"Wet Mix", 0, 300, 97, {{33, 1}, {34, 1}, {63, 1}, {64, 1}}},
      {"Dry Mix", 0, 200, 0, {{243, 1}, {244, 1}}}}}
};

const OrvPreset* builtPanEffects()
{
    static const auto bank = [] {
        auto records = std::make_unique<OrvPreset[]>(kPanCount);
        buildPanEffectsPresets(records.get(), 0);
        return records;
    }();
    return bank.get();
}

} // namespace

TEST(PanEffectsPresets, BuilderWritesOnlyItsRecordsWhereverItStarts)
{
    expectBuilderIsRelocatable(buildPanEffectsPresets, kPanCount);
}

TEST(PanEffectsPresets, EveryRecordKeepsTheFactoryInvariants)
{
    for (int k = 0; k < kPanCount; ++k)
        expectFactoryRecordInvariants(builtPanEffects()[k], k, "Pan Effects");
}

TEST(PanEffectsPresets, EveryRecordHoldsItsTextsAndSliders)
{
    for (int k = 0; k < kPanCount; ++k)
        expectProgram(builtPanEffects()[k], kPanPrograms[k]);
}

TEST(PanEffectsPresets, SlidersAgreeWithTheFieldsTheyDrive)
{
    expectSlidersAgreeWithFields(buildPanEffectsPresets, kPanCount);
}

TEST(PanEffectsPresets, ModuleRowsHoldTheirExactValues)
{
    using namespace OscKind;
    using namespace ProcessKind;
    using namespace ModKind;
    const ModuleRow rows[] = {
        // "Comb Pseudo-Stereo": the right comb's delayed copy is heard at a negative gain.
        {2, 5, NoOsc, 440, 1, 1, 9, 4, 0, ProcessKind::Delay, 15, 1, {NoMod, NoMod}, {0, 0}, {1, 1}, {0, 1},
         {1, -0.75f}, {1, 0, 1, 0, 1}},
        // "Comb Pseudo-Stereo 3": mode words 1 and 0, process kind 0, note C in octave 0.
        {4, 5, OscKind::Sine, 0.1f, 1, 0, 0, 0, 0, 0, 0, 0, {DelayMod, NoMod}, {1, 0}, {0.19999999f, 1}, {0, 0},
         {0, 0}, {0, 0, 0, 0, 0}},
        // "EnvFol->Rotary": a negative frequency and the only A3 of the category.
        {9, 5, OscKind::Sine, -12.000001f, 1, 1, 9, 4, 0, NoProcess, 40, 1, {FilterFrq, DelayMod}, {6, 7},
         {0.39999998f, 0.001f}, {0, 0}, {1, 1}, {1, 0, 1, 0, 0}},
        {9, 2, StereoIn, 219.99994f, 0, 1, 9, 3, 0, LowPass, 2500, 1, {Mix, NoMod}, {3, 3}, {1, 1}, {0, 0}, {1, 1},
         {1, 1, 0, 0, 0}},
        // "In & Out of Phase": a bpm-mode sine standing at 0, inverting module 0.
        {10, 2, OscKind::Sine, 0, 3, 3, 9, 4, 1.5707964f, RaiseToPwr, 0.5f, 1, {RingMod, NoMod}, {0, 1}, {-1, 1},
         {0, 0}, {1, 1}, {0, 1, 0, 1, 1}},
        {12, 0, LeftIn, 440, 1, 1, 9, 4, 0, NoProcess, 500, 1, {Mix, Mix}, {4, 5}, {0.049999993f, 0.049999993f},
         {0, 0}, {0.7f, 1}, {1, 0, 1, 1, 0}},
        {16, 0, StereoIn, 439.99988f, 0, 1, 9, 4, 0, PitchTrack, 150.00002f, 1, {Mix, NoMod}, {1, 1}, {99, 1}, {0, 0},
         {1, 1}, {1, 1, 0, 0, 0}},
        // "Stereo Sim": octaves -3, -1 and 0 and the note A#.
        {19, 0, StereoIn, 2, 1, 1, 9, -3, 0, NoProcess, 100, 2, {Mix, NoMod}, {1, 2}, {0.75f, 1}, {0, 0}, {1, 1},
         {1, 0, 1, 0, 0}},
        {19, 1, NoOsc, 8.1757965f, 0, 1, 0, -1, 0, LowPass, 80, 10, {Mix, NoMod}, {2, 1}, {-1, 1}, {1, 1},
         {1.5f, 1.5f}, {1, 1, 0, 1, 1}},
        {19, 2, StereoIn, 2.5528219f, 2, 2, 9, 0, 0, NoProcess, 100, 10, {Mix, Mix}, {3, 4}, {0.9f, 1}, {0, 0},
         {1, 1}, {1, 0, 1, 0, 0}},
        {19, 3, NoOsc, 600, 1, 1, 10, 1, 0, ProcessKind::Delay, 6, 1, {Mix, Mix}, {5, 6}, {1.5f, -1.5f}, {0, 0},
         {1, -1}, {1, 0, 1, 0, 0}},
        {23, 6, StereoIn, 0.29999998f, 1, 1, 9, 4, 3.1415927f, EnvFollow, 3030, 41.5f, {Mix, NoMod}, {7, 3},
         {1.9999998f, 1}, {0, 0}, {1, 1}, {1, 0, 1, 0, 0}},
        {24, 4, StereoIn, 439.99988f, 0, 1, 9, 4, 0, EnvFollow, 40, 1, {Mix, Mix}, {5, 6}, {2, 2}, {0, 0}, {1, 1},
         {0, 1, 0, 1, 0}},
        {24, 7, StereoIn, 0, 0, 0, 0, 0, 0, 0, 0, 0, {NoMod, NoMod}, {0, 0}, {1, 1}, {1, 1}, {0, 0}, {0, 0, 0, 0, 0}},
    };
    for (const ModuleRow& row : rows)
        expectModuleRow(builtPanEffects()[row.program], row);
}

TEST(PanEffectsPresets, ProcessFieldsHoldTheDerivedSampleValues)
{
    const OrvPreset* records = builtPanEffects();
    EXPECT_SAME_FLOAT(records[2].processTime[1], 661.5f);
    EXPECT_SAME_FLOAT(records[7].envCoefficient[1], 0.99937147f);
    EXPECT_SAME_FLOAT(records[7].processTime[1], 1102.5f);
    EXPECT_SAME_FLOAT(records[8].dcOffset[4], 1.0f);
    EXPECT_SAME_FLOAT(records[9].envCoefficient[0], 0.9999127f);
    EXPECT_SAME_FLOAT(records[9].processTime[0], 7938.0005f);
    EXPECT_SAME_FLOAT(records[14].processTime[1], 16378.74f);
    EXPECT_SAME_FLOAT(records[15].processTime[7], 26460.002f);
    // "PitchTrack->Pan": lags for 150 to 300 Hz and a 30 ms re-detection interval.
    EXPECT_EQ(records[16].minLag[0], 147);
    EXPECT_EQ(records[16].maxLag[0], 294);
    EXPECT_SAME_FLOAT(records[16].trackInterval[0], 1323.0f);
    EXPECT_SAME_FLOAT(records[16].processTime[0], 6615.001f);
    EXPECT_SAME_FLOAT(records[16].dcOffset[1], -0.9f);
    EXPECT_SAME_FLOAT(records[18].processTime[0], 2205.0f);
    EXPECT_SAME_FLOAT(records[19].processTime[3], 264.6f);
    // The two envelope followers keep a 15 ms time whatever their main values say.
    for (const auto& [program, module] : {std::pair {23, 6}, std::pair {24, 4}}) {
        EXPECT_SAME_FLOAT(records[program].envCoefficient[module], 0.9989527f);
        EXPECT_SAME_FLOAT(records[program].processTime[module], 661.5f);
        EXPECT_EQ(bitsOf(records[program].envThreshold[module]), 0u);
    }
}

TEST(PanEffectsPresets, StoredRunningStateTravelsWithTheRecords)
{
    const OrvPreset* records = builtPanEffects();
    EXPECT_EQ(records[10].pendingAmplMod[0][0], 1);
    EXPECT_EQ(records[10].pendingAmplMod[0][1], 34816);
    EXPECT_EQ(records[10].pendingAmplMod[1][0], 1);
    EXPECT_EQ(records[10].pendingAmplMod[1][1], 1);
    EXPECT_SAME_FLOAT(records[10].oscPhase[3][0], 0.032699812f);
    EXPECT_SAME_FLOAT(records[7].lastPitch[0][1], 215.38461f);
    // Channels may carry different phases.
    EXPECT_SAME_FLOAT(records[8].oscPhase[1][0], 3.1376283f);
    EXPECT_SAME_FLOAT(records[8].oscPhase[1][1], 5.641746f);
    EXPECT_SAME_FLOAT(records[23].oscPhase[2][1], 1.0412492f);
    EXPECT_SAME_FLOAT(records[16].oscPhase[0][0], 8.726646f);
    EXPECT_SAME_FLOAT(records[16].oscPhase[0][1], 8.726646f);
    EXPECT_SAME_FLOAT(records[16].lastPitch[0][0], 188.46153f);
    EXPECT_SAME_FLOAT(records[16].lastPitch[0][1], 297.97296f);
    for (int k = 0; k < kPanCount; ++k) {
        if (k != 10) {
            EXPECT_TRUE(fieldIsZero(records[k].pendingAmplMod, sizeof records[k].pendingAmplMod)) << k;
        }
        EXPECT_TRUE(fieldIsZero(records[k].pendingTrackedFilterFrq, sizeof records[k].pendingTrackedFilterFrq));
        EXPECT_TRUE(fieldIsZero(records[k].pendingTrackedFreqMod, sizeof records[k].pendingTrackedFreqMod));
    }
}

TEST(PanEffectsPresets, BankHoldsTheRecordsAtTheirIndexes)
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    fillFactoryBank(core);
    for (int k = 0; k < kPanCount; ++k)
        EXPECT_EQ(std::memcmp(&core.bank[kPanFirst + k], &builtPanEffects()[k], kPresetSize), 0) << kPanPrograms[k].name;
}

TEST(PanEffectsPresets, SelectionPreparesTheStoredValues)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);

    // Stored delay-line lengths that selection recomputes from the Delay modules.
    const struct {
        int program;
        uint32_t stored;
        uint32_t computed;
    } lengths[] = {{2, 131072, 262144}, {14, 131072, 262144}, {17, 131072, 262144}, {19, 262144, 524288}};
    for (const auto& length : lengths) {
        EXPECT_EQ(core.bank[kPanFirst + length.program].delayLineLength, length.stored);
        ASSERT_TRUE(selectProgram(core, kPanFirst + length.program));
        EXPECT_EQ(core.current->delayLineLength, length.computed) << kPanPrograms[length.program].name;
    }

    // A PitchTrack module keeps its stored phase, even above 2 pi.
    ASSERT_TRUE(selectProgram(core, kPanFirst + 16));
    EXPECT_SAME_FLOAT(core.current->oscPhase[0][0], 8.726646f);
    EXPECT_SAME_FLOAT(core.current->oscPhase[0][1], 8.726646f);
    EXPECT_EQ(core.sliders.curve[0], SliderCurve::Cube);

    // The pending word travels to the current record; the engine consumes it.
    ASSERT_TRUE(selectProgram(core, kPanFirst + 10));
    EXPECT_EQ(core.current->pendingAmplMod[0][1], 34816);
    EXPECT_EQ(core.sliders.curve[0], SliderCurve::Square);
}
