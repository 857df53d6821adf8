#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

TEST(ProgramPlayer, MeasuresTonesAndFindsPrograms)
{
    ProgramPlayer player(0);
    EXPECT_EQ(player.indexOf("Default"), 0);
    EXPECT_EQ(player.indexOf("No Such Program"), -1);

    // The default program passes its input: a 1 kHz tone comes back at its level.
    const std::vector<float> tone = sine(1000.0f, 0.5f, 44100);
    const Stereo out = player.play({tone, tone});
    EXPECT_NEAR(toneAmplitude(out.left, 1000.0), 0.5, 0.01);
    EXPECT_LT(toneAmplitude(out.left, 1500.0), 0.01);
    EXPECT_NEAR(crossingFrequency(out.right), 1000.0, 1.0);
}
