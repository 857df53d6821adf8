#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

constexpr size_t kSettled = kSecond / 4;

// The gain a program gives a steady tone, both channels fed the same.
double toneGain(const char* name, double frequency)
{
    constexpr float level = 0.1f;
    ProgramPlayer player = playerFor(name);
    const std::vector<float> tone = sine(float(frequency), level, kSecond);
    const Stereo out = player.play({tone, tone});
    return toneAmplitude(out.left, frequency, kSettled) / level;
}

std::vector<float> sum(const std::vector<float>& a, const std::vector<float>& b)
{
    std::vector<float> total(a.size());
    for (size_t n = 0; n < a.size(); ++n)
        total[n] = a[n] + b[n];
    return total;
}

} // namespace

// The three plain filters are second order at 500 Hz with Q 1: a decade away
// from the cutoff a stopband lies 40 dB down, and at the cutoff the gain is Q.
// Each program's wet gain is halved on the bus by its silent dry path.
TEST(FilterRender, PlainFiltersGiveTheirSecondOrderResponse)
{
    constexpr double lowpassGain = 2.6 / 2, highpassGain = 2.2 / 2, bandpassGain = 0.84 / 2;

    EXPECT_NEAR(toneGain("Lowpass", 50.0), lowpassGain, 0.03 * lowpassGain);
    EXPECT_NEAR(toneGain("Lowpass", 500.0), lowpassGain, 0.05 * lowpassGain);
    EXPECT_LT(toneGain("Lowpass", 5000.0), 0.012 * lowpassGain);

    EXPECT_NEAR(toneGain("Highpass", 5000.0), highpassGain, 0.03 * highpassGain);
    EXPECT_NEAR(toneGain("Highpass", 500.0), highpassGain, 0.05 * highpassGain);
    EXPECT_LT(toneGain("Highpass", 50.0), 0.012 * highpassGain);

    // A band-pass of Q 1 falls to 1 / sqrt(1 + 99²/10²) ≈ 0.1 a decade either side.
    EXPECT_NEAR(toneGain("Bandpass", 500.0), bandpassGain, 0.05 * bandpassGain);
    EXPECT_NEAR(toneGain("Bandpass", 50.0), 0.1 * bandpassGain, 0.02 * bandpassGain);
    EXPECT_NEAR(toneGain("Bandpass", 5000.0), 0.1 * bandpassGain, 0.02 * bandpassGain);
}

// Three 10 Hz high-passes in series, each stage mixed on at 200 %, output at 120 %:
// a DC offset dies away while a 1 kHz tone passes at 2 × 2 × 1.2.
TEST(FilterRender, DcOffsetFilterRemovesTheOffsetAndKeepsTheTone)
{
    ProgramPlayer player = playerFor("DC Offset Filter");
    std::vector<float> input = sine(1000.0f, 0.1f, 2 * kSecond);
    for (float& sample : input)
        sample += 0.3f;
    const Stereo out = player.play({input, input});

    double mean = 0.0;
    for (size_t n = kSecond; n < out.left.size(); ++n)
        mean += out.left[n];
    mean /= double(out.left.size() - kSecond);
    EXPECT_LT(std::fabs(mean), 1.0e-3);
    EXPECT_NEAR(toneAmplitude(out.right, 1000.0, kSecond) / 0.1, 4.8, 0.05 * 4.8);
}

// "Swept Lowpass": a 0.2 Hz sine starting at 180° moves the 1000 Hz cutoff by
// ±80 %, down to 200 Hz at 1.25 s and up to 1800 Hz at 3.75 s.
TEST(FilterRender, SweptLowpassMovesEnergyBetweenBandsOverTime)
{
    ProgramPlayer player = playerFor("Swept Lowpass");
    const std::vector<float> input = sum(sine(200.0f, 0.1f, 5 * kSecond), sine(1800.0f, 0.1f, 5 * kSecond));
    const Stereo out = player.play({input, input});

    const double lowAtBottom = toneAmplitude(secondsBetween(out.left, 1.15, 1.35), 200.0);
    const double highAtBottom = toneAmplitude(secondsBetween(out.left, 1.15, 1.35), 1800.0);
    const double lowAtTop = toneAmplitude(secondsBetween(out.left, 3.65, 3.85), 200.0);
    const double highAtTop = toneAmplitude(secondsBetween(out.left, 3.65, 3.85), 1800.0);
    EXPECT_GT(lowAtBottom, 3.0 * highAtBottom);
    EXPECT_GT(highAtTop, 2.0 * lowAtTop);
}

// "VelvetChimes - AMaj": eight resonators of Q 150 on the A major scale from
// 440 Hz ring out of white noise; quarter tones between the notes stay quiet.
TEST(FilterRender, VelvetChimesResonateOnTheirScale)
{
    ProgramPlayer player = playerFor("VelvetChimes - AMaj");
    const std::vector<float> input = whiteNoise(0.05f, 2 * kSecond, 3);
    const Stereo out = player.play({input, input});

    const double ratios[] = {1.0, 1.1225, 1.26, 1.3347727, 1.498409, 1.6818181, 1.8877273, 2.0};
    double onNotes = 0.0, between = 0.0;
    for (size_t note = 0; note < std::size(ratios); ++note) {
        onNotes += toneAmplitude(out.left, 440.0 * ratios[note], kSecond);
        if (note + 1 < std::size(ratios))
            between += toneAmplitude(out.left, 440.0 * std::sqrt(ratios[note] * ratios[note + 1]), kSecond);
    }
    EXPECT_GT(onNotes / 8.0, 5.0 * between / 7.0);
}

// "Chopper": the 10 Hz sine pans the band-passed noise, taking the left down
// by 1 - s while it is positive and the right while it is negative, so the
// energy swings between the channels every half period (50 ms).
TEST(FilterRender, ChopperPansItsNoiseAtTheSineRate)
{
    ProgramPlayer player = playerFor("Chopper");
    const Stereo out = player.play(silence(2 * kSecond));
    constexpr size_t halfPeriod = kSecond / 20;
    double energy[2][2] = {}; // [half period of positive, negative sine][left, right]
    for (size_t n = 0; n < out.left.size(); ++n) {
        const size_t half = (n / halfPeriod) % 2;
        energy[half][0] += double(out.left[n]) * out.left[n];
        energy[half][1] += double(out.right[n]) * out.right[n];
    }
    // The mean of (1 - sin)² over a half period is 0.23: about a quarter of the energy.
    EXPECT_GT(energy[0][1], 2.5 * energy[0][0]);
    EXPECT_GT(energy[1][0], 2.5 * energy[1][1]);
}

// "Filtered Noise" has no input source: a loud tone at the input leaves no
// trace in what it plays, nor in its level.
TEST(FilterRender, FilteredNoiseIgnoresItsInput)
{
    ProgramPlayer quiet = playerFor("Filtered Noise");
    ProgramPlayer loud = playerFor("Filtered Noise");
    const std::vector<float> tone = sine(440.0f, 0.5f, kSecond);
    const Stereo fromSilence = quiet.play(silence(kSecond));
    const Stereo fromTone = loud.play({tone, tone});
    EXPECT_GT(rms(fromSilence.left), 1.0e-3);
    EXPECT_NEAR(rms(fromTone.left) / rms(fromSilence.left), 1.0, 0.1);
    EXPECT_LT(toneAmplitude(fromTone.left, 440.0), 0.005);
    EXPECT_LT(toneAmplitude(fromTone.right, 440.0), 0.005);
}
