#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

Stereo fromSilence(const char* program, double seconds)
{
    return playerFor(program).play(silence(frames(seconds)));
}

std::vector<double> clicks(const std::vector<float>& samples)
{
    return onsets(samples, 0.3 * peak(samples), 0.1);
}

// Checks that clicks start at the given times, with 2 ms for the edge and the filter's rise.
void expectClicksAt(const std::vector<float>& samples, const std::vector<double>& times)
{
    const std::vector<double> found = clicks(samples);
    ASSERT_EQ(found.size(), times.size());
    for (size_t k = 0; k < times.size(); ++k)
        EXPECT_NEAR(found[k], times[k], 0.002) << "click " << k;
}

} // namespace

// Every tone program sounds from silence, on both sides.
TEST(TestTonesRender, EveryProgramSoundsFromSilence)
{
    for (const char* program : {"Add 50/60-cycle Hum", "Additive Synthesis", "Click Track", "Guitar Tuning",
                                "Polyrhythmic Click Track", "Sine Wave Sweep", "Tone Generator", "White Noise"}) {
        const Stereo out = fromSilence(program, 2.0);
        EXPECT_GT(rms(out.left), 1.0e-3) << program;
        EXPECT_GT(rms(out.right), 1.0e-3) << program;
    }
}

// The sine tones: each at its frequency, at its gain over the bus's switched-on modules.
TEST(TestTonesRender, TonesPlayAtTheirFrequenciesAndLevels)
{
    const Stereo generator = fromSilence("Tone Generator", 1.0);
    EXPECT_NEAR(crossingFrequency(generator.left), 440.0, 0.05);
    EXPECT_NEAR(toneAmplitude(generator.right, 440.0), 0.5 / 4.0, 0.001);

    // Only the low E string is up; the other five and the input count at gain 0.
    const Stereo tuning = fromSilence("Guitar Tuning", 2.0);
    EXPECT_NEAR(crossingFrequency(tuning.left), 82.40686, 0.01);
    EXPECT_NEAR(peak(tuning.right), 1.75 / 7.0, 0.001);

    const Stereo additive = fromSilence("Additive Synthesis", 1.0);
    const double gains[] = {2.0, 1.0, 0.5, 0.25, 0.125, 0.061999995, 0.030999998, 0.015999999};
    for (int harmonic = 1; harmonic <= 8; ++harmonic)
        EXPECT_NEAR(toneAmplitude(additive.left, 100.0 * harmonic), gains[harmonic - 1] / 8.0, 1.0e-4) << harmonic;
}

// The hum is added to the input: a 60 Hz sine pushed towards a square by the power
// 0.5, peaking at its gain over the two modules; at the slider's minimum it hums at 50 Hz.
TEST(TestTonesRender, HumPlaysAtMainsFrequency)
{
    ProgramPlayer player = playerFor("Add 50/60-cycle Hum");
    const Stereo sixty = player.play(silence(frames(1.0)));
    EXPECT_NEAR(crossingFrequency(sixty.left), 60.0, 0.05);
    EXPECT_NEAR(peak(sixty.left), 0.2 / 2.0, 0.001);
    EXPECT_GT(toneAmplitude(sixty.left, 60.0), 10.0 * toneAmplitude(sixty.left, 120.0));

    player.setParameter(0, 0.0f);
    const Stereo fifty = player.play(silence(frames(1.0)));
    EXPECT_NEAR(crossingFrequency(fifty.left, size_t(frames(0.1))), 50.0, 0.05);

    const std::vector<float> tone = sine(1000.0f, 0.4f, frames(1.0));
    const Stereo withInput = player.play({tone, tone});
    EXPECT_NEAR(toneAmplitude(withInput.right, 1000.0), 0.4 * 1.2 / 2.0, 0.002);
}

// 100 beats per minute: a click every 0.6 s. The polyrhythm plays its 2x and 3x
// clicks on 60 beats per minute, so clicks fall on every third and every half second.
TEST(TestTonesRender, ClickTracksClickAtTheirRates)
{
    // Where in its cycle the shaped saw peaks is the shaping's business; the spacing is the rate.
    const std::vector<double> found = clicks(fromSilence("Click Track", 2.5).left);
    ASSERT_EQ(found.size(), 5u);
    for (size_t k = 1; k < found.size(); ++k)
        EXPECT_NEAR(found[k] - found[k - 1], 0.6, 1.0e-4) << "click " << k;
    expectClicksAt(fromSilence("Polyrhythmic Click Track", 2.0).right,
                   {0.0, 1.0 / 3.0, 0.5, 2.0 / 3.0, 1.0, 4.0 / 3.0, 1.5, 5.0 / 3.0});
}

// The 1 Hz saw starts at its lowest value and rises, so the carrier sweeps from
// 0 Hz up to twice its 440 Hz once a second: 880 Hz × the time into the sweep.
TEST(TestTonesRender, SineSweepRisesFromZeroToTwiceTheCarrier)
{
    const Stereo out = fromSilence("Sine Wave Sweep", 1.0);
    for (const double t : {0.25, 0.5, 0.75})
        EXPECT_NEAR(frequencyAround(out.left, t, 0.025), 880.0 * t, 0.02 * 880.0 * t) << t;
    EXPECT_NEAR(peak(out.left), 0.099999994, 0.001);
}

// Full-scale white noise at 10 % (the source's scale lets it pass 1 by 0.006 %),
// and no sample predicts the next.
TEST(TestTonesRender, WhiteNoiseIsFlatAndAtItsLevel)
{
    const Stereo out = fromSilence("White Noise", 1.0);
    EXPECT_LE(peak(out.left), 0.1 * 1.0001);
    EXPECT_GT(rms(out.left), 0.04);
    const size_t count = out.left.size();
    EXPECT_LT(std::fabs(correlation(framesBetween(out.left, 1, count), framesBetween(out.left, 0, count - 1))), 0.02);
    // Each instance draws its own noise: a second one plays another at the same level.
    const Stereo other = fromSilence("White Noise", 1.0);
    EXPECT_LT(std::fabs(correlation(out.left, other.left)), 0.02);
    EXPECT_NEAR(rms(other.left), rms(out.left), 0.02 * rms(out.left));
}
