#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "ProgramPlayer.h"
#include "tools/VstHost.h"

using namespace engine_test;

// "Telephone Ring": a 10 Hz square moves a 1000 Hz sine by ±9.54 % of its
// frequency, so the tone alternates every 50 ms between 1095.4 and 904.6 Hz.
TEST(SynthRender, TelephoneRingAlternatesBetweenTwoPitchesAtItsRate)
{
    ProgramPlayer player = playerFor("Telephone Ring");
    const Stereo out = player.play(silence(kSecond));
    constexpr size_t halfPeriod = kSecond / 20;
    constexpr size_t margin = halfPeriod / 10;
    double previous = 0.0;
    for (size_t start = 0; start + halfPeriod <= out.left.size(); start += halfPeriod) {
        const double frequency = crossingFrequency(framesBetween(out.left, start + margin, start + halfPeriod - margin));
        const bool high = frequency > 1000.0;
        EXPECT_NEAR(frequency, high ? 1095.4 : 904.6, 3.0) << "segment at " << start;
        if (start > 0) {
            EXPECT_NE(high, previous > 1000.0) << "segment at " << start;
        }
        previous = frequency;
    }
}

// "Car Alarm": a 2.7 Hz saw moves a 750 Hz sine at -21 %, so within each saw
// period the pitch slides down from 907.5 Hz to 592.5 Hz, then jumps back up.
TEST(SynthRender, CarAlarmSlidesDownWithinEachSawPeriod)
{
    ProgramPlayer player = playerFor("Car Alarm");
    const Stereo out = player.play(silence(2 * kSecond));
    constexpr size_t window = kSecond / 100;
    std::vector<double> pitch;
    for (size_t start = 0; start + window <= out.left.size(); start += window)
        pitch.push_back(crossingFrequency(framesBetween(out.left, start, start + window)));

    int falling = 0, rising = 0;
    for (size_t n = 1; n < pitch.size(); ++n)
        (pitch[n] < pitch[n - 1] ? falling : rising) += 1;
    // One jump up per saw period, five or six in two seconds, plus the window's jitter.
    EXPECT_GT(falling, 9 * rising);
    EXPECT_NEAR(*std::max_element(pitch.begin(), pitch.end()), 907.5, 0.03 * 907.5);
    EXPECT_NEAR(*std::min_element(pitch.begin(), pitch.end()), 592.5, 0.03 * 592.5);
}

// "Infinite Clipper": four Mix stages of 10000 % multiply the input by 1e8 and
// Raise to Pwr 1 clips it to ±1; heard at 10 %, halved on the bus by the silent
// dry path, every sample not at a zero crossing is ±0.05 with the input's sign.
TEST(SynthRender, InfiniteClipperGivesOneBitOfTheInput)
{
    ProgramPlayer player = playerFor("Infinite Clipper");
    const std::vector<float> input = sine(441.0f, 0.5f, kSecond / 10);
    const Stereo out = player.play({input, input});
    for (size_t n = 0; n < input.size(); ++n) {
        if (std::fabs(input[n]) < 1.0e-6f)
            continue;
        ASSERT_FLOAT_EQ(out.left[n], std::copysign(0.05f, input[n])) << n;
        ASSERT_FLOAT_EQ(out.right[n], out.left[n]) << n;
    }
}

// "Full-Wave Rectifier": the negative half-waves come back positive, so a
// 100 Hz sine becomes 0.7 × |x| (140 %, halved on the bus by the silent dry
// path), with its fundamental at 200 Hz and nothing left at 100 Hz.
TEST(SynthRender, FullWaveRectifierFoldsNegativeHalfWavesUp)
{
    ProgramPlayer player = playerFor("Full-Wave Rectifier");
    const std::vector<float> input = sine(100.0f, 0.5f, kSecond / 2);
    const Stereo out = player.play({input, input});
    for (size_t n = 0; n < input.size(); ++n)
        ASSERT_NEAR(out.left[n], 0.7f * std::fabs(input[n]), 1.0e-3f) << n;
    EXPECT_LT(toneAmplitude(out.left, 100.0), 1.0e-3);
    EXPECT_GT(toneAmplitude(out.left, 200.0), 0.1);
}

// "Square Harmonics": a band-pass swept from 300 Hz up to 2700 Hz and back picks
// the harmonics of a 130.8 Hz square one by one; a square has odd harmonics only.
TEST(SynthRender, SquareHarmonicsBringOutOnlyOddHarmonics)
{
    ProgramPlayer player = playerFor("Square Harmonics");
    const Stereo out = player.play(silence(10 * kSecond));
    double odd = 0.0, even = 0.0;
    for (int harmonic = 3; harmonic <= 19; harmonic += 2) {
        odd += toneAmplitude(out.left, 130.8 * harmonic);
        even += toneAmplitude(out.left, 130.8 * (harmonic + 1));
    }
    EXPECT_GT(odd, 10.0 * even);
}

// "Limiter Setup" driven by a host: its slider sets the limiter threshold for
// every program, and the threshold holds after another program is selected.
TEST(SynthRender, LimiterSetupThresholdHoldsAcrossProgramsThroughTheDispatcher)
{
    VstHost host;
    std::string error;
    ASSERT_TRUE(host.load(ORVANE_PLUGIN_PATH, error)) << error;
    host.start();
    const int limiterSetup = host.findProgram("Limiter Setup");
    const int passThrough = host.findProgram("Default");
    ASSERT_GE(limiterSetup, 0);
    ASSERT_GE(passThrough, 0);

    // A sine at 1.5 played through a pass-through program: its peak is the threshold.
    auto loudPeak = [&host] {
        std::vector<float> left = sine(441.0f, 1.5f, kSecond / 2), right = left;
        float* channels[2] = {left.data(), right.data()};
        for (int done = 0; done < kSecond / 2; done += 512) {
            float* block[2] = {channels[0] + done, channels[1] + done};
            host.processReplacing(block, block, std::min(512, kSecond / 2 - done));
        }
        return peak(Stereo {left, right}, kSecond / 4);
    };

    for (const float position : {1.0f, 0.8f, 0.1f}) {
        host.dispatch(effSetProgram, 0, limiterSetup);
        host.effect()->setParameter(host.effect(), 0, position);
        const float percent = std::stof(host.text(effGetParamDisplay, 0));
        const float threshold = std::clamp(percent / 100.0f, 0.5f, 1.0f);
        SCOPED_TRACE(percent);
        EXPECT_LE(loudPeak(), threshold);
        EXPECT_GT(loudPeak(), 0.95f * threshold);
        host.dispatch(effSetProgram, 0, passThrough);
        EXPECT_LE(loudPeak(), threshold);
        EXPECT_GT(loudPeak(), 0.95f * threshold);
    }
}
