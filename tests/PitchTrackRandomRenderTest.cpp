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

// A ring modulator whose sine runs at a multiple of the tracked pitch turns a tone of f
// into a sideband that moves with the input's pitch; within 10 % of its level, and
// nothing of it left at the old pitch's sideband after the step.
TEST(PitchTrackRender, RingModulatorsFollowTheInputPitch)
{
    const struct {
        const char* program;
        std::vector<float> Stereo::*channel;
        double lowPitch, highPitch;
        double sidebandRatio;
        double sidebandLevel;
    } ringModulators[] = {
        // The sine at twice the pitch gives 3f at a quarter of the input's level: half from
        // the product, half from the bus average over the wet and dry modules.
        {"PitchTrack->RingMod", &Stereo::right, kLowPitch, kHighPitch, 3.0, 0.4 / 4.0},
        // The sine at 2.48 times the pitch gives 3.48 f, averaged over the three output
        // modules: 0.9 · (0.4 / 2) / 3. Lags of whole samples (300 Hz: 147, 350 Hz: 126).
        {"PTrk -> RM -> DDL", &Stereo::left, 300.0, 350.0, 3.48, 0.9 * 0.2 / 3.0},
    };
    for (const auto& ring : ringModulators) {
        SCOPED_TRACE(ring.program);
        const std::vector<float> voice = pitchStep(ring.lowPitch, ring.highPitch, 1.5, 0.4);
        const Stereo out = playerFor(ring.program).play({voice, voice});
        const std::vector<float> low = secondsBetween(out.*ring.channel, 1.0, 1.5);
        const std::vector<float> high = secondsBetween(out.*ring.channel, 2.5, 3.0);
        const double tolerance = 0.1 * ring.sidebandLevel;
        EXPECT_NEAR(toneAmplitude(low, ring.sidebandRatio * ring.lowPitch), ring.sidebandLevel, tolerance);
        EXPECT_NEAR(toneAmplitude(high, ring.sidebandRatio * ring.highPitch), ring.sidebandLevel, tolerance);
        EXPECT_LT(toneAmplitude(high, ring.sidebandRatio * ring.lowPitch), tolerance);
    }
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
