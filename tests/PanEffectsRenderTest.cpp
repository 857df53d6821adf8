#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

// "AutoPan" moves the stereo input between the outputs on a 30 bpm sine (0.5 Hz) at
// depth 60 %: a steady input shows the pan position sample by sample in the ratio of
// the two outputs.
TEST(PanEffectsRender, AutoPanSwingsTheInputAtItsRateAndDepth)
{
    ProgramPlayer autoPan = playerFor("AutoPan");
    const Stereo out = autoPan.play(constant(0.25f, 4 * kSecond));
    const Waveform position = sineWave(0.5, 0.6);
    for (size_t n = 0; n < out.left.size(); n += 441)
        ASSERT_NEAR(panPosition(out.left[n], out.right[n]), position(double(n) / kRate), 1e-5) << n;
}

// "CrossPan" pans the left input and the right input in opposite directions on one
// 0.5 Hz sine at full depth. Each input carries its own tone, so each one's position
// shows in its levels in the two outputs over 20 ms windows (a whole number of cycles
// of both tones), within which the position moves by at most 0.03.
TEST(PanEffectsRender, CrossPanMovesTheTwoInputsInOppositeDirections)
{
    ProgramPlayer crossPan = playerFor("CrossPan");
    const Stereo out = crossPan.play({sine(500.0f, 0.2f, 4 * kSecond), sine(700.0f, 0.2f, 4 * kSecond)});
    const Waveform leftInputPosition = sineWave(0.5, 1.0);
    for (int window = 0; window < 200; ++window) {
        const double from = window * 0.02;
        const std::vector<float> left = secondsBetween(out.left, from, from + 0.02);
        const std::vector<float> right = secondsBetween(out.right, from, from + 0.02);
        const double expected = leftInputPosition(from + 0.01);
        EXPECT_NEAR(panPosition(toneAmplitude(left, 500.0), toneAmplitude(right, 500.0)), expected, 0.02) << from;
        EXPECT_NEAR(panPosition(toneAmplitude(left, 700.0), toneAmplitude(right, 700.0)), -expected, 0.02) << from;
    }
}

// "M-S Decoder" gives mid plus side on the left and mid minus side on the right, at
// 0.75 shared by two modules per bus; the side reaches its module from a later one, so
// it lags the mid by one sample. At width 0 both outputs carry the mid alone.
TEST(PanEffectsRender, MidSideDecoderSumsAndSubtractsTheSideOneSampleLate)
{
    ProgramPlayer decoder = playerFor("M-S Decoder");
    const int frames = kSecond;
    const std::vector<float> mid = sine(300.0f, 0.4f, frames);
    const std::vector<float> side = whiteNoise(0.3f, frames, 5);
    const Stereo decoded = decoder.play({mid, side});
    for (size_t n = 1; n < size_t(frames); ++n) {
        ASSERT_NEAR(decoded.left[n], 0.375f * (mid[n] + side[n - 1]), 1e-6f) << n;
        ASSERT_NEAR(decoded.right[n], 0.375f * (mid[n] - side[n - 1]), 1e-6f) << n;
    }

    decoder.setParameter(0, 0.0f); // "Stereo Width" 0
    const Stereo narrowed = decoder.play({mid, side});
    for (size_t n = 1; n < size_t(frames); ++n) {
        ASSERT_NEAR(narrowed.left[n], 0.375f * mid[n], 1e-6f) << n;
        ASSERT_EQ(narrowed.left[n], narrowed.right[n]) << n;
    }
}

// "PingPong Echoes": a click on one input comes back after 371.4 ms (16378.74 samples)
// on the other side, then on its own side, and so on. Each delay module averages its
// input channel with the other's cross-feed at 0.45, so the first echo is half the
// click and each later one 0.225 of the one before; each pass from the right delay
// (module 2) back into the left one (module 1) adds one frame. Dry and wet share each bus.
TEST(PanEffectsRender, PingPongEchoesAlternateSidesAtTheDelayTime)
{
    constexpr int clickFrame = 1000;
    for (const bool fromLeft : {true, false}) {
        ProgramPlayer pingPong = playerFor("PingPong Echoes");
        Stereo click = silence(int(1.6 * kSecond));
        (fromLeft ? click.left : click.right)[clickFrame] = 0.8f;
        const Stereo out = pingPong.play(click);
        const std::vector<float>& own = fromLeft ? out.left : out.right;
        const std::vector<float>& other = fromLeft ? out.right : out.left;

        EXPECT_NEAR(own[clickFrame], 0.4f, 1e-6f);
        double expectedSize = 0.8 * 0.5 / 2;
        for (int echo = 1; echo <= 4; ++echo) {
            const int passesIntoLeftDelay = fromLeft ? (echo - 1) / 2 : echo / 2;
            const double expectedTime = clickFrame + echo * 16378.74 + passesIntoLeftDelay;
            const Arrival heard = arrivalNear(echo % 2 == 1 ? other : own, expectedTime, 4);
            const Arrival silent = arrivalNear(echo % 2 == 1 ? own : other, expectedTime, 4);
            EXPECT_NEAR(heard.time, expectedTime, 0.01) << "echo " << echo;
            EXPECT_NEAR(heard.size, expectedSize, expectedSize * 1e-4) << "echo " << echo;
            EXPECT_LT(silent.size, 1e-9) << "echo " << echo;
            expectedSize *= 0.225;
        }
    }
}

// "In & Out of Phase" ring-modulates each input by a sine at depth ±1: at rate 0 the
// sine holds at 1, so "L Phase" -100 inverts the left (at output volume 0.7) and +100
// passes it; at 30 bpm the left's gain swings between +0.7 and -0.7 once a second.
TEST(PanEffectsRender, InAndOutOfPhaseInvertsAtNegativePhase)
{
    ProgramPlayer phaser = playerFor("In & Out of Phase");
    const Stereo input = constant(0.25f, kSecond / 4);
    EXPECT_NEAR(phaser.play(input).left.back(), -0.7f * 0.25f, 1e-6);

    phaser.setParameter(3, 1.0f); // "L Phase" +100
    EXPECT_NEAR(phaser.play(input).left.back(), 0.7f * 0.25f, 1e-6);

    phaser.setParameter(3, 0.0f); // back to -100
    phaser.core.current->sliderCurrent[0] = 30.0f; // "L Inversion Rate" 30 bpm
    applySlider(phaser.core, 0);
    const Stereo swinging = phaser.play(constant(0.25f, 2 * kSecond));
    const auto [lowest, highest] = std::minmax_element(swinging.left.begin(), swinging.left.end());
    EXPECT_NEAR(*lowest, -0.7f * 0.25f, 1e-3);
    EXPECT_NEAR(*highest, 0.7f * 0.25f, 1e-3);
}
