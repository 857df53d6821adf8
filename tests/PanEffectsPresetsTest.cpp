#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kPanEffects = {
    "Pan Effects", 13, 189, buildPanEffectsPresets, StoredWords::RunningState | StoredWords::EditorWords | StoredWords::ShownTimes,
    {
     {"AutoPan", "This patch automatically pans a stereo selection between left and right.", "128", 0x0302, 1,
      {{"LFO Rate BPM", 20.0f, 300.0f, 30.0f, {{16}}},
       {"PanMod Depth", 0.0f, 120.0f, 60.0f, {{26}}},
       {"Wet Mix", 0.0f, 400.0f, 180.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{243}, {244}}}}},
     {"BPM Pan", "Slider A controls the Pan Rate (bpm). Slider B controls whether the panning LFO is an abrupt square wave (0), a sine (1), or left/center/right (5).", "128", 0x0302, 1,
      {{"Pan Rate bpm", 30.0f, 250.0f, 100.0f, {{16}}},
       {"Pan Shape", 0.0f, 5.0f, 0.5f, {{21}}},
       {"Pan Mod Depth", 0.0f, 100.0f, 100.0f, {{26}}},
       {"Wet Mix", 0.0f, 400.0f, 140.0f, {{63}, {64}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{243}, {244}}}}},
     {"Comb Pseudo-Stereo", "Pseudo-stereo using two comb filters.", "1256", 0x0302, 131072,
      {{"Delay Time ms", 0.0f, 30.0f, 15.0f, {{51}, {171}}},
       {"Output Volume", 0.0f, 150.0f, 75.0f, {{33}, {63}, {154}, {184, -1.0f}}}}},
     {"Comb Pseudo-Stereo 2", "Pseudo-stereo using complementary comb filters, and bypassing the comb filter for the low frequencies", "123", 0x0302, 262144,
      {{"Comb Delay ms", 3.0f, 12.0f, 7.5f, {{51}}},
       {"Filter cutoff Hz", 10.0f, 200.0f, 100.0f, {{21}, {81}}},
       {"Output Volume", 0.0f, 400.0f, 200.0f, {{33}, {34}, {63}, {64}, {93}, {94}}}}},
     {"Comb Pseudo-Stereo 3", "Pseudo-stereo using complementary comb filters, and bypassing the comb filter for the low frequencies. Sums to mono.", "1236", 0x0302, 262144,
      {{"Comb Delay ms", 3.0f, 12.0f, 6.0f, {{51}}},
       {"Lowpass Freq Hz", 500.0f, 4000.0f, 2000.0f, {{21}}},
       {"LFO Freq Hz", 0.0f, 1.0f, 0.1f, {{166}}},
       {"LFO Depth %", 0.0f, 50.0f, 20.0f, {{176}}},
       {"Output Volume", 0.0f, 200.0f, 100.0f, {{63}, {64, -1.0f}, {93}, {94}}}}},
     {"Comb Pseudo-Stereo 4", "Pseudo-stereo using complementary comb filters. Sums to mono.", "12", 0x0302, 131072,
      {{"Delay ms", 1.0f, 10.0f, 5.0f, {{21}, {51}}},
       {"Feedback %", 0.0f, 100.0f, 80.00001f, {{26}, {56, -1.0f}}},
       {"Output Volume", 0.0f, 200.0f, 100.0f, {{33}, {64}}}}},
     {"CrossPan", "This patch automatically cross-pans the channels of a stereo selection in opposite directions.", "1238", 0x0302, 1,
      {{"Pan Rate hz", 0.3f, 4.0f, 0.5f, {{16}}},
       {"Pan Depth", 0.0f, 100.0f, 100.0f, {{26}, {29, -1.0f}}},
       {"Wet Mix", 0.0f, 375.0f, 187.5f, {{63}, {64}, {93}, {94}}},
       {"Dry Mix", 0.0f, 375.0f, 0.0f, {{243}, {244}}}}},
     {"EnvFol->Pan", "Pan sounds left/right according to their amplitude Envelope. PanMod Depth varies effect amount. Adjust L/R Offset as desired.", "123", 0x0302, 524288,
      {{"PanMod Depth", 0.0f, 200.0f, 150.0f, {{56}}},
       {"L/R Pan Offset", 0.0f, 400.0f, 175.0f, {{26}}},
       {"Time Const%", 1.0f, 50.0f, 25.0f, {{51}, {81}}},
       {"EnvFol Thresh", 0.0f, 100.0f, 0.0f, {{52}}},
       {"Wet Mix", 0.0f, 400.0f, 150.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{33}, {34}}}}},
     {"EnvFol->Pan Rate", "The rate at which the input is panned between left and right is modulated by the envelope of the signal; it pans faster as the signal gets louder.", "12358", 0x0302, 1,
      {{"Pan Rate Hz", 0.5f, 8.0f, 1.6000001f, {{46}}},
       {"Pan Depth", 0.0f, 200.0f, 100.0f, {{56}}},
       {"EnvFol Time ms", 0.0f, 30.0f, 14.999999f, {{21}}},
       {"Pan Rate Mod Depth", 0.0f, 500.0f, 350.0f, {{146}}},
       {"Wet Mix", 0.0f, 300.0f, 150.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{243}, {244}}}}},
     {"EnvFol->Rotary", "The signal's envelope controls an LFO which sweeps the filter frequency and delay time, resulting in phase shifts, filter and panning fx.", "12345678", 0x0302, 131072,
      {{"EnvFol Time ms", 0.0f, 400.0f, 180.0f, {{21}, {141, 0.6666667f}, {111, 0.6666667f}, {231, 0.6666667f}}},
       {"LFO Freq Hz", 0.5f, 24.0f, 12.000001f, {{46}, {166, -1.0f}}},
       {"FiltMod Depth", 0.0f, 100.0f, 40.0f, {{56}, {176}}},
       {"DelayMod Depth", 0.0f, 1.0f, 0.1f, {{59}, {179}}},
       {"Lowpass Freq Hz", 30.0f, 5000.0f, 2500.0f, {{81}}},
       {"Wet Mix", 0.0f, 320.0f, 160.0f, {{123}, {244}}},
       {"Delayed Dry Mix", 0.0f, 100.0f, 50.0f, {{153}, {154}}}}},
     {"In & Out of Phase", "This periodically  inverts the phase of one or both channels. To keep one channel fixed, set its Rate slider to 0. Set Phases to either 100 or -100.", "1234", 0x0302, 1,
      {{"L Inversion Rate BPM", 0.0f, 360.0f, 0.0f, {{76}}},
       {"R Inversion Rate BPM", 0.0f, 360.0f, 30.0f, {{106}}},
       {"Raise to power", 0.0f, 1.0f, 0.5f, {{81}, {111}}},
       {"L Phase (+/-100)", -100.0f, 100.0f, -100.0f, {{86}}},
       {"R Phase (+/-100)", -100.0f, 100.0f, 100.0f, {{116}}},
       {"Output Volume", 0.0f, 120.0f, 70.0f, {{33}, {64}}}}},
     {"Modulated AutoPan", "The sine wave which pans a stereo selection between left and right is itself slowly frequency modulated.", "1238", 0x0302, 1,
      {{"Pan Rate Hz", 0.5f, 8.0f, 3.9999998f, {{46}}},
       {"Pan Depth", 0.0f, 200.0f, 100.0f, {{56}}},
       {"Pan Mod Rate Hz", 0.1f, 1.0f, 0.39999998f, {{16}}},
       {"Pan Mod Depth", 0.0f, 200.0f, 70.0f, {{26}}},
       {"Wet Mix", 0.0f, 400.0f, 140.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{243}, {244}}}}},
     {"Mono Unlike Stereo", "Use this to encode audio so it will sound like the right input when mixed to stereo, but like the left input (at a low level) when mixed to mono.", "1256", 0x0302, 1,
      {{"Left Input Level", 0.0f, 20.0f, 4.9999995f, {{26}, {29}}},
       {"Right Input Level", 0.0f, 400.0f, 200.0f, {{56}, {59, -1.0f}}},
       {"Output Volume", 0.0f, 200.0f, 100.0f, {{153}, {184}}}}},
     {"M-S Decoder", "M/S Decoder (Also works as M/S Encoder). Converts mid-side coincident stereo microphone pair to left/right signals. Width normally = 100.", "126", 0x0302, 1,
      {{"Stereo Width", 0.0f, 300.0f, 100.0f, {{176}}},
       {"Output Volume", 0.0f, 200.0f, 75.0f, {{33}, {34}, {63}, {64, -1.0f}}}}},
     {"PingPong Echoes", "Stereo echoes ping-pong back and forth.", "123", 0x0302, 131072,
      {{"Delay ms", 0.0f, 500.0f, 371.4f, {{51}, {81}}},
       {"Feedback", 0.0f, 180.0f, 45.0f, {{56}, {86}}},
       {"Wet Mix", 0.0f, 200.0f, 100.0f, {{64}, {93}}},
       {"Dry Mix", 0.0f, 200.0f, 100.0f, {{33}, {34}}}}},
     {"PingPong Echoes 2", "Left channel ping-pongs from left, to center, to right, back to left, and so on. Likewise for the right. Setting Feedback to 0 stops it after one cycle.", "12345678", 0x0302, 65536,
      {{"Delay ms", 0.0f, 600.0f, 600.0f, {{51}, {81}, {111}, {171}, {201}, {231}}},
       {"Feed- forward", 0.0f, 75.0f, 50.0f, {{26}, {56}, {86}, {146}, {176}, {206}}},
       {"Feedback", 0.0f, 300.0f, 150.0f, {{116}, {236}}},
       {"Wet Mix", 0.0f, 600.0f, 280.0f, {{94}, {63, 0.707f}, {64, 0.707f}, {123}, {183, 0.707f}, {184, 0.707f}, {213}, {244}}},
       {"Dry Mix", 0.0f, 600.0f, 280.0f, {{33}, {154}}}}},
     {"PitchTrack->Pan", "Pan monophonic sounds left/right according to their pitch. PanMod varies effect amount. Adjust L/R skew - negative skews to left.", "1238", 0x0302, 262144,
      {{"PitchTrk Lo hz", 50.0f, 300.0f, 150.00002f, {{21}}},
       {"PitchTrk  Hi hz", 150.0f, 500.0f, 300.0f, {{22}}},
       {"PtchTrk Int ms", 20.0f, 50.0f, 30.0f, {{19}}},
       {"Pan Mod Depth", 0.0f, 12000.0f, 9900.0f, {{26}}},
       {"L/R Skew", -100.0f, 0.0f, -90.0f, {{51}}},
       {"Wet Mix", 0.0f, 400.0f, 200.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{243}, {244}}}}},
     {"PsychoAcoustic Pan", "This does psycho-acoustic panning by varying the phase and delay between the two channels. Best with held chords and headphones.", "1256", 0x0302, 131072,
      {{"Pan Rate 1 hz", 0.2f, 4.0f, 1.0f, {{16}}},
       {"Pan Rate 2 hz", 0.1f, 2.1999998f, 1.3f, {{136}}},
       {"DelayMod Depth", 0.0f, 20.0f, 0.19999999f, {{26}, {146}}},
       {"Delay Time 1", 0.0f, 400.0f, 200.0f, {{51}}},
       {"Delay Time 2", 0.0f, 400.0f, 200.0f, {{171}}},
       {"Output Volume", 0.0f, 200.0f, 65.0f, {{63}, {184}}}}},
     {"Random Pan", "This samples white noise, lowpasses it, and uses the resulting signal to randomly pan the source signal left and right.", "1238", 0x0302, 1,
      {{"S/H Time ms", 0.0f, 100.0f, 50.0f, {{21}}},
       {"Lowpass Freq Hz", 0.1f, 4.0f, 1.9999998f, {{51}}},
       {"Lowpass Q", 0.0f, 2.0f, 1.0f, {{52}}},
       {"PanMod Depth", 0.0f, 500.0f, 250.0f, {{56}}},
       {"Wet Mix", 0.0f, 400.0f, 170.0f, {{93}, {94}}},
       {"Dry Mix", 0.0f, 400.0f, 0.0f, {{243}, {244}}}}},
     {"Stereo Sim", "Stereo simulation: Sums both source channels, sends LF to both sides, applies mono compatible stereo effect on HF.", "1234567", 0x0302, 262144,
      {{"Combs (ms)", 2.0f, 12.0f, 6.0f, {{111}}},
       {"Width", 0.0f, 100.0f, 90.0f, {{86}}},
       {"Input Trim", 14.0f, 125.0f, 75.0f, {{26}}},
       {"hz Cutoff", 20.0f, 125.0f, 80.0f, {{51}}},
       {"Output Volume", 0.0f, 300.0f, 150.0f, {{63}, {64}, {183}, {214}}}}},
     {"Stereo Width", "Stereo Width control, using an M-S encoder and decoder, with a gain in the Side channel path. Set Width <100 to decrease, >100 to increase.", "12567", 0x0302, 1,
      {{"Stereo Width", 0.0f, 1000.0f, 300.0f, {{176}}},
       {"Output Volume", 0.0f, 120.0f, 60.000008f, {{63}, {64}, {213}, {214, -1.0f}}}}},
     {"VariBand CrossPan", "The signal is split into 2 frequency bands which are crosspanned. The crosspan LFO rate is slowly modulated by the LFO Mod Freq.", "12378", 0x0302, 1,
      {{"Cutoff Freq Hz", 4.0f, 1000.0f, 500.00803f, {{21}, {51}}},
       {"Filter Q", 1.0f, 10.0f, 1.0f, {{22}, {52}}},
       {"LFO Rate Hz", 0.2f, 10.0f, 6.0000005f, {{76}}},
       {"LFO Mod Freq Hz", 0.1f, 2.0f, 0.29999998f, {{196}}},
       {"LFO Mod Depth", 0.0f, 100.0f, 50.0f, {{206}}},
       {"Wet Mix", 0.0f, 360.0f, 180.0f, {{33}, {34}, {63}, {64}}},
       {"Dry Mix", 0.0f, 360.0f, 0.0f, {{243}, {244}}}}},
     {"VariBand CrossPan 2", "Two frequency bands are crosspanned at a rate which is slowly modulated by the LFO Mod Freq. The Cutoff Freq is also modulated.", "123678", 0x0302, 1,
      {{"Cutoff Freq Hz", 4.0f, 1000.0f, 500.00803f, {{21}, {51}}},
       {"Filter Q", 1.0f, 10.0f, 5.005f, {{22}, {52}}},
       {"LFO Rate Hz", 0.3f, 12.0f, 6.0f, {{76}}},
       {"LFO Mod Freq Hz", 0.1f, 0.59999996f, 0.3f, {{166}, {196}}},
       {"LFO&Filt Depth", 0.0f, 100.0f, 50.0f, {{206}, {176, 0.6f}, {179, 0.6f}}},
       {"Wet Mix", 0.0f, 180.0f, 90.0f, {{33}, {34}, {63}, {64}}},
       {"Dry Mix", 0.0f, 180.0f, 0.0f, {{243}, {244}}}}},
     {"VariBand EnvFol CrossPan", "The signal is split into 2 frequency bands which are crosspanned. The crosspan LFO rate is modulated at a rate based on the signal's envelope.", "123478", 0x0302, 1,
      {{"Cutoff Freq Hz", 4.0f, 1000.0f, 500.00803f, {{21}, {51}}},
       {"LFO Rate Hz", 0.2f, 10.0f, 6.0000005f, {{76}}},
       {"Pan Mod Depth %", 0.0f, 100.0f, 49.999996f, {{86}, {89, -1.0f}}},
       {"Env. Fol Depth %", 0.0f, 400.0f, 199.99998f, {{206}}},
       {"LFO Freq Mod Depth", 0.0f, 100.0f, 50.0f, {{236}}},
       {"Wet Mix", 0.0f, 600.0f, 300.0f, {{33}, {34}, {63}, {64}}},
       {"Dry Mix", 0.0f, 300.0f, 0.0f, {{123}, {124}}}}},
     {"VariBand EnvFol CrossPan 2", "Two frequency bands are crosspanned at a rate which is slowly modulated by the LFO Mod Freq. The Cutoff Freq is also modulated.", "1235678", 0x0302, 1,
      {{"Cutoff Freq Hz", 4.0f, 1000.0f, 500.00803f, {{21}, {51}}},
       {"Filter Q", 1.0f, 10.0f, 5.005f, {{22}, {52}}},
       {"LFO Rate Hz", 0.3f, 12.0f, 6.0f, {{76}}},
       {"LFO&Filt Depth", 0.0f, 100.0f, 49.999996f, {{206}, {176, 0.6f}, {179, 0.6f}}},
       {"Wet Mix", 0.0f, 300.0f, 97.0f, {{33}, {34}, {63}, {64}}},
       {"Dry Mix", 0.0f, 200.0f, 0.0f, {{243}, {244}}}}},
    },
};

TEST(PanEffectsPresets, ProcessFieldsHoldTheDerivedSampleValues)
{
    const auto records = categoryRecords(kPanEffects);
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
    const auto records = categoryRecords(kPanEffects);
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
    for (int k = 0; k < int(kPanEffects.programs.size()); ++k) {
        if (k != 10) {
            EXPECT_TRUE(bytesAreZero(records[k].pendingAmplMod, sizeof records[k].pendingAmplMod)) << k;
        }
        EXPECT_TRUE(bytesAreZero(records[k].pendingTrackedFilterFrq, sizeof records[k].pendingTrackedFilterFrq));
        EXPECT_TRUE(bytesAreZero(records[k].pendingTrackedFreqMod, sizeof records[k].pendingTrackedFreqMod));
    }
}
