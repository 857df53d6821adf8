#include <gtest/gtest.h>

#include <complex>

#include "ProgramPlayer.h"

using namespace engine_test;

// The dry input at 31 % beside a 0 dB band-pass at 75 %, averaged over the two:
// a boost around 1 kHz. The filter is the bilinear image of the analog band-pass
// pre-warped at its centre, so its response follows from the warped frequency ratio.
TEST(ThirdPartyRender, ParaboostBoostsItsBand)
{
    const auto warped = [](double f) { return std::tan(std::numbers::pi * f / kRate); };
    for (const double frequency : {100.0, 500.0, 1000.0, 2000.0, 8000.0}) {
        const double r = warped(frequency) / warped(1000.0);
        const std::complex<double> bandPass = std::complex<double>(0.0, r / 1.0353) /
                                              std::complex<double>(1.0 - r * r, r / 1.0353);
        const double gain = std::abs(0.31 + 0.75 * bandPass) / 2.0;
        const std::vector<float> tone = sine(float(frequency), 0.5f, frames(0.5));
        const Stereo out = playerFor("Paraboost EQ").play({tone, tone});
        EXPECT_NEAR(toneAmplitude(out.left, frequency, size_t(frames(0.1))), 0.5 * gain, 0.005 * 0.5 * gain) << frequency;
    }
}

// A burst comes back 150 ms later from the slap-back delay, and the loop's 10 %
// feedback repeats it another 150 ms on. The delay's input averages the filter's
// route (depth 1) and its own (depth 0.1), so the first echo stands at 1.8 / 2
// against the direct path's 3.4027398, and each repeat at 0.1 / 2 of the one before.
TEST(ThirdPartyRender, PaEffectSlapsBackAtItsDelayTime)
{
    std::vector<float> burst = silence(frames(0.6)).left;
    const std::vector<float> tone = sine(1000.0f, 0.3f, frames(0.01));
    std::copy(tone.begin(), tone.end(), burst.begin() + frames(0.05));
    const Stereo out = playerFor("PA Effect").play({burst, burst});

    const std::vector<double> found = onsets(out.left, 0.1 * peak(out.left), 0.05);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_NEAR(found[1] - found[0], 0.15, 0.0005);
    const double direct = peak(out.left, 0, size_t(frames(0.15)));
    const double echo = peak(out.left, size_t(frames(0.15)), size_t(frames(0.3)));
    EXPECT_NEAR(echo / direct, 0.9 / 3.4027398, 0.03 * 0.9 / 3.4027398);
    const double repeat = peak(out.left, size_t(frames(0.35)), size_t(frames(0.45)));
    EXPECT_NEAR(repeat / echo, 0.05, 0.03 * 0.05);
}
