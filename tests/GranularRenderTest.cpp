#include <gtest/gtest.h>

#include <cmath>

#include "ProgramPlayer.h"

using namespace engine_test;

// "Freeze": the pulse stands at its peak when the program is selected (|sin|^50 of its
// 90° start), so a click at once is captured into the 125 ms (5512.5 samples) loop and
// heard nowhere else until it comes round. The loop's input averages the gate's Mix and
// its own feedback at 1.96, so each repeat keeps 98 % of the last and arrives one loop
// plus one frame later (the feedback enters the module's next frame): the grain goes on
// sounding long after the input stopped. The gate, heard at 0.6, and the loop, at 1.8,
// share each bus with the dry path.
TEST(GranularRender, FreezeKeepsRepeatingACapturedClick)
{
    ProgramPlayer freeze = playerFor("Freeze");
    Stereo click = silence(2 * kSecond);
    click.left[0] = click.right[0] = 0.5f;
    const Stereo out = freeze.play(click);

    EXPECT_NEAR(out.left[0], 0.6 / 3 * 0.5, 1e-6);
    EXPECT_LT(peak(out.left, 1, 5500), 1e-6f);
    double expectedSize = 1.8 / 3 * 0.5 * 0.5;
    for (int repeat = 0; repeat < 15; ++repeat) {
        const double expectedTime = 5512.5 + repeat * 5513.5;
        for (const auto* channel : {&out.left, &out.right}) {
            const Arrival arrival = arrivalNear(*channel, expectedTime, 12);
            EXPECT_NEAR(arrival.time, expectedTime, 0.01) << "repeat " << repeat;
            EXPECT_NEAR(arrival.size, expectedSize, expectedSize * 1e-4) << "repeat " << repeat;
        }
        expectedSize *= 0.98;
    }
}

// "Freeze Pan" holds the segment that its pulse grabbed when the program was selected,
// whatever the input plays afterwards (three seconds after its peak the pulse is down
// to 0.2 %), and swings it between the outputs with pan depth 0.8, which 25 ms windows
// at the peaks of the shaped 2 Hz sine show a little below 0.8. Selecting the program
// again grabs the input anew ("Reclick the Preset name to sample a new segment").
TEST(GranularRender, FreezePanHoldsItsSegmentUntilSelectedAgain)
{
    ProgramPlayer freezePan = playerFor("Freeze Pan");
    const int index = freezePan.core.currentIndex;
    const std::vector<float> first = sine(440.0f, 0.05f, 3 * kSecond);
    const std::vector<float> second = sine(660.0f, 0.05f, 3 * kSecond);
    freezePan.play({first, first});
    const Stereo held = freezePan.play({second, second});

    const std::vector<float> heldLeft = secondsBetween(held.left, 1.0, 3.0);
    EXPECT_LT(toneAmplitude(heldLeft, 660.0), 0.02 * toneAmplitude(heldLeft, 440.0));

    double widestLeft = 0.0, widestRight = 0.0;
    for (int window = 40; window < 120; ++window) {
        const double from = window * 0.025;
        const double position = panPosition(toneAmplitude(secondsBetween(held.left, from, from + 0.025), 440.0),
                                            toneAmplitude(secondsBetween(held.right, from, from + 0.025), 440.0));
        widestLeft = std::min(widestLeft, position);
        widestRight = std::max(widestRight, position);
    }
    EXPECT_NEAR(widestLeft, -0.8, 0.03);
    EXPECT_NEAR(widestRight, 0.8, 0.03);

    ASSERT_TRUE(selectProgram(freezePan.core, index));
    const Stereo regrabbed = freezePan.play({second, second});
    const std::vector<float> newLeft = secondsBetween(regrabbed.left, 1.0, 3.0);
    EXPECT_LT(toneAmplitude(newLeft, 440.0), 0.02 * toneAmplitude(newLeft, 660.0));
}

// "Reverse Playback 1 Sec.": a 1 Hz saw sweeps a 1000 ms delay from 0 to 2 s, so the
// read position runs backwards at normal speed. Where a voice's sine fades it fully in
// (2.25 s for the first voice, 2.75 s for the second, where its saw crosses 0 and its
// delay is 1 s), the output is the input of one second before played backwards.
TEST(GranularRender, ReversePlaybackPlaysTheInputBackwards)
{
    ProgramPlayer reverse = playerFor("Reverse Playback 1 Sec.");
    const std::vector<float> noise = whiteNoise(0.3f, int(3.5 * kSecond), 11);
    const Stereo out = reverse.play({noise, noise});

    const int reach = 441; // 10 ms either side, where the other voice stays below 1 %
    for (const double centre : {2.25, 2.75}) {
        const size_t frame = size_t(frames(centre));
        const std::vector<float> played = framesBetween(out.left, frame - reach, frame + reach + 1);
        const size_t secondBefore = frame - kSecond;
        const std::vector<float> earlierInput = framesBetween(noise, secondBefore - reach, secondBefore + reach + 1);
        const std::vector<float> backwards(earlierInput.rbegin(), earlierInput.rend());
        EXPECT_GT(correlation(played, backwards), 0.999) << centre;
        // Unrelated noise excerpts of 883 samples correlate by about 0.05.
        EXPECT_LT(std::fabs(correlation(played, earlierInput)), 0.25) << centre;
    }
}
