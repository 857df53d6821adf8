#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

// Input pitches whose periods are whole samples (225, 180 and 200), so the tracker's lag is exact.
constexpr double kLowPitch = 196.0;
constexpr double kHighPitch = 245.0;

} // namespace

// Four trackers at 0.5 each drive the tone to twice the input's pitch; the 6 Hz vibrato
// averages out over a second, so the tone follows the input from one pitch to the next.
TEST(PitchTrackRender, ThereminPlaysAnOctaveAboveTheInput)
{
    const std::vector<float> voice = pitchStep(kLowPitch, kHighPitch, 1.5, 0.4);
    const Stereo out = playerFor("Theremin").play({voice, voice});
    EXPECT_NEAR(crossingFrequency(secondsBetween(out.left, 0.5, 1.5)), 2.0 * kLowPitch, 0.01 * 2.0 * kLowPitch);
    EXPECT_NEAR(crossingFrequency(secondsBetween(out.left, 2.0, 3.0)), 2.0 * kHighPitch, 0.01 * 2.0 * kHighPitch);
}

// The ring modulator's sine runs at twice the tracked pitch, so the product of a tone of f
// holds 3f at a quarter of the input's level (half from the product, half from the bus
// average over the wet and dry modules), and that sideband moves with the input.
TEST(PitchTrackRender, RingModulatorFollowsTheInputPitch)
{
    const std::vector<float> voice = pitchStep(kLowPitch, kHighPitch, 1.5, 0.4);
    const Stereo out = playerFor("PitchTrack->RingMod").play({voice, voice});
    const std::vector<float> low = secondsBetween(out.right, 1.0, 1.5);
    const std::vector<float> high = secondsBetween(out.right, 2.5, 3.0);
    EXPECT_NEAR(toneAmplitude(low, 3.0 * kLowPitch), 0.1, 0.01);
    EXPECT_NEAR(toneAmplitude(high, 3.0 * kHighPitch), 0.1, 0.01);
    EXPECT_LT(toneAmplitude(high, 3.0 * kLowPitch), 0.01);
}

// "Calliope" plays twice the tracked pitch rounded to the semitones of its stored
// 439.99988 Hz: an input of 200 Hz gives 392 Hz (400 Hz lies 1.65 semitones under
// A 440), one of 220.5 Hz gives 440 Hz. Its noise is turned off to count crossings.
TEST(PitchTrackRender, CalliopeQuantizesTheTrackedTone)
{
    for (const auto& [input, quantized] : {std::pair {200.0, 440.0 * std::pow(2.0, -2.0 / 12.0)}, std::pair {220.5, 440.0}}) {
        ProgramPlayer player = playerFor("Calliope");
        player.setParameter(5, 0.0f);
        const std::vector<float> voice = sine(float(input), 0.4f, frames(1.5));
        const Stereo out = player.play({voice, voice});
        EXPECT_NEAR(crossingFrequency(secondsBetween(out.left, 0.5, 1.5)), quantized, 0.5) << input;
    }
}

// The whistle's tone plays two octaves above the input. The envelope follower (-1 in
// silence) gates the tone and the noise before their processes through Ampl Mod at
// 0.5 + 0.5 · envelope, so when the input stops the tone dies, and all that is left is the
// noise band-pass ringing out at its stored 200 Hz, Q 150: a decay time of Q / (π f).
TEST(PitchTrackRender, SlideWhistleFollowsTheInputPitchAndLoudness)
{
    std::vector<float> voice = sine(float(kLowPitch), 0.4f, frames(2.0));
    std::fill(voice.begin() + frames(1.0), voice.end(), 0.0f);
    const Stereo out = playerFor("Slide Whistle").play({voice, voice});
    const std::vector<float> sounding = secondsBetween(out.left, 0.5, 1.0);
    EXPECT_NEAR(crossingFrequency(sounding), 4.0 * kLowPitch, 0.01 * 4.0 * kLowPitch);
    EXPECT_LT(toneAmplitude(secondsBetween(out.left, 1.3, 2.0), 4.0 * kLowPitch), 0.01 * toneAmplitude(sounding, 4.0 * kLowPitch));
    const double decayTime = 150.0 / (std::numbers::pi * 200.0);
    const double fall = rms(secondsBetween(out.left, 1.9, 2.0)) / rms(secondsBetween(out.left, 1.4, 1.5));
    EXPECT_NEAR(fall, std::exp(-0.5 / decayTime), 0.15 * std::exp(-0.5 / decayTime));
}

// The Random programs that play oscillators sound from silence; "Fluttery Filters"
// only filters, delays and mixes the input, which its saws move, so it stays silent.
TEST(RandomRender, OscillatorProgramsSoundFromSilence)
{
    for (const char* program : {"Intruder Alert", "Overtones", "Random Bleeps", "Random Pigeons", "Swirly Random",
                                "Swirly Random 2", "Swirly Random 3"}) {
        const Stereo out = playerFor(program).play(silence(frames(2.0)));
        EXPECT_GT(rms(out.left) + rms(out.right), 1.0e-3) << program;
    }
    const Stereo fluttery = playerFor("Fluttery Filters").play(silence(frames(2.0)));
    // Far below the smallest step of a 24-bit output (6e-8), which the filters' denormal guard may leave.
    EXPECT_LT(peak(fluttery.left) + peak(fluttery.right), 1.0e-9);
}

// "Random Stereo Bleeps": the held steps pan the saw, so the two sides differ.
TEST(RandomRender, RandomBleepsPlayInStereo)
{
    const Stereo out = playerFor("Random Bleeps").play(silence(frames(2.0)));
    EXPECT_LT(correlation(out.left, out.right), 0.95);
}
