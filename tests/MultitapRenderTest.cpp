#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

constexpr double kBellTapSpacing = 5733.0005; // 130 ms
constexpr double kBellGains[] = {0.35, 0.875, 1.4, 1.75, 1.75, 1.4, 0.875, 0.35};
constexpr float kClick = 0.5f;

// "Multi-Delay Bell" played over one click at `clickAt`.
Stereo bellResponse(size_t clickAt)
{
    ProgramPlayer player = playerFor("Multi-Delay Bell");
    Stereo input = silence(kSecond);
    input.left[clickAt] = input.right[clickAt] = kClick;
    return player.play(input);
}

} // namespace

// "Multi-Delay Bell": a click comes back from eight taps 130 ms apart, weighted
// 2 : 5 : 8 : 10 : 10 : 8 : 5 : 2 (35 % to 175 %), each bus averaging its eight
// modules; between the taps there is nothing.
TEST(MultitapRender, MultiDelayBellTapsAClickAlongABellCurve)
{
    constexpr size_t clickAt = 1024;
    const Stereo out = bellResponse(clickAt);
    std::vector<bool> atTap(out.left.size());
    for (size_t tap = 0; tap < std::size(kBellGains); ++tap) {
        const size_t at = clickAt + size_t(std::lround(double(tap) * kBellTapSpacing));
        atTap[at] = atTap[at + 1] = true;
        // A fractional delay may spread a tap over two samples.
        const double level = double(out.left[at]) + out.left[at + 1];
        const double expected = kClick * kBellGains[tap] / 8.0;
        EXPECT_NEAR(level, expected, 0.01 * expected) << "tap " << tap;
        EXPECT_EQ(out.right[at], out.left[at]) << "tap " << tap;
    }
    for (size_t n = 0; n < out.left.size(); ++n) {
        if (!atTap[n]) {
            ASSERT_LT(std::fabs(out.left[n]), 1.0e-6f) << n;
        }
    }
}

// Selecting the program applies its delay-time slider; the delays still start
// from their empty lines, so a click at once sounds from the first tap alone.
TEST(MultitapRender, MultiDelayBellDelaysFromTheFirstFrame)
{
    const Stereo out = bellResponse(0);
    const double expected = kClick * kBellGains[0] / 8.0;
    EXPECT_NEAR(out.left[0], expected, 0.01 * expected);
}

// "BraskVerb": the right output is the dry input alone at 60 %, while the
// left carries only the reverb, which starts after module 1's 65 ms delay.
TEST(MultitapRender, BraskVerbPutsTheDryRightAndTheReverbLeft)
{
    ProgramPlayer player = playerFor("BraskVerb");
    const std::vector<float> tone = sine(1000.0f, 0.1f, kSecond);
    const Stereo out = player.play({tone, tone});

    for (size_t n = 0; n < tone.size(); ++n)
        ASSERT_NEAR(out.right[n], 0.6f * tone[n], 1.0e-7f) << n;
    constexpr size_t reverbDelay = 2866; // 65 ms
    EXPECT_LT(rms(framesBetween(out.left, 0, reverbDelay)), 1.0e-12);
    EXPECT_GT(rms(out.left, reverbDelay + 1), 0.01);
}
