#include <gtest/gtest.h>

#include <cmath>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

// The category's own relation: Pitch Shift = 1 - 2 x delay time (s) x LFO rate x depth.
double shiftRatio(double delaySeconds, double rate, double depth) { return 1.0 - 2.0 * delaySeconds * rate * depth; }

void expectPitch(double measured, double expected) { EXPECT_NEAR(measured, expected, 0.0025 * expected); }

// The pitch of a rendered tone where the cross-fade lets one voice through alone: the
// voices take turns every half cycle of the cross-fade rate, and within 4 % of a cycle
// of each turn the other voice stays near 3 % in level or below. Averaged over the turns of the
// last second; the first half second lets the swept delays fill. Crossings fall on whole
// samples: under 0.15 % over the 680 samples or more between a turn's first and last.
double shiftedPitch(const std::vector<float>& samples, double crossfadeRate)
{
    const double turn = 0.5 / std::fabs(crossfadeRate);
    const double reach = 0.04 / std::fabs(crossfadeRate);
    double sum = 0.0;
    int turns = 0;
    for (double centre = std::ceil(0.5 / turn) * turn; centre + reach < 1.5; centre += turn, ++turns)
        sum += frequencyAround(samples, centre, reach);
    return sum / turns;
}

} // namespace

// "PitchShift +/- 1 octave": two voices sweep 125 ms delays at 4 Hz, half a cycle apart;
// "Pitch Control" at its stored 50 % shifts an octave down, at its minimum -100 % up.
TEST(PitchShiftRender, PitchShiftOneOctaveGoesDownOrUpAnOctave)
{
    ProgramPlayer shifter = playerFor("PitchShift +/- 1 octave");
    const std::vector<float> tone = sine(440.0f, 0.3f, int(1.5 * kSecond));
    const Stereo down = shifter.play({tone, tone});
    expectPitch(shiftedPitch(down.left, 4.0), 440.0 * shiftRatio(0.125, 4.0, 0.5));
    expectPitch(shiftedPitch(down.right, 4.0), 440.0 * shiftRatio(0.125, 4.0, 0.5));

    shifter.setParameter(1, 0.0f);
    const Stereo up = shifter.play({tone, tone});
    expectPitch(shiftedPitch(up.left, 4.0), 440.0 * shiftRatio(0.125, 4.0, -1.0));
}

// "Pitch +/-100 cents" runs its sweeps at -2 Hz: with the stored +100 % the pitch rises
// by about a semitone, and with slider A at -100 % it falls by as much.
TEST(PitchShiftRender, PitchHundredCentsShiftsASemitoneEitherWay)
{
    ProgramPlayer shifter = playerFor("Pitch +/-100 cents");
    const std::vector<float> tone = sine(440.0f, 0.3f, int(1.5 * kSecond));
    expectPitch(shiftedPitch(shifter.play({tone, tone}).left, -2.0), 440.0 * shiftRatio(0.0149, -2.0, 1.0));

    shifter.setParameter(0, 0.0f);
    expectPitch(shiftedPitch(shifter.play({tone, tone}).left, -2.0), 440.0 * shiftRatio(0.0149, -2.0, -1.0));
}

// "SubOctave Generator": the left output is the left input, delayed 200 ms at gain 0.7
// and alone in its bus; the right output is the right input an octave lower.
TEST(PitchShiftRender, SubOctaveGeneratorKeepsTheLeftAndLowersTheRight)
{
    ProgramPlayer subOctave = playerFor("SubOctave Generator");
    const std::vector<float> left = whiteNoise(0.3f, int(1.5 * kSecond), 3);
    const std::vector<float> right = sine(440.0f, 0.3f, int(1.5 * kSecond));
    const Stereo out = subOctave.play({left, right});
    for (size_t n = 8820; n < out.left.size(); ++n)
        ASSERT_NEAR(out.left[n], 0.7f * left[n - 8820], 1e-6f) << n;
    expectPitch(shiftedPitch(out.right, 3.0), 440.0 * shiftRatio(0.2, 3.0, 0.41699997));
}
